// core/event_loop.h: the lister's loop: its message sources, clicks, gadgets and the return point of commands.
#ifndef CORE_EVENT_LOOP_H
#define CORE_EVENT_LOOP_H

#include "lister.h"

// A window message, copied out before it is answered.
struct WindowEvent {
    ULONG cls = 0;
    UWORD code = 0;
    UWORD qualifier = 0;
    LONG gadgetId = -1;      // GADGETDOWN/GADGETUP: the gadget's GA_ID
    WORD mouseX = 0;
    WORD mouseY = 0;
    ULONG seconds = 0;
    ULONG micros = 0;
};

// Takes one message from the port, copies it out and answers it. FALSE
// when the port is empty.
BOOL TakeWindowEvent(struct MsgPort *port, WindowEvent &event);

// The same for SharedPort: a message of the partner lister (it replies to
// the partner's port) is handed to HandlePartnerMessage and not returned.
BOOL TakeListerEvent(Lister &lister, WindowEvent &event);

// Waits for what a lister answers to and acts on each until it quits: the
// window's messages at SharedPort, the partner's messages there, and
// Ctrl-C sent to the program, which quits as "Quit" does.
void EventLoop(Lister &lister);

// Waits until SharedPort has a message or Ctrl-C arrives (the lister is
// then told to quit). The nested loops of clicks and drags wait here too.
void WaitListerPort(Lister &lister);

// Whether a message at SharedPort is the partner lister's rather than the
// window's: it replies to the partner's port.
inline BOOL IsPartnerMessage(const Lister &lister, const struct Message *message)
{
    return lister.partnerPort != nullptr && message->mn_ReplyPort == lister.partnerPort;
}

// A PartnerMessage of the other lister (dual build): acted on and replied
// to. A single lister has no partner and never gets one.
void HandlePartnerMessage(Lister &lister, struct Message *message);

// After a command: answers the messages that arrived meanwhile and acts on
// a waiting resize.
void ReturnToEventLoop(Lister &lister);

// A resize: reopen the window at its new size with ScrollTop 0.
void ResizeListerWindowNow(Lister &lister);

void HandleMouseButton(Lister &lister, const WindowEvent &event);
void HandleGadgetDown(Lister &lister, const WindowEvent &event);

#endif /* CORE_EVENT_LOOP_H */
