// The one driver that steps every running float animation by elapsed time; idle when nothing runs.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <vector>

namespace velmar::platform {

class FloatAnimation;

// The driver's time source, in seconds; tests install a manual one.
class AnimationClock {
public:
    virtual ~AnimationClock() = default;
    virtual double now() = 0;
};

class AnimationDriver : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 30;

    // Lives as long as the application object.
    static AnimationDriver& shared();

    // nullptr restores the real clock. The clock is not owned.
    void setClock(AnimationClock* clock);
    void setInterval(int milliseconds);
    int interval() const { return m_timer.interval(); }
    double now();

    bool isActive() const { return !m_running.empty(); }
    int runningCount() const { return int(m_running.size()); }
    // Timer wake-ups so far, idle ones included: an idle program has none.
    long tickCount() const { return m_ticks; }

    void add(FloatAnimation* animation);
    void remove(FloatAnimation* animation);

    // One step of every running animation, as the timer does it. A step may run inside another (an
    // animation's handler that starts a turn and waits for it): the inner one steps every animation
    // except those whose own step is still on the stack.
    void tick();

signals:
    void stepped();
    void idle();

private:
    explicit AnimationDriver(QObject* parent);

    QTimer m_timer;
    QElapsedTimer m_elapsed;
    AnimationClock* m_clock = nullptr;
    long m_ticks = 0;
    std::vector<FloatAnimation*> m_running;
    // One list per nesting level of tick(); a deque so inner levels never move outer ones.
    std::deque<std::vector<FloatAnimation*>> m_stepping;
    std::size_t m_depth = 0;
};

} // namespace velmar::platform
