// intuition/gadgets.cpp: a window's gadget list: adding, removing, drawing, laying out, and the services BOOPSI classes use.
#include "look.h"
#include "state.h"

#include <hosted/boopsi.h>
#include <intuition/gadgetclass.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <cstring>
#include <unordered_set>

namespace hosted {

namespace {

// Rastports lent to gadgets by ObtainGIRPort, with the lock they hold.
std::unordered_set<struct RastPort *> &LentPorts()
{
    static auto *ports = new std::unordered_set<struct RastPort *>;
    return *ports;
}

bool HasRelativePlace(const struct Gadget *g)
{
    return (g->Flags & (GFLG_RELRIGHT | GFLG_RELBOTTOM | GFLG_RELWIDTH | GFLG_RELHEIGHT | GFLG_RELSPECIAL)) != 0;
}

// A plain (non-BOOPSI) gadget: its render, its text, its highlight.
void RenderPlainGadget(WindowRecord *w, struct Gadget *g)
{
    Box box = GadgetBoxOf(w, g);
    if (box.Empty())
        return;
    struct RastPort rp = w->rastPort;
    bool selected = (g->Flags & GFLG_SELECTED) != 0;
    UWORD highlight = g->Flags & GFLG_GADGHIGHBITS;
    APTR render = selected && highlight == GFLG_GADGHIMAGE && g->SelectRender != nullptr ? g->SelectRender
                                                                                           : g->GadgetRender;
    if (render != nullptr) {
        if ((g->Flags & GFLG_GADGIMAGE) != 0)
            DrawImage(&rp, static_cast<struct Image *>(render), box.x0, box.y0);
        else
            DrawBorder(&rp, static_cast<const struct Border *>(render), box.x0, box.y0);
    }
    if (g->GadgetText != nullptr) {
        switch (g->Flags & GFLG_LABELMASK) {
        case GFLG_LABELSTRING: {
            const char *label = reinterpret_cast<const char *>(g->GadgetText);
            SetAPen(&rp, PenText);
            SetDrMd(&rp, JAM1);
            struct TextFont *font = w->screen->font;
            LONG length = static_cast<LONG>(std::strlen(label));
            LONG width = TextLength(&rp, label, static_cast<ULONG>(length));
            Move(&rp, box.x0 + (box.Width() - width) / 2, box.y0 + (box.Height() - font->tf_YSize) / 2 + font->tf_Baseline);
            Text(&rp, label, static_cast<ULONG>(length));
            break;
        }
        case GFLG_LABELIMAGE:
            DrawImage(&rp, reinterpret_cast<struct Image *>(g->GadgetText), box.x0, box.y0);
            break;
        default:
            PrintIText(&rp, g->GadgetText, box.x0, box.y0);
            break;
        }
    }
    if (selected && highlight == GFLG_GADGHCOMP) {
        SetDrMd(&rp, COMPLEMENT);
        RectFill(&rp, box.x0, box.y0, box.x1 - 1, box.y1 - 1);
    } else if (selected && highlight == GFLG_GADGHBOX) {
        SetDrMd(&rp, COMPLEMENT);
        RectFill(&rp, box.x0 - 4, box.y0 - 2, box.x1 + 3, box.y0 - 1);
        RectFill(&rp, box.x0 - 4, box.y1, box.x1 + 3, box.y1 + 1);
        RectFill(&rp, box.x0 - 4, box.y0, box.x0 - 1, box.y1 - 1);
        RectFill(&rp, box.x1, box.y0, box.x1 + 3, box.y1 - 1);
    }
    if ((g->Flags & GFLG_DISABLED) != 0) {
        SetDrMd(&rp, JAM1);
        SetAPen(&rp, PenGhost);
        for (LONG y = box.y0; y < box.y1; y++) {
            for (LONG x = box.x0 + ((y - box.y0) & 1); x < box.x1; x += 2)
                WritePixel(&rp, x, y);
        }
    }
}

struct RastPort *ObtainWindowPort(struct GadgetInfo *info)
{
    IntuitionLock().lock();
    WindowRecord *w = info != nullptr ? WindowOf(info->gi_Window) : nullptr;
    if (w == nullptr) {
        IntuitionLock().unlock();
        return nullptr;
    }
    // A copy, so the gadget's pens and font stay out of the program's rastport.
    auto *rp = new struct RastPort(w->rastPort);
    LentPorts().insert(rp);
    return rp;
}

void ReleaseWindowPort(struct RastPort *rp)
{
    if (LentPorts().erase(rp) == 0)
        return;
    delete rp;
    IntuitionLock().unlock();
}

}  // namespace

bool IsBoopsi(const struct Gadget *gadget)
{
    return gadget != nullptr && (gadget->GadgetType & GTYP_GTYPEMASK) == GTYP_CUSTOMGADGET;
}

void BuildGadgetInfo(WindowRecord *w, struct GadgetInfo &info)
{
    info = {};
    info.gi_Screen = &w->screen->screen;
    info.gi_Window = &w->window;
    info.gi_RastPort = w->window.RPort;
    info.gi_Layer = &w->layer;
    info.gi_Domain.Left = 0;
    info.gi_Domain.Top = 0;
    info.gi_Domain.Width = w->window.Width;
    info.gi_Domain.Height = w->window.Height;
    info.gi_Pens.DetailPen = w->window.DetailPen;
    info.gi_Pens.BlockPen = w->window.BlockPen;
    info.gi_DrInfo = &w->screen->drawInfo;
}

Box GadgetBoxOf(WindowRecord *w, const struct Gadget *g)
{
    struct GadgetInfo info;
    BuildGadgetInfo(w, info);
    struct IBox box{};
    GadgetBox(g, &info, &box);
    return BoxAt(box.Left, box.Top, box.Width, box.Height);
}

void RenderGadget(WindowRecord *w, struct Gadget *g, LONG redraw)
{
    if (!IsBoopsi(g)) {
        if ((g->GadgetType & GTYP_SYSGADGET) == 0)
            RenderPlainGadget(w, g);
        return;
    }
    struct GadgetInfo info;
    BuildGadgetInfo(w, info);
    struct RastPort *rp = ObtainGIRPort(&info);
    if (rp == nullptr)
        return;
    struct gpRender msg{};
    msg.MethodID = GM_RENDER;
    msg.gpr_GInfo = &info;
    msg.gpr_RPort = rp;
    msg.gpr_Redraw = redraw;
    DoMethodA(reinterpret_cast<Object *>(g), reinterpret_cast<Msg>(&msg));
    ReleaseGIRPort(rp);
}

void RenderBorderGadgets(WindowRecord *w)
{
    const struct Window &win = w->window;
    Box inner{win.BorderLeft, win.BorderTop, win.Width - win.BorderRight, win.Height - win.BorderBottom};
    for (struct Gadget *g = win.FirstGadget; g != nullptr; g = g->NextGadget) {
        Box box = GadgetBoxOf(w, g);
        bool border = (g->Activation & (GACT_RIGHTBORDER | GACT_LEFTBORDER | GACT_TOPBORDER | GACT_BOTTOMBORDER)) != 0;
        if (border || !(box.Intersect(inner) == box))
            RenderGadget(w, g, GREDRAW_REDRAW);
    }
}

void LayoutGadgets(WindowRecord *w, bool initial)
{
    for (struct Gadget *g = w->window.FirstGadget; g != nullptr; g = g->NextGadget) {
        if (!IsBoopsi(g) || !HasRelativePlace(g))
            continue;
        struct GadgetInfo info;
        BuildGadgetInfo(w, info);
        struct gpLayout msg{};
        msg.MethodID = GM_LAYOUT;
        msg.gpl_GInfo = &info;
        msg.gpl_Initial = initial ? TRUE : FALSE;
        DoMethodA(reinterpret_cast<Object *>(g), reinterpret_cast<Msg>(&msg));
    }
}

void InstallWindowServices()
{
    WindowServices services{};
    services.withGadgetInfo = [](struct Window *window, struct Requester *,
                                 void (*work)(struct GadgetInfo *, void *), void *data) {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        WindowRecord *w = WindowOf(window);
        if (w == nullptr) {
            work(nullptr, data);
            return;
        }
        struct GadgetInfo info;
        BuildGadgetInfo(w, info);
        work(&info, data);
    };
    services.obtainRPort = ObtainWindowPort;
    services.releaseRPort = ReleaseWindowPort;
    services.sendUpdate = [](struct GadgetInfo *info, struct Gadget *, const struct TagItem *tags, UWORD code) {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        if (WindowRecord *w = WindowOf(info->gi_Window))
            SendIDCMPUpdate(w, tags, code);
    };
    SetWindowServices(services);
}

}  // namespace hosted

using namespace hosted;

/* Adds numGad gadgets (-1: the whole chain) to the window's list before
   the one at `position` (-1 or past the end: at the end). Gadgets placed
   relative to the window's edges are laid out (GM_LAYOUT). They are not
   drawn: call RefreshGList. Returns the position used; -1 (0xFFFF) when
   the window is not open. Requester gadgets are not supported: the
   requester is ignored. */
UWORD AddGList(struct Window *window, struct Gadget *gadget, ULONG position, LONG numGad,
               struct Requester *)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr || gadget == nullptr)
        return static_cast<UWORD>(~0);
    struct Gadget *last = gadget;
    for (LONG n = 1; (numGad < 0 || n < numGad) && last->NextGadget != nullptr; n++)
        last = last->NextGadget;
    struct Gadget **link = &window->FirstGadget;
    UWORD used = 0;
    while (*link != nullptr && used < position) {
        link = &(*link)->NextGadget;
        used++;
    }
    last->NextGadget = *link;
    *link = gadget;
    for (struct Gadget *g = gadget;; g = g->NextGadget) {
        if (IsBoopsi(g) && HasRelativePlace(g)) {
            struct GadgetInfo info;
            BuildGadgetInfo(w, info);
            struct gpLayout msg{};
            msg.MethodID = GM_LAYOUT;
            msg.gpl_GInfo = &info;
            msg.gpl_Initial = TRUE;
            DoMethodA(reinterpret_cast<Object *>(g), reinterpret_cast<Msg>(&msg));
        }
        if (g == last)
            break;
    }
    return used;
}

