// A slider holding a floating-point value: it snaps to its step (if it has one), clamps to its range,
// and signals only when the stored value really changes, by code or by the user.
#pragma once

#include <QWidget>

class QStyleOptionSlider;

namespace velmar::platform {

class FloatSlider : public QWidget {
    Q_OBJECT
public:
    explicit FloatSlider(QWidget* parent = nullptr);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    // The current value is snapped and clamped again into the new range, signalling if it moves.
    void setRange(double minimum, double maximum);
    // 0 means continuous.
    double step() const { return m_step; }
    void setStep(double step);

    double value() const { return m_value; }
    // Snap, clamp, then store; signals valueChanged only when the stored value differs.
    void setValue(double value);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(double value);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

    // The style option for drawing, mapped onto an integer resolution; subclasses paint on top of it.
    void initStyleOption(QStyleOptionSlider* option) const;
    // The value under a point of the groove.
    double valueAt(QPoint position) const;
    // One keyboard step: the slider's step, or a hundredth of the range when continuous.
    double keyStep() const;

private:
    double snapped(double value) const;
    QRect handleRect() const;
    void updateHover(QPoint position);

    double m_minimum = 0;
    double m_maximum = 1;
    double m_step = 0;
    double m_value = 0;
    bool m_dragging = false;
    int m_grabOffset = 0;
    bool m_handleHovered = false;
    // Wheel delta not yet worth a whole step (high-resolution wheels send fractions of a notch).
    int m_wheelRemainder = 0;
};

} // namespace velmar::platform
