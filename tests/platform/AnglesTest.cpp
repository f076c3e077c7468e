// The set-one-angle rule, the scene tree and absolute positions.
#include "platform/scene/Scene.h"

#include <QQuaternion>
#include <gtest/gtest.h>

#include <cmath>

using namespace velmar::platform;

namespace {

// q and -q are the same rotation.
::testing::AssertionResult sameRotation(const QQuaternion& a, const QQuaternion& b, float eps = 1e-5f)
{
    const float d = std::abs(QQuaternion::dotProduct(a.normalized(), b.normalized()));
    if (std::abs(d - 1.0f) <= eps)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rotations differ, |dot| = " << d;
}

void expectVec(const QVector3D& got, const QVector3D& want, float eps = 1e-5f)
{
    EXPECT_NEAR(got.x(), want.x(), eps);
    EXPECT_NEAR(got.y(), want.y(), eps);
    EXPECT_NEAR(got.z(), want.z(), eps);
}

TEST(NormaliseAngle, EdgesOfTheRange)
{
    EXPECT_DOUBLE_EQ(normaliseAngle(180), 180);
    EXPECT_DOUBLE_EQ(normaliseAngle(-180), -180);
    EXPECT_DOUBLE_EQ(normaliseAngle(540), 180);
    EXPECT_DOUBLE_EQ(normaliseAngle(-540), -180);
    EXPECT_DOUBLE_EQ(normaliseAngle(360), 0);
    EXPECT_DOUBLE_EQ(normaliseAngle(270), 270); // not folded to -90: the range is [-180, 360)
    EXPECT_DOUBLE_EQ(normaliseAngle(-200), 160);
    EXPECT_DOUBLE_EQ(normaliseAngle(-270), 90);
    EXPECT_DOUBLE_EQ(normaliseAngle(725), 5);
}

class AngleRule : public ::testing::Test {
protected:
    Scene scene;
    Dummy& object = scene.add<Dummy>(nullptr, "object");
};

TEST_F(AngleRule, QuarterTurnsFollowTheCubeConventions)
{
    object.setRotationAngleX(90);
    expectVec(object.orientation().rotatedVector({1, 2, 3}), {1, -3, 2});
    object.resetRotation();
    object.setRotationAngleY(90);
    expectVec(object.orientation().rotatedVector({1, 2, 3}), {3, 2, -1});
    object.resetRotation();
    object.setRotationAngleZ(90);
    expectVec(object.orientation().rotatedVector({1, 2, 3}), {-2, 1, 3});
    // Top (-Y) goes to the right (+X).
    expectVec(object.orientation().rotatedVector({0, -1, 0}), {1, 0, 0});
}

TEST_F(AngleRule, StoresTheNormalisedAngle)
{
    object.setRotationAngleY(540);
    EXPECT_FLOAT_EQ(object.rotationAngle().y(), 180);
    EXPECT_TRUE(sameRotation(object.orientation(), QQuaternion::fromAxisAndAngle(0, 1, 0, 180)));
}

TEST_F(AngleRule, ADifferenceOfWholeTurnsTurnsNothing)
{
    object.setRotationAngleX(10);
    object.setRotationAngleY(20);
    const QQuaternion before = object.orientation();
    object.setRotationAngleX(370);
    EXPECT_FLOAT_EQ(object.rotationAngle().x(), 10);
    EXPECT_TRUE(sameRotation(object.orientation(), before));
}

TEST_F(AngleRule, EachWriteTurnsAboutTheObjectsOwnAxisByTheDifference)
{
    object.setRotationAngleZ(30);
    object.setRotationAngleZ(100);
    EXPECT_TRUE(sameRotation(object.orientation(), QQuaternion::fromAxisAndAngle(0, 0, 1, 100)));
    // From 100 to -100 is N(-200) = 160 degrees further.
    object.setRotationAngleZ(-100);
    EXPECT_TRUE(sameRotation(object.orientation(), QQuaternion::fromAxisAndAngle(0, 0, 1, 260)));
}

TEST_F(AngleRule, TheResultDependsOnTheSequence)
{
    object.setRotationAngleX(90);
    object.setRotationAngleY(90);
    const QQuaternion xy = object.orientation();
    // Own axes: X first then Y about the turned Y axis.
    EXPECT_TRUE(
        sameRotation(xy, QQuaternion::fromAxisAndAngle(1, 0, 0, 90) * QQuaternion::fromAxisAndAngle(0, 1, 0, 90)));

    Dummy& other = scene.add<Dummy>(nullptr, "other");
    other.setRotationAngleY(90);
    other.setRotationAngleX(90);
    EXPECT_EQ(other.rotationAngle(), object.rotationAngle());
    EXPECT_FALSE(sameRotation(other.orientation(), xy));
}

TEST_F(AngleRule, ZeroOnAllThreeResetsToIdentity)
{
    object.setRotationAngleX(33);
    object.setRotationAngleY(-71);
    object.setRotationAngleX(0);
    EXPECT_FALSE(sameRotation(object.orientation(), QQuaternion()));
    object.setRotationAngleY(0);
    EXPECT_EQ(object.orientation(), QQuaternion());
}

TEST_F(AngleRule, DeclaredOrientationIsKeptAndChangedIncrementally)
{
    const QQuaternion declared = QQuaternion::fromAxisAndAngle(QVector3D(1, 2, 3).normalized(), 50);
    object.setDeclaredRotation(declared, {-36, -45, -18});
    EXPECT_TRUE(sameRotation(object.orientation(), declared));
    object.setRotationAngleX(-35);
    EXPECT_TRUE(sameRotation(object.orientation(), declared * QQuaternion::fromAxisAndAngle(1, 0, 0, 1)));
}

TEST_F(AngleRule, ResetIsIdentityWithZeroAngles)
{
    object.setRotationAngleX(45);
    object.resetRotation();
    EXPECT_EQ(object.orientation(), QQuaternion());
    EXPECT_EQ(object.rotationAngle(), QVector3D());
}

TEST(SceneTree, AbsolutePositionThroughRotatedParents)
{
    Scene scene;
    Dummy& root = scene.add<Dummy>(nullptr, "root");
    root.setPosition({1, 0, 0});
    root.setRotationAngleZ(90);
    Dummy& child = scene.add<Dummy>(&root, "child");
    child.setPosition({2, 0, 0});
    child.setRotationAngleX(90);
    Dummy& leaf = scene.add<Dummy>(&child, "leaf");
    leaf.setPosition({0, 1, 0});
    // child: (1,0,0) + Rz90(2,0,0) = (1,2,0); leaf: + Rz90 Rx90 (0,1,0) = Rz90 (0,0,1) = (0,0,1).
    expectVec(child.absolutePosition(), {1, 2, 0});
    expectVec(leaf.absolutePosition(), {1, 2, 1});
    expectVec(leaf.worldTransform().map(QVector3D()), {1, 2, 1});
    expectVec(leaf.toLocalPoint({1, 2, 1}), {0, 0, 0});
}

TEST(SceneTree, ReparentingKeepsLocalValuesAndTheComponentList)
{
    Scene scene;
    Dummy& a = scene.add<Dummy>(nullptr, "a");
    Dummy& b = scene.add<Dummy>(nullptr, "b");
    b.setPosition({0, 0, 3});
    b.setRotationAngleZ(90);
    Dummy& c = scene.add<Dummy>(&a, "c");
    Dummy& d = scene.add<Dummy>(&a, "d");
    c.setPosition({1, 2, 0});
    c.setRotationAngleY(30);
    const QQuaternion q = c.orientation();
    const std::vector<SceneObject*> before = scene.components();

    c.setParent(&b);
    EXPECT_EQ(c.position(), QVector3D(1, 2, 0));
    EXPECT_EQ(c.rotationAngle(), QVector3D(0, 30, 0));
    EXPECT_EQ(c.orientation(), q);
    EXPECT_EQ(c.parent(), &b);
    ASSERT_EQ(b.children().size(), 1u);
    EXPECT_EQ(a.children(), std::vector<SceneObject*>{&d});
    EXPECT_EQ(scene.components(), before);
    // Appended at the end of the new parent's children.
    d.setParent(&b);
    EXPECT_EQ(b.children(), (std::vector<SceneObject*>{&c, &d}));
}

TEST(SceneTree, SettersSignalOnlyRealChanges)
{
    Scene scene;
    Dummy& a = scene.add<Dummy>(nullptr, "a");
    int changes = 0;
    QObject::connect(&scene, &Scene::changed, [&] { ++changes; });
    a.setPosition({1, 1, 1});
    a.setPosition({1, 1, 1});
    a.setRotationAngleX(20);
    a.setRotationAngleX(20);
    EXPECT_EQ(changes, 2);
}

} // namespace
