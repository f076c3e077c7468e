#include "Tables.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace velmar::solver {
namespace {

template <class Coordinate, class Make>
std::vector<std::uint16_t> moveTable(int size, const int* moves, int count, Coordinate coordinate, Make make)
{
    std::vector<std::uint16_t> table(std::size_t(size) * count);
    for (int i = 0; i < size; ++i) {
        const Cubies c = make(i);
        for (int k = 0; k < count; ++k)
            table[std::size_t(i) * count + k] = std::uint16_t(coordinate(c.then(moveCubies(moves[k]))));
    }
    return table;
}

// Quarter-turn distances from `goal`, where move k costs costs[k] (1 or 2): layer d is reached from layer
// d - 1 by the quarter turns and from layer d - 2 by the half turns. Once fewer entries are left than
// were just reached, it is quicker to ask of each unknown entry whether a move leads into those layers
// (the moves come in inverse pairs of equal cost).
// A pair of coordinates, indexed first * secondCount + second, moved by their move tables.
struct CoordinatePair {
    const std::vector<std::uint16_t>& firstMove;
    int firstCount;
    const std::vector<std::uint16_t>& secondMove;
    int secondCount;
    const int* costs;
    int moves;
};

void fillDistances(Distances& table, const CoordinatePair& p, int goal)
{
    const int size = p.firstCount * p.secondCount;
    table.set(goal, 0);
    int unknown = size - 1, lastReached = 1, emptyLayers = 0;
    for (int d = 1; d < Distances::unknown && emptyLayers < 2 && unknown > 0; ++d) {
        const bool backwards = unknown < lastReached;
        int reached = 0;
        for (int a = 0, i = 0; a < p.firstCount; ++a) {
            const std::uint16_t* firstNext = &p.firstMove[std::size_t(a) * p.moves];
            for (int b = 0; b < p.secondCount; ++b, ++i) {
                const int at = table[i];
                if (backwards ? at != Distances::unknown : at != d - 1 && at != d - 2)
                    continue;
                const std::uint16_t* secondNext = &p.secondMove[std::size_t(b) * p.moves];
                for (int k = 0; k < p.moves; ++k) {
                    const int n = firstNext[k] * p.secondCount + secondNext[k];
                    if (backwards && table[n] == d - p.costs[k]) {
                        table.set(i, d);
                        ++reached;
                        break;
                    }
                    if (!backwards && p.costs[k] == d - at && table[n] == Distances::unknown) {
                        table.set(n, d);
                        ++reached;
                    }
                }
            }
        }
        unknown -= reached;
        lastReached = reached;
        emptyLayers = reached ? 0 : emptyLayers + 1;
    }
}

std::unique_ptr<Tables> build()
{
    auto t = std::make_unique<Tables>();
    int all[moveCount], costs[moveCount], costs2[phase2MoveCount];
    for (int m = 0; m < moveCount; ++m) {
        all[m] = m;
        costs[m] = moveCost(m);
    }
    for (int k = 0; k < phase2MoveCount; ++k)
        costs2[k] = moveCost(phase2Moves[k]);

    t->twistMove = moveTable(twistCount, all, moveCount, twistOf, withTwist);
    t->flipMove = moveTable(flipCount, all, moveCount, flipOf, withFlip);
    t->sliceMove = moveTable(sliceCount, all, moveCount, sliceOf, withSlice);
    t->cornerOrderMove = moveTable(cornerOrderCount, phase2Moves, phase2MoveCount, cornerOrderOf, withCornerOrder);
    t->edgeOrderMove = moveTable(edgeOrderCount, phase2Moves, phase2MoveCount, edgeOrderOf, withEdgeOrder);
    t->sliceOrderMove = moveTable(sliceOrderCount, phase2Moves, phase2MoveCount, sliceOrderOf, withSliceOrder);

    const Tables& m = *t;
    fillDistances(t->twistSlice, {m.twistMove, twistCount, m.sliceMove, sliceCount, costs, moveCount}, solvedSlice);
    fillDistances(t->flipSlice, {m.flipMove, flipCount, m.sliceMove, sliceCount, costs, moveCount}, solvedSlice);
    fillDistances(t->twistFlip, {m.twistMove, twistCount, m.flipMove, flipCount, costs, moveCount}, 0);
    fillDistances(t->cornerSlice,
                  {m.cornerOrderMove, cornerOrderCount, m.sliceOrderMove, sliceOrderCount, costs2, phase2MoveCount}, 0);
    fillDistances(t->edgeSlice,
                  {m.edgeOrderMove, edgeOrderCount, m.sliceOrderMove, sliceOrderCount, costs2, phase2MoveCount}, 0);
    return t;
}

std::once_flag g_once;
std::unique_ptr<Tables> g_tables;
std::atomic<bool> g_built{false};

} // namespace

std::size_t Tables::bytes() const
{
    auto size = [](const std::vector<std::uint16_t>& v) { return v.size() * sizeof(v[0]); };
    return size(twistMove) + size(flipMove) + size(sliceMove) + size(cornerOrderMove) + size(edgeOrderMove) +
           size(sliceOrderMove) + twistSlice.bytes() + flipSlice.bytes() + twistFlip.bytes() + cornerSlice.bytes() +
           edgeSlice.bytes();
}

const Tables& tables()
{
    std::call_once(g_once, [] {
        g_tables = build();
        g_built.store(true, std::memory_order_release);
    });
    return *g_tables;
}

bool tablesBuilt()
{
    return g_built.load(std::memory_order_acquire);
}

} // namespace velmar::solver
