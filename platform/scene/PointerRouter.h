// Routes pointer events to the object under the pointer or to the view, with the view's capture rule.
#pragma once

#include "SceneObject.h"

#include <QPointF>
#include <QSizeF>

#include <functional>

namespace velmar::platform {

class Scene;
class Camera;

class PointerRouter {
public:
    using ViewHandler = std::function<void(const PointerEvent& event)>;

    PointerRouter(const Scene& scene, const Camera& camera) : m_scene(scene), m_camera(camera) {}

    ViewHandler onViewMouseDown;
    ViewHandler onViewMouseMove;
    ViewHandler onViewMouseUp;

    // `view` is the view's logical size, `pos` the pointer in logical pixels; `buttons` are those held
    // once the event has happened. Outside the view only a captured move or release is delivered.
    void press(QSizeF view, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods);
    void move(QSizeF view, QPointF pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods);
    void release(QSizeF view, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers mods);

    // A left press on the empty view captures moves and the release until the left button is up.
    bool viewHasCapture() const { return m_viewCapture; }

private:
    enum class Kind { Down, Move, Up };
    void dispatch(Kind kind, QSizeF view, QPointF pos, PointerEvent event, bool toView);

    const Scene& m_scene;
    const Camera& m_camera;
    bool m_viewCapture = false;
};

} // namespace velmar::platform
