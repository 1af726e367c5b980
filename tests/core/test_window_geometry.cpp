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
    ListerWindowSpec spec = ComputeListerWindow(config, metrics, 300, 256);
    EXPECT_EQ(spec.left, 0);
    EXPECT_EQ(spec.top, 15);   // "Lister top" 0: the top border size
    EXPECT_EQ(spec.innerWidth, 300u);
    EXPECT_EQ(spec.maxWidth, 322u);
    EXPECT_EQ(spec.innerHeight, 266u);   // H + status height
    EXPECT_EQ(spec.maxHeight, 293u);
    EXPECT_EQ(spec.horizontalTotal, 300u);
    EXPECT_EQ(spec.horizontalVisible, 300u);
    EXPECT_EQ(spec.verticalTotal, 256u);
    EXPECT_EQ(spec.verticalVisible, 256u);
    EXPECT_EQ(spec.VisibleHeight(metrics.statusHeight), 256u);
}

TEST(WindowGeometry, ALargeListIsCutToTheScreen)
{
    ConfigRecord config;
    ScreenMetrics metrics = Screen1024();
    ListerWindowSpec spec = ComputeListerWindow(config, metrics, 3000, 2000);
    EXPECT_EQ(spec.innerWidth, 1002u);   // screen width − BordersX
    EXPECT_EQ(spec.maxWidth, 1024u);
    EXPECT_EQ(spec.innerHeight, 726u);   // 768 − 15 − 27
    EXPECT_EQ(spec.maxHeight, 753u);     // 768 − top
    EXPECT_EQ(spec.horizontalTotal, 3000u);
    EXPECT_EQ(spec.horizontalVisible, 1002u);
    EXPECT_EQ(spec.verticalTotal, 2000u);
    EXPECT_EQ(spec.verticalVisible, 716u);   // the list's rows, without the status line

    // Exactly fitting is not cut.
    spec = ComputeListerWindow(config, metrics, 1002, 716);
    EXPECT_EQ(spec.innerWidth, 1002u);
    EXPECT_EQ(spec.maxWidth, 1024u);
    EXPECT_EQ(spec.innerHeight, 726u);
    EXPECT_EQ(spec.maxHeight, 753u);
}

TEST(WindowGeometry, TheListerViewSettingsBoundTheWindow)
{
    ConfigRecord config;
    config.SetListerLeft(20);
    config.SetListerTop(50);
    config.SetListerMaxWidth(500);
    config.SetListerMaxHeight(400);
    ScreenMetrics metrics = Screen1024();
    ListerWindowSpec spec = ComputeListerWindow(config, metrics, 600, 1000);
    EXPECT_EQ(spec.left, 20);
    EXPECT_EQ(spec.top, 50);
    EXPECT_EQ(spec.innerWidth, 478u);
    EXPECT_EQ(spec.maxWidth, 500u);
    EXPECT_EQ(spec.innerHeight, 323u);   // 400 − 50 − 27
    EXPECT_EQ(spec.maxHeight, 350u);
}

TEST(WindowGeometry, ListsTallerThan65535RowsScaleTheVerticalScroller)
{
    ConfigRecord config;
    ScreenMetrics metrics = Screen1024();
    ListerWindowSpec spec = ComputeListerWindow(config, metrics, 300, 100000);
    EXPECT_EQ(spec.verticalTotal, 65535u);
    EXPECT_EQ(spec.verticalVisible, 716u * 65535 / 100000);
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
    ListerWindowSpec spec = ComputeListerWindow(config, metrics, 3000, 2000);
    ResizeListerWindow(spec, metrics, 400, 300, 2000);
    EXPECT_EQ(spec.innerWidth, 378u);
    EXPECT_EQ(spec.innerHeight, 273u);
    EXPECT_EQ(spec.horizontalVisible, 378u);
    EXPECT_EQ(spec.verticalVisible, 263u);
    EXPECT_EQ(spec.left, 0);   // place and limits stay
    EXPECT_EQ(spec.maxWidth, 1024u);
    ResizeListerWindow(spec, metrics, 10, 10, 2000);   // smaller than the borders
    EXPECT_EQ(spec.innerWidth, 0u);
    EXPECT_EQ(spec.VisibleHeight(metrics.statusHeight), 0u);
}

}  // namespace
