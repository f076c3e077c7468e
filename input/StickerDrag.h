// Turning a face by dragging over the stickers: the pick ray's direction in the sticker's own frame
// says which way the pointer moved over it, the piece's position which face turns.
#pragma once

#include "platform/scene/SceneObject.h"

#include <cstdint>
#include <functional>
#include <iosfwd>

namespace velmar::input {

enum class TDirection : std::uint8_t { DiNone, DiLeft, DiRight, DiTop, DiBottom };

const char* toString(TDirection direction);
std::ostream& operator<<(std::ostream& out, TDirection direction);

// What a drag needs of the window around it.
class DragHost {
public:
    virtual ~DragHost() = default;
    virtual bool mvtAuto() const = 0;           // a pattern is playing: presses are ignored
    virtual void clearPatternSelection() = 0;   // a drag that acts clears the pattern list's choice
    virtual void rotate(char letter) = 0;       // the turn engine
};

class TStickDrag {
public:
    // Past this change of a ray component a move counts as a drag.
    static constexpr float kThreshold = 0.02f;

    explicit TStickDrag(DragHost& host) : m_host(host) {}

    void StickMouseDown(platform::SceneObject& Sender, const platform::PointerEvent& event);
    void StickCornerMouseMove(platform::SceneObject& Sender, const platform::PointerEvent& event);
    void StickCornerMouseUp(platform::SceneObject& Sender, const platform::PointerEvent& event);

    // Issues at most one move: the letter that the direction and the two piece coordinates select.
    void RotatePlan(float Pos1, float Pos2, TDirection TheDirection, TDirection Di1, TDirection Di2, TDirection Di3,
                    TDirection Di4, char P1, char P2, char P3, char P4, char P5, char P6, char P7, char P8, char P9,
                    char P10, char P11, char P12);

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
