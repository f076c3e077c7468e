// The move tables (what each face move does to each coordinate) and the pruning tables (how many quarter
// turns, at least, each pair of coordinates is from its goal), built once on first use.
#pragma once

#include "Coordinates.h"

#include <cstdint>
#include <vector>

namespace velmar::solver {

// The moves that keep the cube inside the phase 2 group: U and D turns, half turns of the other faces.
constexpr int phase2MoveCount = 10;
constexpr int phase2Moves[phase2MoveCount] = {0, 1, 2, 9, 10, 11, 4, 7, 13, 16};

// Distances packed two to a byte; 15 stands for 15 or more, still a valid lower bound.
class Distances {
public:
    static constexpr int unknown = 15;
    explicit Distances(int size) : m_nibbles(std::size_t(size + 1) / 2, 0xFF) {}
    int operator[](int i) const { return m_nibbles[std::size_t(i) >> 1] >> ((i & 1) * 4) & 15; }
    void set(int i, int d)
    {
        std::uint8_t& b = m_nibbles[std::size_t(i) >> 1];
        b = std::uint8_t((b & ~(15 << ((i & 1) * 4))) | d << ((i & 1) * 4));
    }
    // The search is bound by memory latency: asking for several entries ahead lets their loads overlap.
    void prefetch(int i) const { __builtin_prefetch(&m_nibbles[std::size_t(i) >> 1]); }
    std::size_t bytes() const { return m_nibbles.size(); }

private:
    std::vector<std::uint8_t> m_nibbles;
};

struct Tables {
    // Phase 1, indexed coordinate * moveCount + move.
    std::vector<std::uint16_t> twistMove, flipMove, sliceMove;
    // Phase 2, indexed coordinate * phase2MoveCount + index into phase2Moves.
    std::vector<std::uint16_t> cornerOrderMove, edgeOrderMove, sliceOrderMove;
    // Indexed twist * sliceCount + slice, flip * sliceCount + slice, twist * flipCount + flip, and
    // order * sliceOrderCount + slice order.
    Distances twistSlice{twistCount * sliceCount}, flipSlice{flipCount * sliceCount};
    Distances twistFlip{twistCount * flipCount};
    Distances cornerSlice{cornerOrderCount * sliceOrderCount}, edgeSlice{edgeOrderCount * sliceOrderCount};

    std::size_t bytes() const;
};

// Builds the tables on the first call; concurrent callers wait for that one build.
const Tables& tables();
bool tablesBuilt();

} // namespace velmar::solver
