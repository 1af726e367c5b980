// PNG pictures: every colour type and depth decodes to 8-bit red, green, blue, alpha; broken and oversized files fail cleanly.
#include "support.h"

#include <png.h>

namespace dttest {

namespace {

class Png : public PictureTest {
protected:
    // Loads the picture and compares every pixel with expect(x, y).
    template <typename Expect>
    Object *ExpectPixels(const PngPicture &picture, Expect expect)
    {
        Object *object = Load(Write("pic.png", PngFile(picture)));
        EXPECT_NE(object, nullptr) << "IoErr " << IoErr();
        if (object == nullptr)
            return nullptr;
        for (unsigned y = 0; y < picture.height; y++) {
            for (unsigned x = 0; x < picture.width; x++)
                EXPECT_EQ(PixelAt(object, x, y), expect(x, y)) << "at " << x << "," << y;
        }
        return object;
    }
};

PngPicture Picture(unsigned width, unsigned height, int colorType, int bitDepth)
{
    PngPicture p;
    p.width = width;
    p.height = height;
    p.colorType = colorType;
    p.bitDepth = bitDepth;
    return p;
}

// The colour every test picture has at x, y.
Rgba Pattern(unsigned x, unsigned y)
{
    return {UBYTE(x * 30 + 7), UBYTE(y * 40 + 3), UBYTE((x ^ y) * 17), UBYTE(255 - x * 9 - y)};
}

PngPicture Truecolour(unsigned width, unsigned height, bool alpha, bool interlaced = false)
{
    PngPicture p = Picture(width, height, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, 8);
    p.interlaced = interlaced;
    for (unsigned y = 0; y < height; y++) {
        Bytes row;
        for (unsigned x = 0; x < width; x++) {
            Rgba c = Pattern(x, y);
            row.insert(row.end(), {c.r, c.g, c.b});
            if (alpha)
                row.push_back(c.a);
        }
        p.rows.push_back(row);
    }
    return p;
}

Rgba Opaque(Rgba c)
{
    c.a = 0xFF;
    return c;
}

unsigned long Crc(const UBYTE *data, std::size_t size)
{
    unsigned long crc = 0xFFFFFFFFul;
    for (std::size_t i = 0; i < size; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++)
            crc = (crc >> 1) ^ (0xEDB88320ul & (0ul - (crc & 1)));
    }
    return crc ^ 0xFFFFFFFFul;
}

// A PNG signature and an IHDR (8-bit RGB) claiming this size, nothing more.
Bytes HeaderOnly(unsigned long width, unsigned long height)
{
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes chunk = {'I', 'H', 'D', 'R'};
    PutBe32(chunk, width);
    PutBe32(chunk, height);
    chunk.insert(chunk.end(), {8, PNG_COLOR_TYPE_RGB, 0, 0, 0});
    PutBe32(file, 13);
    file.insert(file.end(), chunk.begin(), chunk.end());
    PutBe32(file, Crc(chunk.data(), chunk.size()));
    return file;
}

}  // namespace

TEST_F(Png, TruecolourWithAndWithoutAlpha)
{
    Object *rgb = ExpectPixels(Truecolour(7, 5, false), [](unsigned x, unsigned y) { return Opaque(Pattern(x, y)); });
    ASSERT_NE(rgb, nullptr);
    struct BitMapHeader *header = nullptr;
    ULONG width = 0, height = 0;
    ASSERT_EQ(GetDTAttrs(rgb, PDTA_BitMapHeader, &header, DTA_NominalHoriz, &width, DTA_NominalVert, &height,
                         TAG_DONE),
              3u);
    EXPECT_EQ(header->bmh_Width, 7);
    EXPECT_EQ(header->bmh_Height, 5);
    EXPECT_EQ(header->bmh_Depth, 24);
    EXPECT_EQ(header->bmh_Masking, mskNone);
    EXPECT_EQ(header->bmh_PageWidth, 7);
    EXPECT_EQ(width, 7u);
    EXPECT_EQ(height, 5u);
    DisposeDTObject(rgb);

    Object *rgba = ExpectPixels(Truecolour(6, 4, true), Pattern);
    ASSERT_NE(rgba, nullptr);
    ASSERT_EQ(GetDTAttrs(rgba, PDTA_BitMapHeader, &header, TAG_DONE), 1u);
    EXPECT_EQ(header->bmh_Depth, 32);
    EXPECT_EQ(header->bmh_Masking, mskHasAlpha);
    DisposeDTObject(rgba);
}

