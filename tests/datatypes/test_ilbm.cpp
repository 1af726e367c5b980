// IFF ILBM and PBM pictures: every kind of depth and packing decodes to the expected pixels, and broken files fail cleanly.
#include "support.h"

#include <graphics/view.h>
#include <hosted/graphics.h>
#include <proto/graphics.h>

namespace dttest {

namespace {

class Ilbm : public PictureTest {
protected:
    // Loads the picture from a file and compares every pixel with what
    // expect(x, y) gives.
    template <typename Expect>
    void ExpectPixels(const IlbmPicture &picture, Expect expect)
    {
        Object *object = Load(Write("pic.ilbm", IlbmFile(picture)));
        ASSERT_NE(object, nullptr) << "IoErr " << IoErr();
        for (unsigned y = 0; y < picture.height; y++) {
            for (unsigned x = 0; x < picture.width; x++)
                ASSERT_EQ(PixelAt(object, x, y), expect(x, y)) << "at " << x << "," << y;
        }
        DisposeDTObject(object);
    }
};

Rgba Colour(const Bytes &cmap, unsigned long index, UBYTE alpha = 0xFF)
{
    return {cmap[3 * index], cmap[3 * index + 1], cmap[3 * index + 2], alpha};
}

// A palette whose entries have low nibbles set, so that it is taken as it is.
Bytes Palette(unsigned count)
{
    Bytes cmap;
    for (unsigned i = 0; i < count; i++) {
        cmap.push_back(static_cast<UBYTE>(i * 37 + 5));
        cmap.push_back(static_cast<UBYTE>(255 - i * 13));
        cmap.push_back(static_cast<UBYTE>(i * 91 + 3));
    }
    return cmap;
}

IlbmPicture Planar(unsigned width, unsigned height, unsigned planes, unsigned compression)
{
    IlbmPicture p;
    p.width = width;
    p.height = height;
    p.planes = planes;
    p.compression = compression;
    p.pixels.resize(static_cast<std::size_t>(width) * height);
    return p;
}

// A deep pixel value: planes 0-7 red, 8-15 green, 16-23 blue, 24-31 alpha.
unsigned long Deep(unsigned r, unsigned g, unsigned b, unsigned a)
{
    return (r & 0xFFul) | (g & 0xFFul) << 8 | (b & 0xFFul) << 16 | (a & 0xFFul) << 24;
}

// A small 4-plane picture with runs and literals in every row.
IlbmPicture FourPlanes()
{
    IlbmPicture p = Planar(40, 5, 4, cmpByteRun1);
    p.cmap = Palette(16);
    for (unsigned y = 0; y < p.height; y++) {
        for (unsigned x = 0; x < p.width; x++)
            p.pixels[y * p.width + x] = x < 20 ? (y + 3) % 16 : (x * 7 + y) % 16;
    }
    return p;
}

}  // namespace

TEST_F(Ilbm, OnePlaneGoesThroughTheColourMapAndTheHeaderIsKept)
{
    IlbmPicture p = Planar(19, 3, 1, cmpNone);
    p.cmap = {0x12, 0x34, 0x56, 0xFE, 0xDC, 0xBA};
    p.left = -3;
    p.top = 7;
    p.transparent = 1;
    for (unsigned i = 0; i < p.pixels.size(); i++)
        p.pixels[i] = (i % 3 == 0) ? 1 : 0;
    ExpectPixels(p, [&](unsigned x, unsigned y) { return Colour(p.cmap, p.pixels[y * 19 + x]); });

    Object *object = Load("pic.ilbm");
    ASSERT_NE(object, nullptr);
    struct BitMapHeader *header = nullptr;
    struct BitMap *bitMap = nullptr;
    ULONG numColors = 0;
    ASSERT_EQ(GetDTAttrs(object, PDTA_BitMapHeader, &header, PDTA_BitMap, &bitMap, PDTA_NumColors, &numColors,
                         TAG_DONE),
              3u);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->bmh_Width, 19);
    EXPECT_EQ(header->bmh_Height, 3);
    EXPECT_EQ(header->bmh_Left, -3);
    EXPECT_EQ(header->bmh_Top, 7);
    EXPECT_EQ(header->bmh_Depth, 1);
    EXPECT_EQ(header->bmh_Masking, mskNone);
    EXPECT_EQ(header->bmh_Compression, cmpNone);
    EXPECT_EQ(header->bmh_Transparent, 1);
    EXPECT_EQ(header->bmh_XAspect, 10);
    EXPECT_EQ(header->bmh_YAspect, 11);
    EXPECT_EQ(header->bmh_PageWidth, 320);
    EXPECT_EQ(header->bmh_PageHeight, 256);
    EXPECT_EQ(numColors, 2u);
    EXPECT_EQ(GetBitMapAttr(bitMap, BMA_WIDTH), 19u);
    EXPECT_EQ(GetBitMapAttr(bitMap, BMA_HEIGHT), 3u);
    EXPECT_EQ(GetBitMapAttr(bitMap, BMA_DEPTH), 32u);
    DisposeDTObject(object);
}

