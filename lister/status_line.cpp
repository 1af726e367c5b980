// lister/status_line.cpp: composing the status line into the StatusStrip.
#include "status_line.h"

#include "decimal.h"

namespace {

void Piece(char *text, UQUAD value, const char *label)
{
    char *end = FormatDecimal64(text, value);
    std::strcpy(end, label);   // 20 digits + 9 characters + NUL fit StatusPieceSize
}

}  // namespace

void FormatStatusLine(StatusLineTexts &texts, const ListerHeader &header)
{
    Piece(texts.drawers, header.drawerCount, " drawers ");
    Piece(texts.files, header.fileCount, " files ");
    Piece(texts.bytes, header.TotalBytes(), " bytes");
}

void ComposeStatusLine(const RenderTarget &strip, const GlyphSet &glyphs, const ListerHeader &header,
                       const GradientTable &windowGradient, const ConfigRecord &config)
{
    if (strip.base == nullptr)
        return;
    ULONG background = windowGradient.count != 0 ? windowGradient.colours[0] : 0;
    for (ULONG y = 0; y < strip.height; y++)
        FillPixels(strip.PixelAt(0, y), strip.stride / PixelBytes, background);

    StatusLineTexts texts;
    FormatStatusLine(texts, header);
    TextPen pen;
    DrawText(glyphs, pen, strip, 3, 1, config.DrawerTextColor(), texts.drawers);
    DrawTextOn(glyphs, pen, config.ListerTextColor(), texts.files);
    DrawTextOn(glyphs, pen, config.WindowTextColor(), texts.bytes);
}
