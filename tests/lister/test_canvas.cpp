// The two canvases: the same drawer drawn in the buffer and in a BGRA32 screen bitmap reaches the window alike.
#include <lister/bitmap_canvas.h>
#include <lister/buffer_canvas.h>
#include <lister/highlight.h>
#include <lister/layout.h>
#include <lister/sort.h>

#include <cybergraphx/cybergraphics.h>
#include <hosted/task.h>
#include <proto/cybergraphics.h>
#include <proto/graphics.h>

#include "support.h"

#include <gtest/gtest.h>

#include <vector>

using listertest::FakeGlyphs;
using listertest::TestEntries;

namespace {

constexpr ULONG X = 2, Y = 3;

bool Full(ULONG, ULONG) { return true; }

// A 32-bit bitmap of `format` with a rastport on it, standing in for a window.
struct Window {
    explicit Window(ULONG format = PIXFMT_BGRA32)
    {
        bitmap = AllocBitMap(300, 300, 32, BMF_CLEAR | BMF_SPECIALFMT | SHIFT_PIXFMT(format), nullptr);
        InitRastPort(&rp);
        rp.BitMap = bitmap;
    }
    ~Window() { FreeBitMap(bitmap); }

    // The colour at x, y as 0x00RRGGBB, whatever the format.
    ULONG At(LONG x, LONG y)
    {
        UBYTE argb[4];
        ReadPixelArray(argb, 0, 0, 4, &rp, ULONG(x), ULONG(y), 1, 1, RECTFMT_ARGB);
        return (ULONG(argb[1]) << 16) | (ULONG(argb[2]) << 8) | argb[3];
    }

    std::vector<ULONG> Pixels()
    {
        std::vector<ULONG> all;
        for (LONG y = 0; y < 300; y++)
            for (LONG x = 0; x < 300; x++)
                all.push_back(At(x, y));
        return all;
    }

    struct BitMap *bitmap = nullptr;
    struct RastPort rp;
};

// A drawer of one drawer and `files` files, laid out 258 pixels wide (so a
// BGRA bitmap's rows are padded past 4 × W) with solid X × Y glyphs.
struct CanvasScene {
    explicit CanvasScene(ULONG files = 2) : fake(Y, X)
    {
        for (int c = 33; c < 256; c++)
            fake.SetGlyph(UBYTE(c), X, Full);
        fake.SetGlyph(' ', X, nullptr);
        glyphs = &fake.Build();
        SetDateRequestFormat(dates, FORMAT_DOS, 0);
        entries.AddEntry("dir", 2);
        for (ULONG i = 0; i < files; i++)
            entries.AddEntry("f" + std::to_string(1000 + i), -3, 5);
        ListerHeader &header = *entries.buffer.Header();
        header.nameWidth = 100;   // 100 + 9 + 10 + 9 = 128 columns: W = 128 × 2 + 2
        header.sizeWidth = 9;
        SortEntries(entries.buffer, SortNameCase);
        config.SetHideStatusAndComment(1);
        BuildGradient(windows, 0x00123456, 0x00123456);
        geometry.leftBorder = 4;
        geometry.topBorder = 11;
        geometry.innerWidth = 258;
        geometry.statusHeight = 6;
        geometry.visibleHeight = 270;
    }

    // Lays the drawer out on `canvas` with the lister gradient in its order.
    ListerLayout Lay(ListerCanvas &canvas)
    {
        BuildGradientIn(canvas.Order(), lister, config.ListerGradientBegin(), config.ListerGradientEnd());
        ListerDrawing drawing;
        drawing.glyphs = glyphs;
        drawing.listerGradient = &lister;
        drawing.windowGradient = &windows;
        drawing.dates = &dates;
        drawing.dateWidth = 10;
        drawing.canvas = &canvas;
        drawing.statusStrip = strip.target;
        ListerLayout layout = LayoutLister(drawing, entries.buffer, config);
        view.bitmapWidth = layout.width;
        view.bitmapHeight = layout.height;
        view.innerWidth = geometry.innerWidth;
        view.visibleHeight = geometry.visibleHeight;
        return layout;
    }

    LONG ListTop() const { return geometry.topBorder + LONG(geometry.statusHeight); }

