// boopsi/drawing.cpp: the drawing the classes share: pens, fills, bevels, ghosting and labels.
#include "classdata.h"

#include <proto/graphics.h>

#include <cstring>

namespace hosted::boopsi {
namespace {

// The pens of a screen without a DrawInfo, in the default palette: grey
// background, black text and shadows, white highlights, blue fill.
constexpr UWORD kDefaultPens[NUMDRIPENS] = {
    0,   // DETAILPEN
    1,   // BLOCKPEN
    1,   // TEXTPEN
    2,   // SHINEPEN
    1,   // SHADOWPEN
    3,   // FILLPEN
    1,   // FILLTEXTPEN
    0,   // BACKGROUNDPEN
    2,   // HIGHLIGHTTEXTPEN
    1,   // BARDETAILPEN
    2,   // BARBLOCKPEN
    1,   // BARTRIMPEN
};

}  // namespace

UWORD PenOf(const struct DrawInfo *drawInfo, ULONG which)
{
    if (drawInfo != nullptr && drawInfo->dri_Pens != nullptr && which < drawInfo->dri_NumPens)
        return drawInfo->dri_Pens[which];
    return which < NUMDRIPENS ? kDefaultPens[which] : 1;
}

struct TextFont *FontOf(const struct DrawInfo *drawInfo)
{
    return drawInfo != nullptr ? drawInfo->dri_Font : nullptr;
}

void FillBox(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height)
{
    if (width <= 0 || height <= 0)
        return;
    SetAPen(rp, pen);
    SetDrMd(rp, JAM2);
    RectFill(rp, left, top, left + width - 1, top + height - 1);
}

void DrawBevel(struct RastPort *rp, const struct DrawInfo *drawInfo, LONG left, LONG top, LONG width,
               LONG height, bool recessed)
{
    if (width <= 0 || height <= 0)
        return;
    UWORD light = PenOf(drawInfo, recessed ? SHADOWPEN : SHINEPEN);
    UWORD dark = PenOf(drawInfo, recessed ? SHINEPEN : SHADOWPEN);
    LONG right = left + width - 1;
    LONG bottom = top + height - 1;
    SetDrMd(rp, JAM2);
    SetAPen(rp, light);
    RectFill(rp, left, top, right, top);
    RectFill(rp, left, top, left, bottom);
    SetAPen(rp, dark);
    RectFill(rp, left, bottom, right, bottom);
    RectFill(rp, right, top, right, bottom);
    // The two corners where light meets dark belong to neither edge.
    if (width > 1 && height > 1) {
        SetAPen(rp, light);
        WritePixel(rp, left, bottom);
        SetAPen(rp, dark);
        WritePixel(rp, right, top);
    }
}

void Ghost(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height)
{
    SetAPen(rp, pen);
    SetDrMd(rp, JAM1);
    for (LONG y = 0; y < height; y++) {
        for (LONG x = y % 2; x < width; x += 2)
            WritePixel(rp, left + x, top + y);
    }
}

void CentredText(struct RastPort *rp, const struct DrawInfo *drawInfo, CONST_STRPTR text, UWORD pen, LONG left,
                 LONG top, LONG width, LONG height)
{
    if (text == nullptr || width <= 0 || height <= 0)
        return;
    if (struct TextFont *font = FontOf(drawInfo))
        SetFont(rp, font);
    auto length = static_cast<ULONG>(std::strlen(text));
    // Only whole characters that fit are drawn.
    while (length > 0 && TextLength(rp, text, length) > width)
        length--;
    if (length == 0)
        return;
    LONG textWidth = TextLength(rp, text, length);
    LONG x = left + (width - textWidth) / 2;
    LONG y = top + (height - static_cast<LONG>(rp->TxHeight)) / 2 + rp->TxBaseline;
    SetAPen(rp, pen);
    SetDrMd(rp, JAM1);
    Move(rp, x, y);
    Text(rp, text, length);
}

}  // namespace hosted::boopsi
