// The 100 x 100 colour tile of a face, drawn once at start-up.
#pragma once

#include <QColor>
#include <QImage>

namespace velmar::cube {

inline constexpr int kTileSize = 100;

// A near-black square with a thin grey frame, and inside it a rounded square of the face colour
// whose rim is a darker tone of the same colour.
QImage makeColourTile(const QColor& faceColour);

// The tile with `letter` on it, upright and centred, as ink: the letter's pixels keep the face colour and
// carry their coverage in the alpha channel (opaque: none; half transparent or less: full), which the
// renderer draws black or white, whichever stands out more from the face as lit.
QImage makeLetteredTile(const QImage& tile, char letter);

} // namespace velmar::cube
