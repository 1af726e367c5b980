// tools/multiview/picture_view.h: the view of a picture read by the datatypes library, at 1:1, scrolled when larger than the window.
#ifndef MULTIVIEW_PICTURE_VIEW_H
#define MULTIVIEW_PICTURE_VIEW_H

#include "viewer_window.h"

#include <intuition/classusr.h>

namespace hosted::multiview {

// The picture's top left corner is the page's. Where the picture is
// transparent, or the page is larger than it, a light chequerboard shows.
class PictureView : public View {
public:
    // Takes the picture object (NewDTObject, GID_PICTURE); it is disposed
    // of with the view.
    PictureView(Object *picture, const Look &look, std::string title);
    ~PictureView() override;
    PictureView(const PictureView &) = delete;
    PictureView &operator=(const PictureView &) = delete;

    std::string Title() const override { return title_; }
    void PreferredSize(LONG &width, LONG &height) override;
    void Layout(LONG width, LONG height, ScrollAxis &horizontal, ScrollAxis &vertical) override;
    void Paint(struct RastPort *rp, LONG width, LONG height, const ScrollAxis &horizontal,
               const ScrollAxis &vertical) override;
    // A picture shows no text: its size and kind, in one line.
    std::vector<std::string> ShownText(const ScrollAxis &horizontal, const ScrollAxis &vertical) override;

    LONG PictureWidth() const { return width_; }
    LONG PictureHeight() const { return height_; }

private:
    Object *picture_;
    struct BitMap *bitMap_ = nullptr;
    const Look &look_;
    std::string title_;
    std::string description_;
    LONG width_ = 0;
    LONG height_ = 0;
};

}  // namespace hosted::multiview

#endif  // MULTIVIEW_PICTURE_VIEW_H
