// The status line: its texts and its three colours over the windows' first colour.
#include <lister/status_line.h>

#include "support.h"

#include <gtest/gtest.h>

using listertest::FakeGlyphs;
using listertest::TestEntries;
using listertest::TestPicture;

namespace {

bool Full(ULONG, ULONG) { return true; }

}  // namespace

TEST(StatusLine, TextsCountDrawersFilesAndBytes)
{
    TestEntries entries(64 * 1024);
    ListerHeader &header = *entries.buffer.Header();
    StatusLineTexts texts;
    FormatStatusLine(texts, header);
    EXPECT_STREQ(texts.drawers, "0 drawers ");
    EXPECT_STREQ(texts.files, "0 files ");
    EXPECT_STREQ(texts.bytes, "0 bytes");

    header.drawerCount = 3;
    header.fileCount = 12;
    header.SetTotalBytes(40960);
    FormatStatusLine(texts, header);
    EXPECT_EQ(std::string(texts.drawers) + texts.files + texts.bytes, "3 drawers 12 files 40960 bytes");

    header.SetTotalBytes(18446744073709551615ULL);
    header.fileCount = 4294967295u;
    FormatStatusLine(texts, header);
    EXPECT_STREQ(texts.files, "4294967295 files ");
    EXPECT_STREQ(texts.bytes, "18446744073709551615 bytes");
}

TEST(StatusLine, ThreeColoursFromXThreeOverTheFirstWindowColour)
{
    // Every printable code is a full 2 × 4 block, so each character's
    // pixels show which colour its piece was drawn in.
    FakeGlyphs fake(4, 2);
    for (int c = 32; c < 127; c++)
        fake.SetGlyph(UBYTE(c), 2, Full);
    const GlyphSet &glyphs = fake.Build();

    TestEntries entries(64 * 1024);
    ListerHeader &header = *entries.buffer.Header();
    header.drawerCount = 1;
    header.fileCount = 2;
    header.SetTotalBytes(3);
    ConfigRecord config;
    GradientTable windows;
    BuildGradient(windows, 0x00010203, 0x00F0F0F0);

    TestPicture strip(200, 6, 0x00EEEEEE);
    ComposeStatusLine(strip.target, glyphs, header, windows, config);

    // "1 drawers " is 10 characters, "2 files " 8, "3 bytes" 7: 2 pixels each.
    EXPECT_EQ(strip.At(0, 0), 0x00010203u);
    EXPECT_EQ(strip.At(3, 0), 0x00010203u);     // row 0 is above the text
    EXPECT_EQ(strip.At(3, 1), 0x00010203u);     // the pen is at 3: ink from 4
    EXPECT_EQ(strip.At(4, 1), config.DrawerTextColor());
    EXPECT_EQ(strip.At(23, 4), config.DrawerTextColor());
    EXPECT_EQ(strip.At(24, 1), config.ListerTextColor());
    EXPECT_EQ(strip.At(39, 1), config.ListerTextColor());
    EXPECT_EQ(strip.At(40, 1), config.WindowTextColor());
    EXPECT_EQ(strip.At(53, 4), config.WindowTextColor());
    EXPECT_EQ(strip.At(54, 1), 0x00010203u);
    EXPECT_EQ(strip.At(199, 5), 0x00010203u);   // the whole strip is painted
}
