// The animated quarter turn of one outer face: the layer gathered under its pivot, the pivot's
// animation played out while the event loop runs, the layer put back with its stickers re-mapped.
// One turn at a time: what runs while it turns, and what may start one, is the puzzle's to decide.
#pragma once

#include "Move.h"

#include "cube/CubeScene.h"

#include <cstdint>

namespace velmar::engine {

class TFaceTurns {
public:
    // Wires the six turn animations' finish to RotationFinish.
    TFaceTurns(platform::Scene& scene, cube::TCubeScene& cube);
    TFaceTurns(const TFaceTurns&) = delete;
    TFaceTurns& operator=(const TFaceTurns&) = delete;

    // Plays the turn and returns when it is over. False when the application quit during it: the turn
    // has landed then all the same, so the cube is whole.
    bool Rotate(const Move& move);
    // Finish handler of the six turn animations: puts the layer back under the root and re-maps its stickers.
    void RotationFinish();

    bool isTurning() const { return m_turning; }

    // Sense of the turn most recently started: 90 or -90.
    std::int8_t LastDirection = 90;

private:
    void gather(cube::TStickPosition turning);

    platform::Scene& m_scene;
    cube::TCubeScene& m_cube;
    bool m_turning = false;
};

} // namespace velmar::engine
