// The eleven interpolation families with their three easing modes (Robert Penner's equations).
#pragma once

#include <QString>

namespace velmar::platform {

enum class AnimationType { In, Out, InOut };

// In list order: the item index of the easing list is the interpolation's number.
enum class Interpolation {
    Linear,
    Quadratic,
    Cubic,
    Quartic,
    Quintic,
    Sinusoidal,
    Exponential,
    Circular,
    Elastic,
    Back,
    Bounce,
};
inline constexpr int kInterpolationCount = 11;

// Progress p in [0, 1] to eased progress; 0 maps to 0 and 1 to 1, curves may leave [0, 1] between.
double ease(Interpolation interpolation, AnimationType type, double p);

} // namespace velmar::platform
