// tools/multiview/scrollers.cpp: making the border scrollers and arrows, and keeping their knobs where the view is.
#include "scrollers.h"

#include <intuition/gadgetclass.h>
#include <intuition/icclass.h>
#include <intuition/imageclass.h>
#include <proto/intuition.h>

namespace hosted::multiview {

namespace {

constexpr UQUAD kPropLimit = 0x7FFFFFFF;

struct Image *SystemImage(struct DrawInfo *drawInfo, ULONG which)
{
    return static_cast<struct Image *>(
        NewObject(nullptr, SYSICLASS, SYSIA_DrawInfo, drawInfo, SYSIA_Which, which, TAG_DONE));
}

struct Gadget *Arrow(struct Gadget *previous, UWORD id, struct Image *image, Tag border, LONG relRight,
                     LONG relBottom)
{
    return static_cast<struct Gadget *>(NewObject(
        nullptr, BUTTONGCLASS, GA_ID, id, GA_Immediate, TRUE, GA_RelVerify, TRUE, border, TRUE, GA_Image, image,
        GA_Width, image->Width, GA_Height, image->Height, GA_RelRight, relRight, GA_RelBottom, relBottom,
        GA_Previous, previous, TAG_DONE));
}

}  // namespace

Scrollers::~Scrollers()
{
    Dispose();
}

void Scrollers::Dispose()
{
    for (struct Gadget *&g : gadgets_) {
        DisposeObject(g);
        g = nullptr;
    }
    for (struct Image *&image : images_) {
        DisposeObject(image);
        image = nullptr;
    }
}

bool Scrollers::Create(struct DrawInfo *drawInfo, LONG topBorder, LONG leftBorder, LONG sizeWidth, LONG sizeHeight)
{
    const ULONG which[4] = {UPIMAGE, DOWNIMAGE, LEFTIMAGE, RIGHTIMAGE};
    for (int i = 0; i < 4; i++) {
        images_[i] = SystemImage(drawInfo, which[i]);
        if (images_[i] == nullptr) {
            Dispose();
            return false;
        }
    }
    struct Image *up = images_[0], *down = images_[1], *left = images_[2], *right = images_[3];
    const LONG arrowsHigh = up->Height + down->Height;
    const LONG arrowsWide = left->Width + right->Width;

    gadgets_[IdVertical - 1] = static_cast<struct Gadget *>(NewObject(
        nullptr, PROPGCLASS, GA_ID, IdVertical, GA_RightBorder, TRUE, PGA_Borderless, TRUE, PGA_Freedom, FREEVERT,
        PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE, PGA_RenderBehaviour, PG_BEHAVIOUR_NICE, ICA_TARGET, ICTARGET_IDCMP,
        GA_RelRight, 3 - sizeWidth, GA_Width, sizeWidth - 4, GA_Top, topBorder + 1, GA_RelHeight,
        1 - sizeHeight - arrowsHigh - topBorder - 3, PGA_Total, 1, PGA_Visible, 1, TAG_DONE));
    if (gadgets_[IdVertical - 1] != nullptr)
        gadgets_[IdUp - 1] = Arrow(gadgets_[IdVertical - 1], IdUp, up, GA_RightBorder, 1 - sizeWidth,
                                   1 - sizeHeight - arrowsHigh);
    if (gadgets_[IdUp - 1] != nullptr)
        gadgets_[IdDown - 1] = Arrow(gadgets_[IdUp - 1], IdDown, down, GA_RightBorder, 1 - sizeWidth,
                                     1 - sizeHeight - down->Height);
    if (gadgets_[IdDown - 1] != nullptr)
        gadgets_[IdHorizontal - 1] = static_cast<struct Gadget *>(NewObject(
            nullptr, PROPGCLASS, GA_ID, IdHorizontal, GA_BottomBorder, TRUE, PGA_Borderless, TRUE, PGA_Freedom,
            FREEHORIZ, PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE, PGA_RenderBehaviour, PG_BEHAVIOUR_NICE, ICA_TARGET,
            ICTARGET_IDCMP, GA_Left, leftBorder + 1, GA_RelWidth, 1 - sizeWidth - arrowsWide - leftBorder - 3,
            GA_Height, sizeHeight - 4, GA_RelBottom, 3 - sizeHeight, PGA_Total, 1, PGA_Visible, 1, GA_Previous,
            gadgets_[IdDown - 1], TAG_DONE));
    if (gadgets_[IdHorizontal - 1] != nullptr)
        gadgets_[IdLeft - 1] = Arrow(gadgets_[IdHorizontal - 1], IdLeft, left, GA_BottomBorder,
                                     1 - sizeWidth - arrowsWide, 1 - sizeHeight);
    if (gadgets_[IdLeft - 1] != nullptr)
        gadgets_[IdRight - 1] = Arrow(gadgets_[IdLeft - 1], IdRight, right, GA_BottomBorder,
                                      1 - sizeWidth - right->Width, 1 - sizeHeight);
    for (struct Gadget *g : gadgets_) {
        if (g == nullptr) {
            Dispose();
            return false;
        }
    }
    return true;
}

void Scrollers::Set(struct Window *window, UWORD id, UQUAD total, UQUAD visible, UQUAD top)
{
    if (id < 1 || id > Count || gadgets_[id - 1] == nullptr)
        return;
    UQUAD *shown = shown_[id - 1];
    if (shown[0] == total && shown[1] == visible && shown[2] == top)
        return;
    shown[0] = total;
    shown[1] = visible;
    shown[2] = top;
    unsigned shift = 0;
    while ((total >> shift) > kPropLimit)
        shift++;
    shift_[id - 1] = shift;
    UQUAD shownVisible = visible >> shift;
    SetGadgetAttrs(gadgets_[id - 1], window, nullptr, PGA_Total, static_cast<ULONG>(total >> shift), PGA_Visible,
                   static_cast<ULONG>(shownVisible > 0 ? shownVisible : 1), PGA_Top, static_cast<ULONG>(top >> shift),
                   TAG_DONE);
}

void Scrollers::Note(UWORD id, UQUAD total, UQUAD visible, UQUAD top)
{
    if (id < 1 || id > Count)
        return;
    shown_[id - 1][0] = total;
    shown_[id - 1][1] = visible;
    shown_[id - 1][2] = top;
}

UQUAD Scrollers::PropTop(UWORD id, ULONG shownTop) const
{
    if (id < 1 || id > Count)
        return 0;
    return static_cast<UQUAD>(shownTop) << shift_[id - 1];
}

struct Gadget *Scrollers::Gadget(UWORD id) const
{
    return id >= 1 && id <= Count ? gadgets_[id - 1] : nullptr;
}

}  // namespace hosted::multiview
