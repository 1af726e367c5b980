// lister/scroll.h: the viewport over the RenderBitmap: arrows, scroller values and pots.
#ifndef LISTER_SCROLL_H
#define LISTER_SCROLL_H

#include <exec/types.h>

// Where the window looks into the RenderBitmap. All values in pixels.
struct ListerView {
    ULONG scrollTop = 0;      // ScrollTop: first visible row of the bitmap
    ULONG scrollLeft = 0;     // ScrollLeft: first visible column
    ULONG bitmapWidth = 0;    // W
    ULONG bitmapHeight = 0;   // H
    ULONG innerWidth = 0;     // the window's inner width
    ULONG visibleHeight = 0;  // V: inner height less the status line
};

// The arrow buttons move by this many pixels.
constexpr ULONG ScrollArrowStep = 30;

// The four arrows (gadget IDs 0 down, 1 up, 3 right, 4 left). Down stops at
// H - V, up at 0, right at W - innerWidth, left at 0; a list that fits its
// window does not move.
void ScrollArrowDown(ListerView &view);
void ScrollArrowUp(ListerView &view);
void ScrollArrowRight(ListerView &view);
void ScrollArrowLeft(ListerView &view);

// PotScale: 10000 when `height` ≤ 65535, otherwise the largest power of ten
// whose product with `height` still fits in 32 bits.
ULONG PotScale(ULONG height);

// The vertical scroller's PGA_Total: H, or 65535 for a taller bitmap.
ULONG VerticalScrollerTotal(const ListerView &view);

// The vertical scroller's PGA_Top for the current ScrollTop: the pixel
// offset when H ≤ 65535, else 65535 × T / H formed with PotScale so that no
// product passes 32 bits. 0 for T = 0.
ULONG VerticalScrollerTop(const ListerView &view);

// Following a dragged knob: the scroller's pot (0 … 65535) to ScrollTop =
// (H - V) × pot / 65535, or ScrollLeft = (W - innerWidth) × pot / 65535.
void ScrollTopFromPot(ListerView &view, UWORD pot);
void ScrollLeftFromPot(ListerView &view, UWORD pot);

#endif /* LISTER_SCROLL_H */
