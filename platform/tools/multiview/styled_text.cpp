// tools/multiview/styled_text.cpp: drawing lines of styled text and link buttons into a rastport.
#include "styled_text.h"

#include <intuition/screens.h>
#include <proto/graphics.h>

#include <algorithm>

namespace hosted::multiview {

namespace {

constexpr UBYTE kDrawnStyles = FSF_BOLD | FSF_UNDERLINED;

UWORD Pen(const struct DrawInfo *drawInfo, ULONG which, UWORD fallback)
{
    if (drawInfo != nullptr && drawInfo->dri_Pens != nullptr && which < drawInfo->dri_NumPens)
        return drawInfo->dri_Pens[which];
    return fallback;
}

void UseStyle(struct RastPort *rp, UBYTE style)
{
    SetSoftStyle(rp, style & kDrawnStyles, kDrawnStyles);
}

// How many characters of text fit into width pixels in the current style.
ULONG Fitting(struct RastPort *rp, const std::string &text, LONG width)
{
    if (width <= 0)
        return 0;
    struct TextExtent extent;
    return TextFit(rp, text.data(), static_cast<ULONG>(text.size()), &extent, nullptr, 1,
                   static_cast<ULONG>(width), static_cast<ULONG>(rp->TxHeight + 1));
}

void DrawText(struct RastPort *rp, UWORD pen, const std::string &text, UBYTE style, LONG x, LONG baselineY)
{
    if (text.empty())
        return;
    UseStyle(rp, style);
    SetAPen(rp, pen);
    SetDrMd(rp, JAM1);
    Move(rp, x, baselineY);
    Text(rp, text.data(), static_cast<ULONG>(text.size()));
}

}  // namespace

std::string PlainText(const StyledLine &line)
{
    std::string text;
    for (const StyledSpan &span : line.spans)
        text += span.text;
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::vector<std::size_t> LineSource::WidestCandidates() const
{
    std::vector<std::size_t> all(LineCount());
    for (std::size_t i = 0; i < all.size(); i++)
        all[i] = i;
    return all;
}

StyledLine OneSpan(std::string text, SpanRole role)
{
    StyledLine line;
    StyledSpan span;
    span.text = std::move(text);
    span.role = role;
    line.spans.push_back(std::move(span));
    return line;
}

PagePens PensOf(const struct DrawInfo *drawInfo)
{
    PagePens pens;
    pens.paper = Pen(drawInfo, SHINEPEN, 2);
    pens.text = Pen(drawInfo, TEXTPEN, 1);
    pens.dim = Pen(drawInfo, SHADOWPEN, 1);
    pens.linkFace = Pen(drawInfo, BACKGROUNDPEN, 0);
    pens.linkEdge = Pen(drawInfo, SHADOWPEN, 1);
    pens.linkText = Pen(drawInfo, TEXTPEN, 1);
    pens.pressedFace = Pen(drawInfo, FILLPEN, 3);
    pens.pressedText = Pen(drawInfo, FILLTEXTPEN, 2);
    return pens;
}

LONG SpanWidth(struct RastPort *rp, const std::string &text, UBYTE style)
{
    if (text.empty())
        return 0;
    UseStyle(rp, style);
    LONG width = TextLength(rp, text.data(), static_cast<ULONG>(text.size()));
    UseStyle(rp, FS_NORMAL);
    return width;
}

void PaintLinkFace(struct RastPort *rp, const PagePens &pens, const std::string &label, UBYTE style, LONG left,
                   LONG top, LONG width, LONG height, LONG baseline, LinkLook look)
{
    const bool pressed = look == LinkLook::Pressed;
    if (width <= 0 || height <= 0)
        return;
    const LONG right = left + width - 1;
    const LONG bottom = top + height - 1;
    SetDrMd(rp, JAM2);
    SetAPen(rp, pressed ? pens.pressedFace : pens.linkFace);
    RectFill(rp, left, top, right, bottom);
    if (width > 2 && height > 2) {
        // A one-pixel edge with its corners left to the page: a soft box.
        SetAPen(rp, look == LinkLook::Normal ? pens.linkEdge : pens.pressedFace);
        RectFill(rp, left + 1, top, right - 1, top);
        RectFill(rp, left + 1, bottom, right - 1, bottom);
        RectFill(rp, left, top + 1, left, bottom - 1);
        RectFill(rp, right, top + 1, right, bottom - 1);
        SetAPen(rp, pens.paper);
        WritePixel(rp, left, top);
        WritePixel(rp, right, top);
        WritePixel(rp, left, bottom);
        WritePixel(rp, right, bottom);
        if (look == LinkLook::Focused && width > 4 && height > 4) {
            // The focus is a second ring inside the edge, plain to see.
            SetAPen(rp, pens.pressedFace);
            RectFill(rp, left + 1, top + 1, right - 1, top + 1);
            RectFill(rp, left + 1, bottom - 1, right - 1, bottom - 1);
            RectFill(rp, left + 1, top + 1, left + 1, bottom - 1);
            RectFill(rp, right - 1, top + 1, right - 1, bottom - 1);
        }
    }
    UseStyle(rp, style);
    std::string shown = label.substr(0, Fitting(rp, label, width - kLinkPadding - 1));
    DrawText(rp, pressed ? pens.pressedText : pens.linkText, shown, style, left + kLinkPadding, top + baseline);
    UseStyle(rp, FS_NORMAL);
}

void PaintLine(struct RastPort *rp, const StyledLine &line, const PagePens &pens, LONG x, LONG y, LONG lineHeight,
               LONG baseline, LONG focusedLink)
{
    LONG next = x;
    for (const StyledSpan &span : line.spans) {
        LONG at = line.placed ? x + span.x : next;
        LONG width = line.placed ? span.width : SpanWidth(rp, span.text, span.style);
        if (span.role == SpanRole::Link) {
            // One row is left free under each button, so that buttons on
            // lines one under the other stand apart.
            LinkLook look = span.link >= 0 && span.link == focusedLink ? LinkLook::Focused : LinkLook::Normal;
            PaintLinkFace(rp, pens, span.text, span.style, at, y, width, lineHeight - 1, baseline, look);
        } else {
            UWORD pen = span.role == SpanRole::Dim ? pens.dim : pens.text;
            DrawText(rp, pen, span.text, span.style, at, y + baseline);
        }
        next = at + width;
    }
    UseStyle(rp, FS_NORMAL);
}

}  // namespace hosted::multiview
