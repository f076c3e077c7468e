// Puts the cube back into its solved, as-declared state without rebuilding anything: every piece at its
// home position, every sticker in the placement of its home face.
#pragma once

#include "CubeScene.h"

namespace velmar::cube {

// SortCubes, then SortSticks. Only valid between turns, when every piece is a child of the root.
void SortVelmar(TCubeScene& cube);
// CC1..CC8, then CA1..CA12, each to its home position.
void SortCubes(TCubeScene& cube);
// Identity orientation (angles 0), then position X, Y, Z in that order; the parent is not touched.
void SortCube(platform::SceneObject& TheCube, float Px, float Py, float Pz);
// Every sticker into the placement of the face its name ends with, front stickers first, then right,
// left, back, top and bottom.
void SortSticks(TCubeScene& cube);

} // namespace velmar::cube
