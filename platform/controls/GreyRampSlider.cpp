#include "GreyRampSlider.h"

#include <QImage>
#include <QStyleOptionSlider>
#include <QStylePainter>

#include <cmath>

namespace velmar::platform {

int GreyRampSlider::greyOfColumn(int column, int width)
{
    if (width <= 0)
        return 0;
    // std::lround takes halves away from zero: column 50 of 100 is 128.
    return int(std::lround(double(column) / width * 255));
}

void GreyRampSlider::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);

    // The ramp fills the groove inside a one-pixel frame, one grey per column.
    const QRect track = groove.adjusted(1, 1, -1, -1);
    if (track.width() > 0 && track.height() > 0) {
        QImage ramp(track.width(), 1, QImage::Format_RGB32);
        for (int column = 0; column < track.width(); ++column) {
            const int grey = greyOfColumn(column, track.width());
            ramp.setPixel(column, 0, qRgb(grey, grey, grey));
        }
        painter.drawImage(track, ramp);
    }
    // Focus shows as the native sliders show it: when it came by keyboard.
    const bool showFocus = option.state.testFlags(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
    painter.setPen(palette().color(showFocus ? QPalette::Highlight : QPalette::Dark));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(groove.adjusted(0, 0, -1, -1));

    option.subControls = QStyle::SC_SliderHandle;
    painter.drawComplexControl(QStyle::CC_Slider, option);
}

} // namespace velmar::platform
