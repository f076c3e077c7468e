// The cube's scene as declared data: the root, six pivots with their turn animations, twenty pieces
// with their forty-eight stickers, and the camera rig with its camera and spot light.
#pragma once

#include "StickPlacement.h"

#include "platform/scene/FloatAnimation.h"
#include "platform/scene/Scene.h"

#include <QImage>
#include <QRgb>
#include <QString>
#include <QVector3D>

#include <array>
#include <span>

namespace velmar::cube {

inline constexpr int kTagRoot = 0;
inline constexpr int kTagPivot = 1;
inline constexpr int kTagEdge = 2;
inline constexpr int kTagCorner = 3;
inline constexpr float kPieceEdge = 3.0f;

// One face, indexed by its TStickPosition.
struct FaceDecl {
    TStickPosition side;
    const char* pivot;
    QVector3D pivotPosition;
    const char* animation;
    platform::Axis axis;
    char stickerLetter;
    QRgb colour;
};

struct PieceDecl {
    const char* name;
    int tag;
    QVector3D home;
    const char* stickerLetters; // one letter per sticker, in declaration order
};

std::span<const FaceDecl, kStickPositionCount> faceTable();
std::span<const PieceDecl, 20> pieceTable();

// The face a sticker starts on, from the letter that ends its name.
TStickPosition homeFaceOfLetter(char letter);

class TCubeScene {
public:
    // Declares everything into `scene`, in declaration order; nothing is created later.
    explicit TCubeScene(platform::Scene& scene);
    TCubeScene(const TCubeScene&) = delete;
    TCubeScene& operator=(const TCubeScene&) = delete;

    platform::Box& CubeCentral;
    std::array<platform::Box*, kStickPositionCount> pivots{};           // by face
    std::array<platform::FloatAnimation*, kStickPositionCount> turns{}; // by face
    std::array<platform::Box*, 20> pieces{};                            // CC1..CC8, CA1..CA12
    std::array<platform::Plane*, 48> stickers{};                        // in piece order
    platform::Dummy* Dummy = nullptr;
    platform::Camera* Camera = nullptr;
    platform::SpotLight* MainLight = nullptr;

    // The face whose pivot is `object`, or PoNone.
    TStickPosition faceOfPivot(const platform::SceneObject* object) const;

    const QImage& tile(TStickPosition face) const { return m_tiles[std::size_t(face)]; }
    // The tile with the face's letter on it, made the first time it is asked for.
    const QImage& letteredTile(TStickPosition face);

private:
    std::array<QImage, kStickPositionCount> m_tiles;
    std::array<QImage, kStickPositionCount> m_letteredTiles;
};

} // namespace velmar::cube
