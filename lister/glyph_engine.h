// lister/glyph_engine.h: the screen font prepared once and drawn straight into pixel buffers.
#ifndef LISTER_GLYPH_ENGINE_H
#define LISTER_GLYPH_ENGINE_H

#include "pixels.h"

#include <graphics/gfx.h>
#include <graphics/text.h>

// The GlyphTable entry of one character code.
struct GlyphCell {
    ULONG column;        // first pixel column of the code's cell in the sheet (a multiple of 32)
    ULONG advanceBytes;  // advance width × 4: bytes of a 32-bit pixel row
};

// The prepared font: a one-bit GlyphSheet holding every code's glyph at the
// left of its own cell, and the GlyphTable of cells and widths. Built once,
// read-only afterwards: two listers may draw with one set at the same time.
struct GlyphSet {
    struct BitMap *sheet = nullptr;   // the GlyphSheet, depth 1, `height` rows
    GlyphCell *table = nullptr;       // 256 entries (2048 bytes, AllocMem)
    ULONG height = 0;                 // Y: rows of a glyph (tf_YSize)
    ULONG nominalWidth = 0;           // X: tf_XSize, the lister's column unit
    ULONG baseline = 0;               // B: tf_Baseline

    ULONG Advance(UBYTE code) const { return table[code].advanceBytes / PixelBytes; }
};

// Prepares the glyph set of `font`: measures every code 0 … 255 with
// TextLength on a scratch bitmap, then draws each with Text into a sheet of
// (sum of the widths + 8192) × Y, cell after cell, each starting at a
// multiple of 32 (the next cell starts at (start + width + 32) rounded down
// to 32). Returns FALSE when the scratch bitmap, the table or the sheet
// cannot be allocated; whatever was allocated is freed again.
[[nodiscard]] BOOL BuildGlyphSet(GlyphSet &glyphs, struct TextFont *font);

// Frees the sheet (FreeBitMap) and the table (FreeMem, 2048 bytes); the set
// is empty afterwards. An empty set is ignored.
void FreeGlyphSet(GlyphSet &glyphs);

// Where the next character of a line goes: the buffer and the position of
// the character's origin. Its glyph's first column lands one pixel right of
// x, its first row on row y.
struct TextPen {
    RenderTarget target;
    LONG x = 0;
    LONG y = 0;
};

// Draws `text` (up to its NUL) into `target` in one colour from position x,
// y, and leaves `pen` after its last character. Only the glyphs' set pixels
// are written (the background shows through); characters abut by their
// advance widths. Pixels outside the target are not written, so text may
// run off any edge. A character of width 0 draws nothing and does not move
// the pen; a glyph wider than 32 pixels is drawn whole.
void DrawText(const GlyphSet &glyphs, TextPen &pen, const RenderTarget &target, LONG x, LONG y, ULONG colour,
              CONST_STRPTR text);

// Draws `text` from where the last DrawText or DrawTextOn left `pen`.
void DrawTextOn(const GlyphSet &glyphs, TextPen &pen, ULONG colour, CONST_STRPTR text);

// The advance of a whole string in pixels.
ULONG GlyphTextWidth(const GlyphSet &glyphs, CONST_STRPTR text);

#endif /* LISTER_GLYPH_ENGINE_H */
