// The start position with its confirmation, and the patterns chosen in the real list.
#include "WindowFixture.h"

#include "engine/Patterns.h"

#include "platform/controls/ArcDial.h"
#include "platform/controls/ChoiceList.h"
#include "platform/controls/FloatSlider.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/StyledButton.h"
#include "platform/controls/WrappingButton.h"

#include "support/ReferenceCube.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include <vector>

using namespace velmar;
using velmar::testkit::ReferenceCube;

namespace {

class StartPosition : public velmar::testkit::ShownWindow {
protected:
    void SetUp() override
    {
        ShownWindow::SetUp();
        window.panel().tbSpeedAnim->setValue(2.0); // 0.1 s turns
    }
    // A scrambled cube, a spinning Y dial, dials elsewhere and a pattern chosen.
    void messUp()
    {
        QTest::keyClicks(&window, "RgWbYo");
        QTest::mouseClick(window.panel().CbRotateY, Qt::LeftButton);
        window.panel().ArcDialX->setValue(10);
        const QSignalBlocker quiet(window.panel().cbFun);
        window.panel().cbFun->setCurrentIndex(4);
    }
    void clickStart() { QTest::mouseClick(window.panel().BtnStart, Qt::LeftButton); }
};

TEST_F(StartPosition, NonOrAClosedBoxChangesNothing)
{
    messUp();
    ReferenceCube model;
    model.play("RgWbYo");
    for (TAnswer answer : {TAnswer::No, TAnswer::Cancel}) {
        int asked = 0;
        window.askRestore = [&] {
            ++asked;
            return answer;
        };
        clickStart();
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
        EXPECT_TRUE(window.panel().CbRotateY->isChecked());
        EXPECT_TRUE(window.view().autoRotation(platform::Axis::Y).running());
        EXPECT_EQ(window.panel().ArcDialX->value(), 10.0f);
        EXPECT_EQ(window.panel().cbFun->itemIndex(), 4);
    }
}

TEST_F(StartPosition, OuiRestoresTheCubeStopsTheRotationsAndSetsTheDials)
{
    messUp();
    QTest::mouseClick(window.panel().CbRotateZ, Qt::LeftButton);
    window.askRestore = [] { return TAnswer::Yes; };
    clickStart();
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
    EXPECT_EQ(testkit::checkAtRest(window.cube()), "");
    for (QCheckBox* box : {window.panel().CbRotateX, window.panel().CbRotateY, window.panel().CbRotateZ})
        EXPECT_FALSE(box->isChecked());
    for (platform::Axis axis : {platform::Axis::X, platform::Axis::Y, platform::Axis::Z})
        EXPECT_FALSE(window.view().autoRotation(axis).running());
    EXPECT_EQ(window.panel().ArcDialX->value(), -35.0f);
    EXPECT_EQ(window.panel().ArcDialY->value(), -45.0f);
    EXPECT_EQ(window.panel().ArcDialZ->value(), -18.0f);
    EXPECT_EQ(window.cube().Dummy->rotationAngle(), QVector3D(-35, -45, -18));
    EXPECT_EQ(window.panel().cbFun->itemIndex(), -1);
}

TEST_F(StartPosition, OuiOnASolvedCubeStillSetsTheDials)
{
    window.panel().ArcDialY->setValue(200);
    window.askRestore = [] { return TAnswer::Yes; };
    clickStart();
    EXPECT_EQ(window.panel().ArcDialY->value(), -45.0f);
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
}

// The real box: found once it is up, read, then answered with a key.
class RealBox : public ::testing::Test {
protected:
    TAnswer askAndPress(Qt::Key key)
    {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            poll.stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                captions << b->text();
            defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, key);
        });
        poll.start(10);
        return askRestoreInitialCube();
    }
    QString title, text, defaultCaption;
    QStringList captions;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

TEST_F(RealBox, EnterSaysOuiAndEscapeSaysNon)
{
    EXPECT_EQ(askAndPress(Qt::Key_Return), TAnswer::Yes);
    EXPECT_EQ(title, "Informations");
    EXPECT_EQ(text, "Restore initial cube?");
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_TRUE(captions.contains("Oui") && captions.contains("Non")) << captions.join(',').toStdString();
    EXPECT_EQ(defaultCaption, "Oui");
    // Where it lands is the window manager's: tests/wm checks it under a real one.
    captions.clear();
    EXPECT_EQ(askAndPress(Qt::Key_Escape), TAnswer::No);
}

class Patterns : public StartPosition {
protected:
    platform::ChoiceList& list() { return *window.panel().cbFun; }
    // Opens the drop-down and clicks the item, as a person does.
    void choose(int index)
    {
        list().showPopup();
        QAbstractItemView* items = list().view();
        ASSERT_TRUE(testkit::pumpUntil([&] { return items->isVisible(); }));
        const QRect r = items->visualRect(items->model()->index(index, 0));
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, r.center());
    }
    bool playedOut()
    {
        return testkit::pumpUntil([&] {
            return !window.puzzle().hasWaitingPlayback() && !window.puzzle().isPlayingBack() &&
                   !window.puzzle().isTurning();
        });
    }
};

TEST_F(Patterns, DamierLeavesACheckerboardAndChoosingItAgainReplaysIt)
{
    ReferenceCube checkerboard;
    checkerboard.play("OORRWWYYGGBB");
    choose(0);
    EXPECT_FALSE(list().view()->isVisible()) << "the drop-down closes before the playback";
    ASSERT_TRUE(playedOut());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), checkerboard), "");
    EXPECT_EQ(list().itemIndex(), 0) << "the choice stays on the played pattern";
    EXPECT_FALSE(window.panel().pbFun->isVisible());
    EXPECT_TRUE(window.panel().recCommand->isEnabled());
    choose(0);
    ASSERT_TRUE(playedOut());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), checkerboard), "");
}

