#include "SceneFacelets.h"

#include <cmath>

namespace velmar::cube {
namespace {

using solver::Face;
using P = TStickPosition;

Face solverFace(P side)
{
    switch (side) {
    case P::PoTop:
        return Face::U;
    case P::PoRight:
        return Face::R;
    case P::PoFront:
        return Face::F;
    case P::PoBottom:
        return Face::D;
    case P::PoLeft:
        return Face::L;
    case P::PoBack:
        return Face::B;
    case P::PoNone:
        break;
    }
    return Face::U;
}

// The facelet a sticker covers on `side`, from its piece's cell (x right, y down, z away from the
// front, each -1, 0 or 1): rows and columns as the face is seen from outside, with U above F, R, B
// and L, B above U and F above D.
int faceletIndex(P side, int x, int y, int z)
{
    int row = 0, column = 0;
    switch (side) {
    case P::PoTop:
        row = 1 - z;
        column = x + 1;
        break;
    case P::PoBottom:
        row = z + 1;
        column = x + 1;
        break;
    case P::PoFront:
        row = y + 1;
        column = x + 1;
        break;
    case P::PoBack:
        row = y + 1;
        column = 1 - x;
        break;
    case P::PoRight:
        row = y + 1;
        column = z + 1;
        break;
    case P::PoLeft:
        row = y + 1;
        column = 1 - z;
        break;
    case P::PoNone:
        break;
    }
    return int(solverFace(side)) * 9 + row * 3 + column;
}

int cell(float coordinate)
{
    return int(std::lround(coordinate / kPieceEdge));
}

} // namespace

solver::Facelets readFacelets(const TCubeScene& cube)
{
    solver::Facelets facelets = solver::solvedFacelets(); // the centres
    for (const platform::Plane* stick : cube.stickers) {
        const QVector3D p = stick->parent()->position();
        const P side = GetStickPosition(*stick);
        const P home = homeFaceOfLetter(stick->name().back().toLatin1());
        facelets[std::size_t(faceletIndex(side, cell(p.x()), cell(p.y()), cell(p.z())))] = solverFace(home);
    }
    return facelets;
}

} // namespace velmar::cube
