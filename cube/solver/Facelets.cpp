#include "Facelets.h"

#include <algorithm>

namespace velmar::solver {
namespace {

struct Vec {
    int x, y, z;
    bool operator==(const Vec&) const = default;
};

int dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec cross(Vec a, Vec b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
int det(Vec a, Vec b, Vec c)
{
    return dot(a, cross(b, c));
}

// x right, y up, z towards the front.
constexpr Vec normals[6] = {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}, {-1, 0, 0}, {0, 0, -1}};

// The cell of the 3x3x3 grid that facelet `row`, `column` of `face` lies on, following the reading order of
// the facelet string.
Vec cellOf(int face, int row, int column)
{
    const int r = row - 1, c = column - 1;
    switch (Face(face)) {
    case Face::U:
        return {c, 1, r};
    case Face::R:
        return {1, -r, -c};
    case Face::F:
        return {c, -r, 1};
    case Face::D:
        return {c, -1, -r};
    case Face::L:
        return {-1, -r, c};
    case Face::B:
        return {-c, -r, -1};
    }
    return {};
}

// A clockwise quarter turn seen from outside along `axis` is -90 degrees about it.
Vec clockwise(Vec axis, Vec v)
{
    const int d = dot(axis, v);
    const Vec c = cross(axis, v);
    return {axis.x * d - c.x, axis.y * d - c.y, axis.z * d - c.z};
}

constexpr Vec cornerCells[cornerCount] = {{1, 1, 1},  {-1, 1, 1},  {-1, 1, -1},  {1, 1, -1},
                                          {1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}};
constexpr Vec edgeCells[edgeCount] = {{1, 1, 0},   {0, 1, 1},   {-1, 1, 0}, {0, 1, -1}, {1, -1, 0},  {0, -1, 1},
                                      {-1, -1, 0}, {0, -1, -1}, {1, 0, 1},  {-1, 0, 1}, {-1, 0, -1}, {1, 0, -1}};

struct Layout {
    Vec cell[54];
    int face[54];
    int turned[6][54]; // where a clockwise quarter turn of each face carries each facelet
    // A corner's facelets: the U or D one, then clockwise seen from outside. An edge's: the U or D one,
    // else (in the middle slice) the F or B one, then the other.
    std::array<std::array<int, 3>, cornerCount> corner;
    std::array<std::array<int, 2>, edgeCount> edge;

