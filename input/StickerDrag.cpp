#include "StickerDrag.h"

#include <QPointF>

#include "cube/StickPlacement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <ostream>

namespace velmar::input {
namespace {

using D = TDirection;

using platform::Axis;

// What a drag in one direction over one face turns: the piece coordinate that decides, and the letter
// played when that coordinate is -3 and when it is +3.
struct DragTurn {
    Axis deciding;
    char atMinus3;
    char atPlus3;
};

// One face of the cube: a sticker belongs to it when its piece lies on that face (the piece's
// coordinate along `axis` is 3 x `side`) and the sticker sits on that side of its piece.
struct FaceDrags {
    Axis axis;
    int side;
    std::array<DragTurn, 4> turns; // by kColumns
};

constexpr std::array<D, 4> kColumns = {D::DiTop, D::DiBottom, D::DiRight, D::DiLeft};

// Tried in this order; the first face that holds decides.
// clang-format off
constexpr std::array<FaceDrags, 6> kFaces = {{
//   axis     side  DiTop                DiBottom             DiRight              DiLeft
    {Axis::Z, -1, {{{Axis::X, 'g', 'B'}, {Axis::X, 'G', 'b'}, {Axis::Y, 'w', 'Y'}, {Axis::Y, 'W', 'y'}}}}, // front
    {Axis::Z, +1, {{{Axis::X, 'g', 'B'}, {Axis::X, 'G', 'b'}, {Axis::Y, 'W', 'y'}, {Axis::Y, 'w', 'Y'}}}}, // back
    {Axis::Y, -1, {{{Axis::X, 'g', 'B'}, {Axis::X, 'G', 'b'}, {Axis::Z, 'R', 'o'}, {Axis::Z, 'r', 'O'}}}}, // top
    {Axis::Y, +1, {{{Axis::X, 'g', 'B'}, {Axis::X, 'G', 'b'}, {Axis::Z, 'r', 'O'}, {Axis::Z, 'R', 'o'}}}}, // bottom
    {Axis::X, -1, {{{Axis::Z, 'R', 'o'}, {Axis::Z, 'r', 'O'}, {Axis::Y, 'w', 'Y'}, {Axis::Y, 'W', 'y'}}}}, // left
    {Axis::X, +1, {{{Axis::Z, 'r', 'O'}, {Axis::Z, 'R', 'o'}, {Axis::Y, 'w', 'Y'}, {Axis::Y, 'W', 'y'}}}}, // right
}};
// clang-format on

bool holds(const FaceDrags& face, const QVector3D& piece, const QVector3D& offset)
{
    const int axis = int(face.axis);
    return piece[axis] == float(3 * face.side) &&
           std::abs(offset[axis] - float(face.side) * cube::kStickOffset) <= cube::kPlacementTolerance;
}

// The ray's direction scaled to unit depth along the sticker's normal. Moving along the sticker's own X
// then changes only the X reading, however obliquely the sticker is seen (the components of the unit
// direction would both change, and the vertical test would win). The visible side faces the sticker's
// own -Z, so a ray that hits it has a positive Z; a grazing ray gives no reading.
std::optional<QPointF> planeReading(const QVector3D& rayDir)
{
    constexpr float kGrazing = 1e-4f;
    if (rayDir.z() <= kGrazing)
        return std::nullopt;
    return QPointF(rayDir.x() / rayDir.z(), rayDir.y() / rayDir.z());
}

} // namespace

const char* toString(TDirection direction)
{
    static constexpr const char* names[] = {"DiNone", "DiLeft", "DiRight", "DiTop", "DiBottom"};
    const auto i = std::size_t(direction);
    return i < std::size(names) ? names[i] : "TDirection(?)";
}

std::ostream& operator<<(std::ostream& out, TDirection direction)
{
    return out << toString(direction);
}

void TStickDrag::StickMouseDown(platform::SceneObject&, const platform::PointerEvent& event)
{
    const std::optional<QPointF> reading = planeReading(event.rayDir);
    if (m_host.mvtAuto() || !reading)
        return;
    ClickXR = float(reading->x());
    ClickYR = float(reading->y());
    MvtOn = true;
}

void TStickDrag::StickCornerMouseMove(platform::SceneObject& Sender, const platform::PointerEvent& event)
{
    const std::optional<QPointF> reading = planeReading(event.rayDir);
    if (!MvtOn || !event.buttons.testFlag(Qt::LeftButton) || !reading)
        return;
    const float rayX = float(reading->x());
    const float rayY = float(reading->y());
    Direction = D::DiNone;
    if (ClickXR - rayX > kThreshold)
        Direction = D::DiLeft;
    if (rayX - ClickXR > kThreshold)
        Direction = D::DiRight;
    if (ClickYR - rayY > kThreshold)
        Direction = D::DiTop;
    if (rayY - ClickYR > kThreshold)
        Direction = D::DiBottom;
    if (Direction == D::DiNone)
        return;

    m_host.clearPatternSelection();
    const platform::SceneObject* piece = Sender.parent();
    if (!piece)
        return;
    const QVector3D p = piece->position();
    const QVector3D rounded(std::round(p.x()), std::round(p.y()), std::round(p.z()));
    MvtOn = false;
    ClickXR = rayX;
    ClickYR = rayY;

    RotatePlan(rounded, Sender.position(), Direction);
}

void TStickDrag::StickCornerMouseUp(platform::SceneObject&, const platform::PointerEvent&)
{
    MvtOn = false;
}

void TStickDrag::RotatePlan(const QVector3D& Pos, const QVector3D& Offset, TDirection TheDirection)
{
    if (const std::optional<char> letter = dragLetter(Pos, Offset, TheDirection))
        m_host.rotate(*letter);
}

std::optional<char> dragLetter(const QVector3D& piece, const QVector3D& offset, TDirection direction)
{
    const auto column = std::find(kColumns.begin(), kColumns.end(), direction);
    if (column == kColumns.end())
        return std::nullopt;
    for (const FaceDrags& face : kFaces) {
        if (!holds(face, piece, offset))
            continue;
        const DragTurn& turn = face.turns[std::size_t(column - kColumns.begin())];
        return piece[int(turn.deciding)] == -3.0f ? turn.atMinus3 : turn.atPlus3;
    }
    return std::nullopt;
}

} // namespace velmar::input