TEST_F(Ilbm, PackedAndUnpackedPlanesGiveTheSamePixels)
{
    IlbmPicture packed = FourPlanes();
    ExpectPixels(packed, [&](unsigned x, unsigned y) { return Colour(packed.cmap, packed.pixels[y * 40 + x]); });
    IlbmPicture plain = FourPlanes();
    plain.compression = cmpNone;
    ExpectPixels(plain, [&](unsigned x, unsigned y) { return Colour(plain.cmap, plain.pixels[y * 40 + x]); });
    // Eight planes use all 256 colours.
    IlbmPicture eight = Planar(33, 9, 8, cmpByteRun1);
    eight.cmap = Palette(256);
    for (unsigned i = 0; i < eight.pixels.size(); i++)
        eight.pixels[i] = (i * 29) % 256;
    ExpectPixels(eight, [&](unsigned x, unsigned y) { return Colour(eight.cmap, eight.pixels[y * 33 + x]); });
}

TEST_F(Ilbm, DeepPicturesCarryRedGreenBlueAndAlphaPlanes)
{
    for (unsigned compression : {cmpNone, cmpByteRun1}) {
        IlbmPicture rgb = Planar(21, 4, 24, compression);
        for (unsigned i = 0; i < rgb.pixels.size(); i++)
            rgb.pixels[i] = Deep(i * 11 + 1, i * 5, 255 - i, 0);
        ExpectPixels(rgb, [&](unsigned x, unsigned y) {
            unsigned long v = rgb.pixels[y * 21 + x];
            return Rgba{UBYTE(v), UBYTE(v >> 8), UBYTE(v >> 16), 0xFF};
        });
        IlbmPicture rgba = Planar(17, 3, 32, compression);
        for (unsigned i = 0; i < rgba.pixels.size(); i++)
            rgba.pixels[i] = Deep(0x10 + i, 0x80 + i, 0xF0 - i, i * 15);
        ExpectPixels(rgba, [&](unsigned x, unsigned y) {
            unsigned long v = rgba.pixels[y * 17 + x];
            return Rgba{UBYTE(v), UBYTE(v >> 8), UBYTE(v >> 16), UBYTE(v >> 24)};
        });
    }
}

