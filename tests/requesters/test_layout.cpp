// The geometry of system requesters: wrapping the body, the box, the buttons, staying within the room.
#include "sysrequest.h"

#include <hosted/graphics.h>
#include <proto/graphics.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using hosted::LayoutSysRequest;
using hosted::SysRequestLayout;
using hosted::WrapLine;

LONG Width(const std::string &text)
{
    struct RastPort rp;
    InitRastPort(&rp);
    SetFont(&rp, hosted::TestFont());
    return TextLength(&rp, text.data(), static_cast<ULONG>(text.size()));
}

bool Inside(const struct IBox &box, LONG width, LONG height)
{
    return box.Left >= 0 && box.Top >= 0 && box.Left + box.Width <= width && box.Top + box.Height <= height;
}

TEST(RequesterLayout, LinesBreakAtBlanksAndLongWordsBreakWhereTheyMust)
{
    struct TextFont *font = hosted::TestFont();
    const LONG limit = Width("the quick brown");
    std::vector<std::string> lines = WrapLine(font, "the quick brown fox jumps over the lazy dog", limit);
    EXPECT_EQ(lines, (std::vector<std::string>{"the quick brown", "fox jumps over", "the lazy dog"}));
    for (const std::string &line : lines)
        EXPECT_LE(Width(line), limit) << line;

    // A word wider than the measure is cut where it must be, nothing lost.
    std::string word(40, 'w');
    lines = WrapLine(font, "a " + word, Width("wwwwwwwwww"));
    std::string joined;
    for (const std::string &line : lines) {
        EXPECT_LE(Width(line), Width("wwwwwwwwww")) << line;
        joined += line;
    }
    EXPECT_EQ(joined, "a" + word);
    EXPECT_EQ(lines.front(), "a");

    // A path breaks after a "/", which stays at the end of its line.
    const std::string path = "Work:Projects/2024/Photos/Holiday/IMG_0001.JPG";
    lines = WrapLine(font, path, Width("Work:Projects/2024/"));
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Work:Projects/2024/");
    joined.clear();
    for (const std::string &line : lines) {
        EXPECT_LE(Width(line), Width("Work:Projects/2024/")) << line;
        joined += line;
    }
    EXPECT_EQ(joined, path);

    // A line that fits, and an empty one, stay as they are.
    EXPECT_EQ(WrapLine(font, "short", 1000), (std::vector<std::string>{"short"}));
    EXPECT_EQ(WrapLine(font, "", 1000), (std::vector<std::string>{""}));
    // Even a measure narrower than a character makes progress.
    EXPECT_EQ(WrapLine(font, "abc", 1).size(), 3u);
}

TEST(RequesterLayout, ButtonsSitInARowUnderTheBoxFirstLeftLastRight)
{
    SysRequestLayout l = LayoutSysRequest(hosted::TestFont(), {"Delete the file?", "It cannot be undone."},
                                          {"Delete", "Cancel"}, 1000, 700);
    ASSERT_EQ(l.buttons.size(), 2u);
    EXPECT_EQ(l.shown, (std::vector<std::string>{"Delete the file?", "It cannot be undone."}));
    EXPECT_TRUE(Inside(l.textBox, l.innerWidth, l.innerHeight));
    for (const struct IBox &b : l.buttons) {
        EXPECT_TRUE(Inside(b, l.innerWidth, l.innerHeight));
        EXPECT_GE(b.Top, l.textBox.Top + l.textBox.Height);   // under the body
        EXPECT_EQ(b.Width, l.buttons[0].Width);                // one width for all
        EXPECT_GE(b.Width, Width("Delete"));
    }
    EXPECT_EQ(l.buttons[0].Left, l.textBox.Left);                                  // flush left
    EXPECT_EQ(l.buttons[1].Left + l.buttons[1].Width, l.textBox.Left + l.textBox.Width);   // flush right
    // The lines lie inside the box.
    EXPECT_GE(l.textLeft, l.textBox.Left);
    EXPECT_LE(l.textLeft + Width("It cannot be undone."), l.textBox.Left + l.textBox.Width);
    EXPECT_LE(l.textTop + l.linePitch + hosted::TestFont()->tf_YSize, l.textBox.Top + l.textBox.Height);

    // A single button is centred; three spread without overlapping.
    SysRequestLayout one = LayoutSysRequest(hosted::TestFont(), {"Done."}, {"OK"}, 1000, 700);
    ASSERT_EQ(one.buttons.size(), 1u);
    EXPECT_NEAR(one.buttons[0].Left + one.buttons[0].Width / 2, one.innerWidth / 2, 1);
    SysRequestLayout three = LayoutSysRequest(hosted::TestFont(), {"?"}, {"Yes", "Maybe", "No"}, 1000, 700);
    ASSERT_EQ(three.buttons.size(), 3u);
    for (std::size_t i = 1; i < 3; i++)
        EXPECT_GT(three.buttons[i].Left, three.buttons[i - 1].Left + three.buttons[i - 1].Width);
}

TEST(RequesterLayout, ALongBodyWrapsAndAHugeOneIsCutToTheRoom)
{
    std::string sentence;
    for (int i = 0; i < 60; i++)
        sentence += (i > 0 ? " word" : "word") + std::to_string(i);
    SysRequestLayout l = LayoutSysRequest(hosted::TestFont(), {sentence}, {"OK"}, 600, 500);
    EXPECT_GT(l.shown.size(), 1u);
    EXPECT_LE(l.innerWidth, 600);
    std::string joined;
    for (const std::string &line : l.shown) {
        EXPECT_LE(l.textLeft + Width(line), l.textBox.Left + l.textBox.Width) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, sentence);   // every word kept, in order

    std::vector<std::string> many(200, "line");
    SysRequestLayout cut = LayoutSysRequest(hosted::TestFont(), many, {"OK"}, 600, 300);
    EXPECT_LE(cut.innerHeight, 300);
    EXPECT_LT(cut.shown.size(), many.size());
    EXPECT_EQ(cut.shown.back().substr(cut.shown.back().size() - 3), "...");
    EXPECT_TRUE(Inside(cut.buttons[0], cut.innerWidth, cut.innerHeight));
}

TEST(RequesterLayout, SizesFollowTheFont)
{
    // Layouts grow with the font: a font twice as high gives taller buttons
    // and a taller body.
    struct TextFont big = *hosted::TestFont();
    big.tf_YSize = static_cast<UWORD>(big.tf_YSize * 2);
    SysRequestLayout small = LayoutSysRequest(hosted::TestFont(), {"a", "b"}, {"OK"}, 1000, 700);
    SysRequestLayout large = LayoutSysRequest(&big, {"a", "b"}, {"OK"}, 1000, 700);
    EXPECT_GT(large.buttons[0].Height, small.buttons[0].Height);
    EXPECT_GT(large.linePitch, small.linePitch);
    EXPECT_GT(large.innerHeight, small.innerHeight);
}

}  // namespace
