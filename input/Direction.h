// Which way the pointer went since a reference reading: one rule for the sticker drag (pick-ray
// readings) and the background drag (pixels), each with its own threshold.
#pragma once

#include <QPointF>

#include <cstdint>
#include <iosfwd>

namespace velmar::input {

enum class TDirection : std::uint8_t { DiNone, DiLeft, DiRight, DiTop, DiBottom };

const char* toString(TDirection direction);
std::ostream& operator<<(std::ostream& out, TDirection direction);

// Left, right, up, down in that order, each test overriding the earlier ones when it holds, so a
// diagonal counts as vertical; DiNone while no component moved past the threshold.
TDirection directionOf(QPointF reference, QPointF now, double threshold);

} // namespace velmar::input
