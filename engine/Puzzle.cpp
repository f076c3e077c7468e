#include "Puzzle.h"

#include "AnimationSettings.h"
#include "Patterns.h"

#include "cube/SceneFacelets.h"
#include "cube/StartPosition.h"
#include "platform/scene/AnimationDriver.h"

#include <QMetaObject>

#include <algorithm>
#include <random>

namespace velmar::engine {
namespace {

const char* playbackWords(TurnSource source)
{
    switch (source) {
    case TurnSource::Pattern:
        return "a pattern";
    case TurnSource::Scramble:
        return "a scramble";
    case TurnSource::Solution:
        return "a solution";
    default:
        return "an algorithm";
    }
}

GroupRef newGroup(TurnSource source, QString name = {})
{
    return std::make_shared<const TurnGroup>(TurnGroup{source, std::move(name)});
}

} // namespace

Puzzle::Puzzle(platform::Scene& scene, cube::TCubeScene& cube)
    : scrambleSeed([] { return std::uint64_t(std::random_device()()) << 32 | std::random_device()(); }),
      m_cube(cube),
      m_turns(scene, cube),
      m_watch(cube)
{
    connect(&m_solver, &SolveRunner::found, this, [this](const QByteArray& letters) {
        // A playback started meanwhile is changing the cube the letters were found for.
        if (m_closed || m_playback)
            return;
        emit solutionFound(letters);
        if (!letters.isEmpty())
            requestPlayback({newGroup(TurnSource::Solution), letters, false, m_searchedCube});
    });
    connect(&m_solver, &SolveRunner::failed, this, [this](const QString& message) {
        if (!m_closed)
            emit refused(QStringLiteral("Cannot solve: %1").arg(message));
    });
}

Puzzle::~Puzzle()
{
    m_closed = true;
}

void Puzzle::turn(char letter)
{
    if (const std::optional<Move> move = moveOfLetter(letter))
        ask({Request::Kind::Turn, *move});
}

void Puzzle::undo()
{
    if (!refuseDuringPlayback())
        ask({Request::Kind::Undo, {}});
}

void Puzzle::redo()
{
    if (!refuseDuringPlayback())
        ask({Request::Kind::Redo, {}});
}

void Puzzle::ask(const Request& request)
{
    if (m_closed || m_playback)
        return;
    if (m_working) {
        if (m_pending.size() < kMaxPending)
            m_pending.push_back(request);
        return;
    }
    m_working = true;
    publish();
    resolve(request);
    while (!m_pending.empty() && !m_closed) {
        const Request next = m_pending.front();
        m_pending.pop_front();
        resolve(next);
    }
    m_working = false;
    publish();
    startWaitingWork();
}

void Puzzle::resolve(const Request& request)
{
    switch (request.kind) {
    case Request::Kind::Turn:
        play(request.move, TurnSource::Hand, handGroup());
        break;
    case Request::Kind::Undo:
        stepThroughHistory(m_history.takeBack(), true);
        break;
    case Request::Kind::Redo:
        stepThroughHistory(m_history.playAgain(), false);
        break;
    }
}

void Puzzle::stepThroughHistory(const std::optional<TurnHistory::Step>& step, bool back)
{
    if (!step)
        return;
    emit historyChanged();
    if (const Move* move = step->move()) {
        play(back ? move->inverse() : *move, back ? TurnSource::Undo : TurnSource::Redo, step->group);
        return;
    }
    const auto& jump = *std::get<std::shared_ptr<const TurnHistory::Jump>>(step->what);
    jumpTo(back ? jump.before : jump.after, back ? TurnSource::Undo : TurnSource::Redo);
}

void Puzzle::play(const Move& move, TurnSource source, const GroupRef& group)
{
    const bool whole = m_turns.Rotate(move);
    // An undo or a redo moved its step between the history's lists when it was resolved.
    if (source != TurnSource::Undo && source != TurnSource::Redo) {
        m_history.record(move, group);
        emit historyChanged();
    }
    emit movePlayed(move, source);
    // The driver's clock, so that tests on their own clock read their own time.
    if (const auto solve = m_watch.landed(source, platform::AnimationDriver::shared().now()))
        emit solved(solve->turns, solve->seconds);
    if (!whole)
        close();
}

void Puzzle::jumpTo(const cube::CubeSnapshot& snapshot, TurnSource source)
{
    cube::restoreSnapshot(m_cube, snapshot);
    m_watch.disarm();
    emit cubeJumped(source);
}

void Puzzle::jumpToStart(const GroupRef& group)
{
    const cube::CubeSnapshot before = cube::takeSnapshot(m_cube);
    cube::SortVelmar(m_cube);
    m_history.recordJump(before, cube::takeSnapshot(m_cube), group);
    m_watch.disarm();
    emit historyChanged();
    emit cubeJumped(group->source);
}

GroupRef Puzzle::handGroup()
{
    // The user's turns since the last step of anything else are one group.
    const auto& done = m_history.done();
    if (!m_handGroup || done.empty() || done.back().group != m_handGroup)
        m_handGroup = newGroup(TurnSource::Hand);
    return m_handGroup;
}

bool Puzzle::resetToStart()
{
    if (m_closed || isBusy())
        return false;
    jumpToStart(newGroup(TurnSource::Hand));
    return true;
}

void Puzzle::setTurnSeconds(float seconds)
{
    m_turnSeconds = seconds;
    if (!(m_playback && m_playback->source == TurnSource::Scramble))
        setTurnDuration(m_cube, seconds);
}

void Puzzle::close()
{
    m_closed = true;
    m_pending.clear();
    m_waiting.reset();
    m_searchWanted = false;
}

bool Puzzle::refuseDuringPlayback()
{
    if (!m_playback || m_closed)
        return false;
    emit refused(QStringLiteral("Not now: %1 is playing").arg(QLatin1String(playbackWords(m_playback->source))));
    return true;
}

void Puzzle::scramble()
{
    if (m_closed || refuseDuringPlayback())
        return;
    requestPlayback({newGroup(TurnSource::Scramble),
                     QByteArray::fromStdString(solver::randomStateScramble(scrambleSeed())),
                     false,
                     {}});
}

void Puzzle::playPattern(int index)
{
    if (index < 0 || index >= kPatternCount)
        return;
    requestPlayback({newGroup(TurnSource::Pattern, QString::fromUtf8(FUN_LABELS[std::size_t(index)])),
                     QByteArray(FUN_VALUES[std::size_t(index)]),
                     true,
                     {}});
}

bool Puzzle::playAlgorithm(const QByteArray& letters)
{
    return requestPlayback({newGroup(TurnSource::Algorithm), letters, false, {}});
}

bool Puzzle::requestPlayback(Playback playback)
{
    if (m_closed || refuseDuringPlayback())
        return false;
    m_waiting = std::move(playback);
    postPlaybackStart();
    return true;
}

void Puzzle::postPlaybackStart()
{
    if (m_startPosted)
        return;
    m_startPosted = true;
    // Queued on this object: a start still queued when the puzzle goes is dropped with it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_startPosted = false;
            if (m_closed || m_working || m_playback || !m_waiting)
                return;
            Playback playback = std::move(*m_waiting);
            m_waiting.reset();
            runPlayback(std::move(playback));
            startWaitingWork();
        },
        Qt::QueuedConnection);
}

