// Sticker placements, their classification and the re-mapping after a turn.
#include "cube/StickPlacement.h"

#include "platform/scene/Scene.h"

#include <gtest/gtest.h>

using namespace velmar;
using cube::TStickPosition;
using P = TStickPosition;

namespace {

class Sticker : public ::testing::Test {
protected:
    platform::Scene scene;
    platform::Box& piece = scene.add<platform::Box>(nullptr, "piece", QVector3D(3, 3, 3));
    platform::Plane& stick = scene.add<platform::Plane>(&piece, "stick", QSizeF(3, 3));
};

struct PlacementRow {
    P position;
    QVector3D offset;
    QVector3D ownX, ownY; // the sticker's own axes in the piece's frame
};

class Placements : public Sticker, public ::testing::WithParamInterface<PlacementRow> {};

TEST_P(Placements, OffsetAxesAndOutwardFacingSide)
{
    const PlacementRow& row = GetParam();
    cube::MoveStickTo(stick, row.position);
    EXPECT_EQ(stick.position(), row.offset);
    const QQuaternion q = stick.orientation();
    auto expectNear = [](QVector3D got, QVector3D want) {
        EXPECT_NEAR((got - want).length(), 0, 1e-5) << got.x() << "," << got.y() << "," << got.z();
    };
    expectNear(q.rotatedVector({1, 0, 0}), row.ownX);
    expectNear(q.rotatedVector({0, 1, 0}), row.ownY);
    // The visible side (own -Z) points outwards.
    expectNear(q.rotatedVector({0, 0, -1}), row.offset / 1.51f);
    EXPECT_EQ(cube::GetStickPosition(stick), row.position);
}

INSTANTIATE_TEST_SUITE_P(AllSix, Placements,
                         ::testing::Values(PlacementRow{P::PoFront, {0, 0, -1.51f}, {1, 0, 0}, {0, 1, 0}},
                                           PlacementRow{P::PoBack, {0, 0, 1.51f}, {1, 0, 0}, {0, -1, 0}},
                                           PlacementRow{P::PoTop, {0, -1.51f, 0}, {1, 0, 0}, {0, 0, -1}},
                                           PlacementRow{P::PoBottom, {0, 1.51f, 0}, {1, 0, 0}, {0, 0, 1}},
                                           PlacementRow{P::PoLeft, {-1.51f, 0, 0}, {0, 0, -1}, {0, 1, 0}},
                                           PlacementRow{P::PoRight, {1.51f, 0, 0}, {0, 0, 1}, {0, 1, 0}}));

TEST_F(Sticker, ClassificationToleratesASmallOffsetAndFallsBackToNone)
{
    stick.setPosition({0.05f, -1.49f, 0.02f});
    EXPECT_EQ(cube::GetStickPosition(stick), P::PoTop);
    stick.setPosition({0.3f, 0.2f, 0.9f});
    EXPECT_EQ(cube::GetStickPosition(stick), P::PoNone);
    // Later tests override earlier ones.
    stick.setPosition({1.51f, -1.51f, -1.51f});
    EXPECT_EQ(cube::GetStickPosition(stick), P::PoFront);
}

TEST_F(Sticker, MoveStickResetsBeforeApplyingTheAngles)
{
    stick.setRotationAngleZ(37);
    cube::MoveStick(stick, 0, 0, 1.51f, 180, 0, 0);
    EXPECT_EQ(stick.rotationAngle(), QVector3D(180, 0, 0));
    EXPECT_NEAR(std::abs(stick.orientation().x()), 1, 1e-6);
}

TEST_F(Sticker, TurnAboutZFromTopGoesRightAndFrontStays)
{
    platform::Plane& front = scene.add<platform::Plane>(&piece, "front", QSizeF(3, 3));
    cube::MoveStickTo(stick, P::PoTop);
    cube::MoveStickTo(front, P::PoFront);
    cube::TurnZPlan(piece, 90);
    EXPECT_EQ(stick.position(), QVector3D(1.51f, 0, 0));
    EXPECT_EQ(stick.rotationAngle(), QVector3D(0, -90, 0));
    EXPECT_EQ(front.position(), QVector3D(0, 0, -1.51f));
}

TEST_F(Sticker, AStickerNowhereIsNeverMoved)
{
    stick.setPosition({0.3f, 0.2f, 0.9f});
    for (auto plan : {cube::TurnXPlan, cube::TurnYPlan, cube::TurnZPlan})
        for (std::int8_t d : {std::int8_t(90), std::int8_t(-90)}) {
            plan(piece, d);
            EXPECT_EQ(stick.position(), QVector3D(0.3f, 0.2f, 0.9f));
        }
}

TEST_F(Sticker, AnUnexpectedDirectionMovesNothing)
{
    cube::MoveStickTo(stick, P::PoTop);
    cube::TurnZPlan(piece, 0);
    EXPECT_EQ(cube::GetStickPosition(stick), P::PoTop);
}

// Each re-mapping equals the side's outward direction turned by +-90 degrees about the axis.
class Remapping : public Sticker,
                  public ::testing::WithParamInterface<std::tuple<int /*axis*/, std::int8_t /*direction*/>> {};

TEST_P(Remapping, MatchesTheRotatedOutwardDirectionAndFourTimesIsHome)
{
    const auto [axis, direction] = GetParam();
    void (*plan)(platform::SceneObject&, std::int8_t) = axis == 0   ? cube::TurnXPlan
                                                        : axis == 1 ? cube::TurnYPlan
                                                                    : cube::TurnZPlan;
    const QVector3D axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const QQuaternion turn = QQuaternion::fromAxisAndAngle(axes[axis], float(direction));
    for (int i = 0; i < cube::kStickPositionCount; ++i) {
        const P from = P(i);
        cube::MoveStickTo(stick, from);
        plan(piece, direction);
        const QVector3D want = turn.rotatedVector(cube::outwardOf(from));
        const QVector3D got = cube::outwardOf(cube::GetStickPosition(stick));
        EXPECT_NEAR((got - want).length(), 0, 1e-5) << "from " << from;
        // Destinations are exact placements, never rotated offsets.
        EXPECT_EQ(stick.position(), cube::placementOf(cube::GetStickPosition(stick)).offset);
        plan(piece, direction);
        plan(piece, direction);
        plan(piece, direction);
        EXPECT_EQ(cube::GetStickPosition(stick), from);
        EXPECT_EQ(stick.position(), cube::placementOf(from).offset);
    }
}

INSTANTIATE_TEST_SUITE_P(AllAxes, Remapping,
                         ::testing::Combine(::testing::Values(0, 1, 2),
                                            ::testing::Values(std::int8_t(90), std::int8_t(-90))));

TEST_F(Sticker, EachChildIsClassifiedOnceBeforeItMoves)
{
    // Two stickers where one's destination is the other's origin: each moves exactly one step.
    platform::Plane& second = scene.add<platform::Plane>(&piece, "second", QSizeF(3, 3));
    cube::MoveStickTo(stick, P::PoTop);
    cube::MoveStickTo(second, P::PoRight);
    cube::TurnZPlan(piece, 90);
    EXPECT_EQ(cube::GetStickPosition(stick), P::PoRight);
    EXPECT_EQ(cube::GetStickPosition(second), P::PoBottom);
}

} // namespace
