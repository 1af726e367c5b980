// bench/graphics/bench_pixelarrays.cpp: presenting a full-screen window with WritePixelArray, against memcpy of the same bytes.
//
// The program composes its lister in big-endian 0x00RRGGBB buffers and
// copies the visible part into its window with WritePixelArray (format
// ARGB) on every scroll step, so this copy, converting to the screen's
// BGRA32, should cost about what a plain copy of the bytes costs (the
// target is at most twice). Also measured: the direct path's blit of a
// screen-format bitmap (BltBitMapRastPort), which needs no conversion.
#include <hosted/graphics.h>
#include <graphics/layers.h>
#include <proto/cybergraphics.h>
#include <proto/graphics.h>

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Screen {
    LONG width, height;
};
const Screen kSizes[] = {{1280, 800}, {1920, 1080}};

// A window's backing store and rastport with its layer, as intuition sets
// them up, and a source buffer in the program's format.
struct Window {
    struct BitMap *store;
    struct Layer layer{};
    struct RastPort rp{};
    std::vector<UBYTE> argb;

    Window(LONG w, LONG h) : store(hosted::AllocChunkyBitMap(w, h, PIXFMT_BGRA32, true)), argb(size_t(w) * h * 4)
    {
        InitRastPort(&rp);
        rp.BitMap = store;
        rp.Layer = &layer;
        layer.rp = &rp;
        layer.bounds = {0, 0, static_cast<WORD>(w - 1), static_cast<WORD>(h - 1)};
        for (size_t i = 0; i < argb.size(); i++)
            argb[i] = static_cast<UBYTE>(i * 13 + 7);
    }
    ~Window() { FreeBitMap(store); }
};

void Memcpy(benchmark::State &state)
{
    const Screen &s = kSizes[state.range(0)];
    Window w(s.width, s.height);
    auto *c = hosted::ChunkyOf(w.store);
    size_t bytes = size_t(s.width) * 4;
    for (auto _ : state) {
        for (LONG y = 0; y < s.height; y++)
            std::memcpy(c->pixels + size_t(y) * c->bytesPerRow, w.argb.data() + y * bytes, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes) * s.height);
}

void WritePixelArrayArgb(benchmark::State &state)
{
    const Screen &s = kSizes[state.range(0)];
    Window w(s.width, s.height);
    for (auto _ : state) {
        WritePixelArray(w.argb.data(), 0, 0, s.width * 4, &w.rp, 0, 0, s.width, s.height, RECTFMT_ARGB);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(s.width) * 4 * s.height);
}

void BltBitMapRastPortScreenFormat(benchmark::State &state)
{
    const Screen &s = kSizes[state.range(0)];
    Window w(s.width, s.height);
    struct BitMap *picture = AllocBitMap(s.width, s.height, 32, BMF_MINPLANES, w.store);
    for (auto _ : state) {
        BltBitMapRastPort(picture, 0, 0, &w.rp, 0, 0, s.width, s.height, 0xC0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(s.width) * 4 * s.height);
    FreeBitMap(picture);
}

BENCHMARK(Memcpy)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(WritePixelArrayArgb)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BltBitMapRastPortScreenFormat)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    kvbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int i = 0; i < 2; i++) {
        std::string size = std::to_string(kSizes[i].width) + "x" + std::to_string(kSizes[i].height);
        // Processor time: steadier than wall time on a shared machine.
        auto base = reporter.cpuTimes.find("Memcpy/" + std::to_string(i));
        if (base == reporter.cpuTimes.end() || base->second <= 0)
            continue;
        for (const char *name : {"WritePixelArrayArgb", "BltBitMapRastPortScreenFormat"}) {
            auto t = reporter.cpuTimes.find(std::string(name) + "/" + std::to_string(i));
            if (t != reporter.cpuTimes.end())
                std::printf("%s %s: %.2fx memcpy of the same bytes (target <= 2x)\n", name, size.c_str(),
                            t->second / base->second);
        }
    }
    benchmark::Shutdown();
    return 0;
}
