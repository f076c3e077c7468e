// Colour animations on the shared driver, on a clock the test moves by hand.
#include "platform/scene/ColourAnimation.h"
#include "platform/scene/AnimationDriver.h"

#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace velmar::platform;

namespace {

QColor argb(QRgb value)
{
    return QColor::fromRgba(value);
}

// Failures read #AARRGGBB rather than QColor's internals.
testing::AssertionResult sameColour(const QColor& actual, QRgb expected)
{
    if (actual.isValid() && actual.rgba() == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << actual.name(QColor::HexArgb).toStdString() << ", expected "
                                       << argb(expected).name(QColor::HexArgb).toStdString();
}

struct MixRow {
    QRgb from;
    QRgb to;
    float t;
    QRgb expected;
};

// Expected values worked out by hand, channel by channel; x.5 goes up (away from zero).
const MixRow kMixRows[] = {
    // red 255..248 → 251.5 → 252, green and blue 0..156 → 78
    {0xFFFF0000, 0xFFF89C9C, 0.5f, 0xFFFC4E4E},
    {0xFFF89C9C, 0xFFFF0000, 0.5f, 0xFFFC4E4E},
    // alpha 130..255 → 192.5 → 193, red 0..165 → 82.5 → 83, green 90..217 → 153.5 → 154,
    // blue 204..255 → 229.5 → 230
    {0x82005ACC, 0xFFA5D9FF, 0.5f, 0xC1539AE6},
    {0xFFA5D9FF, 0x82005ACC, 0.5f, 0xC1539AE6},
    // a quarter of 0..255 is 63.75 → 64; of 255..0 it is 191.25 → 191
    {0x00FF00FF, 0xFF00FF00, 0.25f, 0x40BF40BF},
    // one step of 1 at the middle rounds up in both directions
    {0x01000100, 0x00010001, 0.5f, 0x01010101},
    {0xFFFF0000, 0xFFF89C9C, 0.0f, 0xFFFF0000},
    {0xFFFF0000, 0xFFF89C9C, 1.0f, 0xFFF89C9C},
};

class ColourMix : public testing::TestWithParam<MixRow> {};

TEST_P(ColourMix, EachChannelLinearlyRoundedToTheNearestInteger)
{
    const MixRow& row = GetParam();
    EXPECT_TRUE(sameColour(ColourAnimation::mix(argb(row.from), argb(row.to), row.t), row.expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, ColourMix, testing::ValuesIn(kMixRows));

class ColourAnimationRun : public testing::Test {
protected:
    void SetUp() override
    {
        anim.setStartColour(argb(0xFFFF0000));
        anim.setStopColour(argb(0xFFF89C9C));
        anim.setDuration(0.2f);
    }
    void TearDown() override { anim.stop(); }
    static AnimationDriver& driver() { return AnimationDriver::shared(); }

    velmar::testkit::ManualClockScope clock;
    std::vector<QColor> written;
    ColourAnimation anim{"colour", [this](const QColor& c) { written.push_back(c); }};
};

TEST_F(ColourAnimationRun, StartWritesTheStartColourAtOnce)
{
    anim.start();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_TRUE(sameColour(written[0], 0xFFFF0000));
    EXPECT_TRUE(anim.running());
    EXPECT_TRUE(driver().isActive());
}

TEST_F(ColourAnimationRun, HalfwayIsTheRoundedChannelMean)
{
    clock.set(3);
    anim.start();
    clock.at(3.1);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_TRUE(sameColour(written[1], 0xFFFC4E4E));
}

TEST_F(ColourAnimationRun, EndWritesTheStopColourOnceAndTheDriverGoesIdle)
{
    anim.start();
    clock.at(0.15);
    EXPECT_TRUE(anim.running());
    clock.at(0.2);
    EXPECT_TRUE(sameColour(written.back(), 0xFFF89C9C));
    // The duration is a float and 0.2f is a hair over 0.2 s: the run may end on this step or the next.
    clock.at(0.23);
    EXPECT_FALSE(anim.running());
    EXPECT_FALSE(driver().isActive());
    EXPECT_TRUE(sameColour(written.back(), 0xFFF89C9C));
    EXPECT_EQ(std::count(written.begin(), written.end(), argb(0xFFF89C9C)), 1);
    const auto count = written.size();
    clock.at(0.5);
    EXPECT_EQ(written.size(), count) << "nothing is written after the end";
}

TEST_F(ColourAnimationRun, StepsThatRoundToTheSameColourWriteNothing)
{
    anim.setStopColour(argb(0xFFFE0000)); // red moves by one over the whole run
    anim.start();
    clock.at(0.04); // 255 - 0.2 → 255
    clock.at(0.08); // 255 - 0.4 → 255
    EXPECT_EQ(written.size(), 1u);
    clock.at(0.12); // 255 - 0.6 → 254
    ASSERT_EQ(written.size(), 2u);
    EXPECT_TRUE(sameColour(written[1], 0xFFFE0000));
    clock.at(0.3);
    EXPECT_EQ(written.size(), 2u);
    EXPECT_FALSE(anim.running());
}

TEST_F(ColourAnimationRun, StopWhileRunningLandsOnTheStopColour)
{
    anim.start();
    clock.at(0.05);
    anim.stop();
    EXPECT_FALSE(anim.running());
    EXPECT_TRUE(sameColour(written.back(), 0xFFF89C9C));
    const auto count = written.size();
    anim.stop();
    EXPECT_EQ(written.size(), count) << "stopping a stopped animation writes nothing";
    EXPECT_FALSE(driver().isActive());
}

TEST_F(ColourAnimationRun, RestartWritesTheStartColourAgain)
{
    anim.start();
    anim.start();
    EXPECT_EQ(written.size(), 2u) << "each start writes its start colour, even one just written";
    clock.at(0.1);
    anim.start();
    EXPECT_TRUE(sameColour(written.back(), 0xFFFF0000));
    clock.at(0.2);
    EXPECT_TRUE(anim.running()) << "the run restarted at 0.1 s and lasts 0.2 s";
    EXPECT_TRUE(sameColour(written.back(), 0xFFFC4E4E));
}

} // namespace
