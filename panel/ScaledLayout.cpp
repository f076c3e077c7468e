#include "ScaledLayout.h"

namespace velmar::panel {

ScaledLayout::ScaledLayout(QSize designSize, QWidget* parent) : QWidget(parent), m_designSize(designSize) {}

void ScaledLayout::place(QWidget* child, const QRectF& designRect)
{
    m_placed.emplace_back(child, designRect);
    layoutChildren();
}

void ScaledLayout::resizeEvent(QResizeEvent*)
{
    layoutChildren();
}

void ScaledLayout::layoutChildren()
{
    // Geometry rather than a painter transform, so text stays crisp at any width.
    const double sx = double(width()) / m_designSize.width();
    const double sy = double(height()) / m_designSize.height();
    for (const auto& [child, r] : m_placed) {
        const QPoint topLeft(qRound(r.x() * sx), qRound(r.y() * sy));
        const QPoint bottomRight(qRound((r.x() + r.width()) * sx), qRound((r.y() + r.height()) * sy));
        child->setGeometry(QRect(topLeft, bottomRight - QPoint(1, 1)));
    }
}

} // namespace velmar::panel
