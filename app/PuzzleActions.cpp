#include "PuzzleActions.h"

#include "HelpWindow.h"

#include "cube/solver/Solver.h"
#include "panel/AnimationSettings.h"

#include <random>

namespace velmar::app {

TPuzzleActions::TPuzzleActions(QWidget& window, PuzzleHost& host, cube::TCubeScene& cube, engine::TFaceTurns& turns,
                               engine::TPatternPlayer& patterns, const QColor& viewColour)
    : scrambleSeed([] { return std::uint64_t(std::random_device()()) << 32 | std::random_device()(); }),
      History(turns, cube),
      Solved(turns, cube),
      Solver(turns, cube),
      Menu(window, *this, [&host] { return host.viewWidget(); }),
      Callout(window, viewColour),
      m_window(window),
      m_host(host),
      m_cube(cube),
      m_turns(turns),
      m_patterns(patterns)
{
    connect(&Solved, &engine::SolvedWatch::solved, this,
            [this](int count, double seconds) { say(engine::solvedText(count, seconds)); });
    connect(&History, &engine::TurnHistory::jumped, &Solved, &engine::SolvedWatch::disarm);
    connect(&Solver, &engine::SolveRunner::found, this, &TPuzzleActions::playSolution);
    connect(&Solver, &engine::SolveRunner::failed, this,
            [this](const QString& message) { say(QStringLiteral("Cannot solve: %1").arg(message)); });
}

void TPuzzleActions::watchView(QObject& view)
{
    new RightClickWatcher(view, [this](QPoint global) { Menu.popup(global); });
}

void TPuzzleActions::cubeReset(const cube::CubeSnapshot& before)
{
    History.recordJump(before, cube::takeSnapshot(m_cube));
    Solved.disarm();
}

bool TPuzzleActions::canRun(PuzzleCommand command) const
{
    const bool free = !m_host.playbackRunning() && !m_patterns.isPlaying() && !m_turns.isAbandoned();
    switch (command) {
    case PuzzleCommand::Undo:
        return free && (History.canUndo() || m_turns.isTurning());
    case PuzzleCommand::Redo:
        return free && History.canRedo();
    case PuzzleCommand::Scramble:
        return free;
    // A cube read under a turning layer would be wrong, so only a cube at rest can be found solved.
    case PuzzleCommand::Solve:
        return free && !Solver.isBusy() && (m_turns.isTurning() || !cube::isSolved(m_cube));
    case PuzzleCommand::Help:
        return true;
    }
    return false;
}

void TPuzzleActions::runCommand(PuzzleCommand command)
{
    if (command != PuzzleCommand::Help && (m_host.playbackRunning() || m_patterns.isPlaying()))
        return;
    switch (command) {
    case PuzzleCommand::Undo:
        History.undo();
        break;
    case PuzzleCommand::Redo:
        History.redo();
        break;
    case PuzzleCommand::Scramble:
        scramble();
        break;
    case PuzzleCommand::Solve:
        Solver.request();
        break;
    case PuzzleCommand::Help:
        showHelp();
        break;
    }
}

void TPuzzleActions::scramble()
{
    m_host.clearPatternSelection();
    engine::Playback playback;
    playback.letters = QByteArray::fromStdString(solver::randomStateScramble(scrambleSeed()));
    playback.before = [this] {
        Solved.disarm();
        panel::setTurnDuration(m_cube, kFastestTurnSeconds);
    };
    playback.after = [this] {
        panel::setTurnDuration(m_cube, m_host.turnSecondsSetting());
        if (!m_turns.isAbandoned())
            Solved.arm();
    };
    m_patterns.request(std::move(playback));
}

void TPuzzleActions::playSolution(const QByteArray& letters, const cube::CubeSnapshot& readFrom)
{
    if (letters.isEmpty())
        return;
    engine::Playback playback;
    playback.letters = letters;
    playback.stillWanted = [this, readFrom] { return cube::takeSnapshot(m_cube) == readFrom; };
    playback.before = [this] { Solved.disarm(); };
    m_patterns.request(std::move(playback));
}

void TPuzzleActions::say(const QString& text)
{
    if (QWidget* view = m_host.viewWidget())
        Callout.show(text, *view);
}

void TPuzzleActions::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(&m_window);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

} // namespace velmar::app
