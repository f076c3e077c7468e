// The two-phase search in the quarter-turn metric: phase 1 turns the cube into the group of U, D and the
// half turns of the other faces, phase 2 solves it there, each by iterative deepening over the pruning
// tables. After the first solution it keeps looking for shorter ones until one is short enough or the
// budget is spent.
#pragma once

#include "Cubies.h"
#include "Solver.h"

#include <cstdint>
#include <vector>

namespace velmar::solver {

// The moves (0..17, see Cubies.h) of a shortest-found solution of `start`, which must be solvable.
std::vector<std::uint8_t> searchSolution(const Cubies& start, const SolveLimits& limits);

} // namespace velmar::solver