TEST_F(Png, PalettesAreExpandedWithTheirTransparency)
{
    PngPicture four = Picture(5, 3, PNG_COLOR_TYPE_PALETTE, 4);
    for (unsigned i = 0; i < 16; i++)
        four.palette.insert(four.palette.end(), {UBYTE(i * 16 + 1), UBYTE(200 - i * 5), UBYTE(i * 3)});
    four.transparency = {0x00, 0x80};   // entry 0 clear, entry 1 half, the rest opaque
    for (unsigned y = 0; y < 3; y++) {
        Bytes row(3, 0);
        for (unsigned x = 0; x < 5; x++)
            row[x / 2] |= UBYTE(((x + y * 5) % 16) << (x % 2 == 0 ? 4 : 0));
        four.rows.push_back(row);
    }
    Object *object = ExpectPixels(four, [&](unsigned x, unsigned y) {
        unsigned i = (x + y * 5) % 16;
        UBYTE alpha = i == 0 ? 0x00 : i == 1 ? 0x80 : 0xFF;
        return Rgba{four.palette[3 * i], four.palette[3 * i + 1], four.palette[3 * i + 2], alpha};
    });
    ASSERT_NE(object, nullptr);
    ULONG numColors = 0;
    struct ColorRegister *colors = nullptr;
    struct BitMapHeader *header = nullptr;
    ASSERT_EQ(GetDTAttrs(object, PDTA_NumColors, &numColors, PDTA_ColorRegisters, &colors, PDTA_BitMapHeader,
                         &header, TAG_DONE),
              3u);
    EXPECT_EQ(numColors, 16u);
    EXPECT_EQ(colors[9].red, four.palette[27]);
    EXPECT_EQ(header->bmh_Depth, 4);
    EXPECT_EQ(header->bmh_Masking, mskHasAlpha);
    DisposeDTObject(object);

    PngPicture one = Picture(10, 1, PNG_COLOR_TYPE_PALETTE, 1);
    one.palette = {10, 20, 30, 250, 240, 230};
    one.rows = {{0xA5, 0xC0}};
    DisposeDTObject(ExpectPixels(one, [&](unsigned x, unsigned) {
        unsigned bit = x < 8 ? (0xA5 >> (7 - x)) & 1 : (0xC0 >> (15 - x)) & 1;
        return Rgba{one.palette[3 * bit], one.palette[3 * bit + 1], one.palette[3 * bit + 2], 0xFF};
    }));
}

TEST_F(Png, GreysAndSixteenBitChannels)
{
    PngPicture grey = Picture(4, 2, PNG_COLOR_TYPE_GRAY, 2);
    grey.rows = {{0x1B}, {0xE4}};   // 0 1 2 3 and 3 2 1 0
    DisposeDTObject(ExpectPixels(grey, [](unsigned x, unsigned y) {
        UBYTE v = UBYTE(85 * (y == 0 ? x : 3 - x));
        return Rgba{v, v, v, 0xFF};
    }));

    PngPicture greyAlpha = Picture(3, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8);
    greyAlpha.rows = {{10, 200, 128, 100, 255, 0}};
    DisposeDTObject(ExpectPixels(greyAlpha, [&](unsigned x, unsigned) {
        UBYTE v = greyAlpha.rows[0][2 * x];
        return Rgba{v, v, v, greyAlpha.rows[0][2 * x + 1]};
    }));

    // Sixteen-bit channels of v * 257 come back as v exactly.
    PngPicture deep = Picture(3, 2, PNG_COLOR_TYPE_RGB_ALPHA, 16);
    for (unsigned y = 0; y < 2; y++) {
        Bytes row;
        for (unsigned x = 0; x < 3; x++) {
            Rgba c = Pattern(x, y);
            for (UBYTE v : {c.r, c.g, c.b, c.a})
                row.insert(row.end(), {v, v});
        }
        deep.rows.push_back(row);
    }
    DisposeDTObject(ExpectPixels(deep, Pattern));
}

TEST_F(Png, InterlacedPicturesAreWhole)
{
    DisposeDTObject(ExpectPixels(Truecolour(13, 11, true, true), Pattern));
    DisposeDTObject(ExpectPixels(Truecolour(1, 1, false, true), [](unsigned, unsigned) { return Opaque(Pattern(0, 0)); }));
}

TEST_F(Png, BrokenAndOversizedFilesFail)
{
    const Bytes whole = PngFile(Truecolour(9, 9, false));
    for (std::size_t length : {std::size_t(8), std::size_t(20), std::size_t(40), whole.size() - 20}) {
        SCOPED_TRACE(length);
        ExpectFailure(Bytes(whole.begin(), whole.begin() + static_cast<long>(length)), DTERROR_NOT_ENOUGH_DATA);
    }
    Bytes damaged = whole;
    damaged[29] ^= 0x55;   // inside the IHDR's CRC
    ExpectFailure(damaged, DTERROR_INVALID_DATA);

    ExpectFailure(HeaderOnly(16, 16), DTERROR_NOT_ENOUGH_DATA);
    ExpectFailure(HeaderOnly(20000, 20000), ERROR_NO_FREE_STORE);
    ExpectFailure(HeaderOnly(70000, 1), ERROR_NO_FREE_STORE);
}

}  // namespace dttest
