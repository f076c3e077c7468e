// The whole window on the real 30 ms clock: how long the longest pattern takes at the fastest turn
// speed, against the 25 x 0.1 s its turns animate for; and what a repaint of the panel costs.
#include "app/UMain.h"
#include "engine/Patterns.h"
#include "panel/ScaledLayout.h"
#include "platform/controls/FloatSlider.h"
#include "platform/gl/SurfaceFormat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstring>

using namespace velmar;

namespace {

constexpr int kBande = 7;

void BM_BandeAtTheFastestSpeed(benchmark::State& state)
{
    TFormMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("no window");
        return;
    }
    window.panel().tbSpeedAnim->setValue(window.panel().tbSpeedAnim->maximum());
    const double animated = double(std::strlen(engine::FUN_VALUES[kBande])) * window.cube().turns[0]->duration();
    for (auto _ : state) {
        window.puzzle().playPattern(kBande);
        while (window.puzzle().hasWaitingPlayback() || window.puzzle().isPlayingBack())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["animated_s"] = animated;
}
BENCHMARK(BM_BandeAtTheFastestSpeed)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// One whole repaint of the panel, at the declared width and drawn scaled at twice the width.
void BM_PanelRepaint(benchmark::State& state)
{
    TFormMain window;
    window.resize(int(state.range(0)), TFormMain::kClientHeight);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("no window");
        return;
    }
    QTest::qWait(100);
    const QRect panel = window.panel().sclytCommand->geometry();
    for (auto _ : state)
        window.repaint(panel);
}
BENCHMARK(BM_PanelRepaint)->Arg(466)->Arg(932)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    platform::installDefaultSurfaceFormat();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
