// A drop-down list whose change signal follows the item index as the program sets it: every assignment
// of the index signals, even of the index it already has, and so does every choice the user makes.
// Adding items never selects one by itself.
#pragma once

#include <QComboBox>

namespace velmar::platform {

class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);

    int itemIndex() const { return currentIndex(); }
    // Selects `index` (-1 for none) and signals `changed`, whether or not the index moved.
    void setItemIndex(int index);
    // Appends an item, leaving the selection as it was.
    void appendItem(const QString& text);

    // When off, the mouse wheel over the list passes it by instead of changing the choice.
    void setWheelChangesChoice(bool on) { m_wheelChangesChoice = on; }

signals:
    void changed();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_wheelChangesChoice = true;
};

} // namespace velmar::platform
