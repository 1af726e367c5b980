// lister/highlight.cpp: inverting line strips of the RenderBitmap.
#include "highlight.h"

void HighlightLines(const RenderTarget &bitmap, ULONG first, ULONG count, ULONG lineHeight)
{
    UQUAD top = UQUAD(first) * lineHeight;
    UQUAD bottom = top + UQUAD(count) * lineHeight;
    if (bottom > bitmap.height)
        bottom = bitmap.height;
    if (top >= bottom)
        return;
    // Rows are contiguous: the strip is one run of pixels.
    InvertPixels(bitmap.base + top * bitmap.stride, ULONG((bottom - top) * (bitmap.stride / PixelBytes)));
}

void HighlightLine(const RenderTarget &bitmap, ULONG line, ULONG lineHeight)
{
    HighlightLines(bitmap, line, 1, lineHeight);
}
