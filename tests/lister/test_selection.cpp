// Selection: marks, clicks, "Select all", "Invert all", Deselect and the inverted strips.
#include <lister/highlight.h>
#include <lister/selection.h>
#include <lister/sort.h>

#include <settings/config_record.h>

#include "support.h"

#include <gtest/gtest.h>

using listertest::TestEntries;
using listertest::TestPicture;

namespace {

constexpr ULONG LineHeight = 4;

// Five files, sorted, over a picture with a different colour on every row.
struct SelectionScene {
    SelectionScene() : picture(16, 256)
    {
        for (const char *name : {"a", "b", "c", "d", "e"})
            entries.AddEntry(name, -3);
        SortEntries(entries.buffer, SortNameCase);
        for (ULONG y = 0; y < 256; y++)
            FillPixels(picture.target.PixelAt(0, y), 16, 0x00010101 * y);
        original = picture.pixels;
    }

    // Whether line `line`'s strip is inverted against the original picture.
    bool Inverted(ULONG line) const
    {
        ULONG y = line * LineHeight;
        bool inverted = picture.At(5, y) == ((0x00010101 * y) ^ 0x00FFFFFF);
        for (ULONG r = 0; r < LineHeight; r++)
            for (ULONG x = 0; x < 16; x++) {
                ULONG expected = 0x00010101 * (y + r);
                EXPECT_EQ(picture.At(x, y + r), inverted ? expected ^ 0x00FFFFFF : expected);
            }
        return inverted;
    }

    std::vector<ULONG> Marks() const
    {
        std::vector<ULONG> marks;
        for (ULONG row = 0; row < 5; row++)
            marks.push_back(entries.buffer.Slot(row)->selectionMark);
        return marks;
    }

    TestEntries entries;
    TestPicture picture;
    std::vector<UBYTE> original;
};

}  // namespace

TEST(Highlight, StripIsTheLinesRowsAcrossTheStrideAndTwiceRestores)
{
    SelectionScene scene;
    HighlightLine(scene.picture.target, 2, LineHeight);
    EXPECT_FALSE(scene.Inverted(1));
    EXPECT_TRUE(scene.Inverted(2));
    EXPECT_FALSE(scene.Inverted(3));
    HighlightLine(scene.picture.target, 2, LineHeight);
    EXPECT_EQ(scene.picture.pixels, scene.original);

    // A strip reaching past the bitmap's last row stops there.
    HighlightLine(scene.picture.target, 64, LineHeight);
    EXPECT_EQ(scene.picture.pixels, scene.original);
    RenderTarget shorter = scene.picture.target;
    shorter.height = 10;
    HighlightLine(shorter, 2, LineHeight);
    EXPECT_EQ(scene.picture.At(0, 8), 0x00080808u ^ 0x00FFFFFFu);
    EXPECT_EQ(scene.picture.At(15, 9), 0x00090909u ^ 0x00FFFFFFu);
    EXPECT_EQ(scene.picture.At(0, 10), 0x000A0A0Au);
    EXPECT_EQ(scene.picture.At(0, 11), 0x000B0B0Bu);

    // A blue, green, red, 0 bitmap inverts its first three bytes.
    TestPicture bgra(2, 8, 0x11223344);
    HighlightLine(bgra.target, 1, LineHeight, 0xFFFFFF00);
    EXPECT_EQ(bgra.At(1, 3), 0x11223344u);
    EXPECT_EQ(bgra.At(1, 4), 0xEEDDCC44u);
    EXPECT_EQ(bgra.At(0, 7), 0xEEDDCC44u);
}

TEST(Selection, ClickTogglesTheMarkAndTheStrip)
{
    SelectionScene scene;
    RenderTarget &bitmap = scene.picture.target;
    EXPECT_TRUE(ToggleSelection(scene.entries.buffer, bitmap, LineHeight, 3));
    EXPECT_EQ(scene.Marks(), (std::vector<ULONG>{0, 0, 0, 4, 0}));
    EXPECT_TRUE(scene.Inverted(3));
    EXPECT_TRUE(IsSelected(scene.entries.buffer, 3));
    EXPECT_FALSE(ToggleSelection(scene.entries.buffer, bitmap, LineHeight, 3));
    EXPECT_EQ(scene.Marks(), (std::vector<ULONG>{0, 0, 0, 0, 0}));
    EXPECT_EQ(scene.picture.pixels, scene.original);
    // Past the last row: nothing.
    EXPECT_FALSE(ToggleSelection(scene.entries.buffer, bitmap, LineHeight, 5));
    EXPECT_EQ(scene.picture.pixels, scene.original);
}

