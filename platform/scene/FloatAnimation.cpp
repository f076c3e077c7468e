#include "FloatAnimation.h"

#include "AnimationDriver.h"

#include <cmath>

namespace velmar::platform {

FloatAnimation::FloatAnimation(QString name, Apply apply) : m_name(std::move(name)), m_apply(std::move(apply)) {}

FloatAnimation::~FloatAnimation()
{
    if (m_running)
        AnimationDriver::shared().remove(this);
}

float FloatAnimation::valueAt(double progress) const
{
    const double p = m_inverse ? 1.0 - progress : progress;
    return float(double(m_startValue) +
                 (double(m_stopValue) - double(m_startValue)) * ease(m_interpolation, m_type, p));
}

void FloatAnimation::start()
{
    AnimationDriver& driver = AnimationDriver::shared();
    m_startTime = driver.now();
    if (!m_running) {
        m_running = true;
        driver.add(this);
    }
    if (m_delay <= 0)
        applyValue(valueAt(0.0));
}

void FloatAnimation::stop()
{
    if (m_running)
        finish();
}

void FloatAnimation::advanceTo(double now)
{
    if (!m_running || m_inStep)
        return;
    const double t = now - m_startTime - double(m_delay);
    if (t < 0)
        return;
    const double p = m_duration > 0 ? t / double(m_duration) : 1.0;
    if (!m_loop && p >= 1.0) {
        finish();
        return;
    }
    applyValue(m_duration > 0 ? valueAt(p - std::floor(p)) : endValue());
}

void FloatAnimation::applyValue(float value)
{
    const bool outer = m_inStep;
    m_inStep = true;
    m_apply(value);
    m_inStep = outer;
}

void FloatAnimation::finish()
{
    applyValue(endValue());
    m_running = false;
    AnimationDriver::shared().remove(this);
    if (onFinish)
        onFinish(*this);
}

} // namespace velmar::platform
