// boopsi/propgclass.cpp: propgclass, scrollers and sliders whose pots follow the knob live while it is dragged.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/graphics.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

#include <algorithm>

namespace hosted::boopsi {
namespace {

struct PropData {
    struct PropInfo info;
    ULONG total;
    ULONG visible;
    ULONG top;
    UWORD notifyBehaviour;   // PG_BEHAVIOUR_
    UWORD renderBehaviour;
    bool dragging;           // the knob is held
    WORD grabX, grabY;       // where in the knob it was taken, box-relative
};

PropData *PropOf(struct IClass *cl, Object *obj) { return static_cast<PropData *>(INST_DATA(cl, obj)); }

bool Vertical(const PropData *d) { return (d->info.Flags & FREEHORIZ) == 0; }

// Pots and bodies from Total, Visible and Top, along the gadget's freedom.
void Recompute(PropData *d)
{
    if (d->total > d->visible)
        d->top = std::min(d->top, d->total - d->visible);
    else
        d->top = 0;
    UWORD body = BodyFor(d->total, d->visible);
    UWORD pot = PotFor(d->total, d->visible, d->top);
    if (Vertical(d)) {
        d->info.VertBody = body;
        d->info.VertPot = pot;
        d->info.HorizBody = MAXBODY;
        d->info.HorizPot = 0;
    } else {
        d->info.HorizBody = body;
        d->info.HorizPot = pot;
        d->info.VertBody = MAXBODY;
        d->info.VertPot = 0;
    }
}

UWORD Pot(const PropData *d) { return Vertical(d) ? d->info.VertPot : d->info.HorizPot; }

void NotifyTop(Object *obj, const PropData *d, struct GadgetInfo *info, ULONG flags)
{
    struct TagItem tags[] = {{PGA_Top, d->top}, {GA_ID, AsGadget(obj)->GadgetID}, {TAG_DONE, 0}};
    NotifyAttrs(obj, info, flags, tags);
}

// Returns TRUE when the look changed. *topChanged tells whether PGA_Top
// moved, or differs from the PGA_Top asked for (the end of the range
// stopped it), so that whoever asked learns where it is.
IPTR SetPropAttributes(PropData *d, const struct TagItem *tags, bool *topChanged)
{
    ULONG oldTop = d->top;
    struct TagItem *asked = FindTagItem(PGA_Top, tags);
    struct PropInfo before = d->info;
    bool position = false;
    const struct TagItem *walk = tags;
    while (struct TagItem *item = NextTagItem(&walk)) {
        IPTR v = item->ti_Data;
        switch (item->ti_Tag) {
        case PGA_Freedom:
            d->info.Flags = static_cast<UWORD>((d->info.Flags & ~(FREEHORIZ | FREEVERT)) |
                                               ((v & FREEHORIZ) != 0 ? FREEHORIZ : FREEVERT));
            position = true;
            break;
        case PGA_Borderless:
            if (v != 0)
                d->info.Flags |= PROPBORDERLESS;
            else
                d->info.Flags &= ~PROPBORDERLESS;
            break;
        case PGA_NewLook:
            if (v != 0)
                d->info.Flags |= PROPNEWLOOK;
            else
                d->info.Flags &= ~PROPNEWLOOK;
            break;
        case PGA_Total:
            d->total = static_cast<ULONG>(v);
            position = true;
            break;
        case PGA_Visible:
            d->visible = static_cast<ULONG>(v);
            position = true;
            break;
        case PGA_Top:
            d->top = static_cast<SIPTR>(v) < 0 ? 0 : static_cast<ULONG>(v);
            position = true;
            break;
        case PGA_NotifyBehaviour:
            d->notifyBehaviour = static_cast<UWORD>(v);
            break;
        case PGA_RenderBehaviour:
            d->renderBehaviour = static_cast<UWORD>(v);
            break;
        default:
            break;
        }
    }
    if (position)
        Recompute(d);
    // Pots and bodies set directly win over the position, as on classic props.
    walk = tags;
    while (struct TagItem *item = NextTagItem(&walk)) {
        auto v = static_cast<UWORD>(item->ti_Data);
        switch (item->ti_Tag) {
        case PGA_HorizPot:
            d->info.HorizPot = v;
            break;
        case PGA_HorizBody:
            d->info.HorizBody = v;
            break;
        case PGA_VertPot:
            d->info.VertPot = v;
            break;
        case PGA_VertBody:
            d->info.VertBody = v;
            break;
        default:
            continue;
        }
        d->top = TopFor(d->total, d->visible, Pot(d));
    }
    *topChanged = d->top != oldTop || (asked != nullptr && static_cast<ULONG>(asked->ti_Data) != d->top);
    return before.Flags != d->info.Flags || before.HorizPot != d->info.HorizPot ||
           before.VertPot != d->info.VertPot || before.HorizBody != d->info.HorizBody ||
           before.VertBody != d->info.VertBody;
}

IPTR GetPropAttribute(const PropData *d, struct opGet *msg)
{
    IPTR &out = *msg->opg_Storage;
    switch (msg->opg_AttrID) {
    case PGA_Top:
        out = d->top;
        return TRUE;
    case PGA_Total:
        out = d->total;
        return TRUE;
    case PGA_Visible:
        out = d->visible;
        return TRUE;
    case PGA_HorizPot:
        out = d->info.HorizPot;
        return TRUE;
    case PGA_HorizBody:
        out = d->info.HorizBody;
        return TRUE;
    case PGA_VertPot:
        out = d->info.VertPot;
        return TRUE;
    case PGA_VertBody:
        out = d->info.VertBody;
        return TRUE;
    case PGA_Freedom:
        out = d->info.Flags & (FREEHORIZ | FREEVERT);
        return TRUE;
    case PGA_Borderless:
        out = (d->info.Flags & PROPBORDERLESS) != 0;
        return TRUE;
    case PGA_NotifyBehaviour:
        out = d->notifyBehaviour;
        return TRUE;
    case PGA_RenderBehaviour:
        out = d->renderBehaviour;
        return TRUE;
    default:
        return FALSE;
    }
}

void Render(Object *obj, PropData *d, struct RastPort *rp, struct GadgetInfo *info)
{
    struct Gadget *g = AsGadget(obj);
    struct IBox box{};
    hosted::GadgetBox(g, info, &box);
    struct DrawInfo *dri = GadgetDrawInfo(obj, info);
    KnobGeometry k{};
    ComputeKnob(&d->info, box, &k);
    d->info.CWidth = static_cast<UWORD>(std::max<WORD>(0, k.container.Width));
    d->info.CHeight = static_cast<UWORD>(std::max<WORD>(0, k.container.Height));
    UWORD track = PenOf(dri, BACKGROUNDPEN);
    if ((d->info.Flags & PROPBORDERLESS) == 0) {
        DrawBevel(rp, dri, box.Left, box.Top, box.Width, box.Height, true);
        FillBox(rp, track, box.Left + 1, box.Top + 1, box.Width - 2, box.Height - 2);
    }
    FillBox(rp, track, k.container.Left, k.container.Top, k.container.Width, k.container.Height);
    // The knob: raised and filled, so it stands out from the track; lit
    // while it is held.
    UWORD fill = PenOf(dri, d->dragging ? SHINEPEN : FILLPEN);
    FillBox(rp, fill, k.knob.Left, k.knob.Top, k.knob.Width, k.knob.Height);
    DrawBevel(rp, dri, k.knob.Left, k.knob.Top, k.knob.Width, k.knob.Height, false);
    if ((g->Flags & GFLG_DISABLED) != 0)
        Ghost(rp, PenOf(dri, BACKGROUNDPEN), box.Left, box.Top, box.Width, box.Height);
}

// The pot for a knob whose leading edge is `offset` pixels into a travel.
UWORD PotAt(LONG offset, LONG travel)
{
    if (travel <= 0)
        return 0;
    offset = std::clamp<LONG>(offset, 0, travel);
    return static_cast<UWORD>((static_cast<long long>(offset) * MAXPOT + travel / 2) / travel);
}

// Moves the held knob to follow the pointer; the pots change at once, so a
// program polling them sees the knob move.
void Drag(Object *obj, PropData *d, struct gpInput *msg)
{
    struct IBox box{};
    hosted::GadgetBox(AsGadget(obj), msg->gpi_GInfo, &box);
    KnobGeometry k{};
    ComputeKnob(&d->info, box, &k);
    bool moved = false;
    if ((d->info.Flags & FREEHORIZ) != 0) {
        LONG offset = msg->gpi_Mouse.X - d->grabX - (k.container.Left - box.Left);
        UWORD pot = PotAt(offset, k.container.Width - k.knob.Width);
        moved |= pot != d->info.HorizPot;
        d->info.HorizPot = pot;
    }
    if ((d->info.Flags & FREEVERT) != 0) {
        LONG offset = msg->gpi_Mouse.Y - d->grabY - (k.container.Top - box.Top);
        UWORD pot = PotAt(offset, k.container.Height - k.knob.Height);
        moved |= pot != d->info.VertPot;
        d->info.VertPot = pot;
    }
    if (!moved)
        return;
    ULONG top = TopFor(d->total, d->visible, Pot(d));
    RenderNow(obj, msg->gpi_GInfo, GREDRAW_UPDATE);
    if (top != d->top) {
        d->top = top;
        if (d->notifyBehaviour == PG_BEHAVIOUR_NICE)
            NotifyTop(obj, d, msg->gpi_GInfo, OPUF_INTERIM);
    }
}

// A click beside the knob moves it by one visible amount towards the click.
void Page(Object *obj, PropData *d, struct gpInput *msg, const KnobGeometry &k, const struct IBox &box)
{
    LONG mouse = Vertical(d) ? msg->gpi_Mouse.Y + box.Top : msg->gpi_Mouse.X + box.Left;
    LONG knobStart = Vertical(d) ? k.knob.Top : k.knob.Left;
    ULONG step = std::max<ULONG>(1, d->visible);
    ULONG top = d->top;
    if (mouse < knobStart)
        top = top > step ? top - step : 0;
    else
        top = top + step;
    d->top = top;
    Recompute(d);
    RenderNow(obj, msg->gpi_GInfo, GREDRAW_UPDATE);
    NotifyTop(obj, d, msg->gpi_GInfo, 0);
}

IPTR GoActive(Object *obj, PropData *d, struct gpInput *msg)
{
    struct Gadget *g = AsGadget(obj);
    if ((g->Flags & GFLG_DISABLED) != 0 || msg->gpi_IEvent == nullptr)
        return GMR_NOREUSE;
    struct IBox box{};
    hosted::GadgetBox(g, msg->gpi_GInfo, &box);
    KnobGeometry k{};
    ComputeKnob(&d->info, box, &k);
    LONG x = msg->gpi_Mouse.X + box.Left;
    LONG y = msg->gpi_Mouse.Y + box.Top;
    bool inKnob = x >= k.knob.Left && x < k.knob.Left + k.knob.Width && y >= k.knob.Top &&
                  y < k.knob.Top + k.knob.Height;
    if (inKnob) {
        d->dragging = true;
        d->grabX = static_cast<WORD>(x - k.knob.Left);
        d->grabY = static_cast<WORD>(y - k.knob.Top);
        d->info.Flags |= KNOBHIT;
        g->Flags |= GFLG_SELECTED;
        RenderNow(obj, msg->gpi_GInfo, GREDRAW_UPDATE);
    } else {
        Page(obj, d, msg, k, box);
    }
    return GMR_MEACTIVE;
}

IPTR HandleInput(Object *obj, PropData *d, struct gpInput *msg)
{
    const struct InputEvent *ie = msg->gpi_IEvent;
    if (IsSelectUp(ie)) {
        bool wasDragging = d->dragging;
        if (d->dragging)
            Drag(obj, d, msg);
        d->dragging = false;
        d->info.Flags &= ~KNOBHIT;
        AsGadget(obj)->Flags &= ~GFLG_SELECTED;
        RenderNow(obj, msg->gpi_GInfo, GREDRAW_UPDATE);
        if (wasDragging)
            NotifyTop(obj, d, msg->gpi_GInfo, 0);
        if (msg->gpi_Termination != nullptr)
            *msg->gpi_Termination = 0;
        return GMR_NOREUSE | GMR_VERIFY;
    }
    if (d->dragging && ie != nullptr && (ie->ie_Class == IECLASS_RAWMOUSE || ie->ie_Class == IECLASS_POINTERPOS))
        Drag(obj, d, msg);
    return GMR_MEACTIVE;
}

}  // namespace

ULONG PropInstanceSize() { return sizeof(PropData); }

IPTR PropDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made == nullptr)
            return 0;
        PropData *d = PropOf(cl, made);
        d->info.Flags = AUTOKNOB | FREEVERT | PROPNEWLOOK;
        d->info.HorizBody = MAXBODY;
        d->info.VertBody = MAXBODY;
        d->info.HPotRes = d->info.VPotRes = 0;
        d->total = 1;
        d->visible = 1;
        AsGadget(made)->SpecialInfo = &d->info;
        bool topChanged = false;
        SetPropAttributes(d, reinterpret_cast<struct opSet *>(msg)->ops_AttrList, &topChanged);
        return reinterpret_cast<IPTR>(made);
    }
    case OM_SET:
    case OM_UPDATE: {
        auto *set = reinterpret_cast<struct opSet *>(msg);
        IPTR changed = DoSuperMethodA(cl, obj, msg);
        PropData *d = PropOf(cl, obj);
        // While a person holds the knob, it answers to the person only.
        if (msg->MethodID == OM_UPDATE && d->dragging)
            return changed;
        bool topChanged = false;
        changed |= SetPropAttributes(d, set->ops_AttrList, &topChanged);
        if (changed != 0 && OCLASS(obj) == cl)
            RenderNow(obj, set->ops_GInfo, GREDRAW_UPDATE);
        if (topChanged) {
            ULONG flags = msg->MethodID == OM_UPDATE ? reinterpret_cast<struct opUpdate *>(msg)->opu_Flags : 0;
            NotifyTop(obj, d, set->ops_GInfo, flags);
        }
        return changed;
    }
    case OM_GET: {
        auto *get = reinterpret_cast<struct opGet *>(msg);
        if (GetPropAttribute(PropOf(cl, obj), get))
            return TRUE;
        return DoSuperMethodA(cl, obj, msg);
    }
    case GM_RENDER: {
        auto *render = reinterpret_cast<struct gpRender *>(msg);
        if (render->gpr_RPort != nullptr)
            Render(obj, PropOf(cl, obj), render->gpr_RPort, render->gpr_GInfo);
        return 0;
    }
    case GM_GOACTIVE:
        return GoActive(obj, PropOf(cl, obj), reinterpret_cast<struct gpInput *>(msg));
    case GM_HANDLEINPUT:
        return HandleInput(obj, PropOf(cl, obj), reinterpret_cast<struct gpInput *>(msg));
    case GM_GOINACTIVE: {
        PropData *d = PropOf(cl, obj);
        bool wasDragging = d->dragging;
        d->dragging = false;
        d->info.Flags &= ~KNOBHIT;
        AsGadget(obj)->Flags &= ~GFLG_SELECTED;
        if (wasDragging)
            RenderNow(obj, reinterpret_cast<struct gpGoInactive *>(msg)->gpgi_GInfo, GREDRAW_UPDATE);
        return 0;
    }
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi
