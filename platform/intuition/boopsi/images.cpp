// boopsi/images.cpp: DrawImage, DrawImageState, EraseImage and PointInImage, for image objects and classic images.
#include "classdata.h"

#include <proto/graphics.h>
#include <proto/intuition_boopsi.h>

namespace {

// A classic image: Depth planes of rows of 16-bit words, leftmost pixel in
// the top bit. Planes not picked take their bit from PlaneOnOff.
void DrawPlanarImage(struct RastPort *rp, const struct Image *im, LONG left, LONG top)
{
    if (im->Width <= 0 || im->Height <= 0 || im->Depth <= 0)
        return;
    LONG wordsPerRow = (im->Width + 15) / 16;
    LONG planeWords = wordsPerRow * im->Height;
    SetDrMd(rp, JAM2);
    for (LONG y = 0; y < im->Height; y++) {
        for (LONG x = 0; x < im->Width; x++) {
            ULONG pen = 0;
            LONG picked = 0;
            for (LONG plane = 0; plane < im->Depth && plane < 8; plane++) {
                ULONG bit;
                if ((im->PlanePick & (1u << plane)) != 0) {
                    if (im->ImageData == nullptr) {
                        bit = 0;
                    } else {
                        UWORD word = im->ImageData[picked * planeWords + y * wordsPerRow + x / 16];
                        bit = (word >> (15 - x % 16)) & 1u;
                    }
                    picked++;
                } else {
                    bit = (im->PlaneOnOff >> plane) & 1u;
                }
                pen |= bit << plane;
            }
            SetAPen(rp, pen);
            WritePixel(rp, left + x, top + y);
        }
    }
}

}  // namespace

/* Draws an image chain in the given state. Image objects (Depth
   CUSTOMIMAGEDEPTH) get IM_DRAW; classic images are drawn plane by plane
   and look the same in every state. */
void DrawImageState(struct RastPort *rp, struct Image *image, LONG leftOffset, LONG topOffset, ULONG state,
                    const struct DrawInfo *drawInfo)
{
    if (rp == nullptr)
        return;
    for (struct Image *im = image; im != nullptr; im = im->NextImage) {
        if (im->Depth == CUSTOMIMAGEDEPTH) {
            struct impDraw msg{};
            msg.MethodID = IM_DRAW;
            msg.imp_RPort = rp;
            msg.imp_Offset.X = static_cast<WORD>(leftOffset);
            msg.imp_Offset.Y = static_cast<WORD>(topOffset);
            msg.imp_State = state;
            msg.imp_DrInfo = const_cast<struct DrawInfo *>(drawInfo);
            DoMethodA(reinterpret_cast<Object *>(im), reinterpret_cast<Msg>(&msg));
            // An object draws the rest of a chain itself if it wants to.
            return;
        }
        DrawPlanarImage(rp, im, im->LeftEdge + leftOffset, im->TopEdge + topOffset);
    }
}

/* Draws an image chain in its normal state, without a DrawInfo. */
void DrawImage(struct RastPort *rp, struct Image *image, LONG leftOffset, LONG topOffset)
{
    DrawImageState(rp, image, leftOffset, topOffset, IDS_NORMAL, nullptr);
}

/* Erases an image's rectangle: IM_ERASE for an object, the background
   (EraseRect) for a classic image. */
void EraseImage(struct RastPort *rp, struct Image *image, LONG leftOffset, LONG topOffset)
{
    if (rp == nullptr || image == nullptr)
        return;
    if (image->Depth == CUSTOMIMAGEDEPTH) {
        struct impErase msg{};
        msg.MethodID = IM_ERASE;
        msg.imp_RPort = rp;
        msg.imp_Offset.X = static_cast<WORD>(leftOffset);
        msg.imp_Offset.Y = static_cast<WORD>(topOffset);
        DoMethodA(reinterpret_cast<Object *>(image), reinterpret_cast<Msg>(&msg));
        return;
    }
    if (image->Width <= 0 || image->Height <= 0)
        return;
    LONG left = image->LeftEdge + leftOffset;
    LONG top = image->TopEdge + topOffset;
    EraseRect(rp, left, top, left + image->Width - 1, top + image->Height - 1);
}

/* TRUE when the point (x in the upper, y in the lower 16 bits, relative to
   the image's place) lies inside the image. FALSE for a NULL image. */
BOOL PointInImage(ULONG point, struct Image *image)
{
    if (image == nullptr)
        return FALSE;
    auto x = static_cast<WORD>(point >> 16);
    auto y = static_cast<WORD>(point & 0xFFFF);
    if (image->Depth == CUSTOMIMAGEDEPTH) {
        struct impHitTest msg{};
        msg.MethodID = IM_HITTEST;
        msg.imp_Point.X = x;
        msg.imp_Point.Y = y;
        return DoMethodA(reinterpret_cast<Object *>(image), reinterpret_cast<Msg>(&msg)) != 0;
    }
    return x >= 0 && y >= 0 && x < image->Width && y < image->Height;
}
