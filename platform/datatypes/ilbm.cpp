// datatypes/ilbm.cpp: the IFF ILBM and PBM reader's chunk side: the FORM, BMHD, CMAP, CAMG and the texts, checked against each other.
#include "ilbm.h"

#include <dos/dos.h>
#include <graphics/view.h>

#include <algorithm>
#include <new>

namespace hosted::datatypes {

namespace {

ULONG Be32(const UBYTE *p)
{
    return static_cast<ULONG>(p[0]) << 24 | static_cast<ULONG>(p[1]) << 16 | static_cast<ULONG>(p[2]) << 8 | p[3];
}

UWORD Be16(const UBYTE *p)
{
    return static_cast<UWORD>(p[0] << 8 | p[1]);
}

struct Span {
    const UBYTE *data = nullptr;
    ULONG size = 0;
    bool Present() const { return data != nullptr; }
};

// The chunks of one FORM that the reader uses; the first of each kind counts.
struct IlbmChunks {
    bool pbm = false;
    Span bmhd, cmap, camg, body;
};

// The texts a picture may carry, each kept up to its first NUL and at most
// this long.
constexpr ULONG MaxTextLength = 1023;

void TakeText(std::string &text, const Span &chunk)
{
    if (!text.empty())
        return;
    ULONG length = 0;
    while (length < chunk.size && length < MaxTextLength && chunk.data[length] != 0)
        length++;
    text.assign(reinterpret_cast<const char *>(chunk.data), length);
}

// Walks the chunks of the FORM. Every chunk must lie inside the FORM and
// the FORM inside the data; a pad byte missing after the last chunk is
// forgiven.
LONG WalkChunks(const UBYTE *data, std::size_t size, IlbmChunks &chunks, PictureInfo &info)
{
    ULONG formLength = Be32(data + 4);
    if (formLength < 4)
        return DTERROR_INVALID_DATA;
    if (formLength > size - 8)
        return DTERROR_NOT_ENOUGH_DATA;
    chunks.pbm = data[8] == 'P';
    const std::size_t end = 8 + static_cast<std::size_t>(formLength);
    std::size_t pos = 12;
    while (end - pos >= 8) {
        ULONG id = Be32(data + pos);
        ULONG length = Be32(data + pos + 4);
        pos += 8;
        if (length > end - pos)
            return DTERROR_NOT_ENOUGH_DATA;
        Span chunk{data + pos, length};
        Span *slot = nullptr;
        switch (id) {
        case ID_BMHD: slot = &chunks.bmhd; break;
        case ID_CMAP: slot = &chunks.cmap; break;
        case ID_CAMG: slot = &chunks.camg; break;
        case ID_BODY: slot = &chunks.body; break;
        case MAKE_ID('N', 'A', 'M', 'E'): TakeText(info.name, chunk); break;
        case MAKE_ID('A', 'U', 'T', 'H'): TakeText(info.author, chunk); break;
        case MAKE_ID('(', 'c', ')', ' '): TakeText(info.copyright, chunk); break;
        case MAKE_ID('A', 'N', 'N', 'O'): TakeText(info.annotation, chunk); break;
        default: break;
        }
        if (slot != nullptr && !slot->Present())
            *slot = chunk;
        pos += length;
        if ((length & 1) != 0) {
            if (pos == end)
                break;
            pos++;
        }
    }
    return 0;
}

void ReadBitMapHeader(const Span &bmhd, struct BitMapHeader &header)
{
    const UBYTE *p = bmhd.data;
    header.bmh_Width = Be16(p);
    header.bmh_Height = Be16(p + 2);
    header.bmh_Left = static_cast<WORD>(Be16(p + 4));
    header.bmh_Top = static_cast<WORD>(Be16(p + 6));
    header.bmh_Depth = p[8];
    header.bmh_Masking = p[9];
    header.bmh_Compression = p[10];
    header.bmh_Pad = p[11];
    header.bmh_Transparent = Be16(p + 12);
    header.bmh_XAspect = p[14];
    header.bmh_YAspect = p[15];
    header.bmh_PageWidth = static_cast<WORD>(Be16(p + 16));
    header.bmh_PageHeight = static_cast<WORD>(Be16(p + 18));
}

// Fills the picture's colour map from the CMAP (at most 256 entries).
// Palettes written for the old four-bit hardware have every low nibble 0;
// they are widened (0xF0 becomes 0xFF) as the system has always done. A
// picture without a CMAP gets a grey ramp over its depth.
void ReadColorMap(const Span &cmap, UBYTE planes, PictureInfo &info)
{
    if (cmap.Present() && cmap.size >= 3) {
        ULONG count = std::min<ULONG>(cmap.size / 3, 256);
        bool fourBit = true;
        for (ULONG i = 0; i < count * 3; i++)
            fourBit = fourBit && (cmap.data[i] & 0x0F) == 0;
        for (ULONG i = 0; i < count; i++) {
            UBYTE rgb[3];
            for (int c = 0; c < 3; c++) {
                UBYTE v = cmap.data[3 * i + c];
                rgb[c] = fourBit ? static_cast<UBYTE>(v | v >> 4) : v;
            }
            info.colors[i] = {rgb[0], rgb[1], rgb[2]};
        }
        info.numColors = count;
        return;
    }
    if (planes > 8)
        return;
    ULONG count = 1UL << planes;
    for (ULONG i = 0; i < count; i++) {
        auto grey = static_cast<UBYTE>(count > 1 ? i * 255 / (count - 1) : 0);
        info.colors[i] = {grey, grey, grey};
    }
    info.numColors = count;
}

// The display mode the picture was drawn for: the CAMG's (without the bits
// that only concern the hardware of the day), or a guess from the size.
ULONG ModeOf(const Span &camg, const struct BitMapHeader &header)
{
    if (camg.Present() && camg.size >= 4) {
        ULONG mode = Be32(camg.data);
        if ((mode & 0xFFFF0000UL) == 0)
            mode &= ~static_cast<ULONG>(SPRITES | VP_HIDE | GENLOCK_AUDIO | GENLOCK_VIDEO);
        return mode;
    }
    ULONG mode = 0;
    if (header.bmh_Width >= 640)
        mode |= HIRES;
    if (header.bmh_Height >= 400)
        mode |= LACE;
    return mode;
}

// Checks the header against itself and the chunks, and settles how the
// body is to be read.
LONG Settle(const IlbmChunks &chunks, PictureInfo &info, IlbmLayout &layout)
{
    const struct BitMapHeader &header = info.header;
    if (LONG error = CheckPictureSize(header.bmh_Width, header.bmh_Height))
        return error;
    if (header.bmh_Compression > cmpByteRun1)
        return DTERROR_UNKNOWN_COMPRESSION;
    const UBYTE planes = header.bmh_Depth;
    if (chunks.pbm ? (planes == 0 || planes > 8) : !(planes >= 1 && (planes <= 8 || planes == 24 || planes == 32)))
        return DTERROR_INVALID_DATA;

    layout.width = header.bmh_Width;
    layout.height = header.bmh_Height;
    layout.planes = planes;
    layout.pbm = chunks.pbm;
    layout.compressed = header.bmh_Compression == cmpByteRun1;
    layout.maskPlane = header.bmh_Masking == mskHasMask && !chunks.pbm;
    layout.transparentColor = header.bmh_Masking == mskHasTransparentColor && planes <= 8;
    layout.transparent = header.bmh_Transparent;
    layout.colors = info.colors;

    ReadColorMap(chunks.cmap, planes, info);
    info.modeID = ModeOf(chunks.camg, header);
    const ULONG camgMode = chunks.camg.Present() && chunks.camg.size >= 4 ? Be32(chunks.camg.data) : 0;
    if (!chunks.pbm && (camgMode & HAM) != 0 && planes <= 8) {
        if (planes != 6 && planes != 8)
            return DTERROR_INVALID_DATA;
        layout.ham = planes;
        layout.transparentColor = false;
    }
    // Extra half-brite: the upper 32 colours are the lower ones at half
    // brightness. Pictures saved without a CAMG say so by their 32 colours.
    bool halfBrite = (camgMode & EXTRA_HALFBRITE) != 0 || (!chunks.camg.Present() && info.numColors <= 32);
    if (!chunks.pbm && planes == 6 && layout.ham == 0 && halfBrite) {
        for (ULONG i = 0; i < 32; i++) {
            const struct ColorRegister &c = info.colors[i];
            info.colors[32 + i] = {static_cast<UBYTE>(c.red >> 1), static_cast<UBYTE>(c.green >> 1),
                                   static_cast<UBYTE>(c.blue >> 1)};
        }
        info.numColors = 64;
    }

    // The body must be able to hold the picture before room is made for
    // it: uncompressed, every byte; packed, at least two bytes for every
    // 128 of each row.
    const unsigned long long rowBytes = IlbmRowBytes(layout);
    const unsigned long long bodySize = chunks.body.size;
    if (!layout.compressed) {
        if (bodySize < rowBytes * layout.height)
            return DTERROR_NOT_ENOUGH_DATA;
    } else if (bodySize < (rowBytes + 127) / 128 * 2 * layout.height) {
        return DTERROR_NOT_ENOUGH_DATA;
    }
    return 0;
}

}  // namespace

LONG ReadIlbm(const UBYTE *data, std::size_t size, PictureInfo &info, PixelSink &sink)
{
    if (IdentifyPicture(data, size) != PictureKind::Ilbm)
        return DTERROR_UNKNOWN_DATATYPE;
    try {
        IlbmChunks chunks;
        if (LONG error = WalkChunks(data, size, chunks, info))
            return error;
        if (!chunks.bmhd.Present() || chunks.bmhd.size < 20)
            return DTERROR_INVALID_DATA;
        if (!chunks.body.Present())
            return DTERROR_NOT_ENOUGH_DATA;
        ReadBitMapHeader(chunks.bmhd, info.header);
        IlbmLayout layout;
        if (LONG error = Settle(chunks, info, layout))
            return error;
        return ReadIlbmBody(layout, chunks.body.data, chunks.body.size, sink);
    } catch (const std::bad_alloc &) {
        return ERROR_NO_FREE_STORE;
    }
}

}  // namespace hosted::datatypes
