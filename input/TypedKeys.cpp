#include "TypedKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace velmar::input {

char letterOf(char32_t typed)
{
    return typed < 0x80 ? char(typed) : '\0';
}

bool typesCharacter(const QKeyEvent& event)
{
    const QList<uint> text = event.text().toUcs4();
    return !text.isEmpty() && text.front() != u' ' && QChar::isPrint(char32_t(text.front()));
}

TypedKeys::TypedKeys(QWidget& window, Handler handler)
    : QObject(&window), m_window(window), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

TypedKeys::~TypedKeys()
{
    qApp->removeEventFilter(this);
}

bool TypedKeys::belongsToWindow(const QObject* receiver) const
{
    if (!receiver->isWidgetType())
        return false;
    // A list's drop-down is a window of its own, but a pop-up of ours; dialogs are not ours.
    for (const QWidget* w = static_cast<const QWidget*>(receiver); w; w = w->parentWidget()) {
        if (w == &m_window)
            return true;
        if (w->isWindow() && !(w->windowType() == Qt::Popup))
            return false;
    }
    return false;
}

bool TypedKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !belongsToWindow(watched))
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    const bool took = m_handler(key);
    return took || typesCharacter(key);
}

} // namespace velmar::input
