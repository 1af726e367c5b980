// lister/gradient.h: colour gradients: building the table and painting a buffer with it.
#ifndef LISTER_GRADIENT_H
#define LISTER_GRADIENT_H

#include "pixels.h"

// A GradientTable: a count (1 … 256) and that many colours 0x00RRGGBB, top
// colour first. 1028 bytes: the windows table is BufferSet entry 4 itself.
struct GradientTable {
    ULONG count;
    ULONG colours[256];
};

static_assert(sizeof(GradientTable) == 1028, "a gradient table is 257 words");

// Fixed-point scale of the gradient arithmetic.
constexpr ULONG GradientScale = 10000000;

// Builds the table from `begin` to `end`: one entry per level of the channel
// that changes most, the others following in fixed point; the first entry is
// `begin`, the last `end`. Equal colours give a one-entry table. Top bytes
// are cleared.
void BuildGradient(GradientTable &table, ULONG begin, ULONG end);

// The same table for a bitmap whose pixels lie blue, green, red, 0: every
// colour stored byte-reversed (0xBBGGRR00), so FillGradient paints the
// configured colours there.
void BuildReversedGradient(GradientTable &table, ULONG begin, ULONG end);

// BuildGradient or BuildReversedGradient, as a buffer of `order` needs.
void BuildGradientIn(PixelOrder order, GradientTable &table, ULONG begin, ULONG end);

// Byte-reverses every colour of the table: a reversed table becomes the
// ARGB one again (and back).
void ReverseGradient(GradientTable &table);

// Paints `rows` rows of `stride` bytes (stride / 4 pixels each) at `buffer`
// top to bottom in bands, one per table colour. Band heights differ by at
// most one row; the rows left over after equal bands go, evenly spread, one
// each to as many bands, so every row is painted and none twice.
void FillGradient(UBYTE *buffer, const GradientTable &table, ULONG rows, ULONG stride);

// Paints only rows [first, first + count) of that same picture of `rows`
// rows, exactly as FillGradient paints them; the rest is left as it is.
void FillGradientRows(UBYTE *buffer, const GradientTable &table, ULONG rows, ULONG stride, ULONG first,
                      ULONG count);

#endif /* LISTER_GRADIENT_H */
