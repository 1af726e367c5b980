// Scrolling: the arrows' clamps, the vertical scroller's scale and the pots.
#include <lister/scroll.h>

#include <gtest/gtest.h>

namespace {

ListerView View(ULONG width, ULONG height, ULONG innerWidth, ULONG visibleHeight)
{
    ListerView view;
    view.bitmapWidth = width;
    view.bitmapHeight = height;
    view.innerWidth = innerWidth;
    view.visibleHeight = visibleHeight;
    return view;
}

}  // namespace

TEST(Scroll, DownStopsExactlyAtTheBottomAndUpAtZero)
{
    ListerView view = View(300, 1000, 300, 400);
    ScrollArrowDown(view);
    EXPECT_EQ(view.scrollTop, 30u);
    view.scrollTop = 570;
    ScrollArrowDown(view);          // 570 + 30 + 400 = 1000: not below H, so clamp
    EXPECT_EQ(view.scrollTop, 600u);
    ScrollArrowDown(view);
    EXPECT_EQ(view.scrollTop, 600u);
    view.scrollTop = 569;
    ScrollArrowDown(view);
    EXPECT_EQ(view.scrollTop, 599u);
    view.scrollTop = 30;
    ScrollArrowUp(view);
    EXPECT_EQ(view.scrollTop, 0u);
    view.scrollTop = 31;
    ScrollArrowUp(view);
    EXPECT_EQ(view.scrollTop, 1u);
    ScrollArrowUp(view);
    EXPECT_EQ(view.scrollTop, 0u);
}

TEST(Scroll, RightAndLeftClampToTheWidth)
{
    ListerView view = View(500, 256, 400, 256);
    ScrollArrowRight(view);
    EXPECT_EQ(view.scrollLeft, 30u);
    ScrollArrowRight(view);
    EXPECT_EQ(view.scrollLeft, 60u);
    ScrollArrowRight(view);
    EXPECT_EQ(view.scrollLeft, 90u);
    ScrollArrowRight(view);
    EXPECT_EQ(view.scrollLeft, 100u);
    ScrollArrowLeft(view);
    EXPECT_EQ(view.scrollLeft, 70u);
    view.scrollLeft = 10;
    ScrollArrowLeft(view);
    EXPECT_EQ(view.scrollLeft, 0u);
}

TEST(Scroll, AListThatFitsDoesNotMove)
{
    ListerView view = View(256, 256, 256, 256);
    ScrollArrowDown(view);
    ScrollArrowRight(view);
    EXPECT_EQ(view.scrollTop, 0u);
    EXPECT_EQ(view.scrollLeft, 0u);
    ScrollTopFromPot(view, 65535);
    EXPECT_EQ(view.scrollTop, 0u);
}

TEST(Scroll, PotScaleIsTheLargestPowerOfTenThatFits)
{
    EXPECT_EQ(PotScale(256), 10000u);
    EXPECT_EQ(PotScale(65535), 10000u);
    EXPECT_EQ(PotScale(65536), 10000u);      // 655,360,000 fits; ×10 does not
    EXPECT_EQ(PotScale(429496), 10000u);
    EXPECT_EQ(PotScale(429497), 1000u);
    EXPECT_EQ(PotScale(4294967), 1000u);
    EXPECT_EQ(PotScale(4294968), 100u);
    EXPECT_EQ(PotScale(0xFFFFFFFF), 1u);
}

TEST(Scroll, VerticalScrollerValues)
{
    ListerView small = View(300, 1000, 300, 400);
    small.scrollTop = 123;
    EXPECT_EQ(VerticalScrollerTotal(small), 1000u);
    EXPECT_EQ(VerticalScrollerTop(small), 123u);

    ListerView tall = View(300, 131070, 300, 400);
    EXPECT_EQ(VerticalScrollerTotal(tall), 65535u);
    EXPECT_EQ(VerticalScrollerTop(tall), 0u);
    tall.scrollTop = 65535;                 // halfway
    EXPECT_EQ(VerticalScrollerTop(tall), 32767u);
    tall.scrollTop = 131070 - 400;
    // 65535 × 10000 / (1 × 10000 + 400 × 10000 / 130670): the two-part
    // quotient rounds down, so the knob sits a little lower than exact.
    EXPECT_EQ(VerticalScrollerTop(tall), 65338u);

    // The tallest bitmaps: no product passes 32 bits.
    ListerView huge = View(300, 3000000, 300, 400);
    huge.scrollTop = 1500000;
    EXPECT_EQ(VerticalScrollerTop(huge), 32767u);
}

TEST(Scroll, PotsGiveProportionalOffsetsWithoutOverflow)
{
    ListerView view = View(1000, 1000, 400, 400);
    ScrollTopFromPot(view, 0);
    EXPECT_EQ(view.scrollTop, 0u);
    ScrollTopFromPot(view, 65535);
    EXPECT_EQ(view.scrollTop, 600u);
    ScrollLeftFromPot(view, 32768);
    EXPECT_EQ(view.scrollLeft, 300u);

    ListerView huge = View(300, 3000000, 300, 400);
    ScrollTopFromPot(huge, 65535);
    EXPECT_EQ(huge.scrollTop, 3000000u - 400u);
    ScrollTopFromPot(huge, 1);
    EXPECT_EQ(huge.scrollTop, (3000000u - 400u) / 65535u);
}
