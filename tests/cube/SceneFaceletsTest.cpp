// The position read from the scene in the solver's facelet order, against the reference model.
#include "cube/SceneFacelets.h"
#include "engine/FaceTurns.h"

#include "support/ManualClock.h"
#include "support/ReferenceCube.h"

#include <gtest/gtest.h>

#include <random>

using namespace velmar;
using testkit::Colour;
using testkit::Facelet;
using testkit::ReferenceCube;

namespace {

// Facelet `index` of the solver's order in the model's frame (x right, y up, z towards the viewer),
// written out from the usual unfolded layout: U above F with B at its top, D below F with F at its top,
// R F L B each seen from outside with U at the top.
Facelet modelFacelet(int index)
{
    const int face = index / 9, row = index % 9 / 3, col = index % 3;
    switch (face) {
    case 0:
        return {{col - 1, 1, row - 1}, {0, 1, 0}}; // U
    case 1:
        return {{1, 1 - row, 1 - col}, {1, 0, 0}}; // R
    case 2:
        return {{col - 1, 1 - row, 1}, {0, 0, 1}}; // F
    case 3:
        return {{col - 1, -1, 1 - row}, {0, -1, 0}}; // D
    case 4:
        return {{-1, 1 - row, col - 1}, {-1, 0, 0}}; // L
    default:
        return {{1 - col, 1 - row, -1}, {0, 0, -1}}; // B
    }
}

Colour colourOf(solver::Face face)
{
    constexpr Colour byFace[] = {Colour::White,  Colour::Blue,  Colour::Red,
                                 Colour::Yellow, Colour::Green, Colour::Orange};
    return byFace[int(face)];
}

TEST(SceneFacelets, ReadsEveryFaceletAsTheModelHasItAfterRandomTurns)
{
    testkit::SteppingClockScope clock{0.5};
    platform::Scene scene;
    cube::TCubeScene cube{scene};
    engine::TFaceTurns turns{scene, cube};
    std::mt19937 random(17);
    const std::string alphabet = "rRgGwWoObByY";
    ReferenceCube model;
    for (int round = 0; round < 20; ++round) {
        const solver::Facelets read = cube::readFacelets(cube);
        for (int i = 0; i < 54; ++i)
            ASSERT_EQ(colourOf(read[std::size_t(i)]), model.colourAt(modelFacelet(i)))
                << "facelet " << i << ", round " << round;
        const char letter = alphabet[random() % alphabet.size()];
        turns.Rotate(*engine::moveOfLetter(letter));
        model.play({letter});
    }
}

} // namespace
