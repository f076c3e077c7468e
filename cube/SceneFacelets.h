// Reads the puzzle's position from the scene in the solver's terms: the 48 stickers' places as 54
// facelets (the six centres never move).
#pragma once

#include "CubeScene.h"

#include "cube/solver/Solver.h"

namespace velmar::cube {

// Only valid between turns, when every piece is a child of the root.
solver::Facelets readFacelets(const TCubeScene& cube);

} // namespace velmar::cube
