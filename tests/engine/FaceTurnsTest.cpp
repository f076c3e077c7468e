// Animated face turns, and the turns asked for during a turn, checked against the independent
// reference model.
#include "cube/StartPosition.h"
#include "engine/Puzzle.h"

#include "support/ManualClock.h"
#include "support/ReferenceCube.h"
#include "support/SceneReading.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>

#include <random>

using namespace velmar;
using velmar::testkit::ReferenceCube;
using P = cube::TStickPosition;

namespace {

class FaceTurns : public ::testing::Test {
protected:
    void useEveryTurnDuration(float seconds)
    {
        for (platform::FloatAnimation* turn : cube.turns)
            turn->setDuration(seconds);
    }
    void play(const std::string& letters)
    {
        for (char c : letters)
            puzzle.turn(c);
    }
    platform::Box& piece(const char* name) { return scene.get<platform::Box>(name); }
    platform::Plane& sticker(const char* name) { return scene.get<platform::Plane>(name); }

    velmar::testkit::SteppingClockScope clock{0.05};
    platform::Scene scene;
    cube::TCubeScene cube{scene};
    engine::Puzzle puzzle{scene, cube};
};

TEST_F(FaceTurns, ReferenceModelSanity)
{
    // Classic facts of the puzzle, so the oracle itself can be trusted.
    ReferenceCube m;
    m.play("BWbw");
    EXPECT_FALSE(m.isSolved());
    for (int i = 1; i < 6; ++i)
        m.play("BWbw");
    EXPECT_TRUE(m.isSolved()) << "(R U R' U') has order 6";
    ReferenceCube n;
    int order = 0;
    do {
        n.play("BW");
        ++order;
    } while (!n.isSolved());
    EXPECT_EQ(order, 105) << "(R U) has order 105";
}

TEST_F(FaceTurns, EveryLetterMatchesTheModelAndRestsCleanly)
{
    for (char letter : std::string("rRgGwWoObByY")) {
        ReferenceCube model;
        puzzle.turn(letter);
        model.play({letter});
        EXPECT_EQ(testkit::compareWithModel(cube, model), "") << "after " << letter;
        EXPECT_EQ(testkit::checkAtRest(cube), "") << "after " << letter;
        puzzle.turn(char(std::islower(letter) ? std::toupper(letter) : std::tolower(letter)));
        EXPECT_EQ(testkit::compareWithModel(cube, ReferenceCube()), "") << "undoing " << letter;
    }
}

TEST_F(FaceTurns, RandomStringsAgreeWithTheModel)
{
    useEveryTurnDuration(0.2f);
    std::mt19937 rng(20261209);
    const std::string alphabet = "rRgGwWoObByY";
    const std::string noise = "xF1 Z\t?Rb";
    ReferenceCube model;
    for (int round = 0; round < 400; ++round) {
        std::string letters;
        const int length = 1 + int(rng() % 12);
        for (int i = 0; i < length; ++i)
            letters += rng() % 5 == 0 ? noise[rng() % noise.size()] : alphabet[rng() % alphabet.size()];
        play(letters);
        model.play(letters);
        const std::string diff = testkit::compareWithModel(cube, model);
        ASSERT_EQ(diff, "") << "round " << round << " after \"" << letters << "\"";
        ASSERT_EQ(testkit::checkAtRest(cube), "") << "round " << round;
    }
}

TEST_F(FaceTurns, FaceTurnedFourTimesOrUndoneRestoresTheScene)
{
    play("RRRR");
    EXPECT_TRUE(testkit::compareWithModel(cube, ReferenceCube()).empty());
    play("Rr");
    for (const cube::PieceDecl& decl : cube::pieceTable()) {
        EXPECT_NEAR((piece(decl.name).position() - decl.home).length(), 0, 1e-4) << decl.name;
        for (platform::SceneObject* s : piece(decl.name).children())
            EXPECT_EQ(cube::GetStickPosition(*s), cube::homeFaceOfLetter(s->name().back().toLatin1()));
    }
}

TEST_F(FaceTurns, RightTurnCarriesTheFrontRightEdgeToTheTop)
{
    puzzle.turn('B');
    const QVector3D p = piece("CA3").position();
    EXPECT_EQ(p.x(), 3.0f) << "the axis coordinate is snapped exactly";
    EXPECT_NEAR(p.y(), -3, 1e-4);
    EXPECT_NEAR(p.z(), 0, 1e-4);
    EXPECT_EQ(cube::GetStickPosition(sticker("PLCA3R")), P::PoTop);
    EXPECT_EQ(cube::GetStickPosition(sticker("PLCA3B")), P::PoRight);
}

TEST_F(FaceTurns, GathersExactlyTheLayerUnderThePivotDuringTheTurn)
{
    const platform::Box& red = *cube.pivots[size_t(P::PoFront)];
    std::size_t fewest = 99, most = 0;
    bool idleWhileTurning = false;
    QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &scene, [&] {
        if (!cube.turns[size_t(P::PoFront)]->running())
            return;
        fewest = std::min(fewest, red.children().size());
        most = std::max(most, red.children().size());
        idleWhileTurning |= !puzzle.isBusy();
    });
    puzzle.turn('R');
    EXPECT_EQ(fewest, 8u);
    EXPECT_EQ(most, 8u);
    EXPECT_FALSE(idleWhileTurning) << "busy during a turn";
    EXPECT_FALSE(puzzle.isBusy());
    EXPECT_EQ(red.rotationAngle().z(), 90) << "left at the stop value";
    EXPECT_TRUE(red.children().empty());
}

