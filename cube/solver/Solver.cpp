#include "Solver.h"

#include "Facelets.h"
#include "MoveLetters.h"
#include "Tables.h"
#include "TwoPhaseSearch.h"

namespace velmar::solver {

void prepareTables()
{
    tables();
}
bool tablesReady()
{
    return tablesBuilt();
}

SolveResult solve(const Facelets& cube)
{
    return solve(cube, SolveLimits{});
}

SolveResult solve(const Facelets& cube, const SolveLimits& limits)
{
    const Reading reading = readCubies(cube);
    if (!reading.error.empty())
        return {{}, reading.error};
    return {lettersOf(searchSolution(reading.cubies, limits)), {}};
}

} // namespace velmar::solver
