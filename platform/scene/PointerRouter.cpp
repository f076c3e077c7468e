#include "PointerRouter.h"

#include "Picking.h"
#include "Scene.h"

namespace velmar::platform {

void PointerRouter::press(QSizeF view, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                          Qt::KeyboardModifiers mods)
{
    PointerEvent e;
    e.button = button;
    e.buttons = buttons;
    e.modifiers = mods;
    dispatch(Kind::Down, view, pos, e, m_viewCapture);
}

void PointerRouter::move(QSizeF view, QPointF pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    PointerEvent e;
    e.buttons = buttons;
    e.modifiers = mods;
    dispatch(Kind::Move, view, pos, e, m_viewCapture);
}

void PointerRouter::release(QSizeF view, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                            Qt::KeyboardModifiers mods)
{
    PointerEvent e;
    e.button = button;
    e.buttons = buttons;
    e.modifiers = mods;
    const bool toView = m_viewCapture;
    if (m_viewCapture && !buttons.testFlag(Qt::LeftButton))
        m_viewCapture = false;
    dispatch(Kind::Up, view, pos, e, toView);
}

void PointerRouter::dispatch(Kind kind, QSizeF view, QPointF pos, PointerEvent event, bool toView)
{
    event.x = float(pos.x());
    event.y = float(pos.y());
    // Outside the view (the pointer dragged over the panel or off the window, still delivered by the
    // toolkit's implicit grab) there is no object under the pointer, and only the view's own capture
    // may take the event.
    const bool inside = pos.x() >= 0 && pos.y() >= 0 && pos.x() < view.width() && pos.y() < view.height();
    if (!toView && !inside)
        return;
    if (!toView) {
        const Ray world = pickRay(m_camera, view, pos);
        const Hit hit = hitTest(m_scene, world);
        if (hit.object) {
            const Ray local = toObjectFrame(*hit.object, world);
            event.rayPos = local.origin;
            event.rayDir = local.direction.normalized();
            SceneObject& target = *hit.object;
            const PointerHandler& handler = kind == Kind::Down   ? target.onMouseDown
                                            : kind == Kind::Move ? target.onMouseMove
                                                                 : target.onMouseUp;
            // An object without a handler still takes the event: nothing behind it sees it.
            if (handler)
                handler(target, event);
            return;
        }
    }
    if (kind == Kind::Down && event.button == Qt::LeftButton)
        m_viewCapture = true;
    const ViewHandler& handler = kind == Kind::Down   ? onViewMouseDown
                                 : kind == Kind::Move ? onViewMouseMove
                                                      : onViewMouseUp;
    if (handler)
        handler(event);
}

} // namespace velmar::platform
