#include "ProgressBar.h"

#include <algorithm>

namespace velmar::platform {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {}

void ProgressBar::setClampedValue(int value)
{
    setValue(std::clamp(value, minimum(), std::max(minimum(), maximum())));
}

void ProgressBar::setClampedMaximum(int maximum)
{
    const int kept = value();
    setMaximum(maximum);
    setClampedValue(kept);
}

} // namespace velmar::platform
