// Every interpolation in every mode against Robert Penner's published equations.
#include "platform/scene/Easing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace velmar::platform;

namespace {

constexpr double pi = std::numbers::pi;

// Penner's equations with b = 0, c = 1, d = 1, written as published.
double penner(Interpolation i, AnimationType m, double t)
{
    const bool in = m == AnimationType::In, out = m == AnimationType::Out;
    switch (i) {
    case Interpolation::Linear:
        return t;
    case Interpolation::Quadratic:
        if (in)
            return t * t;
        if (out)
            return -t * (t - 2);
        t *= 2;
        if (t < 1)
            return 0.5 * t * t;
        t -= 1;
        return -0.5 * (t * (t - 2) - 1);
    case Interpolation::Cubic:
        if (in)
            return t * t * t;
        if (out) {
            t -= 1;
            return t * t * t + 1;
        }
        t *= 2;
        if (t < 1)
            return 0.5 * t * t * t;
        t -= 2;
        return 0.5 * (t * t * t + 2);
    case Interpolation::Quartic:
        if (in)
            return t * t * t * t;
        if (out) {
            t -= 1;
            return -(t * t * t * t - 1);
        }
        t *= 2;
        if (t < 1)
            return 0.5 * t * t * t * t;
        t -= 2;
        return -0.5 * (t * t * t * t - 2);
    case Interpolation::Quintic:
        if (in)
            return t * t * t * t * t;
        if (out) {
            t -= 1;
            return t * t * t * t * t + 1;
        }
        t *= 2;
        if (t < 1)
            return 0.5 * t * t * t * t * t;
        t -= 2;
        return 0.5 * (t * t * t * t * t + 2);
    case Interpolation::Sinusoidal:
        if (in)
            return -std::cos(t * pi / 2) + 1;
        if (out)
            return std::sin(t * pi / 2);
        return -0.5 * (std::cos(pi * t) - 1);
    case Interpolation::Exponential:
        if (in)
            return t == 0 ? 0 : std::pow(2, 10 * (t - 1));
        if (out)
            return t == 1 ? 1 : -std::pow(2, -10 * t) + 1;
        if (t == 0)
            return 0;
        if (t == 1)
            return 1;
        t *= 2;
        if (t < 1)
            return 0.5 * std::pow(2, 10 * (t - 1));
        t -= 1;
        return 0.5 * (-std::pow(2, -10 * t) + 2);
    case Interpolation::Circular:
        if (in)
            return -(std::sqrt(1 - t * t) - 1);
        if (out) {
            t -= 1;
            return std::sqrt(1 - t * t);
        }
        t *= 2;
        if (t < 1)
            return -0.5 * (std::sqrt(1 - t * t) - 1);
        t -= 2;
        return 0.5 * (std::sqrt(1 - t * t) + 1);
    case Interpolation::Elastic: {
        if (t == 0)
            return 0;
        if (in) {
            if (t == 1)
                return 1;
            const double p = 0.3, s = p / 4;
            t -= 1;
            return -(std::pow(2, 10 * t) * std::sin((t - s) * 2 * pi / p));
        }
        if (out) {
            if (t == 1)
                return 1;
            const double p = 0.3, s = p / 4;
            return std::pow(2, -10 * t) * std::sin((t - s) * 2 * pi / p) + 1;
        }
        t *= 2;
        if (t == 2)
            return 1;
        const double p = 0.3 * 1.5, s = p / 4;
        if (t < 1) {
            t -= 1;
            return -0.5 * (std::pow(2, 10 * t) * std::sin((t - s) * 2 * pi / p));
        }
        t -= 1;
        return std::pow(2, -10 * t) * std::sin((t - s) * 2 * pi / p) * 0.5 + 1;
    }
    case Interpolation::Back: {
        double s = 1.70158;
        if (in)
            return t * t * ((s + 1) * t - s);
        if (out) {
            t -= 1;
            return t * t * ((s + 1) * t + s) + 1;
        }
        s *= 1.525;
        t *= 2;
        if (t < 1)
            return 0.5 * (t * t * ((s + 1) * t - s));
        t -= 2;
        return 0.5 * (t * t * ((s + 1) * t + s) + 2);
    }
    case Interpolation::Bounce: {
        auto bounceOut = [](double u) {
            if (u < 1 / 2.75)
                return 7.5625 * u * u;
            if (u < 2 / 2.75) {
                u -= 1.5 / 2.75;
                return 7.5625 * u * u + 0.75;
            }
            if (u < 2.5 / 2.75) {
                u -= 2.25 / 2.75;
                return 7.5625 * u * u + 0.9375;
            }
            u -= 2.625 / 2.75;
            return 7.5625 * u * u + 0.984375;
        };
        if (out)
            return bounceOut(t);
        if (in)
            return 1 - bounceOut(1 - t);
        if (t < 0.5)
            return (1 - bounceOut(1 - 2 * t)) * 0.5;
        return bounceOut(2 * t - 1) * 0.5 + 0.5;
    }
    }
    return NAN;
}

struct Case {
    Interpolation interpolation;
    AnimationType type;
};

class EasingAgainstPenner : public ::testing::TestWithParam<Case> {};

TEST_P(EasingAgainstPenner, MatchesAtSamplePoints)
{
    const auto [interpolation, type] = GetParam();
    for (double t : {0.0, 0.05, 0.1, 0.2, 0.25, 0.33, 0.4, 0.5, 0.6, 0.67, 0.75, 0.8, 0.9, 0.95, 1.0})
        EXPECT_NEAR(ease(interpolation, type, t), penner(interpolation, type, t), 1e-6)
            << "interpolation " << int(interpolation) << " type " << int(type) << " t " << t;
}

TEST_P(EasingAgainstPenner, EndsExactly)
{
    const auto [interpolation, type] = GetParam();
    EXPECT_EQ(ease(interpolation, type, 0.0), 0.0);
    EXPECT_EQ(ease(interpolation, type, 1.0), 1.0);
}

std::vector<Case> allCases()
{
    std::vector<Case> out;
    for (int i = 0; i < kInterpolationCount; ++i)
        for (AnimationType t : {AnimationType::In, AnimationType::Out, AnimationType::InOut})
            out.push_back({Interpolation(i), t});
    return out;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    static const char* names[] = {"Linear",      "Quadratic", "Cubic",   "Quartic", "Quintic", "Sinusoidal",
                                  "Exponential", "Circular",  "Elastic", "Back",    "Bounce"};
    static const char* modes[] = {"In", "Out", "InOut"};
    return std::string(names[int(info.param.interpolation)]) + modes[int(info.param.type)];
}

INSTANTIATE_TEST_SUITE_P(AllCurves, EasingAgainstPenner, ::testing::ValuesIn(allCases()), caseName);

TEST(Easing, OvershootingCurvesLeaveTheRangeAndBounceStaysInIt)
{
    double backMax = 0, elasticMax = 0, bounceMax = 0, bounceMin = 1;
    for (int k = 1; k < 1000; ++k) {
        const double t = k / 1000.0;
        backMax = std::max(backMax, ease(Interpolation::Back, AnimationType::InOut, t));
        elasticMax = std::max(elasticMax, ease(Interpolation::Elastic, AnimationType::InOut, t));
        bounceMax = std::max(bounceMax, ease(Interpolation::Bounce, AnimationType::InOut, t));
        bounceMin = std::min(bounceMin, ease(Interpolation::Bounce, AnimationType::InOut, t));
    }
    EXPECT_GT(backMax, 1.05);
    EXPECT_GT(elasticMax, 1.05);
    EXPECT_LE(bounceMax, 1.0);
    EXPECT_GE(bounceMin, 0.0);
}

} // namespace
