// A clickable text label: hand cursor, a shadow while the pointer is over it, and keyboard activation
// (Enter or Space) when it has the focus.
#pragma once

#include <QColor>
#include <QLabel>

class QGraphicsDropShadowEffect;

namespace velmar::platform {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    struct Shadow {
        QColor colour;
        qreal distance;  // pixels
        qreal direction; // degrees, 0 to the right, clockwise on screen
        qreal softness;  // 0..1
        qreal opacity;   // 0..1
    };

    LinkLabel(const QString& text, const Shadow& shadow, QWidget* parent = nullptr);

    bool shadowShown() const;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QGraphicsDropShadowEffect* m_shadow;
    bool m_pressed = false;
    bool m_pointerInside = false;
};

} // namespace velmar::platform
