#include "Angles.h"

#include <cmath>
#include <numbers>

namespace velmar::platform {

double normaliseAngle(double degrees)
{
    double n = degrees - 360.0 * std::trunc(degrees / 360.0);
    if (n < -180.0)
        n += 360.0;
    return n;
}

QQuaternion axisRotation(Axis axis, double degrees)
{
    const double half = degrees * std::numbers::pi / 360.0;
    const float s = float(std::sin(half));
    const float c = float(std::cos(half));
    switch (axis) {
    case Axis::X:
        return QQuaternion(c, s, 0, 0);
    case Axis::Y:
        return QQuaternion(c, 0, s, 0);
    case Axis::Z:
        break;
    }
    return QQuaternion(c, 0, 0, s);
}

QQuaternion composeAngleChange(const QQuaternion& orientation, Axis axis, float from, float to)
{
    if (to == from)
        return orientation;
    const double step = normaliseAngle(double(to) - double(from));
    if (step == 0.0)
        return orientation;
    return (orientation * axisRotation(axis, step)).normalized();
}

} // namespace velmar::platform
