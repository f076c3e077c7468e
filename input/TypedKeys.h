// Characters typed anywhere in a window reach the window's key handler before any control sees them,
// and stop there: a character is a move letter or nothing, so a focused list or slider never takes one
// as input of its own (a list would pick an item by its first letter), while keys that type no
// character (Tab, arrows, Page, Home, End, Space, Enter, Escape) go on as usual.
#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace velmar::input {

// The 8-bit character a typed character is, for reading it as a move letter: itself when it is ASCII,
// otherwise '\0', which is no letter. Never its low byte: "я" (U+044F) is not "O".
char letterOf(char32_t typed);

// Whether the key types a character of its own, which no control of the window then gets. Space types
// none here: it presses the focused button.
bool typesCharacter(const QKeyEvent& event);

class TypedKeys : public QObject {
    Q_OBJECT
public:
    // Sees every key press; returns true when it took the key. Characters stop here either way.
    using Handler = std::function<bool(QKeyEvent& event)>;

    // Watches the application for key presses aimed at `window`, its controls and their pop-ups.
    TypedKeys(QWidget& window, Handler handler);
    ~TypedKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(const QObject* receiver) const;

    QWidget& m_window;
    Handler m_handler;
};

} // namespace velmar::input
