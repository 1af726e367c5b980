// RenderListerLines and LayoutLister: where each column of each line lands, and the whole picture.
#include <lister/buffer_canvas.h>
#include <lister/layout.h>
#include <lister/render_lines.h>
#include <lister/sort.h>

#include "support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using listertest::FakeGlyphs;
using listertest::TestEntries;
using listertest::TestPicture;

namespace {

constexpr ULONG X = 2, Y = 3;
constexpr ULONG Background = 0x00000000;

bool Full(ULONG, ULONG) { return true; }

// Every printable code is a solid X × Y block, so a line's text reads back
// as the character columns it covers.
struct LinesScene {
    LinesScene() : fake(Y, X)
    {
        for (int c = 32; c < 256; c++)
            fake.SetGlyph(UBYTE(c), X, Full);
        fake.SetGlyph(' ', X, nullptr);
        glyphs = &fake.Build();
        SetDateRequestFormat(dates, FORMAT_DOS, 0);
    }

    // For line `line`: one character per character column, '#' where the
    // column is inked in `colour`, '.' where it is not.
    std::string Columns(const TestPicture &picture, ULONG line, ULONG colour, ULONG count) const
    {
        std::string shape;
        for (ULONG column = 0; column < count; column++) {
            ULONG x = 2 + X * column, y = 1 + line * Y;
            shape += picture.At(x, y) == colour ? '#' : '.';
        }
        return shape;
    }

    FakeGlyphs fake;
    const GlyphSet *glyphs;
    DateRequest dates;
    TestEntries entries{64 * 1024};
    ConfigRecord config;
};

// What LayoutLister draws with: the scene's glyphs and dates, a lister
// gradient, a plain windows gradient, a status strip and a bitmap buffer
// of `bitmapBytes` bytes filled with 0xEE.
struct LayoutRig {
    LayoutRig(LinesScene &scene, ULONG gradientBegin, ULONG gradientEnd, size_t bitmapBytes)
        : strip(300, 4, 0x00EEEEEE), bitmap(bitmapBytes, 0xEE)
    {
        BuildGradient(lister, gradientBegin, gradientEnd);
        BuildGradient(windows, 0x00123456, 0x00123456);
        drawing.glyphs = scene.glyphs;
        drawing.listerGradient = &lister;
        drawing.windowGradient = &windows;
        drawing.dates = &scene.dates;
        drawing.dateWidth = 10;
        canvas.Attach(bitmap.data(), ULONG(bitmap.size()));
        drawing.canvas = &canvas;
        drawing.statusStrip = strip.target;
    }

    GradientTable lister, windows;
    TestPicture strip;
    std::vector<UBYTE> bitmap;
    BufferCanvas canvas;
    ListerDrawing drawing;
};

}  // namespace

TEST(RenderLines, ProtectionFlags)
{
    char flags[9];
    FormatProtection(flags, 0);
    EXPECT_STREQ(flags, "----rwed");
    FormatProtection(flags, 0xFF);
    EXPECT_STREQ(flags, "hspa----");
    FormatProtection(flags, (1 << 6) | (1 << 4) | (1 << 2));
    EXPECT_STREQ(flags, "-s-ar-ed");
}

TEST(RenderLines, ColumnsSizesAndColours)
{
    LinesScene scene;
    scene.entries.AddEntry("dir", 2, 0, 0, 0, 0);
    scene.entries.AddEntry("a", -3, 123, 0, 0, 0, "note");
    scene.entries.AddEntry("b", -3, 0, 0, 0, 0);
    ListerHeader &header = *scene.entries.buffer.Header();
    header.nameWidth = 4;
    header.sizeWidth = 4;
    header.commentWidth = 5;
    SortEntries(scene.entries.buffer, SortNameCase);

    ListerLayout layout = ComputeListerLayout(header, scene.config, X, Y, 10, 1 << 24);
    TestPicture picture(layout.width, layout.height, Background);
    RenderListerLines(picture.target, layout, scene.entries.buffer, *scene.glyphs, scene.dates, 0x00D00000,
                      0x0000D000);

    // name 4 | size 4 | date 10 | time 9 | protection 9 | comment 5
    //  0..3     4..7     8..17     18..26   27..35         36..40
    const std::string dateTimeFlags = "#########." "########." "########.";
    EXPECT_EQ(scene.Columns(picture, 0, 0x00D00000, 41), "###." "...." + dateTimeFlags + ".....");
    EXPECT_EQ(scene.Columns(picture, 1, 0x0000D000, 41), "#..." "###." + dateTimeFlags + "####.");
    EXPECT_EQ(scene.Columns(picture, 2, 0x0000D000, 41), "#..." "..#." + dateTimeFlags + ".....");
    // Nothing of line 1 in the drawer colour, nothing of line 0 in the file colour.
    EXPECT_EQ(scene.Columns(picture, 1, 0x00D00000, 41), std::string(41, '.'));
    EXPECT_EQ(picture.At(0, 1), Background);   // column 0 of the bitmap is margin
    EXPECT_EQ(picture.At(2, 0), Background);   // row 0 is above the first line

    // Without status and comment the last two columns are gone.
    scene.config.SetHideStatusAndComment(1);
    layout = ComputeListerLayout(header, scene.config, X, Y, 10, 1 << 24);
    TestPicture plain(layout.width, layout.height, Background);
    RenderListerLines(plain.target, layout, scene.entries.buffer, *scene.glyphs, scene.dates, 0x00D00000,
                      0x0000D000);
    EXPECT_EQ(scene.Columns(plain, 1, 0x0000D000, 41), "#..." "###." "#########." "########." + std::string(14, '.'));
}

