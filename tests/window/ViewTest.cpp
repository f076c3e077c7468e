// Orbiting the view through real events: background drags, the dials, auto-rotation, the camera
// distance, and the pointer routing that keeps stray moves from reaching the cube.
#include "WindowFixture.h"

#include "platform/controls/ArcDial.h"
#include "platform/controls/CalloutPanel.h"
#include "platform/controls/FloatSlider.h"

#include "support/ReferenceCube.h"

#include <QCheckBox>

#include <optional>

using namespace velmar;
using velmar::testkit::ReferenceCube;
using P = cube::TStickPosition;

namespace {

bool sameRotation(const QQuaternion& a, const QQuaternion& b, float tolerance = 1e-4f)
{
    return std::abs(std::abs(QQuaternion::dotProduct(a.normalized(), b.normalized())) - 1.0f) < tolerance;
}

class ViewControls : public velmar::testkit::ShownWindow {
protected:
    platform::ArcDial& dialX() { return *window.panel().ArcDialX; }
    platform::ArcDial& dialY() { return *window.panel().ArcDialY; }
    platform::ArcDial& dialZ() { return *window.panel().ArcDialZ; }
    QQuaternion rig() { return window.cube().Dummy->orientation(); }
    // Far away, the cube is small and most of the view is background.
    void zoomOut() { window.panel().TbSize->setValue(0); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
};

TEST_F(ViewControls, AMoveOfExactlyThreeIsNothingAndThreeAndAHalfIsOneStep)
{
    zoomOut();
    press({20, 20});
    moveTo({23, 20});
    EXPECT_EQ(dialY().value(), -45.0f);
    EXPECT_EQ(window.press().backgroundReference().x(), 20.0f) << "the reference stays";
    moveTo({23.5, 20});
    EXPECT_EQ(dialY().value(), -40.0f);
    EXPECT_EQ(window.press().backgroundReference().x(), 23.5f);
    EXPECT_EQ(window.press().Direction(), input::TDirection::DiRight);
    release({23.5, 20});
}

TEST_F(ViewControls, EachMoveEventIsOneFiveDegreeStepWhateverTheDistance)
{
    zoomOut();
    press({20, 200});
    moveTo({400, 200});
    EXPECT_EQ(dialY().value(), -40.0f);
    moveTo({400, 20}); // up
    EXPECT_EQ(dialX().value(), -30.0f);
    moveTo({400, 300}); // down
    EXPECT_EQ(dialX().value(), -35.0f);
    moveTo({300, 300}); // left
    EXPECT_EQ(dialY().value(), -45.0f);
    moveTo({340, 340}); // diagonal counts as vertical
    EXPECT_EQ(dialX().value(), -40.0f);
    EXPECT_EQ(dialY().value(), -45.0f);
    release({340, 340});
}

TEST_F(ViewControls, AHundredStepsRightReadFourHundredAndFiftyFive)
{
    zoomOut();
    press({10, 10});
    for (int i = 1; i <= 100; ++i)
        moveTo({10 + 3.5 * i, 10});
    release({360, 10});
    EXPECT_EQ(dialY().value(), 455.0f) << "dial values are never wrapped";
    EXPECT_FLOAT_EQ(window.cube().Dummy->rotationAngle().y(), 95) << "the rig's angle is";
}

TEST_F(ViewControls, TheRightButtonStoresTheReferenceButNeverOrbits)
{
    zoomOut();
    press({50, 50}, Qt::RightButton);
    EXPECT_EQ(window.press().backgroundReference().x(), 50.0f);
    moveTo({150, 50}, Qt::RightButton);
    release({150, 50}, Qt::RightButton);
    EXPECT_EQ(dialY().value(), -45.0f);
    EXPECT_EQ(dialX().value(), -35.0f);
}

TEST_F(ViewControls, TheRigTurnsAboutItsOwnAxesByEachDifference)
{
    const QQuaternion declared = rig();
    // The first change writes all three dials; X differs from the rig's -36 by 1 more than the change.
    dialX().setValue(-30);
    EXPECT_TRUE(sameRotation(rig(), declared * QQuaternion::fromAxisAndAngle(1, 0, 0, 6)));
    const QQuaternion before = rig();
    dialY().setValue(45);
    EXPECT_TRUE(sameRotation(rig(), before * QQuaternion::fromAxisAndAngle(0, 1, 0, 90)));
    // X and Y away and back again, in the same order: the dials read as before, the view does not.
    dialX().setValue(30);
    dialX().setValue(-30);
    EXPECT_TRUE(sameRotation(rig(), before * QQuaternion::fromAxisAndAngle(0, 1, 0, 90)));
    dialX().setValue(30);
    dialY().setValue(-45);
    dialX().setValue(-30);
    EXPECT_EQ(window.cube().Dummy->rotationAngle(), QVector3D(-30, -45, -18));
    EXPECT_FALSE(sameRotation(rig(), before, 1e-3f)) << "the view depends on the order of the changes";
}

TEST_F(ViewControls, DraggingOnADialSetsItToThePointersAngle)
{
    QWidget* dial = window.panel().ArcDialZ;
    const QPoint above(dial->width() / 2, 2);
    QTest::mousePress(dial, Qt::LeftButton, {}, above);
    EXPECT_FLOAT_EQ(dialZ().value(), 90);
    EXPECT_FLOAT_EQ(window.cube().Dummy->rotationAngle().z(), 90);
    QTest::mouseMove(dial, QPoint(2, dial->height() / 2));
    EXPECT_FLOAT_EQ(dialZ().value(), -180);
    QTest::mouseRelease(dial, Qt::LeftButton, {}, QPoint(2, dial->height() / 2));
}

class AutoRotation : public ViewControls {
protected:
    // Replaces the stepping clock while it lives; the window's start-up ran on that one.
    std::optional<testkit::ManualClockScope> manual;
    void SetUp() override
    {
        ViewControls::SetUp();
        manual.emplace();
    }
    void TearDown() override { manual.reset(); }
    void at(double t) { manual->at(t); }
};

TEST_F(AutoRotation, TickingJumpsTheDialTo360AndItFallsLinearly)
{
    const QQuaternion before = rig();
    click(window.panel().CbRotateX);
    ASSERT_TRUE(window.panel().CbRotateX->isChecked());
    EXPECT_EQ(dialX().value(), 360.0f);
    EXPECT_FALSE(sameRotation(rig(), before, 1e-3f)) << "the view jumps with the dial";
    at(2.75); // a quarter of the 11 s period
    EXPECT_FLOAT_EQ(dialX().value(), 270);
    at(5.5);
    EXPECT_FLOAT_EQ(dialX().value(), 180);
    EXPECT_FLOAT_EQ(window.cube().Dummy->rotationAngle().x(), 180);
    at(11.0 + 2.75); // and round again
    EXPECT_FLOAT_EQ(dialX().value(), 270);
    click(window.panel().CbRotateX);
    EXPECT_EQ(dialX().value(), 0.0f) << "unticking leaves the dial at 0";
    EXPECT_FALSE(window.view().autoRotation(platform::Axis::X).running());
    EXPECT_FALSE(platform::AnimationDriver::shared().isActive() &&
                 window.view().autoRotation(platform::Axis::X).running());
}

TEST_F(AutoRotation, TheSpeedSliderSetsThePeriodAndARunningRotationKeepsGoing)
{
    click(window.panel().CbRotateY);
    window.panel().TbSpeedRotation->setValue(20);
    EXPECT_EQ(window.panel().CPnlSpeedRotatHint->panel().text(), "2.0 s");
    for (platform::Axis axis : {platform::Axis::X, platform::Axis::Y, platform::Axis::Z})
        EXPECT_FLOAT_EQ(window.view().autoRotation(axis).duration(), 2);
    EXPECT_TRUE(window.view().autoRotation(platform::Axis::Y).running());
    window.panel().TbSpeedRotation->setValue(3);
    EXPECT_EQ(window.panel().CPnlSpeedRotatHint->panel().text(), "19.0 s");
    EXPECT_FLOAT_EQ(window.view().autoRotation(platform::Axis::Z).duration(), 19);
    window.panel().TbSpeedRotation->setValue(-100);
    EXPECT_EQ(window.panel().TbSpeedRotation->value(), 3.0) << "clamped to its range";
}

TEST_F(AutoRotation, UntickingAllThreeLeavesTheRigUnrotated)
{
    click(window.panel().CbRotateX);
    click(window.panel().CbRotateY);
    click(window.panel().CbRotateZ);
    at(1.3);
    at(4.1);
    click(window.panel().CbRotateX);
    click(window.panel().CbRotateY);
    click(window.panel().CbRotateZ);
    EXPECT_EQ(dialX().value(), 0.0f);
    EXPECT_EQ(dialY().value(), 0.0f);
    EXPECT_EQ(dialZ().value(), 0.0f);
    EXPECT_TRUE(sameRotation(rig(), QQuaternion()));
    EXPECT_EQ(window.cube().Camera->absolutePosition(), QVector3D(0, 0, -21)) << "on the -Z side, looking along +Z";
    EXPECT_FALSE(platform::AnimationDriver::shared().isActive() &&
                 (window.view().autoRotation(platform::Axis::X).running() ||
                  window.view().autoRotation(platform::Axis::Z).running()));
}

TEST_F(ViewControls, TheSizeSliderMovesTheCameraAlongTheRig)
{
    window.panel().TbSize->setValue(0);
    EXPECT_FLOAT_EQ(window.cube().Camera->position().z(), -60);
    EXPECT_EQ(window.panel().CpnlCubeSize->panel().text(), "10");
    window.panel().TbSize->setValue(50);
    EXPECT_FLOAT_EQ(window.cube().Camera->position().z(), -10);
    EXPECT_EQ(window.panel().CpnlCubeSize->panel().text(), "60");
}

class OrbitAndStickers : public ViewControls {
protected:
    platform::Plane& frontCorner() { return window.scene().get<platform::Plane>("PLCC2R"); }
    QPointF onSticker(platform::SceneObject& s, QVector3D own = {})
    {
        return pixelOf(s.absolutePosition() + s.worldRotation().rotatedVector(own));
    }
};

TEST_F(OrbitAndStickers, AnArmedStickerDragNeverOrbits)
{
    zoomOut();
    platform::Plane& stick = frontCorner();
    press(onSticker(stick));
    ASSERT_TRUE(window.press().MvtOn());
    moveTo({10, 10});
    moveTo({10, 200});
    EXPECT_EQ(dialX().value(), -35.0f);
    EXPECT_EQ(dialY().value(), -45.0f);
    release({10, 200});
    EXPECT_FALSE(window.press().MvtOn()) << "the release over the background disarms";
}

TEST_F(OrbitAndStickers, AfterADragHasTurnedAFaceTheBackgroundOrbitsFromTheLastReference)
{
    for (platform::FloatAnimation* turn : window.cube().turns)
        turn->setDuration(0.1f);
    press({5, 300});
    release({5, 300});
    platform::Plane& stick = frontCorner();
    press(onSticker(stick, {0, 1.2f, 0}));
    moveTo(onSticker(stick, {0, -1.2f, 0})); // front, +3 X, upwards: B
    ReferenceCube model;
    model.play("B");
    ASSERT_EQ(testkit::compareWithModel(window.cube(), model), "");
    ASSERT_FALSE(window.press().MvtOn());
    // Left button still held, now over the background: measured from (5, 300), up wins over right.
    moveTo({40, 200});
    EXPECT_EQ(dialX().value(), -30.0f);
    EXPECT_EQ(dialY().value(), -45.0f);
    release({40, 200});
}

TEST_F(OrbitAndStickers, MovesOutsideTheViewReachNoStickerAndOnlyACaptureOrbits)
{
    window.panel().TbSize->setValue(50); // close up: off-screen stickers lie beyond the view's edges
    platform::Plane& stick = frontCorner();
    press(onSticker(stick));
    ASSERT_TRUE(window.press().MvtOn());
    const double below = view().height() + 60.0;
    for (double x = 0; x <= view().width(); x += 20)
        moveTo({x, below});
    release({200, below});
    EXPECT_EQ(testkit::compareWithModel(window.cube(), ReferenceCube()), "") << "nothing over the panel turns a face";
    EXPECT_TRUE(window.press().MvtOn()) << "a release over the panel reaches no handler";
    release(onSticker(stick));
    EXPECT_FALSE(window.press().MvtOn());

    // A press on the empty view captures: moves and the release outside it still orbit.
    zoomOut();
    press({10, 10});
    moveTo({10, below});
    EXPECT_EQ(dialX().value(), -40.0f);
    release({10, below});
    EXPECT_FALSE(view().router().viewHasCapture());
}

TEST_F(OrbitAndStickers, TheLightFollowsTheCamera)
{
    // Seen straight on, any face is lit alike, because the light turns with the camera: the red
    // channel of the red front and of the white top agree.
    auto redChannelOfFaceSeenStraightOn = [&](const QQuaternion& rigTurn, QVector3D faceCentre) {
        window.cube().Dummy->setDeclaredRotation(rigTurn, {});
        QTest::qWait(30);
        const QImage shot = view().grabFrame();
        const QPointF p = pixelOf(faceCentre) * view().devicePixelRatio();
        return shot.pixelColor(p.toPoint()).red();
    };
    const int front = redChannelOfFaceSeenStraightOn({}, {0, 0, -4.51f});
    const int top = redChannelOfFaceSeenStraightOn(QQuaternion::fromAxisAndAngle(1, 0, 0, -90), {0, -4.51f, 0});
    EXPECT_GT(front, 60);
    EXPECT_NEAR(front, top, 6);
}

} // namespace
