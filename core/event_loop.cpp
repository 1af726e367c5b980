// core/event_loop.cpp: EventLoop: waiting at SharedPort and dispatching each message of the lister window.
#include "lister_ops.h"
#include "partner.h"

#include <dos/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <algorithm>

namespace {

// Copies what the loop acts on out of a window message and answers it.
void CopyAndReply(struct Message *message, WindowEvent &event)
{
    auto *intuiMessage = reinterpret_cast<struct IntuiMessage *>(message);
    event.cls = intuiMessage->Class;
    event.code = intuiMessage->Code;
    event.qualifier = intuiMessage->Qualifier;
    event.gadgetId = -1;
    if ((event.cls == IDCMP_GADGETDOWN || event.cls == IDCMP_GADGETUP) && intuiMessage->IAddress != nullptr)
        event.gadgetId = static_cast<struct Gadget *>(intuiMessage->IAddress)->GadgetID;
    event.mouseX = intuiMessage->MouseX;
    event.mouseY = intuiMessage->MouseY;
    event.seconds = intuiMessage->Seconds;
    event.micros = intuiMessage->Micros;
    ReplyMsg(message);
}

}  // namespace

BOOL TakeWindowEvent(struct MsgPort *port, WindowEvent &event)
{
    struct Message *message = GetMsg(port);
    if (message == nullptr)
        return FALSE;
    CopyAndReply(message, event);
    return TRUE;
}

BOOL TakeListerEvent(Lister &lister, WindowEvent &event)
{
    for (;;) {
        struct Message *message = GetMsg(lister.sharedPort);
        if (message == nullptr)
            return FALSE;
        // Lister 1 learns lister 2's port only once lister 2 has made it.
        if (lister.partnerPort == nullptr && lister.variant->paired)
            lister.partnerPort = PortInSlot(PartnerSlotOf(lister.variant->role));
        if (IsPartnerMessage(lister, message)) {
            HandlePartnerMessage(lister, message);
            continue;
        }
        CopyAndReply(message, event);
        return TRUE;
    }
}

void WaitListerPort(Lister &lister)
{
    ULONG portSignal = 1UL << lister.sharedPort->mp_SigBit;
    if (lister.sharedPort->mp_MsgList.lh_Head->ln_Succ != nullptr)
        return;
    ULONG received = Wait(portSignal | SIGBREAKF_CTRL_C);
    if ((received & SIGBREAKF_CTRL_C) != 0)
        lister.quit = TRUE;
}

void ResizeListerWindowNow(Lister &lister)
{
    if (lister.window == nullptr)
        return;
    LONG width = lister.window->Width, height = lister.window->Height;
    ResizeListerWindow(lister.windowSpec, lister.metrics, width, height, lister.layout.height);
    CloseListerWindow(lister);
    lister.view.scrollTop = 0;
    lister.click.valid = FALSE;
    if (!OpenListerWindow(lister)) {
        lister.quit = TRUE;
        return;
    }
    PresentListerWindow(lister);
}

void ReturnToEventLoop(Lister &lister)
{
    if (lister.window != nullptr && DrainListerMessages(lister))
        ResizeListerWindowNow(lister);
}

void EventLoop(Lister &lister)
{
    while (!lister.quit) {
        WindowEvent event;
        if (!TakeListerEvent(lister, event)) {
            if (!ActOnPartnerRequests(lister) && !lister.quit)
                WaitListerPort(lister);
            continue;
        }
        switch (event.cls) {
        case IDCMP_MOUSEBUTTONS:
            HandleMouseButton(lister, event);
            break;
        case IDCMP_GADGETDOWN:
            lister.click.valid = FALSE;
            HandleGadgetDown(lister, event);
            break;
        case IDCMP_MENUPICK:
            lister.click.valid = FALSE;
            DispatchMenuPick(lister, event.code);
            if (!lister.quit)
                ReturnToEventLoop(lister);
            break;
        case IDCMP_NEWSIZE:
            ResizeListerWindowNow(lister);
            break;
        case IDCMP_CLOSEWINDOW:
            // A paired lister's close gadget, shown below a root, is "Parent".
            if (lister.variant->paired)
                GoToParent(lister);
            else
                lister.quit = TRUE;
            break;
        default:
            // A scroller's release that arrived after its drag ended, or a
            // message of a class we did not ask for: nothing to do.
            break;
        }
    }
}
