// The soak's driver. `velmar_soak --actions N --closes M [--seed S]` runs N random actions on the real
// window, a fresh window every 500, and M closes at random moments, each in a fresh process; it prints
// the pace and what was covered, and for a failure the seed and the shortest action list that still
// fails. `--close SEED` is one such process; `--replay "Act a b c; ..."` replays a list. To find what
// makes memory grow: `--report-every N` reads it every N actions, `--per-window N` makes a fresh window
// every N actions (0: windows with no actions), `--only Act` plays only that act.
#include "Soak.h"

#include "app/Allocator.h"
#include "platform/controls/ChoiceList.h"
#include "platform/gl/SurfaceFormat.h"
#include "platform/gl/Viewport3D.h"

#include "support/KeepGlDriver.h"
#include "support/ManualClock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <mutex>
#include <string>
#include <thread>

#include <malloc.h>
#ifdef __SANITIZE_ADDRESS__
// The sanitizer's own count of live heap bytes (its allocator replaces malloc's).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
extern "C" void __sanitizer_purge_allocator();
#endif

using namespace velmar;

namespace {

constexpr long kActionsPerWindow = 500;
// Memory is first read once this many actions have run: by then every kind of action, window and
// dialog has been made at least once, and the allocators hold what they keep for reuse.
constexpr long kWarmUpActions = 5000;
constexpr long kMemoryReportActions = 5000;
constexpr int kWedgedSeconds = 120;

// What the watchdog prints if the program wedges: a wedge never returns to be shrunk. `progress`
// counts actions and closes alike, so the closes, which run no actions here, do not look wedged.
// A window's actions are drawn from its seed, so they are not kept (a long window would keep growing):
// `begun` says how many of them have started.
struct Trace {
    std::mutex lock;
    unsigned seed = 0;
    int only = -1;
    long begun = 0;
    long closeSeed = -1; // the close running, if any
    std::atomic<long> progress{0};
};
Trace g_trace;

// A window's next action: random, or with `only` >= 0 of that act alone.
soak::Action drawAction(std::mt19937& random, int only)
{
    soak::Action action = soak::randomAction(random);
    if (only >= 0)
        action.act = soak::Act(only);
    return action;
}

// The first `count` actions of the window with this seed, as soakOneWindow draws them.
std::vector<soak::Action> actionsOf(unsigned seed, long count, int only)
{
    std::mt19937 random(seed);
    std::vector<soak::Action> actions;
    for (long i = 0; i < count; ++i)
        actions.push_back(drawAction(random, only));
    return actions;
}

// Ends the process, with the seed and the actions so far, when no action has completed for a while.
void watchForWedges()
{
    std::thread([] {
        long seen = -1;
        int still = 0;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const long now = g_trace.progress.load();
            still = now == seen ? still + 1 : 0;
            seen = now;
            if (still < kWedgedSeconds)
                continue;
            const std::lock_guard<std::mutex> hold(g_trace.lock);
            if (g_trace.closeSeed >= 0)
                std::printf("soak: WEDGED in the close with seed %ld: it has not ended for %d s\n", g_trace.closeSeed,
                            kWedgedSeconds);
            else
                std::printf("soak: WEDGED with seed %u: no action completed for %d s; actions so far: %s\n",
                            g_trace.seed, kWedgedSeconds,
                            soak::toString(actionsOf(g_trace.seed, g_trace.begun, g_trace.only)).c_str());
            std::fflush(stdout);
            std::_Exit(2);
        }
    }).detach();
}

// Resident memory as /proc/self/status gives it, in MiB: in all, and split by kind.
struct Resident {
    double total = 0, anonymous = 0, files = 0, shared = 0;
};

// Resident memory and the bytes the program holds on its heap, in MiB, read after Qt's pixmap cache
// is emptied (the styles' pictures, up to its 10 MiB limit, filled anew at every size the panel is
// drawn at: bounded, not grown). Emptying it keeps the name of every picture ever cached (Qt 6.4), and
// the names hold each widget's palette, new with every window: about 40 KiB a window of 500 actions,
// and the heap pages they are left on, which a single window never repeats. `resident` is as read;
// `kept` is read again once the allocator has handed back what it only keeps for reuse: glibc's free
// pages, or under AddressSanitizer its quarantine of freed blocks (up to 256 MiB) and free pages.
// `kept` is then split into anonymous pages, pages of mapped files and shared memory, to tell the
// program's data from code it has touched.
struct Memory {
    double resident = 0;
    Resident kept;
    double heap = 0;
};