TEST_F(FaceTurns, OtherCharactersTurnNothing)
{
    for (char c : std::string("xX0 9\n\x01\xff") + '\0')
        puzzle.turn(c);
    EXPECT_FALSE(puzzle.isBusy());
    EXPECT_FALSE(platform::AnimationDriver::shared().isActive());
    EXPECT_EQ(testkit::compareWithModel(cube, ReferenceCube()), "");
}

class EveryCurve : public FaceTurns, public ::testing::WithParamInterface<int> {};

TEST_P(EveryCurve, TurnEndsExactlyOnTheQuarterTurn)
{
    const auto curve = platform::Interpolation(GetParam());
    float lowest = 1e9f, highest = -1e9f;
    platform::FloatAnimation& white = *cube.turns[size_t(P::PoTop)];
    white.setInterpolation(curve);
    platform::Box& pivot = *cube.pivots[size_t(P::PoTop)];
    QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &scene, [&] {
        if (white.running()) {
            lowest = std::min(lowest, pivot.rotationAngle().y());
            highest = std::max(highest, pivot.rotationAngle().y());
        }
    });
    puzzle.turn('W');
    EXPECT_EQ(pivot.rotationAngle().y(), 90.0f);
    EXPECT_TRUE(testkit::compareWithModel(cube,
                                          [] {
                                              ReferenceCube m;
                                              m.play("W");
                                              return m;
                                          }())
                    .empty());
    if (curve == platform::Interpolation::Back || curve == platform::Interpolation::Elastic)
        EXPECT_GT(highest, 90.5f) << "swings past the quarter turn";
    else
        EXPECT_LE(highest, 90.0f);
    EXPECT_GE(lowest,
              curve == platform::Interpolation::Back || curve == platform::Interpolation::Elastic ? -45.0f : 0.0f);
}

INSTANTIATE_TEST_SUITE_P(AllCurves, EveryCurve, ::testing::Range(0, platform::kInterpolationCount));

TEST_F(FaceTurns, MovesRequestedDuringATurnAreQueuedAndPlayedInOrder)
{
    ReferenceCube model;
    std::string requested = "RRRRbwGyoOR";
    int fed = 0;
    // Requests arrive from inside the running turn's wait, as key handlers do.
    auto feeder =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &scene, [&] {
            if (fed < int(requested.size()) && puzzle.isTurning())
                puzzle.turn(requested[fed++]);
        });
    puzzle.turn('W');
    QObject::disconnect(feeder);
    model.play("W" + requested);
    EXPECT_EQ(fed, int(requested.size()));
    EXPECT_EQ(puzzle.pendingCount(), 0u);
    EXPECT_EQ(testkit::compareWithModel(cube, model), "");
    EXPECT_EQ(testkit::checkAtRest(cube), "");
}

TEST_F(FaceTurns, ATurnStartedFromAnotherAnimationsFinishRunsToItsEnd)
{
    // Only a safety net for a broken driver: the nested wait ends after a handful of loop passes.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(20000);
    platform::FloatAnimation fade("fade", [](float) {});
    fade.setStopValue(1);
    fade.setDuration(0.2f);
    bool returned = false;
    fade.onFinish = [&](platform::FloatAnimation&) {
        puzzle.turn('R');
        returned = true;
    };
    fade.start();
    ASSERT_TRUE(testkit::pumpUntil([&] { return returned; }));
    ReferenceCube model;
    model.play("R");
    EXPECT_EQ(testkit::compareWithModel(cube, model), "");
    EXPECT_EQ(testkit::checkAtRest(cube), "");
}

TEST_F(FaceTurns, TheStartPositionUndoesAnyTurns)
{
    useEveryTurnDuration(0.1f);
    std::mt19937 random(1234);
    const std::string alphabet = "rRgGwWoObByY";
    for (int i = 0; i < 40; ++i)
        puzzle.turn(alphabet[random() % alphabet.size()]);
    ASSERT_NE(testkit::compareWithModel(cube, ReferenceCube()), "");
    cube::SortVelmar(cube);
    EXPECT_EQ(testkit::compareWithModel(cube, ReferenceCube()), "");
    EXPECT_EQ(testkit::checkAtRest(cube), "");
    // Exactly as declared, not merely close: home positions and the exact placements.
    const std::map<std::string, QVector3D> homes = {
        {"CC1", {-3, -3, -3}}, {"CC7", {3, 3, 3}}, {"CA3", {3, 0, -3}}, {"CA12", {0, 3, 3}}};
    for (const auto& [name, home] : homes)
        EXPECT_EQ(piece(name.c_str()).position(), home) << name;
    EXPECT_EQ(sticker("PLCA3B").position(), QVector3D(1.51f, 0, 0));
    EXPECT_EQ(sticker("PLCC5O").position(), QVector3D(0, 0, 1.51f));
    EXPECT_EQ(sticker("PLCC5O").rotationAngle(), QVector3D(180, 0, 0));
    EXPECT_EQ(sticker("PLCA12J").rotationAngle(), QVector3D(90, 0, 0));
}

TEST_F(FaceTurns, TheQueueIsBounded)
{
    useEveryTurnDuration(0.1f);
    const std::string alphabet = "rRgGwWoObByY";
    std::string offered;
    auto feeder =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &scene, [&] {
            while (offered.size() < 200 && puzzle.isTurning()) {
                offered += alphabet[offered.size() * 7 % alphabet.size()];
                puzzle.turn(offered.back());
            }
        });
    puzzle.turn('R');
    QObject::disconnect(feeder);
    ASSERT_EQ(offered.size(), 200u);
    ReferenceCube model;
    model.play("R" + offered.substr(0, engine::Puzzle::kMaxPending));
    EXPECT_EQ(testkit::compareWithModel(cube, model), "") << "one turn plus the bounded queue, the rest dropped";
}

} // namespace
