// Numbers that describe parts of a position, small enough to index tables. Phase 1 uses the corner twist,
// the edge flip and where the four middle-slice edges are; phase 2 (inside the group of U, D and the half
// turns of the other faces) the order of the corners, of the eight U and D edges and of the slice edges.
#pragma once

#include "Cubies.h"

namespace velmar::solver {

constexpr int twistCount = 2187;        // 3^7
constexpr int flipCount = 2048;         // 2^11
constexpr int sliceCount = 495;         // 12 choose 4
constexpr int cornerOrderCount = 40320; // 8!
constexpr int edgeOrderCount = 40320;   // 8!
constexpr int sliceOrderCount = 24;     // 4!

int twistOf(const Cubies& c);
int flipOf(const Cubies& c);
int sliceOf(const Cubies& c);
int cornerOrderOf(const Cubies& c);
int edgeOrderOf(const Cubies& c);  // the U and D edges, meaningful when they are all in the U and D layers
int sliceOrderOf(const Cubies& c); // meaningful when the slice edges are all in the slice

// A position with the given coordinate and everything else solved (or, for the slice, in some order).
Cubies withTwist(int twist);
Cubies withFlip(int flip);
Cubies withSlice(int slice);
Cubies withCornerOrder(int order);
Cubies withEdgeOrder(int order);
Cubies withSliceOrder(int order);

// The slice coordinate of the solved cube (the others are 0 there).
extern const int solvedSlice;

} // namespace velmar::solver
