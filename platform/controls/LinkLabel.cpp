#include "LinkLabel.h"

#include "Accessibility.h"

#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <cmath>
#include <numbers>

namespace velmar::platform {
namespace {
// How many pixels of blur a softness of 1 stands for.
constexpr qreal kBlurPerSoftness = 8.0;
class LinkLabelAccessible : public DrawnAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* link) : DrawnAccessibleWidget(link, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const LinkLabel*>(widget())->text();
        return DrawnAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && widget()->isEnabled())
            emit static_cast<LinkLabel*>(widget())->clicked();
    }
};

} // namespace

LinkLabel::LinkLabel(const QString& text, const Shadow& shadow, QWidget* parent)
    : QLabel(parent), m_shadow(new QGraphicsDropShadowEffect(this))
{
    registerAccessible<LinkLabel, LinkLabelAccessible>();
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setTextFormat(Qt::PlainText);
    // Given here rather than to the label's constructor: what setting it tells a screen reader names
    // the link's own interface, not a plain label's that Qt would make for it then and keep.
    setText(text);
    QColor colour = shadow.colour;
    colour.setAlphaF(colour.alphaF() * shadow.opacity);
    const qreal angle = shadow.direction * std::numbers::pi / 180.0;
    m_shadow->setColor(colour);
    m_shadow->setOffset(shadow.distance * std::cos(angle), shadow.distance * std::sin(angle));
    m_shadow->setBlurRadius(shadow.softness * kBlurPerSoftness);
    m_shadow->setEnabled(false);
    setGraphicsEffect(m_shadow);
}

bool LinkLabel::shadowShown() const
{
    return m_shadow->isEnabled();
}

// Qt delivers crossings to a disabled label too; the shadow follows the pointer only while enabled.
void LinkLabel::enterEvent(QEnterEvent* event)
{
    m_pointerInside = true;
    m_shadow->setEnabled(isEnabled());
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    m_pointerInside = false;
    m_shadow->setEnabled(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_shadow->setEnabled(isEnabled() && m_pointerInside);
    QLabel::changeEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts when the press and the release are both on the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace velmar::platform
