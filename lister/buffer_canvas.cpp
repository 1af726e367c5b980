// lister/buffer_canvas.cpp: the "Bitmap" buffer as the lister's canvas.
#include "buffer_canvas.h"

void BufferCanvas::Attach(UBYTE *buffer, ULONG size)
{
    buffer_ = buffer;
    size_ = buffer != nullptr ? size : 0;
    picture_ = RenderTarget();
}

RenderTarget BufferCanvas::Prepare(ULONG width, ULONG height, ULONG lineHeight)
{
    (void)lineHeight;   // the layout was cut to the buffer before
    picture_ = RenderTarget();
    if (buffer_ == nullptr || width == 0)
        return picture_;
    ULONG stride = width * PixelBytes;
    ULONG rows = size_ / stride;
    picture_ = RenderTarget{buffer_, stride, width, height < rows ? height : rows, PixelOrder::Argb};
    return picture_;
}

void BufferCanvas::PresentList(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view) const
{
    PresentListerList(rp, geometry, picture_, view, direct_ != nullptr && direct_->bitmap != nullptr ? direct_ : nullptr);
}

void BufferCanvas::PresentLine(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view,
                               ULONG line, ULONG lineHeight) const
{
    PresentListerLine(rp, geometry, picture_, view, line, lineHeight);
}

CONST_STRPTR BufferCanvas::ShortageAdvice() const
{
    return "\"Bitmap\" in \"Settings\" > \"Buffer sizes\" raises the limit";
}
