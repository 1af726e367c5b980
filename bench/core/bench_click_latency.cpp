// Interaction latency: from a click injected on a line to the inverted line in the screen's frame, headless.
#include <core/core.h>

#include <hosted/display.h>
#include <hosted/dos.h>
#include <hosted/intuition.h>

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string gWork;   // the benchmarks' own directory (their KESTROVANE_HOME too), removed at the end

const ProgramVariant BenchVariant = {
    "Kestrovane", "Kestrovane 0.9u (1aug10)", "To little memory for Kestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", "PROGDIR:Kestrovane.cfg",
    "PROGDIR:KestrovaneUsermenus.cfg", "Kestrovane.guide", ListerRole::First,
};

void Post(hosted::HostInputKind kind, LONG x = 0, LONG y = 0)
{
    hosted::HostInput input;
    input.kind = kind;
    input.x = x;
    input.y = y;
    hosted::PostInput(input);
}

// A lister on its own task, showing a drawer of 40 files; its window is at
// the screen's top left (left border 4, top border and status line below).
void BM_ClickToInvertedLine(benchmark::State &state)
{
    static std::string drawer;
    static std::thread lister;
    if (drawer.empty()) {
        setenv("KESTROVANE_DISPLAY", "headless", 0);
        setenv("KESTROVANE_FONT", "test", 0);
        setenv("KESTROVANE_SCREEN", "1024x768", 0);
        bool made = !gWork.empty() && kvbench::MakeDrawer(gWork + "/drawer", 40, [](long i) {
            return kvbench::DrawerEntry{"file" + std::to_string(100 + i), false, std::to_string(i).size()};
        });
        if (!made) {
            state.SkipWithError("cannot make the drawer");
            return;
        }
        // The program is given volume paths, as a shell would give them.
        if (!hosted::VolumePathOf(gWork + "/drawer", drawer)) {
            state.SkipWithError("the drawer has no volume path");
            return;
        }
        static std::string arguments = "\"" + drawer + "\"\n";
        lister = std::thread([] { Startup(BenchVariant, arguments.c_str(), ULONG(arguments.size())); });
        lister.detach();
        for (int i = 0; i < 200 && hosted::FramePixel(10, 60) == 0; i++)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        hosted::WaitIdle(10000);
    }
    // Two lines clicked in turn (never a double-click); the probe pixel is
    // at the right of the line's strip.
    const LONG x = 200, probeX = 250;
    const LONG rows[2] = {15 + 15 + 12 * 3 + 6, 15 + 15 + 12 * 5 + 6};
    std::vector<double> micros;
    int turn = 0, unchanged = 0;
    for (auto _ : state) {
        LONG y = rows[turn++ & 1];
        ULONG before = hosted::FramePixel(probeX, y);
        auto start = std::chrono::steady_clock::now();
        Post(hosted::HostInputKind::PointerMove, x, y);
        Post(hosted::HostInputKind::ButtonDown);
        while (hosted::FramePixel(probeX, y) == before &&
               std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) {
        }
        if (hosted::FramePixel(probeX, y) == before)
            unchanged++;
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        Post(hosted::HostInputKind::ButtonUp);
        hosted::WaitIdle(2000);
    }
    if (unchanged) {
        state.SkipWithError("a click left its line as it was");
        return;
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
}
BENCHMARK(BM_ClickToInvertedLine)->Iterations(101)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    // The benchmarks keep the platform's files (and its RAM disk) away from
    // the user's own.
    gWork = kvbench::MakeWorkDirectory("kestrovane-bench-core");
    if (!gWork.empty())
        setenv("KESTROVANE_HOME", (gWork + "/home").c_str(), 1);
    benchmark::Initialize(&argc, argv);
    kvbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    double present = reporter.times["BM_PresentAfterScrollerMove"], copy = reporter.times["BM_MemcpySameBytes"];
    if (present > 0 && copy > 0)
        std::printf("scrolling: presenting the visible list / memcpy of the same bytes = %.2f\n", present / copy);
    double blit = reporter.times["BM_BlitAfterScrollerMove"];
    if (present > 0 && blit > 0)
        std::printf("scrolling: KestrovaneBMBGRA's blit %.1f us / Kestrovane's WritePixelArray %.1f us = %.2f  (aim <= 1.00)\n",
                    blit / 1000, present / 1000, blit / present);
    std::fflush(stdout);
    kvbench::RemoveTree(gWork);
    std::_Exit(0);   // the lister's task is still waiting for input
}
