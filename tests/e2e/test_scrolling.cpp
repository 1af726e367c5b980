// Scrolling a long drawer: the arrows stop at the ends, a resize reopens the window at its new size at the top.
#include "session.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr uint32_t ListerGradientBegin = 0x2EE2B7;
constexpr uint32_t ListerGradientEnd = 0x489702;

std::string Repeat(const std::string &line, int times)
{
    std::string text;
    for (int i = 0; i < times; i++)
        text += line;
    return text;
}

std::string Centre(const Json &gadget)
{
    return std::to_string(gadget["left"].Int() + gadget["width"].Int() / 2) + " " +
           std::to_string(gadget["top"].Int() + gadget["height"].Int() / 2);
}

TEST(Scrolling, ArrowsStopAtTheBottomAndAtTheTop)
{
    Session session;
    for (int i = 0; i < 100; i++)
        session.MakeFile("file" + std::to_string(1000 + i), "x");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    // 100 lines of 12 rows do not fit a 768-row screen.
    long visible = w.InnerHeight() - StatusHeight;
    ASSERT_LT(visible, 1200);
    EXPECT_EQ(w.top + w.height, 768);   // as tall as the screen allows
    std::string down = "click " + Centre(*w.Gadget(0)) + "\n", up = "click " + Centre(*w.Gadget(1)) + "\n";
    // (1200 - visible) / 30 steps reach the bottom; more stay there.
    int steps = int((1200 - visible) / 30) + 3;
    RunResult run = session.Run("wait-idle\n" + down + "dump @/one.json\n" + Repeat(down, steps) +
                                    "dump @/bottom.json\nscreenshot @/bottom.png\n" + up + "dump @/up.json\n" +
                                    Repeat(up, steps + 3) + "dump @/top.json\nscreenshot @/top.png\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    auto pot = [&](const char *name) { return (*FindWindow(session.Dump(name), "Work:").Gadget(2))["pot"].Int(); };
    EXPECT_GT(pot("one.json"), 0);
    EXPECT_LT(pot("one.json"), 65535);
    EXPECT_EQ(pot("bottom.json"), 65535);   // ScrollTop = H − V exactly
    EXPECT_LT(pot("up.json"), 65535);
    EXPECT_EQ(pot("top.json"), 0);
    long x = w.InnerLeft() + w.InnerWidth() - 2;
    // At the bottom the window's last row is the bitmap's last row.
    EXPECT_EQ(session.Shot("bottom.png").At(x, w.ListTop() + visible - 1), ListerGradientEnd);
    EXPECT_EQ(session.Shot("top.png").At(x, w.ListTop()), ListerGradientBegin);
}

TEST(Scrolling, DraggingTheKnobFollowsItToTheBottom)
{
    Session session;
    for (int i = 0; i < 100; i++)
        session.MakeFile("file" + std::to_string(1000 + i), "x");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    const Json &scroller = *w.Gadget(2);
    long x = scroller["left"].Int() + scroller["width"].Int() / 2, y = scroller["top"].Int() + 4;
    long bottom = scroller["top"].Int() + scroller["height"].Int() + 40;
    RunResult run = session.Run("wait-idle\ndrag " + std::to_string(x) + " " + std::to_string(y) + " " +
                                    std::to_string(x) + " " + std::to_string(bottom) + " 10\n" +
                                    "wait-idle\ndump @/dragged.json\nscreenshot @/dragged.png\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ((*FindWindow(session.Dump("dragged.json"), "Work:").Gadget(2))["pot"].Int(), 65535);
    long visible = w.InnerHeight() - StatusHeight;
    EXPECT_EQ(session.Shot("dragged.png").At(w.InnerLeft() + w.InnerWidth() - 2, w.ListTop() + visible - 1),
              ListerGradientEnd);
}

TEST(Scrolling, AResizeReopensAtTheNewSizeAtTheTop)
{
    Session session;
    for (int i = 0; i < 100; i++)
        session.MakeFile("file" + std::to_string(1000 + i), "x");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    std::string down = "click " + Centre(*w.Gadget(0)) + "\n";
    long cornerX = w.left + w.width - 3, cornerY = w.top + w.height - 3;
    RunResult run = session.Run("wait-idle\n" + Repeat(down, 5) + "dump @/scrolled.json\n" + "drag " +
                                    std::to_string(cornerX) + " " + std::to_string(cornerY) + " " +
                                    std::to_string(cornerX - 60) + " " + std::to_string(cornerY - 200) + " 4\n" +
                                    "wait-idle\ndump @/resized.json\nscreenshot @/resized.png\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_GT((*FindWindow(session.Dump("scrolled.json"), "Work:").Gadget(2))["pot"].Int(), 0);
    WindowInfo resized = FindWindow(session.Dump("resized.json"), "Work:");
    ASSERT_TRUE(resized.found);
    EXPECT_EQ(resized.width, w.width - 60);
    EXPECT_EQ(resized.height, w.height - 200);
    EXPECT_EQ(resized.left, w.left);
    EXPECT_EQ(resized.top, w.top);
    EXPECT_EQ((*resized.Gadget(2))["pot"].Int(), 0);   // ScrollTop 0
    EXPECT_EQ(session.Shot("resized.png").At(resized.InnerLeft() + resized.InnerWidth() - 2, resized.ListTop()),
              ListerGradientBegin);
}

}  // namespace
}  // namespace e2e
