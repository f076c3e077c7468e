#include "ChoiceList.h"

#include "Accessibility.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace velmar::platform {
namespace {

// Qt names a list after its current item on Linux, so a screen reader would hear "Damier (12)" where
// it should hear "Patterns" and then the item: the name says what the list is for, its value and its
// read-only text (where screen readers look for a list's item) which item it holds, and the open
// list's items are its one child.
class ChoiceListAccessible : public DrawnAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ChoiceListAccessible(ChoiceList* list) : DrawnAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return DrawnAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return list()->currentText();
        if (type == QAccessible::Name && !list()->accessibleName().isEmpty())
            return list()->accessibleName();
        return DrawnAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = DrawnAccessibleWidget::state();
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
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + DrawnAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name != showMenuAction() && name != pressAction())
            return DrawnAccessibleWidget::doAction(name);
        // Disabled, it opens no more for a screen reader than for the pointer.
        if (!list()->isEnabled())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    // The current item as text: nothing to select, no cursor to move.
    QString text(int startOffset, int endOffset) const override
    {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    ChoiceList* list() const { return static_cast<ChoiceList*>(widget()); }
};

} // namespace

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent)
{
    registerAccessible<ChoiceList, ChoiceListAccessible>();
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
