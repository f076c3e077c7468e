#include "ReadableCube.h"

#include "CubeSnapshot.h"
#include "FaceLetters.h"
#include "SceneFacelets.h"

#include <QStringList>

#include <string_view>

namespace velmar::cube {
namespace {

// The solver's faces, in the order its facelets come: U R F D L B.
constexpr char kFaceletOrder[] = "URFDLB";

const FaceLetter& faceOfSolver(solver::Face face)
{
    return kFaceLetters[std::size_t(faceOfNotation(kFaceletOrder[int(face)]))];
}

} // namespace

void showStickerLetters(TCubeScene& cube, bool on)
{
    const auto show = [&](platform::MeshObject& object, TStickPosition colour) {
        platform::Material material = object.material();
        material.texture = on ? &cube.letteredTile(colour) : &cube.tile(colour);
        object.setMaterial(material);
    };
    for (std::size_t face = 0; face < cube.pivots.size(); ++face)
        show(*cube.pivots[face], TStickPosition(face));
    for (platform::Plane* sticker : cube.stickers)
        show(*sticker, homeFaceOfLetter(sticker->name().back().toLatin1()));
}

QString cubeInWords(const TCubeScene& cube)
{
    if (isSolved(cube))
        return QStringLiteral("Solved");
    // The facelets run row by row as seen from outside each face, the top face with the back edge
    // first and the bottom face with the front edge first: both with the front edge nearest.
    const solver::Facelets facelets = readFacelets(cube);
    QStringList faces;
    for (char notation : {'F', 'R', 'B', 'L', 'U', 'D'}) {
        const int block = int(std::string_view(kFaceletOrder).find(notation));
        const FaceLetter& face = kFaceLetters[std::size_t(faceOfNotation(notation))];
        QStringList rows;
        for (int row = 0; row < 3; ++row) {
            QStringList colours;
            for (int column = 0; column < 3; ++column)
                colours << QLatin1String(faceOfSolver(facelets[std::size_t(block * 9 + row * 3 + column)]).colour);
            rows << colours.join(QLatin1String(", "));
        }
        const QString side = QLatin1String(face.side);
        faces << QStringLiteral("%1: %2.").arg(side.at(0).toUpper() + side.mid(1), rows.join(QLatin1String("; ")));
    }
    return faces.join(u' ');
}

} // namespace velmar::cube
