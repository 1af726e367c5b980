// PresentLister on a 32-bit bitmap: both paths show the same colours in the right place.
#include <lister/present.h>

#include <proto/cybergraphics.h>
#include <proto/graphics.h>

#include "support.h"

#include <gtest/gtest.h>

using listertest::TestPicture;

namespace {

// A BGRA32 bitmap with a rastport on it, standing in for a window.
struct Screen {
    Screen()
    {
        bitmap = AllocBitMap(120, 90, 32, BMF_CLEAR, nullptr);
        InitRastPort(&rp);
        rp.BitMap = bitmap;
        APTR handle = LockBitMapTags(bitmap, LBMI_BASEADDRESS, &base, LBMI_BYTESPERROW, &bytesPerRow, TAG_DONE);
        if (handle != nullptr)
            UnLockBitMap(handle);
    }
    ~Screen() { FreeBitMap(bitmap); }

    // The colour at x, y as 0x00RRGGBB, from the BGRA bytes.
    ULONG At(ULONG x, ULONG y) const
    {
        const UBYTE *p = static_cast<const UBYTE *>(base) + y * bytesPerRow + x * 4;
        return (ULONG(p[2]) << 16) | (ULONG(p[1]) << 8) | p[0];
    }

    struct BitMap *bitmap = nullptr;
    struct RastPort rp;
    APTR base = nullptr;
    ULONG bytesPerRow = 0;
};

ULONG Pattern(ULONG x, ULONG y) { return ((x * 7) & 0xFF) << 16 | ((y * 5) & 0xFF) << 8 | ((x + y) & 0xFF); }

}  // namespace

TEST(Present, BothPathsShowTheViewportBelowTheStatusLine)
{
    TestPicture list(300, 400);
    for (ULONG y = 0; y < 400; y++)
        for (ULONG x = 0; x < 300; x++)
            StorePixel(list.target.PixelAt(x, y), Pattern(x, y));
    TestPicture strip(100, 6, 0x00ABCDEF);

    ListerGeometry geometry;
    geometry.leftBorder = 4;
    geometry.topBorder = 11;
    geometry.innerWidth = 100;
    geometry.statusHeight = 6;
    geometry.visibleHeight = 70;
    ListerView view;
    view.bitmapWidth = 300;
    view.bitmapHeight = 400;
    view.innerWidth = 100;
    view.visibleHeight = 70;
    view.scrollTop = 33;
    view.scrollLeft = 17;

    DirectBitMap direct;
    ASSERT_TRUE(AllocDirectBitMap(direct, 116, 80, nullptr));
    const DirectBitMap *paths[] = {nullptr, &direct};
    for (const DirectBitMap *path : paths) {
        Screen screen;
        ASSERT_NE(screen.base, nullptr);
        PresentLister(&screen.rp, geometry, strip.target, list.target, view, path);
        EXPECT_EQ(screen.At(4, 11), 0x00ABCDEFu);
        EXPECT_EQ(screen.At(103, 16), 0x00ABCDEFu);
        EXPECT_EQ(screen.At(3, 11), 0u);
        for (ULONG y = 0; y < 70; y++)
            for (ULONG x = 0; x < 100; x++)
                ASSERT_EQ(screen.At(4 + x, 17 + y), Pattern(17 + x, 33 + y)) << x << "," << y << (path ? " direct" : "");
        EXPECT_EQ(screen.At(104, 20), 0u);
        EXPECT_EQ(screen.At(10, 87), 0u);
    }
    FreeDirectBitMap(direct);
    EXPECT_EQ(direct.bitmap, nullptr);
}

TEST(Present, AHighlightedLineIsCopiedOnlyWhereItIsVisible)
{
    ListerView view;
    view.scrollTop = 25;
    view.visibleHeight = 40;
    ULONG first = 0;
    EXPECT_EQ(VisibleLineRows(2, 10, view, &first), 5u);   // rows 20-29: 25-29 visible
    EXPECT_EQ(first, 25u);
    EXPECT_EQ(VisibleLineRows(3, 10, view, &first), 10u);
    EXPECT_EQ(first, 30u);
    EXPECT_EQ(VisibleLineRows(6, 10, view, &first), 5u);   // rows 60-69: 60-64 visible
    EXPECT_EQ(first, 60u);
    EXPECT_EQ(VisibleLineRows(7, 10, view, &first), 0u);
    EXPECT_EQ(VisibleLineRows(1, 10, view, &first), 0u);

    TestPicture list(50, 100, 0x00112233);
    for (ULONG x = 0; x < 50; x++)
        for (ULONG y = 20; y < 30; y++)
            StorePixel(list.target.PixelAt(x, y), 0x00FF0000);
    ListerGeometry geometry;
    geometry.leftBorder = 2;
    geometry.topBorder = 3;
    geometry.innerWidth = 50;
    geometry.statusHeight = 4;
    geometry.visibleHeight = 40;
    Screen screen;
    PresentListerLine(&screen.rp, geometry, list.target, view, 2, 10);
    // Bitmap rows 25-29 land on window rows 7 … 11 (the list starts at 3 + 4).
    EXPECT_EQ(screen.At(2, 7), 0x00FF0000u);
    EXPECT_EQ(screen.At(51, 11), 0x00FF0000u);
    EXPECT_EQ(screen.At(2, 12), 0u);
    EXPECT_EQ(screen.At(2, 6), 0u);
}
