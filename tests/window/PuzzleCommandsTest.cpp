// Undo and redo, the context menu, the scramble and the solved callout, through real events on the
// window, against the reference model.
#include "WindowFixture.h"

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
        window.Panel.tbSpeedAnim->setValue(2.0); // 0.1 s turns
        window.askRestore = [] { return TAnswer::Yes; };
        window.Puzzle.scrambleSeed = [] { return std::uint64_t(7); };
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
            return !window.Patterns.hasPendingRequest() && !window.Patterns.isPlaying() && !window.Turns.isTurning() &&
                   !window.Puzzle.Solver.isBusy();
        };
        return testkit::pumpUntil(
            still, [&] { return window.Puzzle.Solver.isSearching(); }, 20000);
    }
    void choosePattern(int index)
    {
        window.Panel.cbFun->setItemIndex(index);
        ASSERT_TRUE(settled());
    }
    void scramble()
    {
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        ASSERT_TRUE(settled());
    }
    const std::string scrambleLetters = solver::randomStateScramble(7);
    bool menuOpen() { return window.Puzzle.Menu.menu().isVisible(); }
    void closeMenu()
    {
        window.Puzzle.Menu.menu().hide();
        ASSERT_TRUE(testkit::pumpUntil([&] { return !menuOpen(); }));
    }
};

TEST_F(PuzzleCommands, TurnsResetsAndPatternsUndoneToTheStartAndRedoneToTheEnd)
{
    QTest::keyClicks(&window, "RgWb");
    ReferenceCube afterFirstTurns;
    afterFirstTurns.play("RgWb");
    QTest::mouseClick(window.Panel.BtnStart, Qt::LeftButton); // "Oui"
    QTest::keyClicks(&window, "Yo");
    choosePattern(0);
    QTest::keyClick(&window, 'G');
    ReferenceCube end;
    end.play("OORRWWYYGGBBG");
    ASSERT_EQ(testkit::compareWithModel(window.Cube, end), "");

    // G, the pattern's twelve letters, its reset, "Yo", then the start position's reset.
    for (int i = 0; i < 1 + 12 + 1 + 2 + 1; ++i)
        undo();
    EXPECT_EQ(testkit::compareWithModel(window.Cube, afterFirstTurns), "") << "the reset is taken back at once";
    for (int i = 0; i < 4; ++i)
        undo();
    EXPECT_EQ(testkit::compareWithModel(window.Cube, ReferenceCube()), "");
    EXPECT_FALSE(window.Puzzle.History.canUndo());
    undo(); // nothing left: nothing happens
    EXPECT_EQ(testkit::compareWithModel(window.Cube, ReferenceCube()), "");

    for (int i = 0; i < 21; ++i)
        redo(i % 2 == 1);
    EXPECT_EQ(testkit::compareWithModel(window.Cube, end), "");
    EXPECT_EQ(testkit::checkAtRest(window.Cube), "");

    undo();
    QTest::keyClick(&window, 'R');
    redo();
    ReferenceCube branched;
    branched.play("OORRWWYYGGBBR");
    EXPECT_EQ(testkit::compareWithModel(window.Cube, branched), "") << "a new turn clears the redo list";
}

TEST_F(PuzzleCommands, UndoInsideATurnQueuesLikeALetterAndIsDroppedInsideAPattern)
{
    int pressed = 0;
    auto presser =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (pressed < 2 && window.Turns.isTurning()) {
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
    EXPECT_EQ(testkit::compareWithModel(window.Cube, model), "");

    bool tried = false;
    auto meddler =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (!tried && window.Patterns.isPlaying() && window.Turns.isTurning()) {
                tried = true;
                undo();
            }
        });
    choosePattern(1);
    QObject::disconnect(meddler);
    ReferenceCube pattern;
    pattern.play("RRGGOORRGGor");
    EXPECT_TRUE(tried);
    EXPECT_EQ(testkit::compareWithModel(window.Cube, pattern), "");
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
    const float dialX = window.Panel.ArcDialX->value(), dialY = window.Panel.ArcDialY->value();
    press(background + QPointF(40, 40), Qt::RightButton);
    EXPECT_EQ(window.View.ClickX, 48.0f) << "a right press still stores the reference point";
    for (int step = 1; step <= 10; ++step)
        moveTo(background + QPointF(40 + 6 * step, 40 + 4 * step), Qt::RightButton);
    release(background + QPointF(100, 80), Qt::RightButton);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(menuOpen());
    EXPECT_EQ(window.Panel.ArcDialX->value(), dialX);
    EXPECT_EQ(window.Panel.ArcDialY->value(), dialY);
}

