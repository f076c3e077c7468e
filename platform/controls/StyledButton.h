// A push button drawn from a named style: rounded outer and inner rectangles, a highlight rim, a bold
// caption, hover colour animations on the outer fill, an inner glow while pressed and an outer glow
// while it has the keyboard focus.
#pragma once

#include "platform/scene/ColourAnimation.h"

#include <QAbstractButton>
#include <QColor>
#include <QString>

#include <span>

class QGraphicsDropShadowEffect;

namespace velmar::platform {

struct ButtonStyle {
    const char* name;
    QRgb outerFill;
    QRgb faceColour;
    QRgb hoverInStart, hoverInStop;
    QRgb hoverOutStart, hoverOutStop;
    QRgb pressedColour; // inner glow while pressed
    QRgb focusColour;   // outer glow while focused
};

// The style named `name` in `styles`, matched without regard to letter case; nullptr if none.
const ButtonStyle* findStyle(std::span<const ButtonStyle> styles, const QString& name);

class StyledButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kCornerRadius = 3;
    static constexpr float kHoverSeconds = 0.2f;

    StyledButton(const ButtonStyle& style, QWidget* parent = nullptr);

    const ButtonStyle& buttonStyle() const { return *m_style; }
    // The outer rectangle's current fill, which the hover animations drive.
    QColor outerFill() const { return m_outerFill; }
    bool innerGlowShown() const;
    bool focusGlowShown() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setOuterFill(const QColor& colour);
    // Plays the hover animation that brings the outer fill to `hovered`, unless it is there already.
    void showHover(bool hovered);

    const ButtonStyle* m_style;
    QColor m_outerFill;
    ColourAnimation m_hoverIn;
    ColourAnimation m_hoverOut;
    QGraphicsDropShadowEffect* m_focusGlow;
    // The pointer's side of the last crossing, and the hover state the outer fill was last sent towards.
    bool m_pointerInside = false;
    bool m_hoverShown = false;
};

} // namespace velmar::platform
