// A panel whose children are laid out in design units and drawn scaled, non-uniformly, by the panel's
// current size over its design size: captions, dial faces, boxes and handles stretch with it. The
// children stay real widgets at their design geometry (focus, keyboard and screen readers reach them
// as ever); the pointer reaches them through the same scale, and their pop-ups open where they are
// drawn. At the design size nothing of this is in play: the children paint themselves as usual.
#pragma once

#include "platform/controls/DrawnPlace.h"

#include <QImage>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <QTransform>
#include <QWidget>

#include <vector>

class QComboBox;
class QMouseEvent;

namespace velmar::panel {

class ScaledLayout : public QWidget, public platform::DrawsDescendantsElsewhere {
    Q_OBJECT
public:
    ScaledLayout(QSize designSize, QWidget* parent);
    ~ScaledLayout() override;

    // Places `child` (a descendant) at `designRect`, relative to its own parent, in design units.
    void place(QWidget* child, const QRectF& designRect);
    QSize designSize() const { return m_designSize; }

    // Design units to where they are drawn in the panel, and back.
    QTransform drawing() const override;
    bool isScaled() const { return size() != m_designSize; }
    // Where `descendant` is drawn, in the panel's coordinates.
    QRect drawnRect(const QWidget* descendant) const;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Surface;
    friend class Surface;

    void paintScaled(QPainter& painter, const QRegion& region);
    bool mapPointer(QObject* window, QEvent* event);
    void openWhereDrawn(QWidget* popup, const QComboBox* list);

    QSize m_designSize;
    std::vector<QWidget*> m_placed;
    std::vector<std::pair<QWidget*, const QComboBox*>> m_popups;
    Surface* m_surface;
    QImage m_picture; // the children at design size, as fine as they are drawn
    bool m_pictureStale = true;
    bool m_pointerHeld = false; // a press inside the panel, its button still down
    bool m_forwarding = false;
};

} // namespace velmar::panel
