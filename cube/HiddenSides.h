// Which sides of the pieces and pivots can be seen, so that the others are not drawn. At rest only the
// outer sides of the cube show: the pivots' tiles and the pieces' sides under their stickers (which
// back the stickers' edges, where adjacent planes would let the background through); every other side
// touches a neighbour. A turning layer also uncovers the sides on both sides of the gap it opens.
#pragma once

#include "CubeScene.h"

namespace velmar::cube {

void hideSidesAtRest(TCubeScene& cube);
// While `turning`'s layer turns: its pieces' sides facing the middle layer, and the middle layer's
// sides facing it, show too.
void showSidesOfTurn(TCubeScene& cube, TStickPosition turning);

} // namespace velmar::cube
