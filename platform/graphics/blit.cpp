// graphics/blit.cpp: copying rectangles between bitmaps and rastports, and drawing templates.
#include "paint.h"

#include <proto/graphics.h>

#include <algorithm>
#include <vector>

namespace {

// The result of a minterm on source bits b and destination bits c (the
// blitter's A channel is all ones).
inline ULONG Minterm(ULONG m, ULONG b, ULONG c)
{
    ULONG r = 0;
    if ((m & 0x80) != 0)
        r |= b & c;
    if ((m & 0x40) != 0)
        r |= b & ~c;
    if ((m & 0x20) != 0)
        r |= ~b & c;
    if ((m & 0x10) != 0)
        r |= ~b & ~c;
    return r;
}

void SourceSize(const struct BitMap *bm, LONG &width, LONG &height)
{
    if (const hosted::ChunkyBitMap *c = hosted::ChunkyOf(bm)) {
        width = c->width;
        height = c->height;
    } else {
        width = hosted::PlanarWidth(bm);
        height = bm->Rows;
    }
}

// Reads a source pixel: an ARGB value of a chunky bitmap, a pen of a planar one.
inline ULONG ReadSource(const struct BitMap *bm, const hosted::ChunkyBitMap *c, LONG x, LONG y)
{
    if (c != nullptr)
        return hosted::LoadPixel(c->pixelFormat, hosted::PixelAddress(c, x, y));
    return hosted::PlanarGet(bm, x, y);
}

// Copies w x h pixels (already clipped on both sides) from src to the
// scope's bitmap. The rectangles may overlap within one bitmap.
void CopyRect(const struct BitMap *src, LONG xs, LONG ys, hosted::DrawScope &scope, LONG xd, LONG yd,
              LONG w, LONG h, ULONG minterm, UBYTE mask)
{
    const hosted::ChunkyBitMap *sc = hosted::ChunkyOf(src);
    hosted::ChunkyBitMap *dc = scope.chunky;
    minterm &= 0xF0;
    if (sc != nullptr && dc != nullptr && minterm == 0xC0 && sc->pixelFormat == dc->pixelFormat) {
        // The common case (a window's backing store, a screen-format
        // picture): whole rows, in an order safe for overlap.
        std::size_t bytes = static_cast<std::size_t>(w) * 4;
        bool upward = src == scope.bitMap && ys < yd;
        for (LONG i = 0; i < h; i++) {
            LONG row = upward ? h - 1 - i : i;
            std::memmove(hosted::PixelAddress(dc, xd, yd + row), hosted::PixelAddress(sc, xs, ys + row), bytes);
        }
        return;
    }
    // Every other pairing goes pixel by pixel through a copy of the source,
    // so overlap needs no care.
    std::vector<ULONG> values(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (LONG y = 0; y < h; y++)
        for (LONG x = 0; x < w; x++)
            values[static_cast<std::size_t>(y) * w + x] = ReadSource(src, sc, xs + x, ys + y);
    for (LONG y = 0; y < h; y++) {
        for (LONG x = 0; x < w; x++) {
            ULONG v = values[static_cast<std::size_t>(y) * w + x];
            if (dc != nullptr) {
                ULONG argb = sc != nullptr ? v : 0xFF000000u | hosted::PenColor(scope.bitMap, v);
                UBYTE *p = hosted::PixelAddress(dc, xd + x, yd + y);
                if (minterm != 0xC0)
                    argb = Minterm(minterm, argb, hosted::LoadPixel(dc->pixelFormat, p));
                hosted::StorePixel(dc->pixelFormat, p, argb);
            } else {
                ULONG pen = sc != nullptr ? hosted::NearestPlanarPen(scope.bitMap, v) : v;
                if (minterm != 0xC0)
                    pen = Minterm(minterm, pen, hosted::PlanarGet(scope.bitMap, xd + x, yd + y));
                hosted::PlanarSet(scope.bitMap, xd + x, yd + y, pen, mask);
            }
        }
    }
}

// Clips a blit against the source bitmap and the scope, then copies.
// Returns the number of pixels copied.
LONG Blit(const struct BitMap *src, LONG xs, LONG ys, hosted::DrawScope &scope, LONG xd, LONG yd,
          LONG w, LONG h, ULONG minterm, UBYTE mask)
{
    if (src == nullptr || !scope.Ok() || w <= 0 || h <= 0)
        return 0;
    LONG srcWidth, srcHeight;
    SourceSize(src, srcWidth, srcHeight);
    // Worked in 64 bits: callers may pass any coordinates. Cut the left and
    // top edges on either side, moving the other side along, then the right
    // and bottom ones.
    long long sx = xs, sy = ys, dx = xd, dy = yd, cw = w, ch = h;
    long long cut = std::max({0LL, -sx, -dx});
    sx += cut, dx += cut, cw -= cut;
    cut = std::max({0LL, -sy, -dy});
    sy += cut, dy += cut, ch -= cut;
    cw = std::min({cw, srcWidth - sx, scope.width - dx});
    ch = std::min({ch, srcHeight - sy, scope.height - dy});
    if (cw <= 0 || ch <= 0)
        return 0;
    xs = static_cast<LONG>(sx), ys = static_cast<LONG>(sy), xd = static_cast<LONG>(dx), yd = static_cast<LONG>(dy);
    w = static_cast<LONG>(cw), h = static_cast<LONG>(ch);
    CopyRect(src, xs, ys, scope, xd, yd, w, h, minterm, mask);
    scope.Damage(xd, yd, xd + w - 1, yd + h - 1);
    return w * h;
}

}  // namespace

/* Copies a rectangle from one bitmap to another (or within one) through a
   minterm, clipped to both bitmaps. Only the planes in `mask` change on a
   planar destination. tempA is not needed. Returns the number of planes
   copied (1 for a chunky destination), 0 when nothing was copied. */
LONG BltBitMap(const struct BitMap *srcBitMap, LONG xSrc, LONG ySrc, struct BitMap *destBitMap,
               LONG xDest, LONG yDest, LONG xSize, LONG ySize, ULONG minterm, ULONG mask,
               PLANEPTR tempA)
{
    (void)tempA;
    hosted::DrawScope scope(destBitMap);
    if (Blit(srcBitMap, xSrc, ySrc, scope, xDest, yDest, xSize, ySize, minterm, static_cast<UBYTE>(mask)) == 0)
        return 0;
    return scope.chunky != nullptr ? 1 : destBitMap->Depth;
}

/* Copies a rectangle of a bitmap into a rastport (clipped to its bitmap
   and layer, damage reported). */
void BltBitMapRastPort(const struct BitMap *srcBitMap, LONG xSrc, LONG ySrc, struct RastPort *destRP,
                       LONG xDest, LONG yDest, LONG xSize, LONG ySize, ULONG minterm)
{
    if (destRP == nullptr)
        return;
    hosted::DrawScope scope(destRP);
    Blit(srcBitMap, xSrc, ySrc, scope, xDest, yDest, xSize, ySize, minterm, destRP->Mask);
}

/* Copies a rectangle between rastports (the source's bitmap, read without
   its layer's clipping). */
void ClipBlit(struct RastPort *srcRP, LONG xSrc, LONG ySrc, struct RastPort *destRP, LONG xDest,
              LONG yDest, LONG xSize, LONG ySize, ULONG minterm)
{
    if (srcRP == nullptr)
        return;
    BltBitMapRastPort(srcRP->BitMap, xSrc, ySrc, destRP, xDest, yDest, xSize, ySize, minterm);
}

/* Draws a one-bit template in the rastport's pens and mode: row r of the
   template starts at source + r * srcMod, its first pixel xSrc bits in
   (most significant bit first). */
void BltTemplate(const PLANEPTR source, LONG xSrc, LONG srcMod, struct RastPort *destRP, LONG xDest,
                 LONG yDest, LONG xSize, LONG ySize)
{
    if (source == nullptr || destRP == nullptr || xSize <= 0 || ySize <= 0 || xSrc < 0 ||
        xDest > 0x7FFFFFFF - xSize || yDest > 0x7FFFFFFF - ySize)
        return;
    hosted::DrawScope scope(destRP);
    if (!scope.Ok())
        return;
    auto bit = [&](LONG x, LONG y) {
        LONG column = xSrc + (x - xDest);
        const UBYTE *row = source + static_cast<std::ptrdiff_t>(y - yDest) * srcMod;
        return (row[column >> 3] & (0x80 >> (column & 7))) != 0;
    };
    hosted::PaintPattern(scope, destRP, xDest, yDest, xDest + xSize - 1, yDest + ySize - 1, bit);
}
