// Float animation lifecycle and the shared driver, on a clock the test moves by hand.
#include "platform/scene/AnimationDriver.h"
#include "platform/scene/EventPump.h"
#include "platform/scene/FloatAnimation.h"

#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <vector>

using namespace velmar::platform;
using velmar::testkit::ManualClock;

namespace {

class Animation : public ::testing::Test {
protected:
    void SetUp() override { driver().setClock(&clock); }
    void TearDown() override
    {
        anim.stop();
        driver().setClock(nullptr);
    }
    static AnimationDriver& driver() { return AnimationDriver::shared(); }
    void at(double t)
    {
        clock.t = t;
        driver().tick();
    }

    ManualClock clock;
    std::vector<float> written;
    int finishes = 0;
    FloatAnimation anim{"anim", [this](float v) { written.push_back(v); }};

    void configure(float from, float to, float duration)
    {
        anim.setStartValue(from);
        anim.setStopValue(to);
        anim.setDuration(duration);
        anim.onFinish = [this](FloatAnimation& a) {
            ++finishes;
            EXPECT_FALSE(a.running()) << "running must be off when the finish handler runs";
            EXPECT_EQ(written.back(), a.endValue()) << "end value must be written before the handler";
        };
    }
};

TEST_F(Animation, StartWritesTheFirstValueAtOnce)
{
    configure(10, 20, 1);
    anim.start();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0], 10);
    EXPECT_TRUE(anim.running());
    EXPECT_TRUE(driver().isActive());
}

TEST_F(Animation, StepsByElapsedTimeAndEndsExactlyOnce)
{
    configure(0, 90, 2);
    anim.setAnimationType(AnimationType::InOut);
    anim.setInterpolation(Interpolation::Back);
    clock.t = 5;
    anim.start();
    at(6);
    EXPECT_FLOAT_EQ(written.back(), 45); // in-out curves pass the middle at the middle
    at(6.9);
    EXPECT_TRUE(anim.running());
    at(7.3);
    EXPECT_FALSE(anim.running());
    EXPECT_EQ(written.back(), 90.0f);
    EXPECT_EQ(finishes, 1);
    at(8);
    EXPECT_EQ(finishes, 1);
    EXPECT_FALSE(driver().isActive()) << "the driver goes idle when nothing runs";
}

TEST_F(Animation, DelayWritesNothingUntilItHasPassed)
{
    configure(1, 0, 0.5f);
    anim.setDelay(1);
    anim.start();
    EXPECT_TRUE(written.empty());
    at(0.9);
    EXPECT_TRUE(written.empty());
    at(1.25);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_FLOAT_EQ(written[0], 0.5f);
    at(1.6);
    EXPECT_EQ(written.back(), 0.0f);
    EXPECT_EQ(finishes, 1);
}

TEST_F(Animation, InverseRunsFromStopToStart)
{
    configure(0, 360, 10);
    anim.setInverse(true);
    anim.start();
    EXPECT_EQ(written.back(), 360.0f);
    at(2.5);
    EXPECT_FLOAT_EQ(written.back(), 270);
    at(11);
    EXPECT_EQ(written.back(), 0.0f);
    EXPECT_EQ(finishes, 1);
}

TEST_F(Animation, LoopNeverEnds)
{
    configure(0, 360, 10);
    anim.setInverse(true);
    anim.setLoop(true);
    anim.start();
    at(35);
    EXPECT_TRUE(anim.running());
    EXPECT_FLOAT_EQ(written.back(), 180);
    at(1000.5);
    EXPECT_TRUE(anim.running());
    EXPECT_EQ(finishes, 0);
}

TEST_F(Animation, StopWhenRunningLandsOnTheEndValue)
{
    configure(0, 360, 10);
    anim.setInverse(true);
    anim.setLoop(true);
    anim.start();
    at(3);
    anim.stop();
    EXPECT_FALSE(anim.running());
    EXPECT_EQ(written.back(), 0.0f);
    EXPECT_EQ(finishes, 1);
    const auto count = written.size();
    anim.stop();
    EXPECT_EQ(written.size(), count) << "stopping a stopped animation does nothing";
    EXPECT_EQ(finishes, 1);
}

TEST_F(Animation, RestartWhileRunningStartsOverWithoutFinishing)
{
    configure(0, 10, 1);
    anim.start();
    at(0.5);
    anim.start();
    EXPECT_EQ(written.back(), 0.0f);
    at(1.25);
    EXPECT_TRUE(anim.running());
    EXPECT_EQ(finishes, 0);
    at(1.5);
    EXPECT_EQ(finishes, 1);
}

TEST_F(Animation, AFinishHandlerMayStopAnotherAnimationInTheSameStep)
{
    std::vector<float> other;
    FloatAnimation second("second", [&](float v) { other.push_back(v); });
    second.setStartValue(0);
    second.setStopValue(1);
    second.setDuration(5);
    configure(0, 1, 1);
    anim.onFinish = [&](FloatAnimation&) { second.stop(); };
    anim.start();
    second.start();
    at(2);
    EXPECT_FALSE(anim.running());
    EXPECT_FALSE(second.running());
    EXPECT_EQ(other.back(), 1.0f);
}

TEST(AnimationDriver, WaitingPumpsEventsUntilTheAnimationEnds)
{
    velmar::testkit::SteppingClockScope clock(0.05);
    int steps = 0;
    FloatAnimation anim("anim", [&](float) { ++steps; });
    anim.setStartValue(0);
    anim.setStopValue(1);
    anim.setDuration(1);
    anim.start();
    EXPECT_TRUE(waitWhileRunning(anim));
    EXPECT_FALSE(anim.running());
    EXPECT_GE(steps, 15);
    EXPECT_TRUE(waitWhileRunning(anim)) << "nothing to wait for returns at once";
}

TEST(AnimationDriver, RealTimerRunsAtThirtyMillisecondsOnlyWhileAnimating)
{
    AnimationDriver& driver = AnimationDriver::shared();
    EXPECT_EQ(driver.interval(), AnimationDriver::kDefaultIntervalMs);
    EXPECT_FALSE(driver.isActive());
}

} // namespace
