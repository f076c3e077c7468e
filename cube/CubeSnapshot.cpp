#include "CubeSnapshot.h"

#include "StartPosition.h"

#include <cmath>

namespace velmar::cube {

CubeSnapshot takeSnapshot(const TCubeScene& cube)
{
    CubeSnapshot snapshot;
    for (std::size_t i = 0; i < cube.pieces.size(); ++i) {
        // Two coordinates carry the rounding error of the turns that brought the piece there.
        const QVector3D p = cube.pieces[i]->position();
        snapshot.piecePlaces[i] = {std::int8_t(std::lround(p.x())), std::int8_t(std::lround(p.y())),
                                   std::int8_t(std::lround(p.z()))};
    }
    for (std::size_t i = 0; i < cube.stickers.size(); ++i)
        snapshot.stickerPlaces[i] = GetStickPosition(*cube.stickers[i]);
    return snapshot;
}

bool isSolved(const TCubeScene& cube)
{
    const auto decls = pieceTable();
    for (std::size_t i = 0; i < cube.pieces.size(); ++i)
        if ((cube.pieces[i]->position() - decls[i].home).length() > 0.1f)
            return false;
    for (const platform::Plane* stick : cube.stickers)
        if (GetStickPosition(*stick) != homeFaceOfLetter(stick->name().back().toLatin1()))
            return false;
    return true;
}

void restoreSnapshot(TCubeScene& cube, const CubeSnapshot& snapshot)
{
    for (std::size_t i = 0; i < cube.pieces.size(); ++i) {
        const auto& p = snapshot.piecePlaces[i];
        SortCube(*cube.pieces[i], p[0], p[1], p[2]);
    }
    for (std::size_t i = 0; i < cube.stickers.size(); ++i)
        MoveStickTo(*cube.stickers[i], snapshot.stickerPlaces[i]);
}

} // namespace velmar::cube
