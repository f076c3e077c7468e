// The solver against the independent reference cube: its sticker model, its solutions and its refusals.
#include "ReferenceFacelets.h"

#include "cube/solver/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>

using namespace velmar;
using solver::Face;

#ifndef VELMAR_SOLVER_POSITIONS
#define VELMAR_SOLVER_POSITIONS 1000
#endif

namespace {

constexpr char moveLetters[] = "RrOoWwYyGgBb";

std::string randomLetters(std::mt19937& random, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += moveLetters[random() % 12];
    return s;
}

testkit::ReferenceCube played(const std::string& letters)
{
    testkit::ReferenceCube cube;
    cube.play(letters);
    return cube;
}

struct StickerRow {
    const char* letters;
    int facelet;
    Face expected;
};

// Worked by hand: W turns the top clockwise seen from above, so the front's top row comes from the right;
// B then lifts the front's right column onto the top and the top's right column onto the back.
constexpr StickerRow handWorked[] = {
    {"W", 18, Face::R}, {"W", 20, Face::R}, {"W", 9, Face::B},  {"W", 36, Face::F},  {"w", 18, Face::L},
    {"B", 2, Face::F},  {"B", 8, Face::F},  {"B", 45, Face::U}, {"B", 20, Face::D},  {"R", 6, Face::L},
    {"R", 9, Face::U},  {"WB", 2, Face::R}, {"WB", 8, Face::F}, {"WB", 11, Face::B}, {"WB", 9, Face::R},
    {"Y", 24, Face::L}, {"G", 0, Face::B},  {"O", 0, Face::R},
};

TEST(SolverStickers, TurnsMatchHandWorkedStickersAndTheReferenceCube)
{
    for (const StickerRow& row : handWorked) {
        EXPECT_EQ(testkit::faceletsOf(played(row.letters))[row.facelet], row.expected)
            << row.letters << " facelet " << row.facelet << " (reference)";
        EXPECT_EQ(solver::applyMoves(solver::solvedFacelets(), row.letters)[row.facelet], row.expected)
            << row.letters << " facelet " << row.facelet;
    }
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        const std::string letters = randomLetters(random, 1 + i % 40) + "x ";
        ASSERT_EQ(solver::applyMoves(solver::solvedFacelets(), letters), testkit::faceletsOf(played(letters)))
            << letters;
    }
}

TEST(SolverSolve, SolvesRandomPositionsWithinTheLengthGoals)
{
    constexpr int count = VELMAR_SOLVER_POSITIONS;
    std::vector<std::string> scrambles;
    std::mt19937 random(2024);
    for (int i = 0; i < count; ++i)
        scrambles.push_back(randomLetters(random, 60 + i % 2)); // both parities
    // Stop at the first solution that meets the median goal (26 quarter turns, 25 for the odd positions),
    // to keep the run short; the bounds asserted are the goals themselves. No clock, so the run is the
    // same under load. Two threads, which also share the first build of the tables.
    solver::SolveLimits limits;
    limits.goodEnough = 25;
    limits.ceiling = std::chrono::milliseconds(0);
    std::vector<solver::SolveResult> results(count);
    auto solveEvery = [&](int first) {
        for (int i = first; i < count; i += 2)
            results[i] = solver::solve(testkit::faceletsOf(played(scrambles[i])), limits);
    };
    std::thread other(solveEvery, 1);
    solveEvery(0);
    other.join();
    EXPECT_TRUE(solver::tablesReady());

    std::vector<std::size_t> lengths;
    for (int i = 0; i < count; ++i) {
        const solver::SolveResult& r = results[i];
        ASSERT_TRUE(r.ok()) << r.error;
        ASSERT_TRUE(played(scrambles[i] + r.moves).isSolved()) << scrambles[i] << " then " << r.moves;
        EXPECT_LE(r.moves.size(), 30u) << scrambles[i];
        lengths.push_back(r.moves.size());
    }
    std::nth_element(lengths.begin(), lengths.begin() + count / 2, lengths.end());
    EXPECT_LE(lengths[count / 2], 26u);
    EXPECT_TRUE(solver::solve(solver::solvedFacelets()).moves.empty());
}

struct ImpossibleRow {
    const char* what;
    // Facelets to set: {index, face}, on a solved cube.
    std::vector<std::pair<int, Face>> stickers;
    const char* message;
};

TEST(SolverSolve, RefusesImpossibleArrangementsSayingWhy)
{
    const ImpossibleRow rows[] = {
        // The URF corner's stickers (U9, R1, F3) turned one step round.
        {"twisted corner", {{8, Face::F}, {9, Face::U}, {20, Face::R}}, "a corner is twisted"},
        // The UF edge's stickers (U8, F2) exchanged.
        {"flipped edge", {{7, Face::F}, {19, Face::U}}, "an edge is flipped"},
        // The UF and UR edges (U8 F2, U6 R2) exchanged.
        {"swapped pair", {{19, Face::R}, {10, Face::F}}, "two pieces are swapped"},
        // The white of URF and the yellow of DFR exchanged: each corner now its own mirror image.
        {"mirrored corner", {{8, Face::D}, {29, Face::U}}, "a corner has colours that no corner has"},
        {"miscounted colours", {{0, Face::R}}, "it has 8 white stickers where every colour has 9"},
    };
    for (const ImpossibleRow& row : rows) {
        solver::Facelets plain = solver::solvedFacelets();
        for (auto [index, face] : row.stickers)
            plain[index] = face;
        // The same fault after some turns, so it is found wherever the piece is.
        const solver::Facelets turned = solver::applyMoves(plain, "RWbgOy");
        for (const solver::Facelets& c : {plain, turned}) {
            const solver::SolveResult r = solver::solve(c);
            EXPECT_FALSE(r.ok()) << row.what;
            EXPECT_EQ(r.error, std::string("This cube cannot be solved: ") + row.message + ".") << row.what;
            EXPECT_TRUE(r.moves.empty());
        }
    }
}

} // namespace
