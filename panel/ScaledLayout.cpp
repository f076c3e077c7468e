#include "ScaledLayout.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace velmar::panel {

// Drawn over the children and covering them, so what they paint where they lie in design units never
// shows; it draws them scaled instead. A child that changes marks its design rectangle dirty, which
// lies under this surface: the surface's paint learns of it there and repaints where that child is
// drawn. (Not marked opaque: the window would then drop the children's own repaints unseen.)
class ScaledLayout::Surface : public QWidget {
public:
    // A sibling of the panel, above it, so that rendering the panel does not render the surface.
    explicit Surface(ScaledLayout& layout) : QWidget(layout.parentWidget()), m_layout(layout)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(QStringLiteral("Panel drawing"));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const QRegion region = event->region();
        // What this paint was not asked for by the surface itself came from a child's own change.
        const QRegion fromChildren = region - m_requested;
        m_requested -= region;
        QPainter painter(this);
        m_layout.paintScaled(painter, region);
        QRegion drawn;
        for (const QRect& r : fromChildren)
            drawn += m_layout.drawing().mapRect(QRectF(r)).toAlignedRect().adjusted(-1, -1, 1, 1);
        drawn -= region; // painted just now, from the children as they are
        if (!drawn.isEmpty()) {
            m_requested += drawn;
            update(drawn);
        }
    }

private:
    ScaledLayout& m_layout;
    QRegion m_requested;
};

ScaledLayout::ScaledLayout(QSize designSize, QWidget* parent)
    : QWidget(parent), m_designSize(designSize), m_surface(new Surface(*this))
{
    m_surface->hide();
}

ScaledLayout::~ScaledLayout()
{
    delete m_surface;
}

void ScaledLayout::place(QWidget* child, const QRectF& designRect)
{
    m_placed.push_back(child);
    child->setGeometry(designRect.toRect());
    // A list opens its drop-down from where it lies in design units; it is moved to where it is drawn.
    if (auto* list = qobject_cast<QComboBox*>(child)) {
        QWidget* popup = list->view()->window();
        popup->installEventFilter(this);
        m_popups.emplace_back(popup, list);
    }
}

QTransform ScaledLayout::drawing() const
{
    return QTransform::fromScale(double(width()) / m_designSize.width(), double(height()) / m_designSize.height());
}

QRect ScaledLayout::drawnRect(const QWidget* descendant) const
{
    const QRectF design(descendant->mapTo(this, QPoint()), descendant->size());
    return drawing().mapRect(design).toAlignedRect();
}

void ScaledLayout::moveEvent(QMoveEvent*)
{
    m_surface->setGeometry(geometry());
}

void ScaledLayout::resizeEvent(QResizeEvent*)
{
    m_surface->setGeometry(geometry());
    m_surface->raise();
    m_surface->setVisible(isScaled());
    m_pictureStale = true; // the children changed unseen while the panel was drawn unscaled
}

void ScaledLayout::showEvent(QShowEvent*)
{
    // The pointer is read where the window receives it, before any child is chosen under it.
    if (QWindow* handle = window()->windowHandle())
        handle->installEventFilter(this);
}

bool ScaledLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        for (const auto& [popup, list] : m_popups)
            if (watched == popup && isScaled())
                openWhereDrawn(popup, list);
        return false;
    }
    if (watched->isWindowType())
        return mapPointer(watched, event);
    return false;
}

void ScaledLayout::paintScaled(QPainter& painter, const QRegion& region)
{
    // The children draw themselves at design size into a picture as fine as the drawn panel (their
    // effects, the dimming and the hints' fades among them, only work unscaled), which is then drawn
    // stretched: each way at least one picture pixel per screen pixel.
    const QTransform toDrawn = drawing();
    const qreal fineness = std::ceil(std::max(toDrawn.m11(), toDrawn.m22()) * devicePixelRatioF());
    if (m_picture.isNull() || m_picture.devicePixelRatio() != fineness) {
        m_picture = QImage(m_designSize * fineness, QImage::Format_ARGB32_Premultiplied);
        m_picture.setDevicePixelRatio(fineness);
        m_pictureStale = true;
    }
    const QRect whole(QPoint(), m_designSize);
    QRect dirty =
        m_pictureStale
            ? whole
            : toDrawn.inverted().mapRect(QRectF(region.boundingRect())).toAlignedRect().adjusted(-1, -1, 1, 1) & whole;
    m_pictureStale = false;
    QPainter(&m_picture).fillRect(dirty, palette().window());
    // The panel renders itself rather than each child: an effect (the dimming of the disabled panel)
    // draws nothing on a widget that is itself the one rendered.
    render(&m_picture, dirty.topLeft(), QRegion(dirty), QWidget::DrawChildren);
    painter.setClipRegion(region);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(toDrawn.mapRect(QRectF(dirty)), m_picture,
                      QRectF(QPointF(dirty.topLeft()) * fineness, QSizeF(dirty.size()) * fineness));
}

bool ScaledLayout::mapPointer(QObject* window, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
    if (m_forwarding || !(mouse || type == QEvent::Wheel) || !isScaled() || !isVisible())
        return false;
    auto* pointer = static_cast<QSinglePointEvent*>(event);
    QWidget* top = this->window();
    const QPoint origin = mapTo(top, QPoint());
    const QPointF local = pointer->position() - origin;
    // A press inside keeps the pointer mapped until its last button is up, wherever it goes meanwhile.
    if (!m_pointerHeld && !rect().contains(local.toPoint()))
        return false;
    if (type == QEvent::MouseButtonPress)
        m_pointerHeld = true;
    else if (type == QEvent::MouseButtonRelease && pointer->buttons() == Qt::NoButton)
        m_pointerHeld = false;

    const QPointF at = drawing().inverted().map(local) + origin;
    const QPointF global = top->mapToGlobal(at);
    m_forwarding = true;
    bool accepted = false;
    if (mouse) {
        auto* e = static_cast<QMouseEvent*>(event);
        QMouseEvent mapped(type, at, at, global, e->button(), e->buttons(), e->modifiers(), e->pointingDevice());
        mapped.setTimestamp(e->timestamp());
        QCoreApplication::sendEvent(window, &mapped);
        accepted = mapped.isAccepted();
    } else {
        auto* e = static_cast<QWheelEvent*>(event);
        QWheelEvent mapped(at, global, e->pixelDelta(), e->angleDelta(), e->buttons(), e->modifiers(), e->phase(),
                           e->inverted(), e->source(), e->pointingDevice());
        mapped.setTimestamp(e->timestamp());
        QCoreApplication::sendEvent(window, &mapped);
        accepted = mapped.isAccepted();
    }
    m_forwarding = false;
    event->setAccepted(accepted);
    return true;
}

void ScaledLayout::openWhereDrawn(QWidget* popup, const QComboBox* list)
{
    const QTransform toDrawn = drawing();
    const QPoint design = list->mapToGlobal(QPoint());
    const QPoint drawn = mapToGlobal(drawnRect(list).topLeft());
    const QRect g = popup->geometry();
    popup->setGeometry(drawn.x() + qRound((g.x() - design.x()) * toDrawn.m11()),
                       drawn.y() + qRound((g.y() - design.y()) * toDrawn.m22()), qRound(g.width() * toDrawn.m11()),
                       g.height());
}

} // namespace velmar::panel
