// Float animation lifecycle and the shared driver, on a clock the test moves by hand.
#include "platform/gl/GlRenderer.h"
#include "platform/scene/AnimationDriver.h"
#include "platform/scene/EventPump.h"
#include "platform/scene/FloatAnimation.h"
#include "platform/scene/Scene.h"

#include "support/ManualClock.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

using namespace velmar::platform;

namespace {

class Animation : public ::testing::Test {
protected:
    void TearDown() override { anim.stop(); }
    static AnimationDriver& driver() { return AnimationDriver::shared(); }

    velmar::testkit::ManualClockScope clock;
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
    clock.set(5);
    anim.start();
    clock.at(6);
    EXPECT_FLOAT_EQ(written.back(), 45); // in-out curves pass the middle at the middle
    clock.at(6.9);
    EXPECT_TRUE(anim.running());
    clock.at(7.3);
    EXPECT_FALSE(anim.running());
    EXPECT_EQ(written.back(), 90.0f);
    EXPECT_EQ(finishes, 1);
    clock.at(8);
    EXPECT_EQ(finishes, 1);
    EXPECT_FALSE(driver().isActive()) << "the driver goes idle when nothing runs";
}

TEST_F(Animation, DelayWritesNothingUntilItHasPassed)
{
    configure(1, 0, 0.5f);
    anim.setDelay(1);
    anim.start();
    EXPECT_TRUE(written.empty());
    clock.at(0.9);
    EXPECT_TRUE(written.empty());
    clock.at(1.25);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_FLOAT_EQ(written[0], 0.5f);
    clock.at(1.6);
    EXPECT_EQ(written.back(), 0.0f);
    EXPECT_EQ(finishes, 1);
}

TEST_F(Animation, InverseRunsFromStopToStart)
{
    configure(0, 360, 10);
    anim.setInverse(true);
    anim.start();
    EXPECT_EQ(written.back(), 360.0f);
    clock.at(2.5);
    EXPECT_FLOAT_EQ(written.back(), 270);
    clock.at(11);
    EXPECT_EQ(written.back(), 0.0f);
    EXPECT_EQ(finishes, 1);
}

TEST_F(Animation, LoopNeverEnds)
{
    configure(0, 360, 10);
    anim.setInverse(true);
    anim.setLoop(true);
    anim.start();
    clock.at(35);
    EXPECT_TRUE(anim.running());
    EXPECT_FLOAT_EQ(written.back(), 180);
    clock.at(1000.5);
    EXPECT_TRUE(anim.running());
    EXPECT_EQ(finishes, 0);
}

TEST_F(Animation, StopWhenRunningLandsOnTheEndValue)
{
    configure(0, 360, 10);
    anim.setInverse(true);
    anim.setLoop(true);
    anim.start();
    clock.at(3);
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
    clock.at(0.5);
    anim.start();
    EXPECT_EQ(written.back(), 0.0f);
    clock.at(1.25);
    EXPECT_TRUE(anim.running());
    EXPECT_EQ(finishes, 0);
    clock.at(1.5);
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
    clock.at(2);
    EXPECT_FALSE(anim.running());
    EXPECT_FALSE(second.running());
    EXPECT_EQ(other.back(), 1.0f);
}

TEST_F(Animation, TheEndValueIsWrittenWhileStillRunning)
{
    // Stopping, and ending on time, write the end value first, then clear the running flag.
    std::vector<bool> runningAtWrite;
    FloatAnimation a("a", [&](float) { runningAtWrite.push_back(a.running()); });
    a.setStopValue(1);
    a.setDuration(10);
    a.start();
    a.stop();
    ASSERT_EQ(runningAtWrite.size(), 2u);
    EXPECT_TRUE(runningAtWrite.back());
    EXPECT_FALSE(a.running());
    a.start();
    clock.at(11);
    EXPECT_TRUE(runningAtWrite.back());
    EXPECT_FALSE(a.running());
}

TEST(AnimationDriver, AWaitStartedInsideAStepStillAdvances)
{
    velmar::testkit::SteppingClockScope clock(0.05);
    // Only a safety net for a broken driver: the nested wait ends after a handful of loop passes.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(20000);

    int innerSteps = 0;
    FloatAnimation inner("inner", [&](float) { ++innerSteps; });
    inner.setStopValue(1);
    inner.setDuration(0.5f);
    bool innerEnded = false;
    FloatAnimation outer("outer", [](float) {});
    outer.setStopValue(1);
    outer.setDuration(0.1f);
    // Like a hint's fade whose end starts a turn: the finish handler runs inside a driver step.
    outer.onFinish = [&](FloatAnimation&) {
        inner.start();
        innerEnded = waitWhileRunning(inner);
    };
    outer.start();
    EXPECT_TRUE(waitWhileRunning(outer));
    EXPECT_TRUE(innerEnded);
    EXPECT_FALSE(inner.running());
    EXPECT_GE(innerSteps, 5);
    EXPECT_FALSE(AnimationDriver::shared().isActive());
}

TEST(AnimationDriver, AnIdleDriverHasNoTimer)
{
    velmar::testkit::SteppingClockScope clock(0.05);
    AnimationDriver& driver = AnimationDriver::shared();
    FloatAnimation a("a", [](float) {});
    a.setStopValue(1);
    a.setDuration(0.2f);
    a.start();
    EXPECT_TRUE(waitWhileRunning(a));
    const long ticks = driver.tickCount();
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(driver.tickCount(), ticks) << "the zero-interval timer would tick on every pass if it still ran";
}

TEST(SceneLookup, AMisspeltNameStopsTheProgramWithItsName)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Scene scene;
    scene.add<Camera>(nullptr, QStringLiteral("Camera"));
    EXPECT_EQ(&scene.get<Camera>(QStringLiteral("Camera")), scene.find(QStringLiteral("Camera")));
    EXPECT_DEATH(scene.get<Camera>(QStringLiteral("Camra")), "Camra");
    EXPECT_DEATH(scene.get<Box>(QStringLiteral("Camera")), "Camera");
}

TEST(GlRendererState, DrawingBeforeInitialisationDoesNothing)
{
    Scene scene;
    Camera& camera = scene.add<Camera>(nullptr, QStringLiteral("Camera"));
    GlRenderer renderer;
    renderer.render(scene, camera, QSize(64, 48), Qt::gray); // no context, no functions: must not touch GL
    EXPECT_FALSE(renderer.isReady());
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
