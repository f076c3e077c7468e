#include "TwoPhaseSearch.h"

#include "Coordinates.h"
#include "Facelets.h"
#include "Tables.h"

#include <algorithm>

namespace velmar::solver {
namespace {

constexpr int maxDepth = 64;
// Long second phases cost much search and seldom give short totals: a longer first phase does better.
constexpr int longestPhase2 = 18;

int oppositeFace(int face)
{
    return (face + 3) % 6;
}

// Each face once in a row, and of two opposite faces turned one after the other only the U, R, F one first:
// the other orders reach nothing new.
bool redundantAfter(int face, int lastFace)
{
    return face == lastFace || (lastFace >= 3 && face == oppositeFace(lastFace));
}

// The same position seen with another axis as U-D, or its inverse: each splits into the two phases
// differently, and searching all of them side by side finds short solutions sooner.
struct Variant {
    Cubies start;
    std::array<std::uint8_t, 6> originalFace; // by the face a move turns here
    bool inverse = false;

    std::vector<std::uint8_t> original(const std::uint8_t* moves, int count) const
    {
        std::vector<std::uint8_t> r;
        for (int i = 0; i < count; ++i) {
            const int m = moves[inverse ? count - 1 - i : i];
            const int turns = inverse ? 4 - moveTurns(m) : moveTurns(m);
            r.push_back(std::uint8_t(originalFace[moveFace(m)] * 3 + turns - 1));
        }
        return r;
    }
};

std::vector<Variant> variantsOf(const Cubies& start)
{
    std::vector<Variant> variants;
    const Facelets facelets = toFacelets(start);
    for (int axis : {-1, int(Face::F), int(Face::R)}) {
        Variant v;
        for (int f = 0; f < 6; ++f)
            v.originalFace[axis < 0 ? f : int(turnedFace(Face(f), Face(axis)))] = std::uint8_t(f);
        v.start = axis < 0 ? start : readCubies(turnWhole(facelets, Face(axis))).cubies;
        variants.push_back(v);
        v.start = v.start.inverse();
        v.inverse = true;
        variants.push_back(v);
    }
    return variants;
}

class Search {
public:
    Search(const Cubies& start, const SolveLimits& limits)
        : m_t(tables()),
          m_variants(variantsOf(start)),
          m_limits(limits),
          m_deadline(std::chrono::steady_clock::now() + limits.ceiling),
          // Every solution's length has the parity of the corners' order: when the limit's parity differs,
          // one more is as good.
          m_goodEnough(limits.goodEnough +
                       ((limits.goodEnough ^ permutationParity(start.corner.data(), cornerCount)) & 1))
    {
    }

    std::vector<std::uint8_t> run()
    {
        int bounds[6];
        for (std::size_t v = 0; v < m_variants.size(); ++v) {
            const Cubies& c = m_variants[v].start;
            bounds[v] = phase1Bound(twistOf(c), flipOf(c), sliceOf(c));
        }
        for (int depth = *std::min_element(bounds, bounds + 6); depth < m_bestCost && !m_stop; ++depth)
            for (std::size_t v = 0; v < m_variants.size() && depth < m_bestCost && !m_stop; ++v) {
                if (depth < bounds[v])
                    continue;
                m_variant = &m_variants[v];
                const Cubies& c = m_variant->start;
                phase1(twistOf(c), flipOf(c), sliceOf(c), depth, 0, -1);
            }
        return m_best;
    }

private:
    int phase1Bound(int twist, int flip, int slice) const
    {
        return std::max({m_t.twistSlice[twist * sliceCount + slice], m_t.flipSlice[flip * sliceCount + slice],
                         m_t.twistFlip[twist * flipCount + flip]});
    }

    int phase2Bound(int corner, int edge, int sliceOrder) const
    {
        return std::max(m_t.cornerSlice[corner * sliceOrderCount + sliceOrder],
                        m_t.edgeSlice[edge * sliceOrderCount + sliceOrder]);
    }

    // Whether to give up: the budget is spent (once something is found) or the clock says so.
    bool spent()
    {
        ++m_work;
        if (m_work > m_limits.workBudget && m_found)
            m_stop = true;
        else if (m_limits.ceiling.count() > 0 && (m_work & 1023) == 0 && m_found &&
                 std::chrono::steady_clock::now() > m_deadline)
            m_stop = true;
        return m_stop;
    }

