// datatypes/decoders.h: what the picture readers share: the picture's description, the pixel sink, the limits.
#ifndef DATATYPES_DECODERS_H
#define DATATYPES_DECODERS_H

#include <datatypes/pictureclass.h>
#include <exec/types.h>

#include <cstddef>
#include <string>

namespace hosted::datatypes {

// The largest picture this host reads: a side must fit a BitMapHeader, and
// the pixels must fit a bitmap we are willing to allocate (1 GiB).
constexpr ULONG MaxPictureSide = 65535;
constexpr unsigned long long MaxPicturePixels = 16384ULL * 16384ULL;

// 0 for a size within the limits; DTERROR_INVALID_DATA for an empty
// picture; ERROR_NO_FREE_STORE for one past the limits.
LONG CheckPictureSize(unsigned long long width, unsigned long long height);

// What a reader learns about a picture besides its pixels.
struct PictureInfo {
    struct BitMapHeader header{};
    ULONG modeID = 0;
    ULONG numColors = 0;                   // entries of colors[] the picture defines
    struct ColorRegister colors[256]{};
    std::string name, author, copyright, annotation;
};

// Where a reader puts the pixels. Begin is called once, after the size was
// checked with CheckPictureSize; then PutRow once for every row, in any
// order (an interlaced picture may deliver rows more than once; the last
// delivery counts).
class PixelSink {
public:
    // Prepares room for width x height pixels: 0, or an IoErr code
    // (ERROR_NO_FREE_STORE) that ends the reading.
    virtual LONG Begin(ULONG width, ULONG height) = 0;
    // Row y: width pixels as bytes red, green, blue, alpha.
    virtual void PutRow(ULONG y, const UBYTE *rgba) = 0;

protected:
    ~PixelSink() = default;
};

enum class PictureKind { Unknown, Ilbm, Png, Jpeg };

// Recognises a picture by its first bytes: FORM ILBM or FORM PBM, the PNG
// signature, a JPEG start-of-image marker.
PictureKind IdentifyPicture(const UBYTE *data, std::size_t size);

// The readers. Each returns 0, or the IoErr code of the failure:
// DTERROR_NOT_ENOUGH_DATA (the data ends early), DTERROR_INVALID_DATA (it
// contradicts itself or uses a form this host does not read),
// DTERROR_UNKNOWN_COMPRESSION, ERROR_NO_FREE_STORE, or what the sink's
// Begin returned. They never read outside [data, data + size) and never
// throw.
LONG ReadIlbm(const UBYTE *data, std::size_t size, PictureInfo &info, PixelSink &sink);
LONG ReadPng(const UBYTE *data, std::size_t size, PictureInfo &info, PixelSink &sink);
LONG ReadJpeg(const UBYTE *data, std::size_t size, PictureInfo &info, PixelSink &sink);

// Fills a BitMapHeader for a picture that is no ILBM: its size, depth (bits
// a pixel) and masking; no compression, square pixels, the picture as its
// page.
void SetPlainHeader(struct BitMapHeader &header, ULONG width, ULONG height, UBYTE depth, UBYTE masking);

}  // namespace hosted::datatypes

#endif  // DATATYPES_DECODERS_H
