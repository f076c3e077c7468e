#include "StartPosition.h"

#include <array>

namespace velmar::cube {

void SortVelmar(TCubeScene& cube)
{
    SortCubes(cube);
    SortSticks(cube);
}

void SortCubes(TCubeScene& cube)
{
    const auto decls = pieceTable();
    for (std::size_t i = 0; i < decls.size(); ++i)
        SortCube(*cube.pieces[i], decls[i].home.x(), decls[i].home.y(), decls[i].home.z());
}

void SortCube(platform::SceneObject& TheCube, float Px, float Py, float Pz)
{
    TheCube.resetRotation();
    TheCube.setPositionX(Px);
    TheCube.setPositionY(Py);
    TheCube.setPositionZ(Pz);
}

void SortSticks(TCubeScene& cube)
{
    using P = TStickPosition;
    static constexpr std::array<P, kStickPositionCount> kHomeOrder = {P::PoFront, P::PoRight, P::PoLeft,
                                                                      P::PoBack,  P::PoTop,   P::PoBottom};
    for (P face : kHomeOrder)
        for (platform::Plane* stick : cube.stickers) {
            const P home = homeFaceOfLetter(stick->name().back().toLatin1());
            if (home == face)
                MoveStickTo(*stick, home);
        }
}

} // namespace velmar::cube
