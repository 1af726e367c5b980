// The lister window's size: never larger than its list, within the settings and the screen.
#include <core/window_geometry.h>

#include <lister/scroll.h>

#include <gtest/gtest.h>

namespace {

ScreenMetrics Screen1024()
{
    ScreenMetrics metrics;
    metrics.screenWidth = 1024;
    metrics.screenHeight = 768;
    metrics.borderTop = 15;
    metrics.borderBottom = 12;
    metrics.borderLeft = 4;
    metrics.borderRight = 18;
    SetFontMetrics(metrics, 8, 8, 6);
    return metrics;
}

TEST(WindowGeometry, ASmallListGetsExactlyItsSize)
{
    ConfigRecord config;
    ScreenMetrics metrics = Screen1024();
    EXPECT_EQ(metrics.statusHeight, 10u);
    EXPECT_EQ(metrics.listTop, 25);
    ListerWindowSpec shape = ComputeListerWindow(config, metrics, 300, 256);
    EXPECT_EQ(shape.left, 0);
    EXPECT_EQ(shape.top, 15);   // "Lister top" 0: the top border size
    EXPECT_EQ(shape.innerWidth, 300u);
    EXPECT_EQ(shape.maxWidth, 322u);
    EXPECT_EQ(shape.innerHeight, 266u);   // H + status height
    EXPECT_EQ(shape.maxHeight, 293u);
    EXPECT_EQ(shape.horizontalTotal, 300u);
    EXPECT_EQ(shape.horizontalVisible, 300u);
    EXPECT_EQ(shape.verticalTotal, 256u);
    EXPECT_EQ(shape.verticalVisible, 256u);
    EXPECT_EQ(shape.VisibleHeight(metrics.statusHeight), 256u);
}

TEST(WindowGeometry, ALargeListIsCutToTheScreen)
{
    ConfigRecord config;
    ScreenMetrics metrics = Screen1024();
    ListerWindowSpec shape = ComputeListerWindow(config, metrics, 3000, 2000);
    EXPECT_EQ(shape.innerWidth, 1002u);   // screen width − BordersX
    EXPECT_EQ(shape.maxWidth, 1024u);
    EXPECT_EQ(shape.innerHeight, 726u);   // 768 − 15 − 27
    EXPECT_EQ(shape.maxHeight, 753u);     // 768 − top
    EXPECT_EQ(shape.horizontalTotal, 3000u);
    EXPECT_EQ(shape.horizontalVisible, 1002u);
    EXPECT_EQ(shape.verticalTotal, 2000u);
    EXPECT_EQ(shape.verticalVisible, 716u);   // the list's rows, without the status line

    // Exactly fitting is not cut.
    shape = ComputeListerWindow(config, metrics, 1002, 716);
    EXPECT_EQ(shape.innerWidth, 1002u);
    EXPECT_EQ(shape.maxWidth, 1024u);
    EXPECT_EQ(shape.innerHeight, 726u);
    EXPECT_EQ(shape.maxHeight, 753u);
}

TEST(WindowGeometry, TheListerViewSettingsBoundTheWindow)
{
    ConfigRecord config;
    config.SetListerLeft(20);
    config.SetListerTop(50);
    config.SetListerMaxWidth(500);
    config.SetListerMaxHeight(400);
    ScreenMetrics metrics = Screen1024();
    ListerWindowSpec shape = ComputeListerWindow(config, metrics, 600, 1000);
    EXPECT_EQ(shape.left, 20);
    EXPECT_EQ(shape.top, 50);
    EXPECT_EQ(shape.innerWidth, 478u);
    EXPECT_EQ(shape.maxWidth, 500u);
    EXPECT_EQ(shape.innerHeight, 323u);   // 400 − 50 − 27
    EXPECT_EQ(shape.maxHeight, 350u);
}

TEST(WindowGeometry, ListsTallerThan65535RowsScaleTheVerticalScroller)
{
    ConfigRecord config;
    ScreenMetrics metrics = Screen1024();
    ListerWindowSpec shape = ComputeListerWindow(config, metrics, 300, 100000);
    EXPECT_EQ(shape.verticalTotal, 65535u);
    EXPECT_EQ(shape.verticalVisible, 716u * 65535 / 100000);
    EXPECT_EQ(VerticalScrollerVisible(65535, 700), 700u);
    EXPECT_EQ(VerticalScrollerVisible(256, 700), 256u);
    EXPECT_EQ(VerticalScrollerVisible(131070, 1000), 500u);

    // The knob's top for ScrollTop at the bottom of a tall list stays in
    // range and in proportion.
    ListerView view;
    view.bitmapHeight = 100000;
    view.visibleHeight = 716;
    view.scrollTop = 100000 - 716;
    ULONG top = VerticalScrollerTop(view);
    EXPECT_LE(top, 65535u);
    EXPECT_NEAR(double(top), 65535.0 * (100000 - 716) / 100000, 2.0);
    view.scrollTop = 50000;
    EXPECT_NEAR(double(VerticalScrollerTop(view)), 32767.5, 1.0);
}

TEST(WindowGeometry, AResizeTakesTheNewInnerSize)
{
    ConfigRecord config;
    ScreenMetrics metrics = Screen1024();
    ListerWindowSpec shape = ComputeListerWindow(config, metrics, 3000, 2000);
    ResizeListerWindow(shape, metrics, 400, 300, 2000);
    EXPECT_EQ(shape.innerWidth, 378u);
    EXPECT_EQ(shape.innerHeight, 273u);
    EXPECT_EQ(shape.horizontalVisible, 378u);
    EXPECT_EQ(shape.verticalVisible, 263u);
    EXPECT_EQ(shape.left, 0);   // place and limits stay
    EXPECT_EQ(shape.maxWidth, 1024u);
    ResizeListerWindow(shape, metrics, 10, 10, 2000);   // smaller than the borders
    EXPECT_EQ(shape.innerWidth, 0u);
    EXPECT_EQ(shape.VisibleHeight(metrics.statusHeight), 0u);
}

}  // namespace
