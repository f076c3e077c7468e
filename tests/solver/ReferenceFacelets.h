// The reference cube's stickers in the solver's facelet order: each face's nine facelets row by row as
// seen from outside, U with B at the top edge, D with F at the top edge, the side faces with U at the top.
#pragma once

#include "cube/solver/Solver.h"
#include "support/ReferenceCube.h"

namespace velmar::testkit {

inline solver::Facelets faceletsOf(const ReferenceCube& cube)
{
    // Per face in U R F D L B order: its outward normal, the cell of its top-left facelet, and the steps
    // to the next column and the next row.
    struct Grid {
        IVec normal, topLeft, column, row;
    };
    static constexpr Grid grids[6] = {
        {{0, 1, 0}, {-1, 1, -1}, {1, 0, 0}, {0, 0, 1}},   {{1, 0, 0}, {1, 1, 1}, {0, 0, -1}, {0, -1, 0}},
        {{0, 0, 1}, {-1, 1, 1}, {1, 0, 0}, {0, -1, 0}},   {{0, -1, 0}, {-1, -1, 1}, {1, 0, 0}, {0, 0, -1}},
        {{-1, 0, 0}, {-1, 1, -1}, {0, 0, 1}, {0, -1, 0}}, {{0, 0, -1}, {1, 1, -1}, {-1, 0, 0}, {0, -1, 0}},
    };
    static constexpr solver::Face faceOfColour[6] = {solver::Face::U, solver::Face::D, solver::Face::F,
                                                     solver::Face::B, solver::Face::R, solver::Face::L};
    solver::Facelets f{};
    for (int face = 0; face < 6; ++face)
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column) {
                const Grid& g = grids[face];
                const IVec cell{g.topLeft.x + column * g.column.x + row * g.row.x,
                                g.topLeft.y + column * g.column.y + row * g.row.y,
                                g.topLeft.z + column * g.column.z + row * g.row.z};
                f[face * 9 + row * 3 + column] = faceOfColour[int(cube.colourAt({cell, g.normal}))];
            }
    return f;
}

} // namespace velmar::testkit
