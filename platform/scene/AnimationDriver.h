// The one driver that steps every running float animation by elapsed time; idle when nothing runs.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

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

    void add(FloatAnimation* animation);
    void remove(FloatAnimation* animation);

    // One step of every running animation, as the timer does it.
    void tick();

signals:
    void stepped();
    void idle();

private:
    explicit AnimationDriver(QObject* parent);

    QTimer m_timer;
    QElapsedTimer m_elapsed;
    AnimationClock* m_clock = nullptr;
    bool m_inTick = false;
    std::vector<FloatAnimation*> m_running;
    std::vector<FloatAnimation*> m_stepping;
};

} // namespace velmar::platform
