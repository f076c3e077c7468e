// The pattern tables, and playback with its progress bar, against the reference model.
#include "engine/Patterns.h"

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

// A window stand-in: one MvtAuto shared by the turn engine and playback, and a progress bar that keeps
// its value within its range.
class RecordingHost : public engine::TurnHost, public engine::PatternHost {
public:
    void setCommandEnabled(bool enabled) override
    {
        commandEnabled = enabled;
        if (enabled && mvtAuto_)
            enabledDuringPattern = true;
    }
    bool mvtAuto() const override { return mvtAuto_; }
    void setMvtAuto(bool playing) override { mvtAuto_ = playing; }
    void setProgressValue(int value) override
    {
        value_ = std::clamp(value, 0, maximum_);
        values.push_back(value_);
        ++raised;
    }
    int progressValue() const override { return value_; }
    void setProgressMaximum(int maximum) override
    {
        maximum_ = maximum;
        value_ = std::min(value_, maximum_);
    }
    void setProgressVisible(bool visible) override { this->visible = visible; }
    void SortVelmar() override { cube::SortVelmar(*cube); }
    cube::TCubeScene* cube = nullptr;

    bool commandEnabled = true;
    bool enabledDuringPattern = false;
    bool visible = false;
    bool mvtAuto_ = false;
    int value_ = 0;
    int maximum_ = 100;
    int raised = 0;
    std::vector<int> values;
};

class Patterns : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.cube = &cube;
        for (platform::FloatAnimation* turn : cube.turns)
            turn->setDuration(0.1f);
    }
    velmar::testkit::SteppingClockScope clock{0.05};
    platform::Scene scene;
    cube::TCubeScene cube{scene};
    RecordingHost host;
    engine::TFaceTurns turns{scene, cube, host};
    engine::TPatternPlayer player{turns, host};
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

TEST_F(Patterns, PlaysEveryLetterUnderAFullProgressBarWithThePanelDisabledThroughout)
{
    player.PlayMvt(QByteArray("OORRWWYYGGBBgBrOYwgFB")); // 21 characters, 20 moves
    ReferenceCube model;
    model.play("OORRWWYYGGBBgBrOYwgFB");
    EXPECT_EQ(testkit::compareWithModel(cube, model), "");
    ASSERT_EQ(host.values.size(), 22u) << "set to 1, then raised once per character";
    EXPECT_EQ(host.values.front(), 1);
    EXPECT_EQ(host.values[20], 21) << "full after the 20th character";
    EXPECT_EQ(host.values.back(), 21) << "and kept within its range after the last";
    EXPECT_FALSE(host.enabledDuringPattern);
    EXPECT_TRUE(host.commandEnabled);
    EXPECT_FALSE(host.visible);
    EXPECT_FALSE(host.mvtAuto_);
}

TEST_F(Patterns, ARequestResetsTheCubeFirstAndRunsFromTheEventLoop)
{
    turns.Rotate('R');
    turns.Rotate('b');
    player.request(0);
    EXPECT_TRUE(player.hasPendingRequest()) << "nothing plays inside the caller";
    ASSERT_TRUE(testkit::pumpUntil([&] { return !player.hasPendingRequest() && !player.isPlaying(); }));
    ReferenceCube model;
    model.play("OORRWWYYGGBB");
    EXPECT_EQ(testkit::compareWithModel(cube, model), "") << "a checkerboard from the solved cube";
}

TEST_F(Patterns, ARequestWaitsForTheRunningTurnAndItsQueue)
{
    bool requested = false;
    auto during =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &scene, [&] {
            if (!requested && turns.isTurning()) {
                requested = true;
                turns.Rotate('G'); // queued behind the running turn
                player.request(8);
            }
        });
    turns.Rotate('W');
    QObject::disconnect(during);
    ASSERT_TRUE(testkit::pumpUntil([&] { return !player.hasPendingRequest() && !player.isPlaying(); }));
    ReferenceCube model;
    model.play("GBROGBROGBRO");
    EXPECT_EQ(testkit::compareWithModel(cube, model), "") << "the queued turn landed, then the reset and the pattern";
    EXPECT_EQ(host.values.front(), 1);
}

TEST_F(Patterns, NothingStartsAfterTheWindowClosed)
{
    player.request(0);
    turns.abandonPending();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(player.hasPendingRequest());
    EXPECT_EQ(testkit::compareWithModel(cube, ReferenceCube()), "");
}

TEST_F(Patterns, AStartQueuedWhenThePlayerGoesIsDropped)
{
    {
        engine::TPatternPlayer leaving{turns, host};
        leaving.request(0);
    }
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(); // under AddressSanitizer a start on the gone player would fail here
    EXPECT_EQ(testkit::compareWithModel(cube, ReferenceCube()), "");
}

TEST_F(Patterns, EveryPatternEndsAsTheModelFedItsString)
{
    for (int i = 0; i < engine::kPatternCount; ++i) {
        player.request(i);
        ASSERT_TRUE(testkit::pumpUntil([&] { return !player.hasPendingRequest() && !player.isPlaying(); }));
        ReferenceCube model;
        model.play(engine::FUN_VALUES[std::size_t(i)]);
        EXPECT_EQ(testkit::compareWithModel(cube, model), "") << engine::FUN_LABELS[std::size_t(i)];
        EXPECT_EQ(testkit::checkAtRest(cube), "");
    }
}

} // namespace
