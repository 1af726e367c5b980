// lister/present.cpp: copying the lister's buffers to its window.
#include "present.h"

#include <proto/cybergraphics.h>
#include <proto/graphics.h>

#include <algorithm>

BOOL AllocDirectBitMap(DirectBitMap &direct, ULONG width, ULONG height, struct BitMap *friendBitmap)
{
    direct = DirectBitMap{};
    struct BitMap *bitmap = AllocBitMap(width, height, 32, BMF_MINPLANES, friendBitmap);
    if (bitmap == nullptr)
        return FALSE;
    ULONG bytesPerRow = GetCyberMapAttr(bitmap, CYBRMATTR_XMOD);
    APTR base = nullptr;
    APTR handle = LockBitMapTags(bitmap, LBMI_BASEADDRESS, &base, TAG_DONE);
    if (handle != nullptr)
        UnLockBitMap(handle);
    if (handle == nullptr || base == nullptr || bytesPerRow < width * PixelBytes) {
        FreeBitMap(bitmap);
        return FALSE;
    }
    direct.bitmap = bitmap;
    direct.base = static_cast<UBYTE *>(base);
    direct.bytesPerRow = bytesPerRow;
    direct.width = width;
    direct.height = height;
    return TRUE;
}

void FreeDirectBitMap(DirectBitMap &direct)
{
    FreeBitMap(direct.bitmap);
    direct = DirectBitMap{};
}

void PresentListerList(struct RastPort *rp, const ListerGeometry &geometry, const RenderTarget &bitmap,
                       const ListerView &view, const DirectBitMap *direct)
{
    if (bitmap.base == nullptr || bitmap.height == 0)
        return;
    // Never read past the bitmap, whatever the window's size.
    ULONG top = std::min(view.scrollTop, bitmap.height);
    ULONG left = std::min(view.scrollLeft, bitmap.width);
    ULONG width = std::min(geometry.innerWidth, bitmap.width - left);
    ULONG rows = std::min(geometry.visibleHeight, bitmap.height - top);
    LONG destY = geometry.topBorder + LONG(geometry.statusHeight);

    if (direct == nullptr || direct->bitmap == nullptr) {
        WritePixelArray(bitmap.base + top * bitmap.stride, left, 0, bitmap.stride, rp, geometry.leftBorder, destY,
                        width, rows, RECTFMT_ARGB);
        return;
    }
    width = std::min(width, direct->width);
    rows = std::min(rows, direct->height);
    ULONG column = direct->width - width;
    for (ULONG y = 0; y < rows; y++)
        CopyPixelsReversed(direct->base + y * direct->bytesPerRow + column * PixelBytes,
                           bitmap.PixelAt(left, top + y), width);
    BltBitMapRastPort(direct->bitmap, LONG(column), 0, rp, geometry.leftBorder, destY, LONG(width), LONG(rows), 0xC0);
}

void PresentStatusStrip(struct RastPort *rp, const ListerGeometry &geometry, const RenderTarget &statusStrip)
{
    if (statusStrip.base != nullptr)
        WritePixelArray(statusStrip.base, 0, 0, statusStrip.stride, rp, geometry.leftBorder, geometry.topBorder,
                        std::min(geometry.innerWidth, statusStrip.stride / PixelBytes),
                        std::min(geometry.statusHeight, statusStrip.height), RECTFMT_ARGB);
}

void PresentLister(struct RastPort *rp, const ListerGeometry &geometry, const RenderTarget &statusStrip,
                   const RenderTarget &bitmap, const ListerView &view, const DirectBitMap *direct)
{
    PresentStatusStrip(rp, geometry, statusStrip);
    PresentListerList(rp, geometry, bitmap, view, direct);
}

ULONG VisibleLineRows(ULONG line, ULONG lineHeight, const ListerView &view, ULONG *firstRow)
{
    UQUAD stripTop = UQUAD(line) * lineHeight;
    UQUAD stripBottom = stripTop + lineHeight;
    UQUAD viewTop = view.scrollTop;
    UQUAD viewBottom = viewTop + view.visibleHeight;
    UQUAD from = std::max(stripTop, viewTop);
    UQUAD to = std::min(stripBottom, viewBottom);
    if (from >= to) {
        *firstRow = 0;
        return 0;
    }
    *firstRow = ULONG(from);
    return ULONG(to - from);
}

void PresentListerLine(struct RastPort *rp, const ListerGeometry &geometry, const RenderTarget &bitmap,
                       const ListerView &view, ULONG line, ULONG lineHeight)
{
    ULONG firstRow;
    ULONG rows = VisibleLineRows(line, lineHeight, view, &firstRow);
    if (firstRow + rows > bitmap.height)
        rows = firstRow < bitmap.height ? bitmap.height - firstRow : 0;
    if (rows == 0 || bitmap.base == nullptr)
        return;
    ULONG left = std::min(view.scrollLeft, bitmap.width);
    ULONG width = std::min(geometry.innerWidth, bitmap.width - left);
    LONG destY = geometry.topBorder + LONG(geometry.statusHeight) + LONG(firstRow - view.scrollTop);
    WritePixelArray(bitmap.base, left, firstRow, bitmap.stride, rp, geometry.leftBorder, destY, width, rows,
                    RECTFMT_ARGB);
}
