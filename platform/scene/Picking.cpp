#include "Picking.h"

#include "Scene.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace velmar::platform {
namespace {
const float kHalfFieldTan = float(std::tan(Camera::kFieldOfView * std::numbers::pi / 360.0));
}

QMatrix4x4 viewMatrix(const Camera& camera)
{
    QMatrix4x4 flip;
    flip.scale(1, -1, -1);
    return flip * camera.worldTransform().inverted();
}

QMatrix4x4 projectionMatrix(float aspect)
{
    QMatrix4x4 m;
    m.perspective(Camera::kFieldOfView, aspect, Camera::kNearPlane, Camera::kFarPlane);
    return m;
}

Ray pickRay(const Camera& camera, QSizeF view, QPointF pixel)
{
    const double w = view.width();
    const double h = view.height();
    const QVector3D inCamera(float((2 * pixel.x() / w - 1) * (w / h) * kHalfFieldTan),
                             float((2 * pixel.y() / h - 1) * kHalfFieldTan), 1.0f);
    return {camera.absolutePosition(), camera.worldRotation().rotatedVector(inCamera)};
}

Ray toObjectFrame(const SceneObject& object, const Ray& world)
{
    const QQuaternion inverse = object.worldRotation().conjugated();
    return {inverse.rotatedVector(world.origin - object.absolutePosition()), inverse.rotatedVector(world.direction)};
}

std::optional<float> intersectBox(const Ray& local, const QVector3D& size)
{
    float tNear = -std::numeric_limits<float>::infinity();
    float tFar = std::numeric_limits<float>::infinity();
    for (int i = 0; i < 3; ++i) {
        const float half = size[i] / 2;
        const float o = local.origin[i];
        const float d = local.direction[i];
        if (d == 0.0f) {
            if (o < -half || o > half)
                return std::nullopt;
            continue;
        }
        float t1 = (-half - o) / d;
        float t2 = (half - o) / d;
        if (t1 > t2)
            std::swap(t1, t2);
        tNear = std::max(tNear, t1);
        tFar = std::min(tFar, t2);
        if (tNear > tFar)
            return std::nullopt;
    }
    if (tFar < 0)
        return std::nullopt;
    return tNear >= 0 ? tNear : tFar;
}

std::optional<float> intersectPlane(const Ray& local, const QSizeF& size)
{
    if (local.direction.z() == 0.0f)
        return std::nullopt;
    const float t = -local.origin.z() / local.direction.z();
    if (t < 0)
        return std::nullopt;
    const QVector3D p = local.origin + t * local.direction;
    if (std::abs(p.x()) > size.width() / 2 || std::abs(p.y()) > size.height() / 2)
        return std::nullopt;
    return t;
}

Hit hitTest(const Scene& scene, const Ray& world)
{
    Hit best;
    best.distance = std::numeric_limits<float>::infinity();
    for (SceneObject* object : scene.components()) {
        if (!object->isVisible() || !object->isHitTestable())
            continue;
        std::optional<float> t;
        if (object->kind() == ObjectKind::Box)
            t = intersectBox(toObjectFrame(*object, world), static_cast<const Box*>(object)->size());
        else if (object->kind() == ObjectKind::Plane)
            t = intersectPlane(toObjectFrame(*object, world), static_cast<const Plane*>(object)->size());
        if (t && *t < best.distance)
            best = {object, *t};
    }
    if (!best.object)
        best.distance = 0;
    return best;
}

} // namespace velmar::platform
