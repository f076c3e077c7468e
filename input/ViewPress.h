// A press on the 3D view, from the button going down to its release, and what it asks for: a press on a
// sticker arms a sticker drag, whose first move past the threshold over a corner sticker asks for a face
// turn; a left press on the empty background orbits the view one step per move; a right click that did
// not move asks for the menu. One owner, so that the armed drag and the orbit read the same state.
#pragma once

#include "Direction.h"

#include "platform/scene/SceneObject.h"

#include <QObject>
#include <QPoint>

namespace velmar::cube {
class TCubeScene;
}
namespace velmar::engine {
class Puzzle;
}
namespace velmar::platform {
class PointerRouter;
}

namespace velmar::input {

class ViewPress : public QObject {
    Q_OBJECT
public:
    // Past this change of a pick-ray reading a move over a corner sticker counts as a drag.
    static constexpr float kStickerThreshold = 0.02f;
    // Pointer units before a background move counts.
    static constexpr float kOrbitThreshold = 3;
    // Pixels a right press may move and still open the menu at its release.
    static constexpr int kClickSlop = 3;

    // Wires the 48 stickers' press and release, and the 24 corner stickers' moves. Presses on stickers
    // are ignored while `puzzle` plays back.
    ViewPress(const engine::Puzzle& puzzle, cube::TCubeScene& cube);

    // The view's own pointer handlers, and the right click on `view` (the object the view's pointer
    // events go through; the click is watched, never taken, so the view still sees it).
    void watchView(platform::PointerRouter& router, QObject& view);

    // The sticker drag.
    void StickMouseDown(platform::SceneObject& Sender, const platform::PointerEvent& event);
    void StickCornerMouseMove(platform::SceneObject& Sender, const platform::PointerEvent& event);
    void StickCornerMouseUp(platform::SceneObject& Sender, const platform::PointerEvent& event);
    // The background drag: one step per move event at most, however far the pointer went; nothing while
    // a sticker drag is armed or without the left button. A release anywhere on the view disarms.
    void Viewport3D2MouseDown(const platform::PointerEvent& event);
    void Viewport3D2MouseMove(const platform::PointerEvent& event);
    void Viewport3D2MouseUp(const platform::PointerEvent& event);

    // A sticker drag is armed.
    bool MvtOn() const { return m_armed; }
    // The direction the last drag step found, sticker or background.
    TDirection Direction() const { return m_direction; }
    // Where the last background step (or the press) was.
    QPointF backgroundReference() const { return m_click; }

signals:
    // A sticker drag asks for a turn.
    void turnAsked(char letter);
    // A background drag step, as it nudges the view.
    void orbitStep(velmar::input::TDirection direction);
    void menuAsked(QPoint global);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const engine::Puzzle& m_puzzle;
    bool m_armed = false;
    // The ray's reading at the press, or at the step that turned a face: its direction in the sticker's
    // frame, scaled to unit depth along the sticker's normal (the design's ClickXR, ClickYR).
    QPointF m_clickRay;
    QPointF m_click; // ClickX, ClickY
    TDirection m_direction = TDirection::DiNone;
    QPointF m_rightPressedAt;
    bool m_rightClick = false;
};

} // namespace velmar::input
