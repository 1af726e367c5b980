// tools/multiview/line_view.h: the view of a text, a dump or a message: lines on a page, scrolled by lines and pixels.
#ifndef MULTIVIEW_LINE_VIEW_H
#define MULTIVIEW_LINE_VIEW_H

#include "viewer_window.h"

#include <memory>

namespace hosted::multiview {

// Long lines are not wrapped: the page scrolls sideways to them, so that
// tables, code and dumps keep their columns.
class LineView : public View {
public:
    LineView(std::unique_ptr<LineSource> source, const Look &look, std::string title);

    std::string Title() const override { return title_; }
    void PreferredSize(LONG &width, LONG &height) override;
    void Layout(LONG width, LONG height, ScrollAxis &horizontal, ScrollAxis &vertical) override;
    void Paint(struct RastPort *rp, LONG width, LONG height, const ScrollAxis &horizontal,
               const ScrollAxis &vertical) override;
    std::vector<std::string> ShownText(const ScrollAxis &horizontal, const ScrollAxis &vertical) override;

    // Rows and margins of the page.
    LONG LineHeight() const { return look_.fontHeight + 2; }
    static constexpr LONG kMarginLeft = 8;
    static constexpr LONG kMarginTop = 6;

private:
    LONG Widest();

    std::unique_ptr<LineSource> source_;
    const Look &look_;
    std::string title_;
    LONG widest_ = -1;   // pixels of the widest line, once measured
};

}  // namespace hosted::multiview

#endif  // MULTIVIEW_LINE_VIEW_H