UWORD AddGadget(struct Window *window, struct Gadget *gadget, ULONG position)
{
    return AddGList(window, gadget, position, 1, nullptr);
}

/* Takes numGad gadgets (-1: to the end of the list) out of the window's
   list, starting with `gadget`; an active one among them is stopped first.
   The removed gadgets stay chained, the last one ending the chain. Returns
   the position `gadget` had, -1 (0xFFFF) when it is not in the window. */
UWORD RemoveGList(struct Window *window, struct Gadget *gadget, LONG numGad)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr || gadget == nullptr)
        return static_cast<UWORD>(~0);
    struct Gadget **link = &window->FirstGadget;
    UWORD position = 0;
    while (*link != nullptr && *link != gadget) {
        link = &(*link)->NextGadget;
        position++;
    }
    if (*link == nullptr)
        return static_cast<UWORD>(~0);
    struct Gadget *last = gadget;
    for (LONG n = 1; (numGad < 0 || n < numGad) && last->NextGadget != nullptr; n++)
        last = last->NextGadget;
    InputState &in = State().input;
    if (in.gesture == Gesture::Gadget && in.window == w) {
        for (struct Gadget *g = gadget;; g = g->NextGadget) {
            if (g == in.gadget)
                AbortActiveGadget();
            if (g == last)
                break;
        }
    }
    *link = last->NextGadget;
    last->NextGadget = nullptr;
    return position;
}

UWORD RemoveGadget(struct Window *window, struct Gadget *gadget)
{
    return RemoveGList(window, gadget, 1);
}

/* Draws numGad gadgets (-1: all that follow) of the window, starting with
   `gadgets`. */
void RefreshGList(struct Gadget *gadgets, struct Window *window, struct Requester *, LONG numGad)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return;
    LONG n = 0;
    for (struct Gadget *g = gadgets; g != nullptr && (numGad < 0 || n < numGad); g = g->NextGadget, n++)
        RenderGadget(w, g, GREDRAW_REDRAW);
}

void RefreshGadgets(struct Gadget *gadgets, struct Window *window, struct Requester *requester)
{
    RefreshGList(gadgets, window, requester, -1);
}

/* Enables a gadget and draws it again. */
void OnGadget(struct Gadget *gadget, struct Window *window, struct Requester *)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (gadget == nullptr)
        return;
    gadget->Flags &= ~GFLG_DISABLED;
    if (WindowRecord *w = WindowOf(window))
        RenderGadget(w, gadget, GREDRAW_REDRAW);
}

/* Disables a gadget (it ignores the pointer) and draws it ghosted. */
void OffGadget(struct Gadget *gadget, struct Window *window, struct Requester *)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (gadget == nullptr)
        return;
    WindowRecord *w = WindowOf(window);
    InputState &in = State().input;
    if (in.gesture == Gesture::Gadget && in.gadget == gadget)
        AbortActiveGadget();
    gadget->Flags |= GFLG_DISABLED;
    if (w != nullptr)
        RenderGadget(w, gadget, GREDRAW_REDRAW);
}

/* Activates a gadget of the active window as a click would (a string
   gadget then takes the keys). FALSE when the window is not the active
   one, the gadget is disabled or not a BOOPSI gadget, or it declined. */
BOOL ActivateGadget(struct Gadget *gadget, struct Window *window, struct Requester *)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr || gadget == nullptr || State().active != w || (gadget->Flags & GFLG_DISABLED) != 0)
        return FALSE;
    return ActivateGadgetRecord(w, gadget) ? TRUE : FALSE;
}
