#include "ViewPress.h"

#include "StickerDrag.h"

#include "cube/CubeScene.h"
#include "engine/Puzzle.h"
#include "platform/scene/PointerRouter.h"

#include <QMouseEvent>

#include <cmath>
#include <optional>

namespace velmar::input {
namespace {

// The ray's direction scaled to unit depth along the sticker's normal. Moving along the sticker's own X
// then changes only the X reading, however obliquely the sticker is seen (the components of the unit
// direction would both change, and the vertical test would win). The visible side faces the sticker's
// own -Z, so a ray that hits it has a positive Z; a grazing ray gives no reading.
std::optional<QPointF> planeReading(const QVector3D& rayDir)
{
    constexpr float kGrazing = 1e-4f;
    if (rayDir.z() <= kGrazing)
        return std::nullopt;
    return QPointF(rayDir.x() / rayDir.z(), rayDir.y() / rayDir.z());
}

} // namespace

ViewPress::ViewPress(const engine::Puzzle& puzzle, cube::TCubeScene& cube) : m_puzzle(puzzle)
{
    for (platform::Plane* stick : cube.stickers) {
        stick->onMouseDown = [this](platform::SceneObject& s, const platform::PointerEvent& e) {
            StickMouseDown(s, e);
        };
        stick->onMouseUp = [this](platform::SceneObject& s, const platform::PointerEvent& e) {
            StickCornerMouseUp(s, e);
        };
        if (stick->name().startsWith(QLatin1String("PLCC")))
            stick->onMouseMove = [this](platform::SceneObject& s, const platform::PointerEvent& e) {
                StickCornerMouseMove(s, e);
            };
    }
}

void ViewPress::watchView(platform::PointerRouter& router, QObject& view)
{
    router.onViewMouseDown = [this](const platform::PointerEvent& e) { Viewport3D2MouseDown(e); };
    router.onViewMouseMove = [this](const platform::PointerEvent& e) { Viewport3D2MouseMove(e); };
    router.onViewMouseUp = [this](const platform::PointerEvent& e) { Viewport3D2MouseUp(e); };
    view.installEventFilter(this);
}

void ViewPress::StickMouseDown(platform::SceneObject&, const platform::PointerEvent& event)
{
    const std::optional<QPointF> reading = planeReading(event.rayDir);
    if (m_puzzle.isPlayingBack() || !reading)
        return;
    m_clickRay = *reading;
    m_armed = true;
}

void ViewPress::StickCornerMouseMove(platform::SceneObject& Sender, const platform::PointerEvent& event)
{
    const std::optional<QPointF> reading = planeReading(event.rayDir);
    if (!m_armed || !event.buttons.testFlag(Qt::LeftButton) || !reading)
        return;
    m_direction = directionOf(m_clickRay, *reading, kStickerThreshold);
    if (m_direction == TDirection::DiNone)
        return;
    const platform::SceneObject* piece = Sender.parent();
    if (!piece)
        return;
    const QVector3D p = piece->position();
    const QVector3D rounded(std::round(p.x()), std::round(p.y()), std::round(p.z()));
    m_armed = false;
    m_clickRay = *reading;
    // Asked even when the sticker lies on no face: the ask clears the pattern choice either way.
    emit turnAsked(dragLetter(rounded, Sender.position(), m_direction).value_or('\0'));
}

void ViewPress::StickCornerMouseUp(platform::SceneObject&, const platform::PointerEvent&)
{
    m_armed = false;
}

void ViewPress::Viewport3D2MouseDown(const platform::PointerEvent& event)
{
    m_click = QPointF(event.x, event.y);
}

void ViewPress::Viewport3D2MouseMove(const platform::PointerEvent& event)
{
    if (m_armed || !event.buttons.testFlag(Qt::LeftButton))
        return;
    const QPointF now(event.x, event.y);
    m_direction = directionOf(m_click, now, kOrbitThreshold);
    if (m_direction == TDirection::DiNone)
        return;
    m_click = now;
    emit orbitStep(m_direction);
}

void ViewPress::Viewport3D2MouseUp(const platform::PointerEvent&)
{
    m_armed = false;
}

bool ViewPress::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* e = static_cast<QMouseEvent*>(event);
        // Only a right press alone: with the left button down it is part of a drag.
        m_rightClick = e->button() == Qt::RightButton && e->buttons() == Qt::RightButton;
        m_rightPressedAt = e->position();
        break;
    }
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (m_rightClick && (e->position() - m_rightPressedAt).manhattanLength() > kClickSlop)
            m_rightClick = false;
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::RightButton && m_rightClick) {
            m_rightClick = false;
            emit menuAsked(e->globalPosition().toPoint());
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace velmar::input
