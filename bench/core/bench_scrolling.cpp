// Scrolling: presenting the whole visible list of a full-screen lister after a scroller move, against memcpy,
// and KestrovaneBMBGRA's blit of its screen-format picture against Kestrovane's WritePixelArray of its buffer.
#include <lister/bitmap_canvas.h>
#include <lister/present.h>
#include <lister/scroll.h>

#include <hosted/intuition.h>
#include <proto/intuition.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct FullScreenLister {
    struct Window *window = nullptr;
    std::vector<UBYTE> pixels;
    RenderTarget bitmap;
    ListerGeometry geometry;
    ListerView view;

    FullScreenLister()
    {
        setenv("KESTROVANE_DISPLAY", "headless", 0);
        setenv("KESTROVANE_SCREEN", "1280x800", 0);
        struct TagItem tags[] = {{WA_Left, 0}, {WA_Top, 20}, {WA_Width, 1280}, {WA_Height, 780},
                                 {WA_SizeGadget, TRUE}, {WA_NoCareRefresh, TRUE}, {TAG_DONE, 0}};
        window = OpenWindowTagList(nullptr, tags);
        geometry.leftBorder = window->BorderLeft;
        geometry.topBorder = window->BorderTop;
        geometry.innerWidth = ULONG(window->Width - window->BorderLeft - window->BorderRight);
        geometry.statusHeight = 15;
        geometry.visibleHeight = ULONG(window->Height - window->BorderTop - window->BorderBottom) - 15;
        // A drawer of 2000 lines, as wide as the window.
        ULONG width = geometry.innerWidth, height = 2000 * 12;
        pixels.resize(size_t(width) * height * 4);
        for (size_t i = 0; i < pixels.size(); i++)
            pixels[i] = UBYTE(i * 2654435761u >> 24);
        bitmap = RenderTarget{pixels.data(), width * 4, width, height};
        view.bitmapWidth = width;
        view.bitmapHeight = height;
        view.innerWidth = geometry.innerWidth;
        view.visibleHeight = geometry.visibleHeight;
    }
    ~FullScreenLister() { CloseWindow(window); }

    // The same picture as a BGRA32 bitmap of the screen (KestrovaneBMBGRA).
    BitMapCanvas &Canvas()
    {
        if (canvas.BitMap() == nullptr) {
            canvas.Attach(window->WScreen->RastPort.BitMap);
            RenderTarget picture = canvas.Prepare(bitmap.width, bitmap.height, 12);
            for (ULONG y = 0; y < picture.height; y++)
                CopyPixelsReversed(picture.PixelAt(0, y), bitmap.PixelAt(0, y), picture.width);
        }
        return canvas;
    }

    BitMapCanvas canvas;
};

FullScreenLister &Lister()
{
    static FullScreenLister lister;
    return lister;
}

void BM_PresentAfterScrollerMove(benchmark::State &state)
{
    FullScreenLister &lister = Lister();
    UWORD pot = 0;
    for (auto _ : state) {
        pot = UWORD(pot + 977);
        ScrollTopFromPot(lister.view, pot);
        PresentListerList(lister.window->RPort, lister.geometry, lister.bitmap, lister.view, nullptr);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * lister.geometry.innerWidth * lister.geometry.visibleHeight * 4);
}
BENCHMARK(BM_PresentAfterScrollerMove);

void BM_BlitAfterScrollerMove(benchmark::State &state)
{
    FullScreenLister &lister = Lister();
    BitMapCanvas &canvas = lister.Canvas();
    if (canvas.Picture().height != lister.bitmap.height)
        state.SkipWithError("no memory for the picture");
    UWORD pot = 0;
    for (auto _ : state) {
        pot = UWORD(pot + 977);
        ScrollTopFromPot(lister.view, pot);
        canvas.PresentList(lister.window->RPort, lister.geometry, lister.view);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * lister.geometry.innerWidth * lister.geometry.visibleHeight * 4);
}
BENCHMARK(BM_BlitAfterScrollerMove);

void BM_MemcpySameBytes(benchmark::State &state)
{
    FullScreenLister &lister = Lister();
    size_t bytes = size_t(lister.geometry.innerWidth) * lister.geometry.visibleHeight * 4;
    std::vector<UBYTE> target(bytes);
    UWORD pot = 0;
    for (auto _ : state) {
        pot = UWORD(pot + 977);
        ScrollTopFromPot(lister.view, pot);
        std::memcpy(target.data(), lister.bitmap.PixelAt(0, lister.view.scrollTop), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_MemcpySameBytes);

}  // namespace
