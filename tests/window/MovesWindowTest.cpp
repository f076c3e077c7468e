// The moves window: algorithms typed or pasted into its field and played on the cube, checked on the
// reference cube turned by its own standard-notation moves; the history it shows and copies.
#include "WindowFixture.h"

#include "app/MovesWindow.h"
#include "engine/Notation.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/FloatSlider.h"

#include "support/ReferenceCube.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBrowser>

#include <sstream>

using namespace velmar;
using app::PuzzleCommand;
using testkit::ReferenceCube;

namespace {

// The reference cube turned by an algorithm in standard notation, read here on its own.
ReferenceCube turnedBy(const std::string& algorithm, ReferenceCube cube = {})
{
    std::istringstream tokens(algorithm);
    for (std::string token; tokens >> token;)
        cube.turn(token[0], token.size() == 1 ? 1 : token[1] == '2' ? 2 : 3);
    return cube;
}

const std::string kTPerm = "R U R' U' R' F R2 U' R' U' R U R' F'";
const std::string kEdgesFlipped = "U R2 F B R B2 R U2 L B2 R U' D' R2 F R' L B2 U2 F2";

class MovesWindow : public testkit::ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        window.panel().tbSpeedAnim->setValue(2.0); // 0.1 s turns
        window.puzzle().scrambleSeed = [] { return std::uint64_t(3); };
        window.menu().action(PuzzleCommand::Moves).trigger();
        ASSERT_NE(window.movesWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.movesWindow()));
    }
    app::MovesWindow& moves() { return *window.movesWindow(); }
    bool settled()
    {
        engine::Puzzle& p = window.puzzle();
        return testkit::pumpUntil([&] { return !p.hasWaitingPlayback() && !p.isBusy() && !p.isSearching(); },
                                  [&] { return p.isSearching(); }, 20000);
    }
    // As a user pastes text and presses Enter.
    void playText(const QString& text)
    {
        moves().field().setPlainText(text);
        QTest::keyClick(&moves().field(), Qt::Key_Return);
    }
};

TEST_F(MovesWindow, PastedAlgorithmsPlayAsTheReferenceCubeTurns)
{
    playText(QStringLiteral("(R U R\u2019 U\u2019)6 // sexy move, six times"));
    ASSERT_TRUE(settled());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "") << "order 6";
    EXPECT_EQ(window.puzzle().history().size(), 24u);

    playText(QString::fromStdString(kTPerm));
    ASSERT_TRUE(settled());
    const ReferenceCube swapped = turnedBy(kTPerm);
    EXPECT_NE(swapped, ReferenceCube());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), swapped), "");
    playText(QString::fromStdString(kTPerm));
    ASSERT_TRUE(settled());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "") << "the T-permutation twice";

    playText(QString::fromStdString(kEdgesFlipped));
    ASSERT_TRUE(settled());
    const ReferenceCube flipped = turnedBy(kEdgesFlipped);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), flipped), "");
    // The oracle itself: every corner solved, every edge in place with its two colours swapped.
    const ReferenceCube solved;
    const auto centreColour = [&](testkit::IVec normal) { return solved.colourAt({normal, normal}); };
    for (const auto& [facelet, colour] : flipped.facelets()) {
        const testkit::IVec c = facelet.cell, n = facelet.normal;
        const int zeros = (c.x == 0) + (c.y == 0) + (c.z == 0);
        if (zeros == 0) {
            EXPECT_EQ(colour, centreColour(n)) << "a corner moved";
        } else if (zeros == 1) {
            EXPECT_EQ(colour, centreColour({c.x - n.x, c.y - n.y, c.z - n.z})) << "an edge not flipped";
        }
    }
}

TEST_F(MovesWindow, UndoTakesAnAlgorithmBackTurnByTurn)
{
    playText(QStringLiteral("R U2 F'"));
    ASSERT_TRUE(settled());
    const std::string steps[] = {"R U2 F'", "R U2", "R U", "R", ""};
    for (const std::string& left : steps) {
        EXPECT_EQ(testkit::compareWithModel(window.cube(), turnedBy(left)), "") << "left: " << left;
        window.puzzle().undo();
        ASSERT_TRUE(settled());
    }
}

TEST_F(MovesWindow, BadTextPlaysNothingSaysWhereAndStays)
{
    const QString text = QStringLiteral("R U M' U'");
    playText(text);
    ASSERT_TRUE(settled());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
    EXPECT_TRUE(moves().message().text().startsWith(QStringLiteral("Column 5: “M'” is a slice turn")))
        << moves().message().text().toStdString();
    EXPECT_EQ(moves().field().toPlainText(), text);
    EXPECT_EQ(moves().field().textCursor().positionInBlock(), 4);
}

TEST_F(MovesWindow, PastingAClipboardWithNothingOnItPastesNothing)
{
    // As when the program that copied has gone: the clipboard holds no format at all.
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    moves().field().setPlainText(QStringLiteral("R U"));
    moves().field().moveCursor(QTextCursor::End);
    QTest::keyClick(&moves().field(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(moves().field().toPlainText(), QStringLiteral("R U"));
}

TEST_F(MovesWindow, AnAlgorithmAskedDuringAPlaybackIsRefused)
{
    bool asked = false;
    auto during =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (!asked && window.puzzle().isPlayingBack()) {
                asked = true;
                playText(QStringLiteral("F F"));
            }
        });
    window.panel().cbFun->setItemIndex(0);
    ASSERT_TRUE(settled());
    QObject::disconnect(during);
    ASSERT_TRUE(asked);
    ReferenceCube damier;
    damier.play("OORRWWYYGGBB");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), damier), "");
    EXPECT_EQ(moves().message().text(), QStringLiteral("Not now: a pattern is playing"));
}

TEST_F(MovesWindow, TheCopiedHistoryReadsBackAsTheCubesTurns)
{
    window.menu().action(PuzzleCommand::Scramble).trigger();
    ASSERT_TRUE(settled());
    QTest::keyClicks(&window, "RgW");
    ASSERT_TRUE(settled());
    moves().copy();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains(QStringLiteral("// Scramble\nF L' U  // Your turns"))) << copied.toStdString();
    ReferenceCube replayed;
    replayed.play(engine::parseAlgorithm(copied, engine::Notation::Standard).letters.toStdString());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), replayed), "");
    EXPECT_TRUE(moves().counts().text().startsWith(QStringLiteral("3 quarter turns, 3 face turns")))
        << moves().counts().text().toStdString();

    QString whilePlaying;
    auto watch =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            const engine::GroupRef& playing = window.puzzle().playback();
            if (whilePlaying.isEmpty() && playing && playing->source == engine::TurnSource::Solution)
                whilePlaying = moves().history().toPlainText();
        });
    window.menu().action(PuzzleCommand::Solve).trigger();
    ASSERT_TRUE(settled());
    QObject::disconnect(watch);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
    EXPECT_TRUE(whilePlaying.contains(QStringLiteral("Solution found"))) << whilePlaying.toStdString();
    EXPECT_FALSE(moves().history().toPlainText().contains(QStringLiteral("Solution found")))
        << "once played, the solution is in the history";
    moves().copy();
    ReferenceCube solved;
    solved.play(
        engine::parseAlgorithm(QGuiApplication::clipboard()->text(), engine::Notation::Standard).letters.toStdString());
    EXPECT_TRUE(solved.isSolved()) << "the copied history includes the solution";
}

} // namespace
