// Temporary stand-in: no search; the real library replaces this folder.
#include "Solver.h"

#include <atomic>

namespace velmar::solver {
namespace {
std::atomic<bool> g_ready{false};
}

Facelets solvedFacelets()
{
    Facelets f{};
    for (int i = 0; i < 54; ++i)
        f[std::size_t(i)] = Face(i / 9);
    return f;
}

Facelets applyMoves(Facelets cube, std::string_view)
{
    return cube;
}

void prepareTables()
{
    g_ready = true;
}

bool tablesReady()
{
    return g_ready;
}

SolveResult solve(const Facelets& cube)
{
    if (cube == solvedFacelets())
        return {};
    return {{}, "solver not built"};
}

std::string randomStateScramble(std::uint64_t seed)
{
    // A fixed 24-turn sequence, rotated by the seed so that different seeds differ.
    const std::string base = "RWbGyoRRwBYgOrWWbyGoRbWg";
    const std::size_t shift = std::size_t(seed % base.size());
    return base.substr(shift) + base.substr(0, shift);
}

} // namespace velmar::solver
