// tools/multiview/picture_view.cpp: drawing the visible part of a picture over a chequerboard where it is transparent.
#include "picture_view.h"

#include <cybergraphx/cybergraphics.h>
#include <datatypes/pictureclass.h>
#include <proto/cybergraphics.h>
#include <proto/datatypes.h>
#include <proto/graphics.h>

#include <new>
#include <vector>

namespace hosted::multiview {

namespace {

constexpr LONG kChequer = 8;
constexpr ULONG kChequerLight = 0xFFFFFF;
constexpr ULONG kChequerDark = 0xE3E5E8;

ULONG ChequerAt(LONG x, LONG y)
{
    return ((x / kChequer + y / kChequer) % 2) == 0 ? kChequerLight : kChequerDark;
}

// Lays a pixel of the picture (r, g, b, a) over the background colour.
ULONG Over(UBYTE r, UBYTE g, UBYTE b, UBYTE a, ULONG background)
{
    if (a == 0xFF)
        return (ULONG(r) << 16) | (ULONG(g) << 8) | b;
    auto mix = [a](ULONG front, ULONG back) { return (front * a + back * (255 - a) + 127) / 255; };
    return (mix(r, (background >> 16) & 0xFF) << 16) | (mix(g, (background >> 8) & 0xFF) << 8) |
           mix(b, background & 0xFF);
}

}  // namespace

PictureView::PictureView(Object *picture, const Look &look, std::string title)
    : picture_(picture), look_(look), title_(std::move(title))
{
    struct BitMapHeader *header = nullptr;
    CONST_STRPTR kind = nullptr;
    GetDTAttrs(picture_, PDTA_BitMap, &bitMap_, PDTA_BitMapHeader, &header, DTA_BaseName, &kind, TAG_DONE);
    if (header != nullptr) {
        width_ = header->bmh_Width;
        height_ = header->bmh_Height;
    } else if (bitMap_ != nullptr) {
        width_ = static_cast<LONG>(GetBitMapAttr(bitMap_, BMA_WIDTH));
        height_ = static_cast<LONG>(GetBitMapAttr(bitMap_, BMA_HEIGHT));
    }
    description_ = std::string(kind != nullptr ? kind : "picture") + " picture, " + std::to_string(width_) + " x " +
                   std::to_string(height_) + " pixels";
}

PictureView::~PictureView()
{
    DisposeDTObject(picture_);
}

void PictureView::PreferredSize(LONG &width, LONG &height)
{
    width = width_;
    height = height_;
}

void PictureView::Layout(LONG width, LONG height, ScrollAxis &horizontal, ScrollAxis &vertical)
{
    horizontal.unit = 1;
    horizontal.total = static_cast<UQUAD>(width_);
    horizontal.visible = static_cast<UQUAD>(width);
    horizontal.step = static_cast<UQUAD>(4 * look_.xSize);
    vertical.unit = 1;
    vertical.total = static_cast<UQUAD>(height_);
    vertical.visible = static_cast<UQUAD>(height);
    vertical.step = static_cast<UQUAD>(2 * look_.fontHeight);
}

void PictureView::Paint(struct RastPort *rp, LONG width, LONG height, const ScrollAxis &horizontal,
                        const ScrollAxis &vertical)
{
    const LONG left = static_cast<LONG>(horizontal.top);
    const LONG top = static_cast<LONG>(vertical.top);
    const LONG shownWidth = width_ - left < width ? width_ - left : width;
    const LONG shownHeight = height_ - top < height ? height_ - top : height;
    std::vector<UBYTE> row;
    try {
        row.resize(static_cast<std::size_t>(width) * 4);
    } catch (const std::bad_alloc &) {
        return;
    }
    struct RastPort source;
    InitRastPort(&source);
    source.BitMap = bitMap_;
    for (LONG y = 0; y < height; y++) {
        LONG read = 0;
        if (bitMap_ != nullptr && y < shownHeight && shownWidth > 0)
            read = static_cast<LONG>(ReadPixelArray(row.data(), 0, 0, static_cast<ULONG>(width) * 4, &source, left,
                                                    top + y, static_cast<ULONG>(shownWidth), 1, RECTFMT_RGBA));
        // Each pixel becomes 0xFFRRGGBB, big-endian, as RECTFMT_ARGB reads it.
        for (LONG x = width - 1; x >= 0; x--) {
            UBYTE *p = row.data() + 4 * x;
            ULONG back = ChequerAt(left + x, top + y);
            ULONG colour = x < read ? Over(p[0], p[1], p[2], p[3], back) : back;
            p[0] = 0xFF;
            p[1] = static_cast<UBYTE>(colour >> 16);
            p[2] = static_cast<UBYTE>(colour >> 8);
            p[3] = static_cast<UBYTE>(colour);
        }
        WritePixelArray(row.data(), 0, 0, static_cast<ULONG>(width) * 4, rp, 0, y, static_cast<ULONG>(width), 1,
                        RECTFMT_ARGB);
    }
}

std::vector<std::string> PictureView::ShownText(const ScrollAxis &horizontal, const ScrollAxis &vertical)
{
    (void)horizontal;
    (void)vertical;
    return {description_};
}

}  // namespace hosted::multiview
