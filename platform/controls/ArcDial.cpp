#include "ArcDial.h"
#include "Accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace velmar::platform {
namespace {

constexpr float kKeyStep = 1;
constexpr float kPageStep = 15;
constexpr double kTurnSpan = 180;

// The float as the shortest decimal that reads back as it, so 0.1f reads 0.1 rather than 0.100000001.
double asDecimal(float value)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    double decimal = value;
    if (error == std::errc())
        std::from_chars(text, end, decimal);
    return decimal;
}

class ArcDialAccessible : public AccessibleValueWidget {
public:
    explicit ArcDialAccessible(ArcDial* dial) : AccessibleValueWidget(dial, QAccessible::Dial) {}

    QVariant currentValue() const override { return asDecimal(dial()->value()); }
    // The dial has no range: this is the span one turn of the pointer covers, widened to hold the value
    // the dial took from its box's rotation or the background drag.
    QVariant maximumValue() const override { return std::max(kTurnSpan, currentValue().toDouble()); }
    QVariant minimumValue() const override { return std::min(-kTurnSpan, currentValue().toDouble()); }
    QVariant minimumStepSize() const override { return double(kKeyStep); }

protected:
    void setNumber(double value) override { dial()->setValue(float(value)); }

private:
    ArcDial* dial() const { return static_cast<ArcDial*>(widget()); }
};

} // namespace

ArcDial::ArcDial(QWidget* parent) : QWidget(parent)
{
    registerAccessible<ArcDial, ArcDialAccessible>();
    setFocusPolicy(Qt::StrongFocus);
}

void ArcDial::setValue(float value)
{
    if (!std::isfinite(value) || value == m_value)
        return;
    m_value = value;
    update();
    emit valueChanged(m_value);
    notifyValueChanged(this, asDecimal(m_value));
}

float ArcDial::angleOf(QPointF centre, QPointF pointer)
{
    // Screen y grows downwards; counter-clockwise on screen is up from the right.
    const double radians = std::atan2(centre.y() - pointer.y(), pointer.x() - centre.x());
    const auto degrees = float(radians * 180 / std::numbers::pi);
    // atan2 gives (-180, 180]; straight left belongs to the lower end, also when the float rounds up.
    return degrees >= 180 ? degrees - 360 : degrees;
}

QSize ArcDial::sizeHint() const
{
    return {40, 40};
}

void ArcDial::followPointer(QPointF position)
{
    const QPointF centre = QRectF(rect()).center();
    if (position == centre)
        return;
    setValue(angleOf(centre, position));
}

void ArcDial::paintEvent(QPaintEvent*)
{
    const qreal radius = std::min(width(), height()) / 2.0 - 1;
    if (radius < 4)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QPointF centre = QRectF(rect()).center();

    const QColor face = colours.color(QPalette::Button);
    QLinearGradient shade(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
    shade.setColorAt(0, face.lighter(112));
    shade.setColorAt(1, face.darker(110));
    const bool focused = hasFocus();
    const qreal rimWidth = focused ? 2 : 1;
    painter.setPen(QPen(colours.color(focused ? QPalette::Highlight : QPalette::Dark), rimWidth));
    painter.setBrush(shade);
    const qreal faceRadius = radius - rimWidth / 2;
    painter.drawEllipse(centre, faceRadius, faceRadius);

    // The marker rides a ring near the rim, leaving the middle free for a label over the dial.
    const qreal markerRadius = std::max<qreal>(2.5, radius * 0.19);
    const qreal ringRadius = radius - rimWidth - markerRadius - 1;
    painter.setPen(QPen(colours.color(QPalette::Mid), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, ringRadius, ringRadius);

    const double turn = std::fmod(double(m_value), 360.0) * std::numbers::pi / 180;
    const QPointF marker = centre + ringRadius * QPointF(std::cos(turn), -std::sin(turn));
    painter.setPen(QPen(colours.color(QPalette::Base), 1));
    painter.setBrush(colours.color(QPalette::Highlight));
    painter.drawEllipse(marker, markerRadius, markerRadius);
}

void ArcDial::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_dragging = true;
    followPointer(event->position());
}

void ArcDial::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    followPointer(event->position());
}

void ArcDial::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging) {
        event->ignore();
        return;
    }
    m_dragging = false;
}

void ArcDial::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        setValue(m_value + kKeyStep);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        setValue(m_value - kKeyStep);
        break;
    case Qt::Key_PageUp:
        setValue(m_value + kPageStep);
        break;
    case Qt::Key_PageDown:
        setValue(m_value - kPageStep);
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace velmar::platform
