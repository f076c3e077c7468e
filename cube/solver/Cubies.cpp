#include "Cubies.h"

#include "Facelets.h"

namespace velmar::solver {

Cubies Cubies::solved()
{
    Cubies c{};
    for (int i = 0; i < cornerCount; ++i)
        c.corner[i] = std::uint8_t(i);
    for (int i = 0; i < edgeCount; ++i)
        c.edge[i] = std::uint8_t(i);
    return c;
}

Cubies Cubies::then(const Cubies& move) const
{
    Cubies r;
    for (int i = 0; i < cornerCount; ++i) {
        const int from = move.corner[i];
        r.corner[i] = corner[from];
        r.twist[i] = std::uint8_t((twist[from] + move.twist[i]) % 3);
    }
    for (int i = 0; i < edgeCount; ++i) {
        const int from = move.edge[i];
        r.edge[i] = edge[from];
        r.flip[i] = std::uint8_t(flip[from] ^ move.flip[i]);
    }
    return r;
}

Cubies Cubies::inverse() const
{
    Cubies r;
    for (int i = 0; i < cornerCount; ++i) {
        r.corner[corner[i]] = std::uint8_t(i);
        r.twist[corner[i]] = std::uint8_t((3 - twist[i]) % 3);
    }
    for (int i = 0; i < edgeCount; ++i) {
        r.edge[edge[i]] = std::uint8_t(i);
        r.flip[edge[i]] = flip[i];
    }
    return r;
}

const Cubies& moveCubies(int move)
{
    // Read off the stickers of a turned solved cube, so the pieces agree with the sticker layout by construction.
    static const std::array<Cubies, moveCount> moves = [] {
        std::array<Cubies, moveCount> all;
        for (int m = 0; m < moveCount; ++m)
            all[m] = readCubies(turnFace(solvedFacelets(), Face(moveFace(m)), moveTurns(m))).cubies;
        return all;
    }();
    return moves[move];
}

int permutationParity(const std::uint8_t* pieces, int n)
{
    int parity = 0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            parity ^= pieces[i] > pieces[j];
    return parity;
}

} // namespace velmar::solver
