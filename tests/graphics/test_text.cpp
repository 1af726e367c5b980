// Text: glyph placement on one-bit bitmaps (what the program's glyph engine relies on), drawing modes, measuring.
#include "canvas.h"

#include <vector>

namespace {

struct TextFont *Font() { return hosted::TestFont(); }

// The rows of a test-font glyph as the tests expect them, '#' set.
const char *const kGlyphA[12] = {
    "........", "........", "........", "..###...", ".#...#..", ".#...#..", ".#...#..",
    ".#####..", ".#...#..", ".#...#..", "........", "........",
};

std::string Row(ULONG word, int width)
{
    std::string s;
    for (int i = 0; i < width; i++)
        s += (word & (0x80000000u >> i)) != 0 ? '#' : '.';
    return s;
}

// The aligned big-endian 32-bit word of plane 0 at a byte offset of a row.
ULONG Word(const struct BitMap *bm, LONG row, LONG byteOffset)
{
    const UBYTE *p = bm->Planes[0] + static_cast<std::size_t>(row) * bm->BytesPerRow + byteOffset;
    return (ULONG(p[0]) << 24) | (ULONG(p[1]) << 16) | (ULONG(p[2]) << 8) | p[3];
}

TEST(Text, Jam2SetsGlyphPixelsAndClearsTheRestOfItsBox)
{
    Canvas c(64, 20, 1);
    SetRast(&c.rp, 1);   // every bit set, so clearing shows
    SetAPen(&c.rp, 1);
    SetFont(&c.rp, Font());
    EXPECT_EQ(c.rp.TxHeight, 12);
    EXPECT_EQ(c.rp.TxBaseline, 9);
    Move(&c.rp, 32, 9 + 3);   // box rows 3..14, columns 32..39
    Text(&c.rp, "A", 1);
    EXPECT_EQ(c.rp.cp_x, 40);
    EXPECT_EQ(c.rp.cp_y, 12);
    for (LONG r = 0; r < 12; r++)
        EXPECT_EQ(c.Picture(32, 3 + r, 8, 1), std::string(kGlyphA[r]) + "\n") << r;
    // Nothing outside the box changed.
    for (LONG y = 0; y < 20; y++) {
        for (LONG x = 0; x < 64; x++) {
            if (x < 32 || x > 39 || y < 3 || y > 14) {
                ASSERT_TRUE(c.Bit(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(Text, GlyphSheetOfEveryCodeReadsBackAsAlignedWords)
{
    // Build the sheet as the program's glyph engine does: a cell per code
    // at a multiple of 32, the glyph drawn at the cell's left edge with the
    // default pens, then rows read back as big-endian 32-bit words.
    struct TextFont *font = Font();
    Canvas scratch(16 * font->tf_XSize, font->tf_YSize, 1, BMF_MINPLANES);
    SetFont(&scratch.rp, font);
    std::vector<LONG> widths(256);
    LONG sum = 0;
    for (int code = 0; code < 256; code++) {
        char ch = static_cast<char>(code);
        widths[code] = TextLength(&scratch.rp, &ch, 1);
        ASSERT_GE(widths[code], 1) << code;
        ASSERT_LE(widths[code], 32) << code;
        sum += widths[code];
    }
    Canvas sheet(sum + 8192, font->tf_YSize, 1, BMF_MINPLANES);
    ASSERT_NE(sheet.bm, nullptr);
    ASSERT_EQ(sheet.bm->BytesPerRow % 4, 0);
    SetFont(&sheet.rp, font);
    // Poison the sheet: the box of every glyph must be written completely.
    std::memset(sheet.bm->Planes[0], 0xFF, size_t(sheet.bm->BytesPerRow) * sheet.bm->Rows);
    std::vector<LONG> cells(256);
    LONG x = 0;
    for (int code = 0; code < 256; code++) {
        char ch = static_cast<char>(code);
        cells[code] = x;
        Move(&sheet.rp, x, font->tf_Baseline);
        Text(&sheet.rp, &ch, 1);
        x = ((x + widths[code] + 32) / 32) * 32;
    }
    // Each glyph's bits, read straight from the font's strip.
    const auto *loc = static_cast<const ULONG *>(font->tf_CharLoc);
    const auto *data = static_cast<const UBYTE *>(font->tf_CharData);
    for (int code = 0; code < 256; code++) {
        for (LONG r = 0; r < font->tf_YSize; r++) {
            ULONG expected = 0;
            for (LONG i = 0; i < widths[code]; i++) {
                ULONG bit = (loc[code] >> 16) + i;
                if ((data[r * font->tf_Modulo + bit / 8] & (0x80 >> (bit % 8))) != 0)
                    expected |= 0x80000000u >> i;
            }
            ULONG word = Word(sheet.bm, r, cells[code] / 8);
            ULONG glyphBits = widths[code] == 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> widths[code]);
            ASSERT_EQ(word & glyphBits, expected) << "code " << code << " row " << r;
        }
    }
    // Code 2 is 32 pixels wide and fills its word exactly.
    EXPECT_EQ(Row(Word(sheet.bm, 0, cells[2] / 8), 32), std::string(32, '#'));
    EXPECT_EQ(Row(Word(sheet.bm, 3, cells[2] / 8), 32), "#........#.....................#");
    EXPECT_EQ(Row(Word(sheet.bm, 7, cells[2] / 8), 32), "#....................#..........");
    // Code 1 is one column, all rows.
    for (LONG r = 0; r < 12; r++)
        EXPECT_EQ(Word(sheet.bm, r, cells[1] / 8) >> 31, 1u);
    // 'A' as drawn on the sheet.
    for (LONG r = 0; r < 12; r++)
        EXPECT_EQ(Row(Word(sheet.bm, r, cells['A'] / 8), 8), kGlyphA[r]) << r;
}

TEST(Text, Jam1DrawsOnlyGlyphPixels)
{
    Canvas c(16, 12, 1);
    SetRast(&c.rp, 0);
    RectFill(&c.rp, 0, 11, 15, 11);   // a line under the text area
    SetFont(&c.rp, Font());
    SetDrMd(&c.rp, JAM1);
    Move(&c.rp, 0, 9);
    Text(&c.rp, "A", 1);
    for (LONG r = 0; r < 11; r++)
        EXPECT_EQ(c.Picture(0, r, 8, 1), std::string(kGlyphA[r]) + "\n");
    EXPECT_EQ(c.Picture(0, 11, 16, 1), "################\n");
}

TEST(Text, InverseVideoAndComplement)
{
    Canvas c(8, 12, 1);
    SetFont(&c.rp, Font());
    SetDrMd(&c.rp, JAM2 | INVERSVID);
    Move(&c.rp, 0, 9);
    Text(&c.rp, "A", 1);
    for (LONG r = 0; r < 12; r++) {
        std::string inverted = kGlyphA[r];
        for (char &ch : inverted)
            ch = ch == '#' ? '.' : '#';
        EXPECT_EQ(c.Picture(0, r, 8, 1), inverted + "\n");
    }
    SetDrMd(&c.rp, COMPLEMENT);
    Move(&c.rp, 0, 9);
    Text(&c.rp, "A", 1);   // inverts the glyph's pixels only
    EXPECT_EQ(c.Picture(0, 4, 8, 1), "########\n");
    EXPECT_EQ(c.Picture(0, 0, 8, 1), "########\n");
}

TEST(Text, ChunkyTextUsesPensAndFillsTheBox)
{
    Canvas c(20, 14, 32);
    SetFont(&c.rp, Font());
    SetABPenDrMd(&c.rp, 2, 3, JAM2);
    Move(&c.rp, 1, 1 + 9);
    Text(&c.rp, "A", 1);
    EXPECT_EQ(c.Rgb(0, 1), 0u);            // left of the box
    EXPECT_EQ(c.Rgb(1, 1), 0x6688BBu);     // box background: pen 3
    EXPECT_EQ(c.Rgb(3, 4), 0xFFFFFFu);     // glyph: pen 2
    EXPECT_EQ(c.Rgb(8, 12), 0x6688BBu);    // last column, last row of the box
    EXPECT_EQ(c.Rgb(9, 12), 0u);
    EXPECT_EQ(c.Rgb(1, 13), 0u);
}

TEST(Text, ClippedAtTheBitmapEdges)
{
    Canvas c(20, 8, 32);
    SetFont(&c.rp, Font());
    SetAPen(&c.rp, 2);
    Move(&c.rp, 16, 5);   // box from row -4, columns 16..23
    Text(&c.rp, "AAA", 3);
    EXPECT_EQ(c.rp.cp_x, 16 + 24);
    auto *chunky = c.Chunky();
    for (LONG y = 0; y < 8; y++)
        for (LONG b = 80; b < chunky->bytesPerRow; b++)
            ASSERT_EQ(chunky->pixels[y * chunky->bytesPerRow + b], 0);
    EXPECT_EQ(c.Rgb(17, 5), 0xFFFFFFu);   // row 9 of 'A', ".#...#..", from column 16
    EXPECT_EQ(c.Rgb(18, 5), 0xAAAAAAu);   // JAM2: BPen 0 of the default palette
    Move(&c.rp, -30000, 30000);
    Text(&c.rp, "AAAA", 4);
}

TEST(Text, LengthsAndExtents)
{
    struct RastPort rp;
    InitRastPort(&rp);
    SetFont(&rp, Font());
    EXPECT_EQ(TextLength(&rp, "An", 2), 16);
    EXPECT_EQ(TextLength(&rp, "\x01\x02\x03\x04\x05\x06|", 7), 1 + 32 + 31 + 2 + 16 + 17 + 1);
    EXPECT_EQ(TextLength(&rp, "i.", 2), 6 + 4);
    EXPECT_EQ(TextLength(&rp, "", 0), 0);
    rp.TxSpacing = 2;
    EXPECT_EQ(TextLength(&rp, "An", 2), 20);
    rp.TxSpacing = 0;

    struct TextExtent te;
    TextExtent(&rp, "An", 2, &te);
    EXPECT_EQ(te.te_Width, 16);
    EXPECT_EQ(te.te_Height, 12);
    EXPECT_EQ(te.te_Extent.MinY, -9);
    EXPECT_EQ(te.te_Extent.MaxY, 2);
    EXPECT_EQ(te.te_Extent.MaxX, 15);

    EXPECT_EQ(TextFit(&rp, "nnnnn", 5, &te, nullptr, 1, 30, 12), 3u);
    EXPECT_EQ(te.te_Width, 24);
    EXPECT_EQ(TextFit(&rp, "nnnn\x02", 5, &te, nullptr, -1, 39, 12), 1u);
    EXPECT_EQ(te.te_Width, 32);
    EXPECT_EQ(TextFit(&rp, "nnnnn", 5, &te, nullptr, 1, 100, 11), 0u);
}

TEST(Text, AlgorithmicBoldAndUnderline)
{
    Canvas c(16, 12, 1);
    SetFont(&c.rp, Font());
    EXPECT_EQ(AskSoftStyle(&c.rp), ULONG(FSF_BOLD | FSF_UNDERLINED));
    EXPECT_EQ(SetSoftStyle(&c.rp, FSF_BOLD | FSF_ITALIC, 0xFF), ULONG(FSF_BOLD));
    EXPECT_EQ(TextLength(&c.rp, "AA", 2), 18);
    Move(&c.rp, 0, 9);
    Text(&c.rp, "A", 1);
    EXPECT_EQ(c.Picture(0, 4, 9, 1), ".##..##..\n");
    SetSoftStyle(&c.rp, FSF_UNDERLINED, FSF_BOLD | FSF_UNDERLINED);
    SetRast(&c.rp, 0);
    Move(&c.rp, 0, 9);
    Text(&c.rp, "A", 1);
    EXPECT_EQ(c.Picture(0, 10, 8, 1), "########\n");
    EXPECT_EQ(c.Picture(0, 9, 8, 1), ".#...#..\n");
}

}  // namespace
