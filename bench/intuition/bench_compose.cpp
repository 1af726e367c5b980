// Composing the front screen from ten overlapping windows, against a memcpy of a whole frame.
//
// The screen is 1280 x 800 on the headless display, with ten 640 x 400
// windows stacked diagonally so that each covers parts of the ones behind.
// A full frame composes every pixel from the right backing store (each
// pixel is copied once, front to back); a partial frame composes only
// what one drawing call in the front window changed. The runner prints
// frames per second and the ratio of a full frame's time to the time of
// copying a frame's bytes with memcpy (aim: at least 200 frames a second).
#include "state.h"

#include <proto/graphics.h>
#include <proto/intuition.h>

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr LONG kWidth = 1280;
constexpr LONG kHeight = 800;
std::vector<struct Window *> gWindows;

bool Prepare()
{
    setenv("KESTROVANE_DISPLAY", "headless", 1);
    setenv("KESTROVANE_SCREEN", "1280x800", 1);
    setenv("KESTROVANE_FONT", "test", 1);
    for (int i = 0; i < 10; i++) {
        struct Window *w = OpenWindowTags(nullptr, WA_Title, "Window", WA_Left, 60 * i, WA_Top, 20 + 36 * i,
                                          WA_Width, 640, WA_Height, 400, WA_DragBar, TRUE, WA_CloseGadget, TRUE,
                                          WA_DepthGadget, TRUE, WA_SizeGadget, TRUE, TAG_DONE);
        if (w == nullptr)
            return false;
        SetAPen(w->RPort, static_cast<ULONG>(i % 8));
        RectFill(w->RPort, w->BorderLeft, w->BorderTop, w->Width - w->BorderRight - 1,
                 w->Height - w->BorderBottom - 1);
        gWindows.push_back(w);
    }
    hosted::WaitIdle(10000);
    return hosted::FrontFrame().width == kWidth;
}

void ComposeFullFrame(benchmark::State &state)
{
    for (auto _ : state) {
        std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
        hosted::ScreenRecord *s = hosted::FrontScreen();
        hosted::DamageScreen(s, hosted::BoxAt(0, 0, kWidth, kHeight));
        hosted::ComposeFront();
    }
    state.SetItemsProcessed(state.iterations());
}

void ComposeAfterADrawing(benchmark::State &state)
{
    struct Window *front = gWindows.back();
    ULONG pen = 0;
    for (auto _ : state) {
        SetAPen(front->RPort, pen++ % 8);
        RectFill(front->RPort, 40, 40, 340, 240);
        hosted::FlushDisplay();
    }
    state.SetItemsProcessed(state.iterations());
}

void MemcpyFrame(benchmark::State &state)
{
    std::vector<ULONG> from(static_cast<std::size_t>(kWidth) * kHeight, 0x123456);
    std::vector<ULONG> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(ULONG));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        from[0]++;
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(ComposeFullFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(ComposeAfterADrawing)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(MemcpyFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();

int main(int argc, char **argv)
{
    if (!Prepare()) {
        std::fprintf(stderr, "intuition_bench: cannot open the windows\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    kvbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto &t = reporter.times;
    if (t.count("ComposeFullFrame") && t.count("MemcpyFrame")) {
        double full = t["ComposeFullFrame"];   // microseconds
        std::printf("full frames of 10 overlapping windows: %.0f per second  (aim >= 200)\n", 1e6 / full);
        std::printf("ratio full frame / memcpy of a frame: %.2f\n", full / t["MemcpyFrame"]);
    }
    if (t.count("ComposeAfterADrawing"))
        std::printf("frames after one drawing call (300 x 200): %.0f per second\n",
                    1e6 / t["ComposeAfterADrawing"]);
    for (struct Window *w : gWindows)
        CloseWindow(w);
    benchmark::Shutdown();
    return 0;
}
