// The cube as pieces: which corner and edge sits in each place and how it is turned there. The
// coordinates, the move tables and the checks of a sticker arrangement are all computed from it.
#pragma once

#include <array>
#include <cstdint>

namespace velmar::solver {

// Places and pieces share their names. Corners: URF UFL ULB UBR DFR DLF DBL DRB. Edges: UR UF UL UB
// DR DF DL DB, then the four of the middle slice FR FL BL BR.
constexpr int cornerCount = 8;
constexpr int edgeCount = 12;
constexpr int firstSliceEdge = 8;

struct Cubies {
    std::array<std::uint8_t, cornerCount> corner; // the piece in each place
    std::array<std::uint8_t, cornerCount> twist;  // 0..2: which of the place's stickers shows the piece's U or D colour
    std::array<std::uint8_t, edgeCount> edge;
    std::array<std::uint8_t, edgeCount> flip; // 0..1

    static Cubies solved();
    // This position followed by `move` (a position read as the move that makes it from solved).
    Cubies then(const Cubies& move) const;
    // The position the reverse of its moves makes.
    Cubies inverse() const;
    bool operator==(const Cubies&) const = default;
};

// The eighteen face moves: face (in Face order U R F D L B) * 3 + quarter turns - 1.
constexpr int moveCount = 18;
inline int moveFace(int move)
{
    return move / 3;
}
inline int moveTurns(int move)
{
    return move % 3 + 1;
}
// Quarter turns a move counts: a half turn is two.
inline int moveCost(int move)
{
    return move % 3 == 1 ? 2 : 1;
}
const Cubies& moveCubies(int move);

// Even (0) or odd (1) permutation of the first `n` entries.
int permutationParity(const std::uint8_t* pieces, int n);

} // namespace velmar::solver
