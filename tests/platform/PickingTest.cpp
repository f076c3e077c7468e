// Pick rays, nearest-hit testing and pointer routing on small hand-made scenes.
#include "platform/scene/Picking.h"
#include "platform/scene/PointerRouter.h"
#include "platform/scene/Scene.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmar::platform;

namespace {

const float t = float(std::tan(22.5 * M_PI / 180));

class SmallScene : public ::testing::Test {
protected:
    Scene scene;
    Dummy& rig = scene.add<Dummy>(nullptr, "rig");
    Camera& camera = scene.add<Camera>(&rig, "camera");
    const QSizeF view{400, 200};

    void SetUp() override { camera.setPosition({0, 0, -20}); }
};

TEST_F(SmallScene, PickRayThroughCentreAndCorners)
{
    Ray centre = pickRay(camera, view, {200, 100});
    EXPECT_EQ(centre.origin, QVector3D(0, 0, -20));
    EXPECT_NEAR(centre.direction.x(), 0, 1e-6);
    EXPECT_NEAR(centre.direction.y(), 0, 1e-6);
    EXPECT_NEAR(centre.direction.z(), 1, 1e-6);

    // Bottom-right pixel: x = aspect * t, y = t (Y is down on screen and in the scene).
    Ray corner = pickRay(camera, view, {400, 200});
    EXPECT_NEAR(corner.direction.x(), 2 * t, 1e-6);
    EXPECT_NEAR(corner.direction.y(), t, 1e-6);
}

TEST_F(SmallScene, PickRayFollowsTheRig)
{
    rig.setRotationAngleY(90); // (x, y, z) -> (z, y, -x): the camera moves to -X and looks along +X
    Ray r = pickRay(camera, view, {200, 100});
    EXPECT_NEAR(r.origin.x(), -20, 1e-4);
    EXPECT_NEAR(r.direction.x(), 1, 1e-6);
    EXPECT_NEAR(r.direction.z(), 0, 1e-6);
}

TEST_F(SmallScene, ProjectionInvertsThePickRay)
{
    rig.setRotationAngleX(-30);
    rig.setRotationAngleY(40);
    const QVector3D target(1.5f, -2, 0.5f);
    const QVector3D p = camera.worldTransform().inverted().map(target);
    const QPointF pixel(view.width() / 2 + p.x() / (p.z() * t) * view.height() / 2,
                        view.height() / 2 + p.y() / (p.z() * t) * view.height() / 2);
    const Ray r = pickRay(camera, view, pixel);
    const QVector3D toTarget = (target - r.origin).normalized();
    const QVector3D d = r.direction.normalized();
    EXPECT_NEAR(QVector3D::dotProduct(d, toTarget), 1, 1e-5);
}

TEST_F(SmallScene, NearestOfTwoBoxesWins)
{
    Box& far = scene.add<Box>(nullptr, "far", QVector3D(3, 3, 3));
    far.setPosition({0, 0, 5});
    Box& near = scene.add<Box>(nullptr, "near", QVector3D(3, 3, 3));
    near.setPosition({0, 0, -5});
    Hit hit = hitTest(scene, pickRay(camera, view, {200, 100}));
    EXPECT_EQ(hit.object, &near);
    EXPECT_NEAR(hit.distance, 13.5, 1e-4);
    near.setVisible(false);
    EXPECT_EQ(hitTest(scene, pickRay(camera, view, {200, 100})).object, &far);
}

TEST_F(SmallScene, StickerPlaneInFrontOfItsBoxIsHit)
{
    Box& box = scene.add<Box>(nullptr, "box", QVector3D(3, 3, 3));
    Plane& front = scene.add<Plane>(&box, "front", QSizeF(3, 3));
    front.setPosition({0, 0, -1.51f});
    Plane& back = scene.add<Plane>(&box, "back", QSizeF(3, 3));
    back.setPosition({0, 0, 1.51f});
    back.setRotationAngleX(180);
    EXPECT_EQ(hitTest(scene, pickRay(camera, view, {200, 100})).object, &front);
    // Just outside the sticker (but inside the view) nothing is hit.
    EXPECT_EQ(hitTest(scene, pickRay(camera, view, {10, 10})).object, nullptr);
}

TEST_F(SmallScene, RayIsGivenInTheReceiversOwnFrame)
{
    Box& box = scene.add<Box>(nullptr, "box", QVector3D(3, 3, 3));
    box.setPosition({0, 0, 2});
    box.setRotationAngleY(90); // own +X is world -Z
    const Ray world = pickRay(camera, view, {200, 100});
    const Ray local = toObjectFrame(box, world);
    // World direction +Z is own -X; origin (0,0,-20) is (0,0,-22) from the box, i.e. own +X 22.
    EXPECT_NEAR(local.direction.x(), -1, 1e-6);
    EXPECT_NEAR(local.direction.z(), 0, 1e-6);
    EXPECT_NEAR(local.origin.x(), 22, 1e-4);
    EXPECT_NEAR(local.origin.z(), 0, 1e-4);
}

class Routing : public SmallScene {
protected:
    Box& box = scene.add<Box>(nullptr, "box", QVector3D(3, 3, 3));
    PointerRouter router{scene, camera};
    std::vector<std::string> log;

