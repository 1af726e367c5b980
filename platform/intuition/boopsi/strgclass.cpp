// boopsi/strgclass.cpp: strgclass, one-line text and integer fields edited with the keyboard.
#include "classdata.h"

#include <hosted/boopsi.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition_boopsi.h>
#include <proto/utility.h>

#include <algorithm>
#include <cstring>

namespace hosted::boopsi {
namespace {

struct StrgData {
    struct StringInfo info;
    struct StringExtend extend;
    STRPTR ownBuffer;        // the text buffer when the program gave none
    STRPTR undo;             // the text as it was when editing began
    bool pensGiven;          // STRINGA_Pens
    bool activePensGiven;    // STRINGA_ActivePens
    bool active;             // being edited
};

StrgData *StrgOf(struct IClass *cl, Object *obj) { return static_cast<StrgData *>(INST_DATA(cl, obj)); }

bool Integer(Object *obj) { return (AsGadget(obj)->Activation & GACT_LONGINT) != 0; }

bool Replace(const StrgData *d) { return (d->extend.InitialModes & SGM_REPLACE) != 0; }

void SyncLong(Object *obj, StrgData *d)
{
    if (Integer(obj))
        d->info.LongInt = EditParseLong(d->info.Buffer);
}

// A new text buffer of the given size: the program's, or one of our own.
bool SetBuffer(StrgData *d, STRPTR programBuffer, LONG maxChars)
{
    maxChars = std::clamp<LONG>(maxChars, 1, 0x7FFF);
    auto *undo = static_cast<STRPTR>(AllocVec(static_cast<ULONG>(maxChars), MEMF_CLEAR));
    STRPTR own = nullptr;
    if (programBuffer == nullptr)
        own = static_cast<STRPTR>(AllocVec(static_cast<ULONG>(maxChars), MEMF_CLEAR));
    if (undo == nullptr || (programBuffer == nullptr && own == nullptr)) {
        FreeVec(undo);
        FreeVec(own);
        return false;
    }
    FreeVec(d->undo);
    FreeVec(d->ownBuffer);
    d->undo = undo;
    d->ownBuffer = own;
    d->info.Buffer = programBuffer != nullptr ? programBuffer : own;
    d->info.UndoBuffer = undo;
    d->info.MaxChars = static_cast<WORD>(maxChars);
    // The program's text stays, cut (and terminated) at the buffer's end.
    d->info.Buffer[maxChars - 1] = '\0';
    d->info.NumChars = static_cast<WORD>(std::strlen(d->info.Buffer));
    d->info.BufferPos = std::min(d->info.BufferPos, d->info.NumChars);
    d->info.DispPos = 0;
    return true;
}

// Returns TRUE when the look changed; FALSE in *ok when memory ran out.
IPTR SetStrgAttributes(Object *obj, StrgData *d, const struct TagItem *tags, bool *ok)
{
    struct Gadget *g = AsGadget(obj);
    IPTR changed = FALSE;
    *ok = true;
    struct TagItem *buffer = FindTagItem(STRINGA_Buffer, tags);
    struct TagItem *maxChars = FindTagItem(STRINGA_MaxChars, tags);
    if (buffer != nullptr || maxChars != nullptr) {
        STRPTR program = buffer != nullptr ? reinterpret_cast<STRPTR>(buffer->ti_Data)
                                           : (d->ownBuffer == nullptr ? d->info.Buffer : nullptr);
        LONG size = maxChars != nullptr ? static_cast<LONG>(maxChars->ti_Data) : d->info.MaxChars;
        if (!SetBuffer(d, program, size)) {
            *ok = false;
            return FALSE;
        }
        changed = TRUE;
    }
    const struct TagItem *walk = tags;
    while (struct TagItem *item = NextTagItem(&walk)) {
        IPTR v = item->ti_Data;
        switch (item->ti_Tag) {
        case STRINGA_Pens:
            d->extend.Pens[0] = static_cast<UBYTE>(v & 0xFF);
            d->extend.Pens[1] = static_cast<UBYTE>((v >> 8) & 0xFF);
            d->pensGiven = true;
            changed = TRUE;
            break;
        case STRINGA_ActivePens:
            d->extend.ActivePens[0] = static_cast<UBYTE>(v & 0xFF);
            d->extend.ActivePens[1] = static_cast<UBYTE>((v >> 8) & 0xFF);
            d->activePensGiven = true;
            changed = TRUE;
            break;
        case STRINGA_LongVal:
            g->Activation |= GACT_LONGINT;
            EditSetLong(&d->info, static_cast<LONG>(v));
            changed = TRUE;
            break;
        case STRINGA_TextVal:
            EditSetText(&d->info, reinterpret_cast<CONST_STRPTR>(v));
            SyncLong(obj, d);
            changed = TRUE;
            break;
        case STRINGA_BufferPos:
            EditMoveTo(&d->info, static_cast<LONG>(v));
            changed = TRUE;
            break;
        case STRINGA_DispPos:
            d->info.DispPos = static_cast<WORD>(std::clamp<LONG>(static_cast<LONG>(v), 0, d->info.NumChars));
            changed = TRUE;
            break;
        case STRINGA_Justification:
            g->Activation = static_cast<UWORD>((g->Activation & ~(GACT_STRINGCENTER | GACT_STRINGRIGHT)) |
                                               (v & (GACT_STRINGCENTER | GACT_STRINGRIGHT)));
            changed = TRUE;
            break;
        case STRINGA_Font:
            d->extend.Font = reinterpret_cast<struct TextFont *>(v);
            changed = TRUE;
            break;
        case STRINGA_ReplaceMode:
            if (v != 0)
                d->extend.InitialModes |= SGM_REPLACE;
            else
                d->extend.InitialModes &= ~static_cast<ULONG>(SGM_REPLACE);
            break;
        case STRINGA_ExitHelp:
            if (v != 0)
                d->extend.InitialModes |= SGM_EXITHELP;
            else
                d->extend.InitialModes &= ~static_cast<ULONG>(SGM_EXITHELP);
            break;
        case STRINGA_EditModes:
            d->extend.InitialModes = static_cast<ULONG>(v);
            break;
        case STRINGA_EditHook:
            d->extend.EditHook = reinterpret_cast<struct Hook *>(v);
            break;
        case STRINGA_AltKeyMap:
            d->info.AltKeyMap = reinterpret_cast<struct KeyMap *>(v);
            break;
        default:
            break;
        }
    }
    return changed;
}

IPTR GetStrgAttribute(Object *obj, StrgData *d, struct opGet *msg)
{
    IPTR &out = *msg->opg_Storage;
    switch (msg->opg_AttrID) {
    case STRINGA_LongVal:
        out = static_cast<IPTR>(static_cast<SIPTR>(Integer(obj) ? EditParseLong(d->info.Buffer) : d->info.LongInt));
        return TRUE;
    case STRINGA_TextVal:
    case STRINGA_Buffer:
        out = reinterpret_cast<IPTR>(d->info.Buffer);
        return TRUE;
    case STRINGA_MaxChars:
        out = static_cast<IPTR>(d->info.MaxChars);
        return TRUE;
    case STRINGA_BufferPos:
        out = static_cast<IPTR>(d->info.BufferPos);
        return TRUE;
    case STRINGA_DispPos:
        out = static_cast<IPTR>(d->info.DispPos);
        return TRUE;
    case STRINGA_UndoBuffer:
        out = reinterpret_cast<IPTR>(d->info.UndoBuffer);
        return TRUE;
    case STRINGA_Pens:
        out = static_cast<IPTR>(d->extend.Pens[0] | (d->extend.Pens[1] << 8));
        return TRUE;
    case STRINGA_ActivePens:
        out = static_cast<IPTR>(d->extend.ActivePens[0] | (d->extend.ActivePens[1] << 8));
        return TRUE;
    case STRINGA_Justification:
        out = AsGadget(obj)->Activation & (GACT_STRINGCENTER | GACT_STRINGRIGHT);
        return TRUE;
    case STRINGA_Font:
        out = reinterpret_cast<IPTR>(d->extend.Font);
        return TRUE;
    default:
        return FALSE;
    }
}

// --- Layout of the text in the field -----------------------------------------

struct TextLayout {
    struct IBox box;      // the field: the text area
    LONG textLeft;        // where character DispPos starts
    LONG baseline;
};

struct TextFont *FieldFont(const StrgData *d, const struct DrawInfo *dri)
{
    return d->extend.Font != nullptr ? d->extend.Font : FontOf(dri);
}

LONG Width(struct RastPort *rp, const StrgData *d, LONG from, LONG count)
{
    if (count <= 0)
        return 0;
    return TextLength(rp, d->info.Buffer + from, static_cast<ULONG>(count));
}

// The cursor is a block as wide as the character under it, or as a blank
// at the end of the text.
LONG CursorWidth(struct RastPort *rp, const StrgData *d)
{
    if (d->info.BufferPos < d->info.NumChars)
        return Width(rp, d, d->info.BufferPos, 1);
    return TextLength(rp, " ", 1);
}

// Scrolls the text so that the cursor shows while the field is edited, and
// so that no room is left empty at the end while text is hidden at the
// start. A field that is not edited keeps its place (a new text shows
// from its start).
void FitDisplay(struct RastPort *rp, StrgData *d, LONG width)
{
    struct StringInfo &si = d->info;
    si.DispPos = static_cast<WORD>(std::clamp<LONG>(si.DispPos, 0, si.NumChars));
    LONG cursor = 0;
    if (d->active) {
        cursor = CursorWidth(rp, d);
        if (si.BufferPos < si.DispPos)
            si.DispPos = si.BufferPos;
        while (si.DispPos < si.BufferPos && Width(rp, d, si.DispPos, si.BufferPos - si.DispPos) + cursor > width)
            si.DispPos++;
    }
    while (si.DispPos > 0 && Width(rp, d, si.DispPos - 1, si.NumChars - si.DispPos + 1) + cursor <= width)
        si.DispPos--;
}

TextLayout Layout(Object *obj, StrgData *d, struct RastPort *rp, struct GadgetInfo *info)
{
    TextLayout layout{};
    hosted::GadgetBox(AsGadget(obj), info, &layout.box);
    struct DrawInfo *dri = GadgetDrawInfo(obj, info);
    if (struct TextFont *font = FieldFont(d, dri))
        SetFont(rp, font);
    FitDisplay(rp, d, layout.box.Width);
    LONG shown = Width(rp, d, d->info.DispPos, d->info.NumChars - d->info.DispPos);
    LONG room = layout.box.Width - shown - (d->active ? CursorWidth(rp, d) : 0);
    UWORD justify = AsGadget(obj)->Activation & (GACT_STRINGCENTER | GACT_STRINGRIGHT);
    layout.textLeft = layout.box.Left;
    if (room > 0 && d->info.DispPos == 0) {
        if (justify == GACT_STRINGCENTER)
            layout.textLeft += room / 2;
        else if (justify == GACT_STRINGRIGHT)
            layout.textLeft += room;
    }
    layout.baseline = layout.box.Top + (layout.box.Height - static_cast<LONG>(rp->TxHeight)) / 2 + rp->TxBaseline;
    return layout;
}

// The character position under a point of the field (box-relative x).
LONG PositionAt(Object *obj, StrgData *d, struct GadgetInfo *info, LONG mouseX)
{
    struct RastPort rp;
    InitRastPort(&rp);
    TextLayout layout = Layout(obj, d, &rp, info);
    LONG x = layout.box.Left + mouseX - layout.textLeft;
    LONG position = d->info.DispPos;
    while (position < d->info.NumChars) {
        LONG w = Width(&rp, d, position, 1);
        if (x < w / 2 + (w % 2))
            break;
        x -= w;
        position++;
    }
    return position;
}

void Render(Object *obj, StrgData *d, struct RastPort *rp, struct GadgetInfo *info)
{
    struct DrawInfo *dri = GadgetDrawInfo(obj, info);
    TextLayout layout = Layout(obj, d, rp, info);
    const struct IBox &box = layout.box;
    UWORD fg = d->pensGiven ? d->extend.Pens[0] : PenOf(dri, TEXTPEN);
    UWORD bg = d->pensGiven ? d->extend.Pens[1] : PenOf(dri, BACKGROUNDPEN);
    if (d->active && d->activePensGiven) {
        fg = d->extend.ActivePens[0];
        bg = d->extend.ActivePens[1];
    }
    // A recessed well two pixels around the text area, with a pixel of the
    // field's colour between well and text.
    DrawBevel(rp, dri, box.Left - 2, box.Top - 2, box.Width + 4, box.Height + 4, true);
    FillBox(rp, bg, box.Left - 1, box.Top - 1, box.Width + 2, box.Height + 2);

    struct StringInfo &si = d->info;
    LONG right = box.Left + box.Width;
    LONG x = layout.textLeft;
    SetDrMd(rp, JAM1);
    SetAPen(rp, fg);
    LONG shown = 0;
    for (LONG i = si.DispPos; i < si.NumChars; i++) {
        LONG w = Width(rp, d, i, 1);
        if (x + w > right)
            break;
        bool cursor = d->active && i == si.BufferPos;
        if (cursor) {
            FillBox(rp, fg, x, box.Top, w, box.Height);
            SetAPen(rp, bg);
        }
        Move(rp, x, layout.baseline);
        Text(rp, si.Buffer + i, 1);
        if (cursor)
            SetAPen(rp, fg);
        x += w;
        shown++;
    }
    si.DispCount = static_cast<WORD>(shown);
    if (d->active && si.BufferPos >= si.NumChars) {
        LONG w = std::min(CursorWidth(rp, d), right - x);
        FillBox(rp, fg, x, box.Top, w, box.Height);
    }
    si.CLeft = static_cast<WORD>(layout.textLeft - box.Left);
    si.CTop = static_cast<WORD>(layout.baseline - rp->TxBaseline - box.Top);
    if ((AsGadget(obj)->Flags & GFLG_DISABLED) != 0)
        Ghost(rp, PenOf(dri, BACKGROUNDPEN), box.Left - 2, box.Top - 2, box.Width + 4, box.Height + 4);
}

// --- Editing -----------------------------------------------------------------

void NotifyValue(Object *obj, StrgData *d, struct GadgetInfo *info, ULONG flags)
{
    struct TagItem tags[] = {{TAG_IGNORE, 0}, {GA_ID, AsGadget(obj)->GadgetID}, {TAG_DONE, 0}};
    if (Integer(obj)) {
        tags[0].ti_Tag = STRINGA_LongVal;
        tags[0].ti_Data = static_cast<IPTR>(static_cast<SIPTR>(d->info.LongInt));
    } else {
        tags[0].ti_Tag = STRINGA_TextVal;
        tags[0].ti_Data = reinterpret_cast<IPTR>(d->info.Buffer);
    }
    NotifyAttrs(obj, info, flags, tags);
}

IPTR Finish(Object *obj, StrgData *d, struct gpInput *msg, LONG termination, IPTR result)
{
    if (msg->gpi_Termination != nullptr)
        *msg->gpi_Termination = termination;
    SyncLong(obj, d);
    // Editing is over: a target that corrects the value (a slider at the
    // end of its range) may now show the correction here.
    d->active = false;
    NotifyValue(obj, d, msg->gpi_GInfo, 0);
    return result;
}

IPTR HandleKey(Object *obj, StrgData *d, struct gpInput *msg)
{
    struct StringInfo &si = d->info;
    ULONG character = 0;
    bool textChanged = false;
    bool cursorMoved = false;
    switch (ClassifyKey(msg->gpi_IEvent, &character)) {
    case EditKey::None:
        return GMR_MEACTIVE;
    case EditKey::Character:
        textChanged = EditInsert(&si, static_cast<UBYTE>(character), Integer(obj), Replace(d));
        break;
    case EditKey::Left:
        cursorMoved = EditMoveTo(&si, si.BufferPos - 1);
        break;
    case EditKey::Right:
        cursorMoved = EditMoveTo(&si, si.BufferPos + 1);
        break;
    case EditKey::Start:
        cursorMoved = EditMoveTo(&si, 0);
        break;
    case EditKey::End:
        cursorMoved = EditMoveTo(&si, si.NumChars);
        break;
    case EditKey::BackSpace:
        textChanged = EditDeleteBackward(&si);
        break;
    case EditKey::Delete:
        textChanged = EditDeleteForward(&si);
        break;
    case EditKey::DeleteToStart:
        textChanged = EditDeleteToStart(&si);
        break;
    case EditKey::DeleteToEnd:
        textChanged = EditDeleteToEnd(&si);
        break;
    case EditKey::Undo:
        EditSetText(&si, si.UndoBuffer);
        textChanged = true;
        break;
    case EditKey::Clear:
        EditSetText(&si, "");
        textChanged = true;
        break;
    case EditKey::Return:
        return Finish(obj, d, msg, 0, GMR_NOREUSE | GMR_VERIFY);
    case EditKey::Tab:
        return Finish(obj, d, msg, 9, GMR_NOREUSE | GMR_VERIFY | GMR_NEXTACTIVE);
    case EditKey::BackTab:
        return Finish(obj, d, msg, 9, GMR_NOREUSE | GMR_VERIFY | GMR_PREVACTIVE);
    case EditKey::Help:
        // With STRINGA_ExitHelp the Help key ends editing, its raw code the
        // termination, so the program can show help for the field.
        if ((d->extend.InitialModes & SGM_EXITHELP) == 0)
            return GMR_MEACTIVE;
        return Finish(obj, d, msg, RAWKEY_HELP, GMR_NOREUSE | GMR_VERIFY);
    case EditKey::Escape:
        // The text goes back to what it was when editing began.
        EditSetText(&si, si.UndoBuffer);
        si.BufferPos = std::min(si.UndoPos, si.NumChars);
        SyncLong(obj, d);
        return GMR_NOREUSE;
    }
    if (textChanged) {
        SyncLong(obj, d);
        if (Integer(obj))
            NotifyValue(obj, d, msg->gpi_GInfo, OPUF_INTERIM);
    }
    if (textChanged || cursorMoved)
        RenderNow(obj, msg->gpi_GInfo, GREDRAW_UPDATE);
    return GMR_MEACTIVE;
}

IPTR GoActive(Object *obj, StrgData *d, struct gpInput *msg)
{
    struct Gadget *g = AsGadget(obj);
    if ((g->Flags & GFLG_DISABLED) != 0)
        return GMR_NOREUSE;
    struct StringInfo &si = d->info;
    std::memcpy(si.UndoBuffer, si.Buffer, static_cast<size_t>(si.NumChars) + 1);
    si.UndoPos = si.BufferPos;
    // The click is measured against the text as it was shown, before the
    // field scrolls for editing.
    LONG position = si.NumChars;
    if (msg->gpi_IEvent != nullptr && msg->gpi_IEvent->ie_Class == IECLASS_RAWMOUSE)
        position = PositionAt(obj, d, msg->gpi_GInfo, msg->gpi_Mouse.X);
    d->active = true;
    g->Flags |= GFLG_SELECTED;
    EditMoveTo(&si, position);
    RenderNow(obj, msg->gpi_GInfo, GREDRAW_UPDATE);
    return GMR_MEACTIVE;
}

IPTR HandleInput(Object *obj, StrgData *d, struct gpInput *msg)
{
    const struct InputEvent *ie = msg->gpi_IEvent;
    if (ie == nullptr)
        return GMR_MEACTIVE;
    if (ie->ie_Class == IECLASS_RAWKEY)
        return HandleKey(obj, d, msg);
    if (IsSelectDown(ie)) {
        struct IBox box{};
        hosted::GadgetBox(AsGadget(obj), msg->gpi_GInfo, &box);
        bool inside = msg->gpi_Mouse.X >= 0 && msg->gpi_Mouse.Y >= 0 && msg->gpi_Mouse.X < box.Width &&
                      msg->gpi_Mouse.Y < box.Height;
        if (!inside)
            return GMR_REUSE;   // a click elsewhere ends editing and is acted on there
        if (EditMoveTo(&d->info, PositionAt(obj, d, msg->gpi_GInfo, msg->gpi_Mouse.X)))
            RenderNow(obj, msg->gpi_GInfo, GREDRAW_UPDATE);
        return GMR_MEACTIVE;
    }
    if (IsMenuDown(ie))
        return GMR_REUSE;
    return GMR_MEACTIVE;
}

}  // namespace

ULONG StrgInstanceSize() { return sizeof(StrgData); }

IPTR StrgDispatch(struct IClass *cl, Object *obj, Msg msg)
{
    switch (msg->MethodID) {
    case OM_NEW: {
        Object *made = reinterpret_cast<Object *>(DoSuperMethodA(cl, obj, msg));
        if (made == nullptr)
            return 0;
        StrgData *d = StrgOf(cl, made);
        const struct TagItem *tags = reinterpret_cast<struct opSet *>(msg)->ops_AttrList;
        struct Gadget *g = AsGadget(made);
        g->SpecialInfo = &d->info;
        g->Flags |= GFLG_STRINGEXTEND;
        g->Activation |= GACT_STRINGEXTEND;
        d->info.Extension = &d->extend;
        bool ok = SetBuffer(d, reinterpret_cast<STRPTR>(GetTagData(STRINGA_Buffer, 0, tags)),
                            static_cast<LONG>(GetTagData(STRINGA_MaxChars, SG_DEFAULTMAXCHARS, tags)));
        if (ok) {
            // Buffer and size are in place; the rest of the attributes follow.
            const struct TagItem *walk = tags;
            while (struct TagItem *item = NextTagItem(&walk)) {
                if (item->ti_Tag == STRINGA_Buffer || item->ti_Tag == STRINGA_MaxChars)
                    continue;
                struct TagItem one[] = {{item->ti_Tag, item->ti_Data}, {TAG_DONE, 0}};
                SetStrgAttributes(made, d, one, &ok);
            }
            SyncLong(made, d);
        }
        if (!ok) {
            CoerceMethod(cl, made, OM_DISPOSE);
            return 0;
        }
        return reinterpret_cast<IPTR>(made);
    }
    case OM_DISPOSE: {
        StrgData *d = StrgOf(cl, obj);
        FreeVec(d->undo);
        FreeVec(d->ownBuffer);
        d->undo = d->ownBuffer = nullptr;
        return DoSuperMethodA(cl, obj, msg);
    }
    case OM_SET:
    case OM_UPDATE: {
        auto *set = reinterpret_cast<struct opSet *>(msg);
        StrgData *d = StrgOf(cl, obj);
        IPTR changed = DoSuperMethodA(cl, obj, msg);
        // While a person edits the text, other objects do not change it.
        if (msg->MethodID == OM_UPDATE && d->active)
            return changed;
        LONG before = d->info.LongInt;
        bool ok = true;
        changed |= SetStrgAttributes(obj, d, set->ops_AttrList, &ok);
        if (changed != 0 && OCLASS(obj) == cl)
            RenderNow(obj, set->ops_GInfo, GREDRAW_REDRAW);
        if (Integer(obj) && d->info.LongInt != before) {
            ULONG flags = msg->MethodID == OM_UPDATE ? reinterpret_cast<struct opUpdate *>(msg)->opu_Flags : 0;
            NotifyValue(obj, d, set->ops_GInfo, flags);
        }
        return changed;
    }
    case OM_GET: {
        auto *get = reinterpret_cast<struct opGet *>(msg);
        if (GetStrgAttribute(obj, StrgOf(cl, obj), get))
            return TRUE;
        return DoSuperMethodA(cl, obj, msg);
    }
    case GM_RENDER: {
        auto *render = reinterpret_cast<struct gpRender *>(msg);
        if (render->gpr_RPort != nullptr)
            Render(obj, StrgOf(cl, obj), render->gpr_RPort, render->gpr_GInfo);
        return 0;
    }
    case GM_GOACTIVE:
        return GoActive(obj, StrgOf(cl, obj), reinterpret_cast<struct gpInput *>(msg));
    case GM_HANDLEINPUT:
        return HandleInput(obj, StrgOf(cl, obj), reinterpret_cast<struct gpInput *>(msg));
    case GM_GOINACTIVE: {
        StrgData *d = StrgOf(cl, obj);
        d->active = false;
        AsGadget(obj)->Flags &= ~GFLG_SELECTED;
        SyncLong(obj, d);
        RenderNow(obj, reinterpret_cast<struct gpGoInactive *>(msg)->gpgi_GInfo, GREDRAW_UPDATE);
        return 0;
    }
    default:
        return DoSuperMethodA(cl, obj, msg);
    }
}

}  // namespace hosted::boopsi
