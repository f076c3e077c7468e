// A dial without range: it stores any value unchanged (no wrapping), signals only on a real change, and
// a left-button drag sets it to the pointer's angle around its centre, counter-clockwise from the right.
#pragma once

#include <QWidget>

namespace velmar::platform {

class ArcDial : public QWidget {
    Q_OBJECT
public:
    explicit ArcDial(QWidget* parent = nullptr);

    float value() const { return m_value; }
    // Stores `value` as given; signals valueChanged only when it differs from the stored one.
    void setValue(float value);

    // The pointer's angle around `centre` in degrees, counter-clockwise on screen from the right,
    // in [-180, 180): straight up is 90, straight left -180.
    static float angleOf(QPointF centre, QPointF pointer);

    QSize sizeHint() const override;

signals:
    void valueChanged(float value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followPointer(QPointF position);

    float m_value = 0;
    bool m_dragging = false;
};

} // namespace velmar::platform
