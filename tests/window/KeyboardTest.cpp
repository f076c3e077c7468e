// Face turns from real key events on the main window.
#include "WindowFixture.h"

#include "engine/Patterns.h"

#include "support/ReferenceCube.h"

using namespace velmar;
using velmar::testkit::ReferenceCube;

namespace {

class Keyboard : public velmar::testkit::ShownWindow {};

TEST_F(Keyboard, WindowAsDeclared)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Velmar's Cube - 3D"));
    EXPECT_EQ(window.size(), QSize(466, 567));
    EXPECT_EQ(view().size(), QSize(466, 351));
    EXPECT_EQ(window.panel().sclytCommand->geometry(), QRect(0, 351, 466, 216));
    EXPECT_EQ(window.panel().recCommand->geometry(), QRect(0, 0, 466, 216));
    EXPECT_TRUE(window.panel().recCommand->isEnabled());
}

TEST_F(Keyboard, MoveLettersTurnAndOtherKeysDoNot)
{
    QTest::keyClick(&window, 'x');
    QTest::keyClick(&window, Qt::Key_5);
    QTest::keyClick(&window, Qt::Key_F5);
    QTest::keyClick(&window, Qt::Key_Shift);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");

    QTest::keyClicks(&window, "RgWB");
    ReferenceCube model;
    model.play("RgWB");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

TEST_F(Keyboard, LettersOfOtherAlphabetsTurnNothingWhateverTheirLowByte)
{
    // Each has a move letter in its low byte: O, G, B, R, W, Y, R.
    for (const char16_t typed : {u'я', u'ч', u'т', u'ђ', u'ї', u'љ', u'Œ'}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(typed)));
        QApplication::sendEvent(&window, &press);
    }
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
    EXPECT_TRUE(window.panel().recCommand->isEnabled()) << "no turn started";
}

TEST_F(Keyboard, PanelIsDimmedAndDeafDuringATurn)
{
    bool checked = false;
    platform::FloatAnimation& red = *window.cube().turns[size_t(cube::TStickPosition::PoFront)];
    auto original = red.onFinish;
    red.onFinish = [&](platform::FloatAnimation& a) {
        EXPECT_FALSE(window.panel().recCommand->isEnabled());
        EXPECT_DOUBLE_EQ(platform::DisabledDimming::drawnOpacity(window.panel().recCommand), 0.8);
        checked = true;
        original(a);
    };
    QTest::keyClick(&window, 'R');
    EXPECT_TRUE(checked);
    EXPECT_TRUE(window.panel().recCommand->isEnabled());
    EXPECT_DOUBLE_EQ(platform::DisabledDimming::drawnOpacity(window.panel().recCommand), 1.0);
}

TEST_F(Keyboard, ABurstTypedDuringATurnEndsInTheModelsState)
{
    const std::string burst = "RRRRbWWgyyOBrwG";
    std::size_t typed = 0;
    // Keys arrive while the first turn's wait pumps the event loop.
    auto typist =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (typed < burst.size())
                QTest::keyClick(&window, burst[typed++]);
        });
    QTest::keyClick(&window, 'W');
    QObject::disconnect(typist);
    EXPECT_EQ(typed, burst.size());
    ReferenceCube model;
    model.play("W" + burst);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
    EXPECT_EQ(testkit::checkAtRest(window.cube()), "");
    EXPECT_TRUE(window.panel().recCommand->isEnabled());
}

TEST_F(Keyboard, KeysAreIgnoredWhileAPatternPlays)
{
    bool typed = false;
    auto typist =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (!typed && window.puzzle().isPlayingBack()) {
                typed = true;
                QTest::keyClick(&window, 'R');
            }
        });
    window.puzzle().playPattern(0);
    ASSERT_TRUE(testkit::pumpUntil([&] { return !window.puzzle().hasWaitingPlayback() && !window.puzzle().isBusy(); }));
    QObject::disconnect(typist);
    ASSERT_TRUE(typed);
    ReferenceCube model;
    model.play(engine::FUN_VALUES[0]);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
    EXPECT_EQ(window.puzzle().history().size(), 12u) << "the pattern's turns alone";
}

TEST_F(Keyboard, IdleWindowNeitherAnimatesNorRepaints)
{
    // The start-up hints fade out first; after that nothing moves.
    platform::AnimationDriver& driver = platform::AnimationDriver::shared();
    ASSERT_TRUE(testkit::pumpUntil([&] { return !driver.isActive(); }));
    QTest::qWait(100);
    const int frames = view().frameCount();
    const long ticks = driver.tickCount();
    QTest::qWait(300);
    EXPECT_EQ(view().frameCount(), frames);
    EXPECT_EQ(driver.tickCount(), ticks) << "an idle driver has no timer to wake it";
    EXPECT_FALSE(driver.isActive());
}

} // namespace
