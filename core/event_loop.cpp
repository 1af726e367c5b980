// core/event_loop.cpp: EventLoop: waiting at SharedPort and dispatching each message of the lister window.
#include "lister_ops.h"

#include <proto/exec.h>
#include <proto/intuition.h>

#include <algorithm>

BOOL TakeWindowEvent(struct MsgPort *port, WindowEvent &event)
{
    auto *message = reinterpret_cast<struct IntuiMessage *>(GetMsg(port));
    if (message == nullptr)
        return FALSE;
    event.cls = message->Class;
    event.code = message->Code;
    event.qualifier = message->Qualifier;
    event.gadgetId = -1;
    if ((event.cls == IDCMP_GADGETDOWN || event.cls == IDCMP_GADGETUP) && message->IAddress != nullptr)
        event.gadgetId = static_cast<struct Gadget *>(message->IAddress)->GadgetID;
    event.mouseX = message->MouseX;
    event.mouseY = message->MouseY;
    event.seconds = message->Seconds;
    event.micros = message->Micros;
    ReplyMsg(&message->ExecMessage);
    return TRUE;
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
        if (!TakeWindowEvent(lister.sharedPort, event)) {
            WaitPort(lister.sharedPort);
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
            lister.quit = TRUE;
            break;
        default:
            // A scroller's release that arrived after its drag ended, or a
            // message of a class we did not ask for: nothing to do.
            break;
        }
    }
}
