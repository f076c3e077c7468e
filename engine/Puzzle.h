// What the cube is doing, and the one place that decides what may start: idle, turning (with the turns
// asked for meanwhile, queued), playing back (a pattern, a scramble, a solution or an algorithm, under
// the progress bar) or searching a solution. It owns the turn engine, the history, the solved watch and
// the solver's thread, and publishes what the window shows: busy, the progress, each move played with
// where it came from, a solve, a refusal. The window binds those to widgets and forwards what the user
// asks; nothing here asks the window anything.
//
// Every turn pumps the event loop, so any request may arrive inside a turn or a playback:
// - a hand turn, an undo or a redo asked during a turn is queued behind it (at most kMaxPending) and
//   resolved when its turn comes; during a playback it is dropped: the playback's letters are the only
//   moves;
// - a playback or a search waits until no turn runs or is queued; a playback starts from the event loop,
//   never inside the caller (a list's own signal), and a newer one replaces one that has not started;
//   during a playback, commands are refused with a message;
// - a reset to the start position is refused while anything turns.
// Once closed (the window closing) nothing more starts and queued requests are dropped.
#pragma once

#include "FaceTurns.h"
#include "History.h"
#include "SolveRunner.h"
#include "SolvedWatch.h"

#include <QByteArray>
#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

namespace velmar::engine {

class Puzzle : public QObject {
    Q_OBJECT
public:
    // Bounds how long a held-down key can keep the cube turning.
    static constexpr std::size_t kMaxPending = 64;
    // A scramble's turns, whatever the speed setting.
    static constexpr float kFastestTurnSeconds = 0.1f;

    Puzzle(platform::Scene& scene, cube::TCubeScene& cube);
    ~Puzzle() override;

    // What the user asks.
    void turn(char letter); // any other character does nothing
    void undo();
    void redo();
    void scramble();
    void solve();
    void playPattern(int index);
    // Plays move letters as a playback of their own (a typed or pasted algorithm); false when refused.
    bool playAlgorithm(const QByteArray& letters);
    // Puts the cube back to solved at once (a step the history can take back); false when refused.
    bool resetToStart();
    // The speed setting; a scramble plays at its own and gives this back after.
    void setTurnSeconds(float seconds);
    // The window is closing.
    void close();

    // The panel's controls must not act: a turn runs or is queued, or a playback runs.
    bool isBusy() const { return m_working || m_playback; }
    // A turn runs, or turns asked by hand are being played (a playback's turns count too).
    bool isTurning() const { return m_working || m_turns.isTurning(); }
    // The design's MvtAuto.
    bool isPlayingBack() const { return bool(m_playback); }
    bool isSearching() const { return m_searchWanted || m_solver.isSearching(); }
    bool isClosed() const { return m_closed; }
    std::size_t pendingCount() const { return m_pending.size(); }
    // A playback asked for that has not started yet.
    bool hasWaitingPlayback() const { return m_waiting.has_value(); }
    // The running playback's group, or none.
    const GroupRef& playback() const { return m_playback; }
    int progressValue() const { return m_progressValue; }
    int progressMaximum() const { return m_progressMaximum; }

    // Whether each command would do something now (the menu's enabled entries).
    bool canUndo() const;
    bool canRedo() const;
    bool canScramble() const;
    bool canSolve() const;

    const TurnHistory& history() const { return m_history; }
    // The solve's clock, read now (see SolvedWatch).
    std::optional<double> solveClock() const;
    bool isSolveClockRunning() const { return m_watch.isClockRunning(); }

    // Where a scramble's randomness comes from; tests set a fixed seed.
    std::function<std::uint64_t()> scrambleSeed;

signals:
    void busyChanged(bool busy);
    // From (1, letters) at a playback's start to (0, 0) after it.
    void progressChanged(int value, int maximum);
    // Each turn as it lands.
    void movePlayed(const velmar::engine::Move& move, velmar::engine::TurnSource source);
    // A step recorded, taken back or played again.
    void historyChanged();
    // The whole cube was put into another state at once: back to solved (a reset, a pattern's start), or
    // by an undo or a redo of such a step.
    void cubeJumped(velmar::engine::TurnSource source);
    // The user's own turns solved a scrambled cube.
    void solved(int turns, double seconds);
    // A search's answer, before it plays.
    void solutionFound(const QByteArray& letters);
    // Something asked for could not be done, and why.
    void refused(const QString& message);

private:
    struct Request {
        enum class Kind : std::uint8_t { Turn, Undo, Redo } kind;
        Move move;
    };
    struct Playback {
        GroupRef group;
        QByteArray letters;
        bool resetFirst = false;
        // A solution plays only on the cube it was found for.
        std::optional<cube::CubeSnapshot> forCube;
    };

    void ask(const Request& request);
    void resolve(const Request& request);
    void stepThroughHistory(const std::optional<TurnHistory::Step>& step, bool back);
    void play(const Move& move, TurnSource source, const GroupRef& group);
    void jumpTo(const cube::CubeSnapshot& snapshot, TurnSource source);
    void jumpToStart(const GroupRef& group);
    GroupRef handGroup();

    bool requestPlayback(Playback playback);
    bool refuseDuringPlayback();
    void startWaitingWork();
    void postPlaybackStart();
    void runPlayback(Playback playback);
    void setProgress(int value, int maximum);
    void startSearch();
    // Sends busyChanged when busy is no longer what was last sent.
    void publish();

    cube::TCubeScene& m_cube;
    TFaceTurns m_turns;
    TurnHistory m_history;
    SolvedWatch m_watch;
    SolveRunner m_solver;

    bool m_working = false; // the turn queue is being played
    std::deque<Request> m_pending;
    GroupRef m_playback;
    std::optional<Playback> m_waiting;
    bool m_startPosted = false;
    bool m_searchWanted = false;
    cube::CubeSnapshot m_searchedCube;
    GroupRef m_handGroup;
    int m_progressValue = 0;
    int m_progressMaximum = 0;
    float m_turnSeconds = 1.0f;
    bool m_closed = false;

    bool m_publishedBusy = false;
};

} // namespace velmar::engine
