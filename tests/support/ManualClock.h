// Clocks for driving animations in tests without sleeping.
#pragma once

#include "platform/scene/AnimationDriver.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <functional>

namespace velmar::testkit {

// Time moves only when the test says so.
class ManualClock : public platform::AnimationClock {
public:
    double now() override { return t; }
    double t = 0;
};

// Installs a manual clock on the shared driver for the scope's lifetime.
class ManualClockScope {
public:
    ManualClockScope() { platform::AnimationDriver::shared().setClock(&m_clock); }
    ~ManualClockScope() { platform::AnimationDriver::shared().setClock(nullptr); }
    ManualClockScope(const ManualClockScope&) = delete;
    ManualClockScope& operator=(const ManualClockScope&) = delete;

    void set(double t) { m_clock.t = t; }
    // Moves time to `t` and steps the driver once, as its timer would.
    void at(double t)
    {
        m_clock.t = t;
        platform::AnimationDriver::shared().tick();
    }

private:
    ManualClock m_clock;
};

// Advances a fixed step each time the driver reads it, i.e. once per animation step; with the driver's
// timer at 0 ms each pass of the event loop is one step, so long animations play out in microseconds
// through the program's own code path.
class SteppingClock : public platform::AnimationClock {
public:
    explicit SteppingClock(double step) : m_step(step) {}
    double now() override { return m_t += m_step; }

private:
    double m_step;
    double m_t = 0;
};

// Installs a stepping clock on the shared driver for the scope's lifetime.
class SteppingClockScope {
public:
    explicit SteppingClockScope(double step = 0.05) : m_clock(step)
    {
        auto& driver = platform::AnimationDriver::shared();
        driver.setClock(&m_clock);
        driver.setInterval(0);
    }
    ~SteppingClockScope()
    {
        auto& driver = platform::AnimationDriver::shared();
        driver.setClock(nullptr);
        driver.setInterval(platform::AnimationDriver::kDefaultIntervalMs);
    }
    SteppingClockScope(const SteppingClockScope&) = delete;
    SteppingClockScope& operator=(const SteppingClockScope&) = delete;

private:
    SteppingClock m_clock;
};

// Pumps the event loop until `done` holds, at most `passes` times (on a stepping clock each pass is one
// animation step); true when it held. Bounded by passes, never by wall time.
inline bool pumpUntil(const std::function<bool()>& done, int passes = 20000)
{
    for (int i = 0; i < passes; ++i) {
        if (done())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return done();
}

// As above, but while `searching` holds (work on another thread that posts its answer back), waits for
// the answer instead of spending passes, so a slow machine never looks like a program that does not rest.
inline bool pumpUntil(const std::function<bool()>& done, const std::function<bool()>& searching, int passes)
{
    for (int round = 0; round < 100; ++round) {
        while (searching())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (pumpUntil(done, passes))
            return true;
        if (!searching())
            return false;
    }
    return false;
}

} // namespace velmar::testkit
