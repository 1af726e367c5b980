// boopsi/sysimages.cpp: the sizes and the pictures of the system images: arrows, sizing grip, window gadgets, marks.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/graphics.h>

#include <algorithm>

namespace hosted::boopsi {
namespace {

LONG FontHeight(const struct DrawInfo *drawInfo)
{
    const struct TextFont *font = FontOf(drawInfo);
    return font != nullptr && font->tf_YSize > 0 ? font->tf_YSize : 8;
}

void HLine(struct RastPort *rp, LONG x0, LONG x1, LONG y) { RectFill(rp, x0, y, x1, y); }

}  // namespace

// A solid triangle pointing in a direction, its tip `depth` pixels from
// its base, centred on the rectangle; each row is one pixel narrower on
// each side, so the edges are crisp at any size.
void DrawArrow(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height, Direction direction)
{
    bool vertical = direction == Direction::Up || direction == Direction::Down;
    LONG across = vertical ? width : height;   // room for the base
    LONG along = vertical ? height : width;    // room for the depth
    // The same triangle for all four directions: about half the smaller
    // side deep, never touching the edges.
    LONG depth = std::max<LONG>(2, (std::min(across, along) - 2) / 2);
    depth = std::min({depth, (across - 1) / 2, along - 2});
    if (depth < 1)
        return;
    LONG cx = left + (width - 1) / 2;
    LONG cy = top + (height - 1) / 2;
    SetAPen(rp, pen);
    SetDrMd(rp, JAM2);
    for (LONG r = 0; r < depth; r++) {
        // r counts from the tip.
        LONG offset = r - depth / 2;
        switch (direction) {
        case Direction::Up:
            HLine(rp, cx - r, cx + r, cy + offset);
            break;
        case Direction::Down:
            HLine(rp, cx - r, cx + r, cy - offset);
            break;
        case Direction::Left:
            RectFill(rp, cx + offset, cy - r, cx + offset, cy + r);
            break;
        case Direction::Right:
            RectFill(rp, cx - offset, cy - r, cx - offset, cy + r);
            break;
        }
    }
}

// The sizing grip: three diagonal ridges in the lower right corner.
void DrawSizeGrip(struct RastPort *rp, const struct DrawInfo *dri, UWORD pen, LONG left, LONG top, LONG width,
                  LONG height)
{
    LONG span = std::min(width, height) - 4;
    if (span < 3)
        return;
    LONG right = left + width - 3;
    LONG bottom = top + height - 3;
    for (LONG ridge = 0; ridge < 3; ridge++) {
        LONG length = span - ridge * (span / 3);
        for (LONG i = 0; i < length; i++) {
            SetAPen(rp, pen);
            WritePixel(rp, right - i, bottom - length + 1 + i);
            SetAPen(rp, PenOf(dri, SHINEPEN));
            WritePixel(rp, right - i, bottom - length + 2 + i);
        }
    }
}

// The close gadget: a small square with a dark rim and a light centre.
void DrawCloseMark(struct RastPort *rp, const struct DrawInfo *dri, UWORD pen, LONG left, LONG top, LONG width,
                   LONG height)
{
    LONG side = std::max<LONG>(3, std::min(width, height) / 3);
    LONG x = left + (width - side) / 2;
    LONG y = top + (height - side) / 2;
    FillBox(rp, pen, x, y, side, side);
    FillBox(rp, PenOf(dri, SHINEPEN), x + 1, y + 1, side - 2, side - 2);
}

// The depth gadget: an outlined window behind a filled one.
void DrawDepthMark(struct RastPort *rp, const struct DrawInfo *dri, UWORD pen, LONG left, LONG top, LONG width,
                   LONG height)
{
    LONG w = std::max<LONG>(4, width * 5 / 11);
    LONG h = std::max<LONG>(3, height * 5 / 11);
    LONG x = left + (width - w * 3 / 2) / 2;
    LONG y = top + (height - h * 3 / 2) / 2;
    SetAPen(rp, pen);
    LONG bx = x, by = y;
    HLine(rp, bx, bx + w - 1, by);
    HLine(rp, bx, bx + w - 1, by + h - 1);
    RectFill(rp, bx, by, bx, by + h - 1);
    RectFill(rp, bx + w - 1, by, bx + w - 1, by + h - 1);
    LONG fx = x + w / 2, fy = y + h / 2;
    FillBox(rp, pen, fx, fy, w, h);
    FillBox(rp, PenOf(dri, SHINEPEN), fx + 1, fy + 1, w - 2, h - 2);
}

// The zoom gadget: a frame with a smaller filled frame inside.
void DrawZoomMark(struct RastPort *rp, const struct DrawInfo *dri, UWORD pen, LONG left, LONG top, LONG width,
                  LONG height)
{
    LONG w = std::max<LONG>(5, width * 6 / 11);
    LONG h = std::max<LONG>(4, height * 6 / 11);
    LONG x = left + (width - w) / 2;
    LONG y = top + (height - h) / 2;
    FillBox(rp, pen, x, y, w, h);
    FillBox(rp, PenOf(dri, SHINEPEN), x + 1, y + 1, w - 2, h - 2);
    FillBox(rp, pen, x + 1, y + 1, w / 2, h / 2);
}

// A check mark: a short and a long stroke, two pixels thick.
void DrawCheckMark(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height)
{
    LONG size = std::max<LONG>(4, std::min(width, height) - 2);
    LONG x = left + (width - size) / 2;
    LONG y = top + (height - size) / 2;
    LONG low = size / 3;
    SetAPen(rp, pen);
    for (LONG t = 0; t < 2; t++) {
        Move(rp, x + t, y + size - 1 - low);
        Draw(rp, x + low + t, y + size - 1);
        Draw(rp, x + size - 1 + t - 1, y);
    }
}

// The round mark of a radio button: a disc of rows, filled.
void DrawDisc(struct RastPort *rp, UWORD pen, LONG left, LONG top, LONG width, LONG height)
{
    LONG d = std::max<LONG>(3, std::min(width, height));
    LONG x = left + (width - d) / 2;
    LONG y = top + (height - d) / 2;
    LONG r2 = d * d;   // (2r)^2, in doubled coordinates
    SetAPen(rp, pen);
    for (LONG row = 0; row < d; row++) {
        LONG dy = 2 * row + 1 - d;
        LONG first = -1, last = -1;
        for (LONG col = 0; col < d; col++) {
            LONG dx = 2 * col + 1 - d;
            if (dx * dx + dy * dy <= r2) {
                if (first < 0)
                    first = col;
                last = col;
            }
        }
        if (first >= 0)
            HLine(rp, x + first, x + last, y + row);
    }
}

}  // namespace hosted::boopsi

