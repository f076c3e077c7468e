#include "History.h"

namespace velmar::engine {

void TurnHistory::record(const Move& move, GroupRef group)
{
    push({move, std::move(group)});
}

void TurnHistory::recordJump(const cube::CubeSnapshot& before, const cube::CubeSnapshot& after, GroupRef group)
{
    if (before != after)
        push({std::make_shared<const Jump>(Jump{before, after}), std::move(group)});
}

void TurnHistory::push(Step step)
{
    m_undone.clear();
    m_done.push_back(std::move(step));
    if (m_done.size() > kMaxSteps)
        m_done.pop_front();
}

std::optional<TurnHistory::Step> TurnHistory::takeBack()
{
    if (m_done.empty())
        return std::nullopt;
    m_undone.push_back(std::move(m_done.back()));
    m_done.pop_back();
    return m_undone.back();
}

std::optional<TurnHistory::Step> TurnHistory::playAgain()
{
    if (m_undone.empty())
        return std::nullopt;
    m_done.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
    return m_done.back();
}

} // namespace velmar::engine
