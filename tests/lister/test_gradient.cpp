// Gradients: the table's entries and the band heights of a fill.
#include <lister/gradient.h>

#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The colour of each row, read back (rows must be uniform).
std::vector<ULONG> RowColours(const listertest::TestPicture &picture)
{
    std::vector<ULONG> rows;
    for (ULONG y = 0; y < picture.target.height; y++) {
        ULONG colour = picture.At(0, y);
        for (ULONG x = 1; x < picture.target.width; x++)
            EXPECT_EQ(picture.At(x, y), colour) << "row " << y << " is not uniform";
        rows.push_back(colour);
    }
    return rows;
}

// Heights of the bands of equal colour, top to bottom.
std::vector<ULONG> Bands(const std::vector<ULONG> &rows)
{
    std::vector<ULONG> bands;
    for (size_t i = 0; i < rows.size(); i++) {
        if (i == 0 || rows[i] != rows[i - 1])
            bands.push_back(0);
        bands.back()++;
    }
    return bands;
}

}  // namespace

TEST(Gradient, EqualColoursGiveOneEntryAndOneBand)
{
    GradientTable table;
    BuildGradient(table, 0x7F123456, 0x00123456);
    EXPECT_EQ(table.count, 1u);
    EXPECT_EQ(table.colours[0], 0x00123456u);
    listertest::TestPicture picture(3, 256, 0x00FFFFFF);
    FillGradient(picture.pixels.data(), table, 256, picture.target.stride);
    EXPECT_EQ(Bands(RowColours(picture)), std::vector<ULONG>{256});
}

TEST(Gradient, DominantChannelMovesOneLevelPerEntry)
{
    GradientTable table;
    BuildGradient(table, 0x000000, 0x000003);
    ASSERT_EQ(table.count, 4u);
    for (ULONG i = 0; i < 4; i++)
        EXPECT_EQ(table.colours[i], i);

    BuildGradient(table, 0x002EE2B7, 0x00489702);
    // Green falls from 0xE2 to 0x97 and blue from 0xB7 to 0x02: blue moves most.
    ASSERT_EQ(table.count, 0xB7u - 0x02u + 1);
    EXPECT_EQ(table.colours[0], 0x002EE2B7u);
    EXPECT_EQ(table.colours[table.count - 1], 0x00489702u);
    for (ULONG i = 0; i + 1 < table.count; i++) {
        EXPECT_EQ(table.colours[i] & 0xFF, 0xB7 - i) << i;
        EXPECT_GE((table.colours[i] >> 8) & 0xFF, (table.colours[i + 1] >> 8) & 0xFF);
        EXPECT_LE(table.colours[i] >> 16, table.colours[i + 1] >> 16);
    }
    BuildGradient(table, 0x000000, 0x0000FF);
    EXPECT_EQ(table.count, 256u);
}

TEST(Gradient, LeftoverRowsAreSpreadOneEachOverTheBands)
{
    GradientTable table;
    BuildGradient(table, 0x000000, 0x000003);
    listertest::TestPicture ten(4, 10, 0x00FFFFFF);
    FillGradient(ten.pixels.data(), table, 10, ten.target.stride);
    EXPECT_EQ(Bands(RowColours(ten)), (std::vector<ULONG>{2, 3, 2, 3}));
    EXPECT_EQ(ten.At(0, 0), 0u);
    EXPECT_EQ(ten.At(0, 9), 3u);

    table.count = 3;
    table.colours[0] = 0x00FF0000;
    table.colours[1] = 0x0000FF00;
    table.colours[2] = 0x000000FF;
    listertest::TestPicture tall(2, 257, 0x00FFFFFF);
    FillGradient(tall.pixels.data(), table, 257, tall.target.stride);
    EXPECT_EQ(Bands(RowColours(tall)), (std::vector<ULONG>{85, 86, 86}));
    EXPECT_EQ(tall.At(1, 256), 0x000000FFu);
}

TEST(Gradient, TwoHundredFiftySixColoursOverAsManyRowsGiveOneRowEach)
{
    GradientTable table;
    BuildGradient(table, 0x000000, 0x0000FF);
    listertest::TestPicture picture(5, 256, 0x00FFFFFF);
    FillGradient(picture.pixels.data(), table, 256, picture.target.stride);
    std::vector<ULONG> rows = RowColours(picture);
    for (ULONG y = 0; y < 256; y++)
        ASSERT_EQ(rows[y], y);
}

TEST(Gradient, FillNeverPassesTheRowsGiven)
{
    GradientTable table;
    BuildGradient(table, 0x000000, 0x0000FF);
    // Fewer rows than colours (a buffer the program never makes): still
    // exactly the rows asked for.
    listertest::TestPicture picture(3, 20, 0x00ABCDEF);
    FillGradient(picture.pixels.data(), table, 10, picture.target.stride);
    for (ULONG y = 10; y < 20; y++)
        EXPECT_EQ(picture.At(0, y), 0x00ABCDEFu) << y;
    EXPECT_NE(picture.At(0, 9), 0x00ABCDEFu);
}

TEST(Gradient, RowsPaintedPieceByPieceMatchOneFill)
{
    GradientTable table;
    BuildGradient(table, 0x00000000, 0x0000FF03);
    const ULONG width = 3, rows = 1000, stride = width * PixelBytes;
    std::vector<UBYTE> whole(rows * stride, 0xEE), pieces(rows * stride, 0xEE);
    FillGradient(whole.data(), table, rows, stride);
    // Pieces of odd sizes, and rows asked for past the end.
    for (ULONG first = 0, count = 1; first < rows; first += count, count = count * 3 % 97 + 1)
        FillGradientRows(pieces.data(), table, rows, stride, first, count + 5);
    EXPECT_EQ(whole, pieces);

    // Only the rows asked for change.
    std::vector<UBYTE> part(rows * stride, 0xEE);
    FillGradientRows(part.data(), table, rows, stride, 400, 10);
    EXPECT_EQ(part[400 * stride - 1], 0xEE);
    EXPECT_EQ(part[410 * stride], 0xEE);
    EXPECT_TRUE(std::equal(part.begin() + 400 * stride, part.begin() + 410 * stride, whole.begin() + 400 * stride));
}

TEST(Gradient, TheReversedTableLaysTheSameColoursDownBlueGreenRedZero)
{
    GradientTable argb, bgra;
    BuildGradient(argb, 0x00102030, 0x00FF0080);
    BuildReversedGradient(bgra, 0x00102030, 0x00FF0080);
    ASSERT_EQ(bgra.count, argb.count);
    EXPECT_EQ(bgra.colours[0], 0x30201000u);
    EXPECT_EQ(bgra.colours[bgra.count - 1], 0x8000FF00u);
    // Painted, each row's bytes are the ARGB row's reversed pixel by pixel.
    const ULONG rows = 300, stride = 2 * PixelBytes;
    std::vector<UBYTE> a(rows * stride), b(rows * stride);
    FillGradient(a.data(), argb, rows, stride);
    FillGradient(b.data(), bgra, rows, stride);
    for (size_t i = 0; i < a.size(); i += 4)
        ASSERT_TRUE(a[i] == b[i + 3] && a[i + 1] == b[i + 2] && a[i + 2] == b[i + 1] && a[i + 3] == b[i]) << i;
    // Reversed back it is the ARGB table (what the colour window's preview shows).
    ReverseGradient(bgra);
    EXPECT_TRUE(std::equal(argb.colours, argb.colours + argb.count, bgra.colours));
}
