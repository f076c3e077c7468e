// Relative luminance and contrast ratio of colours as the web's accessibility guidelines define them:
// how tests judge that a text stands out from what is behind it.
#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

namespace velmar::testkit {

inline double luminance(QRgb c)
{
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

inline double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace velmar::testkit
