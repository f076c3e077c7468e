#include "CubeScene.h"

#include "ColourTiles.h"
#include "FaceLetters.h"
#include "HiddenSides.h"

namespace velmar::cube {
namespace {

using P = TStickPosition;
using platform::Axis;

const std::array<FaceDecl, kStickPositionCount> kFaces = {{
    {P::PoFront, "RedPivot", {0, 0, -3}, "FaTurnRed", Axis::Z, 'R', 0xFFFF0000},
    {P::PoBack, "OrangePivot", {0, 0, 3}, "FaTurnOrange", Axis::Z, 'O', 0xFFF9A107},
    {P::PoTop, "WhitePivot", {0, -3, 0}, "FaTurnWhite", Axis::Y, 'W', 0xFFFFFFFF},
    {P::PoBottom, "YellowPivot", {0, 3, 0}, "FaTurnYellow", Axis::Y, 'J', 0xFFFFFF00},
    {P::PoRight, "BluePivot", {3, 0, 0}, "FaTurnBlue", Axis::X, 'B', 0xFF0000FF},
    {P::PoLeft, "GreenPivot", {-3, 0, 0}, "FaTurnGreen", Axis::X, 'V', 0xFF00FF00},
}};

// The pivots in the order they are declared in the scene.
constexpr std::array<P, kStickPositionCount> kPivotDeclarationOrder = {P::PoLeft,   P::PoBack,  P::PoTop,
                                                                       P::PoBottom, P::PoFront, P::PoRight};

const std::array<PieceDecl, 20> kPieces = {{
    {"CC1", kTagCorner, {-3, -3, -3}, "RWV"}, {"CC2", kTagCorner, {3, -3, -3}, "RWB"},
    {"CC3", kTagCorner, {3, 3, -3}, "RBJ"},   {"CC4", kTagCorner, {-3, 3, -3}, "RVJ"},
    {"CC5", kTagCorner, {-3, -3, 3}, "WVO"},  {"CC6", kTagCorner, {3, -3, 3}, "WBO"},
    {"CC7", kTagCorner, {3, 3, 3}, "BJO"},    {"CC8", kTagCorner, {-3, 3, 3}, "VJO"},
    {"CA1", kTagEdge, {0, -3, -3}, "RW"},     {"CA2", kTagEdge, {-3, 0, -3}, "RV"},
    {"CA3", kTagEdge, {3, 0, -3}, "RB"},      {"CA4", kTagEdge, {0, 3, -3}, "RJ"},
    {"CA5", kTagEdge, {-3, -3, 0}, "WV"},     {"CA6", kTagEdge, {3, -3, 0}, "WB"},
    {"CA7", kTagEdge, {3, 3, 0}, "BJ"},       {"CA8", kTagEdge, {-3, 3, 0}, "VJ"},
    {"CA9", kTagEdge, {0, -3, 3}, "WO"},      {"CA10", kTagEdge, {-3, 0, 3}, "VO"},
    {"CA11", kTagEdge, {3, 0, 3}, "BO"},      {"CA12", kTagEdge, {0, 3, 3}, "JO"},
}};

// The rig's and the light's orientations come from an edit history: they are stored as declared and
// do not equal the composition of their angle properties.
const QQuaternion kRigOrientation(0.880539655685425f, -0.225086376070976f, -0.413512736558914f, -0.0547118037939072f);
const QVector3D kRigAngles(-36, -45, -18);
const QVector3D kCameraPosition(0, 0, -20);
const QVector3D kLightPosition(-7.29634380340576f, -1.14338481426239f, -20.3916301727295f);
const QQuaternion kLightOrientation(-0.734725952148438f, 0.160548686981201f, -0.189767777919769f, 0.631180703639984f);
const QVector3D kLightAngles(33.983268737793f, 17.6450214385986f, -75.7305145263672f);

platform::Material tileMaterial(const QImage& tile)
{
    platform::Material m;
    m.diffuse = QColor(255, 255, 255);
    m.ambient = QColor(80, 80, 80);
    m.emissive = QColor(0, 0, 0, 0);
    m.specular = QColor(60, 60, 60);
    m.texture = &tile;
    return m;
}

platform::Material bodyMaterial()
{
    platform::Material m;
    m.diffuse = QColor(0, 0, 0);
    m.ambient = QColor(0, 0, 0);
    m.emissive = QColor(0, 0, 0);
    m.specular = QColor(70, 70, 70);
    return m;
}

platform::Box& declareRoot(platform::Scene& scene)
{
    auto& root = scene.add<platform::Box>(nullptr, QStringLiteral("CubeCentral"), QVector3D(0.5f, 0.5f, 0.5f));
    platform::Material none;
    none.diffuse = none.ambient = none.emissive = none.specular = QColor(0, 0, 0, 0);
    root.setMaterial(none);
    root.setTag(kTagRoot);
    return root;
}

} // namespace

const QImage& TCubeScene::letteredTile(TStickPosition face)
{
    QImage& lettered = m_letteredTiles[std::size_t(face)];
    if (lettered.isNull())
        lettered = makeLetteredTile(tile(face), kFaceLetters[std::size_t(face)].clockwise);
    return lettered;
}

std::span<const FaceDecl, kStickPositionCount> faceTable()
{
    return kFaces;
}

std::span<const PieceDecl, 20> pieceTable()
{
    return kPieces;
}

TStickPosition homeFaceOfLetter(char letter)
{
    for (const FaceDecl& face : kFaces)
        if (face.stickerLetter == letter)
            return face.side;
    return P::PoNone;
}

TCubeScene::TCubeScene(platform::Scene& scene) : CubeCentral(declareRoot(scene))
{
    for (const FaceDecl& face : kFaces)
        m_tiles[std::size_t(face.side)] = makeColourTile(QColor::fromRgba(face.colour));

    for (P side : kPivotDeclarationOrder) {
        const FaceDecl& face = kFaces[std::size_t(side)];
        auto& pivot = scene.add<platform::Box>(&CubeCentral, face.pivot, QVector3D(kPieceEdge, kPieceEdge, kPieceEdge));
        pivot.setPosition(face.pivotPosition);
        pivot.setTag(kTagPivot);
        pivot.setMaterial(tileMaterial(tile(side)));
        pivots[std::size_t(side)] = &pivot;
    }

    std::size_t stickerIndex = 0;
    for (std::size_t i = 0; i < kPieces.size(); ++i) {
        const PieceDecl& decl = kPieces[i];
        auto& piece = scene.add<platform::Box>(&CubeCentral, decl.name, QVector3D(kPieceEdge, kPieceEdge, kPieceEdge));
        piece.setPosition(decl.home);
        piece.setTag(decl.tag);
        piece.setMaterial(bodyMaterial());
        pieces[i] = &piece;
        for (const char* letter = decl.stickerLetters; *letter; ++letter) {
            const P home = homeFaceOfLetter(*letter);
            auto& stick = scene.add<platform::Plane>(
                &piece, QStringLiteral("PL%1%2").arg(decl.name).arg(QChar(*letter)), QSizeF(kPieceEdge, kPieceEdge));
            stick.setMaterial(tileMaterial(tile(home)));
            MoveStickTo(stick, home);
            stickers[stickerIndex++] = &stick;
        }
    }

    Dummy = &scene.add<platform::Dummy>(nullptr, QStringLiteral("Dummy"));
    Dummy->setDeclaredRotation(kRigOrientation, kRigAngles);
    Camera = &scene.add<platform::Camera>(Dummy, QStringLiteral("Camera"));
    Camera->setPosition(kCameraPosition);
    MainLight = &scene.add<platform::SpotLight>(Dummy, QStringLiteral("MainLight"));
    MainLight->setPosition(kLightPosition);
    MainLight->setDeclaredRotation(kLightOrientation, kLightAngles);
    platform::SpotLight::Params light;
    light.ambient = light.diffuse = light.specular = QColor(255, 255, 255);
    light.constantAttenuation = 1;
    light.spotCutOff = 200;
    light.spotExponent = 4;
    MainLight->setParams(light);
    MainLight->setEnabled(true);

    // Declared as in-out, 1 s, "Bounce"; the window's start-up replaces interpolation and duration.
    for (const FaceDecl& face : kFaces) {
        platform::Box* pivot = pivots[std::size_t(face.side)];
        const Axis axis = face.axis;
        auto& turn = scene.addAnimation(face.animation, [pivot, axis](float v) { pivot->setRotationAngle(axis, v); });
        turn.setAnimationType(platform::AnimationType::InOut);
        turn.setDuration(1.0f);
        turn.setInterpolation(platform::Interpolation::Bounce);
        turns[std::size_t(face.side)] = &turn;
    }
    hideSidesAtRest(*this);
}

TStickPosition TCubeScene::faceOfPivot(const platform::SceneObject* object) const
{
    for (std::size_t i = 0; i < pivots.size(); ++i)
        if (pivots[i] == object)
            return P(i);
    return P::PoNone;
}

} // namespace velmar::cube
