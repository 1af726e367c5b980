// Drawing: pens on planar and chunky bitmaps, clipping at bitmap and layer edges, lines, scrolling.
#include "canvas.h"

#include <graphics/layers.h>

namespace {

TEST(Drawing, InitRastPortDefaults)
{
    struct RastPort rp;
    std::memset(&rp, 0x5A, sizeof rp);
    InitRastPort(&rp);
    EXPECT_EQ(GetAPen(&rp), 1u);
    EXPECT_EQ(GetBPen(&rp), 0u);
    EXPECT_EQ(GetDrMd(&rp), ULONG(JAM2));
    EXPECT_EQ(rp.Mask, 0xFF);
    EXPECT_EQ(rp.BitMap, nullptr);
    EXPECT_EQ(rp.Layer, nullptr);
    EXPECT_EQ(rp.Font, nullptr);
    SetABPenDrMd(&rp, 200, 7, JAM1 | INVERSVID);
    EXPECT_EQ(GetAPen(&rp), 200u);
    EXPECT_EQ(GetBPen(&rp), 7u);
    EXPECT_EQ(GetDrMd(&rp), ULONG(JAM1 | INVERSVID));
    // Drawing without a bitmap does nothing and does not crash.
    RectFill(&rp, 0, 0, 10, 10);
    EXPECT_EQ(WritePixel(&rp, 0, 0), -1);
    EXPECT_EQ(ReadPixel(&rp, 0, 0), -1);
}

TEST(Drawing, PlanarPensAreBitPatterns)
{
    Canvas c(40, 10, 3);
    SetAPen(&c.rp, 5);   // planes 0 and 2
    RectFill(&c.rp, 3, 2, 20, 4);
    for (LONG y = 0; y < 10; y++) {
        for (LONG x = 0; x < 40; x++) {
            bool in = x >= 3 && x <= 20 && y >= 2 && y <= 4;
            ASSERT_EQ(c.Bit(x, y, 0), in) << x << "," << y;
            ASSERT_FALSE(c.Bit(x, y, 1));
            ASSERT_EQ(c.Bit(x, y, 2), in);
            ASSERT_EQ(ReadPixel(&c.rp, x, y), in ? 5 : 0);
        }
    }
    // The write mask keeps plane 2.
    SetWriteMask(&c.rp, 0x3);
    SetAPen(&c.rp, 2);
    RectFill(&c.rp, 0, 0, 39, 9);
    EXPECT_EQ(ReadPixel(&c.rp, 5, 3), 6);
    EXPECT_EQ(ReadPixel(&c.rp, 30, 8), 2);
}

TEST(Drawing, ChunkyPensUseTheDefaultPaletteOrTheAttachedMap)
{
    Canvas c(8, 4, 32);
    SetAPen(&c.rp, 3);
    WritePixel(&c.rp, 1, 1);
    EXPECT_EQ(c.Bytes(1, 1), 0xBB8866FFu);   // memory B,G,R,A of 0x6688BB
    EXPECT_EQ(ReadPixel(&c.rp, 1, 1), 3);

    struct ColorMap *cm = GetColorMap(16);
    SetRGB32CM(cm, 3, 0x12000000, 0x34000000, 0x56000000);
    hosted::SetBitMapColorMap(c.bm, cm);
    WritePixel(&c.rp, 2, 1);
    EXPECT_EQ(c.Rgb(2, 1), 0x123456u);
    EXPECT_EQ(ReadPixel(&c.rp, 2, 1), 3);
    EXPECT_EQ(ReadPixel(&c.rp, 1, 1), -1);   // no pen of the map has that colour now
    EXPECT_EQ(hosted::PenColor(c.bm, 3), 0x123456u);
    hosted::SetBitMapColorMap(c.bm, nullptr);
    FreeColorMap(cm);
}

TEST(Drawing, EverythingIsClippedToTheBitmap)
{
    Canvas c(10, 6, 32);
    auto *chunky = c.Chunky();
    ASSERT_GT(chunky->bytesPerRow, 40);   // padding after each row, which must stay untouched
    SetAPen(&c.rp, 2);
    RectFill(&c.rp, -100, -100, 100, 100);
    Move(&c.rp, -50, 3);
    Draw(&c.rp, 50, 3);
    EXPECT_EQ(WritePixel(&c.rp, 10, 0), -1);
    EXPECT_EQ(WritePixel(&c.rp, 0, 6), -1);
    EXPECT_EQ(WritePixel(&c.rp, -1, 0), -1);
    for (LONG y = 0; y < 6; y++) {
        for (LONG x = 0; x < 10; x++)
            ASSERT_EQ(c.Rgb(x, y), 0xFFFFFFu);
        for (LONG b = 40; b < chunky->bytesPerRow; b++)
            ASSERT_EQ(chunky->pixels[y * chunky->bytesPerRow + b], 0) << y << ":" << b;
    }

    Canvas p(20, 3, 1);
    RectFill(&p.rp, 15, -5, 400, 400);
    EXPECT_EQ(p.Picture(0, 0, 20, 3), "...............#####\n...............#####\n...............#####\n");
    // A planar bitmap's padded width is drawable, as on the real system.
    EXPECT_EQ(GetBitMapAttr(p.bm, BMA_WIDTH), 128u);
    EXPECT_TRUE(p.Bit(127, 2));
}

TEST(Drawing, LayersClipToTheirSize)
{
    Canvas c(20, 20, 32);
    struct Layer layer{};
    layer.bounds = {100, 50, 109, 54};   // 10 x 5 on the screen
    c.rp.Layer = &layer;
    SetAPen(&c.rp, 2);
    SetRast(&c.rp, 2);
    for (LONG y = 0; y < 20; y++)
        for (LONG x = 0; x < 20; x++)
            ASSERT_EQ(c.Rgb(x, y), (x < 10 && y < 5) ? 0xFFFFFFu : 0u) << x << "," << y;
    EXPECT_EQ(ReadPixel(&c.rp, 12, 2), -1);
}

TEST(Drawing, LinesIncludeBothEndsAndFollowThePattern)
{
    Canvas c(12, 6, 1);
    Move(&c.rp, 1, 1);
    Draw(&c.rp, 10, 1);
    Draw(&c.rp, 10, 4);
    EXPECT_EQ(c.rp.cp_x, 10);
    EXPECT_EQ(c.rp.cp_y, 4);
    EXPECT_EQ(c.Picture(0, 0, 12, 6),
              "............\n"
              ".##########.\n"
              "..........#.\n"
              "..........#.\n"
              "..........#.\n"
              "............\n");
    Canvas d(8, 3, 1);
    SetDrMd(&d.rp, JAM1);
    d.rp.LinePtrn = 0xCCCC;
    Move(&d.rp, 0, 1);
    Draw(&d.rp, 7, 1);
    EXPECT_EQ(d.Picture(0, 1, 8, 1), "##..##..\n");

    // Ends far outside the bitmap: only the visible steps are drawn.
    Canvas far(8, 8, 1);
    Move(&far.rp, -2000000000, -2000000000);
    Draw(&far.rp, 2000000000, 2000000000);
    for (LONG i = 0; i < 8; i++)
        EXPECT_TRUE(far.Bit(i, i)) << i;
    EXPECT_FALSE(far.Bit(1, 0));

    // A shallow line steps its minor axis at the halfway points.
    Canvas shallow(9, 3, 1);
    Move(&shallow.rp, 0, 0);
    Draw(&shallow.rp, 8, 2);
    EXPECT_EQ(shallow.Picture(0, 0, 9, 3), "##.......\n..####...\n......###\n");

    Canvas e(6, 6, 1);
    const WORD points[] = {5, 5, 0, 5};
    Move(&e.rp, 0, 0);
    PolyDraw(&e.rp, 2, points);
    EXPECT_EQ(e.Picture(0, 0, 6, 6), "#.....\n.#....\n..#...\n...#..\n....#.\n######\n");
}

TEST(Drawing, ComplementInvertsAndEraseRectUsesBackfill)
{
    Canvas c(8, 2, 32);
    SetAPen(&c.rp, 2);
    RectFill(&c.rp, 0, 0, 3, 1);
    SetDrMd(&c.rp, COMPLEMENT);
    RectFill(&c.rp, 2, 0, 5, 0);
    EXPECT_EQ(c.Rgb(1, 0), 0xFFFFFFu);
    EXPECT_EQ(c.Rgb(2, 0), 0x000000u);
    EXPECT_EQ(c.Rgb(4, 0), 0xFFFFFFu);
    EXPECT_EQ(c.Rgb(2, 1), 0xFFFFFFu);

    EraseRect(&c.rp, 0, 1, 7, 1);   // pen 0: grey
    EXPECT_EQ(c.Rgb(0, 1), 0xAAAAAAu);
    struct Layer layer{};
    layer.bounds = {0, 0, 7, 1};
    layer.BackFill = LAYERS_NOBACKFILL;
    c.rp.Layer = &layer;
    SetDrMd(&c.rp, JAM2);
    SetAPen(&c.rp, 1);
    RectFill(&c.rp, 0, 1, 7, 1);
    EraseRect(&c.rp, 0, 1, 7, 1);
    EXPECT_EQ(c.Rgb(0, 1), 0x000000u);
}

TEST(Drawing, ScrollRasterMovesContentAndFillsWithBackgroundPen)
{
    Canvas c(6, 4, 1);
    // Column x set in row x (a diagonal).
    for (LONG i = 0; i < 4; i++)
        WritePixel(&c.rp, i, i);
    SetBPen(&c.rp, 0);
    ScrollRaster(&c.rp, 1, 0, 0, 0, 5, 3);   // contents move left by one
    EXPECT_EQ(c.Picture(0, 0, 6, 4), "......\n#.....\n.#....\n..#...\n");
    ScrollRaster(&c.rp, 0, -1, 0, 0, 5, 3);  // and down by one
    EXPECT_EQ(c.Picture(0, 0, 6, 4), "......\n......\n#.....\n.#....\n");
    SetBPen(&c.rp, 1);
    ScrollRaster(&c.rp, 0, 10, 1, 1, 2, 2);  // all of it uncovered
    EXPECT_EQ(c.Picture(0, 0, 6, 4), "......\n.##...\n###...\n.#....\n");
}

}  // namespace
