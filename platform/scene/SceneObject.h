// Objects of the retained 3D scene: a tree of named, tagged objects with position and orientation.
#pragma once

#include "Angles.h"

#include <QColor>
#include <QImage>
#include <QMatrix4x4>
#include <QQuaternion>
#include <QSizeF>
#include <QString>
#include <QVector3D>

#include <cstdint>
#include <functional>
#include <vector>

namespace velmar::platform {

class Scene;
class SceneObject;

enum class ObjectKind { Dummy, Box, Plane, Camera, Light };

// A pointer event as an object (or the view) receives it. The ray is in the receiver's own frame,
// its direction of unit length; for the view it is left zero.
struct PointerEvent {
    Qt::MouseButton button = Qt::NoButton; // the button that went down or up; none for a move
    Qt::MouseButtons buttons;              // buttons held once the event has happened
    Qt::KeyboardModifiers modifiers;
    float x = 0;
    float y = 0;
    QVector3D rayPos;
    QVector3D rayDir;
};

using PointerHandler = std::function<void(SceneObject& sender, const PointerEvent& event)>;

class SceneObject {
public:
    SceneObject(Scene& scene, ObjectKind kind, QString name);
    virtual ~SceneObject() = default;
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    Scene& scene() const { return m_scene; }
    ObjectKind kind() const { return m_kind; }
    const QString& name() const { return m_name; }

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    // Re-parenting appends to the new parent's children; local position, angles and orientation stay.
    SceneObject* parent() const { return m_parent; }
    const std::vector<SceneObject*>& children() const { return m_children; }
    void setParent(SceneObject* parent);

    const QVector3D& position() const { return m_position; }
    void setPosition(const QVector3D& position);
    void setPositionX(float x) { setPosition({x, m_position.y(), m_position.z()}); }
    void setPositionY(float y) { setPosition({m_position.x(), y, m_position.z()}); }
    void setPositionZ(float z) { setPosition({m_position.x(), m_position.y(), z}); }

    // Angle properties: writing one turns the orientation further by the difference (see Angles.h);
    // a write that leaves all three at 0 puts the object back to the identity.
    const QVector3D& rotationAngle() const { return m_angles; }
    void setRotationAngle(Axis axis, float degrees);
    void setRotationAngleX(float degrees) { setRotationAngle(Axis::X, degrees); }
    void setRotationAngleY(float degrees) { setRotationAngle(Axis::Y, degrees); }
    void setRotationAngleZ(float degrees) { setRotationAngle(Axis::Z, degrees); }

    const QQuaternion& orientation() const { return m_orientation; }
    // Stores an orientation and angle properties as given, even when they do not agree (declared values).
    void setDeclaredRotation(const QQuaternion& orientation, const QVector3D& angles);
    // Identity orientation, angles 0.
    void resetRotation();

    // A point is turned by the orientation, moved by the position, then by the parent's transform.
    QMatrix4x4 localTransform() const;
    QMatrix4x4 worldTransform() const;
    QQuaternion worldRotation() const;
    QVector3D absolutePosition() const;
    QVector3D toLocalPoint(const QVector3D& world) const;
    QVector3D toLocalDirection(const QVector3D& world) const;

    bool isHitTestable() const { return m_hitTest; }
    void setHitTestable(bool on) { m_hitTest = on; }

    PointerHandler onMouseDown;
    PointerHandler onMouseMove;
    PointerHandler onMouseUp;

protected:
    void changed();

private:
    Scene& m_scene;
    ObjectKind m_kind;
    QString m_name;
    int m_tag = 0;
    bool m_visible = true;
    bool m_hitTest = true;
    SceneObject* m_parent = nullptr;
    std::vector<SceneObject*> m_children;
    QVector3D m_position;
    QVector3D m_angles;
    QQuaternion m_orientation;
};

// Surface colours and an optional texture; the texture belongs to whoever declared the scene.
struct Material {
    QColor diffuse = QColor(255, 255, 255);
    QColor ambient = QColor(32, 32, 32);
    QColor emissive = QColor(0, 0, 0, 0);
    QColor specular = QColor(0, 0, 0, 0);
    const QImage* texture = nullptr;

    // A material with no colour at all and no texture draws nothing.
    bool isInvisible() const
    {
        return texture == nullptr && diffuse.alpha() == 0 && ambient.alpha() == 0 && emissive.alpha() == 0 &&
               specular.alpha() == 0;
    }
    bool operator==(const Material&) const = default;
};

class MeshObject : public SceneObject {
public:
    using SceneObject::SceneObject;
    const Material& material() const { return m_material; }
    void setMaterial(const Material& material);
    void setEmissive(const QColor& colour);

private:
    Material m_material;
};

class Box : public MeshObject {
public:
    Box(Scene& scene, QString name, QVector3D size) : MeshObject(scene, ObjectKind::Box, std::move(name)), m_size(size)
    {
    }
    const QVector3D& size() const { return m_size; }

    // One bit per side, in the box's own frame; a hidden side is not drawn (whoever declared the scene
    // knows it cannot be seen, e.g. it touches a neighbour).
    using Sides = std::uint8_t;
    static constexpr Sides sideOf(Axis axis, bool positive)
    {
        return Sides(1u << (2 * (2 - int(axis)) + (positive ? 1 : 0)));
    }
    static constexpr Sides kAllSides = 0x3F;
    Sides hiddenSides() const { return m_hiddenSides; }
    void setHiddenSides(Sides sides);

private:
    QVector3D m_size;
    Sides m_hiddenSides = 0;
};

// Lies in its local XY plane, its visible side facing its own -Z.
class Plane : public MeshObject {
public:
    Plane(Scene& scene, QString name, QSizeF size) : MeshObject(scene, ObjectKind::Plane, std::move(name)), m_size(size)
    {
    }
    const QSizeF& size() const { return m_size; }

private:
    QSizeF m_size;
};

class Dummy : public SceneObject {
public:
    Dummy(Scene& scene, QString name) : SceneObject(scene, ObjectKind::Dummy, std::move(name)) {}
};

// Looks along its own +Z with +X right and +Y down on screen.
class Camera : public SceneObject {
public:
    Camera(Scene& scene, QString name) : SceneObject(scene, ObjectKind::Camera, std::move(name)) {}
    static constexpr float kFieldOfView = 45.0f; // vertical, degrees
    static constexpr float kNearPlane = 1.0f;
    static constexpr float kFarPlane = 1000.0f;
};

// A spot light pointing along its own +Z. A cut-off of 180 or more means no cone limit.
class SpotLight : public SceneObject {
public:
    SpotLight(Scene& scene, QString name) : SceneObject(scene, ObjectKind::Light, std::move(name)) {}

    struct Params {
        QColor ambient = QColor(255, 255, 255);
        QColor diffuse = QColor(255, 255, 255);
        QColor specular = QColor(255, 255, 255);
        float constantAttenuation = 1.0f;
        float spotCutOff = 180.0f;
        float spotExponent = 0.0f;
        bool operator==(const Params&) const = default;
    };
    const Params& params() const { return m_params; }
    void setParams(const Params& params);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    void setDiffuse(const QColor& colour);

private:
    Params m_params;
    bool m_enabled = true;
};

} // namespace velmar::platform
