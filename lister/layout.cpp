// lister/layout.cpp: sizing the RenderBitmap for a drawer and drawing the whole lister into it.
#include "layout.h"

#include "render_lines.h"
#include "status_line.h"

#include <algorithm>

namespace {

// How much of the picture LayoutLister paints before drawing the lines on
// it: well inside a second-level cache.
constexpr ULONG LayoutSliceBytes = 256 * 1024;

}  // namespace

ListerLayout ComputeListerLayout(const ListerHeader &header, const ConfigRecord &config, ULONG nominalWidth,
                                 ULONG lineHeight, ULONG dateWidth, ULONG bitmapSize)
{
    ListerLayout layout;
    layout.statusAndComment = config.HideStatusAndComment() == 0;
    layout.columns.name = header.nameWidth;
    layout.columns.size = header.sizeWidth;
    layout.columns.date = dateWidth;
    if (layout.statusAndComment) {
        layout.columns.protection = ProtectionColumnWidth;
        layout.columns.comment = header.commentWidth;
    }
    layout.lineHeight = lineHeight;
    layout.lineCount = header.EntryCount();

    UQUAD width = UQUAD(layout.columns.Total()) * nominalWidth + 2;
    layout.width = ULONG(std::clamp<UQUAD>(width, ListerMinWidth, ListerMaxWidth));
    layout.stride = layout.width * PixelBytes;

    UQUAD height = std::max<UQUAD>(UQUAD(layout.lineCount) * lineHeight, ListerMinHeight);
    if (height * layout.stride <= bitmapSize) {
        layout.height = ULONG(height);
        layout.linesDrawn = layout.lineCount;
        return layout;
    }

    // Too big for the buffer: keep the whole lines that fit.
    layout.bitmapTooSmall = TRUE;
    ULONG rowsThatFit = bitmapSize / layout.stride;
    ULONG linesThatFit = lineHeight != 0 ? rowsThatFit / lineHeight : 0;
    layout.linesDrawn = std::min(layout.lineCount, linesThatFit);
    layout.height = std::min(rowsThatFit, std::max(layout.linesDrawn * lineHeight, ListerMinHeight));
    return layout;
}

void CutListerLayout(ListerLayout &layout, ULONG rows)
{
    if (rows >= layout.height)
        return;
    ULONG linesThatFit = layout.lineHeight != 0 ? rows / layout.lineHeight : 0;
    if (linesThatFit < layout.linesDrawn) {
        layout.linesDrawn = linesThatFit;
        layout.bitmapTooSmall = TRUE;
    }
    layout.height = rows;
}

ListerLayout LayoutLister(const ListerDrawing &drawing, const EntryBuffer &entries, const ConfigRecord &config)
{
    const GlyphSet &glyphs = *drawing.glyphs;
    ListerCanvas &canvas = *drawing.canvas;
    ListerLayout layout = ComputeListerLayout(*entries.Header(), config, glyphs.nominalWidth, glyphs.height,
                                              drawing.dateWidth, canvas.Capacity());
    ComposeStatusLine(drawing.statusStrip, glyphs, *entries.Header(), *drawing.windowGradient, config);
    if (layout.height == 0) {
        canvas.Release();
        return layout;
    }
    const RenderTarget bitmap = canvas.Prepare(layout.width, layout.height, layout.lineHeight);
    CutListerLayout(layout, bitmap.height);
    if (layout.height == 0)
        return layout;
    layout.stride = bitmap.stride;
    const ULONG drawerColour = ColourIn(bitmap.order, config.DrawerTextColor());
    const ULONG textColour = ColourIn(bitmap.order, config.ListerTextColor());
    // The gradient, then the lines on it, a slice at a time: each slice is
    // still in the cache when its text is drawn. A line is drawn once all
    // the rows its text covers are painted.
    const ULONG sliceRows = std::max<ULONG>(LayoutSliceBytes / layout.stride, 1);
    const ULONG textHeight = glyphs.height;
    ULONG painted = 0, drawn = 0;
    while (painted < layout.height) {
        ULONG rows = std::min(sliceRows, layout.height - painted);
        FillGradientRows(bitmap.base, *drawing.listerGradient, layout.height, layout.stride, painted, rows);
        painted += rows;
        ULONG ready = drawn;
        while (ready < layout.linesDrawn &&
               (painted == layout.height || 1 + ready * layout.lineHeight + textHeight <= painted))
            ready++;
        RenderListerLineRange(bitmap, layout, entries, glyphs, *drawing.dates, drawerColour, textColour, drawn,
                              ready);
        drawn = ready;
    }
    return layout;
}
