// Reading a screenshot's pixels, independently of the platform's own PNG code.
#include "png_reader.h"

#include <png.h>

#include <cstring>

namespace kvtest {

bool ReadPng(const std::string &path, Png &png)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    png.width = long(image.width);
    png.height = long(image.height);
    png.pixels.resize(size_t(png.width * png.height));
    for (size_t i = 0; i < png.pixels.size(); i++)
        png.pixels[i] = uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    return true;
}

}  // namespace kvtest
