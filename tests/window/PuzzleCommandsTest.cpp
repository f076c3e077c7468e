// Undo and redo, the context menu, the scramble and the solved callout, through real events on the
// window, against the reference model.
#include "WindowFixture.h"

#include "engine/Patterns.h"

#include "cube/SceneFacelets.h"
#include "cube/solver/Solver.h"
#include "platform/controls/ArcDial.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/FloatSlider.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/WrappingButton.h"

#include "support/ReferenceCube.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>

#include <algorithm>

using namespace velmar;
using app::PuzzleCommand;
using velmar::testkit::ReferenceCube;

namespace {

std::string inverseOf(std::string letters)
{
    std::reverse(letters.begin(), letters.end());
    for (char& c : letters)
        c = char(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c));
    return letters;
}

class PuzzleCommands : public velmar::testkit::ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        window.panel().tbSpeedAnim->setValue(2.0); // 0.1 s turns
        window.askRestore = [] { return TAnswer::Yes; };
        window.puzzle().scrambleSeed = [] { return std::uint64_t(7); };
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void undo() { QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier); }
    void redo(bool withY = false)
    {
        if (withY)
            QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        else
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    bool settled()
    {
        const auto still = [&] {
            return !window.puzzle().hasWaitingPlayback() && !window.puzzle().isPlayingBack() &&
                   !window.puzzle().isTurning() && !window.puzzle().isSearching();
        };
        return testkit::pumpUntil(
            still, [&] { return window.puzzle().isSearching(); }, 20000);
    }
    void choosePattern(int index)
    {
        window.panel().cbFun->setItemIndex(index);
        ASSERT_TRUE(settled());
    }
    void scramble()
    {
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        ASSERT_TRUE(settled());
    }
    const std::string scrambleLetters = solver::randomStateScramble(7);
    bool menuOpen() { return window.menu().menu().isVisible(); }
    void closeMenu()
    {
        window.menu().menu().hide();
        ASSERT_TRUE(testkit::pumpUntil([&] { return !menuOpen(); }));
    }
};

TEST_F(PuzzleCommands, TurnsResetsAndPatternsUndoneToTheStartAndRedoneToTheEnd)
{
    QTest::keyClicks(&window, "RgWb");
    ReferenceCube afterFirstTurns;
    afterFirstTurns.play("RgWb");
    QTest::mouseClick(window.panel().BtnStart, Qt::LeftButton); // "Oui"
    QTest::keyClicks(&window, "Yo");
    choosePattern(0);
    QTest::keyClick(&window, 'G');
    ReferenceCube end;
    end.play("OORRWWYYGGBBG");
    ASSERT_EQ(testkit::compareWithModel(window.cube(), end), "");

    // G, the pattern's twelve letters, its reset, "Yo", then the start position's reset.
    for (int i = 0; i < 1 + 12 + 1 + 2 + 1; ++i)
        undo();
    EXPECT_EQ(testkit::compareWithModel(window.cube(), afterFirstTurns), "") << "the reset is taken back at once";
    for (int i = 0; i < 4; ++i)
        undo();
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
    EXPECT_FALSE(window.puzzle().history().canUndo());
    undo(); // nothing left: nothing happens
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");

    for (int i = 0; i < 21; ++i)
        redo(i % 2 == 1);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), end), "");
    EXPECT_EQ(testkit::checkAtRest(window.cube()), "");

    undo();
    QTest::keyClick(&window, 'R');
    redo();
    ReferenceCube branched;
    branched.play("OORRWWYYGGBBR");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), branched), "") << "a new turn clears the redo list";
}

TEST_F(PuzzleCommands, UndoInsideATurnQueuesLikeALetterAndIsDroppedInsideAPattern)
{
    int pressed = 0;
    auto presser =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (pressed < 2 && window.puzzle().isTurning()) {
                ++pressed;
                undo();
            }
        });
    QTest::keyClick(&window, 'W');
    QObject::disconnect(presser);
    QTest::keyClick(&window, 'B'); // W, then its undo, then undo of nothing; B stays
    ReferenceCube model;
    model.play("B");
    EXPECT_EQ(pressed, 2);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");

    bool tried = false;
    auto meddler =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (!tried && window.puzzle().isPlayingBack() && window.puzzle().isTurning()) {
                tried = true;
                undo();
            }
        });
    choosePattern(1);
    QObject::disconnect(meddler);
    ReferenceCube pattern;
    pattern.play("RRGGOORRGGor");
    EXPECT_TRUE(tried);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), pattern), "");
}

