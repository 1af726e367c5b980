// core/scrolling.cpp: the arrow buttons and the scrollers of the lister window.
#include "lister_ops.h"

#include <proto/exec.h>
#include <proto/graphics.h>

namespace {

// Follows a held scroller knob: its pot is read once a frame until a
// message arrives (normally the release), and each change moves the view;
// a last look when it arrives catches a move made since the one before.
void FollowKnob(Lister &lister, UWORD id)
{
    struct Gadget *gadget = lister.gadgets.gadgets[id];
    auto *info = static_cast<struct PropInfo *>(gadget->SpecialInfo);
    if (info == nullptr)
        return;
    const volatile UWORD *pot = id == GadgetVerticalScroller ? &info->VertPot : &info->HorizPot;
    LONG last = -1;
    for (;;) {
        struct Message *message = GetMsg(lister.sharedPort);
        if (message != nullptr && IsPartnerMessage(lister, message)) {
            HandlePartnerMessage(lister, message);
            continue;
        }
        UWORD now = *pot;
        if (LONG(now) != last) {
            last = now;
            if (id == GadgetVerticalScroller)
                ScrollTopFromPot(lister.view, now);
            else
                ScrollLeftFromPot(lister.view, now);
            PresentListerRows(lister);
        }
        if (message != nullptr) {
            ReplyMsg(message);
            return;
        }
        WaitTOF();
    }
}

}  // namespace

void HandleGadgetDown(Lister &lister, const WindowEvent &event)
{
    if (lister.window == nullptr)
        return;
    switch (event.gadgetId) {
    case GadgetDownArrow:
        ScrollArrowDown(lister.view);
        UpdateVerticalScroller(lister);
        break;
    case GadgetUpArrow:
        ScrollArrowUp(lister.view);
        UpdateVerticalScroller(lister);
        break;
    case GadgetRightArrow:
        ScrollArrowRight(lister.view);
        UpdateHorizontalScroller(lister);
        break;
    case GadgetLeftArrow:
        ScrollArrowLeft(lister.view);
        UpdateHorizontalScroller(lister);
        break;
    case GadgetVerticalScroller:
    case GadgetHorizontalScroller:
        FollowKnob(lister, UWORD(event.gadgetId));
        return;
    default:
        return;
    }
    PresentListerWindow(lister);
}
