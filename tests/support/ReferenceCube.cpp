#include "ReferenceCube.h"

namespace velmar::testkit {
namespace {

IVec normalOfFace(char face)
{
    switch (face) {
    case 'U':
        return {0, 1, 0};
    case 'D':
        return {0, -1, 0};
    case 'F':
        return {0, 0, 1};
    case 'B':
        return {0, 0, -1};
    case 'R':
        return {1, 0, 0};
    case 'L':
        return {-1, 0, 0};
    }
    return {0, 0, 0};
}

int dot(IVec a, IVec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
IVec cross(IVec a, IVec b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Clockwise seen from outside along `axis` is -90 degrees about it (right-hand rule):
// v' = a(a.v) - a x v.
IVec clockwise(IVec axis, IVec v)
{
    const int d = dot(axis, v);
    const IVec c = cross(axis, v);
    return {axis.x * d - c.x, axis.y * d - c.y, axis.z * d - c.z};
}

Colour startColour(IVec normal)
{
    if (normal.y == 1)
        return Colour::White;
    if (normal.y == -1)
        return Colour::Yellow;
    if (normal.z == 1)
        return Colour::Red;
    if (normal.z == -1)
        return Colour::Orange;
    if (normal.x == 1)
        return Colour::Blue;
    return Colour::Green;
}

} // namespace

ReferenceCube::ReferenceCube()
{
    const IVec normals[] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (int x = -1; x <= 1; ++x)
        for (int y = -1; y <= 1; ++y)
            for (int z = -1; z <= 1; ++z)
                for (IVec n : normals) {
                    const IVec cell{x, y, z};
                    if (dot(cell, n) == 1)
                        m_colours[{cell, n}] = startColour(n);
                }
}

void ReferenceCube::turn(char face, int quarterTurns)
{
    const IVec axis = normalOfFace(face);
    for (int q = 0; q < quarterTurns; ++q) {
        std::map<Facelet, Colour> next = m_colours;
        for (const auto& [f, colour] : m_colours)
            if (dot(f.cell, axis) == 1)
                next[{clockwise(axis, f.cell), clockwise(axis, f.normal)}] = colour;
        m_colours = std::move(next);
    }
}

void ReferenceCube::play(const std::string& letters)
{
    for (char c : letters) {
        switch (c) {
        case 'R':
            turn('F');
            break;
        case 'r':
            turn('F', 3);
            break;
        case 'O':
            turn('B');
            break;
        case 'o':
            turn('B', 3);
            break;
        case 'W':
            turn('U');
            break;
        case 'w':
            turn('U', 3);
            break;
        case 'Y':
            turn('D');
            break;
        case 'y':
            turn('D', 3);
            break;
        case 'G':
            turn('L');
            break;
        case 'g':
            turn('L', 3);
            break;
        case 'B':
            turn('R');
            break;
        case 'b':
            turn('R', 3);
            break;
        default:
            break;
        }
    }
}

ReferenceCube::ReferenceCube(const Colours& colours) : ReferenceCube()
{
    auto colour = colours.begin();
    for (auto& [f, c] : m_colours)
        c = *colour++;
}

ReferenceCube::Colours ReferenceCube::colours() const
{
    Colours out{};
    auto colour = out.begin();
    for (const auto& [f, c] : m_colours)
        *colour++ = c;
    return out;
}

bool ReferenceCube::isSolved() const
{
    for (const auto& [f, colour] : m_colours)
        if (colour != startColour(f.normal))
            return false;
    return true;
}

const char* toString(Colour colour)
{
    static constexpr const char* names[] = {"white", "yellow", "red", "orange", "blue", "green"};
    return names[int(colour)];
}

} // namespace velmar::testkit
