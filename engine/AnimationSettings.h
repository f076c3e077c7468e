// The easing curve and the duration of the six face-turn animations.
#pragma once

#include "cube/CubeScene.h"

#include <array>

namespace velmar::engine {

// The interpolation names in list order: the easing list's item index is the interpolation's number.
extern const std::array<const char*, platform::kInterpolationCount> ANIMATION;

// Sets every turn animation's interpolation, red, green, white, orange, yellow and blue in that order;
// an index outside the list (no selection) changes nothing.
void setTurnInterpolation(const cube::TCubeScene& cube, int index);

// The turn duration a speed slider value stands for: 2.1 - v seconds, worked out in extended precision.
float turnSeconds(double sliderValue);
void setTurnDuration(const cube::TCubeScene& cube, float seconds);

} // namespace velmar::engine
