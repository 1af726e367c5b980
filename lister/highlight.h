// lister/highlight.h: showing a selected line by inverting its pixels in the RenderBitmap.
#ifndef LISTER_HIGHLIGHT_H
#define LISTER_HIGHLIGHT_H

#include "pixels.h"

// Inverts red, green and blue of the strip of line `line`: rows line ×
// lineHeight … line × lineHeight + lineHeight - 1, across the whole stride
// (stride / 4 pixels a row, so a bitmap's padding past its width goes
// along). The strip starts one row above the line's text. Rows at or beyond
// the bitmap's height are left alone. Twice restores the pixels. The mask
// is the bitmap's order's (InvertMaskOf), or the big-endian word `mask`.
void HighlightLine(const RenderTarget &bitmap, ULONG line, ULONG lineHeight);
void HighlightLine(const RenderTarget &bitmap, ULONG line, ULONG lineHeight, ULONG mask);

// The same for `count` consecutive lines from `first`, in one pass.
void HighlightLines(const RenderTarget &bitmap, ULONG first, ULONG count, ULONG lineHeight);
void HighlightLines(const RenderTarget &bitmap, ULONG first, ULONG count, ULONG lineHeight, ULONG mask);

#endif /* LISTER_HIGHLIGHT_H */
