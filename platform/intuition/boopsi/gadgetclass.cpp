// boopsi/gadgetclass.cpp: gadgetclass, the base of every gadget: position, flags, label, connection.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

#include <intuition/icclass.h>

namespace hosted::boopsi {
namespace {

void SetFlag(UWORD &field, UWORD flag, IPTR on)
{
    if (on != 0)
        field |= flag;
    else
        field &= static_cast<UWORD>(~flag);
}

// Applies the gadget attributes of a tag list. Returns TRUE when the
// gadget's look changed. OM_UPDATE (a notification from another object)
// never changes the gadget's identity or its place in the list.
IPTR SetGadgetAttributes(Object *obj, const struct TagItem *tags, ULONG methodID)
{
    GadgetData *data = GadgetOf(obj);
    struct ExtGadget &g = data->gadget;
    bool update = methodID == OM_UPDATE;
    IPTR changed = FALSE;
    const struct TagItem *walk = tags;
    while (struct TagItem *item = NextTagItem(&walk)) {
        IPTR v = item->ti_Data;
        switch (item->ti_Tag) {
        case GA_Left:
            g.LeftEdge = static_cast<WORD>(v);
            g.Flags &= ~GFLG_RELRIGHT;
            changed = TRUE;
            break;
        case GA_RelRight:
            g.LeftEdge = static_cast<WORD>(v);
            g.Flags |= GFLG_RELRIGHT;
            changed = TRUE;
            break;
        case GA_Top:
            g.TopEdge = static_cast<WORD>(v);
            g.Flags &= ~GFLG_RELBOTTOM;
            changed = TRUE;
            break;
        case GA_RelBottom:
            g.TopEdge = static_cast<WORD>(v);
            g.Flags |= GFLG_RELBOTTOM;
            changed = TRUE;
            break;
        case GA_Width:
            g.Width = static_cast<WORD>(v);
            g.Flags &= ~GFLG_RELWIDTH;
            changed = TRUE;
            break;
        case GA_RelWidth:
            g.Width = static_cast<WORD>(v);
            g.Flags |= GFLG_RELWIDTH;
            changed = TRUE;
            break;
        case GA_Height:
            g.Height = static_cast<WORD>(v);
            g.Flags &= ~GFLG_RELHEIGHT;
            changed = TRUE;
            break;
        case GA_RelHeight:
            g.Height = static_cast<WORD>(v);
            g.Flags |= GFLG_RELHEIGHT;
            changed = TRUE;
            break;
        case GA_Text:
            data->label = reinterpret_cast<STRPTR>(v);
            g.GadgetText = reinterpret_cast<struct IntuiText *>(v);
            g.Flags = static_cast<UWORD>((g.Flags & ~GFLG_LABELMASK) | GFLG_LABELSTRING);
            changed = TRUE;
            break;
        case GA_IntuiText:
            data->label = nullptr;
            g.GadgetText = reinterpret_cast<struct IntuiText *>(v);
            g.Flags = static_cast<UWORD>((g.Flags & ~GFLG_LABELMASK) | GFLG_LABELITEXT);
            changed = TRUE;
            break;
        case GA_LabelImage:
            data->label = nullptr;
            g.GadgetText = reinterpret_cast<struct IntuiText *>(v);
            g.Flags = static_cast<UWORD>((g.Flags & ~GFLG_LABELMASK) | GFLG_LABELIMAGE);
            changed = TRUE;
            break;
        case GA_Image:
            g.GadgetRender = reinterpret_cast<APTR>(v);
            g.Flags |= GFLG_GADGIMAGE;
            changed = TRUE;
            break;
        case GA_Border:
            g.GadgetRender = reinterpret_cast<APTR>(v);
            g.Flags &= ~GFLG_GADGIMAGE;
            changed = TRUE;
            break;
        case GA_SelectRender:
            g.SelectRender = reinterpret_cast<APTR>(v);
            g.Flags = static_cast<UWORD>((g.Flags & ~GFLG_GADGHIGHBITS) | GFLG_GADGHIMAGE);
            changed = TRUE;
            break;
        case GA_Highlight:
            g.Flags = static_cast<UWORD>((g.Flags & ~GFLG_GADGHIGHBITS) | (v & GFLG_GADGHIGHBITS));
            changed = TRUE;
            break;
        case GA_Disabled:
            if (((g.Flags & GFLG_DISABLED) != 0) != (v != 0))
                changed = TRUE;
            SetFlag(g.Flags, GFLG_DISABLED, v);
            break;
        case GA_Selected:
            if (((g.Flags & GFLG_SELECTED) != 0) != (v != 0))
                changed = TRUE;
            SetFlag(g.Flags, GFLG_SELECTED, v);
            break;
        case GA_ID:
            if (!update)
                g.GadgetID = static_cast<UWORD>(v);
            break;
        case GA_UserData:
            if (!update)
                g.UserData = reinterpret_cast<APTR>(v);
            break;
        case GA_SpecialInfo:
            if (!update)
                g.SpecialInfo = reinterpret_cast<APTR>(v);
            break;
        case GA_EndGadget:
            SetFlag(g.Activation, GACT_ENDGADGET, v);
            break;
        case GA_Immediate:
            SetFlag(g.Activation, GACT_IMMEDIATE, v);
            break;
        case GA_RelVerify:
            SetFlag(g.Activation, GACT_RELVERIFY, v);
            break;
        case GA_FollowMouse:
            SetFlag(g.Activation, GACT_FOLLOWMOUSE, v);
            break;
        case GA_RightBorder:
            SetFlag(g.Activation, GACT_RIGHTBORDER, v);
            break;
        case GA_LeftBorder:
            SetFlag(g.Activation, GACT_LEFTBORDER, v);
            break;
        case GA_TopBorder:
            SetFlag(g.Activation, GACT_TOPBORDER, v);
            break;
        case GA_BottomBorder:
            SetFlag(g.Activation, GACT_BOTTOMBORDER, v);
            break;
        case GA_ToggleSelect:
            SetFlag(g.Activation, GACT_TOGGLESELECT, v);
            break;
        case GA_SysGadget:
            SetFlag(g.GadgetType, GTYP_SYSGADGET, v);
            break;
        case GA_SysGType:
            g.GadgetType = static_cast<UWORD>((g.GadgetType & ~0x00F0) | (v & 0x00F0));
            break;
        case GA_GZZGadget:
            SetFlag(g.GadgetType, GTYP_GZZGADGET, v);
            break;
        case GA_TabCycle:
            SetFlag(g.Flags, GFLG_TABCYCLE, v);
            break;
        case GA_RelSpecial:
            SetFlag(g.Flags, GFLG_RELSPECIAL, v);
            break;
        case GA_GadgetHelp:
            if (v != 0)
                g.MoreFlags |= GMORE_GADGETHELP;
            else
                g.MoreFlags &= ~static_cast<ULONG>(GMORE_GADGETHELP);
            break;
        case GA_Bounds:
            if (v != 0) {
                auto *bounds = reinterpret_cast<const struct IBox *>(v);
                g.BoundsLeftEdge = bounds->Left;
                g.BoundsTopEdge = bounds->Top;
                g.BoundsWidth = bounds->Width;
                g.BoundsHeight = bounds->Height;
                g.MoreFlags |= GMORE_BOUNDS;
            }
            break;
        case GA_DrawInfo:
            data->drawInfo = reinterpret_cast<struct DrawInfo *>(v);
            break;
        case GA_Previous:
            if (methodID == OM_NEW && v != 0)
                reinterpret_cast<struct Gadget *>(v)->NextGadget = AsGadget(obj);
            break;
        case GA_Next:
            if (!update)
                g.NextGadget = reinterpret_cast<struct ExtGadget *>(v);
            break;
        default:
            break;
        }
    }
    if (!update)
        SetConnection(data->connection, tags);
    return changed;
}

IPTR GetGadgetAttribute(Object *obj, struct opGet *msg)
{
    GadgetData *data = GadgetOf(obj);
    const struct ExtGadget &g = data->gadget;
    IPTR &out = *msg->opg_Storage;
    switch (msg->opg_AttrID) {
    case GA_Left:
    case GA_RelRight:
        out = static_cast<IPTR>(static_cast<LONG>(g.LeftEdge));
        return TRUE;
    case GA_Top:
    case GA_RelBottom:
        out = static_cast<IPTR>(static_cast<LONG>(g.TopEdge));
        return TRUE;
    case GA_Width:
    case GA_RelWidth:
        out = static_cast<IPTR>(static_cast<LONG>(g.Width));
        return TRUE;
    case GA_Height:
    case GA_RelHeight:
        out = static_cast<IPTR>(static_cast<LONG>(g.Height));
        return TRUE;
    case GA_ID:
        out = g.GadgetID;
        return TRUE;
    case GA_UserData:
        out = reinterpret_cast<IPTR>(g.UserData);
        return TRUE;
    case GA_Selected:
        out = (g.Flags & GFLG_SELECTED) != 0;
        return TRUE;
    case GA_Disabled:
        out = (g.Flags & GFLG_DISABLED) != 0;
        return TRUE;
    case GA_Text:
        out = reinterpret_cast<IPTR>(data->label);
        return TRUE;
    case GA_Image:
        out = reinterpret_cast<IPTR>(g.GadgetRender);
        return TRUE;
    case GA_SpecialInfo:
        out = reinterpret_cast<IPTR>(g.SpecialInfo);
        return TRUE;
    case GA_DrawInfo:
        out = reinterpret_cast<IPTR>(data->drawInfo);
        return TRUE;
    case GA_ToggleSelect:
        out = (g.Activation & GACT_TOGGLESELECT) != 0;
        return TRUE;
    case GA_Immediate:
        out = (g.Activation & GACT_IMMEDIATE) != 0;
        return TRUE;
    case GA_RelVerify:
        out = (g.Activation & GACT_RELVERIFY) != 0;
        return TRUE;
    case GA_FollowMouse:
        out = (g.Activation & GACT_FOLLOWMOUSE) != 0;
        return TRUE;
    case GA_TabCycle:
        out = (g.Flags & GFLG_TABCYCLE) != 0;
        return TRUE;
    case ICA_TARGET:
        out = reinterpret_cast<IPTR>(data->connection.target);
        return TRUE;
    case ICA_MAP:
        out = reinterpret_cast<IPTR>(data->connection.map);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

ULONG GadgetInstanceSize() { return sizeof(GadgetData); }

struct DrawInfo *GadgetDrawInfo(Object *obj, const struct GadgetInfo *info)
{
    GadgetData *data = GadgetOf(obj);
    if (data->drawInfo != nullptr)
        return data->drawInfo;
    return info != nullptr ? info->gi_DrInfo : nullptr;
}

void RenderNow(Object *obj, struct GadgetInfo *info, LONG redraw)
{
    if (info == nullptr)
        return;
    struct RastPort *rp = ObtainGIRPort(info);
    if (rp == nullptr)
        return;
    struct gpRender msg{};
    msg.MethodID = GM_RENDER;
    msg.gpr_GInfo = info;
    msg.gpr_RPort = rp;
    msg.gpr_Redraw = redraw;
    DoMethodA(obj, reinterpret_cast<Msg>(&msg));
    ReleaseGIRPort(rp);
}

ULONG GadgetImageState(const struct Gadget *gadget, const struct GadgetInfo *info)
{
    bool selected = (gadget->Flags & GFLG_SELECTED) != 0;
    bool disabled = (gadget->Flags & GFLG_DISABLED) != 0;
    constexpr UWORD kBorders = GACT_RIGHTBORDER | GACT_LEFTBORDER | GACT_TOPBORDER | GACT_BOTTOMBORDER;
    bool inactiveBorder = (gadget->Activation & kBorders) != 0 && info != nullptr && info->gi_Window != nullptr &&
                          (info->gi_Window->Flags & WFLG_WINDOWACTIVE) == 0;
    if (disabled)
        return inactiveBorder ? IDS_INACTIVEDISABLED : (selected ? IDS_SELECTEDDISABLED : IDS_DISABLED);
    if (inactiveBorder)
        return selected ? IDS_INACTIVESELECTED : IDS_INACTIVENORMAL;
    return selected ? IDS_SELECTED : IDS_NORMAL;
}

IPTR GadgetDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made == nullptr)
            return 0;
        GadgetData *data = GadgetOf(made);
        data->gadget.GadgetType = GTYP_CUSTOMGADGET;
        data->gadget.Flags = GFLG_EXTENDED;
        SetGadgetAttributes(made, reinterpret_cast<struct opSet *>(msg)->ops_AttrList, OM_NEW);
        return reinterpret_cast<IPTR>(made);
    }
    case OM_SET:
    case OM_UPDATE:
        return SetGadgetAttributes(obj, reinterpret_cast<struct opSet *>(msg)->ops_AttrList, msg->MethodID);
    case OM_GET:
        return GetGadgetAttribute(obj, reinterpret_cast<struct opGet *>(msg));
    case OM_NOTIFY:
        return Notify(GadgetOf(obj)->connection, obj, reinterpret_cast<struct opUpdate *>(msg));
    case GM_HITTEST:
        return (AsGadget(obj)->Flags & GFLG_DISABLED) != 0 ? 0 : GMR_GADGETHIT;
    case GM_HELPTEST:
        return GMR_HELPHIT;
    case GM_GOACTIVE:
    case GM_HANDLEINPUT:
        return GMR_NOREUSE;
    case GM_RENDER:
    case GM_GOINACTIVE:
    case GM_LAYOUT:
        return 0;
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi

namespace hosted {

void GadgetBox(const struct Gadget *gadget, const struct GadgetInfo *info, struct IBox *box)
{
    struct IBox domain{};
    if (info != nullptr)
        domain = info->gi_Domain;
    box->Left = static_cast<WORD>(domain.Left + gadget->LeftEdge +
                                  ((gadget->Flags & GFLG_RELRIGHT) != 0 ? domain.Width - 1 : 0));
    box->Top = static_cast<WORD>(domain.Top + gadget->TopEdge +
                                 ((gadget->Flags & GFLG_RELBOTTOM) != 0 ? domain.Height - 1 : 0));
    box->Width = static_cast<WORD>(gadget->Width + ((gadget->Flags & GFLG_RELWIDTH) != 0 ? domain.Width : 0));
    box->Height = static_cast<WORD>(gadget->Height + ((gadget->Flags & GFLG_RELHEIGHT) != 0 ? domain.Height : 0));
}

}  // namespace hosted
