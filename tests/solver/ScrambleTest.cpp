// Random-state scrambles, read on the reference cube: valid letters, reproducible, and positions spread
// as uniformly random ones are.
#include "support/ReferenceCube.h"

#include "cube/solver/Solver.h"

#include <gtest/gtest.h>

#include <set>

using namespace velmar;
using testkit::Colour;
using testkit::ReferenceCube;

namespace {

bool isUpOrDown(Colour c)
{
    return c == Colour::White || c == Colour::Yellow;
}

// Which of the URF corner place's stickers (top, right, front: clockwise) shows the piece's top or bottom
// colour.
int twistAtUpRightFront(const ReferenceCube& cube)
{
    const testkit::IVec cell{1, 1, 1};
    const testkit::IVec normals[3] = {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}};
    for (int k = 0; k < 3; ++k)
        if (isUpOrDown(cube.colourAt({cell, normals[k]})))
            return k;
    return -1;
}

// Whether the piece at the UF edge place is flipped: its top or bottom colour, or for a middle-slice
// piece its front or back colour, is not on the place's top sticker.
int flipAtUpFront(const ReferenceCube& cube)
{
    const Colour top = cube.colourAt({{0, 1, 1}, {0, 1, 0}});
    const Colour front = cube.colourAt({{0, 1, 1}, {0, 0, 1}});
    if (isUpOrDown(top))
        return 0;
    if (isUpOrDown(front))
        return 1;
    return top == Colour::Red || top == Colour::Orange ? 0 : 1;
}

TEST(SolverScramble, ReproducibleValidLettersSpreadLikeRandomPositions)
{
    constexpr int count = 240;
    int twists[3] = {}, flips[2] = {}, oddPositions = 0;
    std::set<std::string> distinct;
    for (int seed = 0; seed < count; ++seed) {
        const std::string letters = solver::randomStateScramble(std::uint64_t(seed));
        ASSERT_GE(letters.size(), 20u) << seed;
        ASSERT_EQ(letters.find_first_not_of("RrOoWwYyGgBb"), std::string::npos) << letters;
        distinct.insert(letters);
        ReferenceCube cube;
        cube.play(letters);
        ASSERT_FALSE(cube.isSolved());
        ++twists[twistAtUpRightFront(cube)];
        ++flips[flipAtUpFront(cube)];
        // Each quarter turn is an odd permutation of the corners, so the letter count's parity is the
        // position's permutation parity.
        oddPositions += letters.size() % 2;
    }
    EXPECT_EQ(solver::randomStateScramble(17), solver::randomStateScramble(17));
    EXPECT_EQ(distinct.size(), std::size_t(count));
    // A uniform position twists a given corner each way a third of the time, flips a given edge and has
    // odd parity half of the time. Bounds of about four standard deviations.
    for (int t : twists)
        EXPECT_NEAR(t, count / 3, 30) << twists[0] << " " << twists[1] << " " << twists[2];
    EXPECT_NEAR(flips[0], count / 2, 31);
    EXPECT_NEAR(oddPositions, count / 2, 31);
}

} // namespace