    FakeGlyphs fake;
    const GlyphSet *glyphs;
    DateRequest dates;
    TestEntries entries{4 * 1024 * 1024};
    ConfigRecord config;
    GradientTable lister, windows;
    listertest::TestPicture strip{300, 6};
    ListerGeometry geometry;
    ListerView view;
};

// The screen's own bitmap, BGRA32 as the host's screens are.
struct ScreenBitMap {
    ScreenBitMap() : bitmap(AllocBitMap(64, 64, 32, BMF_CLEAR, nullptr)) {}
    ~ScreenBitMap() { FreeBitMap(bitmap); }
    struct BitMap *bitmap;
};

}  // namespace

TEST(Canvas, ABgraBitMapShowsWhatTheBufferShowsInTheConfiguredColours)
{
    CanvasScene scene;
    std::vector<UBYTE> buffer(12288000, 0xEE);
    BufferCanvas bufferCanvas;
    bufferCanvas.Attach(buffer.data(), ULONG(buffer.size()));
    ScreenBitMap screen;
    BitMapCanvas bitmapCanvas;
    bitmapCanvas.Attach(screen.bitmap);
    EXPECT_TRUE(bitmapCanvas.FriendOfScreen());

    ListerLayout inBuffer = scene.Lay(bufferCanvas);
    Window fromBuffer;
    bufferCanvas.PresentList(&fromBuffer.rp, scene.geometry, scene.view);
    ListerLayout inBitMap = scene.Lay(bitmapCanvas);
    Window fromBitMap;
    bitmapCanvas.PresentList(&fromBitMap.rp, scene.geometry, scene.view);

    // The picture: as wide and high as the buffer's, its stride the
    // bitmap's own (padded here), its memory blue, green, red, 0.
    EXPECT_EQ(inBitMap.width, 258u);
    EXPECT_EQ(inBitMap.height, inBuffer.height);
    EXPECT_EQ(inBitMap.linesDrawn, 3u);
    EXPECT_FALSE(inBitMap.bitmapTooSmall);
    RenderTarget picture = bitmapCanvas.Picture();
    ASSERT_NE(bitmapCanvas.BitMap(), nullptr);
    EXPECT_EQ(GetCyberMapAttr(bitmapCanvas.BitMap(), CYBRMATTR_PIXFMT), PIXFMT_BGRA32);
    EXPECT_EQ(picture.stride, GetCyberMapAttr(bitmapCanvas.BitMap(), CYBRMATTR_XMOD));
    EXPECT_GT(picture.stride, 258u * 4);
    EXPECT_EQ(inBitMap.stride, picture.stride);
    const ULONG begin = scene.config.ListerGradientBegin();
    const UBYTE *first = picture.PixelAt(0, 0);
    EXPECT_EQ(first[0], UBYTE(begin));
    EXPECT_EQ(first[1], UBYTE(begin >> 8));
    EXPECT_EQ(first[2], UBYTE(begin >> 16));
    EXPECT_EQ(first[3], 0);

    // On the window: the same pixels, gradient from the first to the last
    // row, the drawer and file names in their colours.
    EXPECT_EQ(fromBitMap.Pixels(), fromBuffer.Pixels());
    const LONG top = scene.ListTop();
    EXPECT_EQ(fromBitMap.At(4, top), begin);
    EXPECT_EQ(fromBitMap.At(261, top + LONG(inBitMap.height) - 1), scene.config.ListerGradientEnd());
    EXPECT_EQ(fromBitMap.At(4 + 2, top + 1), scene.config.DrawerTextColor());
    EXPECT_EQ(fromBitMap.At(4 + 2, top + 1 + LONG(Y)), scene.config.ListerTextColor());
    EXPECT_EQ(fromBitMap.At(4 + 262, top), 0u);   // nothing right of the inner width

    // A highlight inverts the line's band, the row padding with it, on both;
    // the second restores it.
    const std::vector<ULONG> before = fromBitMap.Pixels();
    const UBYTE padding = picture.base[1 * Y * picture.stride + 258 * 4];
    for (int pass = 0; pass < 2; pass++) {
        HighlightLine(bufferCanvas.Picture(), 1, Y);
        HighlightLine(picture, 1, Y);
        bufferCanvas.PresentLine(&fromBuffer.rp, scene.geometry, scene.view, 1, Y);
        bitmapCanvas.PresentLine(&fromBitMap.rp, scene.geometry, scene.view, 1, Y);
        EXPECT_EQ(fromBitMap.Pixels(), fromBuffer.Pixels());
        if (pass == 0) {
            EXPECT_EQ(picture.base[1 * Y * picture.stride + 258 * 4], UBYTE(~padding));
            for (LONG y = top + LONG(Y) - 3; y < top + 2 * LONG(Y) + 3; y++) {
                bool band = y >= top + LONG(Y) && y < top + 2 * LONG(Y);
                ULONG was = before[size_t(y) * 300 + 100];
                ASSERT_EQ(fromBitMap.At(100, y), band ? was ^ 0x00FFFFFFu : was) << y;
            }
        }
    }
    EXPECT_EQ(fromBitMap.Pixels(), before);
    EXPECT_EQ(picture.base[1 * Y * picture.stride + 258 * 4], padding);

    // Scrolled: both show the rows from ScrollTop on.
    scene.view.scrollTop = 40;
    scene.view.scrollLeft = 0;
    bufferCanvas.PresentList(&fromBuffer.rp, scene.geometry, scene.view);
    bitmapCanvas.PresentList(&fromBitMap.rp, scene.geometry, scene.view);
    EXPECT_EQ(fromBitMap.Pixels(), fromBuffer.Pixels());
    EXPECT_EQ(fromBitMap.At(4, top), before[size_t(top + 40) * 300 + 4]);

    bitmapCanvas.Release();
    EXPECT_EQ(bitmapCanvas.BitMap(), nullptr);
    EXPECT_EQ(bitmapCanvas.Picture().height, 0u);
}

