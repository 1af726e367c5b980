// Pixel arrays: WritePixelArray's byte order, offsets, modulo and clipping; reading back; fills; direct access.
#include "canvas.h"

#include <graphics/layers.h>

#include <vector>

namespace {

// A source buffer in the program's own format: big-endian 0xAARRGGBB words.
struct ArgbBuffer {
    LONG width, height;
    std::vector<UBYTE> bytes;
    ArgbBuffer(LONG w, LONG h, LONG padBytes = 0) : width(w), height(h), bytes(size_t(h) * (4 * w + padBytes)) {}
    ULONG Mod() const { return static_cast<ULONG>(bytes.size() / height); }
    void Set(LONG x, LONG y, ULONG argb)
    {
        UBYTE *p = &bytes[size_t(y) * Mod() + 4 * x];
        p[0] = UBYTE(argb >> 24), p[1] = UBYTE(argb >> 16), p[2] = UBYTE(argb >> 8), p[3] = UBYTE(argb);
    }
    // A distinct colour for every position.
    static ULONG At(LONG x, LONG y) { return 0x00000000u | (ULONG(x) << 16) | (ULONG(y) << 8) | ULONG((x * 7 + y) & 0xFF); }
};

TEST(PixelArrays, ArgbLandsAsBgraBytesWithOffsetsAndModulo)
{
    Canvas c(16, 10, 32);
    ArgbBuffer src(12, 9, 20);   // rows padded: srcmod is not 4 * width
    for (LONG y = 0; y < 9; y++)
        for (LONG x = 0; x < 12; x++)
            src.Set(x, y, ArgbBuffer::At(x, y) | 0x7F000000u);
    // Source from (3, 2), 6 x 4 pixels, to (5, 4).
    ULONG n = WritePixelArray(src.bytes.data(), 3, 2, src.Mod(), &c.rp, 5, 4, 6, 4, RECTFMT_ARGB);
    EXPECT_EQ(n, 24u);
    for (LONG y = 0; y < 10; y++) {
        for (LONG x = 0; x < 16; x++) {
            ULONG expected = 0;
            if (x >= 5 && x < 11 && y >= 4 && y < 8) {
                ULONG argb = ArgbBuffer::At(x - 5 + 3, y - 4 + 2);
                // memory B, G, R, A
                expected = ((argb & 0xFF) << 24) | (((argb >> 8) & 0xFF) << 16) | (((argb >> 16) & 0xFF) << 8) | 0x7F;
            }
            ASSERT_EQ(c.Bytes(x, y), expected) << x << "," << y;
        }
    }
}

TEST(PixelArrays, EveryRowWidthConvertsTheSame)
{
    // Long rows go through the wide copy loops, their ends through the
    // narrow ones: every width up to 70 must give the same bytes.
    Canvas c(80, 71, 32);
    ArgbBuffer src(80, 1);
    for (LONG x = 0; x < 80; x++)
        src.Set(x, 0, 0x01000000u * ULONG(x) | ArgbBuffer::At(x, 5));
    for (LONG w = 1; w <= 70; w++)
        WritePixelArray(src.bytes.data(), 1, 0, src.Mod(), &c.rp, 3, w, w, 1, RECTFMT_ARGB);
    for (LONG w = 1; w <= 70; w++) {
        for (LONG x = 0; x < 80; x++) {
            ULONG expected = 0;
            if (x >= 3 && x < 3 + w) {
                ULONG argb = 0x01000000u * ULONG(x - 2) | ArgbBuffer::At(x - 2, 5);
                expected = ((argb & 0xFF) << 24) | (((argb >> 8) & 0xFF) << 16) | (((argb >> 16) & 0xFF) << 8) | (argb >> 24);
            }
            ASSERT_EQ(c.Bytes(x, w), expected) << "width " << w << " x " << x;
        }
    }
}

TEST(PixelArrays, ClippedAtEveryEdgeOfTheBitmap)
{
    Canvas c(8, 6, 32);
    ArgbBuffer src(20, 20);
    for (LONG y = 0; y < 20; y++)
        for (LONG x = 0; x < 20; x++)
            src.Set(x, y, ArgbBuffer::At(x, y));
    // Starts above and left of the bitmap and runs past its right and bottom.
    ULONG n = WritePixelArray(src.bytes.data(), 1, 1, src.Mod(), &c.rp, -3, -2, 19, 19, RECTFMT_ARGB);
    EXPECT_EQ(n, 8u * 6u);
    for (LONG y = 0; y < 6; y++)
        for (LONG x = 0; x < 8; x++)
            ASSERT_EQ(c.Rgb(x, y), ArgbBuffer::At(x + 3 + 1, y + 2 + 1)) << x << "," << y;
    auto *chunky = c.Chunky();
    for (LONG y = 0; y < 6; y++)
        for (LONG b = 32; b < chunky->bytesPerRow; b++)
            ASSERT_EQ(chunky->pixels[y * chunky->bytesPerRow + b], 0);
    EXPECT_EQ(WritePixelArray(src.bytes.data(), 0, 0, src.Mod(), &c.rp, 8, 0, 4, 4, RECTFMT_ARGB), 0u);
    EXPECT_EQ(WritePixelArray(src.bytes.data(), 0, 0, src.Mod(), &c.rp, -4, 0, 4, 4, RECTFMT_ARGB), 0u);
    EXPECT_EQ(WritePixelArray(src.bytes.data(), 0, 0, src.Mod(), &c.rp, 0, 0, 0, 4, RECTFMT_ARGB), 0u);
    EXPECT_EQ(WritePixelArray(src.bytes.data(), 0, 0, src.Mod(), &c.rp, 0, 0, 4, 4, 99), 0u);
    EXPECT_EQ(WritePixelArray(src.bytes.data(), 0, 0, src.Mod(), &c.rp, 0x7FFFFFF0, 0, 0xFFFFFFFFu, 4, RECTFMT_ARGB), 0u);
    EXPECT_EQ(WritePixelArray(src.bytes.data(), 0x7FFFFFFF, 0, src.Mod(), &c.rp, -0x7FFFFFFF, 0, 0x7FFFFFFFu, 4, RECTFMT_ARGB), 0u);
}

TEST(PixelArrays, LayerClipsTheTransfer)
{
    Canvas c(10, 10, 32);
    struct Layer layer{};
    layer.bounds = {0, 0, 3, 2};
    c.rp.Layer = &layer;
    ArgbBuffer src(10, 10);
    for (LONG y = 0; y < 10; y++)
        for (LONG x = 0; x < 10; x++)
            src.Set(x, y, 0x00FFFFFF);
    EXPECT_EQ(WritePixelArray(src.bytes.data(), 0, 0, src.Mod(), &c.rp, 0, 0, 10, 10, RECTFMT_ARGB), 12u);
    EXPECT_EQ(c.Rgb(3, 2), 0xFFFFFFu);
    EXPECT_EQ(c.Rgb(4, 2), 0u);
    EXPECT_EQ(c.Rgb(3, 3), 0u);
}

TEST(PixelArrays, OtherSourceFormats)
{
    Canvas c(4, 1, 32);
    const UBYTE rgb[] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
    EXPECT_EQ(WritePixelArray(const_cast<UBYTE *>(rgb), 0, 0, 6, &c.rp, 0, 0, 2, 1, RECTFMT_RGB), 2u);
    EXPECT_EQ(c.Bytes(0, 0), 0x332211FFu);
    EXPECT_EQ(c.Bytes(1, 0), 0x665544FFu);
    const UBYTE rgba[] = {0x11, 0x22, 0x33, 0x80};
    WritePixelArray(const_cast<UBYTE *>(rgba), 0, 0, 4, &c.rp, 2, 0, 1, 1, RECTFMT_RGBA);
    EXPECT_EQ(c.Bytes(2, 0), 0x33221180u);
    const UBYTE grey[] = {0x40};
    WritePixelArray(const_cast<UBYTE *>(grey), 0, 0, 1, &c.rp, 3, 0, 1, 1, RECTFMT_GREY8);
    EXPECT_EQ(c.Rgb(3, 0), 0x404040u);
    const UBYTE lut[] = {2, 3};
    WritePixelArray(const_cast<UBYTE *>(lut), 0, 0, 2, &c.rp, 0, 0, 2, 1, RECTFMT_LUT8);
    EXPECT_EQ(c.Rgb(0, 0), 0xFFFFFFu);
    EXPECT_EQ(c.Rgb(1, 0), 0x6688BBu);
    const ULONG table[] = {0x000000, 0xABCDEF};
    const UBYTE idx[] = {1};
    EXPECT_EQ(WriteLUTPixelArray(const_cast<UBYTE *>(idx), 0, 0, 1, &c.rp, const_cast<ULONG *>(table), 2, 0, 1, 1, CTABFMT_XRGB8), 1u);
    EXPECT_EQ(c.Rgb(2, 0), 0xABCDEFu);
}

TEST(PixelArrays, OtherBitmapFormatsAndPlanarTargets)
{
    Canvas argb(2, 1, 32, BMF_SPECIALFMT | SHIFT_PIXFMT(PIXFMT_ARGB32));
    const UBYTE src[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    WritePixelArray(const_cast<UBYTE *>(src), 0, 0, 8, &argb.rp, 0, 0, 2, 1, RECTFMT_ARGB);
    EXPECT_EQ(std::memcmp(argb.Chunky()->pixels, src, 8), 0);
    Canvas rgba(1, 1, 32, BMF_SPECIALFMT | SHIFT_PIXFMT(PIXFMT_RGBA32));
    WritePixelArray(const_cast<UBYTE *>(src), 0, 0, 8, &rgba.rp, 0, 0, 1, 1, RECTFMT_ARGB);
    const UBYTE expected[] = {0x02, 0x03, 0x04, 0x01};
    EXPECT_EQ(std::memcmp(rgba.Chunky()->pixels, expected, 4), 0);

    Canvas planar(8, 1, 2);   // default palette: 0 grey, 1 black, 2 white, 3 blue
    ArgbBuffer colours(4, 1);
    colours.Set(0, 0, 0xFFFFFF);
    colours.Set(1, 0, 0x000000);
    colours.Set(2, 0, 0xA0A0A0);
    colours.Set(3, 0, 0x5070C0);
    WritePixelArray(colours.bytes.data(), 0, 0, colours.Mod(), &planar.rp, 0, 0, 4, 1, RECTFMT_ARGB);
    EXPECT_EQ(ReadPixel(&planar.rp, 0, 0), 2);
    EXPECT_EQ(ReadPixel(&planar.rp, 1, 0), 1);
    EXPECT_EQ(ReadPixel(&planar.rp, 2, 0), 0);
    EXPECT_EQ(ReadPixel(&planar.rp, 3, 0), 3);
}

TEST(PixelArrays, ReadPixelArrayReversesTheWrite)
{
    Canvas c(9, 7, 32);
    ArgbBuffer src(9, 7);
    for (LONG y = 0; y < 7; y++)
        for (LONG x = 0; x < 9; x++)
            src.Set(x, y, ArgbBuffer::At(x, y) | 0x11000000);
    WritePixelArray(src.bytes.data(), 0, 0, src.Mod(), &c.rp, 0, 0, 9, 7, RECTFMT_ARGB);
    ArgbBuffer back(9, 7, 8);
    std::fill(back.bytes.begin(), back.bytes.end(), 0xEE);
    // A window of the bitmap that runs past its right edge: those bytes stay.
    EXPECT_EQ(ReadPixelArray(back.bytes.data(), 1, 1, back.Mod(), &c.rp, 4, 2, 8, 4, RECTFMT_ARGB), 5u * 4u);
    for (LONG y = 1; y < 5; y++) {
        for (LONG x = 1; x < 6; x++) {
            const UBYTE *p = &back.bytes[size_t(y) * back.Mod() + 4 * x];
            ULONG v = hosted::LoadBE32(p);
            ASSERT_EQ(v, ArgbBuffer::At(x - 1 + 4, y - 1 + 2) | 0x11000000) << x << "," << y;
        }
        EXPECT_EQ(back.bytes[size_t(y) * back.Mod() + 4 * 6], 0xEE);
    }
    UBYTE rgb[3];
    ReadPixelArray(rgb, 0, 0, 3, &c.rp, 2, 3, 1, 1, RECTFMT_RGB);
    EXPECT_EQ(rgb[0], 2);
    EXPECT_EQ(rgb[1], 3);
    EXPECT_EQ(rgb[2], (2 * 7 + 3) & 0xFF);
}

TEST(PixelArrays, FillAndInvert)
{
    Canvas c(6, 3, 32);
    EXPECT_EQ(FillPixelArray(&c.rp, 1, 1, 10, 10, 0x00102030), 5u * 2u);
    EXPECT_EQ(c.Bytes(1, 1), 0x30201000u);
    EXPECT_EQ(c.Bytes(0, 1), 0u);
    EXPECT_EQ(c.Bytes(1, 0), 0u);
    EXPECT_EQ(InvertPixelArray(&c.rp, 0, 0, 2, 2), 4u);
    EXPECT_EQ(c.Rgb(1, 1), 0xEFDFCFu);
    EXPECT_EQ(c.Rgb(0, 0), 0xFFFFFFu);
    EXPECT_EQ(c.Bytes(1, 1) & 0xFF, 0x00u);   // the alpha byte is left alone
    // MovePixelArray: overlapping move to the right.
    FillPixelArray(&c.rp, 0, 0, 6, 3, 0);
    FillPixelArray(&c.rp, 0, 0, 1, 1, 0x000001);
    FillPixelArray(&c.rp, 1, 0, 1, 1, 0x000002);
    FillPixelArray(&c.rp, 2, 0, 1, 1, 0x000003);
    MovePixelArray(0, 0, &c.rp, 1, 0, 3, 1);
    EXPECT_EQ(c.Rgb(1, 0), 1u);
    EXPECT_EQ(c.Rgb(2, 0), 2u);
    EXPECT_EQ(c.Rgb(3, 0), 3u);
}

TEST(PixelArrays, PixelFormatsEncodeAndDecode)
{
    struct Case { ULONG format; UBYTE bytes[4]; } cases[] = {
        {PIXFMT_BGRA32, {0x56, 0x34, 0x12, 0xFF}},
        {PIXFMT_ARGB32, {0xFF, 0x12, 0x34, 0x56}},
        {PIXFMT_RGBA32, {0x12, 0x34, 0x56, 0xFF}},
    };
    for (const Case &c : cases) {
        ULONG raw = hosted::EncodePixel(c.format, 0x123456);
        EXPECT_EQ(std::memcmp(&raw, c.bytes, 4), 0) << c.format;
        EXPECT_EQ(hosted::DecodePixel(c.format, raw), 0x123456u) << c.format;
        EXPECT_EQ(hosted::LoadPixel(c.format, c.bytes), 0xFF123456u) << c.format;
    }
}

TEST(PixelArrays, LockedMemoryMatchesTheAttributes)
{
    struct BitMap *bm = AllocBitMap(1277, 33, 32, BMF_MINPLANES, nullptr);
    ASSERT_NE(bm, nullptr);
    APTR base = nullptr;
    ULONG bytesPerRow = 0, width = 0, height = 0, format = 99, bpp = 0;
    APTR handle = LockBitMapTags(bm, LBMI_BASEADDRESS, &base, LBMI_BYTESPERROW, &bytesPerRow, LBMI_WIDTH, &width,
                                 LBMI_HEIGHT, &height, LBMI_PIXFMT, &format, LBMI_BYTESPERPIX, &bpp, TAG_DONE);
    ASSERT_NE(handle, nullptr);
    UnLockBitMap(handle);
    EXPECT_EQ(bytesPerRow, GetCyberMapAttr(bm, CYBRMATTR_XMOD));
    EXPECT_GE(bytesPerRow, 1277u * 4);
    EXPECT_EQ(width, 1277u);
    EXPECT_EQ(height, 33u);
    EXPECT_EQ(format, PIXFMT_BGRA32);
    EXPECT_EQ(bpp, GetCyberMapAttr(bm, CYBRMATTR_BPPIX));
    // Writing BGRA bytes through the address shows through the system's calls.
    UBYTE *p = static_cast<UBYTE *>(base) + 32 * bytesPerRow + 4 * 1276;
    p[0] = 0x30, p[1] = 0x20, p[2] = 0x10, p[3] = 0;
    struct RastPort rp;
    InitRastPort(&rp);
    rp.BitMap = bm;
    UBYTE argb[4];
    ReadPixelArray(argb, 0, 0, 4, &rp, 1276, 32, 1, 1, RECTFMT_ARGB);
    EXPECT_EQ(hosted::LoadBE32(argb), 0x00102030u);

    struct BitMap *planar = AllocBitMap(16, 16, 1, 0, nullptr);
    EXPECT_EQ(LockBitMapTags(planar, LBMI_BASEADDRESS, &base, TAG_DONE), nullptr);
    EXPECT_EQ(GetCyberMapAttr(planar, CYBRMATTR_PIXFMT), PIXFMT_LUT8);
    EXPECT_EQ(GetCyberMapAttr(planar, CYBRMATTR_XMOD), planar->BytesPerRow);
    FreeBitMap(planar);
    FreeBitMap(bm);
}

}  // namespace
