// The view: three dials turn the camera rig about its own axes, each dial can turn by itself, a drag on
// the empty background nudges the X and Y dials, and a slider sets the camera's distance.
#pragma once

#include "input/StickerDrag.h"
#include "platform/scene/FloatAnimation.h"
#include "platform/scene/SceneObject.h"

#include <array>
#include <functional>
#include <memory>

namespace velmar::platform {
class ArcDial;
}

namespace velmar::panel {

class TViewControls {
public:
    static constexpr float kOrbitStep = 5;         // degrees per background move event
    static constexpr float kOrbitThreshold = 3;    // pointer units before a move counts
    static constexpr float kDeclaredPeriod = 10;   // seconds per auto-rotation turn, until the slider sets it
    static constexpr double kFarthestCamera = -60; // camera Z at the size slider's left end

    // `applyDials` is the window's ArcDialXChange, run by the background drag's extra step.
    TViewControls(platform::SceneObject& rig, platform::Camera& camera, std::array<platform::ArcDial*, 3> dials,
                  std::function<void()> applyDials);

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

    // The background drag. ClickX, ClickY: where the last step (or the press) was.
    void Viewport3D2MouseDown(const platform::PointerEvent& event);
    // One 5-degree step per move event at most, however far the pointer went; a diagonal counts as
    // vertical. Does nothing while a sticker drag is armed or without the left button.
    void Viewport3D2MouseMove(const platform::PointerEvent& event, bool MvtOn, input::TDirection& Direction);

    float ClickX = 0;
    float ClickY = 0;

private:
    platform::SceneObject& m_rig;
    platform::Camera& m_camera;
    std::array<platform::ArcDial*, 3> m_dials;
    std::function<void()> m_applyDials;
    std::array<std::unique_ptr<platform::FloatAnimation>, 3> m_autoRotate;
};

} // namespace velmar::panel
