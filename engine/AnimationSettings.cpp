#include "AnimationSettings.h"

namespace velmar::engine {
namespace {

using P = cube::TStickPosition;
constexpr std::array<P, cube::kStickPositionCount> kSettingOrder = {P::PoFront, P::PoLeft,   P::PoTop,
                                                                    P::PoBack,  P::PoBottom, P::PoRight};
constexpr long double kSlowestTurnPlusStep = 2.1L;

} // namespace

const std::array<const char*, platform::kInterpolationCount> ANIMATION = {
    "Linear",      "Quadratic", "Cubic",   "Quartic", "Quintic", "Sinusoidal",
    "Exponential", "Circular",  "Elastic", "Back",    "Bounce",
};

void setTurnInterpolation(const cube::TCubeScene& cube, int index)
{
    if (index < 0 || index >= platform::kInterpolationCount)
        return;
    for (P face : kSettingOrder)
        cube.turns[std::size_t(face)]->setInterpolation(platform::Interpolation(index));
}

float turnSeconds(double sliderValue)
{
    return float(kSlowestTurnPlusStep - static_cast<long double>(sliderValue));
}

void setTurnDuration(const cube::TCubeScene& cube, float seconds)
{
    for (P face : kSettingOrder)
        cube.turns[std::size_t(face)]->setDuration(seconds);
}

} // namespace velmar::engine
