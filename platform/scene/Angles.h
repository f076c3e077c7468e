// Angle normalisation and the incremental set-one-angle rule of scene objects.
#pragma once

#include <QQuaternion>

namespace velmar::platform {

enum class Axis { X = 0, Y = 1, Z = 2 };

// N(x) = x - 360*trunc(x/360), plus 360 when that falls below -180: the result lies in [-180, 360).
double normaliseAngle(double degrees);

// The rotation by `degrees` about one of the object's own axes, as a unit quaternion.
QQuaternion axisRotation(Axis axis, double degrees);

// Writing angle component `axis` from `from` to `to` turns the orientation further about the object's
// own axis by N(to - from); an unchanged value turns nothing.
QQuaternion composeAngleChange(const QQuaternion& orientation, Axis axis, float from, float to);

} // namespace velmar::platform
