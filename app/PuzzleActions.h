// The puzzle's own commands behind the context menu and the shortcuts: the history with undo and redo,
// the scramble, the solved-cube callout and the solver, and what each does inside a turn or a pattern.
//
// - Undo and redo: queued behind a running turn like typed letters; dropped while a pattern, a scramble
//   or a solution plays, and once the window closes (see TurnHistory).
// - Scramble: letters reaching a random position, played like a pattern (under the progress bar, the
//   panel disabled) at the fastest turn speed, then the speed setting is back. It starts once no turn
//   runs; while a playback runs it is dropped. It does not reset the cube first: from any position the
//   letters lead to a position as random.
// - Solve: the position is read when its turn in the turn queue comes, searched off the user-interface
//   thread, and the solution played like a pattern at the current speed, unless the cube changed in the
//   meantime (then nothing plays) or the window closed. Dropped while a playback or another search runs.
// - Help: shows the help window, at any time.
#pragma once

#include "HelpWindow.h"
#include "PuzzleMenu.h"
#include "ViewCallout.h"

#include "engine/History.h"
#include "engine/Patterns.h"
#include "engine/SolveRunner.h"
#include "engine/SolvedWatch.h"

#include <QPointer>

#include <cstdint>
#include <functional>

namespace velmar::app {

// What the commands need of the window.
class PuzzleHost {
public:
    virtual ~PuzzleHost() = default;
    virtual bool playbackRunning() const = 0; // MvtAuto
    virtual float turnSecondsSetting() const = 0;
    virtual QWidget* viewWidget() const = 0;
    virtual void clearPatternSelection() = 0;
};

class TPuzzleActions : public QObject, public PuzzleHandlers {
    Q_OBJECT
public:
    static constexpr float kFastestTurnSeconds = 0.1f;

    TPuzzleActions(QWidget& window, PuzzleHost& host, cube::TCubeScene& cube, engine::TFaceTurns& turns,
                   engine::TPatternPlayer& patterns, const QColor& viewColour);

    // The right click on the view opens the menu.
    void watchView(QObject& view);
    // The window reset the cube at once (the start position, a pattern); `before` is what it held.
    void cubeReset(const cube::CubeSnapshot& before);

    void runCommand(PuzzleCommand command) override;
    bool canRun(PuzzleCommand command) const override;

    // Where a scramble's randomness comes from; tests set a fixed seed.
    std::function<std::uint64_t()> scrambleSeed;

    engine::TurnHistory History;
    engine::SolvedWatch Solved;
    engine::SolveRunner Solver;
    PuzzleMenu Menu;
    ViewCallout Callout;
    HelpWindow* helpWindow() const { return m_help; }

private:
    void scramble();
    void playSolution(const QByteArray& letters, const cube::CubeSnapshot& readFrom);
    void say(const QString& text);
    void showHelp();

    QWidget& m_window;
    PuzzleHost& m_host;
    cube::TCubeScene& m_cube;
    engine::TFaceTurns& m_turns;
    engine::TPatternPlayer& m_patterns;
    QPointer<HelpWindow> m_help;
};

} // namespace velmar::app
