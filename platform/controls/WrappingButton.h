// A push button whose caption wraps onto several lines when the button is too narrow for it.
#pragma once

#include <QPushButton>

namespace velmar::platform {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmar::platform
