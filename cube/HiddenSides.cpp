#include "HiddenSides.h"

#include <cmath>

namespace velmar::cube {
namespace {

using platform::Axis;
using platform::Box;

constexpr float kTolerance = 0.1f;

// The side of `box` that faces the world direction `positive` along `axis`, in the box's own frame
// (a pivot may have been turned about its own axis by earlier turns).
Box::Sides sideFacing(const Box& box, Axis axis, bool positive)
{
    QVector3D world;
    world[int(axis)] = positive ? 1 : -1;
    const QVector3D local = box.worldRotation().conjugated().rotatedVector(world);
    for (Axis a : {Axis::X, Axis::Y, Axis::Z})
        if (std::abs(local[int(a)]) > 0.5f)
            return Box::sideOf(a, local[int(a)] > 0);
    return 0;
}

Box::Sides outerSide(const TCubeScene& cube, TStickPosition face)
{
    const FaceDecl& decl = faceTable()[std::size_t(face)];
    return sideFacing(*cube.pivots[std::size_t(face)], decl.axis, decl.pivotPosition[int(decl.axis)] > 0);
}

// The sides of a piece that carry its stickers, in its own frame.
Box::Sides stickeredSides(const Box& piece)
{
    Box::Sides sides = 0;
    for (const platform::SceneObject* stick : piece.children()) {
        const TStickPosition at = GetStickPosition(*stick);
        if (at == TStickPosition::PoNone)
            continue;
        const QVector3D out = outwardOf(at);
        for (Axis a : {Axis::X, Axis::Y, Axis::Z})
            if (std::abs(out[int(a)]) > 0.5f)
                sides |= Box::sideOf(a, out[int(a)] > 0);
    }
    return sides;
}

} // namespace

void hideSidesAtRest(TCubeScene& cube)
{
    for (Box* piece : cube.pieces)
        piece->setHiddenSides(Box::kAllSides & ~stickeredSides(*piece));
    for (const FaceDecl& face : faceTable())
        cube.pivots[std::size_t(face.side)]->setHiddenSides(Box::kAllSides & ~outerSide(cube, face.side));
}

void showSidesOfTurn(TCubeScene& cube, TStickPosition turning)
{
    hideSidesAtRest(cube);
    if (turning == TStickPosition::PoNone)
        return;
    const FaceDecl& decl = faceTable()[std::size_t(turning)];
    const int axis = int(decl.axis);
    const bool layerOnPositiveSide = decl.pivotPosition[axis] > 0;
    const Box* turningPivot = cube.pivots[std::size_t(turning)];
    for (Box* piece : cube.pieces) {
        if (piece->parent() == turningPivot)
            piece->setHiddenSides(piece->hiddenSides() & ~sideFacing(*piece, decl.axis, !layerOnPositiveSide));
        else if (std::abs(piece->absolutePosition()[axis]) <= kTolerance)
            piece->setHiddenSides(piece->hiddenSides() & ~sideFacing(*piece, decl.axis, layerOnPositiveSide));
    }
    for (const FaceDecl& face : faceTable()) {
        Box& pivot = *cube.pivots[std::size_t(face.side)];
        if (std::abs(pivot.absolutePosition()[axis]) <= kTolerance)
            pivot.setHiddenSides(pivot.hiddenSides() & ~sideFacing(pivot, decl.axis, layerOnPositiveSide));
    }
}

} // namespace velmar::cube
