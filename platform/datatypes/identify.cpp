// datatypes/identify.cpp: recognising a picture by its first bytes, and the limits every picture keeps.
#include "decoders.h"

#include <dos/dos.h>

#include <cstring>

namespace hosted::datatypes {

PictureKind IdentifyPicture(const UBYTE *data, std::size_t size)
{
    static const UBYTE pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 12 && std::memcmp(data, "FORM", 4) == 0 &&
        (std::memcmp(data + 8, "ILBM", 4) == 0 || std::memcmp(data + 8, "PBM ", 4) == 0))
        return PictureKind::Ilbm;
    if (size >= sizeof pngSignature && std::memcmp(data, pngSignature, sizeof pngSignature) == 0)
        return PictureKind::Png;
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return PictureKind::Jpeg;
    return PictureKind::Unknown;
}

LONG CheckPictureSize(unsigned long long width, unsigned long long height)
{
    if (width == 0 || height == 0)
        return DTERROR_INVALID_DATA;
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        return ERROR_NO_FREE_STORE;
    return 0;
}

void SetPlainHeader(struct BitMapHeader &header, ULONG width, ULONG height, UBYTE depth, UBYTE masking)
{
    header = {};
    header.bmh_Width = static_cast<UWORD>(width);
    header.bmh_Height = static_cast<UWORD>(height);
    header.bmh_Depth = depth;
    header.bmh_Masking = masking;
    header.bmh_Compression = cmpNone;
    header.bmh_XAspect = 1;
    header.bmh_YAspect = 1;
    // The page sizes are signed words; a wider picture gives the largest page.
    header.bmh_PageWidth = static_cast<WORD>(width > 0x7FFF ? 0x7FFF : width);
    header.bmh_PageHeight = static_cast<WORD>(height > 0x7FFF ? 0x7FFF : height);
}

}  // namespace hosted::datatypes
