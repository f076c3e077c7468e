// The moves window: the history in standard notation, grouped by where the turns came from, with what
// undo takes back next and what redo would play again; the turns counted since the last scramble and
// the solve's clock; Copy; and a field to type or paste an algorithm and play it.
//
// It follows the puzzle while shown and does nothing while hidden (it reads everything afresh when
// shown again). Characters typed in it are text: it is a window of its own, so the main window's rule
// that a character is a move letter stops at its border.
#pragma once

#include "engine/Notation.h"

#include "platform/scene/FloatAnimation.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

namespace velmar::engine {
class Puzzle;
}

namespace velmar::app {

class MovesWindow : public QDialog {
    Q_OBJECT
public:
    MovesWindow(engine::Puzzle& puzzle, QWidget* parent);

    // What Copy puts on the clipboard.
    QString plainText() const;
    // Reads the field and plays it; says why not when it cannot.
    void play();
    void copy();

    QTextBrowser& history() const { return *m_history; }
    QPlainTextEdit& field() const { return *m_field; }
    QComboBox& notation() const { return *m_notation; }
    QLabel& counts() const { return *m_counts; }
    QLabel& message() const { return *m_message; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    void recount();
    void showCounts();
    void writeCounts();
    void say(const QString& text);

    engine::Puzzle& m_puzzle;
    QTextBrowser* m_history;
    QLabel* m_counts;
    QPushButton* m_copy;
    QComboBox* m_notation;
    QPlainTextEdit* m_field;
    QPushButton* m_play;
    QLabel* m_message;
    // The solution found last, shown before and while it plays.
    QByteArray m_solution;
    QString m_countText;
    // Steps the clock's text once a second while it runs and the window is shown.
    platform::FloatAnimation m_clockTick;
};

} // namespace velmar::app
