// Notices when the user's own turns bring a scrambled cube back to solved, counting those turns and
// the time since the first of them.
//
// A scramble arms it. Turns by hand, and undo and redo (the user's own commands), count; a playback's
// turns do not, and any jump of the whole cube (a reset, a pattern's return to solved, an undo or redo
// of one) or a solution being played disarms it: such a cube was not solved by hand.
#pragma once

#include "Move.h"

#include "cube/CubeScene.h"

#include <QString>

#include <optional>

namespace velmar::engine {

class SolvedWatch {
public:
    struct Solve {
        int turns;
        double seconds;
    };

    explicit SolvedWatch(const cube::TCubeScene& cube) : m_cube(cube) {}

    void arm();
    void disarm();
    bool isArmed() const { return m_armed; }

    // A turn landed at `now` (seconds on the animation clock); the solve it completes, if it does.
    std::optional<Solve> landed(TurnSource source, double now);

    // The solve's clock: from the first counted turn, stopped at the solve; none before the first turn
    // or once disarmed without a solve.
    std::optional<double> clockSeconds(double now) const;
    bool isClockRunning() const { return m_armed && m_turns > 0; }

private:
    const cube::TCubeScene& m_cube;
    bool m_armed = false;
    int m_turns = 0;
    double m_start = 0;
    std::optional<double> m_solvedIn;
};

// "3:12"; an hour or more reads "1:02:03".
QString clockText(double seconds);
// "Solved: 87 turns, 3:12".
QString solvedText(int turns, double seconds);

} // namespace velmar::engine
