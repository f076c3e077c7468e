// Every face turn and every jump of the whole cube (a reset to solved), in order, each with the group it
// came in (the user's own turns, or one playback), so that they can be taken back, played again and
// listed. It only keeps the record: the puzzle plays what it hands back.
#pragma once

#include "Move.h"

#include "cube/CubeSnapshot.h"

#include <QString>

#include <deque>
#include <memory>
#include <optional>
#include <variant>

namespace velmar::engine {

// Where a run of steps came from: the user's own turns, or one playback (a pattern by its name, a
// scramble, a solution, an algorithm). Steps of one run share one group.
struct TurnGroup {
    TurnSource source;
    QString name; // a pattern's label; empty otherwise
};
using GroupRef = std::shared_ptr<const TurnGroup>;

class TurnHistory {
public:
    // Bounds the memory a long session takes; the oldest steps go first.
    static constexpr std::size_t kMaxSteps = 10000;

    // The cube put into `after` at once; `before` is what it held.
    struct Jump {
        cube::CubeSnapshot before;
        cube::CubeSnapshot after;
    };
    struct Step {
        // A jump holds two whole cubes: kept apart, so that the far more common turns cost a pointer's
        // width in the lists, not a jump's.
        std::variant<Move, std::shared_ptr<const Jump>> what;
        GroupRef group;
        const Move* move() const { return std::get_if<Move>(&what); }
    };

    // A new step clears what could be played again.
    void record(const Move& move, GroupRef group);
    // A jump that changes nothing is no step.
    void recordJump(const cube::CubeSnapshot& before, const cube::CubeSnapshot& after, GroupRef group);

    // The last step, now one that can be played again; none when there is nothing to take back.
    std::optional<Step> takeBack();
    // The step last taken back, now done again.
    std::optional<Step> playAgain();

    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    std::size_t size() const { return m_done.size(); }
    // Oldest first.
    const std::deque<Step>& done() const { return m_done; }
    // The next to play again last.
    const std::deque<Step>& undone() const { return m_undone; }

private:
    void push(Step step);

    std::deque<Step> m_done;
    std::deque<Step> m_undone;
};

} // namespace velmar::engine
