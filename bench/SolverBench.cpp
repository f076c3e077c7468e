// The solver against its goals: the tables built in at most 1 s and 16 MiB of resident memory; over 1000
// seeded random positions every solution at most 30 quarter turns and the median at most 26, the search
// at most 100 ms at the median and 500 ms at the worst. Also the cost of one random-state scramble.
#include "cube/solver/Solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <unistd.h>
#include <vector>

using namespace velmar;

namespace {

struct Figures {
    double buildMs = 0, buildCpuMs = 0, residentMiB = 0;
    std::vector<std::size_t> lengths;
    std::vector<double> ms, cpuMs;
} g_figures;

double residentMiB()
{
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Runs first, so the build it times is the real first one.
void BM_BuildTables(benchmark::State& state)
{
    for (auto _ : state) {
        const double before = residentMiB(), cpu = threadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        solver::prepareTables();
        g_figures.buildMs = msSince(start);
        g_figures.buildCpuMs = threadCpuMs() - cpu;
        g_figures.residentMiB = residentMiB() - before;
        state.SetIterationTime(g_figures.buildMs / 1e3);
    }
    state.counters["resident_MiB"] = g_figures.residentMiB;
}
BENCHMARK(BM_BuildTables)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Solve1000RandomPositions(benchmark::State& state)
{
    constexpr char letters[] = "RrOoWwYyGgBb";
    for (auto _ : state) {
        std::mt19937 random(1);
        for (int i = 0; i < 1000; ++i) {
            std::string scramble;
            for (int k = 0; k < 60 + i % 2; ++k) // both parities
                scramble += letters[random() % 12];
            const solver::Facelets cube = solver::applyMoves(solver::solvedFacelets(), scramble);
            const double cpu = threadCpuMs();
            const auto start = std::chrono::steady_clock::now();
            const solver::SolveResult result = solver::solve(cube);
            g_figures.ms.push_back(msSince(start));
            g_figures.cpuMs.push_back(threadCpuMs() - cpu);
            g_figures.lengths.push_back(result.moves.size());
            if (!result.ok() || solver::applyMoves(cube, result.moves) != solver::solvedFacelets())
                state.SkipWithError("a position was not solved");
        }
    }
}
BENCHMARK(BM_Solve1000RandomPositions)->Iterations(1)->Unit(benchmark::kSecond);

void BM_RandomStateScramble(benchmark::State& state)
{
    std::uint64_t seed = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(solver::randomStateScramble(seed++));
}
BENCHMARK(BM_RandomStateScramble)->Unit(benchmark::kMillisecond);

template <class T>
T median(std::vector<T> v)
{
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void report()
{
    const Figures& f = g_figures;
    if (f.lengths.empty())
        return;
    auto verdict = [](bool met) { return met ? "met" : "MISSED"; };
    const auto [shortest, longest] = std::minmax_element(f.lengths.begin(), f.lengths.end());
    const double medianMs = median(f.ms), worstMs = *std::max_element(f.ms.begin(), f.ms.end());
    const double medianCpu = median(f.cpuMs), worstCpu = *std::max_element(f.cpuMs.begin(), f.cpuMs.end());
    double load = 0;
    if (std::FILE* l = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(l, "%lf", &load) != 1)
            load = 0;
        std::fclose(l);
    }
    std::printf("\nSolver against its goals (%zu random positions, load average %.1f on %ld cores)\n", f.lengths.size(),
                load, sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("  tables built      %7.0f ms (%.0f ms of CPU)   goal <= 1000 ms   %s\n", f.buildMs, f.buildCpuMs,
                verdict(f.buildMs <= 1000));
    std::printf("  tables resident   %7.1f MiB                  goal <= 16 MiB    %s\n", f.residentMiB,
                verdict(f.residentMiB <= 16));
    std::printf("  quarter turns     min %zu, median %zu, max %zu     goals max <= 30 %s, median <= 26 %s\n", *shortest,
                median(f.lengths), *longest, verdict(*longest <= 30), verdict(median(f.lengths) <= 26));
    std::printf("  search, wall      median %.0f ms, worst %.0f ms   goals <= 100 ms %s, <= 500 ms %s\n", medianMs,
                worstMs, verdict(medianMs <= 100), verdict(worstMs <= 500));
    std::printf("  search, CPU       median %.0f ms, worst %.0f ms   (the machine's share of one core)\n", medianCpu,
                worstCpu);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    report();
    return 0;
}
