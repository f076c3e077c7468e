#include "SolvedWatch.h"

#include "cube/CubeSnapshot.h"

#include <cmath>

namespace velmar::engine {

void SolvedWatch::arm()
{
    m_armed = true;
    m_turns = 0;
    m_solvedIn.reset();
}

void SolvedWatch::disarm()
{
    m_armed = false;
    m_turns = 0;
}

std::optional<double> SolvedWatch::clockSeconds(double now) const
{
    if (isClockRunning())
        return now - m_start;
    return m_solvedIn;
}

std::optional<SolvedWatch::Solve> SolvedWatch::landed(TurnSource source, double now)
{
    if (!m_armed || isPlayback(source))
        return std::nullopt;
    if (m_turns++ == 0)
        m_start = now;
    if (!cube::isSolved(m_cube))
        return std::nullopt;
    m_armed = false;
    m_solvedIn = now - m_start;
    const Solve solve{m_turns, *m_solvedIn};
    m_turns = 0;
    return solve;
}

QString clockText(double seconds)
{
    const long total = std::lround(std::max(seconds, 0.0));
    const long hours = total / 3600, minutes = total / 60 % 60, secs = total % 60;
    return hours > 0 ? QStringLiteral("%1:%2:%3")
                           .arg(hours)
                           .arg(minutes, 2, 10, QLatin1Char('0'))
                           .arg(secs, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("%1:%2").arg(minutes).arg(secs, 2, 10, QLatin1Char('0'));
}

QString solvedText(int turns, double seconds)
{
    return QStringLiteral("Solved: %1 %2, %3").arg(turns).arg(turns == 1 ? "turn" : "turns", clockText(seconds));
}

} // namespace velmar::engine
