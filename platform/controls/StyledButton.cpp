#include "StyledButton.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace velmar::platform {
namespace {

constexpr int kSize = 25;
constexpr qreal kHighlightRadius = 2;
constexpr QRgb kBorderColour = 0xC84F4F4F;
constexpr QRgb kHighlightColour = 0x96FCFCFC;
constexpr int kCaptionInsetX = 5;
constexpr int kCaptionInsetY = 3;

// Softness is the glow's reach as a fraction of half the button's smaller side.
constexpr qreal kInnerGlowSoftness = 0.4;
constexpr qreal kInnerGlowOpacity = 0.9;
constexpr qreal kFocusGlowSoftness = 0.2;
constexpr qreal kFocusGlowOpacity = 0.9;

QColor withOpacity(QRgb colour, qreal opacity)
{
    QColor c = QColor::fromRgba(colour);
    c.setAlphaF(c.alphaF() * float(opacity));
    return c;
}

// Relative luminance of an sRGB colour, as used for contrast ratios.
qreal luminance(const QColor& colour)
{
    const auto linear = [](float c) { return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// Black or white, whichever contrasts more with the face: the two ratios are equal at a luminance of
// about 0.18. So white, yellow and orange faces take black letters, blue and green faces white ones,
// and pure red (0.21) black, which reads better on it than white (5.3:1 against 4:1).
QColor captionColourOn(const QColor& face)
{
    const qreal l = luminance(face);
    const qreal againstBlack = (l + 0.05) / 0.05;
    const qreal againstWhite = 1.05 / (l + 0.05);
    return againstBlack >= againstWhite ? QColor(Qt::black) : QColor(Qt::white);
}

// A glow from the edges of `area` inwards, `depth` deep: each edge's band is a trapezoid mitred at the
// corners, so every point takes the glow of its nearest edge and no two bands overlap.
void paintInnerGlow(QPainter& painter, const QRectF& area, const QColor& colour, qreal depth)
{
    if (depth <= 0 || colour.alpha() == 0)
        return;
    QColor clear = colour;
    clear.setAlpha(0);
    const qreal l = area.left(), r = area.right(), t = area.top(), b = area.bottom(), d = depth;
    struct Band {
        QPolygonF shape;
        QPointF from, to;
    };
    const Band bands[] = {
        {QPolygonF({{l, t}, {r, t}, {r - d, t + d}, {l + d, t + d}}), {l, t}, {l, t + d}},
        {QPolygonF({{l, b}, {r, b}, {r - d, b - d}, {l + d, b - d}}), {l, b}, {l, b - d}},
        {QPolygonF({{l, t}, {l, b}, {l + d, b - d}, {l + d, t + d}}), {l, t}, {l + d, t}},
        {QPolygonF({{r, t}, {r, b}, {r - d, b - d}, {r - d, t + d}}), {r, t}, {r - d, t}},
    };
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(area, kHighlightRadius, kHighlightRadius);
    painter.setClipPath(clip);
    // Without antialiasing the bands meet on pixel centres, leaving no seam along the mitres.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    for (const Band& band : bands) {
        QLinearGradient fade(band.from, band.to);
        fade.setColorAt(0, colour);
        fade.setColorAt(1, clear);
        painter.setBrush(fade);
        painter.drawPolygon(band.shape);
    }
    painter.restore();
}

} // namespace

const ButtonStyle* findStyle(std::span<const ButtonStyle> styles, const QString& name)
{
    const auto found = std::find_if(styles.begin(), styles.end(), [&](const ButtonStyle& style) {
        return style.name && name.compare(QLatin1String(style.name), Qt::CaseInsensitive) == 0;
    });
    return found == styles.end() ? nullptr : &*found;
}

StyledButton::StyledButton(const ButtonStyle& style, QWidget* parent)
    : QAbstractButton(parent),
      m_style(&style),
      m_outerFill(QColor::fromRgba(style.outerFill)),
      m_hoverIn("hoverIn", [this](const QColor& c) { setOuterFill(c); }),
      m_hoverOut("hoverOut", [this](const QColor& c) { setOuterFill(c); }),
      m_focusGlow(new QGraphicsDropShadowEffect(this))
{
    setFocusPolicy(Qt::StrongFocus);

    m_hoverIn.setStartColour(QColor::fromRgba(style.hoverInStart));
    m_hoverIn.setStopColour(QColor::fromRgba(style.hoverInStop));
    m_hoverIn.setDuration(kHoverSeconds);
    m_hoverOut.setStartColour(QColor::fromRgba(style.hoverOutStart));
    m_hoverOut.setStopColour(QColor::fromRgba(style.hoverOutStop));
    m_hoverOut.setDuration(kHoverSeconds);

    // An effect that is off costs nothing: the button paints straight to its window then.
    m_focusGlow->setOffset(0, 0);
    m_focusGlow->setColor(withOpacity(style.focusColour, kFocusGlowOpacity));
    m_focusGlow->setBlurRadius(kFocusGlowSoftness * kSize);
    m_focusGlow->setEnabled(false);
    setGraphicsEffect(m_focusGlow);
}

bool StyledButton::innerGlowShown() const
{
    return isDown();
}

bool StyledButton::focusGlowShown() const
{
    return m_focusGlow->isEnabled();
}

QSize StyledButton::sizeHint() const
{
    return {kSize, kSize};
}

void StyledButton::setOuterFill(const QColor& colour)
{
    if (colour == m_outerFill)
        return;
    m_outerFill = colour;
    update();
}

void StyledButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole = rect();
    const qreal radius = kCornerRadius;