TEST(Canvas, OnAScreenThatIsNotBgraThePicturesStayBgraAndTheBlitConverts)
{
    CanvasScene scene;
    struct BitMap *argbScreen = AllocBitMap(64, 64, 32, BMF_SPECIALFMT | SHIFT_PIXFMT(PIXFMT_ARGB32), nullptr);
    ASSERT_NE(argbScreen, nullptr);
    BitMapCanvas canvas;
    canvas.Attach(argbScreen);
    EXPECT_FALSE(canvas.FriendOfScreen());
    ListerLayout layout = scene.Lay(canvas);
    ASSERT_NE(canvas.BitMap(), nullptr);
    EXPECT_EQ(GetCyberMapAttr(canvas.BitMap(), CYBRMATTR_PIXFMT), PIXFMT_BGRA32);

    for (ULONG format : {PIXFMT_ARGB32, PIXFMT_RGBA32}) {
        Window window(format);
        canvas.PresentList(&window.rp, scene.geometry, scene.view);
        const LONG top = scene.ListTop();
        EXPECT_EQ(window.At(4, top), scene.config.ListerGradientBegin()) << format;
        EXPECT_EQ(window.At(4, top + LONG(layout.height) - 1), scene.config.ListerGradientEnd()) << format;
        EXPECT_EQ(window.At(6, top + 1), scene.config.DrawerTextColor()) << format;
        EXPECT_EQ(window.At(6, top + 1 + LONG(Y)), scene.config.ListerTextColor()) << format;
    }
    canvas.Release();
    FreeBitMap(argbScreen);
}

TEST(Canvas, ShortMemoryGivesTheWholeLinesThatFitOrNoneAndNothingIsKept)
{
    CanvasScene scene(199);   // 200 lines of 3 rows: 600 rows of 1040 bytes
    ScreenBitMap screen;
    BitMapCanvas canvas;
    canvas.Attach(screen.bitmap);
    Window window;

    // The whole picture is refused, half of it fits.
    hosted::SetAllocFailure(400000, 0);
    ListerLayout half = scene.Lay(canvas);
    EXPECT_TRUE(half.bitmapTooSmall);
    EXPECT_EQ(half.height, 300u);
    EXPECT_EQ(half.linesDrawn, 100u);
    EXPECT_EQ(half.lineCount, 200u);
    EXPECT_EQ(canvas.Picture().height, 300u);

    // Not even one line: no picture, nothing presented, nothing drawn.
    hosted::SetAllocFailure(1000, 0);
    ListerLayout none = scene.Lay(canvas);
    EXPECT_TRUE(none.bitmapTooSmall);
    EXPECT_EQ(none.height, 0u);
    EXPECT_EQ(none.linesDrawn, 0u);
    EXPECT_EQ(canvas.BitMap(), nullptr);
    canvas.PresentList(&window.rp, scene.geometry, scene.view);
    canvas.PresentLine(&window.rp, scene.geometry, scene.view, 0, Y);
    EXPECT_EQ(window.At(4, scene.ListTop()), 0u);

    // With memory back, the same drawer is whole again.
    hosted::SetAllocFailure(0, 0);
    ListerLayout whole = scene.Lay(canvas);
    EXPECT_FALSE(whole.bitmapTooSmall);
    EXPECT_EQ(whole.height, 600u);
    EXPECT_EQ(whole.linesDrawn, 200u);
}
