#include "StickPlacement.h"

#include <array>
#include <cmath>
#include <ostream>

namespace velmar::cube {
namespace {

using P = TStickPosition;

constexpr float kOffset = kStickOffset;

const std::array<StickPlacement, kStickPositionCount> kPlacements = {{
    {{0, 0, -kOffset}, {0, 0, 0}},   // PoFront
    {{0, 0, kOffset}, {180, 0, 0}},  // PoBack
    {{0, -kOffset, 0}, {-90, 0, 0}}, // PoTop
    {{0, kOffset, 0}, {90, 0, 0}},   // PoBottom
    {{kOffset, 0, 0}, {0, -90, 0}},  // PoRight
    {{-kOffset, 0, 0}, {0, 90, 0}},  // PoLeft
}};

bool near(float a, float b)
{
    return std::abs(a - b) <= kPlacementTolerance;
}

// Destination of each side (indexed by TStickPosition), PoNone where the side stays put.
using Remap = std::array<P, kStickPositionCount>;
//                          Front      Back       Top        Bottom     Right      Left
constexpr Remap kZPlus = {P::PoNone, P::PoNone, P::PoRight, P::PoLeft, P::PoBottom, P::PoTop};
constexpr Remap kZMinus = {P::PoNone, P::PoNone, P::PoLeft, P::PoRight, P::PoTop, P::PoBottom};
constexpr Remap kXPlus = {P::PoBottom, P::PoTop, P::PoFront, P::PoBack, P::PoNone, P::PoNone};
constexpr Remap kXMinus = {P::PoTop, P::PoBottom, P::PoBack, P::PoFront, P::PoNone, P::PoNone};
constexpr Remap kYPlus = {P::PoLeft, P::PoRight, P::PoNone, P::PoNone, P::PoFront, P::PoBack};
constexpr Remap kYMinus = {P::PoRight, P::PoLeft, P::PoNone, P::PoNone, P::PoBack, P::PoFront};

void remap(platform::SceneObject& piece, std::int8_t lastDirection, const Remap& plus, const Remap& minus)
{
    if (lastDirection != 90 && lastDirection != -90)
        return;
    const Remap& table = lastDirection == 90 ? plus : minus;
    // Children keep their order when moved, so one pass classifies each once before moving it.
    for (platform::SceneObject* stick : piece.children()) {
        const P from = GetStickPosition(*stick);
        if (from == P::PoNone)
            continue;
        const P to = table[std::size_t(from)];
        if (to != P::PoNone)
            MoveStickTo(*stick, to);
    }
}

} // namespace

const char* toString(TStickPosition position)
{
    static constexpr const char* names[] = {"PoFront", "PoBack", "PoTop", "PoBottom", "PoRight", "PoLeft", "PoNone"};
    const auto i = std::size_t(position);
    return i < std::size(names) ? names[i] : "TStickPosition(?)";
}

std::ostream& operator<<(std::ostream& out, TStickPosition position)
{
    return out << toString(position);
}

const StickPlacement& placementOf(TStickPosition position)
{
    return kPlacements.at(std::size_t(position));
}

QVector3D outwardOf(TStickPosition position)
{
    return placementOf(position).offset / kOffset;
}

TStickPosition GetStickPosition(const platform::SceneObject& TheStick)
{
    const QVector3D& o = TheStick.position();
    P result = P::PoNone;
    if (near(o.y(), -kOffset))
        result = P::PoTop;
    if (near(o.y(), kOffset))
        result = P::PoBottom;
    if (near(o.x(), -kOffset))
        result = P::PoLeft;
    if (near(o.x(), kOffset))
        result = P::PoRight;
    if (near(o.z(), kOffset))
        result = P::PoBack;
    if (near(o.z(), -kOffset))
        result = P::PoFront;
    return result;
}

void MoveStick(platform::SceneObject& TheStick, float Px, float Py, float Pz, float Rx, float Ry, float Rz)
{
    TheStick.resetRotation();
    TheStick.setPositionX(Px);
    TheStick.setPositionY(Py);
    TheStick.setPositionZ(Pz);
    TheStick.setRotationAngleX(Rx);
    TheStick.setRotationAngleY(Ry);
    TheStick.setRotationAngleZ(Rz);
}

void MoveStickTo(platform::SceneObject& TheStick, TStickPosition position)
{
    const StickPlacement& p = placementOf(position);
    MoveStick(TheStick, p.offset.x(), p.offset.y(), p.offset.z(), p.angles.x(), p.angles.y(), p.angles.z());
}

void TurnXPlan(platform::SceneObject& TheCube, std::int8_t LastDirection)
{
    remap(TheCube, LastDirection, kXPlus, kXMinus);
}

void TurnYPlan(platform::SceneObject& TheCube, std::int8_t LastDirection)
{
    remap(TheCube, LastDirection, kYPlus, kYMinus);
}

void TurnZPlan(platform::SceneObject& TheCube, std::int8_t LastDirection)
{
    remap(TheCube, LastDirection, kZPlus, kZMinus);
}

void remapAfterTurn(platform::Axis axis, platform::SceneObject& TheCube, std::int8_t LastDirection)
{
    switch (axis) {
    case platform::Axis::X:
        TurnXPlan(TheCube, LastDirection);
        return;
    case platform::Axis::Y:
        TurnYPlan(TheCube, LastDirection);
        return;
    case platform::Axis::Z:
        TurnZPlan(TheCube, LastDirection);
        return;
    }
}

} // namespace velmar::cube
