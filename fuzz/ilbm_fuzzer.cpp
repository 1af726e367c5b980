// libFuzzer target of the IFF ILBM reader; built with ILBM_SEED_WRITER it writes the seed corpus instead.
#include "decoders.h"

#include <dos/dos.h>
#include <graphics/view.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using hosted::datatypes::PictureInfo;
using hosted::datatypes::PixelSink;

[[noreturn]] void Broken(const char *what)
{
    std::fprintf(stderr, "ilbm reader broke its contract: %s\n", what);
    std::abort();
}

// Checks what the reader delivers against its contract, and reads every
// byte of every row so that the sanitizer sees a row that is too short.
class CheckingSink final : public PixelSink {
public:
    LONG Begin(ULONG width, ULONG height) override
    {
        if (begun_)
            Broken("Begin called twice");
        if (hosted::datatypes::CheckPictureSize(width, height) != 0)
            Broken("Begin with a size past the limits");
        begun_ = true;
        width_ = width;
        height_ = height;
        seen_.assign(height, false);
        return 0;
    }

    void PutRow(ULONG y, const UBYTE *rgba) override
    {
        if (!begun_ || y >= height_)
            Broken("a row outside the picture");
        seen_[y] = true;
        unsigned sum = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(width_) * 4; i++)
            sum += rgba[i];
        checksum_ += sum;
    }

    void CheckComplete() const
    {
        if (!begun_)
            Broken("success without a picture");
        for (bool row : seen_) {
            if (!row)
                Broken("success with a row missing");
        }
    }

private:
    bool begun_ = false;
    ULONG width_ = 0, height_ = 0;
    std::vector<bool> seen_;
    unsigned long checksum_ = 0;
};

}  // namespace

#ifndef ILBM_SEED_WRITER

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PictureInfo info;
    CheckingSink sink;
    LONG error = hosted::datatypes::ReadIlbm(data, size, info, sink);
    if (error == 0) {
        sink.CheckComplete();
        if (info.numColors > 256)
            Broken("more than 256 colours");
    }
    return 0;
}

#else

// --- The seed corpus: small valid pictures of every kind the reader knows ---

namespace {

using Bytes = std::vector<UBYTE>;

void Be16(Bytes &out, unsigned v)
{
    out.push_back(static_cast<UBYTE>(v >> 8));
    out.push_back(static_cast<UBYTE>(v));
}

void Be32(Bytes &out, unsigned long v)
{
    Be16(out, static_cast<unsigned>(v >> 16) & 0xFFFF);
    Be16(out, static_cast<unsigned>(v) & 0xFFFF);
}

void Chunk(Bytes &out, const char *id, const Bytes &data)
{
    out.insert(out.end(), id, id + 4);
    Be32(out, data.size());
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 != 0)
        out.push_back(0);
}

Bytes Pack(const Bytes &row)
{
    Bytes out;
    std::size_t i = 0;
    while (i < row.size()) {
        std::size_t run = 1;
        while (i + run < row.size() && run < 128 && row[i + run] == row[i])
            run++;
        if (run >= 3) {
            out.push_back(static_cast<UBYTE>(257 - run));
            out.push_back(row[i]);
            i += run;
            continue;
        }
        std::size_t start = i;
        while (i < row.size() && i - start < 128 &&
               !(i + 2 < row.size() && row[i] == row[i + 1] && row[i] == row[i + 2]))
            i++;
        out.push_back(static_cast<UBYTE>(i - start - 1));
        out.insert(out.end(), row.begin() + static_cast<long>(start), row.begin() + static_cast<long>(i));
    }
    return out;
}

struct Seed {
    const char *file;
    unsigned width, height, planes, masking = mskNone, compression = cmpNone;
    bool pbm = false;
    unsigned colours = 0;        // CMAP entries; 0: none
    bool camg = false;
    unsigned long mode = 0;
    bool texts = false;
};

