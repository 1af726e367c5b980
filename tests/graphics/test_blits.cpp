// Blits: BltBitMapRastPort and BltBitMap between chunky and planar bitmaps, minterms, overlap, templates.
#include "canvas.h"
#include <hosted/task.h>

namespace {

// Fills a chunky BGRA bitmap with a distinct colour per pixel.
void Pattern(Canvas &c)
{
    auto *chunky = c.Chunky();
    for (LONG y = 0; y < chunky->height; y++)
        for (LONG x = 0; x < chunky->width; x++)
            hosted::StorePixel(PIXFMT_BGRA32, hosted::PixelAddress(chunky, x, y), 0x55000000u | ULONG(x << 12) | ULONG(y));
}

TEST(Blits, ChunkyCopyLandsExactlyWithSourceOffsets)
{
    Canvas src(30, 20, 32);
    Pattern(src);
    Canvas dst(16, 12, 32, BMF_CLEAR, src.bm);
    BltBitMapRastPort(src.bm, 7, 5, &dst.rp, 2, 3, 10, 6, 0xC0);
    for (LONG y = 0; y < 12; y++) {
        for (LONG x = 0; x < 16; x++) {
            bool in = x >= 2 && x < 12 && y >= 3 && y < 9;
            ULONG expected = in ? (0x55000000u | ULONG((x - 2 + 7) << 12) | ULONG(y - 3 + 5)) : 0;
            ASSERT_EQ(hosted::LoadPixel(PIXFMT_BGRA32, hosted::PixelAddress(dst.Chunky(), x, y)), expected)
                << x << "," << y;
        }
    }
}

TEST(Blits, ClippedOnBothSides)
{
    Canvas src(10, 10, 32);
    Pattern(src);
    Canvas dst(8, 8, 32);
    // Source runs off its right edge, destination starts off its top-left.
    BltBitMapRastPort(src.bm, 6, -2, &dst.rp, -1, 1, 20, 20, 0xC0);
    for (LONG y = 0; y < 8; y++) {
        for (LONG x = 0; x < 8; x++) {
            // Destination (x, y) takes source (x + 7, y + 1 ... ) where both exist.
            LONG sx = x + 1 + 6, sy = y - 1 - 2;
            bool in = sx < 10 && sy >= 0 && sy < 10 && y >= 1;
            ULONG expected = in ? (0x55000000u | ULONG(sx << 12) | ULONG(sy)) : 0;
            ASSERT_EQ(hosted::LoadPixel(PIXFMT_BGRA32, hosted::PixelAddress(dst.Chunky(), x, y)), expected)
                << x << "," << y;
        }
    }
    EXPECT_EQ(BltBitMap(src.bm, 0, 0, dst.bm, 8, 0, 4, 4, 0xC0, 0xFF, nullptr), 0);
    // Coordinates at the ends of their range neither wrap nor reach memory.
    EXPECT_EQ(BltBitMap(src.bm, 0x7FFFFFF0, 0, dst.bm, 0, 0, 0x7FFFFFF0, 4, 0xC0, 0xFF, nullptr), 0);
    EXPECT_EQ(BltBitMap(src.bm, -0x7FFFFFFF, 0, dst.bm, 0x7FFFFFF0, 0, 0x7FFFFFFF, 4, 0xC0, 0xFF, nullptr), 0);
    BltTemplate(reinterpret_cast<PLANEPTR>(src.Chunky()->pixels), 0, 2, &dst.rp, 0x7FFFFFF0, 0, 0x7FFFFFF0, 1);
    EXPECT_EQ(BltBitMap(src.bm, 0, 0, dst.bm, 0, 0, 4, 4, 0xC0, 0xFF, nullptr), 1);
}

TEST(Blits, OverlapWithinOneBitmap)
{
    Canvas c(6, 6, 32);
    Pattern(c);
    // Down and to the right by one: rows must be copied from the bottom.
    BltBitMap(c.bm, 0, 0, c.bm, 1, 1, 5, 5, 0xC0, 0xFF, nullptr);
    for (LONG y = 1; y < 6; y++)
        for (LONG x = 1; x < 6; x++)
            ASSERT_EQ(hosted::LoadPixel(PIXFMT_BGRA32, hosted::PixelAddress(c.Chunky(), x, y)),
                      0x55000000u | ULONG((x - 1) << 12) | ULONG(y - 1));
    Canvas p(16, 4, 1);
    RectFill(&p.rp, 0, 0, 3, 0);
    BltBitMap(p.bm, 0, 0, p.bm, 2, 0, 8, 1, 0xC0, 0xFF, nullptr);
    EXPECT_EQ(p.Picture(0, 0, 12, 1), "######......\n");
}

TEST(Blits, PlanarMinterms)
{
    Canvas a(8, 1, 1), b(8, 1, 1);
    RectFill(&a.rp, 0, 0, 3, 0);   // source   ####....
    RectFill(&b.rp, 2, 0, 5, 0);   // dest     ..####..
    Canvas work(8, 1, 1);
    struct { ULONG minterm; const char *result; } cases[] = {
        {0xC0, "####....\n"}, {0x30, "....####\n"}, {0x50, "##....##\n"}, {0x60, "##..##..\n"},
        {0x80, "..##....\n"}, {0xE0, "######..\n"}, {0x00, "........\n"}, {0xF0, "########\n"},
    };
    for (const auto &t : cases) {
        BltBitMap(b.bm, 0, 0, work.bm, 0, 0, 8, 1, 0xC0, 0xFF, nullptr);
        BltBitMap(a.bm, 0, 0, work.bm, 0, 0, 8, 1, t.minterm, 0xFF, nullptr);
        EXPECT_EQ(work.Picture(0, 0, 8, 1), t.result) << std::hex << t.minterm;
    }
    // The plane mask keeps planes out.
    Canvas deep(8, 1, 2);
    SetAPen(&deep.rp, 2);
    RectFill(&deep.rp, 0, 0, 7, 0);
    BltBitMap(a.bm, 0, 0, deep.bm, 0, 0, 8, 1, 0xC0, 0x2, nullptr);   // plane 1 only
    EXPECT_EQ(ReadPixel(&deep.rp, 0, 0), 0);   // plane 1 took the source's plane 1 (clear)
    EXPECT_EQ(ReadPixel(&deep.rp, 5, 0), 0);
}

TEST(Blits, PlanarToChunkyGoesThroughPens)
{
    Canvas p(8, 2, 2);
    SetAPen(&p.rp, 3);
    RectFill(&p.rp, 0, 0, 1, 0);
    SetAPen(&p.rp, 2);
    RectFill(&p.rp, 2, 0, 3, 0);
    Canvas c(8, 2, 32);
    struct ColorMap *cm = GetColorMap(4);
    SetRGB32CM(cm, 3, 0x11111111, 0x22222222, 0x33333333);
    hosted::SetBitMapColorMap(c.bm, cm);
    BltBitMapRastPort(p.bm, 0, 0, &c.rp, 0, 0, 8, 2, 0xC0);
    EXPECT_EQ(c.Rgb(0, 0), 0x112233u);
    EXPECT_EQ(c.Rgb(2, 0), 0x000000u);   // pen 2 of the map is black
    hosted::SetBitMapColorMap(c.bm, nullptr);
    FreeColorMap(cm);
    // And back: chunky colours become the nearest pens of the default palette.
    Canvas q(8, 2, 2);
    BltBitMap(c.bm, 0, 0, q.bm, 0, 0, 8, 1, 0xC0, 0xFF, nullptr);
    EXPECT_EQ(ReadPixel(&q.rp, 2, 0), 1);   // black
}

TEST(Blits, ClipBlitAndTemplates)
{
    Canvas src(8, 8, 32);
    SetAPen(&src.rp, 2);
    RectFill(&src.rp, 2, 2, 3, 3);
    Canvas dst(8, 8, 32);
    ClipBlit(&src.rp, 2, 2, &dst.rp, 0, 0, 2, 2, 0xC0);
    EXPECT_EQ(dst.Rgb(1, 1), 0xFFFFFFu);
    EXPECT_EQ(dst.Rgb(2, 2), 0u);

    Canvas t(16, 2, 1);
    const UBYTE bits[] = {0b10110000, 0b00000001, 0b01000000, 0b00000000};
    SetDrMd(&t.rp, JAM2);
    SetRast(&t.rp, 1);
    BltTemplate(const_cast<PLANEPTR>(bits), 2, 2, &t.rp, 3, 0, 8, 2);
    // Row 0 from bit 2: "##......"; row 1: all clear. JAM2 clears in BPen.
    EXPECT_EQ(t.Picture(0, 0, 16, 2), "#####......#####\n###........#####\n");
}

}  // namespace

