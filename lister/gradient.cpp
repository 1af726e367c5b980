// lister/gradient.cpp: the integer fixed-point gradient table and its band fill.
#include "gradient.h"

namespace {

ULONG Channel(ULONG colour, int shift) { return (colour >> shift) & 0xFF; }

}  // namespace

void BuildGradient(GradientTable &table, ULONG begin, ULONG end)
{
    if ((begin & PixelColourMask) == (end & PixelColourMask)) {
        table.count = 1;
        table.colours[0] = begin & PixelColourMask;
        return;
    }

    // Per channel (red, green, blue): distance, direction, step and
    // accumulator, all scaled by K. d ≤ 255 keeps d × K inside 32 bits.
    static const int shifts[3] = {16, 8, 0};
    ULONG step[3], acc[3];
    bool down[3];
    ULONG n = 0;
    for (int c = 0; c < 3; c++) {
        ULONG from = Channel(begin, shifts[c]), to = Channel(end, shifts[c]);
        down[c] = from >= to;
        ULONG d = down[c] ? from - to : to - from;
        if (d > n)
            n = d;
        acc[c] = from * GradientScale;
        step[c] = d;  // scaled below, once n is known
    }
    for (int c = 0; c < 3; c++)
        step[c] = step[c] * GradientScale / n;

    for (ULONG i = 0; i < n; i++) {
        table.colours[i] = ((acc[0] / GradientScale) << 16) | ((acc[1] / GradientScale) << 8) | (acc[2] / GradientScale);
        for (int c = 0; c < 3; c++)
            acc[c] = down[c] ? acc[c] - step[c] : acc[c] + step[c];
    }
    table.colours[n] = end & PixelColourMask;
    table.count = n + 1;
}

void BuildReversedGradient(GradientTable &table, ULONG begin, ULONG end)
{
    BuildGradient(table, begin, end);
    ReverseGradient(table);
}

void BuildGradientIn(PixelOrder order, GradientTable &table, ULONG begin, ULONG end)
{
    if (order == PixelOrder::Bgra)
        BuildReversedGradient(table, begin, end);
    else
        BuildGradient(table, begin, end);
}

void ReverseGradient(GradientTable &table)
{
    ULONG count = table.count > 256 ? 256 : table.count;
    for (ULONG i = 0; i < count; i++)
        table.colours[i] = ReversedColour(table.colours[i]);
}

void FillGradient(UBYTE *buffer, const GradientTable &table, ULONG rows, ULONG stride)
{
    FillGradientRows(buffer, table, rows, stride, 0, rows);
}

void FillGradientRows(UBYTE *buffer, const GradientTable &table, ULONG rows, ULONG stride, ULONG first,
                      ULONG count)
{
    ULONG m = table.count > 256 ? 256 : table.count;
    if (m == 0 || rows == 0 || first >= rows)
        return;
    const ULONG last = count < rows - first ? first + count : rows;   // one past the last row painted
    const ULONG width = stride / PixelBytes;
    const ULONG q = rows / m;
    const ULONG rem = rows - q * m;
    const ULONG frac = (rem * GradientScale + m - 1) / m;   // rounded up
    ULONG acc = 0;
    ULONG top = 0;
    for (ULONG i = 0; i < m && top < last; i++) {
        ULONG band = q;
        acc += frac;
        if (acc >= GradientScale) {
            band++;
            acc -= GradientScale;
        }
        if (band > rows - top)
            band = rows - top;
        // Rows are contiguous, so the part of a band asked for is one run of pixels.
        ULONG from = top > first ? top : first;
        ULONG to = top + band < last ? top + band : last;
        if (to > from)
            FillPixels(buffer + from * stride, (to - from) * width, table.colours[i]);
        top += band;
    }
}
