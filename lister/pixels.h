// lister/pixels.h: the one place that reads and writes the program's pixels (big-endian 0x00RRGGBB words).
#ifndef LISTER_PIXELS_H
#define LISTER_PIXELS_H

#include <exec/types.h>

#include <bit>
#include <cstring>

// A pixel in every buffer the program composes is the word 0x00RRGGBB
// stored big-endian: memory bytes 0, red, green, blue. That is the layout
// WritePixelArray calls RECTFMT_ARGB, whatever the host's byte order.
// Nothing outside these helpers stores a pixel as a host word.

constexpr ULONG PixelBytes = 4;
constexpr ULONG PixelColourMask = 0x00FFFFFF;   // the bits a highlight inverts

// The word 0xBBGGRR00 that lays colour 0x00RRGGBB down as blue, green, red, 0.
constexpr ULONG ReversedColour(ULONG colour)
{
    return ((colour & 0xFF) << 24) | ((colour & 0xFF00) << 8) | ((colour >> 8) & 0xFF00) | (colour >> 24);
}

// The host word whose memory image is the big-endian word `colour`.
constexpr ULONG PixelImage(ULONG colour)
{
    if constexpr (std::endian::native == std::endian::big)
        return colour;
    else
        return ReversedColour(colour);
}

// Reads the pixel at `at` as 0x00RRGGBB.
inline ULONG LoadPixel(const UBYTE *at)
{
    return (ULONG(at[0]) << 24) | (ULONG(at[1]) << 16) | (ULONG(at[2]) << 8) | ULONG(at[3]);
}

// Stores 0x00RRGGBB at `at`.
inline void StorePixel(UBYTE *at, ULONG colour)
{
    ULONG image = PixelImage(colour);
    std::memcpy(at, &image, PixelBytes);
}

// Stores `count` pixels of one colour from `at` on.
void FillPixels(UBYTE *at, ULONG count, ULONG colour);

// Exclusive-ors `count` pixels from `at` on with `mask` (0x00FFFFFF inverts
// red, green and blue and leaves the top byte). Doing it twice restores them.
void InvertPixels(UBYTE *at, ULONG count, ULONG mask = PixelColourMask);

// Copies `count` pixels from `from` to `to` reversing each pixel's bytes:
// 0, R, G, B becomes B, G, R, 0 (the memory order of a BGRA32 screen).
void CopyPixelsReversed(UBYTE *to, const UBYTE *from, ULONG count);

// The memory order of a buffer's pixels. The program's own buffers are
// Argb (0, red, green, blue: the WritePixelArray format); a lister drawn
// straight into a BGRA32 screen bitmap is Bgra (blue, green, red, 0).
enum class PixelOrder : UBYTE {
    Argb,
    Bgra
};

// What to store (with StorePixel, FillPixels, DrawText) for the configured
// colour 0x00RRGGBB in a buffer of `order`.
constexpr ULONG ColourIn(PixelOrder order, ULONG colour)
{
    return order == PixelOrder::Argb ? colour : ReversedColour(colour);
}

// The mask whose exclusive-or inverts red, green and blue in that order and
// leaves the fourth byte: 0x00FFFFFF, or 0xFFFFFF00 for Bgra.
constexpr ULONG InvertMaskOf(PixelOrder order)
{
    return ColourIn(order, PixelColourMask);
}

// A pixel buffer the program draws into: `width` × `height` pixels, rows
// `stride` bytes apart (stride ≥ 4 × width), pixels in `order`. Drawing
// never leaves it.
struct RenderTarget {
    UBYTE *base = nullptr;
    ULONG stride = 0;
    ULONG width = 0;
    ULONG height = 0;
    PixelOrder order = PixelOrder::Argb;

    UBYTE *PixelAt(ULONG x, ULONG y) const { return base + ULONG(y) * stride + x * PixelBytes; }
};

#endif /* LISTER_PIXELS_H */
