#include "CommandRect.h"

#include <QPainter>

namespace velmar::panel {

CommandRect::CommandRect(QColor fill, QWidget* parent) : QWidget(parent), m_fill(fill) {}

void CommandRect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
}

} // namespace velmar::panel
