// Window frames as geometry and pixels, without a screen: border sizes, where the gadgets lie, what is painted.
#include "frame.h"
#include "look.h"

#include <hosted/graphics.h>
#include <proto/graphics.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

using hosted::Box;
using hosted::FrameLayout;
using hosted::FrameMetrics;
using hosted::FrameStyle;

FrameMetrics Metrics()
{
    FrameMetrics m;
    m.titleHeight = 15;
    m.plainBorder = 4;
    m.sizeWidth = 18;
    m.sizeHeight = 12;
    m.closeWidth = 19;
    m.depthWidth = 23;
    return m;
}

FrameStyle Full(LONG width, LONG height)
{
    FrameStyle style;
    style.width = width;
    style.height = height;
    style.titleBar = style.close = style.depth = style.size = style.drag = true;
    return style;
}

TEST(FrameGeometry, BordersFollowTheGadgets)
{
    FrameMetrics m = Metrics();
    FrameLayout f = hosted::LayoutFrame(Full(300, 200), m);
    EXPECT_EQ(f.left, 4);
    EXPECT_EQ(f.top, 15);
    EXPECT_EQ(f.right, 18);
    EXPECT_EQ(f.bottom, 12);

    FrameStyle style = Full(300, 200);
    style.sizeRight = true;
    style.sizeBottom = false;   // WA_SizeBRight alone
    f = hosted::LayoutFrame(style, m);
    EXPECT_EQ(f.right, 18);
    EXPECT_EQ(f.bottom, 4);
    style.sizeRight = false;
    style.sizeBottom = true;
    f = hosted::LayoutFrame(style, m);
    EXPECT_EQ(f.right, 4);
    EXPECT_EQ(f.bottom, 12);

    style = FrameStyle{};
    style.width = 100;
    style.height = 50;
    f = hosted::LayoutFrame(style, m);   // no title bar, no gadgets
    EXPECT_EQ(f.top, 4);
    EXPECT_TRUE(f.close.Empty());
    EXPECT_TRUE(f.drag.Empty());
    style.borderless = true;
    f = hosted::LayoutFrame(style, m);
    EXPECT_EQ(f.left + f.top + f.right + f.bottom, 0);
}

TEST(FrameGeometry, GadgetsLieInTheirCornersAndTheDragBarBetween)
{
    FrameMetrics m = Metrics();
    FrameLayout f = hosted::LayoutFrame(Full(300, 200), m);
    EXPECT_EQ(f.close, (Box{0, 0, 19, 15}));
    EXPECT_EQ(f.depth, (Box{300 - 23, 0, 300, 15}));
    EXPECT_EQ(f.drag, (Box{19, 0, 300 - 23, 15}));
    EXPECT_EQ(f.size, (Box{300 - 18, 200 - 12, 300, 200}));
    EXPECT_EQ(hosted::PartAt(f, 5, 5), hosted::PartClose);
    EXPECT_EQ(hosted::PartAt(f, 299, 14), hosted::PartDepth);
    EXPECT_EQ(hosted::PartAt(f, 150, 7), hosted::PartDrag);
    EXPECT_EQ(hosted::PartAt(f, 299, 199), hosted::PartSize);
    EXPECT_EQ(hosted::PartAt(f, 150, 100), hosted::PartNone);
    EXPECT_EQ(hosted::PartAt(f, 1, 100), hosted::PartNone);   // a plain border
}

// Paints a frame into a bitmap prefilled with a colour no pen has.
class FramePaint : public ::testing::Test {
protected:
    static constexpr ULONG kUntouched = 0xFF00FF;
    struct ColorMap *cm = nullptr;
    struct BitMap *bm = nullptr;
    struct RastPort rp{};

