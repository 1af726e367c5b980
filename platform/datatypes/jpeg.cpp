// datatypes/jpeg.cpp: the JPEG reader, through libjpeg: colour and grey pictures, CMYK and YCCK turned into colour.
#include "decoders.h"

#include <dos/dos.h>

#include <cstdio>
#include <csetjmp>
#include <cstdlib>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace hosted::datatypes {

namespace {

// Everything one reading owns. libjpeg leaves by longjmp on every error, so
// nothing here has a destructor; ReadJpeg frees what is left.
struct JpegRead {
    struct jpeg_decompress_struct cinfo;
    struct jpeg_error_mgr errors;
    std::jmp_buf jump;
    bool created = false;
    bool ranOut = false;          // the data ended before the picture
    LONG error = 0;               // a failure of our own, reported as it is
    UBYTE *row = nullptr;         // one decoded row
    UBYTE *rgba = nullptr;        // the same row as red, green, blue, alpha
};

JpegRead &ReadOf(j_common_ptr cinfo)
{
    return *static_cast<JpegRead *>(cinfo->client_data);
}

[[noreturn]] void OnError(j_common_ptr cinfo)
{
    JpegRead &r = ReadOf(cinfo);
    if (r.error == 0 && cinfo->err->msg_code == JERR_OUT_OF_MEMORY)
        r.error = ERROR_NO_FREE_STORE;
    std::longjmp(r.jump, 1);
}

// Warnings are mostly harmless (extra bytes between markers); a picture
// whose data ends early is not, and is refused rather than shown grey.
void OnMessage(j_common_ptr cinfo, int level)
{
    if (level == -1 && cinfo->err->msg_code == JWRN_JPEG_EOF) {
        JpegRead &r = ReadOf(cinfo);
        r.ranOut = true;
        std::longjmp(r.jump, 1);
    }
}

void OnOutput(j_common_ptr) {}

// One decoded row into red, green, blue, alpha. CMYK from Adobe's programs
// (the only common source, recognised by their marker) is stored inverted.
void ExpandRow(const JpegRead &r, ULONG width)
{
    const int components = r.cinfo.output_components;
    const UBYTE *in = r.row;
    UBYTE *out = r.rgba;
    const bool inverted = r.cinfo.saw_Adobe_marker != 0;
    for (ULONG x = 0; x < width; x++, out += 4) {
        if (components == 1) {
            out[0] = out[1] = out[2] = in[x];
        } else if (components == 3) {
            out[0] = in[3 * x];
            out[1] = in[3 * x + 1];
            out[2] = in[3 * x + 2];
        } else {
            unsigned c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            out[0] = static_cast<UBYTE>((c * k + 127) / 255);
            out[1] = static_cast<UBYTE>((m * k + 127) / 255);
            out[2] = static_cast<UBYTE>((y * k + 127) / 255);
        }
        out[3] = 0xFF;
    }
}

// The reading proper; leaves by longjmp on libjpeg's errors.
LONG Decode(JpegRead &r, const UBYTE *data, std::size_t size, PictureInfo &info, PixelSink &sink)
{
    jpeg_create_decompress(&r.cinfo);
    r.created = true;
    jpeg_mem_src(&r.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&r.cinfo, TRUE);
    const ULONG width = r.cinfo.image_width;
    const ULONG height = r.cinfo.image_height;
    if ((r.error = CheckPictureSize(width, height)) != 0)
        return r.error;
    switch (r.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        r.cinfo.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_RGB:
    case JCS_YCbCr:
        r.cinfo.out_color_space = JCS_RGB;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        r.cinfo.out_color_space = JCS_CMYK;
        break;
    default:
        return r.error = DTERROR_INVALID_DATA;
    }
    SetPlainHeader(info.header, width, height, static_cast<UBYTE>(8 * r.cinfo.num_components), mskNone);
    jpeg_start_decompress(&r.cinfo);
    const int components = r.cinfo.output_components;
    if (r.cinfo.output_width != width || r.cinfo.output_height != height ||
        (components != 1 && components != 3 && components != 4))
        return r.error = DTERROR_INVALID_DATA;
    r.row = static_cast<UBYTE *>(std::malloc(static_cast<std::size_t>(width) * components));
    r.rgba = static_cast<UBYTE *>(std::malloc(static_cast<std::size_t>(width) * 4));
    if (r.row == nullptr || r.rgba == nullptr)
        return r.error = ERROR_NO_FREE_STORE;
    if ((r.error = sink.Begin(width, height)) != 0)
        return r.error;
    while (r.cinfo.output_scanline < height) {
        ULONG y = r.cinfo.output_scanline;
        JSAMPROW rows[1] = {r.row};
        if (jpeg_read_scanlines(&r.cinfo, rows, 1) != 1)
            return r.error = DTERROR_NOT_ENOUGH_DATA;
        ExpandRow(r, width);
        sink.PutRow(y, r.rgba);
    }
    return 0;
}

LONG Guarded(JpegRead &r, const UBYTE *data, std::size_t size, PictureInfo &info, PixelSink &sink)
{
    if (setjmp(r.jump) != 0) {
        if (r.error != 0)
            return r.error;
        return r.ranOut ? DTERROR_NOT_ENOUGH_DATA : DTERROR_INVALID_DATA;
    }
    return Decode(r, data, size, info, sink);
}

}  // namespace

LONG ReadJpeg(const UBYTE *data, std::size_t size, PictureInfo &info, PixelSink &sink)
{
    auto *r = new (std::nothrow) JpegRead;
    if (r == nullptr)
        return ERROR_NO_FREE_STORE;
    r->cinfo.client_data = r;
    r->cinfo.err = jpeg_std_error(&r->errors);
    r->errors.error_exit = OnError;
    r->errors.emit_message = OnMessage;
    r->errors.output_message = OnOutput;
    LONG result = Guarded(*r, data, size, info, sink);
    if (r->created)
        jpeg_destroy_decompress(&r->cinfo);
    std::free(r->row);
    std::free(r->rgba);
    delete r;
    return result;
}

}  // namespace hosted::datatypes
