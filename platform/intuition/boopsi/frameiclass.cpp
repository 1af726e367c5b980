// boopsi/frameiclass.cpp: frameiclass, the bevelled frames around buttons, fields and groups.
#include "classdata.h"

#include <proto/graphics.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

namespace hosted::boopsi {
namespace {

FrameData *FrameOf(struct IClass *cl, Object *obj) { return static_cast<FrameData *>(INST_DATA(cl, obj)); }

IPTR SetFrameAttributes(FrameData *data, const struct TagItem *tags)
{
    IPTR changed = FALSE;
    const struct TagItem *walk = tags;
    while (struct TagItem *item = NextTagItem(&walk)) {
        switch (item->ti_Tag) {
        case IA_FrameType:
            data->frameType = static_cast<UWORD>(item->ti_Data);
            changed = TRUE;
            break;
        case IA_Recessed:
            data->recessed = item->ti_Data != 0;
            changed = TRUE;
            break;
        case IA_EdgesOnly:
            data->edgesOnly = item->ti_Data != 0;
            changed = TRUE;
            break;
        default:
            break;
        }
    }
    return changed;
}

bool Pressed(ULONG state)
{
    return state == IDS_SELECTED || state == IDS_INACTIVESELECTED || state == IDS_SELECTEDDISABLED;
}

// Space between a frame and what it holds, beyond the frame's own lines.
void Padding(ULONG frameType, WORD *horizontal, WORD *vertical)
{
    switch (frameType) {
    case FRAME_BUTTON:
        *horizontal = 4;
        *vertical = 1;
        break;
    case FRAME_RIDGE:
    case FRAME_ICONDROPBOX:
        *horizontal = 2;
        *vertical = 1;
        break;
    default:
        *horizontal = 1;
        *vertical = 1;
        break;
    }
}

void DrawFrame(const FrameData *data, struct RastPort *rp, const struct DrawInfo *dri, LONG left, LONG top,
               LONG width, LONG height, ULONG state)
{
    if (rp == nullptr || width <= 0 || height <= 0)
        return;
    bool pressed = Pressed(state);
    bool sunk = data->recessed != pressed;
    WORD thickH = 0, thickV = 0;
    FrameThickness(data->frameType, &thickH, &thickV);
    if (!data->edgesOnly) {
        UWORD fill = PenOf(dri, pressed ? FILLPEN : BACKGROUNDPEN);
        FillBox(rp, fill, left + thickH, top + thickV, width - 2 * thickH, height - 2 * thickV);
    }
    switch (data->frameType) {
    case FRAME_RIDGE:
        // A groove (or, recessed, a ridge): two bevels of opposite sense.
        DrawBevel(rp, dri, left, top, width, height, !sunk);
        DrawBevel(rp, dri, left + 1, top + 1, width - 2, height - 2, sunk);
        break;
    case FRAME_ICONDROPBOX:
        DrawBevel(rp, dri, left, top, width, height, sunk);
        DrawBevel(rp, dri, left + 1, top + 1, width - 2, height - 2, !sunk);
        DrawBevel(rp, dri, left + 2, top + 2, width - 4, height - 4, true);
        break;
    default:
        DrawBevel(rp, dri, left, top, width, height, sunk);
        break;
    }
}

IPTR Draw(struct IClass *cl, Object *obj, struct impDraw *msg, bool frame)
{
    struct Image *im = AsImage(obj);
    LONG width = frame ? msg->imp_Dimensions.Width : im->Width;
    LONG height = frame ? msg->imp_Dimensions.Height : im->Height;
    DrawFrame(FrameOf(cl, obj), msg->imp_RPort, msg->imp_DrInfo, im->LeftEdge + msg->imp_Offset.X,
              im->TopEdge + msg->imp_Offset.Y, width, height, msg->imp_State);
    return 0;
}

// The frame that fits around a content box, or (FRAMEF_SPECIFY) the
// given frame size with the contents centred in it.
IPTR FrameBox(struct IClass *cl, Object *obj, struct impFrameBox *msg)
{
    if (msg->imp_ContentsBox == nullptr || msg->imp_FrameBox == nullptr)
        return 0;
    const FrameData *data = FrameOf(cl, obj);
    WORD thickH = 0, thickV = 0, padH = 0, padV = 0;
    FrameThickness(data->frameType, &thickH, &thickV);
    Padding(data->frameType, &padH, &padV);
    const struct IBox &contents = *msg->imp_ContentsBox;
    struct IBox &frame = *msg->imp_FrameBox;
    if ((msg->imp_FrameFlags & FRAMEF_SPECIFY) != 0) {
        frame.Left = static_cast<WORD>(contents.Left - (frame.Width - contents.Width) / 2);
        frame.Top = static_cast<WORD>(contents.Top - (frame.Height - contents.Height) / 2);
        return 1;
    }
    frame.Left = static_cast<WORD>(contents.Left - thickH - padH);
    frame.Top = static_cast<WORD>(contents.Top - thickV - padV);
    frame.Width = static_cast<WORD>(contents.Width + 2 * (thickH + padH));
    frame.Height = static_cast<WORD>(contents.Height + 2 * (thickV + padV));
    return 1;
}

}  // namespace

void FrameThickness(ULONG frameType, WORD *horizontal, WORD *vertical)
{
    switch (frameType) {
    case FRAME_RIDGE:
        *horizontal = 2;
        *vertical = 2;
        break;
    case FRAME_ICONDROPBOX:
        *horizontal = 3;
        *vertical = 3;
        break;
    default:   // FRAME_DEFAULT, FRAME_BUTTON
        *horizontal = 1;
        *vertical = 1;
        break;
    }
}

ULONG FrameInstanceSize() { return sizeof(FrameData); }

IPTR FrameDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made != nullptr)
            SetFrameAttributes(FrameOf(cl, made), reinterpret_cast<struct opSet *>(msg)->ops_AttrList);
        return reinterpret_cast<IPTR>(made);
    }
    case OM_SET:
    case OM_UPDATE: {
        IPTR changed = DoSuperMethodA(cl, obj, msg);
        return SetFrameAttributes(FrameOf(cl, obj), reinterpret_cast<struct opSet *>(msg)->ops_AttrList) | changed;
    }
    case OM_GET: {
        auto *get = reinterpret_cast<struct opGet *>(msg);
        const FrameData *data = FrameOf(cl, obj);
        switch (get->opg_AttrID) {
        case IA_FrameType:
            *get->opg_Storage = data->frameType;
            return TRUE;
        case IA_Recessed:
            *get->opg_Storage = data->recessed;
            return TRUE;
        case IA_EdgesOnly:
            *get->opg_Storage = data->edgesOnly;
            return TRUE;
        default:
            return DoSuperMethodA(cl, obj, msg);
        }
    }
    case IM_DRAW:
        return Draw(cl, obj, reinterpret_cast<struct impDraw *>(msg), false);
    case IM_DRAWFRAME:
        return Draw(cl, obj, reinterpret_cast<struct impDraw *>(msg), true);
    case IM_FRAMEBOX:
        return FrameBox(cl, obj, reinterpret_cast<struct impFrameBox *>(msg));
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi
