// graphics/draw.cpp: lines, rectangles, single pixels, clearing and scrolling in a rastport.
#include "paint.h"

#include <graphics/layers.h>
#include <proto/graphics.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace hosted {

void Painter::Span(LONG x0, LONG x1, LONG y, ULONG pen)
{
    if (scope_.chunky != nullptr) {
        ULONG raw = PixelOf(pen);
        UBYTE *p = PixelAddress(scope_.chunky, x0, y);
        for (LONG x = x0; x <= x1; x++, p += 4)
            std::memcpy(p, &raw, 4);
        return;
    }
    struct BitMap *bm = scope_.bitMap;
    std::size_t row = static_cast<std::size_t>(y) * bm->BytesPerRow;
    for (int plane = 0; plane < bm->Depth && plane < 8; plane++) {
        UBYTE *base = bm->Planes[plane];
        if ((mask_ & (1u << plane)) == 0 || base == nullptr || base == reinterpret_cast<UBYTE *>(-1L))
            continue;
        UBYTE *line = base + row;
        bool on = (pen & (1u << plane)) != 0;
        LONG x = x0;
        // Partial bytes at the ends, whole bytes between.
        while (x <= x1 && (x & 7) != 0) {
            UBYTE bit = static_cast<UBYTE>(0x80 >> (x & 7));
            line[x >> 3] = on ? (line[x >> 3] | bit) : (line[x >> 3] & ~bit);
            x++;
        }
        if (x + 7 <= x1) {
            LONG bytes = (x1 + 1 - x) / 8;
            std::memset(line + (x >> 3), on ? 0xFF : 0x00, static_cast<std::size_t>(bytes));
            x += bytes * 8;
        }
        for (; x <= x1; x++) {
            UBYTE bit = static_cast<UBYTE>(0x80 >> (x & 7));
            line[x >> 3] = on ? (line[x >> 3] | bit) : (line[x >> 3] & ~bit);
        }
    }
}

void Painter::InvertSpan(LONG x0, LONG x1, LONG y)
{
    for (LONG x = x0; x <= x1; x++)
        Invert(x, y);
}

}  // namespace hosted

namespace {

// Fills a clipped rectangle with a pen, or inverts it in COMPLEMENT mode.
void FillBox(hosted::DrawScope &scope, const struct RastPort *rp, struct Rect32 box, ULONG pen,
             bool complement)
{
    if (!scope.Clip(box))
        return;
    hosted::Painter painter(scope, rp);
    for (LONG y = box.MinY; y <= box.MaxY; y++) {
        if (complement)
            painter.InvertSpan(box.MinX, box.MaxX, y);
        else
            painter.Span(box.MinX, box.MaxX, y, pen);
    }
    scope.Damage(box.MinX, box.MinY, box.MaxX, box.MaxY);
}

// Rounds a / n to the nearest whole number (n > 0), halves away from the
// start, the same way for both directions.
long long RoundDiv(__int128 a, long long n)
{
    __int128 twice = 2 * a + n;
    __int128 q = twice / (2 * n);
    if (twice % (2 * n) != 0 && twice < 0)
        q -= 1;
    return static_cast<long long>(q);
}

// One line of a rastport's line pattern from (x0,y0) to (x1,y1), both ends
// included. Each pixel along the longer axis is worked out directly, so only
// the steps that can reach the drawable area are visited, however far away
// the ends lie.
void Line(hosted::DrawScope &scope, struct RastPort *rp, LONG x0, LONG y0, LONG x1, LONG y1)
{
    hosted::Painter painter(scope, rp);
    ULONG mode = static_cast<UBYTE>(rp->DrawMode);
    ULONG aPen = hosted::PenOf(rp->FgPen), bPen = hosted::PenOf(rp->BgPen);
    long long dx = static_cast<long long>(x1) - x0, dy = static_cast<long long>(y1) - y0;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    long long steps = std::max(std::llabs(dx), std::llabs(dy));
    long long major0 = xMajor ? x0 : y0;
    long long sign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    long long limit = xMajor ? scope.width : scope.height;
    // Steps k whose major coordinate major0 + sign * k lies in 0..limit-1.
    long long first = sign > 0 ? -major0 : major0 - (limit - 1);
    long long last = sign > 0 ? limit - 1 - major0 : major0;
    first = std::max(first, 0LL);
    last = std::min(last, steps);
    int count = rp->linpatcnt & 15;
    struct Rect32 touched = {0x7FFFFFFF, 0x7FFFFFFF, -1, -1};
    for (long long k = first; k <= last; k++) {
        long long x = xMajor ? x0 + sign * k : x0 + (steps == 0 ? 0 : RoundDiv(static_cast<__int128>(dx) * k, steps));
        long long y = xMajor ? y0 + (steps == 0 ? 0 : RoundDiv(static_cast<__int128>(dy) * k, steps)) : y0 + sign * k;
        if (x < 0 || y < 0 || x >= scope.width || y >= scope.height)
            continue;
        bool on = (rp->LinePtrn & (1u << ((count - k) & 15))) != 0;
        LONG px = static_cast<LONG>(x), py = static_cast<LONG>(y);
        if ((mode & COMPLEMENT) != 0) {
            if (on)
                painter.Invert(px, py);
        } else if (on) {
            painter.Plot(px, py, aPen);
        } else if ((mode & JAM2) != 0) {
            painter.Plot(px, py, bPen);
        } else {
            continue;
        }
        touched.MinX = std::min(touched.MinX, px);
        touched.MinY = std::min(touched.MinY, py);
        touched.MaxX = std::max(touched.MaxX, px);
        touched.MaxY = std::max(touched.MaxY, py);
    }
    rp->linpatcnt = static_cast<BYTE>((count - (steps + 1)) & 15);
    scope.Damage(touched.MinX, touched.MinY, touched.MaxX, touched.MaxY);
}

}  // namespace