TEST_F(Patterns, AScrambledCubeIsRestoredBeforeThePatternPlays)
{
    QTest::keyClicks(&window, "RbWY");
    choose(8);
    ASSERT_TRUE(playedOut());
    ReferenceCube model;
    model.play("GBROGBROGBRO");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

TEST_F(Patterns, EveryPatternChosenInTheListEndsAsTheModel)
{
    for (int i = 0; i < engine::kPatternCount; ++i) {
        choose(i);
        ASSERT_TRUE(playedOut());
        ReferenceCube model;
        model.play(engine::FUN_VALUES[std::size_t(i)]);
        EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "") << engine::FUN_LABELS[std::size_t(i)];
    }
}

TEST_F(Patterns, TheBarCountsEveryCharacterWhileThePanelStaysDimmed)
{
    std::vector<int> atFinish;
    bool panelEnabledDuringPattern = false;
    bool barDimmed = false;
    for (platform::FloatAnimation* turn : window.cube().turns) {
        auto finish = turn->onFinish;
        turn->onFinish = [&, finish](platform::FloatAnimation& a) {
            finish(a);
            atFinish.push_back(window.panel().pbFun->value());
        };
    }
    auto watch =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (!window.puzzle().isPlayingBack())
                return;
            panelEnabledDuringPattern |= window.panel().recCommand->isEnabled();
            barDimmed |= !window.panel().pbFun->isEnabled() || !window.panel().pbFun->isVisible() ||
                         platform::DisabledDimming::drawnOpacity(window.panel().pbFun) != 1.0;
        });
    choose(5); // Damier coloré (21): 20 moves and an "F"
    ASSERT_TRUE(playedOut());
    QObject::disconnect(watch);
    std::vector<int> expected;
    for (int i = 1; i <= 19; ++i)
        expected.push_back(i);
    expected.push_back(21); // full after the 20th character, the "F"
    EXPECT_EQ(atFinish, expected);
    EXPECT_EQ(window.panel().pbFun->maximum(), 21);
    EXPECT_EQ(window.panel().pbFun->value(), 21);
    EXPECT_FALSE(panelEnabledDuringPattern) << "not even between two turns";
    EXPECT_FALSE(barDimmed);
}

TEST_F(Patterns, DuringAPatternTypedLettersAndStickerPressesChangeNothing)
{
    bool tried = false;
    auto meddle =
        QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped, &window, [&] {
            if (tried || !window.puzzle().isPlayingBack() || !window.puzzle().isTurning())
                return;
            tried = true;
            QTest::keyClicks(&window, "RRbw");
            platform::Plane& s = window.scene().get<platform::Plane>("PLCC6W");
            const QPointF p = pixelOf(s.absolutePosition());
            press(p);
            EXPECT_FALSE(window.press().MvtOn());
            QTest::mouseClick(window.panel().BtnRedLeft, Qt::LeftButton);
            list().setItemIndex(3); // nothing may start a second pattern
            release(p);
        });
    choose(1);
    ASSERT_TRUE(playedOut());
    QObject::disconnect(meddle);
    EXPECT_TRUE(tried);
    ReferenceCube model;
    model.play("RRGGOORRGGor");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

TEST_F(Patterns, AColourButtonAStickerDragAndTheStartPositionClearTheChoice)
{
    choose(0);
    ASSERT_TRUE(playedOut());
    QTest::mouseClick(window.panel().BtnGreenLeft, Qt::LeftButton);
    EXPECT_EQ(list().itemIndex(), -1);

    choose(0);
    ASSERT_TRUE(playedOut());
    window.cube().Dummy->setDeclaredRotation({}, {});
    platform::Plane* corner = nullptr;
    for (platform::Plane* s : window.cube().stickers)
        if ((s->parent()->position() - QVector3D(3, 3, -3)).length() < 0.1f &&
            cube::GetStickPosition(*s) == cube::TStickPosition::PoFront)
            corner = s;
    ASSERT_NE(corner, nullptr);
    press(pixelOf(corner->absolutePosition()));
    moveTo(pixelOf(corner->absolutePosition() + QVector3D(0, -1.2f, 0)));
    release(pixelOf(corner->absolutePosition()));
    EXPECT_EQ(list().itemIndex(), -1);

    choose(0);
    ASSERT_TRUE(playedOut());
    window.askRestore = [] { return TAnswer::Yes; };
    clickStart();
    EXPECT_EQ(list().itemIndex(), -1);
}

TEST_F(Patterns, NoneChosenFromCodeAndTheWheelStartNothing)
{
    list().setItemIndex(-1);
    const QPoint centre = list().rect().center();
    QWheelEvent wheel(centre, list().mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&list(), &wheel);
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(list().itemIndex(), -1);
    EXPECT_FALSE(window.puzzle().hasWaitingPlayback());
    EXPECT_FALSE(window.puzzle().isPlayingBack());
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "");
}

TEST_F(Patterns, AKeyboardChoiceOnTheClosedListPlaysWithoutOpeningIt)
{
    window.activateWindow();
    list().setFocus();
    ASSERT_TRUE(testkit::pumpUntil([&] { return list().hasFocus(); }));
    QTest::keyClick(&list(), Qt::Key_Down);
    EXPECT_FALSE(list().view()->isVisible());
    ASSERT_TRUE(playedOut());
    EXPECT_FALSE(list().view()->isVisible());
    ReferenceCube model;
    model.play("OORRWWYYGGBB");
    EXPECT_EQ(testkit::compareWithModel(window.cube(), model), "");
}

} // namespace
