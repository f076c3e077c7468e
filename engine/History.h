// Every face turn and every jump of the whole cube (a reset to solved), in order, so that they can be
// taken back and played again.
//
// Undo plays the last turn's inverse at the current speed, or puts back at once the cube a jump threw
// away; redo plays or jumps forward again; any new turn or jump clears the redo list. Requests go
// through the turn engine's queue and are resolved only when their turn comes: pressed during a single
// turn (or a run of typed letters) they queue behind it like letters; while a pattern, a scramble or a
// solution plays they are dropped, as letters are; once the window closes they are dropped.
#pragma once

#include "FaceTurns.h"

#include "cube/CubeSnapshot.h"

#include <deque>
#include <memory>
#include <variant>

namespace velmar::engine {

class TurnHistory : public QObject {
    Q_OBJECT
public:
    // Bounds the memory a long session takes; the oldest steps go first.
    static constexpr std::size_t kMaxSteps = 10000;

    TurnHistory(TFaceTurns& turns, cube::TCubeScene& cube);

    void undo();
    void redo();
    // The cube was put into `after` at once; `before` is what it held. A jump that changes nothing is
    // no step.
    void recordJump(const cube::CubeSnapshot& before, const cube::CubeSnapshot& after);

    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    std::size_t size() const { return m_done.size(); }

signals:
    // An undo (`back`) or a redo put a whole cube back at once.
    void jumped(bool back);

private:
    struct Jump {
        cube::CubeSnapshot before;
        cube::CubeSnapshot after;
    };
    // A jump holds two whole cubes: kept apart, so that the far more common turns cost a pointer's
    // width in the lists, not a jump's.
    using Step = std::variant<Move, std::shared_ptr<const Jump>>;

    void onPlayed(const Move& move, TurnOrigin origin);
    void push(Step step);
    std::optional<std::pair<Move, TurnOrigin>> takeBack();
    std::optional<std::pair<Move, TurnOrigin>> playAgain();

    TFaceTurns& m_turns;
    cube::TCubeScene& m_cube;
    std::deque<Step> m_done;
    std::deque<Step> m_undone;
};

} // namespace velmar::engine