TEST_F(PuzzleCommands, ARightClickThatDidNotMoveOpensTheMenuAndARightDragNeitherOpensItNorOrbits)
{
    const QPointF background(8, 8);
    const QPointF sticker = pixelOf({0, -4.5f, 0}); // the top face's centre
    for (QPointF at : {background, sticker}) {
        press(at, Qt::RightButton);
        release(at, Qt::RightButton);
        ASSERT_TRUE(testkit::pumpUntil([&] { return menuOpen(); })) << at.x() << "," << at.y();
        closeMenu();
    }
    const float dialX = window.panel().ArcDialX->value(), dialY = window.panel().ArcDialY->value();
    press(background + QPointF(40, 40), Qt::RightButton);
    EXPECT_EQ(window.press().backgroundReference().x(), 48.0f) << "a right press still stores the reference point";
    for (int step = 1; step <= 10; ++step)
        moveTo(background + QPointF(40 + 6 * step, 40 + 4 * step), Qt::RightButton);
    release(background + QPointF(100, 80), Qt::RightButton);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(menuOpen());
    EXPECT_EQ(window.panel().ArcDialX->value(), dialX);
    EXPECT_EQ(window.panel().ArcDialY->value(), dialY);
}

TEST_F(PuzzleCommands, TheKeyboardOpensTheMenuWithItsNamedEntries)
{
    for (auto [key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier}}) {
        QTest::keyClick(&window, key, modifiers);
        ASSERT_TRUE(testkit::pumpUntil([&] { return menuOpen(); })) << key;
        closeMenu();
    }
    QStringList entries;
    for (QAction* action : window.menu().menu().actions())
        entries << action->text() + " " + action->shortcut().toString();
    EXPECT_EQ(entries.join(" | "),
              "Undo Ctrl+Z | Redo Ctrl+Shift+Z | Scramble Ctrl+N | Solve Ctrl+L | Moves... Ctrl+M | "
              "Letters on the stickers Ctrl+T | The cube in words Ctrl+D | Help... F1");
    window.menu().popupOver(*window.viewWidget());
    EXPECT_FALSE(window.menu().action(PuzzleCommand::Undo).isEnabled()) << "nothing to undo yet";
    EXPECT_FALSE(window.menu().action(PuzzleCommand::Solve).isEnabled()) << "nothing to solve";
    EXPECT_TRUE(window.menu().action(PuzzleCommand::Scramble).isEnabled());
    closeMenu();
}

TEST_F(PuzzleCommands, AScramblePlaysFastUnderTheProgressBarThenTheSpeedIsBack)
{
    int shownMaximum = 0;
    float turnSeconds = 0;
    auto watcher =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (window.puzzle().isPlayingBack()) {
                shownMaximum = window.panel().pbFun->maximum();
                turnSeconds = window.cube().turns[0]->duration();
            }
        });
    window.panel().tbSpeedAnim->setValue(1.6); // 0.5 s turns
    scramble();
    QObject::disconnect(watcher);
    ReferenceCube model;
    model.play(scrambleLetters);
    EXPECT_GE(scrambleLetters.size(), 20u);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
    EXPECT_EQ(shownMaximum, int(scrambleLetters.size()));
    EXPECT_FLOAT_EQ(turnSeconds, 0.1f);
    EXPECT_FLOAT_EQ(window.cube().turns[0]->duration(), 0.5f);
}

TEST_F(PuzzleCommands, TheSolvedCalloutFollowsAHandMadeSolveOnly)
{
    scramble();
    QTest::keyClicks(&window, QString::fromStdString(inverseOf(scrambleLetters)));
    ASSERT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
    ASSERT_TRUE(window.callout().isShown());
    EXPECT_TRUE(window.callout().text().startsWith(QString("Solved: %1 turns, 0:").arg(scrambleLetters.size())))
        << window.callout().text().toStdString();
    ASSERT_TRUE(testkit::pumpUntil([&] { return !window.callout().isShown(); })) << "it fades and goes";

    scramble();
    QTest::mouseClick(window.panel().BtnStart, Qt::LeftButton);
    EXPECT_FALSE(window.callout().isShown()) << "after \"Oui\"";

    scramble();
    choosePattern(0);
    QTest::keyClicks(&window, QString::fromStdString(inverseOf(engine::FUN_VALUES[0])));
    ASSERT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
    EXPECT_FALSE(window.callout().isShown()) << "a pattern's cube solved by hand";
}

TEST_F(PuzzleCommands, OnceTheWindowClosesTheCommandsDoNothing)
{
    QTest::keyClicks(&window, "Rg");
    window.close();
    for (PuzzleCommand command :
         {PuzzleCommand::Undo, PuzzleCommand::Undo, PuzzleCommand::Scramble, PuzzleCommand::Solve, PuzzleCommand::Redo})
        window.menu().action(command).trigger();
    ASSERT_TRUE(settled());
    ReferenceCube model;
    model.play("Rg");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

TEST_F(PuzzleCommands, SolveEndsOnTheSolvedCubeWithoutTheSolvedNote)
{
    scramble();
    QTest::keyClicks(&window, "RgW");
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(settled());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
    EXPECT_FALSE(window.callout().isShown()) << window.callout().text().toStdString();
}

TEST_F(PuzzleCommands, ASolutionForACubeThatChangedMeanwhileIsDropped)
{
    scramble();
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier); // the cube is read now
    QTest::keyClick(&window, 'R');
    ASSERT_TRUE(settled());
    ReferenceCube model;
    model.play(scrambleLetters + "R");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

} // namespace
