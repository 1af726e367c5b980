// Shared by the datatypes tests: the volume on a temporary drawer, the ILBM writer and pixel access.
#include "support.h"

#include "support/temp_home.h"

#include <hosted/graphics.h>
#include <proto/graphics.h>

#include <cstdio>
#include <fstream>
#include <ostream>

namespace dttest {

namespace {

// Before main, so that no test ever reads the user's own volume table.
[[maybe_unused]] const std::string &gHome = kvtest::TestHome("kv-dt-home");

}  // namespace

void PictureTest::SetUp()
{
    ASSERT_TRUE(volume.Make("kv-dt-volume"));
    volume.Mount("DTTest");
    ASSERT_TRUE(volume.Enter());
    root = volume.Root();
}

void PictureTest::TearDown()
{
    volume.Unmount();
}

std::string PictureTest::Write(const std::string &name, const Bytes &contents)
{
    std::ofstream out(HostPath(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(contents.data()), static_cast<std::streamsize>(contents.size()));
    return name;
}

Object *PictureTest::Load(const std::string &name)
{
    return NewDTObject(const_cast<char *>(name.c_str()), DTA_GroupID, GID_PICTURE, PDTA_DestMode, PMODE_V43,
                       PDTA_Remap, FALSE, TAG_DONE);
}

Object *PictureTest::LoadMemory(const Bytes &contents)
{
    return NewDTObject(nullptr, DTA_SourceType, DTST_MEMORY, DTA_SourceAddress, contents.data(),
                       DTA_SourceSize, contents.size(), DTA_GroupID, GID_PICTURE, TAG_DONE);
}

void PictureTest::ExpectFailure(const Bytes &file, LONG error)
{
    SetIoErr(0);
    Object *object = LoadMemory(file);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(IoErr(), error);
    DisposeDTObject(object);
}

// --- IFF ILBM ----------------------------------------------------------------

void PutBe16(Bytes &out, unsigned value)
{
    out.push_back(static_cast<UBYTE>(value >> 8));
    out.push_back(static_cast<UBYTE>(value));
}

void PutBe32(Bytes &out, unsigned long value)
{
    PutBe16(out, static_cast<unsigned>(value >> 16) & 0xFFFF);
    PutBe16(out, static_cast<unsigned>(value) & 0xFFFF);
}

void PutChunk(Bytes &out, const char *id, const Bytes &data)
{
    out.insert(out.end(), id, id + 4);
    PutBe32(out, data.size());
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 != 0)
        out.push_back(0);
}

Bytes PackByteRun1(const UBYTE *data, std::size_t size)
{
    Bytes out;
    std::size_t i = 0;
    while (i < size) {
        std::size_t run = 1;
        while (i + run < size && run < 128 && data[i + run] == data[i])
            run++;
        if (run >= 3) {
            out.push_back(static_cast<UBYTE>(257 - run));
            out.push_back(data[i]);
            i += run;
            continue;
        }
        // A literal stretch up to the next run of three.
        std::size_t start = i;
        while (i < size && i - start < 128) {
            if (i + 2 < size && data[i] == data[i + 1] && data[i] == data[i + 2])
                break;
            i++;
        }
        out.push_back(static_cast<UBYTE>(i - start - 1));
        out.insert(out.end(), data + start, data + i);
    }
    return out;
}

Bytes BitMapHeaderBytes(const IlbmPicture &p)
{
    Bytes b;
    PutBe16(b, p.width);
    PutBe16(b, p.height);
    PutBe16(b, static_cast<unsigned>(p.left) & 0xFFFF);
    PutBe16(b, static_cast<unsigned>(p.top) & 0xFFFF);
    b.push_back(static_cast<UBYTE>(p.planes));
    b.push_back(static_cast<UBYTE>(p.masking));
    b.push_back(static_cast<UBYTE>(p.compression));
    b.push_back(0);
    PutBe16(b, p.transparent);
    b.push_back(static_cast<UBYTE>(p.xAspect));
    b.push_back(static_cast<UBYTE>(p.yAspect));
    PutBe16(b, static_cast<unsigned>(p.pageWidth) & 0xFFFF);
    PutBe16(b, static_cast<unsigned>(p.pageHeight) & 0xFFFF);
    return b;
}

Bytes IlbmBody(const IlbmPicture &p)
{
    Bytes body;
    auto emit = [&](const Bytes &row) {
        if (p.compression == cmpByteRun1) {
            Bytes packed = PackByteRun1(row.data(), row.size());
            body.insert(body.end(), packed.begin(), packed.end());
        } else {
            body.insert(body.end(), row.begin(), row.end());
        }
    };
    const unsigned planeRow = (p.width + 15) / 16 * 2;
    for (unsigned y = 0; y < p.height; y++) {
        if (p.pbm) {
            Bytes row(p.width + (p.width & 1), 0);
            for (unsigned x = 0; x < p.width; x++)
                row[x] = static_cast<UBYTE>(p.pixels[y * p.width + x]);
            emit(row);
            continue;
        }
        for (unsigned plane = 0; plane < p.planes; plane++) {
            Bytes row(planeRow, 0);
            for (unsigned x = 0; x < p.width; x++) {
                if ((p.pixels[y * p.width + x] >> plane) & 1)
                    row[x / 8] |= static_cast<UBYTE>(0x80 >> (x % 8));
            }
            emit(row);
        }
        if (p.masking == mskHasMask) {
            Bytes row(planeRow, 0);
            for (unsigned x = 0; x < p.width; x++) {
                if (p.mask[y * p.width + x])
                    row[x / 8] |= static_cast<UBYTE>(0x80 >> (x % 8));
            }
            emit(row);
        }
    }
    return body;
}

Bytes IlbmFile(const IlbmPicture &p)
{
    Bytes form;
    form.insert(form.end(), {'F', 'O', 'R', 'M', 0, 0, 0, 0});
    const char *type = p.pbm ? "PBM " : "ILBM";
    form.insert(form.end(), type, type + 4);
    PutChunk(form, "BMHD", BitMapHeaderBytes(p));
    if (!p.name.empty())
        PutChunk(form, "NAME", Bytes(p.name.begin(), p.name.end()));
    if (!p.cmap.empty())
        PutChunk(form, "CMAP", p.cmap);
    if (p.hasCamg) {
        Bytes camg;
        PutBe32(camg, p.camg);
        PutChunk(form, "CAMG", camg);
    }
    PutChunk(form, "BODY", IlbmBody(p));
    unsigned long length = form.size() - 8;
    for (int i = 0; i < 4; i++)
        form[4 + i] = static_cast<UBYTE>(length >> (24 - 8 * i));
    return form;
}

// --- Pixels ------------------------------------------------------------------

std::ostream &operator<<(std::ostream &out, const Rgba &p)
{
    char text[32];
    std::snprintf(text, sizeof text, "rgba(%u,%u,%u,%u)", p.r, p.g, p.b, p.a);
    return out << text;
}

Rgba PixelAt(Object *object, unsigned x, unsigned y)
{
    struct BitMap *bitMap = nullptr;
    EXPECT_EQ(GetDTAttrs(object, PDTA_BitMap, &bitMap, TAG_DONE), 1u);
    const hosted::ChunkyBitMap *chunky = hosted::ChunkyOf(bitMap);
    EXPECT_NE(chunky, nullptr);
    if (chunky == nullptr)
        return {};
    EXPECT_EQ(chunky->pixelFormat, PIXFMT_BGRA32);
    EXPECT_LT(x, static_cast<unsigned>(chunky->width));
    EXPECT_LT(y, static_cast<unsigned>(chunky->height));
    const UBYTE *p = chunky->pixels + static_cast<std::size_t>(y) * chunky->bytesPerRow + 4 * x;
    return {p[2], p[1], p[0], p[3]};
}

}  // namespace dttest
