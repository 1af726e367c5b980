// lister/buffer_canvas.h: BufferCanvas: the lister drawn in the "Bitmap" buffer and copied with WritePixelArray.
#ifndef LISTER_BUFFER_CANVAS_H
#define LISTER_BUFFER_CANVAS_H

#include "canvas.h"

// Pictures are laid out from the start of one block of memory the lister
// owns (the "Bitmap" buffer of its BufferSet), rows exactly 4 × width bytes
// apart, pixels 0, red, green, blue. They reach the window through
// WritePixelArray, or through the DirectBitMap while "no cgx_wpa:" is on.
class BufferCanvas final : public ListerCanvas {
public:
    // The buffer, `size` bytes at `buffer` (nullptr: there is none, as
    // between releasing a BufferSet and allocating the next). The picture
    // laid out in the previous buffer is forgotten.
    void Attach(UBYTE *buffer, ULONG size);

    // The direct path's bitmap; nullptr, or one without a bitmap, for
    // WritePixelArray. It is read at each presentation, so it may be
    // allocated and freed while attached.
    void UseDirect(const DirectBitMap *direct) { direct_ = direct; }

    PixelOrder Order() const override { return PixelOrder::Argb; }
    ULONG Capacity() const override { return size_; }
    // Never allocates: the rows the buffer holds, at most `height`.
    RenderTarget Prepare(ULONG width, ULONG height, ULONG lineHeight) override;
    RenderTarget Picture() const override { return picture_; }
    void Release() override { picture_ = RenderTarget(); }
    void PresentList(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view) const override;
    void PresentLine(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view, ULONG line,
                     ULONG lineHeight) const override;
    CONST_STRPTR ShortageAdvice() const override;

private:
    UBYTE *buffer_ = nullptr;
    ULONG size_ = 0;
    RenderTarget picture_;
    const DirectBitMap *direct_ = nullptr;
};

#endif /* LISTER_BUFFER_CANVAS_H */
