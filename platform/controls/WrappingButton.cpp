#include "WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velmar::platform {

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(parent)
{
    setText(text);
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    // The style draws the bevel and focus; the caption is drawn here, since the style never wraps it.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace velmar::platform
