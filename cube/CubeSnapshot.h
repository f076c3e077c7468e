// The puzzle's whole state as the scene holds it, taken and put back between turns: where each piece
// sits and on which side of its piece each sticker sits (pieces themselves never rotate).
#pragma once

#include "CubeScene.h"

#include <array>

namespace velmar::cube {

struct CubeSnapshot {
    std::array<std::array<std::int8_t, 3>, 20> piecePlaces{}; // on the grid, in piece order
    std::array<TStickPosition, 48> stickerPlaces{};           // in sticker order
    bool operator==(const CubeSnapshot&) const = default;
};

// Only valid between turns, when every piece is a child of the root.
CubeSnapshot takeSnapshot(const TCubeScene& cube);
// Every piece at its home position, every sticker on its home face.
bool isSolved(const TCubeScene& cube);
// Puts every piece and sticker where the snapshot has it, at once.
void restoreSnapshot(TCubeScene& cube, const CubeSnapshot& snapshot);

} // namespace velmar::cube
