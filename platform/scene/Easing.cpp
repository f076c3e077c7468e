#include "Easing.h"

#include <QEasingCurve>

#include <array>
#include <cmath>

namespace velmar::platform {
namespace {

// Qt shifts its exponential curves by 0.001 to close the gap at the ends; the published equations
// do not, so these three are written out.
double expoIn(double p)
{
    return p == 0.0 ? 0.0 : std::pow(2.0, 10.0 * (p - 1.0));
}
double expoOut(double p)
{
    return p == 1.0 ? 1.0 : 1.0 - std::pow(2.0, -10.0 * p);
}
double expoInOut(double p)
{
    if (p == 0.0 || p == 1.0)
        return p;
    return p < 0.5 ? 0.5 * std::pow(2.0, 20.0 * p - 10.0) : 0.5 * (2.0 - std::pow(2.0, -20.0 * p + 10.0));
}

QEasingCurve::Type qtCurve(Interpolation interpolation, AnimationType type)
{
    using C = QEasingCurve;
    static constexpr C::Type table[][3] = {
        {C::Linear, C::Linear, C::Linear},
        {C::InQuad, C::OutQuad, C::InOutQuad},
        {C::InCubic, C::OutCubic, C::InOutCubic},
        {C::InQuart, C::OutQuart, C::InOutQuart},
        {C::InQuint, C::OutQuint, C::InOutQuint},
        {C::InSine, C::OutSine, C::InOutSine},
        {C::InExpo, C::OutExpo, C::InOutExpo},
        {C::InCirc, C::OutCirc, C::InOutCirc},
        {C::InElastic, C::OutElastic, C::InOutElastic},
        {C::InBack, C::OutBack, C::InOutBack},
        {C::InBounce, C::OutBounce, C::InOutBounce},
    };
    return table[int(interpolation)][int(type)];
}

const QEasingCurve& curve(Interpolation interpolation, AnimationType type)
{
    static const auto curves = [] {
        std::array<std::array<QEasingCurve, 3>, kInterpolationCount> all;
        for (int i = 0; i < kInterpolationCount; ++i)
            for (int t = 0; t < 3; ++t) {
                QEasingCurve c(qtCurve(Interpolation(i), AnimationType(t)));
                if (Interpolation(i) == Interpolation::Elastic) {
                    c.setAmplitude(1.0);
                    // Penner's in-out elastic uses period 0.45; Qt's default is 0.3 for all three.
                    c.setPeriod(AnimationType(t) == AnimationType::InOut ? 0.45 : 0.3);
                }
                if (Interpolation(i) == Interpolation::Back)
                    c.setOvershoot(1.70158);
                all[i][t] = c;
            }
        return all;
    }();
    return curves[int(interpolation)][int(type)];
}

} // namespace

double ease(Interpolation interpolation, AnimationType type, double p)
{
    if (p <= 0.0)
        return 0.0;
    if (p >= 1.0)
        return 1.0;
    if (interpolation == Interpolation::Exponential) {
        switch (type) {
        case AnimationType::In:
            return expoIn(p);
        case AnimationType::Out:
            return expoOut(p);
        case AnimationType::InOut:
            return expoInOut(p);
        }
    }
    return curve(interpolation, type).valueForProgress(p);
}

} // namespace velmar::platform
