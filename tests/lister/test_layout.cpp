// ComputeListerLayout: columns, the bitmap's size, and the cut when the "Bitmap" buffer is too small.
#include <lister/layout.h>

#include "support.h"

#include <gtest/gtest.h>

using listertest::TestEntries;

namespace {

constexpr ULONG X = 8, Y = 12;

struct LayoutScene {
    LayoutScene(ULONG files, ULONG nameWidth, ULONG sizeWidth, ULONG commentWidth)
    {
        ListerHeader &header = *entries.buffer.Header();
        header.fileCount = files;
        header.nameWidth = nameWidth;
        header.sizeWidth = sizeWidth;
        header.commentWidth = commentWidth;
    }
    ListerLayout Lay(ULONG bitmapSize = 100000000, ULONG dateWidth = 10) const
    {
        return ComputeListerLayout(*entries.buffer.Header(), config, X, Y, dateWidth, bitmapSize);
    }
    TestEntries entries{64 * 1024};
    ConfigRecord config;
};

}  // namespace

TEST(Layout, ColumnsWithAndWithoutStatusAndComment)
{
    LayoutScene scene(10, 20, 5, 30);
    ListerLayout layout = scene.Lay();
    EXPECT_TRUE(layout.statusAndComment);
    EXPECT_EQ(layout.columns.Total(), 20u + 5 + 10 + 9 + 9 + 30);
    EXPECT_EQ(layout.width, (20u + 5 + 10 + 9 + 9 + 30) * X + 2);
    EXPECT_EQ(layout.stride, layout.width * 4);

    scene.config.SetHideStatusAndComment(1);
    layout = scene.Lay();
    EXPECT_FALSE(layout.statusAndComment);
    EXPECT_EQ(layout.columns.protection, 0u);
    EXPECT_EQ(layout.columns.comment, 0u);
    EXPECT_EQ(layout.width, (20u + 5 + 10 + 9) * X + 2);
}

TEST(Layout, WidthAndHeightLimits)
{
    LayoutScene narrow(3, 2, 2, 0);
    narrow.config.SetHideStatusAndComment(1);
    ListerLayout layout = narrow.Lay();
    EXPECT_EQ(layout.width, 256u);
    EXPECT_EQ(layout.height, 256u);   // three lines still get 256 rows of gradient
    EXPECT_EQ(layout.linesDrawn, 3u);

    LayoutScene wide(3, 1100, 2, 0);
    EXPECT_EQ(wide.Lay().width, 8191u);

    LayoutScene tall(1000, 20, 5, 0);
    layout = tall.Lay();
    EXPECT_EQ(layout.height, 12000u);
    EXPECT_FALSE(layout.bitmapTooSmall);
}

TEST(Layout, ExactlyFittingBitmapIsShownWhole)
{
    LayoutScene scene(1000, 20, 5, 0);
    scene.config.SetHideStatusAndComment(1);
    ListerLayout whole = scene.Lay();
    ULONG bytes = whole.width * whole.height * 4;
    ListerLayout exact = scene.Lay(bytes);
    EXPECT_FALSE(exact.bitmapTooSmall);
    EXPECT_EQ(exact.linesDrawn, 1000u);
    EXPECT_EQ(exact.height, 12000u);
}

TEST(Layout, TooSmallBitmapKeepsTheWholeLinesThatFit)
{
    LayoutScene scene(1000, 20, 5, 0);
    scene.config.SetHideStatusAndComment(1);
    ListerLayout whole = scene.Lay();
    ULONG bytes = whole.width * whole.height * 4 - 1;
    ListerLayout cut = scene.Lay(bytes);
    EXPECT_TRUE(cut.bitmapTooSmall);
    EXPECT_EQ(cut.lineCount, 1000u);
    EXPECT_EQ(cut.linesDrawn, 999u);
    EXPECT_EQ(cut.height, 999u * Y);
    EXPECT_LE(UQUAD(cut.height) * cut.stride, bytes);

    // Room for 300 rows: 25 lines, and 300 ≥ 256 rows stay.
    ListerLayout few = scene.Lay(whole.stride * 300 + 5);
    EXPECT_EQ(few.linesDrawn, 25u);
    EXPECT_EQ(few.height, 300u);

    // Room for 100 rows only: fewer than 256, all of them used.
    ListerLayout tiny = scene.Lay(whole.stride * 100);
    EXPECT_EQ(tiny.linesDrawn, 8u);
    EXPECT_EQ(tiny.height, 100u);

    // Not even a row.
    ListerLayout none = scene.Lay(whole.stride - 1);
    EXPECT_TRUE(none.bitmapTooSmall);
    EXPECT_EQ(none.height, 0u);
    EXPECT_EQ(none.linesDrawn, 0u);
}
