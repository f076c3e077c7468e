// The cube made readable without telling colours apart: the letters of the colours on every sticker and
// centre, and the cube's state in words for a screen reader.
#pragma once

#include "CubeScene.h"

#include <QString>

namespace velmar::cube {

// Every sticker and centre shows its colour's letter, or none. Only the tiles' images change: the
// letters turn with the stickers and cost nothing per frame.
void showStickerLetters(TCubeScene& cube, bool on);

// "Solved", or face by face (front, right, back, left, top, bottom), each seen from outside, its rows
// from top to bottom and left to right (the top and bottom faces with the front edge nearest), the
// colours of its nine stickers: "Front: red, red, white; red, red, white; blue, red, red. Right: ...".
// Only valid between turns.
QString cubeInWords(const TCubeScene& cube);

} // namespace velmar::cube
