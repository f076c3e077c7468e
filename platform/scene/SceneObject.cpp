#include "SceneObject.h"

#include "Scene.h"

#include <algorithm>

namespace velmar::platform {

SceneObject::SceneObject(Scene& scene, ObjectKind kind, QString name)
    : m_scene(scene), m_kind(kind), m_name(std::move(name))
{
}

void SceneObject::changed()
{
    m_scene.notifyChanged();
}

void SceneObject::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed();
}

void SceneObject::setParent(SceneObject* parent)
{
    // An object cannot become its own ancestor.
    for (SceneObject* p = parent; p; p = p->m_parent)
        if (p == this)
            return;
    if (m_parent) {
        auto& siblings = m_parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    m_parent = parent;
    if (parent)
        parent->m_children.push_back(this);
    changed();
}

void SceneObject::setPosition(const QVector3D& position)
{
    if (position == m_position)
        return;
    m_position = position;
    changed();
}

void SceneObject::setRotationAngle(Axis axis, float degrees)
{
    const int i = int(axis);
    const QQuaternion before = m_orientation;
    const QVector3D anglesBefore = m_angles;
    m_orientation = composeAngleChange(m_orientation, axis, m_angles[i], degrees);
    m_angles[i] = float(normaliseAngle(degrees));
    if (m_angles.x() == 0.0f && m_angles.y() == 0.0f && m_angles.z() == 0.0f)
        m_orientation = QQuaternion();
    if (m_orientation != before || m_angles != anglesBefore)
        changed();
}

void SceneObject::setDeclaredRotation(const QQuaternion& orientation, const QVector3D& angles)
{
    m_orientation = orientation.normalized();
    m_angles = angles;
    changed();
}

void SceneObject::resetRotation()
{
    if (m_orientation == QQuaternion() && m_angles == QVector3D())
        return;
    m_orientation = QQuaternion();
    m_angles = QVector3D();
    changed();
}

QMatrix4x4 SceneObject::localTransform() const
{
    QMatrix4x4 m;
    m.translate(m_position);
    m.rotate(m_orientation);
    return m;
}

QMatrix4x4 SceneObject::worldTransform() const
{
    return m_parent ? m_parent->worldTransform() * localTransform() : localTransform();
}

QQuaternion SceneObject::worldRotation() const
{
    return m_parent ? m_parent->worldRotation() * m_orientation : m_orientation;
}

QVector3D SceneObject::absolutePosition() const
{
    if (!m_parent)
        return m_position;
    return m_parent->absolutePosition() + m_parent->worldRotation().rotatedVector(m_position);
}

QVector3D SceneObject::toLocalPoint(const QVector3D& world) const
{
    return worldRotation().conjugated().rotatedVector(world - absolutePosition());
}

QVector3D SceneObject::toLocalDirection(const QVector3D& world) const
{
    return worldRotation().conjugated().rotatedVector(world);
}

void MeshObject::setMaterial(const Material& material)
{
    if (material == m_material)
        return;
    if (material.texture != m_material.texture)
        scene().noteImageChange();
    m_material = material;
    changed();
}

void MeshObject::setEmissive(const QColor& colour)
{
    Material m = m_material;
    m.emissive = colour;
    setMaterial(m);
}

void Box::setHiddenSides(Sides sides)
{
    if (sides == m_hiddenSides)
        return;
    m_hiddenSides = sides;
    changed();
}

void SpotLight::setParams(const Params& params)
{
    if (params == m_params)
        return;
    m_params = params;
    changed();
}

void SpotLight::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    changed();
}

void SpotLight::setDiffuse(const QColor& colour)
{
    Params p = m_params;
    p.diffuse = colour;
    setParams(p);
}

} // namespace velmar::platform
