#include "FloatSlider.h"
#include "Accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace velmar::platform {
namespace {

// The style sees the value as a position on this integer scale; finer than any slider's pixels.
constexpr int kResolution = 10000;
constexpr int kWheelNotch = 120;
constexpr int kKeyStepsPerPage = 10;
// Above this, integers stop being exact in a double.
constexpr double kExactIntegers = 9007199254740992.0; // 2^53

// Digits after the point in the shortest decimal that reads back as `value`; -1 if it has too many.
int decimalsOf(double value)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (error != std::errc())
        return -1;
    const char* point = std::find(text, end, '.');
    return point == end ? 0 : int(end - point - 1);
}

double powerOfTen(int exponent)
{
    double power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

class FloatSliderAccessible : public AccessibleValueWidget {
public:
    explicit FloatSliderAccessible(FloatSlider* slider) : AccessibleValueWidget(slider, QAccessible::Slider) {}

    QVariant currentValue() const override { return slider()->value(); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override
    {
        // keyStep() is protected; it is the step, or a hundredth of the range when continuous.
        const FloatSlider* s = slider();
        return s->step() > 0 ? s->step() : (s->maximum() - s->minimum()) / 100;
    }

protected:
    void setNumber(double value) override { slider()->setValue(value); }

private:
    FloatSlider* slider() const { return static_cast<FloatSlider*>(widget()); }
};

} // namespace

FloatSlider::FloatSlider(QWidget* parent) : QWidget(parent)
{
    registerAccessible<FloatSlider, FloatSliderAccessible>();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void FloatSlider::setRange(double minimum, double maximum)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum))
        return;
    // A reversed range leaves the minimum as the only value, as QAbstractSlider does.
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    update();
    setValue(m_value);
}

void FloatSlider::setStep(double step)
{
    if (!std::isfinite(step))
        return;
    m_step = std::max(step, 0.0);
    setValue(m_value);
}

void FloatSlider::setValue(double value)
{
    if (!std::isfinite(value))
        return;
    const double stored = std::clamp(snapped(value), m_minimum, m_maximum);
    if (stored == m_value)
        return;
    m_value = stored;
    update();
    emit valueChanged(m_value);
    notifyValueChanged(this, m_value);
}

double FloatSlider::snapped(double value) const
{
    if (m_step <= 0)
        return value;
    const double steps = std::round((value - m_minimum) / m_step);
    // Counting in units of the last decimal of the minimum and the step keeps 0.1 + 2 × 0.1 at 0.3:
    // an exact integer divided by a power of ten rounds to the double nearest that decimal.
    const int decimals = std::max(decimalsOf(m_minimum), decimalsOf(m_step));
    if (decimals >= 0 && decimals <= 15) {
        const double scale = powerOfTen(decimals);
        const double units = std::round(m_minimum * scale) + steps * std::round(m_step * scale);
        if (std::abs(units) < kExactIntegers)
            return units / scale;
    }
    return m_minimum + steps * m_step;
}

double FloatSlider::keyStep() const
{
    return m_step > 0 ? m_step : (m_maximum - m_minimum) / 100;
}

void FloatSlider::initStyleOption(QStyleOptionSlider* option) const
{
    option->initFrom(this);
    option->subControls = QStyle::SC_None;
    option->activeSubControls = QStyle::SC_None;
    option->orientation = Qt::Horizontal;
    option->state |= QStyle::State_Horizontal;
    option->tickPosition = QSlider::NoTicks;
    // The minimum is always on the left.
    option->upsideDown = false;
    option->direction = Qt::LeftToRight;
    option->minimum = 0;
    option->maximum = kResolution;
    const double range = m_maximum - m_minimum;
    const auto toScale = [range](double amount) {
        return range > 0 ? int(std::lround(amount / range * kResolution)) : 0;
    };
    option->sliderPosition = toScale(m_value - m_minimum);
    option->sliderValue = option->sliderPosition;
    option->singleStep = std::max(1, toScale(keyStep()));
    option->pageStep = std::max(1, toScale(kKeyStepsPerPage * keyStep()));
    if (m_dragging) {
        option->activeSubControls = QStyle::SC_SliderHandle;
        option->state |= QStyle::State_Sunken;
    } else if (m_handleHovered && isEnabled()) {
        option->activeSubControls = QStyle::SC_SliderHandle;
    }
    // Qt sends hover events to a disabled slider too; it shows none.
    if (!isEnabled())
        option->state &= ~QStyle::State_MouseOver;
}

