// lister/bitmap_canvas.cpp: the lister's pictures as BGRA32 graphics bitmaps, blitted to the window.
#include "bitmap_canvas.h"

#include <cybergraphx/cybergraphics.h>
#include <proto/cybergraphics.h>
#include <proto/graphics.h>

#include <algorithm>

void BitMapCanvas::Attach(struct BitMap *screenBitMap)
{
    Release();
    friend_ = screenBitMap != nullptr && GetCyberMapAttr(screenBitMap, CYBRMATTR_PIXFMT) == PIXFMT_BGRA32
                  ? screenBitMap
                  : nullptr;
}

BOOL BitMapCanvas::Allocate(ULONG width, ULONG height)
{
    ULONG flags = BMF_MINPLANES;
    if (friend_ == nullptr)
        flags |= BMF_SPECIALFMT | SHIFT_PIXFMT(PIXFMT_BGRA32);
    struct BitMap *bitmap = AllocBitMap(width, height, 32, flags, friend_);
    if (bitmap == nullptr)
        return FALSE;
    ULONG stride = GetCyberMapAttr(bitmap, CYBRMATTR_XMOD);
    APTR base = nullptr;
    ULONG lockedStride = 0;
    APTR handle = LockBitMapTags(bitmap, LBMI_BASEADDRESS, &base, LBMI_BYTESPERROW, &lockedStride, TAG_DONE);
    // The memory stays where it is for the bitmap's life: the lock is only
    // the way to learn its address.
    if (handle != nullptr)
        UnLockBitMap(handle);
    // A bitmap that cannot be addressed as rows of 32-bit pixels is of no use.
    if (handle == nullptr || base == nullptr || stride != lockedStride || stride < width * PixelBytes ||
        stride % PixelBytes != 0) {
        FreeBitMap(bitmap);
        return FALSE;
    }
    bitmap_ = bitmap;
    picture_ = RenderTarget{static_cast<UBYTE *>(base), stride, width, height, PixelOrder::Bgra};
    return TRUE;
}

RenderTarget BitMapCanvas::Prepare(ULONG width, ULONG height, ULONG lineHeight)
{
    if (bitmap_ != nullptr && picture_.width == width && picture_.height == height && askedHeight_ == height)
        return picture_;
    Release();
    askedHeight_ = height;
    ULONG rows = height;
    while (width != 0 && rows != 0) {
        if (Allocate(width, rows))
            break;
        // Half as many rows, whole lines, at least one line.
        ULONG fewer = rows / 2;
        if (lineHeight != 0)
            fewer -= fewer % lineHeight;
        rows = fewer;
    }
    return picture_;
}

void BitMapCanvas::Release()
{
    if (bitmap_ != nullptr)
        FreeBitMap(bitmap_);
    bitmap_ = nullptr;
    picture_ = RenderTarget();
    askedHeight_ = 0;
}

void BitMapCanvas::PresentList(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view) const
{
    if (bitmap_ == nullptr || picture_.height == 0)
        return;
    // Never past the picture, whatever the window's size.
    ULONG top = std::min(view.scrollTop, picture_.height);
    ULONG left = std::min(view.scrollLeft, picture_.width);
    ULONG width = std::min(geometry.innerWidth, picture_.width - left);
    ULONG rows = std::min(geometry.visibleHeight, picture_.height - top);
    if (width == 0 || rows == 0)
        return;
    BltBitMapRastPort(bitmap_, LONG(left), LONG(top), rp, geometry.leftBorder,
                      geometry.topBorder + LONG(geometry.statusHeight), LONG(width), LONG(rows), 0xC0);
}

void BitMapCanvas::PresentLine(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view,
                               ULONG line, ULONG lineHeight) const
{
    if (bitmap_ == nullptr)
        return;
    ULONG firstRow;
    ULONG rows = VisibleLineRows(line, lineHeight, view, &firstRow);
    if (firstRow + rows > picture_.height)
        rows = firstRow < picture_.height ? picture_.height - firstRow : 0;
    ULONG left = std::min(view.scrollLeft, picture_.width);
    ULONG width = std::min(geometry.innerWidth, picture_.width - left);
    if (rows == 0 || width == 0)
        return;
    LONG destY = geometry.topBorder + LONG(geometry.statusHeight) + LONG(firstRow - view.scrollTop);
    BltBitMapRastPort(bitmap_, LONG(left), LONG(firstRow), rp, geometry.leftBorder, destY, LONG(width), LONG(rows),
                      0xC0);
}

CONST_STRPTR BitMapCanvas::ShortageAdvice() const
{
    return "the system has no memory for a larger picture";
}
