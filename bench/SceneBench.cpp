// Costs that shape how the program feels: start-up scene declaration, a pointer event's hit test, one
// face turn's engine work, and one rendered frame (with the heap allocations it makes, which should be none).
#include "cube/CubeScene.h"
#include "engine/FaceTurns.h"
#include "platform/gl/GlRenderer.h"
#include "platform/gl/SurfaceFormat.h"
#include "platform/scene/AnimationDriver.h"
#include "platform/scene/Picking.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// GCC 14 sees the library's operator new where this one is inlined and takes free() for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop

using namespace velmar;

namespace {

class SteppingClock : public platform::AnimationClock {
public:
    double now() override { return t += 0.03; }
    double t = 0;
};

void BM_DeclareScene(benchmark::State& state)
{
    for (auto _ : state) {
        platform::Scene scene;
        cube::TCubeScene cube(scene);
        benchmark::DoNotOptimize(cube.stickers.back());
    }
}
BENCHMARK(BM_DeclareScene)->Unit(benchmark::kMicrosecond);

void BM_HitTest(benchmark::State& state)
{
    platform::Scene scene;
    cube::TCubeScene cube(scene);
    const QSizeF view(466, 351);
    int i = 0;
    for (auto _ : state) {
        const QPointF pixel(100 + (i * 37) % 260, 60 + (i * 53) % 230);
        ++i;
        benchmark::DoNotOptimize(platform::hitTest(scene, platform::pickRay(*cube.Camera, view, pixel)).object);
    }
}
BENCHMARK(BM_HitTest)->Unit(benchmark::kMicrosecond);

// Gathering, 17 animation steps at 30 ms and the finish with sticker re-mapping, without drawing.
void BM_FaceTurn(benchmark::State& state)
{
    SteppingClock clock;
    auto& driver = platform::AnimationDriver::shared();
    driver.setClock(&clock);
    driver.setInterval(0);
    platform::Scene scene;
    cube::TCubeScene cube(scene);
    engine::TFaceTurns turns(scene, cube);
    for (platform::FloatAnimation* turn : cube.turns)
        turn->setDuration(0.5f);
    const char* letters = "RWBygo";
    int i = 0;
    for (auto _ : state)
        turns.Rotate(*engine::moveOfLetter(letters[i++ % 6]));
    driver.setClock(nullptr);
    driver.setInterval(platform::AnimationDriver::kDefaultIntervalMs);
}
BENCHMARK(BM_FaceTurn)->Unit(benchmark::kMicrosecond);

void BM_RenderFrame(benchmark::State& state)
{
    QOpenGLContext context;
    context.setFormat(QSurfaceFormat::defaultFormat());
    QOffscreenSurface surface;
    if (!context.create() || (surface.create(), !context.makeCurrent(&surface))) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    platform::Scene scene;
    cube::TCubeScene cube(scene);
    platform::GlRenderer renderer;
    if (!renderer.initialize(scene)) {
        state.SkipWithError("renderer failed");
        return;
    }
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    QOpenGLFramebufferObject fbo(466, 351, format);
    fbo.bind();
    renderer.render(scene, *cube.Camera, QSize(466, 351), Qt::lightGray);
    const long before = g_allocations.load();
    long frames = 0;
    for (auto _ : state) {
        renderer.render(scene, *cube.Camera, QSize(466, 351), Qt::lightGray);
        context.functions()->glFinish();
        ++frames;
    }
    state.counters["allocs/frame"] = double(g_allocations.load() - before) / double(frames ? frames : 1);
    renderer.release();
}
BENCHMARK(BM_RenderFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    platform::installDefaultSurfaceFormat();
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
