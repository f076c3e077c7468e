// Random-state scrambles: draw a position uniformly among the reachable ones, then give the inverse of
// its solution, so the scramble is short and the position as random as a fair shuffle of the pieces.
#include "Solver.h"

#include "Cubies.h"
#include "MoveLetters.h"
#include "TwoPhaseSearch.h"

#include <algorithm>

namespace velmar::solver {
namespace {

// SplitMix64: small, fast and the same on every platform, so a seed always gives the same scramble.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0..n-1, without the bias of a plain remainder.
    std::uint32_t below(std::uint32_t n)
    {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % n;
        std::uint64_t x;
        do
            x = next();
        while (x >= limit);
        return std::uint32_t(x % n);
    }

private:
    std::uint64_t m_state;
};

template <std::size_t N>
void shuffle(std::array<std::uint8_t, N>& a, Random& random)
{
    for (std::size_t i = N - 1; i > 0; --i)
        std::swap(a[i], a[random.below(std::uint32_t(i + 1))]);
}

// Every reachable position equally likely: any orders of equal parity, any twists and flips that sum to
// whole turns.
Cubies randomPosition(Random& random)
{
    Cubies c = Cubies::solved();
    shuffle(c.corner, random);
    shuffle(c.edge, random);
    // Swapping two places is a one-to-one map between odd and even orders, so the draw stays uniform.
    if (permutationParity(c.corner.data(), cornerCount) != permutationParity(c.edge.data(), edgeCount))
        std::swap(c.edge[0], c.edge[1]);
    int twistSum = 0, flipSum = 0;
    for (int i = 0; i < cornerCount - 1; ++i)
        twistSum += c.twist[i] = std::uint8_t(random.below(3));
    c.twist[cornerCount - 1] = std::uint8_t((3 - twistSum % 3) % 3);
    for (int i = 0; i < edgeCount - 1; ++i)
        flipSum += c.flip[i] = std::uint8_t(random.below(2));
    c.flip[edgeCount - 1] = std::uint8_t(flipSum % 2);
    return c;
}

constexpr std::size_t shortestScramble = 20;

} // namespace

std::string randomStateScramble(std::uint64_t seed)
{
    Random random(seed);
    // No time limit, so the same seed gives the same letters on any machine.
    const SolveLimits limits{.goodEnough = 24, .workBudget = 200'000, .ceiling = std::chrono::milliseconds(0)};
    for (;;) {
        // The rare position closer to solved than a scramble should be is drawn again, as competitions do.
        const std::string solution = lettersOf(searchSolution(randomPosition(random), limits));
        if (solution.size() >= shortestScramble)
            return inverseLetters(solution);
    }
}

} // namespace velmar::solver
