#include "FaceTurns.h"

#include "cube/HiddenSides.h"
#include "platform/scene/EventPump.h"

#include <cmath>

namespace velmar::engine {
namespace {

using P = cube::TStickPosition;

constexpr float kTolerance = 0.1f;
bool near(float a, float b)
{
    return std::abs(a - b) <= kTolerance;
}

bool isPiece(const platform::SceneObject& object)
{
    return object.kind() == platform::ObjectKind::Box &&
           (object.tag() == cube::kTagEdge || object.tag() == cube::kTagCorner);
}

} // namespace

TFaceTurns::TFaceTurns(platform::Scene& scene, cube::TCubeScene& cube) : m_scene(scene), m_cube(cube)
{
    for (platform::FloatAnimation* turn : m_cube.turns)
        turn->onFinish = [this](platform::FloatAnimation&) { RotationFinish(); };
}

bool TFaceTurns::Rotate(const Move& move)
{
    // Gathering under a running turn would take pieces that sit under its pivot in pivot coordinates.
    if (m_turning)
        return true;
    m_turning = true;
    LastDirection = move.quarter;
    gather(move.face);
    platform::FloatAnimation& animation = *m_cube.turns[std::size_t(move.face)];
    animation.setStartValue(float(move.startAngle()));
    animation.setStopValue(float(move.stopAngle()));
    animation.start();
    bool whole = true;
    if (!platform::waitWhileRunning(animation) && animation.running()) {
        // The application is quitting: land the turn now.
        animation.stop();
        whole = false;
    }
    m_turning = false;
    return whole;
}

void TFaceTurns::gather(P turning)
{
    // Only the turning face's layer test can hold, so one test per piece is the whole gathering.
    const cube::FaceDecl& face = cube::faceTable()[std::size_t(turning)];
    const int axis = int(face.axis);
    for (platform::SceneObject* object : m_scene.components()) {
        if (!isPiece(*object) || !near(object->position()[axis], face.pivotPosition[axis]))
            continue;
        object->setParent(m_cube.pivots[std::size_t(turning)]);
        QVector3D local = object->position();
        local[axis] = 0;
        object->setPosition(local);
    }
    cube::showSidesOfTurn(m_cube, turning);
}

void TFaceTurns::RotationFinish()
{
    for (platform::SceneObject* object : m_scene.components()) {
        if (!isPiece(*object) || object->parent() == &m_cube.CubeCentral)
            continue;
        const QVector3D world = object->absolutePosition();
        const P side = m_cube.faceOfPivot(object->parent());
        object->setPosition(world);
        object->setParent(&m_cube.CubeCentral);
        if (side == P::PoNone)
            continue;
        // Only the axis coordinate is snapped: the pivot sits exactly on it.
        const cube::FaceDecl& face = cube::faceTable()[std::size_t(side)];
        const int axis = int(face.axis);
        QVector3D snapped = object->position();
        snapped[axis] = face.pivotPosition[axis];
        object->setPosition(snapped);
        cube::remapAfterTurn(face.axis, *object, LastDirection);
    }
    cube::hideSidesAtRest(m_cube);
}

} // namespace velmar::engine