    int faceletAt(Vec cell, int face) const
    {
        for (int i = 0; i < 54; ++i)
            if (this->face[i] == face && this->cell[i] == cell)
                return i;
        return -1;
    }
    int faceOfNormal(Vec n) const { return int(std::find(normals, normals + 6, n) - normals); }
};

const Layout& layout()
{
    static const Layout l = [] {
        Layout l{};
        for (int i = 0; i < 54; ++i) {
            l.face[i] = i / 9;
            l.cell[i] = cellOf(i / 9, i % 9 / 3, i % 3);
        }
        for (int f = 0; f < 6; ++f)
            for (int i = 0; i < 54; ++i)
                l.turned[f][i] = dot(l.cell[i], normals[f]) == 1
                                     ? l.faceletAt(clockwise(normals[f], l.cell[i]),
                                                   l.faceOfNormal(clockwise(normals[f], normals[l.face[i]])))
                                     : i;
        auto onCell = [&](Vec cell) {
            std::array<int, 3> found{-1, -1, -1};
            int n = 0;
            for (int f : {0, 3, 2, 5, 1, 4}) // U and D first, then F and B
                if (int i = l.faceletAt(cell, f); i >= 0)
                    found[n++] = i;
            return found;
        };
        for (int c = 0; c < cornerCount; ++c) {
            auto f = onCell(cornerCells[c]);
            if (det(normals[l.face[f[0]]], normals[l.face[f[1]]], normals[l.face[f[2]]]) > 0)
                std::swap(f[1], f[2]);
            l.corner[c] = f;
        }
        for (int e = 0; e < edgeCount; ++e) {
            const auto f = onCell(edgeCells[e]);
            l.edge[e] = {f[0], f[1]};
        }
        return l;
    }();
    return l;
}

const char* colourName(Face f)
{
    static constexpr const char* names[] = {"white", "blue", "red", "yellow", "green", "orange"};
    return names[int(f)];
}

std::string refusal(const std::string& why)
{
    return "This cube cannot be solved: " + why + ".";
}

} // namespace

Facelets solvedFacelets()
{
    Facelets f;
    for (int i = 0; i < 54; ++i)
        f[i] = Face(i / 9);
    return f;
}

Facelets turnFace(const Facelets& cube, Face face, int quarterTurns)
{
    const Layout& l = layout();
    Facelets r = cube;
    for (int q = 0; q < quarterTurns; ++q) {
        const Facelets before = r;
        for (int i = 0; i < 54; ++i)
            r[l.turned[int(face)][i]] = before[i];
    }
    return r;
}

Face turnedFace(Face face, Face axis)
{
    return Face(layout().faceOfNormal(clockwise(normals[int(axis)], normals[int(face)])));
}

Facelets turnWhole(const Facelets& cube, Face axis)
{
    const Layout& l = layout();
    const Vec a = normals[int(axis)];
    Facelets r;
    for (int i = 0; i < 54; ++i)
        r[l.faceletAt(clockwise(a, l.cell[i]), l.faceOfNormal(clockwise(a, normals[l.face[i]])))] =
            turnedFace(cube[i], axis);
    return r;
}

Reading readCubies(const Facelets& cube)
{
    const Layout& l = layout();
    Reading reading{Cubies::solved(), {}};
    for (int f = 0; f < 6; ++f)
        if (cube[f * 9 + 4] != Face(f))
            return {{}, refusal("the centres are not in their places")};
    int counts[6] = {};
    for (Face f : cube)
        if (int(f) < 6)
            ++counts[int(f)];
    for (int f = 0; f < 6; ++f)
        if (counts[f] != 9)
            return {{},
                    refusal("it has " + std::to_string(counts[f]) + " " + colourName(Face(f)) +
                            " stickers where every colour has 9")};

    const Facelets solved = solvedFacelets();
    bool seenCorner[cornerCount] = {}, seenEdge[edgeCount] = {};
    Cubies& c = reading.cubies;
    int twistSum = 0, flipSum = 0;
    for (int place = 0; place < cornerCount; ++place) {
        const auto& at = l.corner[place];
        int twist = 0;
        while (twist < 3 && cube[at[twist]] != Face::U && cube[at[twist]] != Face::D)
            ++twist;
        int piece = 0;
        for (; twist < 3 && piece < cornerCount; ++piece) {
            const auto& home = l.corner[piece];
            if (cube[at[twist]] == solved[home[0]] && cube[at[(twist + 1) % 3]] == solved[home[1]] &&
                cube[at[(twist + 2) % 3]] == solved[home[2]])
                break;
        }
        if (twist == 3 || piece == cornerCount)
            return {{}, refusal("a corner has colours that no corner has")};
        if (seenCorner[piece])
            return {{}, refusal("two corners are the same piece")};
        seenCorner[piece] = true;
        c.corner[place] = std::uint8_t(piece);
        c.twist[place] = std::uint8_t(twist);
        twistSum += twist;
    }
    for (int place = 0; place < edgeCount; ++place) {
        const auto& at = l.edge[place];
        int piece = 0, flip = 0;
        for (; piece < edgeCount; ++piece) {
            const auto& home = l.edge[piece];
            if (cube[at[0]] == solved[home[0]] && cube[at[1]] == solved[home[1]])
                break;
            if (cube[at[0]] == solved[home[1]] && cube[at[1]] == solved[home[0]]) {
                flip = 1;
                break;
            }
        }
        if (piece == edgeCount)
            return {{}, refusal("an edge has colours that no edge has")};
        if (seenEdge[piece])
            return {{}, refusal("two edges are the same piece")};
        seenEdge[piece] = true;
        c.edge[place] = std::uint8_t(piece);
        c.flip[place] = std::uint8_t(flip);
        flipSum += flip;
    }
    if (twistSum % 3 != 0)
        return {{}, refusal("a corner is twisted")};
    if (flipSum % 2 != 0)
        return {{}, refusal("an edge is flipped")};
    if (permutationParity(c.corner.data(), cornerCount) != permutationParity(c.edge.data(), edgeCount))
        return {{}, refusal("two pieces are swapped")};
    return reading;
}

Facelets toFacelets(const Cubies& c)
{
    const Layout& l = layout();
    const Facelets solved = solvedFacelets();
    Facelets f = solved;
    for (int place = 0; place < cornerCount; ++place)
        for (int k = 0; k < 3; ++k)
            f[l.corner[place][(k + c.twist[place]) % 3]] = solved[l.corner[c.corner[place]][k]];
    for (int place = 0; place < edgeCount; ++place)
        for (int k = 0; k < 2; ++k)
            f[l.edge[place][(k + c.flip[place]) % 2]] = solved[l.edge[c.edge[place]][k]];
    return f;
}

} // namespace velmar::solver
