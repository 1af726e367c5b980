// tools/multiview/linkgclass.cpp: link buttons: buttongclass's behaviour with the page's look of a link.
#include "linkgclass.h"

#include <intuition/cghooks.h>
#include <intuition/gadgetclass.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <mutex>

namespace hosted::multiview {

namespace {

void Render(Object *obj, struct RastPort *rp)
{
    auto *gadget = reinterpret_cast<struct Gadget *>(obj);
    const auto *face = static_cast<const LinkFace *>(gadget->UserData);
    if (rp == nullptr || face == nullptr)
        return;
    if (face->font != nullptr)
        SetFont(rp, face->font);
    LinkLook look = (gadget->Flags & GFLG_SELECTED) != 0 ? LinkLook::Pressed
                    : face->focused                        ? LinkLook::Focused
                                                           : LinkLook::Normal;
    PaintLinkFace(rp, face->pens, face->label, face->style, gadget->LeftEdge, gadget->TopEdge, gadget->Width,
                  gadget->Height, face->baseline, look);
}

IPTR Dispatch(struct Hook *hook, APTR object, APTR message)
{
    auto *cl = reinterpret_cast<struct IClass *>(hook);
    auto *obj = static_cast<Object *>(object);
    auto *msg = static_cast<Msg>(message);
    if (msg->MethodID == GM_RENDER) {
        Render(obj, reinterpret_cast<struct gpRender *>(msg)->gpr_RPort);
        return 0;
    }
    return DoSuperMethodA(cl, obj, msg);
}

}  // namespace

struct IClass *LinkButtonClass()
{
    static std::once_flag once;
    static struct IClass *made = nullptr;
    std::call_once(once, [] {
        made = MakeClass(nullptr, BUTTONGCLASS, nullptr, 0, 0);
        if (made != nullptr)
            made->cl_Dispatcher.h_Entry = Dispatch;
    });
    return made;
}

}  // namespace hosted::multiview
