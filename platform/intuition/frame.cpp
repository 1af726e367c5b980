// intuition/frame.cpp: painting window frames: outline, title bar, borders and the close, depth and sizing gadgets.
#include "frame.h"

#include "look.h"

#include <hosted/boopsi.h>
#include <intuition/imageclass.h>
#include <proto/graphics.h>

#include <algorithm>
#include <cstring>

namespace hosted {

FrameMetrics MetricsOf(const struct DrawInfo *drawInfo)
{
    FrameMetrics m;
    WORD w = 0;
    WORD h = 0;
    SystemImageSize(drawInfo, SIZEIMAGE, &w, &h);
    m.sizeWidth = w;
    m.sizeHeight = h;
    SystemImageSize(drawInfo, CLOSEIMAGE, &w, &h);
    m.closeWidth = w;
    m.titleHeight = h;
    SystemImageSize(drawInfo, DEPTHIMAGE, &w, &h);
    m.depthWidth = w;
    m.plainBorder = 4;
    return m;
}

FrameLayout LayoutFrame(const FrameStyle &style, const FrameMetrics &metrics)
{
    FrameLayout f;
    if (style.borderless)
        return f;
    f.left = metrics.plainBorder;
    f.top = style.titleBar ? metrics.titleHeight : metrics.plainBorder;
    // Border gadgets get the room a sizing gadget would make, so that a
    // window without one still holds its scrollers and arrows.
    f.right = (style.size && style.sizeRight) || style.gadgetsRight ? metrics.sizeWidth : metrics.plainBorder;
    f.bottom = (style.size && style.sizeBottom) || style.gadgetsBottom ? metrics.sizeHeight : metrics.plainBorder;
    LONG w = style.width;
    LONG h = style.height;
    LONG titleLeft = 0;
    LONG titleRight = w;
    if (style.titleBar) {
        if (style.close) {
            f.close = BoxAt(0, 0, std::min(metrics.closeWidth, w), f.top);
            titleLeft = f.close.x1;
        }
        if (style.depth) {
            f.depth = BoxAt(std::max<LONG>(titleLeft, w - metrics.depthWidth), 0, 0, f.top);
            f.depth.x1 = w;
            titleRight = f.depth.x0;
        }
        if (style.drag && titleRight > titleLeft)
            f.drag = Box{titleLeft, 0, titleRight, f.top};
        f.titleText = Box{titleLeft + (style.close ? 4 : 6), 0, titleRight - 4, f.top};
    }
    if (style.size) {
        LONG sw = style.sizeRight ? f.right : metrics.sizeWidth;
        LONG sh = style.sizeBottom ? f.bottom : metrics.sizeHeight;
        f.size = Box{std::max<LONG>(0, w - sw), std::max<LONG>(f.top, h - sh), w, h};
    }
    return f;
}

FramePart PartAt(const FrameLayout &layout, LONG x, LONG y)
{
    if (layout.close.Contains(x, y))
        return PartClose;
    if (layout.depth.Contains(x, y))
        return PartDepth;
    if (layout.size.Contains(x, y))
        return PartSize;
    if (layout.drag.Contains(x, y))
        return PartDrag;
    return PartNone;
}

namespace {

void Fill(struct RastPort *rp, UWORD pen, LONG x0, LONG y0, LONG x1, LONG y1)
{
    if (x1 < x0 || y1 < y0)
        return;
    SetAPen(rp, pen);
    RectFill(rp, x0, y0, x1, y1);
}

void Outline(struct RastPort *rp, UWORD pen, const Box &b)
{
    Fill(rp, pen, b.x0, b.y0, b.x1 - 1, b.y0);
    Fill(rp, pen, b.x0, b.y1 - 1, b.x1 - 1, b.y1 - 1);
    Fill(rp, pen, b.x0, b.y0, b.x0, b.y1 - 1);
    Fill(rp, pen, b.x1 - 1, b.y0, b.x1 - 1, b.y1 - 1);
}

// A cross of two strokes, two pixels wide, in the middle of a box.
void PaintCloseGlyph(struct RastPort *rp, const Box &box, UWORD pen)
{
    LONG side = std::max<LONG>(5, std::min(box.Width(), box.Height()) / 2);
    LONG x = box.x0 + (box.Width() - side) / 2;
    LONG y = box.y0 + (box.Height() - side) / 2;
    SetAPen(rp, pen);
    for (LONG i = 0; i < side; i++) {
        LONG a = x + i;
        LONG b = x + side - 1 - i;
        RectFill(rp, a, y + i, std::min(a + 1, x + side - 1), y + i);
        RectFill(rp, std::max(b - 1, x), y + i, b, y + i);
    }
}

// Three diagonal ridges in the lower right corner of a box.
void PaintSizeGlyph(struct RastPort *rp, const Box &box, UWORD dark, UWORD light)
{
    LONG span = std::min(box.Width(), box.Height()) - 4;
    if (span < 3)
        return;
    LONG right = box.x1 - 3;
    LONG bottom = box.y1 - 3;
    for (LONG ridge = 0; ridge < 3; ridge++) {
        LONG length = span - ridge * (span / 3);
        for (LONG i = 0; i < length; i++) {
            SetAPen(rp, dark);
            WritePixel(rp, right - i, bottom - length + 1 + i);
            SetAPen(rp, light);
            WritePixel(rp, right - i, bottom - length + 2 + i);
        }
    }
}

}  // namespace

void PaintDepthGlyph(struct RastPort *rp, const Box &box, UWORD pen, UWORD facePen)
{
    LONG w = std::max<LONG>(6, box.Width() * 5 / 11);
    LONG h = std::max<LONG>(5, box.Height() * 5 / 11);
    LONG x = box.x0 + (box.Width() - (w + w / 2)) / 2;
    LONG y = box.y0 + (box.Height() - (h + h / 2)) / 2;
    Outline(rp, pen, BoxAt(x, y, w, h));
    Box front = BoxAt(x + w / 2, y + h / 2, w, h);
    Fill(rp, facePen, front.x0, front.y0, front.x1 - 1, front.y1 - 1);
    Outline(rp, pen, front);
}

void PaintFrame(struct RastPort *rp, const FrameStyle &style, const FrameLayout &f, struct TextFont *font)
{
    if (style.borderless || style.width <= 0 || style.height <= 0)
        return;
    const LONG w = style.width;
    const LONG h = style.height;
    const UWORD bar = style.active ? PenAccent : PenFrame;
    const UWORD ink = style.active ? PenShine : PenText;
    const UWORD outline = style.active ? PenAccentDark : PenShadow;
    SetDrMd(rp, JAM2);
    // Borders and title bar, then the outline around everything.
    Fill(rp, bar, 0, 0, w - 1, f.top - 1);
    Fill(rp, PenFrame, 0, f.top, f.left - 1, h - 1);
    Fill(rp, PenFrame, w - f.right, f.top, w - 1, h - 1);
    Fill(rp, PenFrame, f.left, h - f.bottom, w - f.right - 1, h - 1);
    Outline(rp, outline, BoxAt(0, 0, w, h));
    // A thin line between the frame and the inside.
    if (f.left > 1 && f.right > 1 && f.bottom > 1 && f.top > 1)
        Outline(rp, PenShadow, Box{f.left - 1, f.top - 1, w - f.right + 1, h - f.bottom + 1});

    const UWORD pressed = style.active ? PenAccentDark : PenShadow;
    if (!f.close.Empty()) {
        Box inner{f.close.x0 + 1, f.close.y0 + 1, f.close.x1, f.close.y1};
        if (style.pressed == PartClose)
            Fill(rp, pressed, inner.x0, inner.y0, inner.x1 - 1, inner.y1 - 1);
        PaintCloseGlyph(rp, inner, ink);
    }
    if (!f.depth.Empty()) {
        Box inner{f.depth.x0, f.depth.y0 + 1, f.depth.x1 - 1, f.depth.y1};
        if (style.pressed == PartDepth)
            Fill(rp, pressed, inner.x0, inner.y0, inner.x1 - 1, inner.y1 - 1);
        PaintDepthGlyph(rp, inner, ink, style.pressed == PartDepth ? pressed : bar);
    }
    if (!f.size.Empty()) {
        Box inner{f.size.x0, f.size.y0, f.size.x1 - 1, f.size.y1 - 1};
        if (style.pressed == PartSize)
            Fill(rp, PenShadow, inner.x0, inner.y0, inner.x1 - 1, inner.y1 - 1);
        PaintSizeGlyph(rp, inner, PenText, PenShine);
    }
    if (style.titleBar && style.title != nullptr && font != nullptr && !f.titleText.Empty()) {
        SetFont(rp, font);
        struct TextExtent extent;
        ULONG length = static_cast<ULONG>(std::strlen(style.title));
        ULONG fits = TextFit(rp, style.title, length, &extent, nullptr, 1,
                             static_cast<ULONG>(f.titleText.Width()), static_cast<ULONG>(font->tf_YSize + 1));
        if (fits > 0) {
            SetAPen(rp, ink);
            SetDrMd(rp, JAM1);
            LONG y = (f.top - font->tf_YSize + 1) / 2 + font->tf_Baseline;
            Move(rp, f.titleText.x0, y);
            Text(rp, style.title, fits);
        }
    }
}

}  // namespace hosted
