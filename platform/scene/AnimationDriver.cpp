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
    // A finish handler may stop another animation in the middle of a step, at any nesting level.
    for (std::size_t level = 0; level < m_depth; ++level)
        std::replace(m_stepping[level].begin(), m_stepping[level].end(), animation,
                     static_cast<FloatAnimation*>(nullptr));
    if (m_running.empty()) {
        m_timer.stop();
        emit idle();
    }
}

void AnimationDriver::tick()
{
    ++m_ticks;
    if (m_running.empty())
        return;
    const double t = now();
    if (m_stepping.size() <= m_depth)
        m_stepping.emplace_back().reserve(16);
    std::vector<FloatAnimation*>& level = m_stepping[m_depth];
    level.assign(m_running.begin(), m_running.end());
    ++m_depth;
    // By index: a nested step may grow the deque, never this level's vector.
    for (std::size_t i = 0; i < level.size(); ++i)
        if (FloatAnimation* animation = level[i])
            animation->advanceTo(t);
    --m_depth;
    level.clear();
    emit stepped();
}

} // namespace velmar::platform
