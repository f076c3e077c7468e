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
    return float(double(m_startValue) + (double(m_stopValue) - double(m_startValue)) * ease(m_interpolation, m_type, p));
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
        m_apply(valueAt(0.0));
}

void FloatAnimation::stop()
{
    if (m_running)
        finish();
}

void FloatAnimation::advanceTo(double now)
{
    if (!m_running)
        return;
    const double t = now - m_startTime - double(m_delay);
    if (t < 0)
        return;
    if (m_duration <= 0) {
        if (!m_loop)
            finish();
        else
            m_apply(endValue());
        return;
    }
    double p = t / double(m_duration);
    if (!m_loop && p >= 1.0) {
        finish();
        return;
    }
    if (m_loop)
        p -= std::floor(p);
    m_apply(valueAt(p));
}

void FloatAnimation::finish()
{
    m_running = false;
    AnimationDriver::shared().remove(this);
    m_apply(endValue());
    if (onFinish)
        onFinish(*this);
}

} // namespace velmar::platform
