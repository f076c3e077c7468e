// The animated quarter turn of one outer face, named by a move letter.
#pragma once

#include "cube/CubeScene.h"

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

struct MoveDecl {
    char letter;
    cube::TStickPosition face;
    int startValue;
    int stopValue;
};

// The move a letter names, if it is one of the twelve.
std::optional<MoveDecl> moveOfLetter(char letter);

class TFaceTurns {
public:
    // Bounds how long a held-down key can keep the cube turning.
    static constexpr std::size_t kMaxPending = 64;

    TFaceTurns(platform::Scene& scene, cube::TCubeScene& cube, TurnHost& host);

    // Plays the turn the letter names and returns when it is over; other characters do nothing.
    void Rotate(char Value);
    // Plays one pivot's turn from StartValue (0 or 360) to StepValue (90 or 270). A request made while a
    // turn runs (from a handler run inside the wait) is queued and played right after it, in order.
    void Rotate(platform::FloatAnimation& ThePivotAnimation, int StartValue, int StepValue);
    // Finish handler of the six turn animations: puts the layer back under the root and re-maps its stickers.
    void RotationFinish();

    // Sense of the turn most recently started: 90 or -90.
    std::int8_t LastDirection = 90;

    bool isTurning() const { return m_turning; }
    std::size_t pendingCount() const { return m_pending.size(); }
    // Drops queued moves and refuses new ones: the window is closing.
    void abandonPending();
    bool isAbandoned() const { return m_abandoned; }

    // Runs when the last turn of a run (the first one and everything queued behind it) is over.
    std::function<void()> onIdle;
    // Runs as each turn lands, with the letter it played.
    std::function<void(char letter)> onPlayed;

private:
    struct Request {
        platform::FloatAnimation* animation;
        int startValue;
        int stopValue;
    };
    void play(const Request& request);
    char letterOf(const Request& request) const;
    void gather(const platform::FloatAnimation& animation);

    platform::Scene& m_scene;
    cube::TCubeScene& m_cube;
    TurnHost& m_host;
    bool m_turning = false;
    bool m_abandoned = false;
    std::deque<Request> m_pending;
};

} // namespace velmar::engine