    void SetUp() override
    {
        setenv("KESTROVANE_FONT", "test", 1);
        cm = GetColorMap(256);
        for (ULONG pen = 0; pen < hosted::LookPenCount; pen++) {
            ULONG c = hosted::kLookColors[pen];
            SetRGB32CM(cm, pen, ((c >> 16) & 0xFF) * 0x01010101u, ((c >> 8) & 0xFF) * 0x01010101u,
                       (c & 0xFF) * 0x01010101u);
        }
        SetRGB32CM(cm, 20, 0xFFFFFFFF, 0, 0xFFFFFFFF);
        bm = hosted::AllocChunkyBitMap(300, 200, PIXFMT_BGRA32, false);
        hosted::SetBitMapColorMap(bm, cm);
        InitRastPort(&rp);
        rp.BitMap = bm;
        SetRast(&rp, 20);
    }
    void TearDown() override
    {
        FreeBitMap(bm);
        FreeColorMap(cm);
    }
    ULONG At(LONG x, LONG y)
    {
        const hosted::ChunkyBitMap *c = hosted::ChunkyOf(bm);
        ULONG v;
        std::memcpy(&v, c->pixels + y * c->bytesPerRow + 4 * x, 4);
        return v & 0xFFFFFF;
    }
    int Count(const Box &b, ULONG colour)
    {
        int n = 0;
        for (LONG y = b.y0; y < b.y1; y++)
            for (LONG x = b.x0; x < b.x1; x++)
                n += At(x, y) == colour;
        return n;
    }
};

TEST_F(FramePaint, ActiveAndInactiveFramesAndTheInsideLeftAlone)
{
    FrameMetrics m = Metrics();
    FrameStyle style = Full(300, 200);
    style.active = true;
    style.title = "Title";
    FrameLayout f = hosted::LayoutFrame(style, m);
    hosted::PaintFrame(&rp, style, f, hosted::TestFont());
    EXPECT_EQ(At(0, 0), hosted::kLookColors[hosted::PenAccentDark]);
    EXPECT_EQ(At(f.drag.x1 - 3, 7), hosted::kLookColors[hosted::PenAccent]);
    EXPECT_EQ(At(1, 100), hosted::kLookColors[hosted::PenFrame]);
    EXPECT_EQ(Count(Box{f.left, f.top, 300 - f.right, 200 - f.bottom}, kUntouched),
              (300 - f.left - f.right) * (200 - f.top - f.bottom));
    // Glyphs in the gadgets and letters in the title.
    EXPECT_GT(Count(f.close, hosted::kLookColors[hosted::PenShine]), 5);
    EXPECT_GT(Count(f.depth, hosted::kLookColors[hosted::PenShine]), 5);
    EXPECT_GT(Count(f.size, hosted::kLookColors[hosted::PenText]), 5);
    EXPECT_GT(Count(f.titleText, hosted::kLookColors[hosted::PenShine]), 10);

    style.active = false;
    hosted::PaintFrame(&rp, style, f, hosted::TestFont());
    EXPECT_EQ(At(0, 0), hosted::kLookColors[hosted::PenShadow]);
    EXPECT_EQ(At(f.drag.x1 - 3, 7), hosted::kLookColors[hosted::PenFrame]);
    EXPECT_GT(Count(f.titleText, hosted::kLookColors[hosted::PenText]), 10);
    EXPECT_EQ(Count(f.titleText, hosted::kLookColors[hosted::PenShine]), 0);
}

TEST_F(FramePaint, ALongTitleStopsBeforeTheDepthGadget)
{
    FrameMetrics m = Metrics();
    FrameStyle style = Full(300, 200);
    style.active = true;
    FrameLayout f = hosted::LayoutFrame(style, m);
    hosted::PaintFrame(&rp, style, f, hosted::TestFont());
    int plain = Count(f.depth, hosted::kLookColors[hosted::PenShine]);
    style.title = "A title far too long to fit into the title bar of a window this narrow, by far";
    hosted::PaintFrame(&rp, style, f, hosted::TestFont());
    EXPECT_EQ(Count(f.depth, hosted::kLookColors[hosted::PenShine]), plain);
    EXPECT_GT(Count(Box{f.titleText.x1 - 40, 0, f.titleText.x1, f.top}, hosted::kLookColors[hosted::PenShine]), 0);
}

TEST_F(FramePaint, PressedGadgetsAreDrawnPressed)
{
    FrameMetrics m = Metrics();
    FrameStyle style = Full(300, 200);
    style.active = true;
    FrameLayout f = hosted::LayoutFrame(style, m);
    style.pressed = hosted::PartClose;
    hosted::PaintFrame(&rp, style, f, hosted::TestFont());
    EXPECT_EQ(At(f.close.x0 + 2, f.close.y0 + 2), hosted::kLookColors[hosted::PenAccentDark]);
    style.pressed = hosted::PartNone;
    hosted::PaintFrame(&rp, style, f, hosted::TestFont());
    EXPECT_EQ(At(f.close.x0 + 2, f.close.y0 + 2), hosted::kLookColors[hosted::PenAccent]);
}

}  // namespace