namespace {

// A picture drawn by hand in BGRA32 memory, fourth byte 0, as a program
// drawing straight into a screen-format bitmap leaves it.
TEST(Blits, ABgraPictureReachesEveryChunkyFormatInItsColours)
{
    Canvas screen(8, 8, 32, BMF_CLEAR);
    Canvas picture(5, 4, 32, BMF_MINPLANES, screen.bm);   // the screen's friend: BGRA32
    ASSERT_EQ(GetCyberMapAttr(picture.bm, CYBRMATTR_PIXFMT), PIXFMT_BGRA32);
    APTR base = nullptr;
    ULONG bytesPerRow = 0;
    APTR handle = LockBitMapTags(picture.bm, LBMI_BASEADDRESS, &base, LBMI_BYTESPERROW, &bytesPerRow, TAG_DONE);
    ASSERT_NE(handle, nullptr);
    UnLockBitMap(handle);
    EXPECT_EQ(bytesPerRow, GetCyberMapAttr(picture.bm, CYBRMATTR_XMOD));
    for (ULONG y = 0; y < 4; y++)
        for (ULONG x = 0; x < 5; x++) {
            UBYTE *p = static_cast<UBYTE *>(base) + y * bytesPerRow + x * 4;
            p[0] = UBYTE(0x10 + x), p[1] = UBYTE(0x20 + y), p[2] = 0xC0, p[3] = 0;
        }
    for (ULONG format : {PIXFMT_BGRA32, PIXFMT_ARGB32, PIXFMT_RGBA32}) {
        Canvas window(6, 6, 32, BMF_CLEAR | BMF_SPECIALFMT | SHIFT_PIXFMT(format));
        BltBitMapRastPort(picture.bm, 1, 1, &window.rp, 2, 1, 4, 3, 0xC0);
        for (LONG y = 0; y < 6; y++)
            for (LONG x = 0; x < 6; x++) {
                bool in = x >= 2 && y >= 1 && y < 4;
                ULONG expected = in ? 0x00C00000u | ULONG(0x20 + y) << 8 | ULONG(0x10 + x - 1) : 0;
                UBYTE argb[4];
                ReadPixelArray(argb, 0, 0, 4, &window.rp, ULONG(x), ULONG(y), 1, 1, RECTFMT_ARGB);
                ULONG got = ULONG(argb[1]) << 16 | ULONG(argb[2]) << 8 | argb[3];
                ASSERT_EQ(got, expected) << format << " " << x << "," << y;
            }
    }
}

TEST(Blits, AFriendBitMapFailsWithTheAllocationSwitch)
{
    Canvas screen(8, 8, 32, BMF_CLEAR);
    hosted::SetAllocFailure(4 * 100 * 100, 0);
    struct BitMap *large = AllocBitMap(200, 100, 32, BMF_MINPLANES, screen.bm);
    struct BitMap *small = AllocBitMap(100, 50, 32, BMF_MINPLANES, screen.bm);
    hosted::SetAllocFailure(0, 1);
    struct BitMap *next = AllocBitMap(10, 10, 32, BMF_MINPLANES, screen.bm);
    struct BitMap *after = AllocBitMap(10, 10, 32, BMF_MINPLANES, screen.bm);
    hosted::SetAllocFailure(0, 0);
    EXPECT_EQ(large, nullptr);
    EXPECT_NE(small, nullptr);
    EXPECT_EQ(next, nullptr);
    EXPECT_NE(after, nullptr);
    FreeBitMap(small);
    FreeBitMap(after);
}

}  // namespace