    painter.setPen(Qt::NoPen);
    painter.setBrush(m_outerFill);
    painter.drawRoundedRect(whole, radius, radius);

    // The face stops inside the border, and the border is translucent: the outer fill, which the hover
    // animations drive, shows only through that one-pixel ring.
    painter.setBrush(QColor::fromRgba(m_style->faceColour));
    painter.drawRoundedRect(whole.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    painter.setPen(QPen(QColor::fromRgba(kBorderColour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(whole.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);

    if (isDown()) {
        const qreal depth = kInnerGlowSoftness * std::min(whole.width(), whole.height()) / 2;
        paintInnerGlow(painter, whole.adjusted(1, 1, -1, -1), withOpacity(m_style->pressedColour, kInnerGlowOpacity),
                       depth);
    }

    painter.setPen(QPen(QColor::fromRgba(kHighlightColour), 1));
    painter.drawRoundedRect(whole.adjusted(1.5, 1.5, -1.5, -1.5), kHighlightRadius, kHighlightRadius);

    QFont caption = font();
    caption.setBold(true);
    painter.setFont(caption);
    painter.setPen(captionColourOn(QColor::fromRgba(m_style->faceColour)));
    painter.drawText(rect().adjusted(kCaptionInsetX, kCaptionInsetY, -kCaptionInsetX, -kCaptionInsetY), Qt::AlignCenter,
                     text());
}

void StyledButton::showHover(bool hovered)
{
    if (hovered == m_hoverShown)
        return;
    m_hoverShown = hovered;
    // Stopping the other run first: only one animation ever writes the outer fill.
    (hovered ? m_hoverOut : m_hoverIn).stop();
    (hovered ? m_hoverIn : m_hoverOut).start();
}

// Qt delivers crossings to a disabled button too (one inside the panel a turn disabled): it shows them
// only once it is enabled again, as one crossing then, so it ends where the pointer is.
void StyledButton::enterEvent(QEnterEvent* event)
{
    m_pointerInside = true;
    if (isEnabled())
        showHover(true);
    QAbstractButton::enterEvent(event);
}

void StyledButton::leaveEvent(QEvent* event)
{
    m_pointerInside = false;
    if (isEnabled())
        showHover(false);
    QAbstractButton::leaveEvent(event);
}

void StyledButton::focusInEvent(QFocusEvent* event)
{
    m_focusGlow->setEnabled(isEnabled());
    QAbstractButton::focusInEvent(event);
}

void StyledButton::focusOutEvent(QFocusEvent* event)
{
    m_focusGlow->setEnabled(false);
    QAbstractButton::focusOutEvent(event);
}

void StyledButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_focusGlow->setEnabled(isEnabled() && hasFocus());
        if (isEnabled())
            showHover(m_pointerInside);
    }
    QAbstractButton::changeEvent(event);
}

void StyledButton::resizeEvent(QResizeEvent* event)
{
    // The focus glow reaches out in proportion to the button, as the other elements stretch with it.
    m_focusGlow->setBlurRadius(kFocusGlowSoftness * std::min(width(), height()));
    QAbstractButton::resizeEvent(event);
}

} // namespace velmar::platform
