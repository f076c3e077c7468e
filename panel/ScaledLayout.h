// A panel whose children are placed in design units and scaled with the panel's current size.
#pragma once

#include <QRectF>
#include <QSize>
#include <QWidget>

#include <vector>

namespace velmar::panel {

class ScaledLayout : public QWidget {
    Q_OBJECT
public:
    ScaledLayout(QSize designSize, QWidget* parent = nullptr);

    // Places `child` (a descendant) at `designRect`, relative to its own parent, in design units.
    void place(QWidget* child, const QRectF& designRect);
    QSize designSize() const { return m_designSize; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutChildren();

    QSize m_designSize;
    std::vector<std::pair<QWidget*, QRectF>> m_placed;
};

} // namespace velmar::panel