    void phase1(int twist, int flip, int slice, int togo, int depth, int lastFace)
    {
        if (togo == 0) {
            const bool inGroup = twist == 0 && flip == 0 && slice == solvedSlice;
            if (inGroup)
                phase2Start(depth);
            return;
        }
        // The children are tested table by table, each table's entries fetched for all of them at once.
        struct Child {
            int move, room, twist, slice, flip;
        };
        Child children[moveCount];
        int count = 0;
        for (int m = 0; m < moveCount; ++m) {
            const int face = moveFace(m), cost = moveCost(m), room = togo - cost;
            if (room < 0 || redundantAfter(face, lastFace))
                continue;
            // Ending on a move that phase 2 could make would only repeat a shorter phase 1: the last move
            // is a quarter turn of a side face.
            if (room == 0 && (face % 3 == 0 || cost == 2))
                continue;
            Child& c = children[count++];
            c = {m, room, m_t.twistMove[twist * moveCount + m], m_t.sliceMove[slice * moveCount + m], 0};
            m_t.twistSlice.prefetch(c.twist * sliceCount + c.slice);
        }
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            Child c = children[i];
            if (m_t.twistSlice[c.twist * sliceCount + c.slice] > c.room)
                continue;
            c.flip = m_t.flipMove[flip * moveCount + c.move];
            m_t.flipSlice.prefetch(c.flip * sliceCount + c.slice);
            m_t.twistFlip.prefetch(c.twist * flipCount + c.flip);
            children[kept++] = c;
        }
        for (int i = 0; i < kept && !m_stop; ++i) {
            const Child& c = children[i];
            if (m_t.flipSlice[c.flip * sliceCount + c.slice] > c.room ||
                m_t.twistFlip[c.twist * flipCount + c.flip] > c.room)
                continue;
            if (spent())
                return;
            m_path[depth] = std::uint8_t(c.move);
            m_phase1Cost += togo - c.room;
            phase1(c.twist, c.flip, c.slice, c.room, depth + 1, moveFace(c.move));
            m_phase1Cost -= togo - c.room;
        }
    }

    void phase2Start(int phase1Length)
    {
        Cubies c = m_variant->start;
        for (int i = 0; i < phase1Length; ++i)
            c = c.then(moveCubies(m_path[i]));
        const int corner = cornerOrderOf(c), edge = edgeOrderOf(c), sliceOrder = sliceOrderOf(c);
        const int longest = std::min(m_bestCost - 1 - m_phase1Cost, longestPhase2);
        int bound = phase2Bound(corner, edge, sliceOrder);
        // Every quarter turn changes the corners' parity: the length has the parity of the corner order.
        if ((bound ^ permutationParity(c.corner.data(), cornerCount)) & 1)
            ++bound;
        const int lastFace = phase1Length ? moveFace(m_path[phase1Length - 1]) : -1;
        for (; bound <= longest && !m_stop; bound += 2)
            if (phase2(corner, edge, sliceOrder, bound, phase1Length, lastFace)) {
                m_bestCost = m_phase1Cost + bound;
                m_best = m_variant->original(m_path, m_solutionLength);
                m_found = true;
                if (m_bestCost <= m_goodEnough)
                    m_stop = true;
                return;
            }
    }

    bool phase2(int corner, int edge, int sliceOrder, int togo, int depth, int lastFace)
    {
        if (togo == 0) {
            m_solutionLength = depth;
            return corner == 0 && edge == 0 && sliceOrder == 0;
        }
        for (int k = 0; k < phase2MoveCount; ++k) {
            const int m = phase2Moves[k], face = moveFace(m), cost = moveCost(m);
            if (cost > togo || redundantAfter(face, lastFace))
                continue;
            const int c = m_t.cornerOrderMove[corner * phase2MoveCount + k],
                      e = m_t.edgeOrderMove[edge * phase2MoveCount + k],
                      s = m_t.sliceOrderMove[sliceOrder * phase2MoveCount + k];
            if (phase2Bound(c, e, s) > togo - cost)
                continue;
            if (spent())
                return false;
            m_path[depth] = std::uint8_t(m);
            if (phase2(c, e, s, togo - cost, depth + 1, face))
                return true;
        }
        return false;
    }

    const Tables& m_t;
    std::vector<Variant> m_variants;
    const Variant* m_variant = nullptr;
    const SolveLimits m_limits;
    const std::chrono::steady_clock::time_point m_deadline;
    const int m_goodEnough;
    std::uint8_t m_path[maxDepth] = {};
    int m_phase1Cost = 0;
    int m_solutionLength = 0;
    std::vector<std::uint8_t> m_best;
    int m_bestCost = maxDepth;
    bool m_found = false;
    bool m_stop = false;
    std::uint64_t m_work = 0;
};

} // namespace

std::vector<std::uint8_t> searchSolution(const Cubies& start, const SolveLimits& limits)
{
    return Search(start, limits).run();
}

} // namespace velmar::solver
