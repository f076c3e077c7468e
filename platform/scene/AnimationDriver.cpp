#include "AnimationDriver.h"

#include "FloatAnimation.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace velmar::platform {

AnimationDriver& AnimationDriver::shared()
{
    static QPointer<AnimationDriver> instance;
    if (!instance)
        instance = new AnimationDriver(QCoreApplication::instance());
    return *instance;
}

AnimationDriver::AnimationDriver(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(kDefaultIntervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AnimationDriver::tick);
    m_elapsed.start();
    m_running.reserve(16);
    m_stepping.reserve(16);
}

void AnimationDriver::setClock(AnimationClock* clock)
{
    m_clock = clock;
}

void AnimationDriver::setInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
}

double AnimationDriver::now()
{
    return m_clock ? m_clock->now() : double(m_elapsed.nsecsElapsed()) * 1e-9;
}

void AnimationDriver::add(FloatAnimation* animation)
{
    if (std::find(m_running.begin(), m_running.end(), animation) == m_running.end())
        m_running.push_back(animation);
    if (!m_timer.isActive())
        m_timer.start();
}

void AnimationDriver::remove(FloatAnimation* animation)
{
    m_running.erase(std::remove(m_running.begin(), m_running.end(), animation), m_running.end());
    // A finish handler may stop another animation in the middle of a step.
    std::replace(m_stepping.begin(), m_stepping.end(), animation, static_cast<FloatAnimation*>(nullptr));
    if (m_running.empty()) {
        m_timer.stop();
        emit idle();
    }
}

void AnimationDriver::tick()
{
    // A handler that pumps events must not step the animations again from inside a step.
    if (m_running.empty() || m_inTick)
        return;
    m_inTick = true;
    const double t = now();
    m_stepping.assign(m_running.begin(), m_running.end());
    for (FloatAnimation*& animation : m_stepping)
        if (animation)
            animation->advanceTo(t);
    m_stepping.clear();
    m_inTick = false;
    emit stepped();
}

} // namespace velmar::platform
