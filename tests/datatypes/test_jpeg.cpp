// JPEG pictures: colour, grey and CMYK pictures decode to about their colours; broken files fail cleanly.
#include "support.h"

#include <cstdlib>

namespace dttest {

namespace {

class Jpeg : public PictureTest {
protected:
    // Every pixel of the picture must lie within `tolerance` of the colour.
    void ExpectSolid(const Bytes &file, Rgba colour, int tolerance)
    {
        Object *object = Load(Write("pic.jpg", file));
        ASSERT_NE(object, nullptr) << "IoErr " << IoErr();
        struct BitMapHeader *header = nullptr;
        ASSERT_EQ(GetDTAttrs(object, PDTA_BitMapHeader, &header, TAG_DONE), 1u);
        for (unsigned y = 0; y < header->bmh_Height; y++) {
            for (unsigned x = 0; x < header->bmh_Width; x++) {
                Rgba p = PixelAt(object, x, y);
                ASSERT_LE(std::abs(p.r - colour.r), tolerance) << p << " at " << x << "," << y;
                ASSERT_LE(std::abs(p.g - colour.g), tolerance) << p << " at " << x << "," << y;
                ASSERT_LE(std::abs(p.b - colour.b), tolerance) << p << " at " << x << "," << y;
                ASSERT_EQ(p.a, 0xFF);
            }
        }
        DisposeDTObject(object);
    }
};

}  // namespace

TEST_F(Jpeg, ColourProgressiveGreyAndCmykPictures)
{
    const UBYTE colour[4] = {200, 40, 90, 0};
    ExpectSolid(SolidJpeg(24, 17, 3, colour), {200, 40, 90, 0xFF}, 4);

    ExpectSolid(SolidJpeg(40, 23, 3, colour, true), {200, 40, 90, 0xFF}, 4);

    const UBYTE grey[4] = {100, 0, 0, 0};
    ExpectSolid(SolidJpeg(9, 9, 1, grey), {100, 100, 100, 0xFF}, 2);

    // Adobe's inverted CMYK: no cyan, full magenta and yellow, no black.
    const UBYTE red[4] = {255, 0, 0, 255};
    ExpectSolid(SolidJpeg(16, 8, 4, red), {255, 0, 0, 0xFF}, 4);
    // Half black over a light cyan.
    const UBYTE dark[4] = {191, 255, 255, 128};
    ExpectSolid(SolidJpeg(8, 8, 4, dark), {96, 128, 128, 0xFF}, 4);
}

TEST_F(Jpeg, TheHeaderDescribesThePicture)
{
    const UBYTE colour[4] = {10, 20, 30, 0};
    Object *object = Load(Write("pic.jpg", SolidJpeg(31, 7, 3, colour)));
    ASSERT_NE(object, nullptr);
    struct BitMapHeader *header = nullptr;
    STRPTR baseName = nullptr;
    ASSERT_EQ(GetDTAttrs(object, PDTA_BitMapHeader, &header, DTA_BaseName, &baseName, TAG_DONE), 2u);
    EXPECT_EQ(header->bmh_Width, 31);
    EXPECT_EQ(header->bmh_Height, 7);
    EXPECT_EQ(header->bmh_Depth, 24);
    EXPECT_EQ(header->bmh_Masking, mskNone);
    EXPECT_STREQ(baseName, "jpeg");
    DisposeDTObject(object);
}

TEST_F(Jpeg, TruncatedAndGarbledPicturesFail)
{
    const UBYTE colour[4] = {200, 40, 90, 0};
    const Bytes whole = SolidJpeg(64, 64, 3, colour);
    for (std::size_t length : {std::size_t(3), std::size_t(100), whole.size() / 2, whole.size() - 40}) {
        SCOPED_TRACE(length);
        SetIoErr(0);
        EXPECT_EQ(LoadMemory(Bytes(whole.begin(), whole.begin() + static_cast<long>(length))), nullptr);
        EXPECT_EQ(IoErr(), DTERROR_NOT_ENOUGH_DATA);
    }
    // A frame header for a picture of no size.
    Bytes garbled = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x11, 0x00};
    garbled.resize(200, 0x5A);
    SetIoErr(0);
    EXPECT_EQ(LoadMemory(garbled), nullptr);
    EXPECT_EQ(IoErr(), DTERROR_INVALID_DATA);
}

}  // namespace dttest
