// Reading a screenshot's pixels, independently of the platform's own PNG code.
#ifndef TESTS_SUPPORT_PNG_READER_H
#define TESTS_SUPPORT_PNG_READER_H

#include <cstdint>
#include <string>
#include <vector>

namespace kvtest {

// A picture, pixels as 0x00RRGGBB row by row.
struct Png {
    long width = 0;
    long height = 0;
    std::vector<uint32_t> pixels;
    // The pixel at x, y; 0xFF000000 (no colour) outside the picture.
    uint32_t At(long x, long y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height ? pixels[size_t(y * width + x)] : 0xFF000000u;
    }
};

// Reads a PNG file through libpng; false when it cannot be read.
bool ReadPng(const std::string &path, Png &png);

}  // namespace kvtest

#endif  // TESTS_SUPPORT_PNG_READER_H
