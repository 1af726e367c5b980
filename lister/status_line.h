// lister/status_line.h: the status line: "N drawers N files N bytes" in three colours.
#ifndef LISTER_STATUS_LINE_H
#define LISTER_STATUS_LINE_H

#include "entry_buffer.h"
#include "glyph_engine.h"
#include "gradient.h"

#include <settings/config_record.h>

// The three pieces of the status line: the drawer count and " drawers ",
// the file count and " files ", the total bytes and " bytes".
constexpr ULONG StatusPieceSize = 32;   // 20 digits, the longest label and a NUL

struct StatusLineTexts {
    char drawers[StatusPieceSize];
    char files[StatusPieceSize];
    char bytes[StatusPieceSize];
};

void FormatStatusLine(StatusLineTexts &texts, const ListerHeader &header);

// Fills the whole StatusStrip with the windows table's first colour and
// draws the three pieces from x = 3, y = 1, one after the other: the first
// in the "Drawer text color", the second in the lister "Text color", the
// third in the windows "Text color". Filling the whole strip rather than
// the window's inner width keeps a window widened later from showing
// unpainted memory.
void ComposeStatusLine(const RenderTarget &strip, const GlyphSet &glyphs, const ListerHeader &header,
                       const GradientTable &windowGradient, const ConfigRecord &config);

#endif /* LISTER_STATUS_LINE_H */
