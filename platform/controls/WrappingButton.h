// A push button whose caption wraps onto several lines when the button is too narrow for it.
#pragma once

#include <QPushButton>

namespace velmar::platform {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    // The text is given once the push button is made: what setting it tells a screen reader then
    // names this button's interface, not one Qt makes for a QPushButton under construction and keeps.
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmar::platform