Resident residentNow()
{
    Resident r;
    const std::pair<const char*, double*> fields[] = {
        {"VmRSS:", &r.total}, {"RssAnon:", &r.anonymous}, {"RssFile:", &r.files}, {"RssShmem:", &r.shared}};
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        for (const auto& [field, value] : fields)
            if (line.rfind(field, 0) == 0)
                *value = std::atof(line.c_str() + std::strlen(field)) / 1024.0;
    return r;
}

Memory memoryNow()
{
    QPixmapCache::clear();
    Memory m;
    m.resident = residentNow().total;
#ifdef __SANITIZE_ADDRESS__
    // Between windows, so no block freed by a window still alive leaves the quarantine early.
    __sanitizer_purge_allocator();
    m.heap = double(__sanitizer_get_current_allocated_bytes()) / (1024.0 * 1024.0);
#else
    malloc_trim(0);
    const struct mallinfo2 heap = mallinfo2();
    m.heap = double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0); // blocks in the heap and mapped apart
#endif
    m.kept = residentNow();
    return m;
}

// The figure growth is judged by: on the plain build resident memory without the allocator's free pages
// (resident memory as read swings with the free pages glibc keeps for reuse); under AddressSanitizer
// the heap in use.
double countedFigure(const Memory& m)
{
#ifdef __SANITIZE_ADDRESS__
    return m.heap;
#else
    return m.kept.total;
#endif
}

// Growth from the warm-up to the end, by the figure that counts (under AddressSanitizer its own
// quarantine, allocator and stack records make resident memory grow with the run whatever the program
// holds).
void printGrowth(const Memory& warm, const Memory& end, long done)
{
#ifdef __SANITIZE_ADDRESS__
    std::printf("soak: memory from the warm-up (%ld actions) to the end (%ld actions): heap in use %.1f -> %.1f MiB, "
                "%+.1f MiB (the figure that counts here); resident memory, which AddressSanitizer's own records "
                "swell, %.1f -> %.1f MiB as read, %.1f -> %.1f MiB without its quarantine (the plain build's soak, "
                "make soak-memory, measures resident memory)\n",
                kWarmUpActions, done, warm.heap, end.heap, end.heap - warm.heap, warm.resident, end.resident,
                warm.kept.total, end.kept.total);
#else
    std::printf("soak: memory from the warm-up (%ld actions) to the end (%ld actions): resident %.1f -> %.1f MiB; "
                "without the allocator's free pages %.1f -> %.1f MiB, %+.1f MiB (the figure that counts); heap in use "
                "%.1f -> %.1f MiB\n",
                kWarmUpActions, done, warm.resident, end.resident, warm.kept.total, end.kept.total,
                end.kept.total - warm.kept.total, warm.heap, end.heap);
#endif
}

struct Options {
    long actions = 0;
    long closes = 0;
    unsigned seed = 1;
    long closeSeed = -1;
    std::string replay;
    long reportEvery = kMemoryReportActions;
    long perWindow = kActionsPerWindow;
    int only = -1; // an act, or any
};

Options parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--actions")
            o.actions = std::atol(argv[++i]);
        else if (flag == "--closes")
            o.closes = std::atol(argv[++i]);
        else if (flag == "--seed")
            o.seed = unsigned(std::atol(argv[++i]));
        else if (flag == "--close")
            o.closeSeed = std::atol(argv[++i]);
        else if (flag == "--replay")
            o.replay = argv[++i];
        else if (flag == "--report-every")
            o.reportEvery = std::max(1L, std::atol(argv[++i]));
        else if (flag == "--per-window")
            o.perWindow = std::max(0L, std::atol(argv[++i]));
        else if (flag == "--only")
            for (int act = 0, given = ++i; act < soak::kActCount; ++act)
                if (std::strcmp(argv[given], soak::toString(soak::Act(act))) == 0)
                    o.only = act;
    }
    return o;
}

// One window's worth of actions; on a failure, prints the seed and the shrunk list and returns false.
// `afterAction` runs after each action that passed.
bool soakOneWindow(unsigned seed, long count, int only, const std::function<void(TFormMain&, QSize)>& afterAction,
                   std::array<long, soak::kActCount>& covered, long& moves)
{
    std::mt19937 random(seed);
    TFormMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::printf("soak: the window never showed\n");
        return false;
    }
    const QSize firstSize = window.size();
    soak::Soak soak(window);
    {
        const std::lock_guard<std::mutex> hold(g_trace.lock);
        g_trace.seed = seed;
        g_trace.only = only;
        g_trace.begun = 0;
    }
    for (long i = 0; i < count; ++i) {
        const soak::Action action = drawAction(random, only);
        {
            const std::lock_guard<std::mutex> hold(g_trace.lock);
            g_trace.begun = i + 1;
        }
        soak.apply(action);
        ++g_trace.progress;
        const std::string problem = soak.settleAndCheck();
        if (!problem.empty()) {
            std::printf("soak: FAILED with seed %u after action %ld (%s): %s\n", seed, i,
                        soak::toString(action).c_str(), problem.c_str());
            std::fflush(stdout);
            const std::vector<soak::Action> shortest = soak::shrink(actionsOf(seed, i + 1, only));
            std::printf("soak: shortest failing list (%zu actions): %s\n", shortest.size(),
                        soak::toString(shortest).c_str());
            return false;
        }
        afterAction(window, firstSize);
    }
    for (int i = 0; i < soak::kActCount; ++i)
        covered[std::size_t(i)] += soak.covered()[std::size_t(i)];
    moves += soak.movesPlayed();
    return true;
}

