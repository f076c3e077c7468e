// The two lighting modes: the spot light that follows the camera, dimmed by the grey-ramp slider, or
// flat, self-lit colours ("Ambiance").
#pragma once

#include "cube/CubeScene.h"

#include <cstdint>

namespace velmar::cube {

// The light's grey for a slider value in [0, 1]: v x 255 rounded to the nearest integer, halves to
// the even neighbour (0.5 gives 128).
std::uint8_t lightGrey(double sliderValue);

// SetLight: the spot light's diffuse colour becomes the opaque grey of the slider.
void SetLight(cube::TCubeScene& cube, double sliderValue);

// Spot mode: light on and no emission; ambiance: light off and white emission, which shows every
// sticker and pivot tile at full brightness. The pieces' black bodies are never touched.
void applyLightMode(platform::Scene& scene, cube::TCubeScene& cube, bool spot);

} // namespace velmar::cube