    void SetUp() override
    {
        SmallScene::SetUp();
        box.onMouseDown = [this](SceneObject&, const PointerEvent& e) {
            log.push_back("box down");
            EXPECT_NEAR(e.rayDir.length(), 1, 1e-6);
        };
        box.onMouseMove = [this](SceneObject&, const PointerEvent&) { log.push_back("box move"); };
        box.onMouseUp = [this](SceneObject&, const PointerEvent&) { log.push_back("box up"); };
        router.onViewMouseDown = [this](const PointerEvent&) { log.push_back("view down"); };
        router.onViewMouseMove = [this](const PointerEvent&) { log.push_back("view move"); };
        router.onViewMouseUp = [this](const PointerEvent&) { log.push_back("view up"); };
    }
    static constexpr QPointF onBox{200, 100};
    static constexpr QPointF onView{20, 20};
};

TEST_F(Routing, LeftPressOnTheViewCapturesMovesAndRelease)
{
    router.press(view, onView, Qt::LeftButton, Qt::LeftButton, {});
    EXPECT_TRUE(router.viewHasCapture());
    router.move(view, onBox, Qt::LeftButton, {});
    router.release(view, onBox, Qt::LeftButton, {}, {});
    EXPECT_FALSE(router.viewHasCapture());
    router.move(view, onBox, {}, {});
    EXPECT_EQ(log, (std::vector<std::string>{"view down", "view move", "view up", "box move"}));
}

TEST_F(Routing, RightPressOnTheViewDoesNotCapture)
{
    router.press(view, onView, Qt::RightButton, Qt::RightButton, {});
    EXPECT_FALSE(router.viewHasCapture());
    router.move(view, onBox, Qt::RightButton, {});
    EXPECT_EQ(log, (std::vector<std::string>{"view down", "box move"}));
}

TEST_F(Routing, PressOnAnObjectCapturesNothing)
{
    router.press(view, onBox, Qt::LeftButton, Qt::LeftButton, {});
    EXPECT_FALSE(router.viewHasCapture());
    router.move(view, onView, Qt::LeftButton, {});
    router.move(view, onBox, Qt::LeftButton, {});
    router.release(view, onView, Qt::LeftButton, {}, {});
    EXPECT_EQ(log, (std::vector<std::string>{"box down", "view move", "box move", "view up"}));
}

TEST_F(Routing, AnObjectWithoutHandlersStillTakesTheEvent)
{
    Box& shield = scene.add<Box>(nullptr, "shield", QVector3D(3, 3, 0.1f));
    shield.setPosition({0, 0, -5});
    router.press(view, onBox, Qt::LeftButton, Qt::LeftButton, {});
    router.release(view, onBox, Qt::LeftButton, {}, {});
    EXPECT_TRUE(log.empty());
}

} // namespace
