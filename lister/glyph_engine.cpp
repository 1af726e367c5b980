// lister/glyph_engine.cpp: building the glyph sheet through graphics, and drawing text from it.
#include "glyph_engine.h"

#include <proto/exec.h>
#include <proto/graphics.h>

namespace {

constexpr ULONG GlyphTableBytes = 256 * sizeof(GlyphCell);
static_assert(GlyphTableBytes == 2048, "two words per code");

// Room after the last cell: a cell may start up to 31 pixels after the end
// of the glyph before it, 256 times over.
constexpr ULONG SheetSlack = 8192;

ULONG LoadSheetWord(const UBYTE *at)
{
    return (ULONG(at[0]) << 24) | (ULONG(at[1]) << 16) | (ULONG(at[2]) << 8) | ULONG(at[3]);
}

// Writes the set bits of one 32-column part of a glyph row.
inline void StoreBits(UBYTE *row, ULONG bits, ULONG image)
{
    while (bits != 0) {
        int i = __builtin_clz(bits);
        std::memcpy(row + ULONG(i) * PixelBytes, &image, PixelBytes);
        bits &= ~(0x80000000u >> i);
    }
}

// Draws one glyph whose box lies wholly inside the target.
void DrawGlyphInside(const GlyphSet &glyphs, const GlyphCell &cell, ULONG width, const RenderTarget &target,
                     LONG x, LONG y, ULONG image)
{
    const struct BitMap &sheet = *glyphs.sheet;
    const UBYTE *source = sheet.Planes[0] + cell.column / 8;
    UBYTE *row = target.PixelAt(ULONG(x + 1), ULONG(y));
    for (ULONG r = 0; r < glyphs.height; r++, source += sheet.BytesPerRow, row += target.stride) {
        for (ULONG part = 0; part * 32 < width; part++) {
            ULONG left = width - part * 32;
            ULONG mask = left >= 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> left);
            StoreBits(row + part * 32 * PixelBytes, LoadSheetWord(source + part * 4) & mask, image);
        }
    }
}

// Draws one glyph that may reach past the target's edges, pixel by pixel.
void DrawGlyphClipped(const GlyphSet &glyphs, const GlyphCell &cell, ULONG width, const RenderTarget &target,
                      LONG x, LONG y, ULONG image)
{
    const struct BitMap &sheet = *glyphs.sheet;
    for (ULONG r = 0; r < glyphs.height; r++) {
        LONG py = y + LONG(r);
        if (py < 0 || ULONG(py) >= target.height)
            continue;
        const UBYTE *source = sheet.Planes[0] + r * sheet.BytesPerRow + cell.column / 8;
        for (ULONG part = 0; part * 32 < width; part++) {
            ULONG left = width - part * 32;
            ULONG bits = LoadSheetWord(source + part * 4);
            if (left < 32)
                bits &= ~(0xFFFFFFFFu >> left);
            while (bits != 0) {
                int i = __builtin_clz(bits);
                bits &= ~(0x80000000u >> i);
                LONG px = x + 1 + LONG(part * 32) + i;
                if (px >= 0 && ULONG(px) < target.width)
                    std::memcpy(target.PixelAt(ULONG(px), ULONG(py)), &image, PixelBytes);
            }
        }
    }
}

}  // namespace

BOOL BuildGlyphSet(GlyphSet &glyphs, struct TextFont *font)
{
    glyphs = GlyphSet{};
    if (font == nullptr)
        return FALSE;
    const ULONG height = font->tf_YSize;
    const ULONG nominalWidth = font->tf_XSize;

    struct BitMap *scratch = AllocBitMap(16 * (nominalWidth != 0 ? nominalWidth : 1), height, 1, BMF_MINPLANES, nullptr);
    if (scratch == nullptr)
        return FALSE;
    struct RastPort rp;
    InitRastPort(&rp);
    rp.BitMap = scratch;
    SetFont(&rp, font);

    auto *table = static_cast<GlyphCell *>(AllocMem(GlyphTableBytes, MEMF_CLEAR));
    if (table == nullptr) {
        FreeBitMap(scratch);
        return FALSE;
    }
    ULONG sum = 0;
    for (ULONG code = 0; code < 256; code++) {
        char c = char(code);
        WORD measured = TextLength(&rp, &c, 1);
        ULONG width = measured > 0 ? ULONG(measured) : 0;
        table[code].advanceBytes = width * PixelBytes;
        sum += width;
    }
    FreeBitMap(scratch);

    // Cleared, so that rows a glyph's box leaves untouched read as clear.
    struct BitMap *sheet = AllocBitMap(sum + SheetSlack, height, 1, BMF_MINPLANES | BMF_CLEAR, nullptr);
    if (sheet == nullptr) {
        FreeMem(table, GlyphTableBytes);
        return FALSE;
    }
    rp.BitMap = sheet;
    ULONG x = 0;
    for (ULONG code = 0; code < 256; code++) {
        char c = char(code);
        table[code].column = x;
        Move(&rp, LONG(x), LONG(font->tf_Baseline));
        Text(&rp, &c, 1);
        x = (x + table[code].advanceBytes / PixelBytes + 32) & ~31UL;
    }

    glyphs.sheet = sheet;
    glyphs.table = table;
    glyphs.height = height;
    glyphs.nominalWidth = nominalWidth;
    glyphs.baseline = font->tf_Baseline;
    return TRUE;
}

void FreeGlyphSet(GlyphSet &glyphs)
{
    FreeBitMap(glyphs.sheet);
    if (glyphs.table != nullptr)
        FreeMem(glyphs.table, GlyphTableBytes);
    glyphs = GlyphSet{};
}

void DrawTextOn(const GlyphSet &glyphs, TextPen &pen, ULONG colour, CONST_STRPTR text)
{
    if (glyphs.sheet == nullptr || glyphs.table == nullptr || pen.target.base == nullptr)
        return;
    const RenderTarget &target = pen.target;
    const ULONG image = PixelImage(colour);
    const bool rowsInside = pen.y >= 0 && UQUAD(pen.y) + glyphs.height <= target.height;
    for (const UBYTE *s = reinterpret_cast<const UBYTE *>(text); *s != 0; s++) {
        const GlyphCell &cell = glyphs.table[*s];
        ULONG width = cell.advanceBytes / PixelBytes;
        if (width == 0)
            continue;
        if (rowsInside && pen.x >= -1 && QUAD(pen.x) + 1 + QUAD(width) <= QUAD(target.width))
            DrawGlyphInside(glyphs, cell, width, target, pen.x, pen.y, image);
        else
            DrawGlyphClipped(glyphs, cell, width, target, pen.x, pen.y, image);
        pen.x += LONG(width);
    }
}

void DrawText(const GlyphSet &glyphs, TextPen &pen, const RenderTarget &target, LONG x, LONG y, ULONG colour,
              CONST_STRPTR text)
{
    pen.target = target;
    pen.x = x;
    pen.y = y;
    DrawTextOn(glyphs, pen, colour, text);
}

ULONG GlyphTextWidth(const GlyphSet &glyphs, CONST_STRPTR text)
{
    ULONG width = 0;
    for (const UBYTE *s = reinterpret_cast<const UBYTE *>(text); *s != 0; s++)
        width += glyphs.Advance(*s);
    return width;
}