TEST(Selection, PaintingAndDeselectOnlyChangeRowsInTheOtherState)
{
    SelectionScene scene;
    RenderTarget &bitmap = scene.picture.target;
    EXPECT_TRUE(SetSelection(scene.entries.buffer, bitmap, LineHeight, 1, TRUE));
    EXPECT_FALSE(SetSelection(scene.entries.buffer, bitmap, LineHeight, 1, TRUE));
    EXPECT_TRUE(scene.Inverted(1));
    Deselect(scene.entries.buffer, bitmap, LineHeight, 1);
    Deselect(scene.entries.buffer, bitmap, LineHeight, 2);   // not selected: left alone
    EXPECT_EQ(scene.Marks(), (std::vector<ULONG>{0, 0, 0, 0, 0}));
    EXPECT_EQ(scene.picture.pixels, scene.original);
}

TEST(Selection, SelectAllKeepsTheSelectedAndInvertsOnlyTheOthers)
{
    SelectionScene scene;
    RenderTarget &bitmap = scene.picture.target;
    ToggleSelection(scene.entries.buffer, bitmap, LineHeight, 1);
    ToggleSelection(scene.entries.buffer, bitmap, LineHeight, 4);
    EXPECT_TRUE(SelectAll(scene.entries.buffer, bitmap, LineHeight));
    EXPECT_EQ(scene.Marks(), (std::vector<ULONG>{1, 2, 3, 4, 5}));
    for (ULONG line = 0; line < 5; line++)
        EXPECT_TRUE(scene.Inverted(line)) << line;
    EXPECT_FALSE(scene.Inverted(5));
    // Again: nothing left to select, nothing inverted back.
    EXPECT_TRUE(SelectAll(scene.entries.buffer, bitmap, LineHeight));
    for (ULONG line = 0; line < 5; line++)
        EXPECT_TRUE(scene.Inverted(line)) << line;
}

TEST(Selection, InvertAllTwiceRestoresMarksAndPicture)
{
    SelectionScene scene;
    RenderTarget &bitmap = scene.picture.target;
    ToggleSelection(scene.entries.buffer, bitmap, LineHeight, 0);
    ToggleSelection(scene.entries.buffer, bitmap, LineHeight, 2);
    std::vector<ULONG> marks = scene.Marks();
    std::vector<UBYTE> picture = scene.picture.pixels;
    EXPECT_TRUE(InvertAll(scene.entries.buffer, bitmap, LineHeight));
    EXPECT_EQ(scene.Marks(), (std::vector<ULONG>{0, 2, 0, 4, 5}));
    EXPECT_FALSE(scene.Inverted(0));
    EXPECT_TRUE(scene.Inverted(1));
    EXPECT_FALSE(scene.Inverted(5));
    EXPECT_TRUE(InvertAll(scene.entries.buffer, bitmap, LineHeight));
    EXPECT_EQ(scene.Marks(), marks);
    EXPECT_EQ(scene.picture.pixels, picture);
}

TEST(Selection, EmptyDrawerSelectsAndInvertsNothing)
{
    TestEntries entries(64 * 1024);
    SortEntries(entries.buffer, SortNameCase);
    TestPicture picture(8, 256, 0x00445566);
    std::vector<UBYTE> before = picture.pixels;
    EXPECT_FALSE(SelectAll(entries.buffer, picture.target, LineHeight));
    EXPECT_FALSE(InvertAll(entries.buffer, picture.target, LineHeight));
    EXPECT_EQ(picture.pixels, before);
    EXPECT_EQ(DisplayRowCount(entries.buffer), 0u);
}
