// Characters typed anywhere in a window reach the window's key handler before any control sees them,
// and the ones the handler takes (move letters) stop there: a focused list or slider never takes a
// move letter as input of its own, while Tab, arrows, Space, Enter and Escape go on as usual.
#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace velmar::input {

class TypedKeys : public QObject {
    Q_OBJECT
public:
    // Returns true when it took the key.
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
