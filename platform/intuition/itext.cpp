// intuition/itext.cpp: IntuiTexts and Borders, the simple drawing records of gadgets and requesters.
#include "state.h"

#include <proto/graphics.h>
#include <proto/intuition.h>

#include <cstring>

/* Draws a chain of IntuiTexts, each at (left + LeftEdge, top + TopEdge)
   (the top of the text), in its pens and draw mode and its font (NULL: the
   rastport's, else opened for the drawing). The rastport's pens, mode and
   font are restored. */
void PrintIText(struct RastPort *rp, const struct IntuiText *iText, LONG left, LONG top)
{
    if (rp == nullptr)
        return;
    struct TextFont *oldFont = rp->Font;
    ULONG oldA = GetAPen(rp);
    ULONG oldB = GetBPen(rp);
    ULONG oldMode = GetDrMd(rp);
    for (const struct IntuiText *it = iText; it != nullptr; it = it->NextText) {
        if (it->IText == nullptr)
            continue;
        struct TextFont *font = nullptr;
        if (it->ITextFont != nullptr)
            font = OpenFont(it->ITextFont);
        if (font != nullptr)
            SetFont(rp, font);
        else if (oldFont != nullptr)
            SetFont(rp, oldFont);
        SetABPenDrMd(rp, it->FrontPen, it->BackPen, it->DrawMode);
        Move(rp, left + it->LeftEdge, top + it->TopEdge + rp->TxBaseline);
        Text(rp, reinterpret_cast<CONST_STRPTR>(it->IText), static_cast<ULONG>(std::strlen(reinterpret_cast<const char *>(it->IText))));
        if (font != nullptr)
            CloseFont(font);
    }
    if (oldFont != nullptr)
        SetFont(rp, oldFont);
    SetABPenDrMd(rp, oldA, oldB, oldMode);
}

/* The width in pixels of the first IntuiText of a chain, in its font (NULL:
   the screen font). 0 for NULL. */
LONG IntuiTextLength(const struct IntuiText *iText)
{
    if (iText == nullptr || iText->IText == nullptr)
        return 0;
    hosted::StartIntuition();
    struct RastPort rp;
    InitRastPort(&rp);
    struct TextFont *font = iText->ITextFont != nullptr ? OpenFont(iText->ITextFont) : nullptr;
    SetFont(&rp, font != nullptr ? font : hosted::ScreenFont());
    LONG width = TextLength(&rp, reinterpret_cast<CONST_STRPTR>(iText->IText),
                            static_cast<ULONG>(std::strlen(reinterpret_cast<const char *>(iText->IText))));
    if (font != nullptr)
        CloseFont(font);
    return width;
}

/* Draws a chain of Borders: each a polyline through Count points (XY holds
   x, y pairs) at (left + LeftEdge, top + TopEdge), in FrontPen and its draw
   mode. */
void DrawBorder(struct RastPort *rp, const struct Border *border, LONG left, LONG top)
{
    if (rp == nullptr)
        return;
    ULONG oldA = GetAPen(rp);
    ULONG oldB = GetBPen(rp);
    ULONG oldMode = GetDrMd(rp);
    for (const struct Border *b = border; b != nullptr; b = b->NextBorder) {
        if (b->XY == nullptr || b->Count <= 0)
            continue;
        SetABPenDrMd(rp, b->FrontPen, b->BackPen, b->DrawMode);
        LONG x0 = left + b->LeftEdge;
        LONG y0 = top + b->TopEdge;
        Move(rp, x0 + b->XY[0], y0 + b->XY[1]);
        if (b->Count == 1)
            WritePixel(rp, x0 + b->XY[0], y0 + b->XY[1]);
        for (BYTE i = 1; i < b->Count; i++)
            Draw(rp, x0 + b->XY[2 * i], y0 + b->XY[2 * i + 1]);
    }
    SetABPenDrMd(rp, oldA, oldB, oldMode);
}