QRect FloatSlider::handleRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

double FloatSlider::valueAt(QPoint position) const
{
    // `position` is where the handle's centre would be; the centre travels the groove less half a
    // handle at each end.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int travel = groove.width() - handle.width();
    if (travel <= 0)
        return m_minimum;
    const int offset = position.x() - groove.x() - handle.width() / 2;
    return std::lerp(m_minimum, m_maximum, std::clamp(double(offset) / travel, 0.0, 1.0));
}

QSize FloatSlider::sizeHint() const
{
    // QSlider's hint: a fixed length along, the style's thickness across.
    constexpr int kLength = 84;
    ensurePolished();
    QStyleOptionSlider option;
    initStyleOption(&option);
    const int thickness = style()->pixelMetric(QStyle::PM_SliderThickness, &option, this);
    return style()->sizeFromContents(QStyle::CT_Slider, &option, QSize(kLength, thickness), this);
}

QSize FloatSlider::minimumSizeHint() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {style()->pixelMetric(QStyle::PM_SliderLength, &option, this), sizeHint().height()};
}

bool FloatSlider::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        updateHover(static_cast<QHoverEvent*>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
        updateHover(QPoint(-1, -1));
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void FloatSlider::updateHover(QPoint position)
{
    const bool hovered = handleRect().contains(position);
    if (hovered == m_handleHovered)
        return;
    m_handleHovered = hovered;
    update();
}

void FloatSlider::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    painter.drawComplexControl(QStyle::CC_Slider, option);
}

void FloatSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint position = event->position().toPoint();
    const QRect handle = handleRect();
    if (handle.contains(position)) {
        // Grabbing the handle moves nothing until the pointer does.
        m_grabOffset = position.x() - (handle.x() + handle.width() / 2);
    } else {
        m_grabOffset = 0;
        setValue(valueAt(position));
    }
    m_dragging = true;
    update();
}

void FloatSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    setValue(valueAt(event->position().toPoint() - QPoint(m_grabOffset, 0)));
}

void FloatSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging) {
        event->ignore();
        return;
    }
    m_dragging = false;
    updateHover(event->position().toPoint());
    update();
}

void FloatSlider::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        setValue(m_value - keyStep());
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        setValue(m_value + keyStep());
        break;
    case Qt::Key_PageDown:
        setValue(m_value - kKeyStepsPerPage * keyStep());
        break;
    case Qt::Key_PageUp:
        setValue(m_value + kKeyStepsPerPage * keyStep());
        break;
    case Qt::Key_Home:
        setValue(m_minimum);
        break;
    case Qt::Key_End:
        setValue(m_maximum);
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void FloatSlider::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    // A sideways wheel counts too, rightwards as an increase.
    int delta = std::abs(angle.x()) > std::abs(angle.y()) ? -angle.x() : angle.y();
    if (event->inverted())
        delta = -delta;
    const bool canMove = (delta > 0 && m_value < m_maximum) || (delta < 0 && m_value > m_minimum);
    if (!canMove) {
        m_wheelRemainder = 0;
        event->ignore();
        return;
    }
    // Turning back discards what was gathered the other way.
    if ((m_wheelRemainder > 0) != (delta > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += delta;
    const int steps = m_wheelRemainder / kWheelNotch;
    m_wheelRemainder -= steps * kWheelNotch;
    if (steps != 0)
        setValue(m_value + steps * keyStep());
    event->accept();
}

} // namespace velmar::platform
