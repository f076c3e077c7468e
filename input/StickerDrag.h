// Turning a face by dragging over the stickers: the pick ray's direction in the sticker's own frame
// says which way the pointer moved over it, the piece's position which face turns.
#pragma once

#include "platform/scene/SceneObject.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>

namespace velmar::input {

enum class TDirection : std::uint8_t { DiNone, DiLeft, DiRight, DiTop, DiBottom };

const char* toString(TDirection direction);
std::ostream& operator<<(std::ostream& out, TDirection direction);

// The letter a drag in `direction` plays over a corner sticker at `offset` on its piece at `piece`
// (coordinates rounded): the first face of the cube that the piece and the sticker lie on decides.
// None for DiNone, or when the sticker lies on no face.
std::optional<char> dragLetter(const QVector3D& piece, const QVector3D& offset, TDirection direction);

// What a drag needs of the window around it.
class DragHost {
public:
    virtual ~DragHost() = default;
    virtual bool mvtAuto() const = 0;         // a pattern is playing: presses are ignored
    virtual void clearPatternSelection() = 0; // a drag that acts clears the pattern list's choice
    virtual void rotate(char letter) = 0;     // the turn engine
};

class TStickDrag {
public:
    // Past this change of a ray component a move counts as a drag.
    static constexpr float kThreshold = 0.02f;

    explicit TStickDrag(DragHost& host) : m_host(host) {}

    void StickMouseDown(platform::SceneObject& Sender, const platform::PointerEvent& event);
    void StickCornerMouseMove(platform::SceneObject& Sender, const platform::PointerEvent& event);
    void StickCornerMouseUp(platform::SceneObject& Sender, const platform::PointerEvent& event);

    // Issues at most one move: the letter dragLetter reads for the piece at `Pos` (rounded), the sticker
    // at `Offset` on it and the direction.
    void RotatePlan(const QVector3D& Pos, const QVector3D& Offset, TDirection TheDirection);

    bool MvtOn = false;
    // The ray's reading at the press, or at the step that turned a face: its direction in the sticker's
    // frame, scaled to unit depth along the sticker's normal.
    float ClickXR = 0;
    float ClickYR = 0;
    TDirection Direction = TDirection::DiNone;

private:
    DragHost& m_host;
};

} // namespace velmar::input