namespace hosted {

void SystemImageSize(const struct DrawInfo *drawInfo, ULONG which, WORD *width, WORD *height)
{
    LONG fh = boopsi::FontHeight(drawInfo);
    LONG bar = fh + 3;                          // the title bar's height
    LONG sizeH = std::max<LONG>(10, fh);        // the bottom border of a sizing window
    LONG sizeW = std::max<LONG>(18, sizeH + 6); // its right border
    LONG w = sizeW, h = sizeH;
    switch (which) {
    case SIZEIMAGE:
        break;
    case LEFTIMAGE:
    case RIGHTIMAGE:
        w = sizeW - 2;
        h = sizeH;
        break;
    case UPIMAGE:
    case DOWNIMAGE:
        w = sizeW;
        h = sizeH + 1;
        break;
    case CLOSEIMAGE:
        w = bar + 4;
        h = bar;
        break;
    case DEPTHIMAGE:
    case ZOOMIMAGE:
    case SDEPTHIMAGE:
        w = bar + 8;
        h = bar;
        break;
    case CHECKIMAGE:
        w = 2 * bar + 4;
        h = bar;
        break;
    case MXIMAGE:
        w = 2 * fh + 1;
        h = fh + 1;
        break;
    case MENUCHECK:
        w = fh + fh / 2 + 3;
        h = fh;
        break;
    case AMIGAKEY:
        w = 2 * fh + 7;
        h = fh;
        break;
    default:
        break;
    }
    *width = static_cast<WORD>(w);
    *height = static_cast<WORD>(h);
}

}  // namespace hosted
