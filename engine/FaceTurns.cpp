#include "FaceTurns.h"

#include "cube/HiddenSides.h"
#include "platform/scene/EventPump.h"

#include <array>
#include <cmath>

namespace velmar::engine {
namespace {

using P = cube::TStickPosition;

constexpr std::array<MoveDecl, 12> kMoves = {{
    {'R', P::PoFront, 0, 90},    {'r', P::PoFront, 360, 270},  {'O', P::PoBack, 360, 270},  {'o', P::PoBack, 0, 90},
    {'W', P::PoTop, 0, 90},      {'w', P::PoTop, 360, 270},    {'Y', P::PoBottom, 360, 270}, {'y', P::PoBottom, 0, 90},
    {'G', P::PoLeft, 0, 90},     {'g', P::PoLeft, 360, 270},   {'B', P::PoRight, 360, 270},  {'b', P::PoRight, 0, 90},
}};

constexpr float kTolerance = 0.1f;
bool near(float a, float b) { return std::abs(a - b) <= kTolerance; }

bool isPiece(const platform::SceneObject& object)
{
    return object.kind() == platform::ObjectKind::Box &&
           (object.tag() == cube::kTagEdge || object.tag() == cube::kTagCorner);
}

} // namespace

std::optional<MoveDecl> moveOfLetter(char letter)
{
    for (const MoveDecl& move : kMoves)
        if (move.letter == letter)
            return move;
    return std::nullopt;
}

TFaceTurns::TFaceTurns(platform::Scene& scene, cube::TCubeScene& cube, TurnHost& host)
    : m_scene(scene), m_cube(cube), m_host(host)
{
}

void TFaceTurns::Rotate(char Value)
{
    const std::optional<MoveDecl> move = moveOfLetter(Value);
    if (!move)
        return;
    Rotate(*m_cube.turns[std::size_t(move->face)], move->startValue, move->stopValue);
}

void TFaceTurns::Rotate(platform::FloatAnimation& ThePivotAnimation, int StartValue, int StepValue)
{
    if (m_abandoned)
        return;
    const Request request{&ThePivotAnimation, StartValue, StepValue};
    // Gathering now would take pieces that sit under the running pivot in pivot coordinates. While a
    // pattern plays, its own letters are the only moves.
    if (m_turning) {
        if (m_host.mvtAuto())
            return;
        if (m_pending.size() < kMaxPending)
            m_pending.push_back(request);
        return;
    }
    m_turning = true;
    play(request);
    while (!m_pending.empty() && !m_abandoned) {
        const Request next = m_pending.front();
        m_pending.pop_front();
        play(next);
    }
    m_turning = false;
    if (onIdle)
        onIdle();
}

void TFaceTurns::play(const Request& request)
{
    m_host.setCommandEnabled(false);
    LastDirection = request.startValue == 360 ? -90 : 90;
    gather(*request.animation);
    platform::FloatAnimation& animation = *request.animation;
    animation.setStartValue(float(request.startValue));
    animation.setStopValue(float(request.stopValue));
    animation.start();
    if (!platform::waitWhileRunning(animation) && animation.running()) {
        // The application is quitting: land the turn now so the cube is whole, and play nothing more.
        animation.stop();
        abandonPending();
    }
    if (onPlayed)
        onPlayed(letterOf(request));
}

char TFaceTurns::letterOf(const Request& request) const
{
    const P face = m_cube.faceOfTurn(request.animation);
    for (const MoveDecl& move : kMoves)
        if (move.face == face && move.startValue == request.startValue && move.stopValue == request.stopValue)
            return move.letter;
    return '?';
}

void TFaceTurns::gather(const platform::FloatAnimation& animation)
{
    // Only the turning face's layer test can hold, so one test per piece is the whole gathering.
    const P turning = m_cube.faceOfTurn(&animation);
    if (turning == P::PoNone)
        return;
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
    if (!m_host.mvtAuto())
        m_host.setCommandEnabled(true);
}

void TFaceTurns::abandonPending()
{
    m_pending.clear();
    m_abandoned = true;
}

} // namespace velmar::engine