void Puzzle::startWaitingWork()
{
    if (m_closed || m_working || m_playback)
        return;
    if (m_searchWanted) {
        m_searchWanted = false;
        startSearch();
    }
    if (m_waiting)
        postPlaybackStart();
}

void Puzzle::runPlayback(Playback playback)
{
    if (playback.forCube && cube::takeSnapshot(m_cube) != *playback.forCube)
        return;
    const TurnSource source = playback.group->source;
    m_playback = playback.group;
    if (playback.resetFirst)
        jumpToStart(playback.group);
    if (source == TurnSource::Scramble)
        setTurnDuration(m_cube, kFastestTurnSeconds);
    if (source == TurnSource::Scramble || source == TurnSource::Solution)
        m_watch.disarm();
    const int count = int(playback.letters.size());
    setProgress(1, count);
    publish();
    for (char letter : playback.letters) {
        if (m_closed)
            break;
        if (const std::optional<Move> move = moveOfLetter(letter))
            play(*move, source, playback.group);
        // Characters that are no move still count, as they do in a pattern's length.
        setProgress(std::min(m_progressValue + 1, count), count);
    }
    if (source == TurnSource::Scramble) {
        setTurnDuration(m_cube, m_turnSeconds);
        if (!m_closed)
            m_watch.arm();
    }
    m_playback.reset();
    setProgress(0, 0);
    publish();
}

void Puzzle::setProgress(int value, int maximum)
{
    if (value == m_progressValue && maximum == m_progressMaximum)
        return;
    m_progressValue = value;
    m_progressMaximum = maximum;
    emit progressChanged(value, maximum);
}

void Puzzle::solve()
{
    if (m_closed || refuseDuringPlayback() || isSearching())
        return;
    // The position is read at rest, never under a turning layer.
    if (m_working) {
        m_searchWanted = true;
        return;
    }
    startSearch();
}

void Puzzle::startSearch()
{
    if (cube::isSolved(m_cube))
        return;
    m_searchedCube = cube::takeSnapshot(m_cube);
    m_solver.start(cube::readFacelets(m_cube));
}

std::optional<double> Puzzle::solveClock() const
{
    return m_watch.clockSeconds(platform::AnimationDriver::shared().now());
}

bool Puzzle::canUndo() const
{
    // During a turn the turn itself will be there to take back.
    return !m_closed && !m_playback && (m_history.canUndo() || m_working);
}

bool Puzzle::canRedo() const
{
    return !m_closed && !m_playback && m_history.canRedo();
}

bool Puzzle::canScramble() const
{
    return !m_closed && !m_playback;
}

bool Puzzle::canSolve() const
{
    // A cube read under a turning layer would be wrong, so only a cube at rest can be found solved.
    return !m_closed && !m_playback && !isSearching() && (m_working || !cube::isSolved(m_cube));
}

void Puzzle::publish()
{
    const bool busy = isBusy();
    if (busy != m_publishedBusy) {
        m_publishedBusy = busy;
        emit busyChanged(busy);
    }
}

} // namespace velmar::engine
