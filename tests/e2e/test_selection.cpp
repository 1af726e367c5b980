// Selecting with the mouse: clicks invert a line and back, clicks outside the entries do nothing, a drag paints a run
// (also over lines it jumps across).
#include "session.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr uint32_t Inverted = 0xFFFFFF;

// A drawer of eight files a … h, named so that they sort in that order.
void EightFiles(Session &session)
{
    for (char c = 'a'; c <= 'h'; c++)
        session.MakeFile(std::string("file_") + c, std::string(size_t(c - 'a' + 1), 'x'));
}


std::string Click(long x, long y) { return "click " + std::to_string(x) + " " + std::to_string(y) + "\n"; }

// The background pixel of line `row` at its strip's first row (right of the text).
uint32_t LinePixel(const Png &shot, const WindowInfo &w, long row)
{
    return shot.At(w.InnerLeft() + w.InnerWidth() - 2, w.ListTop() + row * FontHeight);
}

TEST(Selection, AClickInvertsALineAndASecondClickRestoresIt)
{
    Session session;
    EightFiles(session);
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    RunResult run = session.Run("wait-idle\nscreenshot @/before.png\n" + Click(x, w.RowY(2)) +
                                    "screenshot @/one.png\n" + Click(x, w.RowY(5)) + Click(x, w.RowY(2)) +
                                    "screenshot @/two.png\n"
                                    // the status line, and below the last entry: nothing
                                    + Click(x, w.InnerTop() + 4) + Click(x, w.RowY(12)) +
                                    "screenshot @/outside.png\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    Png before = session.Shot("before.png"), one = session.Shot("one.png"), two = session.Shot("two.png"),
        outside = session.Shot("outside.png");
    for (long row = 0; row < 8; row++) {
        uint32_t plain = LinePixel(before, w, row);
        EXPECT_EQ(LinePixel(one, w, row), row == 2 ? plain ^ Inverted : plain) << row;
        // Line 5 was selected in between; line 2 is back as it was.
        EXPECT_EQ(LinePixel(two, w, row), row == 5 ? plain ^ Inverted : plain) << row;
        EXPECT_EQ(LinePixel(outside, w, row), LinePixel(two, w, row)) << row;
    }
    // The whole strip of a selected line is inverted, text included.
    for (long y = 0; y < FontHeight; y++)
        for (long px = w.InnerLeft(); px < w.InnerLeft() + w.InnerWidth(); px += 7)
            ASSERT_EQ(one.At(px, w.ListTop() + 2 * FontHeight + y),
                      before.At(px, w.ListTop() + 2 * FontHeight + y) ^ Inverted);
    // Clicks outside the entries changed no pixel of the window.
    for (long y = w.InnerTop(); y < w.InnerTop() + w.InnerHeight(); y += 3)
        for (long px = w.InnerLeft(); px < w.InnerLeft() + w.InnerWidth(); px += 5)
            ASSERT_EQ(outside.At(px, y), two.At(px, y));
}

TEST(Selection, ADragPaintsEveryLineItCrosses)
{
    Session session;
    EightFiles(session);
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    RunResult run = session.Run("wait-idle\nscreenshot @/before.png\n"
                                "drag " + std::to_string(x) + " " + std::to_string(w.RowY(1)) + " " +
                                    std::to_string(x) + " " + std::to_string(w.RowY(4)) + " 8\n"
                                    "screenshot @/painted.png\n"
                                    // Upwards in one jump: the lines crossed are painted too.
                                    "drag " + std::to_string(x) + " " + std::to_string(w.RowY(7)) + " " +
                                    std::to_string(x) + " " + std::to_string(w.RowY(5)) + " 1\n"
                                    "screenshot @/jumped.png\n"
                                    // Deselecting from line 3 down in one jump.
                                    "drag " + std::to_string(x) + " " + std::to_string(w.RowY(3)) + " " +
                                    std::to_string(x) + " " + std::to_string(w.RowY(6)) + " 1\n"
                                    "screenshot @/cleared.png\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    Png before = session.Shot("before.png"), painted = session.Shot("painted.png"),
        jumped = session.Shot("jumped.png"), cleared = session.Shot("cleared.png");
    for (long row = 0; row < 8; row++) {
        uint32_t plain = LinePixel(before, w, row);
        EXPECT_EQ(LinePixel(painted, w, row), row >= 1 && row <= 4 ? plain ^ Inverted : plain) << row;
        EXPECT_EQ(LinePixel(jumped, w, row), row >= 1 ? plain ^ Inverted : plain) << row;
        EXPECT_EQ(LinePixel(cleared, w, row), (row >= 1 && row <= 2) || row == 7 ? plain ^ Inverted : plain) << row;
    }
}

}  // namespace
}  // namespace e2e
