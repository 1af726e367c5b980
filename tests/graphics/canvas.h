// tests/graphics/canvas.h: bitmaps with a rastport on them, and pixel readers, for the graphics tests.
#ifndef TESTS_GRAPHICS_CANVAS_H
#define TESTS_GRAPHICS_CANVAS_H

#include <hosted/drawing.h>
#include <proto/cybergraphics.h>
#include <proto/graphics.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// A bitmap and a rastport drawing into it, freed at the end of the scope.
struct Canvas {
    struct BitMap *bm = nullptr;
    struct RastPort rp{};

    Canvas(ULONG width, ULONG height, ULONG depth, ULONG flags = BMF_CLEAR, const struct BitMap *friendBm = nullptr)
    {
        bm = AllocBitMap(width, height, depth, flags, friendBm);
        InitRastPort(&rp);
        rp.BitMap = bm;
    }
    ~Canvas() { FreeBitMap(bm); }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    hosted::ChunkyBitMap *Chunky() const { return hosted::ChunkyOf(bm); }

    // Memory bytes B,G,R,A of a chunky BGRA32 pixel as 0xBBGGRRAA.
    ULONG Bytes(LONG x, LONG y) const
    {
        const UBYTE *p = Chunky()->pixels + static_cast<std::size_t>(y) * Chunky()->bytesPerRow + 4 * x;
        return (ULONG(p[0]) << 24) | (ULONG(p[1]) << 16) | (ULONG(p[2]) << 8) | p[3];
    }
    // The colour 0x00RRGGBB of a chunky BGRA32 pixel.
    ULONG Rgb(LONG x, LONG y) const
    {
        const UBYTE *p = Chunky()->pixels + static_cast<std::size_t>(y) * Chunky()->bytesPerRow + 4 * x;
        return (ULONG(p[2]) << 16) | (ULONG(p[1]) << 8) | p[0];
    }

    // One bit of plane 0 of a planar bitmap.
    bool Bit(LONG x, LONG y, int plane = 0) const
    {
        return (bm->Planes[plane][static_cast<std::size_t>(y) * bm->BytesPerRow + x / 8] & (0x80 >> (x % 8))) != 0;
    }

    // Rows of plane 0 as text ('#' set, '.' clear) over a rectangle.
    std::string Picture(LONG x0, LONG y0, LONG w, LONG h) const
    {
        std::string s;
        for (LONG y = y0; y < y0 + h; y++) {
            for (LONG x = x0; x < x0 + w; x++)
                s += Bit(x, y) ? '#' : '.';
            s += '\n';
        }
        return s;
    }
};

#endif  // TESTS_GRAPHICS_CANVAS_H
