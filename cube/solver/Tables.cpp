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
// d - 1 by the quarter turns and from layer d - 2 by the half turns.
template <class Next>
void fillDistances(Distances& table, int size, int goal, const int* costs, int count, Next next)
{
    table.set(goal, 0);
    int emptyLayers = 0;
    for (int d = 1; d < Distances::unknown && emptyLayers < 2; ++d) {
        int reached = 0;
        for (int i = 0; i < size; ++i) {
            const int from = table[i];
            if (from != d - 1 && from != d - 2)
                continue;
            const int cost = d - from;
            for (int k = 0; k < count; ++k)
                if (costs[k] == cost) {
                    const int n = next(i, k);
                    if (table[n] == Distances::unknown) {
                        table.set(n, d);
                        ++reached;
                    }
                }
        }
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
    fillDistances(t->twistSlice, twistCount * sliceCount, solvedSlice, costs, moveCount, [&m](int i, int k) {
        return m.twistMove[i / sliceCount * moveCount + k] * sliceCount + m.sliceMove[i % sliceCount * moveCount + k];
    });
    fillDistances(t->flipSlice, flipCount * sliceCount, solvedSlice, costs, moveCount, [&m](int i, int k) {
        return m.flipMove[i / sliceCount * moveCount + k] * sliceCount + m.sliceMove[i % sliceCount * moveCount + k];
    });
    fillDistances(t->twistFlip, twistCount * flipCount, 0, costs, moveCount, [&m](int i, int k) {
        return m.twistMove[i / flipCount * moveCount + k] * flipCount + m.flipMove[i % flipCount * moveCount + k];
    });
    auto phase2Next = [&m](const std::vector<std::uint16_t>& order) {
        return [&m, &order](int i, int k) {
            return order[i / sliceOrderCount * phase2MoveCount + k] * sliceOrderCount +
                   m.sliceOrderMove[i % sliceOrderCount * phase2MoveCount + k];
        };
    };
    fillDistances(t->cornerSlice, cornerOrderCount * sliceOrderCount, 0, costs2, phase2MoveCount,
                  phase2Next(m.cornerOrderMove));
    fillDistances(t->edgeSlice, edgeOrderCount * sliceOrderCount, 0, costs2, phase2MoveCount,
                  phase2Next(m.edgeOrderMove));
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
