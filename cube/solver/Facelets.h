// The sticker side of the cube: where each facelet lies, turning a face, and reading the pieces from the
// stickers (with the checks that tell an arrangement no turning can solve).
#pragma once

#include "Cubies.h"
#include "Solver.h"

#include <string>

namespace velmar::solver {

Facelets turnFace(const Facelets& cube, Face face, int quarterTurns);

// The whole cube turned a clockwise quarter turn about the axis through `axis`'s centre, its colours
// renamed after the faces they are now on: solving this solves the original with each face renamed by
// turnedFace's inverse.
Facelets turnWhole(const Facelets& cube, Face axis);
Face turnedFace(Face face, Face axis);

struct Reading {
    Cubies cubies;
    std::string error; // empty when the stickers make a solvable cube
};
Reading readCubies(const Facelets& cube);
Facelets toFacelets(const Cubies& cubies);

} // namespace velmar::solver
