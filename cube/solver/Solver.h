// Temporary stand-in for the two-phase solver library: the interface only, so that the program builds
// against it; the real library replaces this folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmar::solver {

enum class Face : std::uint8_t { U, R, F, D, L, B }; // Up white, Right blue, Front red, Down yellow, Left green, Back orange

// 54 facelets: for each face in the order U R F D L B, its nine facelets row by row as seen from outside
// that face, U seen with B at the top edge, D seen with F at the top edge, R F L B seen with U at the top
// edge. Each value is the face whose centre colour that sticker has.
using Facelets = std::array<Face, 54>;
Facelets solvedFacelets();
// Move letters, the program's own: F=R/r, B=O/o, U=W/w, D=Y/y, L=G/g, R=B/b; upper case clockwise seen
// from outside that face. A half turn is two equal letters.
Facelets applyMoves(Facelets, std::string_view letters);

struct SolveResult {
    std::string moves;
    std::string error;
    bool ok() const { return error.empty(); }
};
void prepareTables(); // builds tables once, thread-safe, <= 1 s
bool tablesReady();
SolveResult solve(const Facelets& cube); // thread-safe; quarter-turn letters; error message for impossible arrangements
std::string randomStateScramble(std::uint64_t seed); // letters reaching a uniformly random position, >= 20 quarter turns

} // namespace velmar::solver
