// asl/rowclass.cpp: the private gadget class of the list's rows: each draws one entry and reports a press at once.
#include "aslprivate.h"

#include <intuition/classes.h>
#include <intuition/gadgetclass.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <mutex>

namespace hosted::asl {

namespace {

UWORD Pen(const struct DrawInfo *dri, ULONG which)
{
    return dri != nullptr && which < dri->dri_NumPens ? dri->dri_Pens[which] : 1;
}

LONG Width(struct RastPort *rp, const std::string &text)
{
    return text.empty() ? 0 : TextLength(rp, text.data(), static_cast<ULONG>(text.size()));
}

// The text cut to a width, ending in "..." when it had to be cut.
std::string Fitted(struct RastPort *rp, const std::string &text, LONG width)
{
    if (Width(rp, text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && Width(rp, cut + "...") > width)
        cut.pop_back();
    return cut.empty() ? std::string() : cut + "...";
}

void Render(struct Gadget *g, struct RastPort *rp, struct GadgetInfo *info)
{
    const auto *view = static_cast<const RowView *>(g->UserData);
    const struct DrawInfo *dri = info != nullptr ? info->gi_DrInfo : nullptr;
    const LONG left = g->LeftEdge;
    const LONG top = g->TopEdge;
    const LONG width = g->Width;
    const LONG height = g->Height;
    if (width <= 0 || height <= 0)
        return;
    const bool selected = view != nullptr && view->selected;
    SetDrMd(rp, JAM2);
    SetAPen(rp, Pen(dri, selected ? FILLPEN : SHINEPEN));
    RectFill(rp, left, top, left + width - 1, top + height - 1);
    if (view == nullptr || view->style == RowStyle::Blank)
        return;
    if (dri != nullptr && dri->dri_Font != nullptr)
        SetFont(rp, dri->dri_Font);
    const bool marked = view->style == RowStyle::Drawer || view->style == RowStyle::Volume;
    UWORD namePen = selected ? Pen(dri, FILLTEXTPEN) : Pen(dri, marked ? FILLPEN : TEXTPEN);
    UWORD rightPen = selected ? Pen(dri, FILLTEXTPEN) : Pen(dri, marked ? FILLPEN : SHADOWPEN);
    const LONG pad = 4;
    const LONG baseline = top + (height - static_cast<LONG>(rp->TxHeight)) / 2 + rp->TxBaseline;
    SetDrMd(rp, JAM1);
    LONG rightWidth = Width(rp, view->right);
    LONG nameRoom = width - 2 * pad - (rightWidth > 0 ? rightWidth + 3 * pad : 0);
    if (view->style == RowStyle::Message)
        nameRoom = width - 2 * pad;
    std::string name = Fitted(rp, view->left, nameRoom);
    SetAPen(rp, namePen);
    Move(rp, left + pad, baseline);
    Text(rp, name.data(), static_cast<ULONG>(name.size()));
    if (rightWidth > 0 && view->style != RowStyle::Message) {
        SetAPen(rp, rightPen);
        Move(rp, left + width - pad - rightWidth, baseline);
        Text(rp, view->right.data(), static_cast<ULONG>(view->right.size()));
    }
}

IPTR Dispatch(struct IClass *cl, Object *obj, Msg msg)
{
    auto *g = reinterpret_cast<struct Gadget *>(obj);
    switch (msg->MethodID) {
    case GM_RENDER: {
        auto *render = reinterpret_cast<struct gpRender *>(msg);
        if (render->gpr_RPort != nullptr)
            Render(g, render->gpr_RPort, render->gpr_GInfo);
        return 0;
    }
    case GM_GOACTIVE: {
        auto *input = reinterpret_cast<struct gpInput *>(msg);
        const auto *view = static_cast<const RowView *>(g->UserData);
        bool entry = view != nullptr && view->style != RowStyle::Blank && view->style != RowStyle::Message;
        if (!entry || input->gpi_IEvent == nullptr)
            return GMR_NOREUSE;
        if (input->gpi_Termination != nullptr)
            *input->gpi_Termination = 0;
        return GMR_NOREUSE | GMR_VERIFY;
    }
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace

struct IClass *RowClass()
{
    static std::once_flag once;
    static struct IClass *made = nullptr;
    std::call_once(once, [] {
        made = MakeClass(nullptr, GADGETCLASS, nullptr, 0, 0);
        if (made != nullptr)
            made->cl_Dispatcher.h_Entry = DISPATCHERFUNC(Dispatch);
    });
    return made;
}

}  // namespace hosted::asl
