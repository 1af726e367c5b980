// Pixels: the big-endian 0x00RRGGBB layout, fills, inversion and the byte-reversed copy.
#include <lister/pixels.h>

#include <gtest/gtest.h>

#include <vector>

TEST(Pixels, StoredBigEndianWithTheTopByteFirst)
{
    UBYTE bytes[8] = {};
    StorePixel(bytes + 4, 0x00A1B2C3);
    EXPECT_EQ(bytes[4], 0x00);
    EXPECT_EQ(bytes[5], 0xA1);
    EXPECT_EQ(bytes[6], 0xB2);
    EXPECT_EQ(bytes[7], 0xC3);
    EXPECT_EQ(LoadPixel(bytes + 4), 0x00A1B2C3u);
    EXPECT_EQ(LoadPixel(bytes), 0u);
}

TEST(Pixels, FillWritesExactlyTheRunAtAnyAlignment)
{
    for (ULONG offset = 0; offset < 4; offset++)
        for (ULONG count : {0u, 1u, 2u, 3u, 7u, 256u, 257u}) {
            std::vector<UBYTE> bytes(4 * 300 + 8, 0xEE);
            FillPixels(bytes.data() + offset, count, 0x00123456);
            for (ULONG i = 0; i < count; i++)
                ASSERT_EQ(LoadPixel(bytes.data() + offset + 4 * i), 0x00123456u) << count << " " << i;
            for (ULONG i = 4 * count + offset; i < bytes.size(); i++)
                ASSERT_EQ(bytes[i], 0xEE) << "past the run, count " << count;
            for (ULONG i = 0; i < offset; i++)
                ASSERT_EQ(bytes[i], 0xEE);
        }
}

TEST(Pixels, InvertFlipsColourNotTheTopByteAndTwiceRestores)
{
    std::vector<UBYTE> bytes(4 * 5);
    for (ULONG i = 0; i < 5; i++)
        StorePixel(bytes.data() + 4 * i, 0x7F000000 | (0x010203 * i));
    std::vector<UBYTE> before = bytes;
    InvertPixels(bytes.data(), 5);
    for (ULONG i = 0; i < 5; i++)
        EXPECT_EQ(LoadPixel(bytes.data() + 4 * i), (0x7F000000 | (0x010203 * i)) ^ 0x00FFFFFFu);
    InvertPixels(bytes.data(), 5);
    EXPECT_EQ(bytes, before);
}

TEST(Pixels, ReversedCopyGivesBlueGreenRedZero)
{
    UBYTE from[8], to[8] = {};
    StorePixel(from, 0x00112233);
    StorePixel(from + 4, 0x00AABBCC);
    CopyPixelsReversed(to, from, 2);
    const UBYTE expected[8] = {0x33, 0x22, 0x11, 0x00, 0xCC, 0xBB, 0xAA, 0x00};
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(to[i], expected[i]) << i;
}
