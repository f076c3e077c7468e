// The six places a sticker can take on its piece, how to tell which one it is in, and the re-mapping
// that carries stickers round after a quarter turn (pieces themselves never rotate).
#pragma once

#include "platform/scene/SceneObject.h"

#include <QVector3D>

#include <cstdint>
#include <iosfwd>

namespace velmar::cube {

enum class TStickPosition : std::uint8_t { PoFront, PoBack, PoTop, PoBottom, PoRight, PoLeft, PoNone };
inline constexpr int kStickPositionCount = 6; // placements proper, PoNone excluded

// How far a sticker sits from its piece's centre: 0.01 outside the piece's half-edge of 1.5.
inline constexpr float kStickOffset = 1.51f;
// How far a sticker's offset may stray from its place and still be read as there.
inline constexpr float kPlacementTolerance = 0.1f;

const char* toString(TStickPosition position);
std::ostream& operator<<(std::ostream& out, TStickPosition position);

struct StickPlacement {
    QVector3D offset; // relative to the piece
    QVector3D angles; // X, Y, Z written in that order onto a reset orientation
};

// The exact placement of one side (not PoNone).
const StickPlacement& placementOf(TStickPosition position);

// The outward direction of a side, in the piece's frame.
QVector3D outwardOf(TStickPosition position);

// Classifies a sticker by its offset, within kPlacementTolerance.
TStickPosition GetStickPosition(const platform::SceneObject& TheStick);

// Reset, offset X, Y, Z, then angles X, Y, Z through the angle rule.
void MoveStick(platform::SceneObject& TheStick, float Px, float Py, float Pz, float Rx, float Ry, float Rz);
void MoveStickTo(platform::SceneObject& TheStick, TStickPosition position);

// Re-map every sticker of a piece after a turn about X, Y or Z in the sense `LastDirection` (90 or -90).
void TurnXPlan(platform::SceneObject& TheCube, std::int8_t LastDirection);
void TurnYPlan(platform::SceneObject& TheCube, std::int8_t LastDirection);
void TurnZPlan(platform::SceneObject& TheCube, std::int8_t LastDirection);
// The re-mapping of the turn axis.
void remapAfterTurn(platform::Axis axis, platform::SceneObject& TheCube, std::int8_t LastDirection);

} // namespace velmar::cube
