#include "CommandRect.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QPainter>

namespace velmar::panel {

CommandRect::CommandRect(QColor fill, QWidget* parent)
    : QWidget(parent), m_fill(fill), m_dim(new QGraphicsOpacityEffect(this))
{
    m_dim->setOpacity(kDisabledOpacity);
    m_dim->setEnabled(false);
    setGraphicsEffect(m_dim);
}

qreal CommandRect::drawnOpacity() const
{
    return m_dim->isEnabled() ? m_dim->opacity() : 1.0;
}

void CommandRect::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_dim->setEnabled(!isEnabled());
    QWidget::changeEvent(event);
}

void CommandRect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
}

} // namespace velmar::panel
