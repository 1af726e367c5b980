// intuition/gadgetinput.cpp: driving the active gadget from the input task: BOOPSI gadget methods and plain boolean gadgets.
#include "state.h"

#include <hosted/boopsi.h>
#include <intuition/gadgetclass.h>
#include <proto/intuition.h>

namespace hosted {

namespace {

bool gPlainInside = false;   // the pointer is over the active plain gadget

WindowRecord *ActiveWindowOfGadget()
{
    InputState &in = State().input;
    if (in.window == nullptr || State().liveWindows.count(in.window) == 0)
        return nullptr;
    return in.window;
}

// The pointer relative to the gadget's box.
void MouseInGadget(WindowRecord *w, struct Gadget *g, WORD &x, WORD &y)
{
    InputState &in = State().input;
    Box box = GadgetBoxOf(w, g);
    x = static_cast<WORD>(in.x - w->window.LeftEdge - box.x0);
    y = static_cast<WORD>(in.y - w->window.TopEdge - box.y0);
}

IPTR CallInput(WindowRecord *w, struct Gadget *g, ULONG method, const struct InputEvent *event)
{
    struct GadgetInfo info;
    BuildGadgetInfo(w, info);
    struct gpInput msg{};
    msg.MethodID = method;
    msg.gpi_GInfo = &info;
    msg.gpi_IEvent = const_cast<struct InputEvent *>(event);
    msg.gpi_Termination = &State().input.termination;
    MouseInGadget(w, g, msg.gpi_Mouse.X, msg.gpi_Mouse.Y);
    return DoMethodA(reinterpret_cast<Object *>(g), reinterpret_cast<Msg>(&msg));
}

void GoInactive(WindowRecord *w, struct Gadget *g, bool abort)
{
    if (!IsBoopsi(g))
        return;
    struct GadgetInfo info;
    BuildGadgetInfo(w, info);
    struct gpGoInactive msg{};
    msg.MethodID = GM_GOINACTIVE;
    msg.gpgi_GInfo = &info;
    msg.gpgi_Abort = abort ? 1 : 0;
    DoMethodA(reinterpret_cast<Object *>(g), reinterpret_cast<Msg>(&msg));
}

// The next (or previous) gadget of the window that takes keys, for Tab.
struct Gadget *Neighbour(WindowRecord *w, struct Gadget *from, bool forward)
{
    std::vector<struct Gadget *> fields;
    for (struct Gadget *g = w->window.FirstGadget; g != nullptr; g = g->NextGadget) {
        if (g == from || (TakesKeys(g) && (g->Flags & GFLG_DISABLED) == 0))
            fields.push_back(g);
    }
    for (std::size_t i = 0; i < fields.size(); i++) {
        if (fields[i] != from)
            continue;
        if (fields.size() < 2)
            return nullptr;
        std::size_t next = forward ? (i + 1) % fields.size() : (i + fields.size() - 1) % fields.size();
        return fields[next];
    }
    return nullptr;
}

// The gadget ended itself with `result` (anything but GMR_MEACTIVE).
void Finish(WindowRecord *w, struct Gadget *g, IPTR result)
{
    InputState &in = State().input;
    in.gesture = Gesture::None;
    in.window = nullptr;
    in.gadget = nullptr;
    LONG termination = in.termination;
    GoInactive(w, g, false);
    if ((result & GMR_VERIFY) != 0 && (g->Activation & GACT_RELVERIFY) != 0)
        SendIDCMP(w, IDCMP_GADGETUP, static_cast<UWORD>(termination), g);
    if ((result & (GMR_NEXTACTIVE | GMR_PREVACTIVE)) != 0) {
        if (struct Gadget *next = Neighbour(w, g, (result & GMR_NEXTACTIVE) != 0))
            ActivateGadgetRecord(w, next);
    }
}

bool StartBoopsi(WindowRecord *w, struct Gadget *g, const struct InputEvent *event)
{
    InputState &in = State().input;
    in.gesture = Gesture::Gadget;
    in.window = w;
    in.gadget = g;
    in.termination = 0;
    IPTR result = CallInput(w, g, GM_GOACTIVE, event);
    if (event != nullptr && (g->Activation & GACT_IMMEDIATE) != 0)
        SendIDCMP(w, IDCMP_GADGETDOWN, 0, g);
    if (result == GMR_MEACTIVE)
        return true;
    Finish(w, g, result);
    return (result & GMR_VERIFY) != 0 || (result & GMR_NOREUSE) != 0;
}

void SetPlainSelected(WindowRecord *w, struct Gadget *g, bool selected)
{
    bool now = (g->Flags & GFLG_SELECTED) != 0;
    if (now == selected)
        return;
    if (selected)
        g->Flags |= GFLG_SELECTED;
    else
        g->Flags &= ~GFLG_SELECTED;
    RenderGadget(w, g, GREDRAW_TOGGLE);
}

bool PlainInput(WindowRecord *w, struct Gadget *g, const struct InputEvent &event)
{
    InputState &in = State().input;
    if (event.ie_Class != IECLASS_RAWMOUSE)
        return true;
    Box box = GadgetBoxOf(w, g);
    bool inside = box.Contains(in.x - w->window.LeftEdge, in.y - w->window.TopEdge);
    bool toggle = (g->Activation & GACT_TOGGLESELECT) != 0;
    if (event.ie_Code == IECODE_NOBUTTON) {
        if (inside != gPlainInside && !toggle)
            SetPlainSelected(w, g, inside);
        gPlainInside = inside;
        if ((g->Activation & GACT_FOLLOWMOUSE) != 0)
            SendIDCMP(w, IDCMP_MOUSEMOVE, IECODE_NOBUTTON, g);
        return true;
    }
    if (event.ie_Code == SELECTUP) {
        in.gesture = Gesture::None;
        in.window = nullptr;
        in.gadget = nullptr;
        if (!toggle)
            SetPlainSelected(w, g, false);
        if (inside && (g->Activation & GACT_RELVERIFY) != 0)
            SendIDCMP(w, IDCMP_GADGETUP, 0, g);
    }
    return true;
}

}  // namespace

bool PressGadget(WindowRecord *w, LONG x, LONG y)
{
    InputState &in = State().input;
    for (struct Gadget *g = w->window.FirstGadget; g != nullptr; g = g->NextGadget) {
        if ((g->Flags & GFLG_DISABLED) != 0 || (g->GadgetType & GTYP_SYSGADGET) != 0)
            continue;
        Box box = GadgetBoxOf(w, g);
        if (!box.Contains(x, y))
            continue;
        if (IsBoopsi(g)) {
            struct GadgetInfo info;
            BuildGadgetInfo(w, info);
            struct gpHitTest hit{};
            hit.MethodID = GM_HITTEST;
            hit.gpht_GInfo = &info;
            hit.gpht_Mouse.X = static_cast<WORD>(x - box.x0);
            hit.gpht_Mouse.Y = static_cast<WORD>(y - box.y0);
            if ((DoMethodA(reinterpret_cast<Object *>(g), reinterpret_cast<Msg>(&hit)) & GMR_GADGETHIT) == 0)
                continue;
            struct InputEvent ie{};
            ie.ie_Class = IECLASS_RAWMOUSE;
            ie.ie_Code = SELECTDOWN;
            ie.ie_Qualifier = in.Qualifier();
            ie.ie_X = static_cast<WORD>(in.x);
            ie.ie_Y = static_cast<WORD>(in.y);
            ie.ie_TimeStamp.tv_secs = in.seconds;
            ie.ie_TimeStamp.tv_micro = in.micros;
            StartBoopsi(w, g, &ie);
            return true;
        }
        if ((g->GadgetType & GTYP_GTYPEMASK) != GTYP_BOOLGADGET)
            continue;   // plain prop and string gadgets are not supported
        in.gesture = Gesture::Gadget;
        in.window = w;
        in.gadget = g;
        gPlainInside = true;
        if ((g->Activation & GACT_TOGGLESELECT) != 0)
            SetPlainSelected(w, g, (g->Flags & GFLG_SELECTED) == 0);
        else
            SetPlainSelected(w, g, true);
        if ((g->Activation & GACT_IMMEDIATE) != 0)
            SendIDCMP(w, IDCMP_GADGETDOWN, 0, g);
        return true;
    }
    return false;
}

bool ActiveGadgetInput(const struct InputEvent &event)
{
    InputState &in = State().input;
    if (in.gesture != Gesture::Gadget)
        return false;
    WindowRecord *w = ActiveWindowOfGadget();
    struct Gadget *g = in.gadget;
    if (w == nullptr || g == nullptr) {
        in.gesture = Gesture::None;
        in.window = nullptr;
        in.gadget = nullptr;
        return false;
    }
    if (!IsBoopsi(g))
        return PlainInput(w, g, event);
    IPTR result = CallInput(w, g, GM_HANDLEINPUT, &event);
    if (event.ie_Class == IECLASS_RAWMOUSE && event.ie_Code == IECODE_NOBUTTON &&
        (g->Activation & GACT_FOLLOWMOUSE) != 0)
        SendIDCMP(w, IDCMP_MOUSEMOVE, IECODE_NOBUTTON, g);
    if (result == GMR_MEACTIVE)
        return true;
    Finish(w, g, result);
    return (result & GMR_REUSE) == 0;
}

void AbortActiveGadget()
{
    InputState &in = State().input;
    if (in.gesture != Gesture::Gadget)
        return;
    WindowRecord *w = ActiveWindowOfGadget();
    struct Gadget *g = in.gadget;
    in.gesture = Gesture::None;
    in.window = nullptr;
    in.gadget = nullptr;
    if (w == nullptr || g == nullptr)
        return;
    if (IsBoopsi(g))
        GoInactive(w, g, true);
    else if ((g->Activation & GACT_TOGGLESELECT) == 0)
        SetPlainSelected(w, g, false);
}

bool ActivateGadgetRecord(WindowRecord *w, struct Gadget *g)
{
    if (!IsBoopsi(g))
        return false;
    InputState &in = State().input;
    if (in.gesture == Gesture::Gadget)
        AbortActiveGadget();
    if (in.gesture != Gesture::None)
        return false;
    in.gesture = Gesture::Gadget;
    in.window = w;
    in.gadget = g;
    in.termination = 0;
    IPTR result = CallInput(w, g, GM_GOACTIVE, nullptr);
    if (result == GMR_MEACTIVE)
        return true;
    in.gesture = Gesture::None;
    in.window = nullptr;
    in.gadget = nullptr;
    GoInactive(w, g, false);
    return false;
}

}  // namespace hosted
