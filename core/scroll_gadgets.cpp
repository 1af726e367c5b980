// core/scroll_gadgets.cpp: making, updating and disposing of the lister window's scroll gadgets.
#include "scroll_gadgets.h"

#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>
#include <proto/intuition.h>

namespace {

struct Image *SystemImage(struct DrawInfo *drawInfo, ULONG which)
{
    struct TagItem tags[] = {{SYSIA_DrawInfo, reinterpret_cast<IPTR>(drawInfo)}, {SYSIA_Which, which}, {TAG_DONE, 0}};
    return static_cast<struct Image *>(NewObjectA(nullptr, "sysiclass", tags));
}

struct Gadget *Arrow(struct Gadget *previous, UWORD id, struct Image *image, Tag border, LONG relRight,
                     LONG relBottom)
{
    struct TagItem tags[] = {
        {GA_ID, id},
        {GA_Immediate, TRUE},
        {border, TRUE},
        {GA_Image, reinterpret_cast<IPTR>(image)},
        {GA_Width, IPTR(image->Width)},
        {GA_Height, IPTR(image->Height)},
        {GA_RelRight, IPTR(relRight)},
        {GA_RelBottom, IPTR(relBottom)},
        {Tag(previous != nullptr ? GA_Previous : TAG_IGNORE), reinterpret_cast<IPTR>(previous)},
        {TAG_DONE, 0},
    };
    return static_cast<struct Gadget *>(NewObjectA(nullptr, "buttongclass", tags));
}

}  // namespace