TEST_F(Ilbm, ExtraHalfBriteAndHoldAndModify)
{
    IlbmPicture ehb = Planar(64, 2, 6, cmpByteRun1);
    ehb.cmap = Palette(32);
    ehb.hasCamg = true;
    ehb.camg = EXTRA_HALFBRITE;
    for (unsigned i = 0; i < ehb.pixels.size(); i++)
        ehb.pixels[i] = i % 64;
    ExpectPixels(ehb, [&](unsigned x, unsigned y) {
        unsigned long v = ehb.pixels[y * 64 + x];
        Rgba c = Colour(ehb.cmap, v % 32);
        if (v >= 32)
            c = {UBYTE(c.r / 2), UBYTE(c.g / 2), UBYTE(c.b / 2), 0xFF};
        return c;
    });

    // HAM6: 4 data bits; control 0 palette, 1 blue, 2 red, 3 green.
    IlbmPicture ham6 = Planar(6, 1, 6, cmpNone);
    ham6.cmap = Palette(16);
    ham6.hasCamg = true;
    ham6.camg = HAM;
    ham6.pixels = {0x20 | 0xA, 0x05, 0x30 | 0x3, 0x10 | 0xC, 0x20 | 0x1, 0x00};
    const Rgba c0 = Colour(ham6.cmap, 0), c5 = Colour(ham6.cmap, 5);
    const std::vector<Rgba> ham6Row = {
        {0xAA, c0.g, c0.b, 0xFF}, c5, {c5.r, 0x33, c5.b, 0xFF}, {c5.r, 0x33, 0xCC, 0xFF},
        {0x11, 0x33, 0xCC, 0xFF}, c0};
    ExpectPixels(ham6, [&](unsigned x, unsigned) { return ham6Row[x]; });

    // HAM8: 6 data bits widened to 8 (0x3F becomes 0xFF, 0x20 becomes 0x82).
    IlbmPicture ham8 = Planar(3, 1, 8, cmpByteRun1);
    ham8.cmap = Palette(64);
    ham8.hasCamg = true;
    ham8.camg = HAM;
    ham8.pixels = {0x80 | 0x3F, 0xC0 | 0x20, 0x40 | 0x01};
    const Rgba h0 = Colour(ham8.cmap, 0);
    const std::vector<Rgba> ham8Row = {{0xFF, h0.g, h0.b, 0xFF}, {0xFF, 0x82, h0.b, 0xFF}, {0xFF, 0x82, 0x04, 0xFF}};
    ExpectPixels(ham8, [&](unsigned x, unsigned) { return ham8Row[x]; });
}

TEST_F(Ilbm, MaskPlanesAndTransparentColoursBecomeAlpha)
{
    IlbmPicture masked = Planar(18, 3, 2, cmpByteRun1);
    masked.cmap = Palette(4);
    masked.masking = mskHasMask;
    masked.mask.resize(masked.pixels.size());
    for (unsigned i = 0; i < masked.pixels.size(); i++) {
        masked.pixels[i] = i % 4;
        masked.mask[i] = i % 5 != 0;
    }
    ExpectPixels(masked, [&](unsigned x, unsigned y) {
        unsigned i = y * 18 + x;
        return Colour(masked.cmap, masked.pixels[i], masked.mask[i] ? 0xFF : 0);
    });

    IlbmPicture keyed = Planar(10, 2, 2, cmpNone);
    keyed.cmap = Palette(4);
    keyed.masking = mskHasTransparentColor;
    keyed.transparent = 2;
    for (unsigned i = 0; i < keyed.pixels.size(); i++)
        keyed.pixels[i] = i % 4;
    ExpectPixels(keyed, [&](unsigned x, unsigned y) {
        unsigned long v = keyed.pixels[y * 10 + x];
        return Colour(keyed.cmap, v, v == 2 ? 0 : 0xFF);
    });
}

TEST_F(Ilbm, ChunkyPbmPicturesWithOddWidths)
{
    for (unsigned compression : {cmpNone, cmpByteRun1}) {
        IlbmPicture p = Planar(5, 4, 8, compression);
        p.pbm = true;
        p.cmap = Palette(256);
        for (unsigned i = 0; i < p.pixels.size(); i++)
            p.pixels[i] = (i * 53) % 256;
        ExpectPixels(p, [&](unsigned x, unsigned y) { return Colour(p.cmap, p.pixels[y * 5 + x]); });
    }
}

TEST_F(Ilbm, FourBitPalettesAreWidenedAndMissingOnesAreGrey)
{
    IlbmPicture old = Planar(4, 1, 2, cmpNone);
    old.cmap = {0x00, 0x00, 0x00, 0xF0, 0x80, 0x00, 0x10, 0x20, 0x30, 0xA0, 0xB0, 0xC0};
    old.pixels = {0, 1, 2, 3};
    const std::vector<Rgba> widened = {
        {0, 0, 0, 0xFF}, {0xFF, 0x88, 0x00, 0xFF}, {0x11, 0x22, 0x33, 0xFF}, {0xAA, 0xBB, 0xCC, 0xFF}};
    ExpectPixels(old, [&](unsigned x, unsigned) { return widened[x]; });

    IlbmPicture grey = Planar(4, 1, 2, cmpNone);
    grey.pixels = {0, 1, 2, 3};
    ExpectPixels(grey, [&](unsigned x, unsigned) { return Rgba{UBYTE(85 * x), UBYTE(85 * x), UBYTE(85 * x), 0xFF}; });
}

TEST_F(Ilbm, NameModeAndColourMapAreReported)
{
    IlbmPicture p = FourPlanes();
    p.name = "Sunset";
    p.hasCamg = true;
    p.camg = HIRES | LACE | SPRITES;
    Object *object = Load(Write("pic.ilbm", IlbmFile(p)));
    ASSERT_NE(object, nullptr);
    STRPTR objName = nullptr;
    ULONG mode = 0, numColors = 0;
    struct ColorRegister *colors = nullptr;
    ASSERT_EQ(GetDTAttrs(object, DTA_ObjName, &objName, PDTA_ModeID, &mode, PDTA_NumColors, &numColors,
                         PDTA_ColorRegisters, &colors, TAG_DONE),
              4u);
    EXPECT_STREQ(objName, "Sunset");
    EXPECT_EQ(mode, static_cast<ULONG>(HIRES | LACE));
    ASSERT_EQ(numColors, 16u);
    ASSERT_NE(colors, nullptr);
    EXPECT_EQ(colors[7].red, p.cmap[21]);
    EXPECT_EQ(colors[7].green, p.cmap[22]);
    EXPECT_EQ(colors[7].blue, p.cmap[23]);
    DisposeDTObject(object);
}

TEST_F(Ilbm, EveryTruncationFailsWithAnError)
{
    const Bytes whole = IlbmFile(FourPlanes());
    Object *complete = LoadMemory(whole);
    ASSERT_NE(complete, nullptr);
    DisposeDTObject(complete);
    for (std::size_t length = 0; length < whole.size(); length++) {
        Bytes cut(whole.begin(), whole.begin() + static_cast<long>(length));
        SetIoErr(0);
        Object *object = LoadMemory(cut);
        EXPECT_EQ(object, nullptr) << "cut to " << length;
        EXPECT_EQ(IoErr(), length < 12 ? DTERROR_UNKNOWN_DATATYPE : DTERROR_NOT_ENOUGH_DATA) << "cut to " << length;
        DisposeDTObject(object);
    }
    // A file cut short is refused the same way.
    SetIoErr(0);
    EXPECT_EQ(Load(Write("cut.ilbm", Bytes(whole.begin(), whole.end() - 7))), nullptr);
    EXPECT_EQ(IoErr(), DTERROR_NOT_ENOUGH_DATA);
}

TEST_F(Ilbm, BrokenByteRun1BodiesFail)
{
    // A 16-pixel, one-plane picture: two bytes a row.
    IlbmPicture p = Planar(16, 2, 1, cmpByteRun1);
    p.cmap = Palette(2);
    auto withBody = [&](const Bytes &body) {
        Bytes file;
        file.insert(file.end(), {'F', 'O', 'R', 'M', 0, 0, 0, 0, 'I', 'L', 'B', 'M'});
        PutChunk(file, "BMHD", BitMapHeaderBytes(p));
        PutChunk(file, "CMAP", p.cmap);
        PutChunk(file, "BODY", body);
        unsigned long length = file.size() - 8;
        file[6] = UBYTE(length >> 8);
        file[7] = UBYTE(length);
        return file;
    };
    Object *good = LoadMemory(withBody({0x01, 0xAA, 0x55, 0xFF, 0x0F}));
    ASSERT_NE(good, nullptr) << IoErr();
    EXPECT_EQ(PixelAt(good, 0, 0), Colour(p.cmap, 1));
    EXPECT_EQ(PixelAt(good, 1, 0), Colour(p.cmap, 0));
    EXPECT_EQ(PixelAt(good, 15, 1), Colour(p.cmap, 1));
    DisposeDTObject(good);

    ExpectFailure(withBody({0x02, 0xAA, 0x55, 0x11, 0xFF, 0x0F}), DTERROR_INVALID_DATA);  // a literal past the row
    ExpectFailure(withBody({0xFD, 0xAA, 0xFF, 0x0F, 0x00}), DTERROR_INVALID_DATA);        // a repeat past the row
    ExpectFailure(withBody({0x01, 0xAA, 0x55, 0x01, 0x0F}), DTERROR_NOT_ENOUGH_DATA);     // a literal past the data
    ExpectFailure(withBody({0x01, 0xAA, 0x55, 0x80, 0x80}), DTERROR_NOT_ENOUGH_DATA);     // only no-ops left
    ExpectFailure(withBody({0x01, 0xAA, 0x55, 0xFF}), DTERROR_NOT_ENOUGH_DATA);           // a repeat without its byte
}

