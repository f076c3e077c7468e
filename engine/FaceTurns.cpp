#include "FaceTurns.h"

#include "cube/HiddenSides.h"
#include "platform/scene/EventPump.h"

#include <array>
#include <cctype>
#include <cmath>

namespace velmar::engine {
namespace {

using P = cube::TStickPosition;

// The sense is the one each letter's animation runs in about its pivot's axis.
constexpr std::array<Move, 12> kMoves = {{
    {'R', P::PoFront, 90},
    {'r', P::PoFront, -90},
    {'O', P::PoBack, -90},
    {'o', P::PoBack, 90},
    {'W', P::PoTop, 90},
    {'w', P::PoTop, -90},
    {'Y', P::PoBottom, -90},
    {'y', P::PoBottom, 90},
    {'G', P::PoLeft, 90},
    {'g', P::PoLeft, -90},
    {'B', P::PoRight, -90},
    {'b', P::PoRight, 90},
}};

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

std::optional<Move> moveOfLetter(char letter)
{
    for (const Move& move : kMoves)
        if (move.letter == letter)
            return move;
    return std::nullopt;
}

Move Move::inverse() const
{
    const char other =
        std::isupper(static_cast<unsigned char>(letter)) ? char(std::tolower(letter)) : char(std::toupper(letter));
    return {other, face, std::int8_t(-quarter)};
}

TFaceTurns::TFaceTurns(platform::Scene& scene, cube::TCubeScene& cube, TurnHost& host)
    : m_scene(scene), m_cube(cube), m_host(host)
{
    for (platform::FloatAnimation* turn : m_cube.turns)
        turn->onFinish = [this](platform::FloatAnimation&) { RotationFinish(); };
}

void TFaceTurns::Rotate(char Value, TurnOrigin origin)
{
    if (const std::optional<Move> move = moveOfLetter(Value))
        Rotate(*move, origin);
}

void TFaceTurns::Rotate(platform::FloatAnimation& ThePivotAnimation, int StartValue, int StepValue)
{
    const P face = m_cube.faceOfTurn(&ThePivotAnimation);
    for (const Move& move : kMoves)
        if (move.face == face && move.startAngle() == StartValue && move.stopAngle() == StepValue)
            return Rotate(move, TurnOrigin::Hand);
}

void TFaceTurns::Rotate(const Move& move, TurnOrigin origin)
{
    enqueue({move, origin, {}});
}

bool TFaceTurns::request(Deferred deferred)
{
    return enqueue({std::nullopt, TurnOrigin::Hand, std::move(deferred)});
}

bool TFaceTurns::enqueue(Request request)
{
    if (m_abandoned)
        return false;
    // Gathering now would take pieces that sit under the running pivot in pivot coordinates. While a
    // pattern plays, its own letters are the only moves.
    if (m_turning) {
        if (m_host.mvtAuto() || m_pending.size() >= kMaxPending)
            return false;
        m_pending.push_back(std::move(request));
        return true;
    }
    m_turning = true;
    run(request);
    while (!m_pending.empty() && !m_abandoned) {
        Request next = std::move(m_pending.front());
        m_pending.pop_front();
        run(next);
    }
    m_turning = false;
    emit idle();
    return true;
}

void TFaceTurns::run(Request& request)
{
    if (request.deferred) {
        if (const auto planned = request.deferred())
            play(planned->first, planned->second);
        return;
    }
    play(*request.move, request.origin);
}

void TFaceTurns::play(const Move& move, TurnOrigin origin)
{
    m_host.setCommandEnabled(false);
    LastDirection = move.quarter;
    gather(move.face);
    platform::FloatAnimation& animation = *m_cube.turns[std::size_t(move.face)];
    animation.setStartValue(float(move.startAngle()));
    animation.setStopValue(float(move.stopAngle()));
    animation.start();
    if (!platform::waitWhileRunning(animation) && animation.running()) {
        // The application is quitting: land the turn now so the cube is whole, and play nothing more.
        animation.stop();
        abandonPending();
    }
    emit played(move, origin);
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
    if (!m_host.mvtAuto())
        m_host.setCommandEnabled(true);
}

void TFaceTurns::abandonPending()
{
    m_pending.clear();
    m_abandoned = true;
}

} // namespace velmar::engine
