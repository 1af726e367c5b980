// lister/render_lines.h: RenderListerLines: one text line per entry, in display order.
#ifndef LISTER_RENDER_LINES_H
#define LISTER_RENDER_LINES_H

#include "date_format.h"
#include "entry_buffer.h"
#include "glyph_engine.h"
#include "layout.h"

// The protection column of an entry: eight characters h s p a shown when
// their bit (7, 6, 5, 4) is set, r w e d shown when their bit (3 … 0) is
// clear, '-' otherwise; `text` gets them and a NUL (9 bytes).
void FormatProtection(char *text, ULONG protection);

// Draws the first layout.linesDrawn rows of the display order: line k at
// row 1 + k × Y; columns at x = 1 + X × (the widths to their left). Names
// and everything after them are drawn in `drawerColour` for drawers and
// `textColour` for files; a file's size (64-bit) is right-aligned with one
// blank column after it, drawers have none; then date and time, and with
// "Status and comment:" the protection flags and the comment. Text is drawn
// over the background; nothing is drawn outside the bitmap.
void RenderListerLines(const RenderTarget &bitmap, const ListerLayout &layout, const EntryBuffer &entries,
                       const GlyphSet &glyphs, DateRequest &dates, ULONG drawerColour, ULONG textColour);

// The same for lines [first, end) of those only.
void RenderListerLineRange(const RenderTarget &bitmap, const ListerLayout &layout, const EntryBuffer &entries,
                           const GlyphSet &glyphs, DateRequest &dates, ULONG drawerColour, ULONG textColour,
                           ULONG first, ULONG end);

#endif /* LISTER_RENDER_LINES_H */
