// boopsi/imageclass.cpp: imageclass, the base of every image object: place, size, pens and the default methods.
#include "classdata.h"

#include <proto/graphics.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

namespace hosted::boopsi {
namespace {

IPTR SetImageAttributes(Object *obj, const struct TagItem *tags)
{
    struct Image *im = AsImage(obj);
    IPTR changed = FALSE;
    const struct TagItem *walk = tags;
    while (struct TagItem *item = NextTagItem(&walk)) {
        IPTR v = item->ti_Data;
        switch (item->ti_Tag) {
        case IA_Left:
            im->LeftEdge = static_cast<WORD>(v);
            changed = TRUE;
            break;
        case IA_Top:
            im->TopEdge = static_cast<WORD>(v);
            changed = TRUE;
            break;
        case IA_Width:
            im->Width = static_cast<WORD>(v);
            changed = TRUE;
            break;
        case IA_Height:
            im->Height = static_cast<WORD>(v);
            changed = TRUE;
            break;
        case IA_FGPen:
            IM_FGPEN(im) = static_cast<UBYTE>(v);
            changed = TRUE;
            break;
        case IA_BGPen:
            IM_BGPEN(im) = static_cast<UBYTE>(v);
            changed = TRUE;
            break;
        case IA_Data:
            im->ImageData = reinterpret_cast<UWORD *>(v);
            changed = TRUE;
            break;
        default:
            break;
        }
    }
    return changed;
}

IPTR GetImageAttribute(Object *obj, struct opGet *msg)
{
    struct Image *im = AsImage(obj);
    IPTR &out = *msg->opg_Storage;
    switch (msg->opg_AttrID) {
    case IA_Left:
        out = static_cast<IPTR>(static_cast<LONG>(im->LeftEdge));
        return TRUE;
    case IA_Top:
        out = static_cast<IPTR>(static_cast<LONG>(im->TopEdge));
        return TRUE;
    case IA_Width:
        out = static_cast<IPTR>(static_cast<LONG>(im->Width));
        return TRUE;
    case IA_Height:
        out = static_cast<IPTR>(static_cast<LONG>(im->Height));
        return TRUE;
    case IA_FGPen:
        out = IM_FGPEN(im);
        return TRUE;
    case IA_BGPen:
        out = IM_BGPEN(im);
        return TRUE;
    case IA_Data:
        out = reinterpret_cast<IPTR>(im->ImageData);
        return TRUE;
    default:
        return FALSE;
    }
}

// IM_HITTEST and IM_HITFRAME: the point is relative to the image's place.
IPTR HitTest(Object *obj, struct impHitTest *msg, bool frame)
{
    struct Image *im = AsImage(obj);
    LONG width = frame ? msg->imp_Dimensions.Width : im->Width;
    LONG height = frame ? msg->imp_Dimensions.Height : im->Height;
    LONG x = msg->imp_Point.X;
    LONG y = msg->imp_Point.Y;
    return x >= 0 && y >= 0 && x < width && y < height;
}

void Erase(Object *obj, struct impErase *msg, bool frame)
{
    struct Image *im = AsImage(obj);
    LONG width = frame ? msg->imp_Dimensions.Width : im->Width;
    LONG height = frame ? msg->imp_Dimensions.Height : im->Height;
    if (msg->imp_RPort == nullptr || width <= 0 || height <= 0)
        return;
    LONG left = im->LeftEdge + msg->imp_Offset.X;
    LONG top = im->TopEdge + msg->imp_Offset.Y;
    EraseRect(msg->imp_RPort, left, top, left + width - 1, top + height - 1);
}

}  // namespace

ULONG ImageInstanceSize() { return sizeof(struct Image); }

IPTR ImageDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made == nullptr)
            return 0;
        AsImage(made)->Depth = CUSTOMIMAGEDEPTH;
        SetImageAttributes(made, reinterpret_cast<struct opSet *>(msg)->ops_AttrList);
        return reinterpret_cast<IPTR>(made);
    }
    case OM_SET:
    case OM_UPDATE:
        return SetImageAttributes(obj, reinterpret_cast<struct opSet *>(msg)->ops_AttrList);
    case OM_GET:
        return GetImageAttribute(obj, reinterpret_cast<struct opGet *>(msg));
    case IM_DRAW:
    case IM_DRAWFRAME:
        return 0;   // a plain image object shows nothing
    case IM_MOVE: {
        // Draw at the new place; the old one is the caller's to repair.
        auto move = *reinterpret_cast<struct impDraw *>(msg);
        move.MethodID = IM_DRAW;
        return DoMethodA(obj, reinterpret_cast<Msg>(&move));
    }
    case IM_HITTEST:
        return HitTest(obj, reinterpret_cast<struct impHitTest *>(msg), false);
    case IM_HITFRAME:
        return HitTest(obj, reinterpret_cast<struct impHitTest *>(msg), true);
    case IM_ERASE:
        Erase(obj, reinterpret_cast<struct impErase *>(msg), false);
        return 0;
    case IM_ERASEFRAME:
        Erase(obj, reinterpret_cast<struct impErase *>(msg), true);
        return 0;
    case IM_FRAMEBOX: {
        // No frame of its own: the frame is the contents.
        auto *box = reinterpret_cast<struct impFrameBox *>(msg);
        if (box->imp_FrameBox != nullptr && box->imp_ContentsBox != nullptr)
            *box->imp_FrameBox = *box->imp_ContentsBox;
        return 0;
    }
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi
