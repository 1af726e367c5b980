// tools/multiview/line_view.cpp: drawing the visible lines of a text or a dump and measuring how wide the page is.
#include "line_view.h"

#include <proto/graphics.h>

namespace hosted::multiview {

namespace {

// A text opens about this many columns wide and lines high, if the
// screen has room.
constexpr LONG kPreferredColumns = 84;
constexpr LONG kFewestColumns = 40;
constexpr LONG kPreferredLines = 32;

LONG LineWidth(struct RastPort *rp, const StyledLine &line)
{
    LONG width = 0;
    for (const StyledSpan &span : line.spans)
        width += SpanWidth(rp, span.text, span.style);
    return width;
}

}  // namespace

LineView::LineView(std::unique_ptr<LineSource> source, const Look &look, std::string title)
    : source_(std::move(source)), look_(look), title_(std::move(title))
{
}

LONG LineView::Widest()
{
    if (widest_ >= 0)
        return widest_;
    struct RastPort rp;
    InitRastPort(&rp);
    SetFont(&rp, look_.font);
    widest_ = 0;
    for (std::size_t index : source_->WidestCandidates()) {
        if (index >= source_->LineCount())
            continue;
        LONG width = LineWidth(&rp, source_->Line(index));
        if (width > widest_)
            widest_ = width;
    }
    return widest_;
}

void LineView::PreferredSize(LONG &width, LONG &height)
{
    LONG widest = Widest() + 2 * kMarginLeft;
    LONG roomy = kPreferredColumns * look_.xSize;
    LONG narrow = kFewestColumns * look_.xSize;
    width = widest < narrow ? narrow : (widest < roomy ? widest : roomy);
    LONG lines = static_cast<LONG>(source_->LineCount() < static_cast<std::size_t>(kPreferredLines)
                                       ? source_->LineCount()
                                       : kPreferredLines);
    height = kMarginTop * 2 + (lines > 0 ? lines : 1) * LineHeight();
}

void LineView::Layout(LONG width, LONG height, ScrollAxis &horizontal, ScrollAxis &vertical)
{
    vertical.unit = LineHeight();
    vertical.total = source_->LineCount();
    LONG rows = (height - kMarginTop) / LineHeight();
    vertical.visible = static_cast<UQUAD>(rows > 1 ? rows : 1);
    vertical.step = 1;
    horizontal.unit = 1;
    horizontal.total = static_cast<UQUAD>(Widest() + 2 * kMarginLeft);
    horizontal.visible = static_cast<UQUAD>(width);
    horizontal.step = static_cast<UQUAD>(4 * look_.xSize);
}

void LineView::Paint(struct RastPort *rp, LONG width, LONG height, const ScrollAxis &horizontal,
                     const ScrollAxis &vertical)
{
    SetAPen(rp, look_.pens.paper);
    SetDrMd(rp, JAM2);
    RectFill(rp, 0, 0, width - 1, height - 1);
    const LONG x = kMarginLeft - static_cast<LONG>(horizontal.top);
    for (UQUAD row = 0; row < vertical.visible; row++) {
        UQUAD index = vertical.top + row;
        if (index >= source_->LineCount())
            break;
        LONG y = kMarginTop + static_cast<LONG>(row) * LineHeight();
        PaintLine(rp, source_->Line(static_cast<std::size_t>(index)), look_.pens, x, y, LineHeight(),
                  1 + look_.baseline);
    }
}

std::vector<std::string> LineView::ShownText(const ScrollAxis &horizontal, const ScrollAxis &vertical)
{
    (void)horizontal;
    std::vector<std::string> lines;
    for (UQUAD row = 0; row < vertical.visible; row++) {
        UQUAD index = vertical.top + row;
        if (index >= source_->LineCount())
            break;
        lines.push_back(PlainText(source_->Line(static_cast<std::size_t>(index))));
    }
    return lines;
}

}  // namespace hosted::multiview