/* Draws a line in APen (and the line pattern; JAM2 draws its gaps in
   BPen, COMPLEMENT inverts) from the current position to x,y, which
   becomes the current position. Clipped pixel by pixel. */
void Draw(struct RastPort *rp, LONG x, LONG y)
{
    if (rp == nullptr)
        return;
    {
        hosted::DrawScope scope(rp);
        if (scope.Ok())
            Line(scope, rp, rp->cp_x, rp->cp_y, x, y);
    }
    Move(rp, x, y);
    rp->Flags &= static_cast<UWORD>(~FRST_DOT);
}

/* Draws connected lines from the current position through count points
   (pairs of WORDs). */
void PolyDraw(struct RastPort *rp, LONG count, const WORD *polyTable)
{
    if (rp == nullptr || polyTable == nullptr)
        return;
    for (LONG i = 0; i < count; i++)
        Draw(rp, polyTable[2 * i], polyTable[2 * i + 1]);
}

/* Fills the rectangle xMin..xMax, yMin..yMax (inclusive) with APen, or
   inverts it in COMPLEMENT mode. Nothing when xMax < xMin or yMax < yMin. */
void RectFill(struct RastPort *rp, LONG xMin, LONG yMin, LONG xMax, LONG yMax)
{
    if (rp == nullptr || xMax < xMin || yMax < yMin)
        return;
    hosted::DrawScope scope(rp);
    if (scope.Ok())
        FillBox(scope, rp, {xMin, yMin, xMax, yMax}, hosted::PenOf(rp->FgPen),
                (static_cast<UBYTE>(rp->DrawMode) & COMPLEMENT) != 0);
}

/* Sets one pixel to APen (COMPLEMENT: inverts it). 0, or -1 when the
   pixel lies outside the bitmap or layer. */
LONG WritePixel(struct RastPort *rp, LONG x, LONG y)
{
    if (rp == nullptr)
        return -1;
    hosted::DrawScope scope(rp);
    if (!scope.Ok() || !scope.Contains(x, y))
        return -1;
    hosted::Painter painter(scope, rp);
    if ((static_cast<UBYTE>(rp->DrawMode) & COMPLEMENT) != 0)
        painter.Invert(x, y);
    else
        painter.Plot(x, y, hosted::PenOf(rp->FgPen));
    scope.Damage(x, y, x, y);
    return 0;
}

/* The pen of a pixel: its plane bits on a planar bitmap; on a chunky one
   the lowest pen whose colour it has. -1 outside the bitmap or layer, or
   when no pen has the colour. */
LONG ReadPixel(struct RastPort *rp, LONG x, LONG y)
{
    if (rp == nullptr)
        return -1;
    hosted::DrawScope scope(rp);
    if (!scope.Ok() || !scope.Contains(x, y))
        return -1;
    if (scope.chunky == nullptr)
        return static_cast<LONG>(hosted::PlanarGet(scope.bitMap, x, y));
    ULONG rgb = hosted::LoadPixel(scope.chunky->pixelFormat, hosted::PixelAddress(scope.chunky, x, y)) & 0xFFFFFF;
    ULONG pens = scope.chunky->colorMap != nullptr ? scope.chunky->colorMap->Count : 8;
    for (ULONG pen = 0; pen < pens; pen++)
        if (hosted::PenColor(scope.bitMap, pen) == rgb)
            return static_cast<LONG>(pen);
    return -1;
}

