// lister/present.h: PresentLister: bringing the status line and the visible list to the window.
#ifndef LISTER_PRESENT_H
#define LISTER_PRESENT_H

#include "pixels.h"
#include "scroll.h"

#include <graphics/gfx.h>
#include <graphics/rastport.h>

// Where the lister sits in its window.
struct ListerGeometry {
    LONG leftBorder = 0;
    LONG topBorder = 0;
    ULONG innerWidth = 0;
    ULONG statusHeight = 0;    // Y + Y / 4
    ULONG visibleHeight = 0;   // V: inner height - status height
};

// The "no cgx_wpa:" path: a 32-bit bitmap in the screen's format (BGRA32 on
// this host) that the list is copied into by hand and blitted from.
struct DirectBitMap {
    struct BitMap *bitmap = nullptr;
    UBYTE *base = nullptr;
    ULONG bytesPerRow = 0;
    ULONG width = 0;
    ULONG height = 0;
};

// Allocates it: AllocBitMap(width, height, 32, BMF_MINPLANES, friend), its
// bytes per row from GetCyberMapAttr(CYBRMATTR_XMOD) and its base address
// from LockBitMapTagList(LBMI_BASEADDRESS) (unlocked at once; the memory
// stays put while the bitmap lives). FALSE, with nothing held, when it
// cannot be allocated or addressed; the caller then keeps to
// WritePixelArray.
[[nodiscard]] BOOL AllocDirectBitMap(DirectBitMap &direct, ULONG width, ULONG height, struct BitMap *friendBitmap);
void FreeDirectBitMap(DirectBitMap &direct);   // an empty one is ignored

// Copies the status strip: WritePixelArray, RECTFMT_ARGB, at the left and
// top border, inner width × status height (cut to the strip).
void PresentStatusStrip(struct RastPort *rp, const ListerGeometry &geometry, const RenderTarget &statusStrip);

// Copies the status strip (PresentStatusStrip) and then the visible list
// (PresentListerList).
void PresentLister(struct RastPort *rp, const ListerGeometry &geometry, const RenderTarget &statusStrip,
                   const RenderTarget &bitmap, const ListerView &view, const DirectBitMap *direct);

// The two calls below take a picture in 0, red, green, blue (a
// BufferCanvas's); a lister presents through its ListerCanvas, whichever it has.

// Copies only the visible list: the bitmap from (ScrollLeft, ScrollTop),
// inner width × V, to the window below the status line. Without a
// DirectBitMap through WritePixelArray (RECTFMT_ARGB); with one, its pixels
// are byte-reversed into the DirectBitMap at column (its width - inner
// width), row 0, and blitted with BltBitMapRastPort (minterm 0xC0).
void PresentListerList(struct RastPort *rp, const ListerGeometry &geometry, const RenderTarget &bitmap,
                       const ListerView &view, const DirectBitMap *direct);

// The rows of line `line`'s strip (line × Y … + Y - 1) that the viewport
// shows: *firstRow is the first such bitmap row, the result their count
// (0 when the line is out of view).
ULONG VisibleLineRows(ULONG line, ULONG lineHeight, const ListerView &view, ULONG *firstRow);

// After a highlight: copies just that line's visible rows to the window,
// always through WritePixelArray.
void PresentListerLine(struct RastPort *rp, const ListerGeometry &geometry, const RenderTarget &bitmap,
                       const ListerView &view, ULONG line, ULONG lineHeight);

#endif /* LISTER_PRESENT_H */
