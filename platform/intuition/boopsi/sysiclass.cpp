// boopsi/sysiclass.cpp: sysiclass, the system's images: scroller arrows, sizing grip, window gadgets, check and radio marks.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/graphics.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

namespace hosted::boopsi {
namespace {

SysData *SysOf(struct IClass *cl, Object *obj) { return static_cast<SysData *>(INST_DATA(cl, obj)); }

bool Pressed(ULONG state)
{
    return state == IDS_SELECTED || state == IDS_INACTIVESELECTED || state == IDS_SELECTEDDISABLED;
}

bool Disabled(ULONG state)
{
    return state == IDS_DISABLED || state == IDS_INACTIVEDISABLED || state == IDS_SELECTEDDISABLED;
}

bool Inactive(ULONG state)
{
    return state == IDS_INACTIVENORMAL || state == IDS_INACTIVESELECTED || state == IDS_INACTIVEDISABLED;
}

// The window and scroller gadgets: a bevelled button with a picture.
void DrawButtonImage(const SysData *data, struct RastPort *rp, const struct DrawInfo *dri, LONG x, LONG y, LONG w,
                     LONG h, ULONG state)
{
    bool pressed = Pressed(state);
    FillBox(rp, PenOf(dri, pressed ? FILLPEN : BACKGROUNDPEN), x, y, w, h);
    DrawBevel(rp, dri, x, y, w, h, pressed);
    UWORD pen = PenOf(dri, pressed ? FILLTEXTPEN : (Inactive(state) ? SHADOWPEN : TEXTPEN));
    LONG ix = x + 1, iy = y + 1, iw = w - 2, ih = h - 2;
    switch (data->which) {
    case UPIMAGE:
        DrawArrow(rp, pen, ix, iy, iw, ih, Direction::Up);
        break;
    case DOWNIMAGE:
        DrawArrow(rp, pen, ix, iy, iw, ih, Direction::Down);
        break;
    case LEFTIMAGE:
        DrawArrow(rp, pen, ix, iy, iw, ih, Direction::Left);
        break;
    case RIGHTIMAGE:
        DrawArrow(rp, pen, ix, iy, iw, ih, Direction::Right);
        break;
    case SIZEIMAGE:
        DrawSizeGrip(rp, dri, pen, ix, iy, iw, ih);
        break;
    case CLOSEIMAGE:
        DrawCloseMark(rp, dri, pen, ix, iy, iw, ih);
        break;
    case ZOOMIMAGE:
        DrawZoomMark(rp, dri, pen, ix, iy, iw, ih);
        break;
    default:   // DEPTHIMAGE, SDEPTHIMAGE
        DrawDepthMark(rp, dri, pen, ix, iy, iw, ih);
        break;
    }
}

IPTR Draw(struct IClass *cl, Object *obj, struct impDraw *msg)
{
    const SysData *data = SysOf(cl, obj);
    struct Image *im = AsImage(obj);
    struct RastPort *rp = msg->imp_RPort;
    if (rp == nullptr || im->Width <= 0 || im->Height <= 0)
        return 0;
    const struct DrawInfo *dri = msg->imp_DrInfo != nullptr ? msg->imp_DrInfo : data->drawInfo;
    LONG x = im->LeftEdge + msg->imp_Offset.X;
    LONG y = im->TopEdge + msg->imp_Offset.Y;
    LONG w = im->Width, h = im->Height;
    ULONG state = msg->imp_State;
    switch (data->which) {
    case CHECKIMAGE:
        FillBox(rp, PenOf(dri, BACKGROUNDPEN), x, y, w, h);
        DrawBevel(rp, dri, x, y, w, h, false);
        if (Pressed(state))
            DrawCheckMark(rp, PenOf(dri, TEXTPEN), x + 2, y + 2, w - 4, h - 4);
        break;
    case MXIMAGE:
        FillBox(rp, PenOf(dri, BACKGROUNDPEN), x, y, w, h);
        DrawBevel(rp, dri, x, y, w, h, Pressed(state));
        if (Pressed(state))
            DrawDisc(rp, PenOf(dri, FILLPEN), x + 3, y + 3, w - 6, h - 6);
        break;
    case MENUCHECK:
        DrawCheckMark(rp, PenOf(dri, BARDETAILPEN), x, y, w, h);
        break;
    case AMIGAKEY:
        FillBox(rp, PenOf(dri, BARDETAILPEN), x + 1, y, w - 2, h);
        CentredText(rp, dri, "A", PenOf(dri, BARBLOCKPEN), x + 1, y, w - 2, h);
        break;
    default:
        DrawButtonImage(data, rp, dri, x, y, w, h, state);
        break;
    }
    if (Disabled(state))
        Ghost(rp, PenOf(dri, BACKGROUNDPEN), x, y, w, h);
    return 0;
}

}  // namespace

ULONG SysInstanceSize() { return sizeof(SysData); }

IPTR SysDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made == nullptr)
            return 0;
        const struct TagItem *tags = reinterpret_cast<struct opSet *>(msg)->ops_AttrList;
        SysData *data = SysOf(cl, made);
        data->which = static_cast<ULONG>(GetTagData(SYSIA_Which, DEPTHIMAGE, tags));
        data->size = static_cast<ULONG>(GetTagData(SYSIA_Size, SYSISIZE_MEDRES, tags));
        data->drawInfo = reinterpret_cast<struct DrawInfo *>(GetTagData(SYSIA_DrawInfo, 0, tags));
        // The size follows the screen's font unless the caller gave one.
        WORD width = 0, height = 0;
        hosted::SystemImageSize(data->drawInfo, data->which, &width, &height);
        struct Image *im = AsImage(made);
        if (FindTagItem(IA_Width, tags) == nullptr)
            im->Width = width;
        if (FindTagItem(IA_Height, tags) == nullptr)
            im->Height = height;
        return reinterpret_cast<IPTR>(made);
    }
    case OM_GET: {
        auto *get = reinterpret_cast<struct opGet *>(msg);
        const SysData *data = SysOf(cl, obj);
        switch (get->opg_AttrID) {
        case SYSIA_Which:
            *get->opg_Storage = data->which;
            return TRUE;
        case SYSIA_Size:
            *get->opg_Storage = data->size;
            return TRUE;
        case SYSIA_DrawInfo:
            *get->opg_Storage = reinterpret_cast<IPTR>(data->drawInfo);
            return TRUE;
        default:
            return DoSuperMethodA(cl, obj, msg);
        }
    }
    case IM_DRAW:
    case IM_DRAWFRAME:
        return Draw(cl, obj, reinterpret_cast<struct impDraw *>(msg));
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi
