// The lister window: a drawer shown with its title, gadgets, size and pixels, and closing it.
#include "session.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr uint32_t ListerGradientBegin = 0x2EE2B7;
constexpr uint32_t ListerGradientEnd = 0x489702;
constexpr uint32_t WindowGradientBegin = 0x32A7AB;

TEST(ListerWindow, ShowsTheDrawerAndClosesWithStatusZero)
{
    Session session;
    session.MakeDrawer("Audio");
    session.MakeDrawer("Docs");
    session.MakeFile("readme.txt", "hello\n");
    session.MakeFile("data.bin", std::string(5000, 'x'));
    RunResult run = session.Run("wait-idle\n"
                                "dump @/shown.json\n"
                                "screenshot @/shown.png\n"
                                "close \"Work:\"\n"
                                "expect-no-window \"Work:\"\n"
                                "dump @/closed.json\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    // The program ends when its window closes (the automation only waits
    // for the rest of the script): nothing of it is left on the screen.
    EXPECT_TRUE(WindowTitles(session.Dump("closed.json")).empty());

    WindowInfo lister = FindWindow(session.Dump("shown.json"), "Work:");
    ASSERT_TRUE(lister.found);
    EXPECT_TRUE(lister.active);
    // Four lines fill fewer than 256 rows: the bitmap is 256 rows and the
    // window exactly that and the status line.
    EXPECT_EQ(lister.InnerHeight(), 256 + StatusHeight);
    EXPECT_GE(lister.InnerWidth(), 256);
    EXPECT_EQ((lister.InnerWidth() - 2) % FontWidth, 0);

    const char *classes[] = {"buttongclass", "buttongclass", "propgclass", "buttongclass", "buttongclass", "propgclass"};
    ASSERT_EQ(lister.json["gadgets"].size(), 6u);
    for (long id = 0; id < 6; id++) {
        const Json *gadget = lister.Gadget(id);
        ASSERT_NE(gadget, nullptr) << id;
        EXPECT_EQ((*gadget)["class"].string, classes[id]) << id;
    }
    // The arrows sit in the borders: up above down on the right, left
    // before right at the bottom; the scrollers fill the rest.
    const Json &down = *lister.Gadget(0), &up = *lister.Gadget(1), &vertical = *lister.Gadget(2);
    const Json &right = *lister.Gadget(3), &left = *lister.Gadget(4), &horizontal = *lister.Gadget(5);
    EXPECT_EQ(up["top"].Int() + up["height"].Int(), down["top"].Int());
    EXPECT_GE(down["left"].Int(), lister.left + lister.width - lister.borderRight);
    EXPECT_EQ(left["left"].Int() + left["width"].Int(), right["left"].Int());
    EXPECT_GE(right["top"].Int(), lister.top + lister.height - lister.borderBottom);
    EXPECT_EQ(vertical["top"].Int(), lister.top + lister.borderTop + 1);
    EXPECT_LT(vertical["top"].Int() + vertical["height"].Int(), up["top"].Int());
    EXPECT_EQ(horizontal["left"].Int(), lister.left + lister.borderLeft + 1);
    EXPECT_LT(horizontal["left"].Int() + horizontal["width"].Int(), left["left"].Int());

    Png shot = session.Shot("shown.png");
    ASSERT_EQ(shot.width, 1024);
    long x = lister.InnerLeft() + lister.InnerWidth() - 2;   // right of every column
    EXPECT_EQ(shot.At(x, lister.ListTop()), ListerGradientBegin);
    EXPECT_EQ(shot.At(x, lister.ListTop() + 255), ListerGradientEnd);
    EXPECT_EQ(shot.At(x, lister.InnerTop()), WindowGradientBegin);
    EXPECT_EQ(shot.At(x, lister.InnerTop() + StatusHeight - 1), WindowGradientBegin);
    // The status line and the lines carry text in their colours.
    long drawerText = 0, fileText = 0;
    for (long y = lister.ListTop(); y < lister.ListTop() + 4 * FontHeight; y++)
        for (long px = lister.InnerLeft(); px < x; px++) {
            drawerText += shot.At(px, y) == 0xEB4E11;
            fileText += shot.At(px, y) == 0x100201;
        }
    EXPECT_GT(drawerText, 0);
    EXPECT_GT(fileText, 0);
}

TEST(ListerWindow, AStartPathInQuotesWithBlanks)
{
    Session session;
    session.MakeDrawer("My Drawer/Inner");
    RunResult run = session.Run("wait-idle\ndump @/quoted.json\n", {"Work:My Drawer"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo lister = FindWindow(session.Dump("quoted.json"), "Work:My Drawer");
    EXPECT_TRUE(lister.found) << ::testing::PrintToString(WindowTitles(session.Dump("quoted.json")));
}

}  // namespace
}  // namespace e2e