// The child: random actions from the event loop, then a close at a random moment (between actions,
// inside a turn, or inside a pattern); the process must end with status 0.
int closeRun(long seed)
{
    std::mt19937 random{unsigned(seed)};
    TFormMain window;
    window.show();
    soak::Soak soak(window);
    const long before = 1 + long(random() % 12);
    const int how = int(random() % 3);
    long done = 0;
    auto closeNow = [&] {
        std::printf("closing %s\n", window.puzzle().isPlayingBack() ? "in a pattern"
                                    : window.puzzle().isTurning()   ? "in a turn"
                                                                    : "between actions");
        std::fflush(stdout);
        window.close();
    };
    std::function<void()> step = [&] {
        if (done == before) {
            if (how == 0) {
                closeNow();
                return;
            }
            // Close from inside the next turn's wait, or a few steps into a pattern. Counting on the turn
            // alone would not do: a 0.1 s turn ends within the step that would see it.
            auto during = std::make_shared<QMetaObject::Connection>();
            auto inKey = std::make_shared<bool>(false);
            auto patternSteps = std::make_shared<int>(0);
            const int stepsIntoPattern = 1 + int(random() % 8);
            *during = QObject::connect(&platform::AnimationDriver::shared(), &platform::AnimationDriver::stepped,
                                       &window, [&, during, inKey, patternSteps, stepsIntoPattern] {
                                           const bool now = how == 1 ? *inKey
                                                                     : window.puzzle().isPlayingBack() &&
                                                                           ++*patternSteps >= stepsIntoPattern;
                                           if (!now)
                                               return;
                                           QObject::disconnect(*during);
                                           closeNow();
                                       });
            if (how == 1) {
                // The key's turn waits inside keyClick; a key the window ignores starts no turn, and then
                // the close comes right after it.
                *inKey = true;
                QTest::keyClick(&window, 'R');
                *inKey = false;
                if (QObject::disconnect(*during))
                    closeNow();
            } else {
                // Every pattern has at least eight turns, each of at least one step.
                window.panel().cbFun->setItemIndex(int(random() % 12));
            }
            return;
        }
        soak.apply(soak::randomAction(random));
        ++done;
        QMetaObject::invokeMethod(&window, step, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(&window, step, Qt::QueuedConnection);
    const int result = QApplication::exec();
    testkit::keepGlDriverLoaded();
    return result;
}

// Each close in a fresh process; false when one did not end with status 0 within 5 s of the close.
// `where` counts the closes made between actions, inside a turn and inside a pattern.
bool closes(const char* self, long count, unsigned seed, std::array<long, 3>& where)
{
    for (long i = 0; i < count; ++i) {
        const long childSeed = long(seed) * 1000 + i;
        {
            const std::lock_guard<std::mutex> hold(g_trace.lock);
            g_trace.closeSeed = childSeed;
        }
        QProcess child;
        child.start(QString::fromLocal8Bit(self), {QStringLiteral("--close"), QString::number(childSeed)});
        if (!child.waitForStarted(10000)) {
            std::printf("soak: close %ld did not start\n", i);
            return false;
        }
        QElapsedTimer sinceClose;
        bool closing = false;
        while (child.state() != QProcess::NotRunning) {
            child.waitForReadyRead(100);
            const QByteArray said = child.readAllStandardOutput();
            if (!closing && said.contains("closing")) {
                closing = true;
                sinceClose.start();
                ++where[said.contains("in a pattern") ? 2 : said.contains("in a turn") ? 1 : 0];
            }
            if (closing && sinceClose.elapsed() > 5000)
                break;
        }
        const bool ended = child.state() == QProcess::NotRunning ||
                           child.waitForFinished(closing ? std::max<qint64>(0, 5000 - sinceClose.elapsed()) : 120000);
        if (!ended || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::printf("soak: close with seed %ld ended %s (status %d)\n%s\n", childSeed,
                        ended ? "badly" : "not within 5 s", child.exitCode(),
                        child.readAllStandardError().right(2000).constData());
            child.kill();
            return false;
        }
        ++g_trace.progress;
        if ((i + 1) % 50 == 0 || i + 1 == count) {
            std::printf("soak: %ld closes\n", i + 1);
            std::fflush(stdout);
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // The program's own allocator policy: memory is measured as a user's window holds it.
    app::settleAllocator();
    const Options options = parseOptions(argc, argv);
    platform::installDefaultSurfaceFormat();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // A quarter second per pass of the event loop: a turn takes two or three passes, every step of an
    // animation still goes through the program's own code.
    testkit::SteppingClockScope clock(0.25);
    if (options.closeSeed >= 0)
        return closeRun(options.closeSeed);
    if (!options.replay.empty()) {
        const soak::Outcome outcome = soak::replay(soak::parseList(options.replay));
        std::printf("%s\n", outcome.failedAt < 0 ? "replay: passes" : ("replay: fails: " + outcome.problem).c_str());
        return outcome.failedAt < 0 ? 0 : 1;
    }

    watchForWedges();
    QElapsedTimer timer;
    timer.start();
    std::array<long, soak::kActCount> covered{};
    long moves = 0;
    long done = 0;
    Memory warm, end;
    // A single reading swings by tens of MiB with the large blocks held at that moment (the view's
    // surfaces and Mesa's, of the size the last frames needed), which come back down; what the program
    // keeps shows in the lowest readings, compared between the first and the last quarter after the warm-up.
    const long quarter = (options.actions - kWarmUpActions) / 4;
    std::array<double, 2> lowest{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    const auto due = [&] { return done % options.reportEvery == 0 || done == options.actions; };
    auto report = [&] {
        if (!due())
            return;
        end = memoryNow();
        if (done == kWarmUpActions)
            warm = end;
        if (done >= kWarmUpActions && done <= kWarmUpActions + quarter)
            lowest[0] = std::min(lowest[0], countedFigure(end));
        if (done >= options.actions - quarter)
            lowest[1] = std::min(lowest[1], countedFigure(end));
        std::printf("soak: %ld actions, %.0f actions/s, resident %.1f MiB, %.1f MiB without the allocator's spare "
                    "memory (anonymous %.1f, files %.1f, shared %.1f), heap in use %.3f MiB\n",
                    done, done / (timer.elapsed() / 1000.0), end.resident, end.kept.total, end.kept.anonymous,
                    end.kept.files, end.kept.shared, end.heap);
        std::fflush(stdout);
    };
    // Read within a window only when asked to: the default reads come between windows.
    const bool within = options.reportEvery < options.perWindow;
    const auto afterAction = [&](TFormMain& window, QSize firstSize) {
        ++done;
        if (!within || !due())
            return;
        // The view's surfaces and the window's image take memory by its size, which the actions change:
        // a reading within a window is taken at the window's first size, once the view has drawn there.
        if (window.size() != firstSize) {
            const platform::Viewport3D* view = window.glViewport();
            const int frames = view ? view->frameCount() : 0;
            window.resize(firstSize);
            testkit::pumpUntil([&] { return !view || view->frameCount() > frames; });
        }
        report();
    };
    for (unsigned window = 0; done < options.actions; ++window) {
        const long count = std::min(options.perWindow, options.actions - done);
        if (!soakOneWindow(options.seed * 7919u + window, count, options.only, afterAction, covered, moves))
            return 1;
        // With no actions per window, each window made and closed counts as one.
        if (count == 0)
            ++done;
        if (!within || count == 0)
            report();
    }
    const double actionSeconds = timer.elapsed() / 1000.0;
    std::array<long, 3> closedWhere{};
    if (!closes(argv[0], options.closes, options.seed, closedWhere))
        return 1;
    std::printf("soak: %ld actions in %.1f s (%.0f actions/s), %ld turns played, %ld closes in %.1f s, all clean\n",
                done, actionSeconds, actionSeconds > 0 ? done / actionSeconds : 0.0, moves, options.closes,
                timer.elapsed() / 1000.0 - actionSeconds);
    std::printf("soak: closed %ld times between actions, %ld inside a turn, %ld inside a pattern\n", closedWhere[0],
                closedWhere[1], closedWhere[2]);
    if (done > kWarmUpActions) {
        printGrowth(warm, end, done);
        std::printf("soak: lowest readings of the first and the last quarter after the warm-up: %.1f -> %.1f MiB, "
                    "%+.1f MiB (what the program keeps, by the figure that counts)\n",
                    lowest[0], lowest[1], lowest[1] - lowest[0]);
    }
    std::printf("soak: covered");
    for (int i = 0; i < soak::kActCount; ++i)
        std::printf(" %s %ld", soak::toString(soak::Act(i)), covered[std::size_t(i)]);
    std::printf("\n");
    testkit::keepGlDriverLoaded();
    return 0;
}
