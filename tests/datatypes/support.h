// Shared by the datatypes tests: a volume on a temporary drawer, picture files written byte by byte or through libpng and libjpeg, pixel access.
#ifndef TESTS_DATATYPES_SUPPORT_H
#define TESTS_DATATYPES_SUPPORT_H

#include <proto/datatypes.h>
#include <proto/dos.h>

#include "support/test_volume.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dttest {

using Bytes = std::vector<UBYTE>;

// Each test gets a fresh drawer as the volume "DTTest:", which is also the
// current directory while the test runs.
class PictureTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file into the test's drawer; returns its name there.
    std::string Write(const std::string &name, const Bytes &contents);
    std::string HostPath(const std::string &name) const { return root + "/" + name; }

    // Makes a picture object from a file with the program's own tags.
    Object *Load(const std::string &name);
    // The same from memory (DTST_MEMORY).
    Object *LoadMemory(const Bytes &contents);
    // Loading from memory must fail with this error.
    void ExpectFailure(const Bytes &file, LONG error);

    kvtest::TestVolume volume;
    std::string root;
};

// --- IFF ILBM, written by hand ----------------------------------------------

void PutBe16(Bytes &out, unsigned value);
void PutBe32(Bytes &out, unsigned long value);
void PutChunk(Bytes &out, const char *id, const Bytes &data);   // pads odd lengths

// Packs bytes with ByteRun1 as the paint programs do: runs of three or more
// equal bytes repeat, the rest go literally, at most 128 at a time.
Bytes PackByteRun1(const UBYTE *data, std::size_t size);

struct IlbmPicture {
    unsigned width = 0, height = 0;
    unsigned planes = 0;
    unsigned masking = mskNone;
    unsigned compression = cmpNone;
    unsigned transparent = 0;
    int left = 0, top = 0;
    unsigned xAspect = 10, yAspect = 11;
    int pageWidth = 320, pageHeight = 256;
    bool pbm = false;
    Bytes cmap;                       // red, green, blue triples; empty: no CMAP
    bool hasCamg = false;
    unsigned long camg = 0;
    std::string name;                 // a NAME chunk when not empty
    std::vector<unsigned long> pixels;   // width x height values: palette index or deep value
    std::vector<bool> mask;           // with mskHasMask: one bit a pixel
};

// The BMHD chunk's 20 bytes.
Bytes BitMapHeaderBytes(const IlbmPicture &picture);
// The BODY: each plane row (and mask row) packed on its own when compressed.
Bytes IlbmBody(const IlbmPicture &picture);
// The whole file: FORM ILBM (or PBM) with BMHD, CMAP, CAMG, NAME, BODY.
Bytes IlbmFile(const IlbmPicture &picture);

// --- PNG and JPEG, through the libraries --------------------------------------

struct PngPicture {
    unsigned width = 0, height = 0;
    int colorType = 0;                // PNG_COLOR_TYPE_...
    int bitDepth = 8;
    bool interlaced = false;
    Bytes palette;                    // triples, for PNG_COLOR_TYPE_PALETTE
    Bytes transparency;               // tRNS bytes as libpng takes them (palette alpha)
    std::vector<Bytes> rows;          // packed rows as libpng wants them
};
Bytes PngFile(const PngPicture &picture);

// A JPEG of one colour: components 1 (grey: value[0]), 3 (red, green, blue)
// or 4 (CMYK as Adobe's programs write it, inverted, with their marker);
// baseline, or progressive in several scans.
Bytes SolidJpeg(unsigned width, unsigned height, int components, const UBYTE value[4], bool progressive = false);

// --- Reading what an object holds ------------------------------------------------

struct Rgba {
    UBYTE r, g, b, a;
    bool operator==(const Rgba &o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};
std::ostream &operator<<(std::ostream &out, const Rgba &p);

// The pixel at x, y of an object's PDTA_BitMap, read from the bytes of a
// BGRA32 bitmap (the test fails when the bitmap is not one).
Rgba PixelAt(Object *object, unsigned x, unsigned y);

}  // namespace dttest

#endif  // TESTS_DATATYPES_SUPPORT_H
