#include "Direction.h"

#include <ostream>

namespace velmar::input {

const char* toString(TDirection direction)
{
    static constexpr const char* names[] = {"DiNone", "DiLeft", "DiRight", "DiTop", "DiBottom"};
    const auto i = std::size_t(direction);
    return i < std::size(names) ? names[i] : "TDirection(?)";
}

std::ostream& operator<<(std::ostream& out, TDirection direction)
{
    return out << toString(direction);
}

TDirection directionOf(QPointF reference, QPointF now, double threshold)
{
    using D = TDirection;
    D direction = D::DiNone;
    if (reference.x() - now.x() > threshold)
        direction = D::DiLeft;
    if (now.x() - reference.x() > threshold)
        direction = D::DiRight;
    if (reference.y() - now.y() > threshold)
        direction = D::DiTop;
    if (now.y() - reference.y() > threshold)
        direction = D::DiBottom;
    return direction;
}

} // namespace velmar::input
