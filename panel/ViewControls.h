// The view: three dials turn the camera rig about its own axes, each dial can turn by itself, a step of
// the background drag nudges the X or the Y dial, and a slider sets the camera's distance.
#pragma once

#include "input/Direction.h"
#include "platform/scene/FloatAnimation.h"
#include "platform/scene/SceneObject.h"

#include <array>
#include <memory>

namespace velmar::platform {
class ArcDial;
}

namespace velmar::panel {

class TViewControls {
public:
    static constexpr float kOrbitStep = 5;         // degrees per background drag step
    static constexpr float kDeclaredPeriod = 10;   // seconds per auto-rotation turn, until the slider sets it
    static constexpr double kFarthestCamera = -60; // camera Z at the size slider's left end

    TViewControls(platform::SceneObject& rig, platform::Camera& camera, std::array<platform::ArcDial*, 3> dials);

    // Writes the rig's angle X, then Y, then Z from the dials; each write turns the rig about its own
    // axis by the difference from the angle it had.
    void applyDialsToRig();

    // Stops the axis's auto-rotation (an inverse run lands on its start value: the dial becomes 0),
    // then starts it again if `ticked`.
    void setAutoRotation(platform::Axis axis, bool ticked);
    platform::FloatAnimation& autoRotation(platform::Axis axis) { return *m_autoRotate[std::size_t(axis)]; }
    // The period is 22 - v seconds per turn; a running auto-rotation goes on with the new period.
    static double periodOf(double sliderValue) { return 22 - sliderValue; }
    void setAutoRotationPeriod(float seconds);

    // The camera slides along the rig's Z: v - 60.
    void setCameraDistance(double sliderValue);

    // One step of the background drag: up raises the X dial, down lowers it, right raises the Y dial,
    // left lowers it; then the dials are applied once more (which changes nothing further).
    void orbit(input::TDirection direction);

private:
    platform::SceneObject& m_rig;
    platform::Camera& m_camera;
    std::array<platform::ArcDial*, 3> m_dials;
    std::array<std::unique_ptr<platform::FloatAnimation>, 3> m_autoRotate;
};

} // namespace velmar::panel
