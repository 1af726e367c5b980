// lister/pixels.cpp: filling, inverting and byte-reversing runs of pixels.
#include "pixels.h"

#include <cstdint>

// The loops work on host words that already hold the big-endian image, so a
// fill or an invert costs one store per pixel; memcpy keeps them legal for
// buffers of any alignment (the compiler turns it into plain word stores).

void FillPixels(UBYTE *at, ULONG count, ULONG colour)
{
    const uint32_t image = PixelImage(colour);
    uint64_t pair = (uint64_t(image) << 32) | image;
    ULONG i = 0;
    for (; i + 2 <= count; i += 2)
        std::memcpy(at + i * PixelBytes, &pair, 8);
    if (i < count)
        std::memcpy(at + i * PixelBytes, &image, PixelBytes);
}

void InvertPixels(UBYTE *at, ULONG count, ULONG mask)
{
    const uint32_t image = PixelImage(mask);
    const uint64_t pair = (uint64_t(image) << 32) | image;
    ULONG i = 0;
    for (; i + 2 <= count; i += 2) {
        uint64_t word;
        std::memcpy(&word, at + i * PixelBytes, 8);
        word ^= pair;
        std::memcpy(at + i * PixelBytes, &word, 8);
    }
    if (i < count) {
        uint32_t word;
        std::memcpy(&word, at + i * PixelBytes, PixelBytes);
        word ^= image;
        std::memcpy(at + i * PixelBytes, &word, PixelBytes);
    }
}

void CopyPixelsReversed(UBYTE *to, const UBYTE *from, ULONG count)
{
    for (ULONG i = 0; i < count; i++) {
        uint32_t word;
        std::memcpy(&word, from + i * PixelBytes, PixelBytes);
        word = __builtin_bswap32(word);
        std::memcpy(to + i * PixelBytes, &word, PixelBytes);
    }
}
