// The file requester's geometry: everything inside the window and apart, the rows following the height.
#include "aslprivate.h"

#include <hosted/graphics.h>

#include <gtest/gtest.h>

namespace {

using namespace hosted::asl;

bool Inside(const struct IBox &box, LONG width, LONG height)
{
    return box.Left >= 0 && box.Top >= 0 && box.Left + box.Width <= width && box.Top + box.Height <= height;
}

bool Apart(const struct IBox &a, const struct IBox &b)
{
    return a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left || a.Top + a.Height <= b.Top ||
           b.Top + b.Height <= a.Top;
}

// A field's frame lies 2 pixels around its text area.
struct IBox Framed(const struct IBox &field)
{
    return {static_cast<WORD>(field.Left - 2), static_cast<WORD>(field.Top - 2), static_cast<WORD>(field.Width + 4),
            static_cast<WORD>(field.Height + 4)};
}

TEST(AslLayout, EverythingLiesInsideAndApartAtTheSmallestAndTheDefaultSize)
{
    struct TextFont *font = hosted::TestFont();
    for (bool drawersOnly : {false, true}) {
        LONG width = 0, height = 0;
        for (int size = 0; size < 2; size++) {
            if (size == 0)
                MinimumInnerSize(font, drawersOnly, "OK", "Cancel", width, height);
            else
                DefaultInnerSize(font, drawersOnly, "OK", "Cancel", width, height);
            Layout l = LayoutRequester(font, width, height, drawersOnly, "OK", "Cancel");
            std::vector<struct IBox> boxes = {l.list, l.scroller, Framed(l.drawerField), l.drawerLabel};
            if (!drawersOnly) {
                boxes.push_back(Framed(l.fileField));
                boxes.push_back(l.fileLabel);
            } else {
                EXPECT_EQ(l.fileField.Width, 0);
            }
            for (const struct IBox &b : l.buttons)
                boxes.push_back(b);
            for (std::size_t i = 0; i < boxes.size(); i++) {
                EXPECT_TRUE(Inside(boxes[i], width, height)) << i << " at size " << size;
                EXPECT_GT(boxes[i].Width, 0) << i;
                for (std::size_t j = i + 1; j < boxes.size(); j++)
                    EXPECT_TRUE(Apart(boxes[i], boxes[j])) << i << " and " << j << " at size " << size;
            }
            EXPECT_GE(l.rowCount, size == 0 ? 3 : 14);
            EXPECT_LE(l.rows.Top + l.rowCount * l.rowHeight, l.rows.Top + l.rows.Height);
            EXPECT_GE(l.rowHeight, font->tf_YSize);
            // The buttons: positive at the left, negative at the right, in a row.
            EXPECT_EQ(l.buttons[0].Left, l.list.Left);
            EXPECT_EQ(l.buttons[3].Left + l.buttons[3].Width, l.scroller.Left + l.scroller.Width);
            for (int b = 1; b < 4; b++)
                EXPECT_EQ(l.buttons[b].Top, l.buttons[0].Top);
        }
    }
}

TEST(AslLayout, TheListTakesWhatTheWindowGains)
{
    struct TextFont *font = hosted::TestFont();
    LONG width = 0, height = 0;
    DefaultInnerSize(font, false, "OK", "Cancel", width, height);
    Layout normal = LayoutRequester(font, width, height, false, "OK", "Cancel");
    Layout taller = LayoutRequester(font, width + 200, height + 10 * normal.rowHeight, false, "OK", "Cancel");
    EXPECT_EQ(taller.rowCount, normal.rowCount + 10);
    EXPECT_EQ(taller.list.Width, normal.list.Width + 200);
    EXPECT_EQ(taller.drawerField.Width, normal.drawerField.Width + 200);
    EXPECT_EQ(taller.list.Top, normal.list.Top);
    // Long labels widen the buttons, and the smallest window with them.
    LONG wideWidth = 0, wideHeight = 0, plainWidth = 0, plainHeight = 0;
    MinimumInnerSize(font, false, "Open with this program", "Cancel", wideWidth, wideHeight);
    MinimumInnerSize(font, false, "OK", "Cancel", plainWidth, plainHeight);
    EXPECT_GT(wideWidth, plainWidth);
    Layout wide = LayoutRequester(font, wideWidth, wideHeight, false, "Open with this program", "Cancel");
    EXPECT_GT(wide.buttons[0].Width, normal.buttons[0].Width);
}

}  // namespace
