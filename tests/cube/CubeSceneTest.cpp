// The declared scene right after start-up: names, tags, home positions, stickers, rig.
#include "cube/CubeScene.h"

#include "support/SceneReading.h"

#include <gtest/gtest.h>

#include <map>

#include <set>

using namespace velmar;
using cube::TStickPosition;

namespace {

class SolvedScene : public ::testing::Test {
protected:
    platform::Scene scene;
    cube::TCubeScene cube{scene};
};

TEST_F(SolvedScene, RootPivotsAndTags)
{
    auto& root = scene.get<platform::Box>("CubeCentral");
    EXPECT_EQ(root.tag(), 0);
    EXPECT_EQ(root.size(), QVector3D(0.5f, 0.5f, 0.5f));
    EXPECT_TRUE(root.material().isInvisible());
    EXPECT_EQ(scene.components().front(), &root);

    const std::pair<const char*, QVector3D> pivots[] = {{"GreenPivot", {-3, 0, 0}}, {"OrangePivot", {0, 0, 3}},
                                                        {"WhitePivot", {0, -3, 0}}, {"YellowPivot", {0, 3, 0}},
                                                        {"RedPivot", {0, 0, -3}},   {"BluePivot", {3, 0, 0}}};
    for (const auto& [name, position] : pivots) {
        auto& pivot = scene.get<platform::Box>(name);
        EXPECT_EQ(pivot.tag(), 1) << name;
        EXPECT_EQ(pivot.position(), position) << name;
        EXPECT_EQ(pivot.parent(), &root) << name;
        EXPECT_NE(pivot.material().texture, nullptr) << name;
    }
}

TEST_F(SolvedScene, TurnAnimationsAsDeclared)
{
    for (const char* name : {"FaTurnRed", "FaTurnOrange", "FaTurnWhite", "FaTurnYellow", "FaTurnGreen", "FaTurnBlue"}) {
        platform::FloatAnimation* a = scene.findAnimation(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->animationType(), platform::AnimationType::InOut);
        EXPECT_EQ(a->duration(), 1.0f);
        EXPECT_EQ(a->interpolation(), platform::Interpolation::Bounce);
        EXPECT_FALSE(a->running());
    }
}

TEST_F(SolvedScene, EachTurnAnimationDrivesItsOwnPivotAboutItsAxisAndNothingElse)
{
    struct Row {
        const char* animation;
        const char* pivot;
        int axis;
    };
    const Row rows[] = {{"FaTurnRed", "RedPivot", 2},     {"FaTurnOrange", "OrangePivot", 2},
                        {"FaTurnWhite", "WhitePivot", 1}, {"FaTurnYellow", "YellowPivot", 1},
                        {"FaTurnGreen", "GreenPivot", 0}, {"FaTurnBlue", "BluePivot", 0}};
    for (const Row& row : rows) {
        std::map<QString, QVector3D> before;
        for (const Row& other : rows)
            before[other.pivot] = scene.get<platform::Box>(other.pivot).rotationAngle();
        platform::FloatAnimation& turn = *scene.findAnimation(row.animation);
        turn.setStartValue(0);
        turn.setStopValue(90);
        turn.start();
        turn.stop();
        for (const Row& other : rows) {
            QVector3D expected = before[other.pivot];
            if (other.pivot == row.pivot)
                expected[row.axis] = 90;
            EXPECT_EQ(scene.get<platform::Box>(other.pivot).rotationAngle(), expected)
                << row.animation << " " << other.pivot;
        }
    }
}

TEST_F(SolvedScene, PiecesAtHomeWithTheirStickersOnTheirHomeFaces)
{
    int corners = 0, edges = 0;
    std::set<QString> names;
    for (const cube::PieceDecl& decl : cube::pieceTable()) {
        auto& piece = scene.get<platform::Box>(decl.name);
        EXPECT_EQ(piece.position(), decl.home) << decl.name;
        EXPECT_EQ(piece.orientation(), QQuaternion()) << decl.name;
        EXPECT_EQ(piece.parent(), &cube.CubeCentral);
        EXPECT_EQ(piece.material().diffuse, QColor(0, 0, 0));
        (piece.tag() == 3 ? corners : edges)++;
        EXPECT_EQ(piece.tag(), QString(decl.name).startsWith("CC") ? 3 : 2);
        EXPECT_EQ(piece.children().size(), std::strlen(decl.stickerLetters));
        for (platform::SceneObject* stick : piece.children()) {
            names.insert(stick->name());
            EXPECT_EQ(stick->kind(), platform::ObjectKind::Plane);
            const TStickPosition home = cube::homeFaceOfLetter(stick->name().back().toLatin1());
            EXPECT_EQ(cube::GetStickPosition(*stick), home) << stick->name().toStdString();
        }
    }
    EXPECT_EQ(corners, 8);
    EXPECT_EQ(edges, 12);
    EXPECT_EQ(names.size(), 48u);
    EXPECT_TRUE(names.count("PLCC1R") && names.count("PLCA12O") && names.count("PLCC8V"));
    EXPECT_EQ(velmar::testkit::compareWithModel(cube, velmar::testkit::ReferenceCube()), "");
}

TEST_F(SolvedScene, RigCameraAndLightAsDeclared)
{
    auto& rig = scene.get<platform::Dummy>("Dummy");
    EXPECT_EQ(rig.parent(), nullptr);
    EXPECT_EQ(rig.rotationAngle(), QVector3D(-36, -45, -18));
    EXPECT_NEAR(rig.orientation().scalar(), 0.880539655685425, 1e-6);
    auto& camera = scene.get<platform::Camera>("Camera");
    EXPECT_EQ(camera.parent(), &rig);
    EXPECT_EQ(camera.position(), QVector3D(0, 0, -20));
    // From the declared view the camera sits at about (14.1, -8.8, -11.1).
    const QVector3D eye = camera.absolutePosition();
    EXPECT_NEAR(eye.x(), 14.1, 0.1);
    EXPECT_NEAR(eye.y(), -8.8, 0.1);
    EXPECT_NEAR(eye.z(), -11.1, 0.1);
    auto& light = scene.get<platform::SpotLight>("MainLight");
    EXPECT_EQ(light.parent(), &rig);
    EXPECT_TRUE(light.isEnabled());
    EXPECT_EQ(light.params().spotCutOff, 200);
    EXPECT_EQ(light.params().spotExponent, 4);
    EXPECT_EQ(light.params().diffuse, QColor(255, 255, 255));
    // The light points at the cube.
    const QVector3D axis = light.worldRotation().rotatedVector({0, 0, 1});
    const QVector3D toCentre = (-light.absolutePosition()).normalized();
    EXPECT_GT(QVector3D::dotProduct(axis, toCentre), 0.9);
}

TEST_F(SolvedScene, TilesShowTheFaceColourInTheMiddleAndDarkAtTheEdge)
{
    for (const cube::FaceDecl& face : cube::faceTable()) {
        const QImage& tile = cube.tile(face.side);
        EXPECT_EQ(tile.size(), QSize(100, 100));
        EXPECT_EQ(tile.pixelColor(50, 50), QColor::fromRgba(face.colour)) << face.pivot;
        EXPECT_LT(qGray(tile.pixel(4, 50)), 60) << face.pivot;
    }
}

} // namespace
