// lister/highlight.cpp: inverting line strips of the RenderBitmap.
#include "highlight.h"

void HighlightLines(const RenderTarget &bitmap, ULONG first, ULONG count, ULONG lineHeight, ULONG mask)
{
    UQUAD top = UQUAD(first) * lineHeight;
    UQUAD bottom = top + UQUAD(count) * lineHeight;
    if (bottom > bitmap.height)
        bottom = bitmap.height;
    if (top >= bottom)
        return;
    // Rows are contiguous: the strip is one run of pixels.
    InvertPixels(bitmap.base + top * bitmap.stride, ULONG((bottom - top) * (bitmap.stride / PixelBytes)), mask);
}

void HighlightLine(const RenderTarget &bitmap, ULONG line, ULONG lineHeight, ULONG mask)
{
    HighlightLines(bitmap, line, 1, lineHeight, mask);
}

void HighlightLines(const RenderTarget &bitmap, ULONG first, ULONG count, ULONG lineHeight)
{
    HighlightLines(bitmap, first, count, lineHeight, InvertMaskOf(bitmap.order));
}

void HighlightLine(const RenderTarget &bitmap, ULONG line, ULONG lineHeight)
{
    HighlightLines(bitmap, line, 1, lineHeight, InvertMaskOf(bitmap.order));
}
