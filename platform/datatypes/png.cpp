// datatypes/png.cpp: the PNG reader, through libpng: palettes and greys expanded, 16-bit channels reduced, alpha kept, interlacing undone.
#include "decoders.h"

#include <dos/dos.h>

#include <png.h>

#include <cstdlib>
#include <cstring>

namespace hosted::datatypes {

namespace {

// Everything one reading owns. libpng leaves by longjmp on every error, so
// nothing here has a destructor; ReadPng frees what is left.
struct PngRead {
    const UBYTE *data = nullptr;
    std::size_t size = 0;
    std::size_t pos = 0;
    bool ranOut = false;          // the data ended before libpng was done
    LONG error = 0;               // a failure of our own, reported as it is
    png_structp png = nullptr;
    png_infop info = nullptr;
    UBYTE *row = nullptr;         // one row, for pictures that are not interlaced
    UBYTE *image = nullptr;       // the whole picture, for interlaced ones
    png_bytep *rows = nullptr;
};

void ReadData(png_structp png, png_bytep out, png_size_t length)
{
    auto *read = static_cast<PngRead *>(png_get_io_ptr(png));
    if (length > read->size - read->pos) {
        read->ranOut = true;
        png_error(png, "the data ends early");
    }
    std::memcpy(out, read->data + read->pos, length);
    read->pos += length;
}

[[noreturn]] void OnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Tells libpng to deliver every kind of picture as 8-bit red, green, blue,
// alpha; fills in the header and colour map.
void ChooseTransforms(PngRead &r, PictureInfo &info, png_uint_32 width, png_uint_32 height)
{
    png_structp png = r.png;
    png_infop pngInfo = r.info;
    const int bitDepth = png_get_bit_depth(png, pngInfo);
    const int colorType = png_get_color_type(png, pngInfo);
    const bool transparency = png_get_valid(png, pngInfo, PNG_INFO_tRNS) != 0;
    const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || transparency;

    int channels = png_get_channels(png, pngInfo);
    UBYTE depth = static_cast<UBYTE>(colorType == PNG_COLOR_TYPE_PALETTE ? bitDepth
                                                                         : channels * (bitDepth > 8 ? 8 : bitDepth));
    SetPlainHeader(info.header, width, height, depth, alpha ? mskHasAlpha : mskNone);

    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp palette = nullptr;
        int count = 0;
        if (png_get_PLTE(png, pngInfo, &palette, &count) != 0 && palette != nullptr) {
            if (count > 256)
                count = 256;
            for (int i = 0; i < count; i++)
                info.colors[i] = {palette[i].red, palette[i].green, palette[i].blue};
            info.numColors = static_cast<ULONG>(count);
        }
        png_set_palette_to_rgb(png);
    }
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (transparency)
        png_set_tRNS_to_alpha(png);
    if (bitDepth == 16)
        png_set_scale_16(png);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0)
        png_set_gray_to_rgb(png);
    if (!alpha)
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
}

// The reading proper; leaves by longjmp on libpng's errors.
LONG Decode(PngRead &r, PictureInfo &info, PixelSink &sink)
{
    png_set_read_fn(r.png, &r, ReadData);
    // Our own limits decide, after the header was read.
    png_set_user_limits(r.png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_read_info(r.png, r.info);
    const png_uint_32 width = png_get_image_width(r.png, r.info);
    const png_uint_32 height = png_get_image_height(r.png, r.info);
    if ((r.error = CheckPictureSize(width, height)) != 0)
        return r.error;
    ChooseTransforms(r, info, width, height);
    const int passes = png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    if (png_get_rowbytes(r.png, r.info) != rowBytes)
        return r.error = DTERROR_INVALID_DATA;
    if ((r.error = sink.Begin(width, height)) != 0)
        return r.error;

    if (passes == 1) {
        r.row = static_cast<UBYTE *>(std::malloc(rowBytes));
        if (r.row == nullptr)
            return r.error = ERROR_NO_FREE_STORE;
        for (png_uint_32 y = 0; y < height; y++) {
            png_read_row(r.png, r.row, nullptr);
            sink.PutRow(y, r.row);
        }
        return 0;
    }
    // Interlaced pictures arrive in seven passes over the whole picture.
    r.image = static_cast<UBYTE *>(std::malloc(rowBytes * height));
    r.rows = static_cast<png_bytep *>(std::malloc(sizeof(png_bytep) * height));
    if (r.image == nullptr || r.rows == nullptr)
        return r.error = ERROR_NO_FREE_STORE;
    for (png_uint_32 y = 0; y < height; y++)
        r.rows[y] = r.image + rowBytes * y;
    png_read_image(r.png, r.rows);
    for (png_uint_32 y = 0; y < height; y++)
        sink.PutRow(y, r.rows[y]);
    return 0;
}

LONG Guarded(PngRead &r, PictureInfo &info, PixelSink &sink)
{
    if (setjmp(png_jmpbuf(r.png)) != 0) {
        if (r.error != 0)
            return r.error;
        return r.ranOut ? DTERROR_NOT_ENOUGH_DATA : DTERROR_INVALID_DATA;
    }
    return Decode(r, info, sink);
}

}  // namespace

LONG ReadPng(const UBYTE *data, std::size_t size, PictureInfo &info, PixelSink &sink)
{
    // The size is refused from the IHDR itself: libpng would read on to
    // the picture data before telling it.
    if (size >= 24 && std::memcmp(data + 12, "IHDR", 4) == 0) {
        auto be32 = [&](std::size_t at) {
            return static_cast<ULONG>(data[at]) << 24 | static_cast<ULONG>(data[at + 1]) << 16 |
                   static_cast<ULONG>(data[at + 2]) << 8 | data[at + 3];
        };
        if (CheckPictureSize(be32(16), be32(20)) == ERROR_NO_FREE_STORE)
            return ERROR_NO_FREE_STORE;
    }
    PngRead r;
    r.data = data;
    r.size = size;
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (r.png == nullptr)
        return ERROR_NO_FREE_STORE;
    r.info = png_create_info_struct(r.png);
    LONG result = r.info != nullptr ? Guarded(r, info, sink) : ERROR_NO_FREE_STORE;
    png_destroy_read_struct(&r.png, r.info != nullptr ? &r.info : nullptr, nullptr);
    std::free(r.row);
    std::free(r.image);
    std::free(r.rows);
    return result;
}

}  // namespace hosted::datatypes
