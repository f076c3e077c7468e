#include "ColourAnimation.h"

#include <algorithm>
#include <cmath>

namespace velmar::platform {
namespace {

// Halves round away from zero (std::lround), so a mix at t = 0.5 is the same colour whichever end it
// starts from: 255 and 248 meet at 251.5, which is 252 both ways.
int mixChannel(int from, int to, double t)
{
    return std::clamp(int(std::lround(double(from) + double(to - from) * t)), 0, 255);
}

} // namespace

ColourAnimation::ColourAnimation(QString name, Apply apply)
    : m_progress(std::move(name), [this](float t) { write(mix(m_start, m_stop, t)); }), m_apply(std::move(apply))
{
    m_progress.setStartValue(0);
    m_progress.setStopValue(1);
    m_progress.setAnimationType(AnimationType::In);
    m_progress.setInterpolation(Interpolation::Linear);
}

void ColourAnimation::start()
{
    m_startPending = true;
    m_progress.start();
}

void ColourAnimation::write(const QColor& colour)
{
    // Steps that round to the colour already written say nothing. This also keeps the stop colour from
    // being written twice: the last step before the end can round to it (its progress, a float, reaching
    // 1.0f a hair before the run's time is up), and the end writes it again.
    if (!m_startPending && colour == m_written)
        return;
    m_startPending = false;
    m_written = colour;
    m_apply(colour);
}

QColor ColourAnimation::mix(const QColor& from, const QColor& to, float t)
{
    // The ends are returned as given, so a finished run leaves exactly its stop colour.
    if (t <= 0)
        return from;
    if (t >= 1)
        return to;
    const QRgb a = from.rgba();
    const QRgb b = to.rgba();
    return QColor::fromRgba(qRgba(mixChannel(qRed(a), qRed(b), t), mixChannel(qGreen(a), qGreen(b), t),
                                  mixChannel(qBlue(a), qBlue(b), t), mixChannel(qAlpha(a), qAlpha(b), t)));
}

} // namespace velmar::platform
