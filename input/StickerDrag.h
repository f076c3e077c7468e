// Which face a drag over a corner sticker turns: the drag's direction in the sticker's own frame and
// the piece's position decide, so that the sticker moves the way the pointer moved.
#pragma once

#include "Direction.h"

#include <QVector3D>

#include <optional>

namespace velmar::input {

// The letter a drag in `direction` plays over a corner sticker at `offset` on its piece at `piece`
// (coordinates rounded): the first face of the cube that the piece and the sticker lie on decides.
// None for DiNone, or when the sticker lies on no face.
std::optional<char> dragLetter(const QVector3D& piece, const QVector3D& offset, TDirection direction);

} // namespace velmar::input
