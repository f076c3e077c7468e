// The puzzle's commands beyond turning a face: undo, redo, scramble, solve, the moves window, the letters
// on the stickers, the cube in words and the help window, each
// with its Ctrl (or function-key) shortcuts, and the context menu on the 3D view that lists them.
//
// The shortcuts work anywhere in the window whatever has the focus; what a command does inside a turn or
// a playback is the puzzle's to decide. The menu opens at a right click on the view that did not move,
// or from the keyboard with the Menu key or Shift+F10; its entries are disabled when they cannot run.
#pragma once

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace velmar::app {

enum class PuzzleCommand { Undo, Redo, Scramble, Solve, Moves, StickerLetters, CubeInWords, Help };
inline constexpr int kPuzzleCommandCount = 8;

struct PuzzleCommandDecl {
    PuzzleCommand command;
    const char* objectName;
    const char* text;
    const char* keys; // in portable text, alternatives separated by "; "
    bool checkable = false;
};

// In menu order.
const std::array<PuzzleCommandDecl, kPuzzleCommandCount>& puzzleCommands();
// The keys that open the menu from the keyboard.
inline constexpr const char* kMenuKeys = "Menu; Shift+F10";

class PuzzleMenu : public QObject {
    Q_OBJECT
public:
    using Run = std::function<void(PuzzleCommand command)>;
    using CanRun = std::function<bool(PuzzleCommand command)>;

    // `run` carries out a command; `canRun` says, as the menu opens, which entries are enabled; `view`
    // names the widget the keyboard opens the menu over.
    PuzzleMenu(QWidget& window, Run run, CanRun canRun, std::function<QWidget*()> view);

    // At a global position; the entries' enabled states are read now.
    void popup(QPoint global);
    // From the keyboard: at the centre of `over`.
    void popupOver(QWidget& over);

    QMenu& menu() const { return *m_menu; }
    QAction& action(PuzzleCommand command) const { return *m_actions[std::size_t(command)]; }

private:
    Run m_run;
    CanRun m_canRun;
    std::function<QWidget*()> m_view;
    QMenu* m_menu;
    std::array<QAction*, kPuzzleCommandCount> m_actions{};
};

} // namespace velmar::app
