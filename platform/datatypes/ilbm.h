// datatypes/ilbm.h: what the IFF ILBM reader's chunk side hands its body side.
#ifndef DATATYPES_ILBM_H
#define DATATYPES_ILBM_H

#include "decoders.h"

namespace hosted::datatypes {

// How the pixels of a BODY are laid out and turned into colours; every
// field has been checked against the others by the chunk side.
struct IlbmLayout {
    ULONG width = 0;
    ULONG height = 0;
    UBYTE planes = 0;          // 1..8 (through the palette), 24 or 32 (deep)
    bool pbm = false;          // FORM PBM: one byte a pixel, rows of even length
    bool maskPlane = false;    // mskHasMask: a mask plane follows each row's planes
    bool transparentColor = false;
    UWORD transparent = 0;     // the transparent colour index with transparentColor
    bool compressed = false;   // cmpByteRun1
    UBYTE ham = 0;             // 0, or 6 / 8 for HAM6 / HAM8
    const struct ColorRegister *colors = nullptr;   // 256 entries, unused ones black
};

// Bytes of one plane row: the width rounded up to 16 bits.
inline ULONG IlbmPlaneRowBytes(ULONG width) { return ((width + 15) / 16) * 2; }

// Bytes of one whole row of the BODY once unpacked.
unsigned long long IlbmRowBytes(const IlbmLayout &layout);

// Unpacks the BODY and delivers every row to the sink (after Begin).
// Each row is packed on its own (its planes together): a ByteRun1 run
// that reaches past its row is DTERROR_INVALID_DATA, a body that ends
// before the last row DTERROR_NOT_ENOUGH_DATA; or the sink's error.
LONG ReadIlbmBody(const IlbmLayout &layout, const UBYTE *body, std::size_t size, PixelSink &sink);

}  // namespace hosted::datatypes

#endif  // DATATYPES_ILBM_H