void WriteSeed(const std::string &dir, const Seed &s)
{
    Bytes bmhd;
    Be16(bmhd, s.width);
    Be16(bmhd, s.height);
    Be32(bmhd, 0);
    bmhd.insert(bmhd.end(), {UBYTE(s.planes), UBYTE(s.masking), UBYTE(s.compression), 0});
    Be16(bmhd, 1);
    bmhd.insert(bmhd.end(), {10, 11});
    Be16(bmhd, 320);
    Be16(bmhd, 256);

    Bytes body;
    auto emit = [&](const Bytes &row) {
        Bytes packed = s.compression == cmpByteRun1 ? Pack(row) : row;
        body.insert(body.end(), packed.begin(), packed.end());
    };
    const unsigned planeRow = (s.width + 15) / 16 * 2;
    for (unsigned y = 0; y < s.height; y++) {
        if (s.pbm) {
            Bytes row(s.width + (s.width & 1));
            for (unsigned x = 0; x < s.width; x++)
                row[x] = static_cast<UBYTE>(x < s.width / 2 ? y : x * 7 + y);
            emit(row);
            continue;
        }
        const unsigned rows = s.planes + (s.masking == mskHasMask ? 1 : 0);
        for (unsigned p = 0; p < rows; p++) {
            Bytes row(planeRow);
            for (unsigned x = 0; x < s.width; x++) {
                unsigned long v = x < s.width / 2 ? 0x5A5A5A5Aul : (x * 2654435761ul) ^ y;
                if ((v >> (p % 32)) & 1)
                    row[x / 8] |= static_cast<UBYTE>(0x80 >> (x % 8));
            }
            emit(row);
        }
    }

    Bytes form = {'F', 'O', 'R', 'M', 0, 0, 0, 0};
    const char *type = s.pbm ? "PBM " : "ILBM";
    form.insert(form.end(), type, type + 4);
    Chunk(form, "BMHD", bmhd);
    if (s.texts) {
        Chunk(form, "NAME", {'s', 'e', 'e', 'd'});
        Chunk(form, "AUTH", {'m', 'e'});
        Chunk(form, "(c) ", {'1', '9', '9', '0', 0});
        Chunk(form, "ANNO", {'o', 'd', 'd'});
    }
    if (s.colours != 0) {
        Bytes cmap;
        for (unsigned i = 0; i < s.colours; i++)
            cmap.insert(cmap.end(), {UBYTE(i * 37), UBYTE(255 - i * 11), UBYTE(i * 5)});
        Chunk(form, "CMAP", cmap);
    }
    if (s.camg) {
        Bytes camg;
        Be32(camg, s.mode);
        Chunk(form, "CAMG", camg);
    }
    Chunk(form, "BODY", body);
    unsigned long length = form.size() - 8;
    for (int i = 0; i < 4; i++)
        form[4 + i] = static_cast<UBYTE>(length >> (24 - 8 * i));

    std::string path = dir + "/" + s.file;
    FILE *out = std::fopen(path.c_str(), "wb");
    if (out == nullptr || std::fwrite(form.data(), 1, form.size(), out) != form.size()) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fclose(out);

    // A seed the reader refuses would teach the fuzzer nothing.
    PictureInfo info;
    CheckingSink sink;
    if (LONG error = hosted::datatypes::ReadIlbm(form.data(), form.size(), info, sink)) {
        std::fprintf(stderr, "%s: the reader refuses the seed (%ld)\n", s.file, static_cast<long>(error));
        std::exit(1);
    }
    sink.CheckComplete();
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const Seed seeds[] = {
        {"one-plane", 19, 3, 1, mskNone, cmpNone, false, 2},
        {"four-planes-packed", 40, 5, 4, mskNone, cmpByteRun1, false, 16, false, 0, true},
        {"eight-planes", 33, 4, 8, mskNone, cmpByteRun1, false, 256},
        {"no-cmap", 16, 2, 3, mskNone, cmpNone},
        {"ehb", 24, 3, 6, mskNone, cmpByteRun1, false, 32, true, EXTRA_HALFBRITE},
        {"ham6", 24, 3, 6, mskNone, cmpByteRun1, false, 16, true, HAM},
        {"ham8", 24, 3, 8, mskNone, cmpNone, false, 64, true, HAM | HIRES},
        {"deep24", 17, 3, 24, mskNone, cmpByteRun1},
        {"deep32", 9, 2, 32, mskNone, cmpNone},
        {"mask-plane", 18, 3, 2, mskHasMask, cmpByteRun1, false, 4},
        {"transparent-colour", 10, 2, 2, mskHasTransparentColor, cmpNone, false, 4},
        {"pbm-packed", 5, 4, 8, mskNone, cmpByteRun1, true, 256},
        {"pbm-plain", 7, 2, 8, mskNone, cmpNone, true, 16},
    };
    for (const Seed &seed : seeds)
        WriteSeed(argv[1], seed);
    return 0;
}

#endif
