#include "ChoiceList.h"

#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace velmar::platform {
namespace {

// Qt names a list after its current item on Linux, so a screen reader would hear "Damier (12)" where
// it should hear "Patterns" and then the item: the name says what the list is for, the value which
// item it holds, and the open list's items are its one child.
class ChoiceListAccessible : public QAccessibleWidget {
public:
    explicit ChoiceListAccessible(ChoiceList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return list()->currentText();
        if (type == QAccessible::Name && !list()->accessibleName().isEmpty())
            return list()->accessibleName();
        return QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override
    {
        // Disabled, it opens no more for a screen reader than for the pointer.
        if ((name != showMenuAction() && name != pressAction()) || !list()->isEnabled())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    ChoiceList* list() const { return static_cast<ChoiceList*>(widget()); }
};

} // namespace

QAccessibleInterface* accessibleChoiceList(ChoiceList* list)
{
    return new ChoiceListAccessible(list);
}

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent)
{
    // Before anything asks for this widget's accessible interface, which Qt then keeps.
    installControlAccessibility();
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
