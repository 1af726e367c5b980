// BuildGlyphSet on the built-in test font: cells, widths, and pixels equal to what graphics draws.
#include <lister/glyph_engine.h>

#include <hosted/graphics.h>
#include <proto/graphics.h>

#include "support.h"

#include <gtest/gtest.h>

using listertest::TestPicture;

namespace {

constexpr ULONG Ink = 0x00FF8000;
constexpr ULONG Paper = 0x00000010;

class GlyphBuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        font = hosted::TestFont();
        ASSERT_NE(font, nullptr);
        ASSERT_TRUE(BuildGlyphSet(glyphs, font));
    }
    void TearDown() override { FreeGlyphSet(glyphs); }

    struct TextFont *font = nullptr;
    GlyphSet glyphs;
};

}  // namespace

TEST_F(GlyphBuild, CellsStartAtMultiplesOf32AfterTheWidthBefore)
{
    EXPECT_EQ(glyphs.height, font->tf_YSize);
    EXPECT_EQ(glyphs.nominalWidth, font->tf_XSize);
    EXPECT_EQ(glyphs.Advance(1), 1u);
    EXPECT_EQ(glyphs.Advance(2), 32u);
    EXPECT_EQ(glyphs.table[0].column, 0u);
    ULONG sum = 0;
    for (ULONG code = 0; code < 256; code++) {
        EXPECT_EQ(glyphs.table[code].column % 32, 0u) << code;
        if (code < 255) {
            EXPECT_EQ(glyphs.table[code + 1].column, (glyphs.table[code].column + glyphs.Advance(UBYTE(code)) + 32) & ~31u)
                << code;
        }
        sum += glyphs.Advance(UBYTE(code));
    }
    // A 32-pixel glyph takes a 64-pixel cell, a 1-pixel one a 32-pixel cell.
    EXPECT_EQ(glyphs.table[3].column - glyphs.table[2].column, 64u);
    EXPECT_EQ(glyphs.table[2].column - glyphs.table[1].column, 32u);
    // The sheet is sum + 8192 pixels wide; the bitmap reports its rounded row.
    EXPECT_GE(GetBitMapAttr(glyphs.sheet, BMA_WIDTH), sum + 8192);
    EXPECT_LT(GetBitMapAttr(glyphs.sheet, BMA_WIDTH), sum + 8192 + 128);
    EXPECT_EQ(GetBitMapAttr(glyphs.sheet, BMA_DEPTH), 1u);
}

TEST_F(GlyphBuild, OnePixelAndThirtyTwoPixelGlyphs)
{
    TestPicture one(50, 20, Paper);
    TextPen pen;
    DrawText(glyphs, pen, one.target, 7, 3, Ink, "\x01");
    EXPECT_EQ(pen.x, 8);
    for (ULONG y = 0; y < 20; y++)
        for (ULONG x = 0; x < 50; x++)
            ASSERT_EQ(one.At(x, y), (x == 8 && y >= 3 && y < 15) ? Ink : Paper) << x << "," << y;

    TestPicture wide(50, 20, Paper);
    DrawText(glyphs, pen, wide.target, 2, 4, Ink, "\x02");
    EXPECT_EQ(pen.x, 34);
    auto set = [&](ULONG column, ULONG row) { return wide.At(3 + column, 4 + row) == Ink; };
    for (ULONG c = 0; c < 32; c++) {
        EXPECT_TRUE(set(c, 0)) << c;
        EXPECT_TRUE(set(c, 11)) << c;
    }
    for (ULONG r = 0; r < 12; r++) {
        EXPECT_TRUE(set(0, r)) << r;
        EXPECT_EQ(set(31, r), r <= 5 || r == 11) << r;
    }
    for (ULONG r = 1; r <= 10; r++)
        EXPECT_TRUE(set(3 * r, r)) << r;
    EXPECT_FALSE(set(2, 1));
    // Nothing outside columns pen + 1 … pen + 32 and rows 4 … 15.
    for (ULONG y = 0; y < 20; y++)
        for (ULONG x = 0; x < 50; x++)
            if (x < 3 || x > 34 || y < 4 || y > 15) {
                ASSERT_EQ(wide.At(x, y), Paper) << x << "," << y;
            }
}

TEST_F(GlyphBuild, PixelsMatchTextDrawnByGraphics)
{
    const char *text = "Kestrovane |\x03\x04\x05\x06 g,.";
    // Graphics draws the text into a one-bit bitmap, JAM1, baseline at row
    // B; the engine draws the same text with its pen one column to the left.
    struct BitMap *reference = AllocBitMap(400, glyphs.height, 1, BMF_CLEAR, nullptr);
    ASSERT_NE(reference, nullptr);
    struct RastPort rp;
    InitRastPort(&rp);
    rp.BitMap = reference;
    SetFont(&rp, font);
    SetDrMd(&rp, JAM1);
    Move(&rp, 1, LONG(glyphs.baseline));
    Text(&rp, text, ULONG(std::strlen(text)));

    TestPicture picture(400, glyphs.height, Paper);
    TextPen pen;
    DrawText(glyphs, pen, picture.target, 0, 0, Ink, text);
    EXPECT_EQ(ULONG(pen.x), ULONG(rp.cp_x - 1));
    ULONG inked = 0;
    for (ULONG y = 0; y < glyphs.height; y++)
        for (ULONG x = 0; x < 400; x++) {
            bool bit = (reference->Planes[0][y * reference->BytesPerRow + x / 8] & (0x80 >> (x % 8))) != 0;
            ASSERT_EQ(picture.At(x, y), bit ? Ink : Paper) << x << "," << y;
            inked += bit;
        }
    EXPECT_GT(inked, 100u);
    FreeBitMap(reference);
}

TEST_F(GlyphBuild, FreeingEmptiesTheSetAndAFreedSetIsIgnored)
{
    FreeGlyphSet(glyphs);
    EXPECT_EQ(glyphs.sheet, nullptr);
    EXPECT_EQ(glyphs.table, nullptr);
    FreeGlyphSet(glyphs);
    GlyphSet none;
    EXPECT_FALSE(BuildGlyphSet(none, nullptr));
}
