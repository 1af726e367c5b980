// Bitmaps: planar row alignment, chunky formats and true sizes, attributes, resizing, memory failure.
#include "canvas.h"

#include <hosted/task.h>
#include <proto/exec.h>

namespace {

TEST(BitMaps, PlanarRowsAreClearedAndAlignedForWordReads)
{
    for (ULONG width : {1u, 8u, 31u, 32u, 33u, 127u, 128u, 129u, 10240u, 18624u}) {
        struct BitMap *bm = AllocBitMap(width, 12, 1, BMF_MINPLANES | BMF_CLEAR, nullptr);
        ASSERT_NE(bm, nullptr) << width;
        EXPECT_EQ(bm->BytesPerRow % 16, 0u) << width;
        EXPECT_GE(bm->BytesPerRow * 8u, width);
        EXPECT_LT(bm->BytesPerRow * 8u, width + 128);
        EXPECT_EQ(bm->Rows, 12);
        EXPECT_EQ(bm->Depth, 1);
        EXPECT_EQ(reinterpret_cast<IPTR>(bm->Planes[0]) % 4, 0u);
        for (ULONG i = 0; i < bm->BytesPerRow * 12u; i++)
            ASSERT_EQ(bm->Planes[0][i], 0) << width;
        EXPECT_EQ(GetBitMapAttr(bm, BMA_WIDTH), bm->BytesPerRow * 8u);
        EXPECT_EQ(GetBitMapAttr(bm, BMA_HEIGHT), 12u);
        EXPECT_EQ(GetBitMapAttr(bm, BMA_DEPTH), 1u);
        FreeBitMap(bm);
    }
}

TEST(BitMaps, PlanarDepthsGetSeparatePlanesOrInterleavedRows)
{
    struct BitMap *bm = AllocBitMap(100, 10, 3, BMF_CLEAR, nullptr);
    ASSERT_NE(bm, nullptr);
    EXPECT_EQ(bm->Depth, 3);
    EXPECT_NE(bm->Planes[0], bm->Planes[1]);
    EXPECT_GE(static_cast<size_t>(bm->Planes[1] - bm->Planes[0]), size_t(bm->BytesPerRow) * 10);
    FreeBitMap(bm);

    bm = AllocBitMap(100, 10, 3, BMF_CLEAR | BMF_INTERLEAVED, nullptr);
    ASSERT_NE(bm, nullptr);
    EXPECT_EQ(bm->Planes[1] - bm->Planes[0], bm->BytesPerRow / 3);
    EXPECT_EQ(GetBitMapAttr(bm, BMA_FLAGS) & BMF_INTERLEAVED, ULONG(BMF_INTERLEAVED));
    EXPECT_EQ(GetBitMapAttr(bm, BMA_WIDTH), bm->BytesPerRow / 3u * 8u);
    FreeBitMap(bm);
}

TEST(BitMaps, ChunkyFormatsFollowDepthFriendAndSpecialFormat)
{
    struct BitMap *screen = AllocBitMap(64, 32, 32, BMF_CLEAR, nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetCyberMapAttr(screen, CYBRMATTR_PIXFMT), PIXFMT_BGRA32);
    EXPECT_EQ(GetBitMapAttr(screen, BMA_DEPTH), 32u);
    EXPECT_EQ(GetCyberMapAttr(screen, CYBRMATTR_ISCYBERGFX), 0xFFFFFFFFu);

    struct BitMap *argb = AllocBitMap(8, 8, 24, BMF_SPECIALFMT | SHIFT_PIXFMT(PIXFMT_ARGB32), nullptr);
    ASSERT_NE(argb, nullptr);
    EXPECT_EQ(GetCyberMapAttr(argb, CYBRMATTR_PIXFMT), PIXFMT_ARGB32);

    struct BitMap *friendOfArgb = AllocBitMap(8, 8, 8, BMF_MINPLANES, argb);
    ASSERT_NE(friendOfArgb, nullptr);
    EXPECT_NE(hosted::ChunkyOf(friendOfArgb), nullptr);
    EXPECT_EQ(GetCyberMapAttr(friendOfArgb, CYBRMATTR_PIXFMT), PIXFMT_ARGB32);

    // A depth-1 bitmap stays a bit plane whatever its friend.
    struct BitMap *mask = AllocBitMap(8, 8, 1, 0, screen);
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(hosted::ChunkyOf(mask), nullptr);
    EXPECT_EQ(GetCyberMapAttr(mask, CYBRMATTR_ISCYBERGFX), 0u);

    struct BitMap *badFormat = AllocBitMap(8, 8, 32, BMF_SPECIALFMT | SHIFT_PIXFMT(PIXFMT_RGB16), nullptr);
    EXPECT_EQ(badFormat, nullptr);
    FreeBitMap(mask);
    FreeBitMap(friendOfArgb);
    FreeBitMap(argb);
    FreeBitMap(screen);
}

TEST(BitMaps, ChunkyBitMapsKeepTrueSizesBeyondSixteenBits)
{
    struct BitMap *tall = AllocBitMap(3, 70000, 32, BMF_MINPLANES | BMF_CLEAR, nullptr);
    ASSERT_NE(tall, nullptr);
    EXPECT_EQ(tall->Rows, 0xFFFF);
    EXPECT_EQ(GetBitMapAttr(tall, BMA_HEIGHT), 70000u);
    EXPECT_EQ(GetCyberMapAttr(tall, CYBRMATTR_HEIGHT), 70000u);
    EXPECT_EQ(GetCyberMapAttr(tall, CYBRMATTR_WIDTH), 3u);
    EXPECT_EQ(GetCyberMapAttr(tall, CYBRMATTR_XMOD), 16u);

    // Drawing reaches the last row and no further.
    struct RastPort rp;
    InitRastPort(&rp);
    rp.BitMap = tall;
    SetAPen(&rp, 2);
    RectFill(&rp, 0, 69998, 2, 80000);
    auto *c = hosted::ChunkyOf(tall);
    EXPECT_EQ(c->pixels[69999u * 16], 0xFF);
    EXPECT_EQ(c->pixels[69997u * 16], 0x00);
    FreeBitMap(tall);
}

TEST(BitMaps, InvalidRequestsGiveNull)
{
    EXPECT_EQ(AllocBitMap(0, 10, 1, 0, nullptr), nullptr);
    EXPECT_EQ(AllocBitMap(10, 0, 32, 0, nullptr), nullptr);
    EXPECT_EQ(AllocBitMap(10, 10, 0, 0, nullptr), nullptr);
    EXPECT_EQ(AllocBitMap(10, 70000, 1, 0, nullptr), nullptr);   // planar rows are 16-bit
    EXPECT_EQ(GetBitMapAttr(nullptr, BMA_WIDTH), 0u);
    FreeBitMap(nullptr);
}

TEST(BitMaps, AllocationFailureIsReported)
{
    hosted::SetAllocFailure(100000, 0);
    EXPECT_EQ(AllocBitMap(1000, 1000, 32, 0, nullptr), nullptr);
    EXPECT_EQ(AllocBitMap(8000, 200, 1, 0, nullptr), nullptr);
    struct BitMap *small = AllocBitMap(10, 10, 32, 0, nullptr);
    EXPECT_NE(small, nullptr);
    // The platform's own backing stores are not the program's memory.
    struct BitMap *store = hosted::AllocChunkyBitMap(1000, 1000, PIXFMT_BGRA32, true);
    EXPECT_NE(store, nullptr);
    hosted::SetAllocFailure(0, 0);
    FreeBitMap(small);
    FreeBitMap(store);
}

TEST(BitMaps, InitBitMapFillsTheHeader)
{
    struct BitMap bm;
    InitBitMap(&bm, 2, 17, 5);
    EXPECT_EQ(bm.BytesPerRow, 4);
    EXPECT_EQ(bm.Rows, 5);
    EXPECT_EQ(bm.Depth, 2);
    EXPECT_EQ(hosted::ChunkyOf(&bm), nullptr);
}

TEST(BitMaps, ResizeKeepsSharedPixelsAndFillsNewOnes)
{
    struct BitMap *bm = hosted::AllocChunkyBitMap(4, 3, PIXFMT_BGRA32, true);
    ASSERT_NE(bm, nullptr);
    auto *c = hosted::ChunkyOf(bm);
    for (LONG y = 0; y < 3; y++)
        for (LONG x = 0; x < 4; x++)
            hosted::StorePixel(PIXFMT_BGRA32, hosted::PixelAddress(c, x, y), ULONG(0xFF000000 | (y << 8) | x));

    ASSERT_TRUE(hosted::ResizeChunkyBitMap(bm, 40, 5, 0x123456));
    EXPECT_EQ(hosted::ChunkyOf(bm), c);   // the record stays where it is
    EXPECT_EQ(c->width, 40);
    EXPECT_EQ(c->height, 5);
    EXPECT_GE(c->bytesPerRow, 160);
    for (LONG y = 0; y < 5; y++) {
        for (LONG x = 0; x < 40; x++) {
            ULONG v = hosted::LoadPixel(PIXFMT_BGRA32, hosted::PixelAddress(c, x, y)) & 0xFFFFFF;
            ULONG expected = (x < 4 && y < 3) ? ULONG((y << 8) | x) : 0x123456u;
            ASSERT_EQ(v, expected) << x << "," << y;
        }
    }
    ASSERT_TRUE(hosted::ResizeChunkyBitMap(bm, 2, 2, 0));
    EXPECT_EQ(GetCyberMapAttr(bm, CYBRMATTR_WIDTH), 2u);
    EXPECT_EQ(hosted::LoadPixel(PIXFMT_BGRA32, hosted::PixelAddress(c, 1, 1)) & 0xFFFFFF, 0x101u);
    EXPECT_FALSE(hosted::ResizeChunkyBitMap(bm, 0, 2, 0));
    EXPECT_EQ(c->width, 2);
    FreeBitMap(bm);
}

TEST(BitMaps, BltClearFillsOrClears)
{
    UBYTE block[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    BltClear(block, 6, 0);
    EXPECT_EQ(block[5], 0);
    EXPECT_EQ(block[6], 7);
    BltClear(block, (2 << 16) | 2, 2 | 4 | 0xABCD0000u);
    EXPECT_EQ(block[0], 0xAB);
    EXPECT_EQ(block[3], 0xCD);
    EXPECT_EQ(block[4], 0);
}

}  // namespace

namespace {

TEST(Libraries, GraphicsAndCyberGraphicsAreRegisteredWithExec)
{
    struct Library *gfx = OpenLibrary("graphics.library", 0);
    ASSERT_NE(gfx, nullptr);
    EXPECT_STREQ(gfx->lib_Node.ln_Name, "graphics.library");
    struct Library *cgx = OpenLibrary("cybergraphics.library", 0);
    ASSERT_NE(cgx, nullptr);
    EXPECT_STREQ(cgx->lib_Node.ln_Name, "cybergraphics.library");
    EXPECT_EQ(OpenLibrary("graphics.library", 9999), nullptr);
    CloseLibrary(cgx);
    CloseLibrary(gfx);
}

}  // namespace
