// The animated quarter turn of one outer face, named by a move letter: the engine owns a turn's whole
// life, from the request through the wait to the finish, and tells its observers what it played.
#pragma once

#include "cube/CubeScene.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

namespace velmar::engine {

// What a turn needs of the window around it.
class TurnHost {
public:
    virtual ~TurnHost() = default;
    virtual void setCommandEnabled(bool enabled) = 0; // the panel rectangle
    virtual bool mvtAuto() const = 0;                 // a pattern is playing
};

// One quarter turn of one face, carried unchanged from the request to the finish.
struct Move {
    char letter;
    cube::TStickPosition face;
    // The sense about the pivot's own axis, +90 or -90: what the sticker re-mapping reads.
    std::int8_t quarter;

    // The pivot's angles: a turn runs from its rest orientation (0 or 360) a quarter turn on.
    int startAngle() const { return quarter > 0 ? 0 : 360; }
    int stopAngle() const { return startAngle() + quarter; }
    Move inverse() const;
    bool operator==(const Move&) const = default;
};

// The move a letter names, if it is one of the twelve.
std::optional<Move> moveOfLetter(char letter);

// Who asked for a turn: the history and the solved detection tell them apart.
enum class TurnOrigin : std::uint8_t {
    Hand,     // a letter, a colour button, a sticker drag
    Undo,     // the history taking a turn back
    Redo,     // the history playing it again
    Playback, // a pattern, a scramble or a solution
};

class TFaceTurns : public QObject {
    Q_OBJECT
public:
    // Bounds how long a held-down key can keep the cube turning.
    static constexpr std::size_t kMaxPending = 64;

    // Decides, when its turn in the queue comes, what to play then: a move and its origin, or nothing
    // (it may have changed the cube at once itself, which is safe then: no layer is under a pivot).
    using Deferred = std::function<std::optional<std::pair<Move, TurnOrigin>>()>;

    // Wires the six turn animations' finish to RotationFinish.
    TFaceTurns(platform::Scene& scene, cube::TCubeScene& cube, TurnHost& host);

    // Plays the turn the letter names and returns when it is over; other characters do nothing.
    void Rotate(char Value, TurnOrigin origin = TurnOrigin::Hand);
    // Plays one pivot's turn from StartValue (0 or 360) to StepValue (90 or 270); pairs that name no
    // move do nothing.
    void Rotate(platform::FloatAnimation& ThePivotAnimation, int StartValue, int StepValue);
    // A request made while a turn runs (from a handler run inside the wait) is queued and played right
    // after it, in order; while a pattern plays, its own letters are the only moves.
    void Rotate(const Move& move, TurnOrigin origin);
    // Queued like a move, and resolved only when it is its turn; false when dropped.
    bool request(Deferred deferred);
    // Finish handler of the six turn animations: puts the layer back under the root and re-maps its stickers.
    void RotationFinish();

    // Sense of the turn most recently started: 90 or -90.
    std::int8_t LastDirection = 90;

    bool isTurning() const { return m_turning; }
    std::size_t pendingCount() const { return m_pending.size(); }
    // Drops queued moves and refuses new ones: the window is closing.
    void abandonPending();
    bool isAbandoned() const { return m_abandoned; }

signals:
    // Each turn as it lands.
    void played(velmar::engine::Move move, velmar::engine::TurnOrigin origin);
    // The last turn of a run (the first one and everything queued behind it) is over.
    void idle();

private:
    struct Request {
        std::optional<Move> move;
        TurnOrigin origin = TurnOrigin::Hand;
        Deferred deferred;
    };
    bool enqueue(Request request);
    void run(Request& request);
    void play(const Move& move, TurnOrigin origin);
    void gather(cube::TStickPosition turning);

    platform::Scene& m_scene;
    cube::TCubeScene& m_cube;
    TurnHost& m_host;
    bool m_turning = false;
    bool m_abandoned = false;
    std::deque<Request> m_pending;
};

} // namespace velmar::engine
