// Camera projection, pick rays and nearest-hit testing; no OpenGL here, so tests use it directly.
#pragma once

#include "SceneObject.h"

#include <QMatrix4x4>
#include <QPointF>
#include <QSizeF>
#include <QVector3D>

#include <optional>

namespace velmar::platform {

class Scene;

struct Ray {
    QVector3D origin;
    QVector3D direction;
};

// OpenGL view matrix: the inverse of the camera's world transform, then diag(1, -1, -1) because eye
// space looks along -Z with +Y up while the camera looks along +Z with +Y down.
QMatrix4x4 viewMatrix(const Camera& camera);
QMatrix4x4 projectionMatrix(float aspect);

// The ray from the camera through pixel `pixel` of a view of logical size `view`, in world coordinates.
// Its direction is not normalised: hit distances are measured along it.
Ray pickRay(const Camera& camera, QSizeF view, QPointF pixel);

// The same ray in `object`'s own frame (rotation and translation only; sizes are no part of a frame).
Ray toObjectFrame(const SceneObject& object, const Ray& world);

// Ray parameter of the nearest intersection in front of the origin, in the object's own frame.
std::optional<float> intersectBox(const Ray& local, const QVector3D& size);
std::optional<float> intersectPlane(const Ray& local, const QSizeF& size);

struct Hit {
    SceneObject* object = nullptr;
    float distance = 0;
};

// The nearest visible box or plane along the ray; no object when nothing is hit.
Hit hitTest(const Scene& scene, const Ray& world);

} // namespace velmar::platform
