// hosted/drawing.h: what graphics shares with cybergraphics: pixel formats, planar pixel access, the clip and damage scope of one drawing call.
#ifndef HOSTED_DRAWING_H
#define HOSTED_DRAWING_H

#include <hosted/graphics.h>

#include <bit>
#include <cstring>

namespace hosted {

// --- Pixels of chunky bitmaps ------------------------------------------------
// Colours travel as ARGB values 0xAARRGGBB; a format says in which order
// their bytes lie in memory.

inline ULONG LoadLE32(const UBYTE *p)
{
    ULONG v;
    std::memcpy(&v, p, 4);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap32(v);
    return v;
}

inline void StoreLE32(UBYTE *p, ULONG v)
{
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap32(v);
    std::memcpy(p, &v, 4);
}

inline ULONG LoadBE32(const UBYTE *p) { return __builtin_bswap32(LoadLE32(p)); }
inline void StoreBE32(UBYTE *p, ULONG v) { StoreLE32(p, __builtin_bswap32(v)); }

// The ARGB value of a pixel of a 32-bit chunky format.
inline ULONG LoadPixel(ULONG pixelFormat, const UBYTE *p)
{
    switch (pixelFormat) {
    case PIXFMT_ARGB32:
        return LoadBE32(p);
    case PIXFMT_RGBA32: {
        ULONG v = LoadBE32(p);
        return (v >> 8) | (v << 24);
    }
    default:   // PIXFMT_BGRA32
        return LoadLE32(p);
    }
}

inline void StorePixel(ULONG pixelFormat, UBYTE *p, ULONG argb)
{
    switch (pixelFormat) {
    case PIXFMT_ARGB32:
        StoreBE32(p, argb);
        break;
    case PIXFMT_RGBA32:
        StoreBE32(p, (argb << 8) | (argb >> 24));
        break;
    default:
        StoreLE32(p, argb);
        break;
    }
}

inline bool IsChunkyFormat(ULONG pixelFormat)
{
    return pixelFormat == PIXFMT_BGRA32 || pixelFormat == PIXFMT_ARGB32 || pixelFormat == PIXFMT_RGBA32;
}

inline UBYTE *PixelAddress(const ChunkyBitMap *c, LONG x, LONG y)
{
    return c->pixels + static_cast<std::ptrdiff_t>(y) * c->bytesPerRow + static_cast<std::ptrdiff_t>(x) * 4;
}

// --- Planar bitmaps ----------------------------------------------------------

// Width in pixels of a planar bitmap (its padded rows; a plane's row of an
// interleaved bitmap is BytesPerRow / Depth bytes).
LONG PlanarWidth(const struct BitMap *bm);

// The pen of a planar pixel (bits of planes 0..Depth-1).
inline ULONG PlanarGet(const struct BitMap *bm, LONG x, LONG y)
{
    ULONG pen = 0;
    std::size_t offset = static_cast<std::size_t>(y) * bm->BytesPerRow + (x >> 3);
    UBYTE bit = static_cast<UBYTE>(0x80 >> (x & 7));
    for (int p = 0; p < bm->Depth && p < 8; p++) {
        const UBYTE *plane = bm->Planes[p];
        if (plane == nullptr)
            continue;
        if (plane == reinterpret_cast<const UBYTE *>(-1L) || (plane[offset] & bit) != 0)
            pen |= 1u << p;
    }
    return pen;
}

// Sets the planes selected by mask to the bits of pen.
inline void PlanarSet(struct BitMap *bm, LONG x, LONG y, ULONG pen, UBYTE mask)
{
    std::size_t offset = static_cast<std::size_t>(y) * bm->BytesPerRow + (x >> 3);
    UBYTE bit = static_cast<UBYTE>(0x80 >> (x & 7));
    for (int p = 0; p < bm->Depth && p < 8; p++) {
        UBYTE *plane = bm->Planes[p];
        if ((mask & (1u << p)) == 0 || plane == nullptr || plane == reinterpret_cast<UBYTE *>(-1L))
            continue;
        if ((pen & (1u << p)) != 0)
            plane[offset] |= bit;
        else
            plane[offset] &= static_cast<UBYTE>(~bit);
    }
}

// Inverts the planes selected by mask.
inline void PlanarInvert(struct BitMap *bm, LONG x, LONG y, UBYTE mask)
{
    std::size_t offset = static_cast<std::size_t>(y) * bm->BytesPerRow + (x >> 3);
    UBYTE bit = static_cast<UBYTE>(0x80 >> (x & 7));
    for (int p = 0; p < bm->Depth && p < 8; p++) {
        UBYTE *plane = bm->Planes[p];
        if ((mask & (1u << p)) != 0 && plane != nullptr && plane != reinterpret_cast<UBYTE *>(-1L))
            plane[offset] ^= bit;
    }
}

// The pen of a planar bitmap nearest to an ARGB colour (default palette,
// limited to the bitmap's depth).
ULONG NearestPlanarPen(const struct BitMap *bm, ULONG argb);

// --- The scope of one drawing call ------------------------------------------

// Opened at the start of a drawing call: takes the layer lock (see
// LayerHooks), works out what may be drawn (the bitmap, cut to the layer's
// size), collects the damaged area, and on destruction reports it and
// releases the lock.
class DrawScope {
public:
    explicit DrawScope(struct RastPort *rp);
    explicit DrawScope(struct BitMap *bitMap);   // a blit straight into a bitmap
    ~DrawScope();
    DrawScope(const DrawScope &) = delete;
    DrawScope &operator=(const DrawScope &) = delete;

    // False when there is nothing to draw into.
    bool Ok() const { return bitMap != nullptr; }

    // Cuts an inclusive rectangle to the drawable area; false when nothing
    // is left.
    bool Clip(struct Rect32 &r) const;
    bool Contains(LONG x, LONG y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // Adds an inclusive rectangle (already clipped) to the damage.
    void Damage(LONG minX, LONG minY, LONG maxX, LONG maxY);

    struct BitMap *bitMap = nullptr;
    ChunkyBitMap *chunky = nullptr;   // nullptr for a planar bitmap
    struct Layer *layer = nullptr;
    LONG width = 0;                   // drawable area: 0..width-1 x 0..height-1
    LONG height = 0;

private:
    void Open();
    bool hooked = false;
    bool damaged = false;
    struct Rect32 damage = {0, 0, -1, -1};
};

}  // namespace hosted

#endif  // HOSTED_DRAWING_H
