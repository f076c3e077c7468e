#include "ChoiceList.h"

#include <QSignalBlocker>
#include <QWheelEvent>

namespace velmar::platform {

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent)
{
    // `activated` is the user's choice: the keyboard, the open list, and the same item chosen again.
    connect(this, &QComboBox::activated, this, &ChoiceList::changed);
}

void ChoiceList::setItemIndex(int index)
{
    setCurrentIndex(index);
    emit changed();
}

void ChoiceList::appendItem(const QString& text)
{
    // QComboBox selects the first item added to an empty list; a declared list starts with none.
    const int before = currentIndex();
    const QSignalBlocker quiet(this);
    addItem(text);
    setCurrentIndex(before);
}

void ChoiceList::wheelEvent(QWheelEvent* event)
{
    if (m_wheelChangesChoice)
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

} // namespace velmar::platform
