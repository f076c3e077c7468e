// Solving the cube: a short solution for any arrangement of the stickers by the two-phase method, and
// random-state scrambles. Plain C++, no user interface; safe to call from any thread.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmar::solver {

// The six faces in the order the facelet string uses: Up (white), Right (blue), Front (red), Down (yellow),
// Left (green), Back (orange).
enum class Face : std::uint8_t { U, R, F, D, L, B };

// 54 facelets: for each face in the order U R F D L B, its nine facelets row by row as seen from outside
// that face, U seen with B at the top edge, D seen with F at the top edge, R F L B seen with U at the top
// edge. Each value is the face whose centre colour that sticker has.
using Facelets = std::array<Face, 54>;
Facelets solvedFacelets();

// Move letters, the program's own: F=R/r (red front), B=O/o (orange back), U=W/w (white top),
// D=Y/y (yellow bottom), L=G/g (green left), R=B/b (blue right); upper case a clockwise quarter turn as
// seen from outside that face, lower case anticlockwise. A half turn is written as two equal letters.
Facelets applyMoves(Facelets, std::string_view letters); // letters other than the twelve are ignored

struct SolveResult {
    std::string moves; // move letters, quarter turns only; empty when already solved
    std::string error; // empty on success; otherwise a short message for the user
    bool ok() const { return error.empty(); }
};

// Builds the move and pruning tables once (thread-safe: concurrent callers wait for the one build).
void prepareTables();
bool tablesReady();

// When the search stops improving its best solution; it always runs on to its first one (a few
// milliseconds). The defaults balance length against time: a median of 26 quarter turns in about 80 ms of
// CPU. Stopping at 24 rather than 25 leaves the median length at 26 but costs a third more time.
struct SolveLimits {
    int goodEnough = 25; // stop at once on a solution this short (or one longer when its parity cannot be met)
    std::uint64_t workBudget = 800'000;     // search nodes, then the best so far is taken
    std::chrono::milliseconds ceiling{400}; // wall-clock stop whatever the budget is (zero: none)
};

// Validates the arrangement, then searches. Thread-safe (may run off the user-interface thread); calls
// prepareTables().
SolveResult solve(const Facelets& cube);
SolveResult solve(const Facelets& cube, const SolveLimits& limits);

// A uniformly random reachable position, returned as the letters that reach it from solved (the inverse of
// its solution), at least 20 quarter turns. Deterministic for a given seed.
std::string randomStateScramble(std::uint64_t seed);

} // namespace velmar::solver
