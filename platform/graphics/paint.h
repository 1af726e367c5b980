// graphics/paint.h: pixel writes in a rastport's pens and drawing mode, shared by the drawing, text and blit calls.
#ifndef GRAPHICS_PAINT_H
#define GRAPHICS_PAINT_H

#include <hosted/drawing.h>

namespace hosted {

inline ULONG PenOf(BYTE pen) { return static_cast<UBYTE>(pen); }

// Writes pixels of one drawing call. Coordinates are already clipped to
// the scope; the caller reports damage.
class Painter {
public:
    Painter(DrawScope &scope, const struct RastPort *rp) : scope_(scope), mask_(rp->Mask) {}

    // A pixel in a pen.
    void Plot(LONG x, LONG y, ULONG pen)
    {
        if (scope_.chunky != nullptr)
            StoreLE32Raw(PixelAddress(scope_.chunky, x, y), PixelOf(pen));
        else
            PlanarSet(scope_.bitMap, x, y, pen, mask_);
    }

    // Inverts a pixel: red, green and blue of a chunky one, the writable
    // planes of a planar one.
    void Invert(LONG x, LONG y)
    {
        if (scope_.chunky != nullptr) {
            UBYTE *p = PixelAddress(scope_.chunky, x, y);
            StorePixel(scope_.chunky->pixelFormat, p, LoadPixel(scope_.chunky->pixelFormat, p) ^ 0x00FFFFFFu);
        } else {
            PlanarInvert(scope_.bitMap, x, y, mask_);
        }
    }

    // A run of pixels x0..x1 of row y in a pen.
    void Span(LONG x0, LONG x1, LONG y, ULONG pen);
    void InvertSpan(LONG x0, LONG x1, LONG y);

private:
    // The pixel of a pen, in the bitmap's memory order (cached: drawing
    // calls use one or two pens).
    ULONG PixelOf(ULONG pen)
    {
        if (pen != cachedPen_) {
            cachedPen_ = pen;
            UBYTE bytes[4];
            StorePixel(scope_.chunky->pixelFormat, bytes, 0xFF000000u | PenColor(scope_.bitMap, pen));
            std::memcpy(&cachedPixel_, bytes, 4);
        }
        return cachedPixel_;
    }
    static void StoreLE32Raw(UBYTE *p, ULONG raw) { std::memcpy(p, &raw, 4); }

    DrawScope &scope_;
    UBYTE mask_;
    ULONG cachedPen_ = 0xFFFFFFFFu;
    ULONG cachedPixel_ = 0;
};

// Draws a one-bit pattern over the box x0..x1, y0..y1 (clipped here) the
// way Text and BltTemplate do: bit(x, y) gives the pattern bit of a
// screen pixel; INVERSVID flips it; COMPLEMENT inverts where it is set;
// otherwise set bits take APen and, with JAM2, clear bits BPen. Reports
// the box as damage.
template <typename BitFn>
void PaintPattern(DrawScope &scope, const struct RastPort *rp, LONG x0, LONG y0, LONG x1, LONG y1,
                  BitFn bit)
{
    struct Rect32 box = {x0, y0, x1, y1};
    if (!scope.Clip(box))
        return;
    Painter painter(scope, rp);
    ULONG mode = static_cast<UBYTE>(rp->DrawMode);
    ULONG aPen = PenOf(rp->FgPen), bPen = PenOf(rp->BgPen);
    bool inverse = (mode & INVERSVID) != 0;
    for (LONG y = box.MinY; y <= box.MaxY; y++) {
        for (LONG x = box.MinX; x <= box.MaxX; x++) {
            bool set = bit(x, y) != inverse;
            if ((mode & COMPLEMENT) != 0) {
                if (set)
                    painter.Invert(x, y);
            } else if (set) {
                painter.Plot(x, y, aPen);
            } else if ((mode & JAM2) != 0) {
                painter.Plot(x, y, bPen);
            }
        }
    }
    scope.Damage(box.MinX, box.MinY, box.MaxX, box.MaxY);
}

}  // namespace hosted

#endif  // GRAPHICS_PAINT_H
