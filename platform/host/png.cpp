// host/png.cpp: screenshots: BGRA32 frames to PNG files and back, through libpng.
#include <hosted/display.h>

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace hosted {

namespace {

// Closes the file however the write ends.
struct File {
    FILE *file = nullptr;
    ~File()
    {
        if (file != nullptr)
            std::fclose(file);
    }
};

void WarningHandler(png_structp, png_const_charp) {}

}  // namespace

bool WritePng(const std::string &path, const UBYTE *pixels, LONG width, LONG height, LONG bytesPerRow,
              std::string &error)
{
    if (width <= 0 || height <= 0 || pixels == nullptr) {
        error = "empty picture";
        return false;
    }
    File out;
    out.file = std::fopen(path.c_str(), "wb");
    if (out.file == nullptr) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, WarningHandler);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        error = "out of memory";
        return false;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        error = path + ": cannot write the picture";
        return false;
    }
    png_init_io(png, out.file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    for (LONG y = 0; y < height; y++) {
        const UBYTE *source = pixels + static_cast<std::size_t>(y) * bytesPerRow;
        for (LONG x = 0; x < width; x++) {
            row[3 * x + 0] = source[4 * x + 2];
            row[3 * x + 1] = source[4 * x + 1];
            row[3 * x + 2] = source[4 * x + 0];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(out.file) != 0 || std::ferror(out.file)) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool ReadPng(const std::string &path, std::vector<ULONG> &pixels, LONG &width, LONG &height,
             std::string &error)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = path + ": " + image.message;
        return false;
    }
    image.format = PNG_FORMAT_BGRA;
    pixels.assign(static_cast<std::size_t>(image.width) * image.height, 0);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        error = path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    width = static_cast<LONG>(image.width);
    height = static_cast<LONG>(image.height);
    return true;
}

}  // namespace hosted