/* Fills the whole drawable area (bitmap, cut to the layer) with a pen. */
void SetRast(struct RastPort *rp, ULONG pen)
{
    if (rp == nullptr)
        return;
    hosted::DrawScope scope(rp);
    if (scope.Ok())
        FillBox(scope, rp, {0, 0, scope.width - 1, scope.height - 1}, pen, false);
}

/* Clears a rectangle the way the layer's backfill says: pen 0 by default,
   nothing with LAYERS_NOBACKFILL; a backfill hook is called with a
   BackFillMessage for the rectangle. */
void EraseRect(struct RastPort *rp, LONG xMin, LONG yMin, LONG xMax, LONG yMax)
{
    if (rp == nullptr || xMax < xMin || yMax < yMin)
        return;
    struct Hook *hook = rp->Layer != nullptr ? rp->Layer->BackFill : LAYERS_BACKFILL;
    if (hook == LAYERS_NOBACKFILL)
        return;
    if (hook != LAYERS_BACKFILL && hook->h_Entry != nullptr) {
        struct BackFillMessage message{};
        message.Layer = rp->Layer;
        message.Bounds = {static_cast<WORD>(xMin), static_cast<WORD>(yMin), static_cast<WORD>(xMax),
                          static_cast<WORD>(yMax)};
        message.OffsetX = xMin;
        message.OffsetY = yMin;
        hook->h_Entry(hook, rp, &message);
        return;
    }
    hosted::DrawScope scope(rp);
    if (scope.Ok())
        FillBox(scope, rp, {xMin, yMin, xMax, yMax}, 0, false);
}

/* Moves the contents of the rectangle by -dx, -dy (dx > 0 moves them
   left) and fills the part uncovered with BPen. */
void ScrollRaster(struct RastPort *rp, LONG dx, LONG dy, LONG xMin, LONG yMin, LONG xMax, LONG yMax)
{
    if (rp == nullptr || xMax < xMin || yMax < yMin)
        return;
    hosted::DrawScope scope(rp);
    struct Rect32 box = {xMin, yMin, xMax, yMax};
    if (!scope.Ok() || !scope.Clip(box))
        return;
    LONG w = box.MaxX - box.MinX + 1, h = box.MaxY - box.MinY + 1;
    ULONG bPen = hosted::PenOf(rp->BgPen);
    hosted::Painter painter(scope, rp);
    if (std::labs(dx) >= w || std::labs(dy) >= h) {
        for (LONG y = box.MinY; y <= box.MaxY; y++)
            painter.Span(box.MinX, box.MaxX, y, bPen);
        scope.Damage(box.MinX, box.MinY, box.MaxX, box.MaxY);
        return;
    }
    // Pixels move within the box; read each source row before writing so
    // the order of rows and columns needs no care.
    LONG rowStart = dy >= 0 ? box.MinY : box.MaxY, rowStep = dy >= 0 ? 1 : -1;
    std::vector<ULONG> line(static_cast<std::size_t>(w));
    for (LONG i = 0; i < h; i++) {
        LONG y = rowStart + i * rowStep, sy = y + dy;
        bool inside = sy >= box.MinY && sy <= box.MaxY;
        for (LONG x = box.MinX; x <= box.MaxX; x++) {
            LONG sx = x + dx;
            ULONG value = 0xFFFFFFFFu;
            if (inside && sx >= box.MinX && sx <= box.MaxX) {
                if (scope.chunky != nullptr)
                    std::memcpy(&value, hosted::PixelAddress(scope.chunky, sx, sy), 4);
                else
                    value = hosted::PlanarGet(scope.bitMap, sx, sy);
            }
            line[static_cast<std::size_t>(x - box.MinX)] = value;
        }
        for (LONG x = box.MinX; x <= box.MaxX; x++) {
            ULONG value = line[static_cast<std::size_t>(x - box.MinX)];
            bool uncovered = !inside || x + dx < box.MinX || x + dx > box.MaxX;
            if (uncovered)
                painter.Plot(x, y, bPen);
            else if (scope.chunky != nullptr)
                std::memcpy(hosted::PixelAddress(scope.chunky, x, y), &value, 4);
            else
                hosted::PlanarSet(scope.bitMap, x, y, value, rp->Mask);
        }
    }
    scope.Damage(box.MinX, box.MinY, box.MaxX, box.MaxY);
}
