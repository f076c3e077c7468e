#include "CalloutPanel.h"

#include "Accessibility.h"

#include "platform/scene/ColourAnimation.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace velmar::platform {
namespace {

constexpr qreal kCornerRadius = 3;
// The values shown ("11.0 s", "0.5 s", "49") have to fit panels 33 to 37 pixels wide.
constexpr qreal kTextPointSize = 7;

// The base of the pointer along the body's left side: as wide as asked, but no taller than the panel.
qreal pointerBase(qreal height)
{
    return std::min(qreal(CalloutPanel::kPointerWidth), height);
}

// The body and its pointer as one outline, so the border runs round both without a seam between them.
QPainterPath calloutShape(const QRectF& r)
{
    const qreal bodyLeft = std::min(r.left() + CalloutPanel::kPointerLength, r.right());
    QPainterPath body;
    body.addRoundedRect(QRectF(QPointF(bodyLeft, r.top()), r.bottomRight()), kCornerRadius, kCornerRadius);
    const qreal middle = r.center().y();
    const qreal halfBase = pointerBase(r.height()) / 2;
    // The pointer runs on into the body by a corner's width: a base lying exactly on the body's left side
    // would leave that shared side drawn as a line across the callout.
    const qreal inside = std::min(bodyLeft + kCornerRadius, r.right());
    QPainterPath pointer;
    pointer.addPolygon(QPolygonF({{r.left(), middle},
                                  {bodyLeft, middle - halfBase},
                                  {inside, middle - halfBase},
                                  {inside, middle + halfBase},
                                  {bodyLeft, middle + halfBase}}));
    pointer.closeSubpath();
    return body.united(pointer);
}

class CalloutAccessible : public DrawnAccessibleWidget {
public:
    explicit CalloutAccessible(CalloutPanel* panel) : DrawnAccessibleWidget(panel, QAccessible::StaticText) {}

    // A screen reader reads the hint itself: the value the slider beside it has just taken.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Description)
            return static_cast<const CalloutPanel*>(object())->text();
        return DrawnAccessibleWidget::text(t);
    }
    // The text element is the panel's own text, read once through the panel.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

} // namespace

CalloutPanel::CalloutPanel(QWidget* parent)
    : QWidget(parent), m_text(new QLabel(this)), m_fade(new QGraphicsOpacityEffect(this))
{
    registerAccessible<CalloutPanel, CalloutAccessible>();
    // A hint only: clicks go to whatever lies beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);

    QFont small = m_text->font();
    small.setPointSizeF(kTextPointSize);
    small.setStretch(QFont::SemiCondensed);
    m_text->setFont(small);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->setForegroundRole(QPalette::ToolTipText);
    m_text->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_text->installEventFilter(this);

    // Off at full opacity, so a shown hint costs no offscreen pass.
    m_fade->setOpacity(1);
    m_fade->setEnabled(false);
    setGraphicsEffect(m_fade);
}

QString CalloutPanel::text() const
{
    return m_text->text();
}

void CalloutPanel::setText(const QString& text)
{
    if (text == m_text->text())
        return;
    m_text->setText(text);
    placeText();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CalloutPanel::setOpacity(qreal opacity)
{
    if (std::isnan(opacity))
        return;
    opacity = std::clamp(opacity, qreal(0), qreal(1));
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    m_fade->setOpacity(opacity);
    m_fade->setEnabled(opacity < 1);
}

void CalloutPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = palette().color(QPalette::ToolTipBase);
    // Part way from the fill towards the text colour: darker on a light scheme, lighter on a dark one.
    const QColor border = ColourAnimation::mix(fill, palette().color(QPalette::ToolTipText), 0.45f);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawPath(calloutShape(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
}

void CalloutPanel::resizeEvent(QResizeEvent* event)
{
    m_text->setGeometry(rect());
    placeText();
    QWidget::resizeEvent(event);
}

bool CalloutPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::FontChange)
        placeText();
    return QWidget::eventFilter(watched, event);
}

void CalloutPanel::placeText()
{
    // The text starts kTextInset into the body. A value too long for the rest of the body moves left
    // onto the pointer, which has the body's fill, but only as far as the pointer is still as tall as a
    // line of text; the right margin keeps it off the border.
    const QFontMetricsF metrics(m_text->font());
    const int rightMargin = 2;
    const qreal room = width() - rightMargin;
    const int inset = kPointerLength + kTextInset;
    int left = inset;
    const qreal advance = metrics.horizontalAdvance(m_text->text());
    if (inset + advance > room) {
        const qreal base = std::max(pointerBase(height() - 1), qreal(1));
        const int lowest = std::min(inset, int(std::ceil(kPointerLength * metrics.height() / base)));
        left = std::max(lowest, int(std::floor(room - advance)));
    }
    m_text->setContentsMargins(left, 0, rightMargin, 0);
}

} // namespace velmar::platform
