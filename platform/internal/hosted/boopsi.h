// hosted/boopsi.h: what intuition's window side and the BOOPSI classes tell each other; platform only.
#ifndef HOSTED_BOOPSI_H
#define HOSTED_BOOPSI_H

#include <intuition/classes.h>
#include <intuition/cghooks.h>

struct InputEvent;
struct DrawInfo;

namespace hosted {

// ---------------------------------------------------------------------------
// The protocol the classes keep with intuition's input task
//
// * Intuition hit-tests the gadget box itself (GFLG_REL* resolved against
//   gi_Domain), skips GFLG_DISABLED gadgets, and then asks GM_HITTEST with
//   the point relative to the box.
// * A hit gets GM_GOACTIVE with the button-down event; every further input
//   event (mouse moves, buttons, keys, timer ticks) goes to GM_HANDLEINPUT
//   while the result is GMR_MEACTIVE. gpi_Mouse is relative to the gadget
//   box in both.
// * A result with GMR_VERIFY sends IDCMP_GADGETUP with Code =
//   *gpi_Termination -- when the gadget has GACT_RELVERIFY. The classes
//   return GMR_VERIFY whenever the gesture completed; the filter is
//   intuition's, as on the real system. GACT_IMMEDIATE gadgets get their
//   IDCMP_GADGETDOWN from intuition when GM_GOACTIVE is answered.
// * Any result other than GMR_MEACTIVE ends the gadget: intuition calls
//   GM_GOINACTIVE (gpgi_Abort 0), and for GMR_NEXTACTIVE/GMR_PREVACTIVE
//   activates the next/previous gadget that takes keys. Taking a gadget away
//   (window closing, another gadget activated) is GM_GOINACTIVE with
//   gpgi_Abort 1.
// * GM_LAYOUT is sent when a window opens (gpl_Initial TRUE) and after every
//   size change, for gadgets with a GFLG_REL* flag or GFLG_RELSPECIAL.
// * GM_RENDER is sent with a rastport from ObtainGIRPort; GREDRAW_REDRAW by
//   RefreshGList and window refreshes.
// ---------------------------------------------------------------------------

// What intuition's window side does for the classes. Intuition installs its
// services when it is loaded. Until then (the classes' own tests) a
// GadgetInfo's gi_RastPort is drawn into directly, SetGadgetAttrsA sets
// without drawing, and IDCMP updates go nowhere.
struct WindowServices {
    // Runs work(info, data) with intuition's gadget lock held (the lock its
    // input task holds while it drives a gadget) and the GadgetInfo of the
    // window or requester. info is NULL when window is NULL or the gadget
    // list is not in a window that is open.
    void (*withGadgetInfo)(struct Window *window, struct Requester *requester,
                           void (*work)(struct GadgetInfo *info, void *data), void *data);
    // The window's rastport, locked against its other drawing; NULL when
    // nothing can be drawn now. Backs ObtainGIRPort/ReleaseGIRPort.
    struct RastPort *(*obtainRPort)(struct GadgetInfo *info);
    void (*releaseRPort)(struct RastPort *rp);
    // Sends IDCMP_IDCMPUPDATE to info's window: IAddress a copy of tags
    // (intuition frees it when the message comes back), Code the given code.
    void (*sendUpdate)(struct GadgetInfo *info, struct Gadget *gadget, const struct TagItem *tags,
                       UWORD code);
};
void SetWindowServices(const WindowServices &services);
WindowServices CurrentWindowServices();

// Turns a key event into the Latin-1 character it types, or 0 when it types
// none (a key-up, a cursor key, a qualifier alone). The input side installs
// the translator that knows the host's keyboard and text input; without one
// the raw codes are read as a US keyboard.
using KeyTranslator = ULONG (*)(const struct InputEvent *event);
void SetKeyTranslator(KeyTranslator translator);
KeyTranslator CurrentKeyTranslator();
ULONG TranslateKey(const struct InputEvent *event);

// The size of a system image (SYSIA_Which) for a screen's DrawInfo: the
// numbers intuition's window frames use too, so that border gadgets and the
// borders fit each other. SIZEIMAGE gives the right border's width and the
// bottom border's height of a sizeable window; CLOSEIMAGE's height is the
// title bar's.
void SystemImageSize(const struct DrawInfo *drawInfo, ULONG which, WORD *width, WORD *height);

// A gadget's box in its window's (or requester's) coordinates, GFLG_REL*
// resolved against gi_Domain.
void GadgetBox(const struct Gadget *gadget, const struct GadgetInfo *info, struct IBox *box);

// What the automation dump shows of a BOOPSI gadget. FALSE for a gadget
// that is not a BOOPSI object.
struct GadgetDescription {
    const char *className;   // the class's public name, or its nearest public superclass's
    const char *label;       // GA_Text, or NULL
    bool hasText;            // a string gadget: text is its contents
    const char *text;
    bool isInteger;          // an integer gadget: number is its value
    LONG number;
    bool hasPot;             // a prop gadget: pot is the pot of its freedom
    ULONG pot;
};
bool DescribeGadget(struct Gadget *gadget, GadgetDescription *description);

// TRUE when the gadget is a string gadget (takes keys): the next or
// previous one gets activated on GMR_NEXTACTIVE/GMR_PREVACTIVE, and the
// automation's `type` needs one to be active.
bool TakesKeys(const struct Gadget *gadget);

// The class of a public name, or NULL. For the automation and tests.
struct IClass *FindPublicClass(ClassID classID);

}  // namespace hosted

#endif  // HOSTED_BOOPSI_H
