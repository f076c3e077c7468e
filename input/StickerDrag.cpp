#include "StickerDrag.h"

#include "cube/StickPlacement.h"

#include <algorithm>
#include <array>
#include <cmath>

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

} // namespace

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
