#include "PuzzleMenu.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace velmar::app {

const std::array<PuzzleCommandDecl, kPuzzleCommandCount>& puzzleCommands()
{
    using C = PuzzleCommand;
    // Ctrl, so that typed characters stay move letters; N as in a new deal of a card game.
    static const std::array<PuzzleCommandDecl, kPuzzleCommandCount> table = {{
        {C::Undo, "ActUndo", "Undo", "Ctrl+Z"},
        {C::Redo, "ActRedo", "Redo", "Ctrl+Shift+Z; Ctrl+Y"},
        {C::Scramble, "ActScramble", "Scramble", "Ctrl+N"},
        {C::Solve, "ActSolve", "Solve", "Ctrl+L"},
        {C::Moves, "ActMoves", "Moves...", "Ctrl+M"},
        {C::StickerLetters, "ActStickerLetters", "Letters on the stickers", "Ctrl+T", true},
        {C::CubeInWords, "ActCubeInWords", "The cube in words", "Ctrl+D"},
        {C::Help, "ActHelp", "Help...", "F1"},
    }};
    return table;
}

PuzzleMenu::PuzzleMenu(QWidget& window, Run run, CanRun canRun, std::function<QWidget*()> view)
    : m_run(std::move(run)), m_canRun(std::move(canRun)), m_view(std::move(view)), m_menu(new QMenu(&window))
{
    m_menu->setObjectName(QStringLiteral("PuzzleMenu"));
    m_menu->setAccessibleName(QStringLiteral("Puzzle"));
    for (const PuzzleCommandDecl& decl : puzzleCommands()) {
        const PuzzleCommand command = decl.command;
        const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromLatin1(decl.keys));
        QAction* action = m_menu->addAction(QString::fromLatin1(decl.text));
        action->setObjectName(QString::fromLatin1(decl.objectName));
        action->setCheckable(decl.checkable);
        // Shown beside the entry; inside the open menu they act on it, outside the window's own do.
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, command] { m_run(command); });
        m_actions[std::size_t(command)] = action;
        for (const QKeySequence& key : keys)
            connect(new QShortcut(key, &window), &QShortcut::activated, this, [this, command] { m_run(command); });
    }
    for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(kMenuKeys)))
        connect(new QShortcut(key, &window), &QShortcut::activated, this, [this, &window] {
            QWidget* view = m_view();
            popupOver(view ? *view : window);
        });
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        for (const PuzzleCommandDecl& decl : puzzleCommands())
            action(decl.command).setEnabled(m_canRun(decl.command));
    });
}

void PuzzleMenu::popup(QPoint global)
{
    m_menu->popup(global);
}

void PuzzleMenu::popupOver(QWidget& over)
{
    popup(over.mapToGlobal(over.rect().center()));
}

} // namespace velmar::app
