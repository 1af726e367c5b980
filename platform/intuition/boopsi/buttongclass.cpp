// boopsi/buttongclass.cpp: buttongclass, push buttons drawn with an image or a label, pressed while held.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/graphics.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

namespace hosted::boopsi {
namespace {

bool Toggles(const struct Gadget *g) { return (g->Activation & GACT_TOGGLESELECT) != 0; }

bool Inside(const struct gpInput *msg, const struct IBox &box)
{
    return msg->gpi_Mouse.X >= 0 && msg->gpi_Mouse.Y >= 0 && msg->gpi_Mouse.X < box.Width &&
           msg->gpi_Mouse.Y < box.Height;
}

void SetSelected(Object *obj, struct GadgetInfo *info, bool selected)
{
    struct Gadget *g = AsGadget(obj);
    if (((g->Flags & GFLG_SELECTED) != 0) == selected)
        return;
    if (selected)
        g->Flags |= GFLG_SELECTED;
    else
        g->Flags &= ~GFLG_SELECTED;
    RenderNow(obj, info, GREDRAW_TOGGLE);
}

void NotifyPress(Object *obj, struct GadgetInfo *info, ULONG flags)
{
    struct Gadget *g = AsGadget(obj);
    struct TagItem tags[] = {{GA_ID, g->GadgetID},
                             {GA_Selected, static_cast<IPTR>((g->Flags & GFLG_SELECTED) != 0)},
                             {TAG_DONE, 0}};
    NotifyAttrs(obj, info, flags, tags);
}

IPTR GoActive(Object *obj, struct gpInput *msg)
{
    struct Gadget *g = AsGadget(obj);
    if ((g->Flags & GFLG_DISABLED) != 0 || msg->gpi_IEvent == nullptr)
        return GMR_NOREUSE;
    if (msg->gpi_Termination != nullptr)
        *msg->gpi_Termination = 0;
    if (Toggles(g)) {
        // A toggle changes state as it is pressed, and is done at once.
        SetSelected(obj, msg->gpi_GInfo, (g->Flags & GFLG_SELECTED) == 0);
        NotifyPress(obj, msg->gpi_GInfo, 0);
        return GMR_NOREUSE | GMR_VERIFY;
    }
    SetSelected(obj, msg->gpi_GInfo, true);
    NotifyPress(obj, msg->gpi_GInfo, OPUF_INTERIM);
    return GMR_MEACTIVE;
}

IPTR HandleInput(Object *obj, struct gpInput *msg)
{
    struct IBox box{};
    hosted::GadgetBox(AsGadget(obj), msg->gpi_GInfo, &box);
    bool inside = Inside(msg, box);
    const struct InputEvent *ie = msg->gpi_IEvent;
    if (IsSelectUp(ie)) {
        SetSelected(obj, msg->gpi_GInfo, false);
        if (!inside)
            return GMR_NOREUSE;
        if (msg->gpi_Termination != nullptr)
            *msg->gpi_Termination = 0;
        NotifyPress(obj, msg->gpi_GInfo, 0);
        return GMR_NOREUSE | GMR_VERIFY;
    }
    if (IsMenuDown(ie)) {
        // The other button abandons the press.
        SetSelected(obj, msg->gpi_GInfo, false);
        return GMR_NOREUSE;
    }
    // Moving off the button lets it out; moving back presses it again.
    SetSelected(obj, msg->gpi_GInfo, inside);
    return GMR_MEACTIVE;
}

}  // namespace

ULONG ButtonInstanceSize() { return 0; }

void DrawButtonFace(Object *obj, struct RastPort *rp, struct GadgetInfo *info, bool imageIsFrame)
{
    struct Gadget *g = AsGadget(obj);
    struct IBox box{};
    hosted::GadgetBox(g, info, &box);
    struct DrawInfo *dri = GadgetDrawInfo(obj, info);
    ULONG state = GadgetImageState(g, info);
    bool selected = (g->Flags & GFLG_SELECTED) != 0;
    bool ghostImage = true;

    auto *image = static_cast<struct Image *>(g->GadgetRender);
    if ((g->Flags & GFLG_GADGIMAGE) != 0 && image != nullptr) {
        if (selected && (g->Flags & GFLG_GADGHIGHBITS) == GFLG_GADGHIMAGE && g->SelectRender != nullptr)
            image = static_cast<struct Image *>(g->SelectRender);
        if (imageIsFrame && image->Depth == CUSTOMIMAGEDEPTH) {
            struct impDraw draw{};
            draw.MethodID = IM_DRAWFRAME;
            draw.imp_RPort = rp;
            draw.imp_Offset.X = box.Left;
            draw.imp_Offset.Y = box.Top;
            draw.imp_State = state;
            draw.imp_DrInfo = dri;
            draw.imp_Dimensions.Width = box.Width;
            draw.imp_Dimensions.Height = box.Height;
            DoMethodA(reinterpret_cast<Object *>(image), reinterpret_cast<Msg>(&draw));
        } else {
            DrawImageState(rp, image, box.Left, box.Top, state, dri);
        }
        // A system image ghosts itself.
        ghostImage = image->Depth != CUSTOMIMAGEDEPTH || OCLASS(image) != Builtin().sys;
    } else {
        FillBox(rp, PenOf(dri, selected ? FILLPEN : BACKGROUNDPEN), box.Left, box.Top, box.Width, box.Height);
        DrawBevel(rp, dri, box.Left, box.Top, box.Width, box.Height, selected);
    }

    if ((g->Flags & GFLG_LABELMASK) == GFLG_LABELSTRING && GadgetOf(obj)->label != nullptr) {
        UWORD pen = PenOf(dri, selected ? FILLTEXTPEN : TEXTPEN);
        CentredText(rp, dri, GadgetOf(obj)->label, pen, box.Left + 2, box.Top + 1, box.Width - 4, box.Height - 2);
    }
    if ((g->Flags & GFLG_DISABLED) != 0 && ghostImage)
        Ghost(rp, PenOf(dri, BACKGROUNDPEN), box.Left, box.Top, box.Width, box.Height);
}

IPTR ButtonSetAttributes(struct IClass *cl, Object *obj, Msg msg)
{
    IPTR changed = DoSuperMethodA(cl, obj, msg);
    auto *set = reinterpret_cast<struct opSet *>(msg);
    if (changed != 0 && OCLASS(obj) == cl)
        RenderNow(obj, set->ops_GInfo, GREDRAW_REDRAW);
    return changed;
}

IPTR ButtonRender(Object *obj, Msg msg, bool imageIsFrame)
{
    auto *render = reinterpret_cast<struct gpRender *>(msg);
    if (render->gpr_RPort != nullptr)
        DrawButtonFace(obj, render->gpr_RPort, render->gpr_GInfo, imageIsFrame);
    return 0;
}

IPTR ButtonDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made == nullptr)
            return 0;
        // Without a size of its own the button is as large as its image.
        const struct TagItem *tags = reinterpret_cast<struct opSet *>(msg)->ops_AttrList;
        struct Gadget *g = AsGadget(made);
        auto *image = static_cast<struct Image *>(g->GadgetRender);
        if ((g->Flags & GFLG_GADGIMAGE) != 0 && image != nullptr) {
            if (FindTagItem(GA_Width, tags) == nullptr && FindTagItem(GA_RelWidth, tags) == nullptr)
                g->Width = image->Width;
            if (FindTagItem(GA_Height, tags) == nullptr && FindTagItem(GA_RelHeight, tags) == nullptr)
                g->Height = image->Height;
        }
        return reinterpret_cast<IPTR>(made);
    }
    case OM_SET:
    case OM_UPDATE:
        return ButtonSetAttributes(cl, obj, msg);
    case GM_RENDER:
        return ButtonRender(obj, msg, false);
    case GM_GOACTIVE:
        return GoActive(obj, reinterpret_cast<struct gpInput *>(msg));
    case GM_HANDLEINPUT:
        return HandleInput(obj, reinterpret_cast<struct gpInput *>(msg));
    case GM_GOINACTIVE:
        if (!Toggles(AsGadget(obj)))
            SetSelected(obj, reinterpret_cast<struct gpGoInactive *>(msg)->gpgi_GInfo, false);
        return 0;
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi
