#include "History.h"

namespace velmar::engine {

TurnHistory::TurnHistory(TFaceTurns& turns, cube::TCubeScene& cube) : m_turns(turns), m_cube(cube)
{
    connect(&m_turns, &TFaceTurns::played, this, &TurnHistory::onPlayed);
}

void TurnHistory::onPlayed(const Move& move, TurnOrigin origin)
{
    // An undo or redo moved its step between the lists when it was resolved.
    if (origin == TurnOrigin::Undo || origin == TurnOrigin::Redo)
        return;
    push(move);
}

void TurnHistory::recordJump(const cube::CubeSnapshot& before, const cube::CubeSnapshot& after)
{
    if (before != after)
        push(std::make_shared<const Jump>(Jump{before, after}));
}

void TurnHistory::push(Step step)
{
    m_undone.clear();
    m_done.push_back(std::move(step));
    if (m_done.size() > kMaxSteps)
        m_done.pop_front();
}

void TurnHistory::undo()
{
    m_turns.request([this] { return takeBack(); });
}

void TurnHistory::redo()
{
    m_turns.request([this] { return playAgain(); });
}

std::optional<std::pair<Move, TurnOrigin>> TurnHistory::takeBack()
{
    if (m_done.empty())
        return std::nullopt;
    Step step = std::move(m_done.back());
    m_done.pop_back();
    m_undone.push_back(step);
    if (const Move* move = std::get_if<Move>(&step))
        return std::pair{move->inverse(), TurnOrigin::Undo};
    cube::restoreSnapshot(m_cube, std::get<std::shared_ptr<const Jump>>(step)->before);
    emit jumped(true);
    return std::nullopt;
}

std::optional<std::pair<Move, TurnOrigin>> TurnHistory::playAgain()
{
    if (m_undone.empty())
        return std::nullopt;
    Step step = std::move(m_undone.back());
    m_undone.pop_back();
    m_done.push_back(step);
    if (const Move* move = std::get_if<Move>(&step))
        return std::pair{*move, TurnOrigin::Redo};
    cube::restoreSnapshot(m_cube, std::get<std::shared_ptr<const Jump>>(step)->after);
    emit jumped(false);
    return std::nullopt;
}

} // namespace velmar::engine
