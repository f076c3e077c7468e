// A float slider whose track is a grey ramp: black at the minimum end, white at the maximum end.
#pragma once

#include "FloatSlider.h"

namespace velmar::platform {

class GreyRampSlider : public FloatSlider {
    Q_OBJECT
public:
    using FloatSlider::FloatSlider;

    // The opaque grey of track column `column` (0 at the minimum end) of a track `width` columns wide:
    // round(column / width * 255).
    static int greyOfColumn(int column, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmar::platform