BOOL CreateArrowImages(ScrollGadgets &set, struct DrawInfo *drawInfo)
{
    struct Image *size = SystemImage(drawInfo, SIZEIMAGE);
    if (size == nullptr)
        return FALSE;
    set.sizeWidth = size->Width;
    set.sizeHeight = size->Height;
    DisposeObject(size);
    const ULONG which[ArrowCount] = {DOWNIMAGE, UPIMAGE, RIGHTIMAGE, LEFTIMAGE};
    for (ULONG i = 0; i < ArrowCount; i++) {
        set.arrows[i] = SystemImage(drawInfo, which[i]);
        if (set.arrows[i] == nullptr) {
            DisposeScrollGadgets(set);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CreateScrollGadgets(ScrollGadgets &set, const ScreenMetrics &metrics, const ListerWindowSpec &shape,
                         ULONG verticalTop, ULONG horizontalTop)
{
    const LONG sw = set.sizeWidth, sh = set.sizeHeight;
    const LONG downHeight = set.arrows[ArrowDown]->Height, upHeight = set.arrows[ArrowUp]->Height;
    const LONG rightWidth = set.arrows[ArrowRight]->Width, leftWidth = set.arrows[ArrowLeft]->Width;
    const LONG rb = metrics.borderRight, tb = metrics.borderTop, lb = metrics.borderLeft;

    struct Gadget **g = set.gadgets;
    g[GadgetDownArrow] = Arrow(nullptr, GadgetDownArrow, set.arrows[ArrowDown], GA_RightBorder, 1 - rb,
                               1 - sh - downHeight);
    if (g[0] != nullptr)
        g[GadgetUpArrow] = Arrow(g[0], GadgetUpArrow, set.arrows[ArrowUp], GA_RightBorder, 1 - rb,
                                 1 - sh - downHeight - upHeight);
    if (g[1] != nullptr) {
        struct TagItem tags[] = {
            {GA_ID, GadgetVerticalScroller},
            {GA_Immediate, TRUE},
            {GA_RelVerify, TRUE},
            {GA_RightBorder, TRUE},
            {PGA_Borderless, TRUE},
            {PGA_Freedom, FREEVERT},
            {PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE},
            {PGA_RenderBehaviour, PG_BEHAVIOUR_NICE},
            {GA_RelRight, IPTR(3 - rb)},
            {GA_Width, IPTR(sw - 4)},
            {GA_Top, IPTR(tb + 1)},
            {GA_RelHeight, IPTR(1 - sh - downHeight - upHeight - tb - 3)},
            {PGA_Total, shape.verticalTotal},
            {PGA_Visible, shape.verticalVisible},
            {PGA_Top, verticalTop},
            {GA_Previous, reinterpret_cast<IPTR>(g[1])},
            {TAG_DONE, 0},
        };
        g[GadgetVerticalScroller] = static_cast<struct Gadget *>(NewObjectA(nullptr, "propgclass", tags));
    }
    if (g[2] != nullptr)
        g[GadgetRightArrow] = Arrow(g[2], GadgetRightArrow, set.arrows[ArrowRight], GA_BottomBorder,
                                    1 - sw - rightWidth, 1 - sh);
    if (g[3] != nullptr)
        g[GadgetLeftArrow] = Arrow(g[3], GadgetLeftArrow, set.arrows[ArrowLeft], GA_BottomBorder,
                                   1 - sw - rightWidth - leftWidth, 1 - sh);
    if (g[4] != nullptr) {
        struct TagItem tags[] = {
            {GA_ID, GadgetHorizontalScroller},
            {GA_Immediate, TRUE},
            {GA_RelVerify, TRUE},
            {GA_BottomBorder, TRUE},
            {PGA_Borderless, TRUE},
            {PGA_Freedom, FREEHORIZ},
            {PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE},
            {PGA_RenderBehaviour, PG_BEHAVIOUR_NICE},
            {GA_Left, IPTR(lb + 1)},
            {GA_RelWidth, IPTR(1 - sw - rightWidth - leftWidth - lb - 3)},
            {GA_Height, IPTR(sh - 4)},
            {GA_RelBottom, IPTR(3 - sh)},
            {PGA_Total, shape.horizontalTotal},
            {PGA_Visible, shape.horizontalVisible},
            {PGA_Top, horizontalTop},
            {GA_Previous, reinterpret_cast<IPTR>(g[4])},
            {TAG_DONE, 0},
        };
        g[GadgetHorizontalScroller] = static_cast<struct Gadget *>(NewObjectA(nullptr, "propgclass", tags));
    }
    for (ULONG i = 0; i < ScrollGadgetCount; i++) {
        if (g[i] == nullptr) {
            for (ULONG j = ScrollGadgetCount; j-- > 0;) {
                DisposeObject(g[j]);
                g[j] = nullptr;
            }
            return FALSE;
        }
    }
    return TRUE;
}

void UpdateScrollGadgets(ScrollGadgets &set, const ListerWindowSpec &shape, ULONG verticalTop, ULONG horizontalTop)
{
    struct TagItem vertical[] = {{PGA_Total, shape.verticalTotal},
                                 {PGA_Visible, shape.verticalVisible},
                                 {PGA_Top, verticalTop},
                                 {TAG_DONE, 0}};
    struct TagItem horizontal[] = {{PGA_Total, shape.horizontalTotal},
                                   {PGA_Visible, shape.horizontalVisible},
                                   {PGA_Top, horizontalTop},
                                   {TAG_DONE, 0}};
    SetAttrsA(set.gadgets[GadgetVerticalScroller], vertical);
    SetAttrsA(set.gadgets[GadgetHorizontalScroller], horizontal);
    for (ULONG i = 0; i < ScrollGadgetCount; i++)
        set.gadgets[i]->NextGadget = i + 1 < ScrollGadgetCount ? set.gadgets[i + 1] : nullptr;
}

void DisposeScrollGadgets(ScrollGadgets &set)
{
    const UWORD gadgetOrder[ScrollGadgetCount] = {GadgetHorizontalScroller, GadgetLeftArrow, GadgetRightArrow,
                                                  GadgetVerticalScroller, GadgetUpArrow, GadgetDownArrow};
    for (UWORD id : gadgetOrder) {
        DisposeObject(set.gadgets[id]);
        set.gadgets[id] = nullptr;
    }
    const ULONG imageOrder[ArrowCount] = {ArrowLeft, ArrowRight, ArrowUp, ArrowDown};
    for (ULONG which : imageOrder) {
        DisposeObject(set.arrows[which]);
        set.arrows[which] = nullptr;
    }
}
