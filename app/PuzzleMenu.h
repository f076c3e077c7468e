// The puzzle's commands beyond turning a face: undo, redo, scramble, solve and the help window, each
// with its Ctrl (or function-key) shortcuts, and the context menu on the 3D view that lists them.
//
// The shortcuts work anywhere in the window whatever has the focus; each command decides itself what
// it does inside a turn or a pattern. The menu opens at a right click on the view that did not move,
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

enum class PuzzleCommand { Undo, Redo, Scramble, Solve, Help };
inline constexpr int kPuzzleCommandCount = 5;

struct PuzzleCommandDecl {
    PuzzleCommand command;
    const char* objectName;
    const char* text;
    const char* keys; // in portable text, alternatives separated by "; "
};

// In menu order.
const std::array<PuzzleCommandDecl, kPuzzleCommandCount>& puzzleCommands();
// The keys that open the menu from the keyboard.
inline constexpr const char* kMenuKeys = "Menu; Shift+F10";

// What the commands need of the window.
class PuzzleHandlers {
public:
    virtual ~PuzzleHandlers() = default;
    virtual void runCommand(PuzzleCommand command) = 0;
    virtual bool canRun(PuzzleCommand command) const = 0;
};

class PuzzleMenu : public QObject {
    Q_OBJECT
public:
    // `view` names the widget the keyboard opens the menu over.
    PuzzleMenu(QWidget& window, PuzzleHandlers& handlers, std::function<QWidget*()> view);

    // At a global position; the entries' enabled states are read now.
    void popup(QPoint global);
    // From the keyboard: at the centre of `over`.
    void popupOver(QWidget& over);

    QMenu& menu() const { return *m_menu; }
    QAction& action(PuzzleCommand command) const { return *m_actions[std::size_t(command)]; }

private:
    PuzzleHandlers& m_handlers;
    std::function<QWidget*()> m_view;
    QMenu* m_menu;
    std::array<QAction*, kPuzzleCommandCount> m_actions{};
};

// Opens the menu on a right press and release over `view` with no move between beyond a few pixels;
// it never takes the events, so the view still sees them (a right press still stores the background
// reference point).
class RightClickWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlop = 3; // pixels, as the background drag's threshold

    RightClickWatcher(QObject& view, std::function<void(QPoint global)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QPoint)> m_open;
    QPointF m_pressedAt;
    bool m_armed = false;
};

} // namespace velmar::app
