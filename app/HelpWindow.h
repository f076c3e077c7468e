// The small window F1 shows: the move letters and the shortcuts, as text a screen reader reads.
#pragma once

#include <QDialog>

namespace velmar::app {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    // The text shown, built from the letter table and the command table.
    static QString helpText();
};

} // namespace velmar::app
