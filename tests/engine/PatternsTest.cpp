// The pattern tables, and the puzzle's playback with its progress and busy state, against the
// reference model.
#include "engine/Patterns.h"
#include "engine/Puzzle.h"

#include "cube/StartPosition.h"

#include "support/ManualClock.h"
#include "support/ReferenceCube.h"
#include "support/SceneReading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace velmar;
using velmar::testkit::ReferenceCube;

namespace {

class Patterns : public ::testing::Test {
protected:
    void SetUp() override
    {
        puzzle.setTurnSeconds(0.1f);
        QObject::connect(&puzzle, &engine::Puzzle::progressChanged, &scene, [this](int value, int maximum) {
            progress.push_back({value, maximum});
        });
        QObject::connect(&puzzle, &engine::Puzzle::busyChanged, &scene,
                         [this](bool busy) { busyChanges.push_back(busy); });
    }
    bool settled()
    {
        return testkit::pumpUntil([&] { return !puzzle.hasWaitingPlayback() && !puzzle.isBusy(); });
    }

    velmar::testkit::SteppingClockScope clock{0.05};
    platform::Scene scene;
    cube::TCubeScene cube{scene};
    engine::Puzzle puzzle{scene, cube};
    std::vector<std::pair<int, int>> progress;
    std::vector<bool> busyChanges;
};

TEST(PatternTables, TheTwelvePatternsAndTheirListItems)
{
    const char* const items[] = {"Damier (12)",    "Barre (12)",         "2 Cubes (20)", "3 Cubes (20)",
                                 "Carré (8)",      "Damier coloré (21)", "Plus (22)",    "Bande (25)",
                                 "Diagonale (12)", "Angle (18)",         "L (16)",       "Tetris (16)"};
    const char* const strings[] = {
        "OORRWWYYGGBB", "RRGGOORRGGor",          "WWGGRRwOOYBrBrBryOOw",   "GGyRRyowoRByWBOGGOWW",
        "gBrOYwgB",     "OORRWWYYGGBBgBrOYwgFB", "RGGBBRROOWWGGBBRROOYYr", "rGGRRbyRRWRRBBRRYRRwbRRGG",
        "GBROGBROGBRO", "WGGRbGoRRBgYWWrGGw",    "OBBYRbGyoRyWgRRw",       "GBROGBROGBROWWYY"};
    for (int i = 0; i < engine::kPatternCount; ++i) {
        EXPECT_EQ(engine::patternItemText(i), QString::fromUtf8(items[i]));
        EXPECT_STREQ(engine::FUN_VALUES[std::size_t(i)], strings[i]);
    }
}

TEST_F(Patterns, PlaysEveryCharacterUnderTheProgressBusyThroughout)
{
    puzzle.playPattern(5); // "OORRWWYYGGBBgBrOYwgFB": 21 characters, 20 moves
    ASSERT_TRUE(settled());
    ReferenceCube model;
    model.play("OORRWWYYGGBBgBrOYwgFB");
    EXPECT_EQ(testkit::compareWithModel(cube, model), "");
    ASSERT_EQ(progress.size(), 22u) << "1, then raised once per character, then none";
    EXPECT_EQ(progress.front(), std::make_pair(1, 21));
    EXPECT_EQ(progress[20], std::make_pair(21, 21)) << "full after the 20th character, and kept there";
    EXPECT_EQ(progress.back(), std::make_pair(0, 0));
    EXPECT_EQ(busyChanges, std::vector<bool>({true, false})) << "busy from the first letter to the last";
}

TEST_F(Patterns, ARequestResetsTheCubeFirstAndRunsFromTheEventLoop)
{
    puzzle.turn('R');
    puzzle.turn('b');
    puzzle.playPattern(0);
    EXPECT_TRUE(puzzle.hasWaitingPlayback()) << "nothing plays inside the caller";
    ASSERT_TRUE(settled());
    ReferenceCube model;
    model.play("OORRWWYYGGBB");
    EXPECT_EQ(testkit::compareWithModel(cube, model), "") << "a checkerboard from the solved cube";
}

TEST_F(Patterns, ARequestWaitsForTheRunningTurnAndItsQueue)
{
    bool requested = false;
    auto during =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &scene, [&] {
            if (!requested && puzzle.isTurning()) {
                requested = true;
                puzzle.turn('G'); // queued behind the running turn
                puzzle.playPattern(8);
            }
        });
    puzzle.turn('W');
    QObject::disconnect(during);
    ASSERT_TRUE(settled());
    ReferenceCube model;
    model.play("GBROGBROGBRO");
    EXPECT_EQ(testkit::compareWithModel(cube, model), "") << "the queued turn landed, then the reset and the pattern";
    EXPECT_EQ(progress.front(), std::make_pair(1, 12));
}

TEST_F(Patterns, DuringAPlaybackItsLettersAreTheOnlyMovesAndCommandsAreRefused)
{
    QStringList refusals;
    QObject::connect(&puzzle, &engine::Puzzle::refused, &scene, [&](const QString& why) { refusals << why; });
    bool offered = false;
    auto feeder =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &scene, [&] {
            if (!offered && puzzle.isPlayingBack()) {
                offered = true;
                puzzle.turn('B');
                puzzle.undo();
                puzzle.scramble();
                puzzle.solve();
                puzzle.playPattern(1);
                EXPECT_FALSE(puzzle.resetToStart());
            }
        });
    puzzle.playPattern(0);
    ASSERT_TRUE(settled());
    QObject::disconnect(feeder);
    ASSERT_TRUE(offered);
    ReferenceCube model;
    model.play("OORRWWYYGGBB");
    EXPECT_EQ(testkit::compareWithModel(cube, model), "");
    EXPECT_EQ(refusals.size(), 4) << refusals.join(QLatin1String("; ")).toStdString();
    EXPECT_EQ(refusals.value(0), QStringLiteral("Not now: a pattern is playing"));
}

TEST_F(Patterns, NothingStartsAfterClosing)
{
    puzzle.playPattern(0);
    puzzle.close();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(puzzle.hasWaitingPlayback());
    EXPECT_EQ(testkit::compareWithModel(cube, ReferenceCube()), "");
}

TEST_F(Patterns, AStartQueuedWhenThePuzzleGoesIsDropped)
{
    {
        platform::Scene other;
        cube::TCubeScene otherCube{other};
        engine::Puzzle leaving{other, otherCube};
        leaving.playPattern(0);
    }
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(); // under AddressSanitizer a start on the gone puzzle would fail here
    EXPECT_EQ(testkit::compareWithModel(cube, ReferenceCube()), "");
}

TEST_F(Patterns, EveryPatternEndsAsTheModelFedItsString)
{
    for (int i = 0; i < engine::kPatternCount; ++i) {
        puzzle.playPattern(i);
        ASSERT_TRUE(settled());
        ReferenceCube model;
        model.play(engine::FUN_VALUES[std::size_t(i)]);
        EXPECT_EQ(testkit::compareWithModel(cube, model), "") << engine::FUN_LABELS[std::size_t(i)];
        EXPECT_EQ(testkit::checkAtRest(cube), "");
    }
}

} // namespace
