// A progress bar that keeps its value within its range: out-of-range values are clamped, and a new
// range clamps the value into it (Qt's own bar ignores such values or resets itself instead).
#pragma once

#include <QProgressBar>

namespace velmar::platform {

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    void setClampedValue(int value);
    void setClampedMaximum(int maximum);
};

} // namespace velmar::platform
