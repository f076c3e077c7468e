#include "CommandRect.h"

#include <QApplication>
#include <QPainter>

namespace velmar::panel {

CommandRect::CommandRect(QColor fill, QWidget* parent) : QWidget(parent), m_fill(fill) {}

void CommandRect::setCommandsEnabled(bool enabled)
{
    if (!enabled) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && isAncestorOf(focus))
            m_focusBefore = focus;
    }
    setEnabled(enabled);
    if (!enabled)
        return;
    if (m_focusBefore && m_focusBefore->isEnabled() && window()->isActiveWindow()) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus == window())
            m_focusBefore->setFocus(Qt::OtherFocusReason);
    }
    m_focusBefore = nullptr;
}

void CommandRect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
}

} // namespace velmar::panel