TEST_F(Ilbm, HeadersThatContradictThemselvesFail)
{
    auto variant = [](auto change) {
        IlbmPicture p = FourPlanes();
        change(p);
        return IlbmFile(p);
    };
    ExpectFailure(variant([](IlbmPicture &p) { p.compression = cmpByteRun2; }), DTERROR_UNKNOWN_COMPRESSION);
    ExpectFailure(variant([](IlbmPicture &p) { p.planes = 12; p.compression = cmpNone; }), DTERROR_INVALID_DATA);
    ExpectFailure(variant([](IlbmPicture &p) { p.planes = 0; p.pixels.clear(); }), DTERROR_INVALID_DATA);
    ExpectFailure(variant([](IlbmPicture &p) { p.width = 0; p.pixels.clear(); }), DTERROR_INVALID_DATA);
    // HAM exists only with six and eight planes.
    ExpectFailure(variant([](IlbmPicture &p) { p.planes = 5; p.hasCamg = true; p.camg = HAM; }), DTERROR_INVALID_DATA);
    // Bodies one row too short for the height the header gives.
    for (unsigned compression : {cmpNone, cmpByteRun1}) {
        Bytes file = variant([&](IlbmPicture &p) { p.compression = compression; });
        file[23] = 6;
        ExpectFailure(file, DTERROR_NOT_ENOUGH_DATA);
    }
}

TEST_F(Ilbm, SizesPastTheLimitAndMissingChunks)
{
    IlbmPicture huge = Planar(16, 1, 1, cmpByteRun1);
    huge.pixels.assign(16, 0);
    Bytes file = IlbmFile(huge);
    // Patch the BMHD to 20000 x 20000: refused before anything is allocated.
    file[20] = 0x4E, file[21] = 0x20, file[22] = 0x4E, file[23] = 0x20;
    ExpectFailure(file, ERROR_NO_FREE_STORE);
    // 65535 x 1 fits the limits, but the body is far too short for it.
    file[20] = 0xFF, file[21] = 0xFF, file[22] = 0x00, file[23] = 0x01;
    ExpectFailure(file, DTERROR_NOT_ENOUGH_DATA);

    Bytes noHeader;
    noHeader.insert(noHeader.end(), {'F', 'O', 'R', 'M', 0, 0, 0, 12, 'I', 'L', 'B', 'M', 'B', 'O', 'D', 'Y', 0, 0, 0, 0});
    ExpectFailure(noHeader, DTERROR_INVALID_DATA);
    Bytes noBody;
    noBody.insert(noBody.end(), {'F', 'O', 'R', 'M', 0, 0, 0, 32, 'I', 'L', 'B', 'M'});
    PutChunk(noBody, "BMHD", BitMapHeaderBytes(huge));
    ExpectFailure(noBody, DTERROR_NOT_ENOUGH_DATA);
    Bytes sound;
    sound.insert(sound.end(), {'F', 'O', 'R', 'M', 0, 0, 0, 4, '8', 'S', 'V', 'X'});
    ExpectFailure(sound, DTERROR_UNKNOWN_DATATYPE);
}

TEST_F(Ilbm, AnOddLastChunkNeedsNoPadByte)
{
    // Three rows of two bytes, each packed into three: a body of nine bytes.
    IlbmPicture p = Planar(8, 3, 1, cmpByteRun1);
    p.cmap = Palette(2);
    p.pixels.assign(24, 1);
    ASSERT_EQ(IlbmBody(p).size(), 9u);
    Bytes file = IlbmFile(p);
    Bytes unpadded(file.begin(), file.end() - 1);
    unsigned long length = unpadded.size() - 8;
    unpadded[6] = UBYTE(length >> 8);
    unpadded[7] = UBYTE(length);
    Object *object = LoadMemory(unpadded);
    ASSERT_NE(object, nullptr) << IoErr();
    EXPECT_EQ(PixelAt(object, 7, 2), Colour(p.cmap, 1));
    DisposeDTObject(object);
}

}  // namespace dttest