TEST(RenderLines, LayoutListerDrawsGradientStatusAndLines)
{
    LinesScene scene;
    scene.entries.AddEntry("x", -3, 5);
    ListerHeader &header = *scene.entries.buffer.Header();
    header.nameWidth = 2;
    header.sizeWidth = 2;
    header.SetTotalBytes(5);
    SortEntries(scene.entries.buffer, SortNameCase);

    LayoutRig rig(scene, 0x00000000, 0x000000FF, 1 << 20);
    ListerDrawing &drawing = rig.drawing;
    std::vector<UBYTE> &bitmap = rig.bitmap;
    TestPicture &strip = rig.strip;

    ListerLayout layout = LayoutLister(drawing, scene.entries.buffer, scene.config);
    EXPECT_FALSE(layout.bitmapTooSmall);
    EXPECT_EQ(layout.height, 256u);
    RenderTarget target = layout.Bitmap(bitmap.data());
    // Row 0 starts the gradient, the last row ends it; the one file's name
    // is in the text colour on line 0.
    EXPECT_EQ(LoadPixel(target.PixelAt(0, 0)), 0u);
    EXPECT_EQ(LoadPixel(target.PixelAt(layout.width - 1, 255)), 0xFFu);
    EXPECT_EQ(LoadPixel(target.PixelAt(2, 1)), scene.config.ListerTextColor());
    // Nothing written past the layout.
    EXPECT_EQ(bitmap[layout.width * 256 * 4], 0xEE);
    EXPECT_EQ(strip.At(0, 0), 0x00123456u);
    EXPECT_EQ(strip.At(4, 1), scene.config.DrawerTextColor());

    // Too small a buffer: fewer rows, flagged, never overrun.
    std::vector<UBYTE> small(layout.width * 4 * 100 + 3, 0xEE);
    rig.canvas.Attach(small.data(), ULONG(small.size() - 3));
    ListerLayout cut = LayoutLister(drawing, scene.entries.buffer, scene.config);
    EXPECT_TRUE(cut.bitmapTooSmall);
    EXPECT_EQ(cut.height, 100u);
    EXPECT_EQ(small[small.size() - 3], 0xEE);
}

TEST(RenderLines, LayoutListerInSlicesGivesThePictureOfGradientThenLines)
{
    // Enough lines that the picture is painted in many slices; each line's
    // text reaches into the first row of the next line.
    LinesScene scene;
    TestEntries many{4 * 1024 * 1024};
    for (int i = 0; i < 6000; i++)
        many.AddEntry("entry" + std::to_string(i), i % 7 == 0 ? 2 : -3, UQUAD(i) * 977, 0, 0, 0,
                      i % 3 == 0 ? "a comment" : "");
    ListerHeader &header = *many.buffer.Header();
    header.nameWidth = 10;
    header.sizeWidth = 8;
    header.commentWidth = 10;
    SortEntries(many.buffer, SortNameCase);

    LayoutRig rig(scene, 0x00102030, 0x00F0E0D0, 64 << 20);
    std::vector<UBYTE> &bitmap = rig.bitmap;
    ListerLayout layout = LayoutLister(rig.drawing, many.buffer, scene.config);
    ASSERT_FALSE(layout.bitmapTooSmall);
    ASSERT_EQ(layout.linesDrawn, 6000u);
    ASSERT_GT(size_t(layout.stride) * layout.height, size_t(4) << 20);

    std::vector<UBYTE> reference(bitmap.size(), 0xEE);
    RenderTarget target = layout.Bitmap(reference.data());
    FillGradient(target.base, rig.lister, layout.height, layout.stride);
    RenderListerLines(target, layout, many.buffer, *scene.glyphs, scene.dates, scene.config.DrawerTextColor(),
                      scene.config.ListerTextColor());
    size_t used = size_t(layout.stride) * layout.height;
    EXPECT_EQ(std::memcmp(bitmap.data(), reference.data(), used), 0);
    EXPECT_EQ(bitmap[used], 0xEE);
}
