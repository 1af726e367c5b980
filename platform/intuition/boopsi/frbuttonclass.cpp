// boopsi/frbuttonclass.cpp: frbuttonclass, push and toggle buttons with a label centred in a frame image.
#include "classdata.h"

#include <hosted/graphics.h>
#include <proto/graphics.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

#include <cstring>

namespace hosted::boopsi {
namespace {

bool Given(const struct TagItem *tags, Tag fixed, Tag relative)
{
    return FindTagItem(fixed, tags) != nullptr || FindTagItem(relative, tags) != nullptr;
}

// Without a size of its own, the button is its label in the frame, measured
// with the screen's font.
void SizeToLabel(Object *obj, const struct TagItem *tags)
{
    struct Gadget *g = AsGadget(obj);
    GadgetData *data = GadgetOf(obj);
    bool width = Given(tags, GA_Width, GA_RelWidth);
    bool height = Given(tags, GA_Height, GA_RelHeight);
    struct TextFont *font = FontOf(data->drawInfo);
    if (font == nullptr)
        font = hosted::ScreenFont();   // what the label is drawn with in a window of the screen
    if ((width && height) || data->label == nullptr || font == nullptr)
        return;
    struct RastPort rp;
    InitRastPort(&rp);
    SetFont(&rp, font);
    struct IBox contents{0, 0, TextLength(&rp, data->label, static_cast<ULONG>(std::strlen(data->label))),
                         static_cast<WORD>(font->tf_YSize)};
    struct IBox frame = contents;
    auto *image = static_cast<struct Image *>(g->GadgetRender);
    if ((g->Flags & GFLG_GADGIMAGE) != 0 && image != nullptr && image->Depth == CUSTOMIMAGEDEPTH) {
        struct impFrameBox box{};
        box.MethodID = IM_FRAMEBOX;
        box.imp_ContentsBox = &contents;
        box.imp_FrameBox = &frame;
        box.imp_DrInfo = data->drawInfo;
        DoMethodA(reinterpret_cast<Object *>(image), reinterpret_cast<Msg>(&box));
    } else {
        frame.Width = static_cast<WORD>(contents.Width + 12);
        frame.Height = static_cast<WORD>(contents.Height + 4);
    }
    if (!width)
        g->Width = frame.Width;
    if (!height)
        g->Height = frame.Height;
}

}  // namespace

ULONG FrButtonInstanceSize() { return 0; }

IPTR FrButtonDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made != nullptr)
            SizeToLabel(made, reinterpret_cast<struct opSet *>(msg)->ops_AttrList);
        return reinterpret_cast<IPTR>(made);
    }
    case OM_SET:
    case OM_UPDATE:
        return ButtonSetAttributes(cl, obj, msg);
    case GM_RENDER:
        return ButtonRender(obj, msg, true);
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi
