// lister/highlight.h: showing a selected line by inverting its pixels in the RenderBitmap.
#ifndef LISTER_HIGHLIGHT_H
#define LISTER_HIGHLIGHT_H

#include "pixels.h"

// Inverts (XOR 0x00FFFFFF) the strip of line `line`: rows line × lineHeight
// … line × lineHeight + lineHeight - 1, across the whole stride (stride / 4
// pixels a row). The strip starts one row above the line's text. Rows at or
// beyond the bitmap's height are left alone. Twice restores the pixels.
// `mask` is the big-endian word the pixels are exclusive-ored with: a
// bitmap whose pixels are stored blue, green, red, 0 passes 0xFFFFFF00.
void HighlightLine(const RenderTarget &bitmap, ULONG line, ULONG lineHeight, ULONG mask = PixelColourMask);

// The same for `count` consecutive lines from `first`, in one pass.
void HighlightLines(const RenderTarget &bitmap, ULONG first, ULONG count, ULONG lineHeight,
                    ULONG mask = PixelColourMask);

#endif /* LISTER_HIGHLIGHT_H */