TEST_F(PuzzleCommands, TheKeyboardOpensTheMenuWithItsNamedEntries)
{
    for (auto [key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier}}) {
        QTest::keyClick(&window, key, modifiers);
        ASSERT_TRUE(testkit::pumpUntil([&] { return menuOpen(); })) << key;
        closeMenu();
    }
    QStringList entries;
    for (QAction* action : window.Puzzle.Menu.menu().actions())
        entries << action->text() + " " + action->shortcut().toString();
    EXPECT_EQ(entries.join(" | "), "Undo Ctrl+Z | Redo Ctrl+Shift+Z | Scramble Ctrl+N | Solve Ctrl+L | Help... F1");
    window.Puzzle.Menu.popupOver(*window.Viewport3D2);
    EXPECT_FALSE(window.Puzzle.Menu.action(PuzzleCommand::Undo).isEnabled()) << "nothing to undo yet";
    EXPECT_FALSE(window.Puzzle.Menu.action(PuzzleCommand::Solve).isEnabled()) << "nothing to solve";
    EXPECT_TRUE(window.Puzzle.Menu.action(PuzzleCommand::Scramble).isEnabled());
    closeMenu();
}

TEST_F(PuzzleCommands, AScramblePlaysFastUnderTheProgressBarThenTheSpeedIsBack)
{
    int shownMaximum = 0;
    float turnSeconds = 0;
    auto watcher =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (window.Patterns.isPlaying()) {
                shownMaximum = window.Panel.pbFun->maximum();
                turnSeconds = window.Cube.turns[0]->duration();
            }
        });
    window.Panel.tbSpeedAnim->setValue(1.6); // 0.5 s turns
    scramble();
    QObject::disconnect(watcher);
    ReferenceCube model;
    model.play(scrambleLetters);
    EXPECT_GE(scrambleLetters.size(), 20u);
    EXPECT_EQ(testkit::compareWithModel(window.Cube, model), "");
    EXPECT_EQ(shownMaximum, int(scrambleLetters.size()));
    EXPECT_FLOAT_EQ(turnSeconds, 0.1f);
    EXPECT_FLOAT_EQ(window.Cube.turns[0]->duration(), 0.5f);
}

TEST_F(PuzzleCommands, TheSolvedCalloutFollowsAHandMadeSolveOnly)
{
    scramble();
    QTest::keyClicks(&window, QString::fromStdString(inverseOf(scrambleLetters)));
    ASSERT_EQ(testkit::compareWithModel(window.Cube, ReferenceCube()), "");
    ASSERT_TRUE(window.Puzzle.Callout.isShown());
    EXPECT_TRUE(window.Puzzle.Callout.text().startsWith(QString("Solved: %1 turns, 0:").arg(scrambleLetters.size())))
        << window.Puzzle.Callout.text().toStdString();
    ASSERT_TRUE(testkit::pumpUntil([&] { return !window.Puzzle.Callout.isShown(); })) << "it fades and goes";

    scramble();
    QTest::mouseClick(window.Panel.BtnStart, Qt::LeftButton);
    EXPECT_FALSE(window.Puzzle.Callout.isShown()) << "after \"Oui\"";

    scramble();
    choosePattern(0);
    QTest::keyClicks(&window, QString::fromStdString(inverseOf(engine::FUN_VALUES[0])));
    ASSERT_EQ(testkit::compareWithModel(window.Cube, ReferenceCube()), "");
    EXPECT_FALSE(window.Puzzle.Callout.isShown()) << "a pattern's cube solved by hand";
}

TEST_F(PuzzleCommands, OnceTheWindowClosesTheCommandsDoNothing)
{
    QTest::keyClicks(&window, "Rg");
    window.close();
    for (PuzzleCommand command :
         {PuzzleCommand::Undo, PuzzleCommand::Undo, PuzzleCommand::Scramble, PuzzleCommand::Solve, PuzzleCommand::Redo})
        window.Puzzle.runCommand(command);
    ASSERT_TRUE(settled());
    ReferenceCube model;
    model.play("Rg");
    EXPECT_EQ(testkit::compareWithModel(window.Cube, model), "");
}

TEST_F(PuzzleCommands, SolveEndsOnTheSolvedCubeWithoutTheSolvedNote)
{
    scramble();
    QTest::keyClicks(&window, "RgW");
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(settled());
    EXPECT_EQ(testkit::compareWithModel(window.Cube, ReferenceCube()), "");
    EXPECT_FALSE(window.Puzzle.Callout.isShown()) << window.Puzzle.Callout.text().toStdString();
}

TEST_F(PuzzleCommands, ASolutionForACubeThatChangedMeanwhileIsDropped)
{
    scramble();
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier); // the cube is read now
    QTest::keyClick(&window, 'R');
    ASSERT_TRUE(settled());
    ReferenceCube model;
    model.play(scrambleLetters + "R");
    EXPECT_EQ(testkit::compareWithModel(window.Cube, model), "");
}

} // namespace
