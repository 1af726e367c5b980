// ui/dialog.cpp: opening, painting, running and closing the program's dialog windows.
#include "dialog.h"

#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>
#include <proto/cybergraphics.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <algorithm>

namespace {

// Chains a new gadget behind the dialog's last one, or marks the dialog failed.
struct Gadget *Keep(Dialog &dialog, APTR object)
{
    auto *gadget = static_cast<struct Gadget *>(object);
    if (gadget == nullptr || dialog.gadgetCount == DialogMaxGadgets) {
        if (gadget != nullptr)
            DisposeObject(gadget);
        dialog.failed = TRUE;
        return nullptr;
    }
    dialog.gadgets[dialog.gadgetCount++] = gadget;
    return gadget;
}

struct Gadget *Last(const Dialog &dialog)
{
    return dialog.gadgetCount != 0 ? dialog.gadgets[dialog.gadgetCount - 1] : nullptr;
}

void DisposeGadgets(Dialog &dialog)
{
    for (ULONG i = dialog.gadgetCount; i-- > 0;)
        DisposeObject(dialog.gadgets[i]);
    dialog.gadgetCount = 0;
}

// The window's inner size as it is now.
void InnerSize(const struct Window *window, ULONG &width, ULONG &height)
{
    LONG w = window->Width - window->BorderLeft - window->BorderRight;
    LONG h = window->Height - window->BorderTop - window->BorderBottom;
    width = ULONG(std::max<LONG>(w, 0));
    height = ULONG(std::max<LONG>(h, 0));
}

void StoreGeometryOf(DialogToolkit &toolkit, const Dialog &dialog)
{
    ULONG width, height;
    InnerSize(dialog.window, width, height);
    switch (dialog.description) {
    case DialogDescription::Common:
        toolkit.geometry.left = UWORD(std::max<WORD>(dialog.window->LeftEdge, 0));
        toolkit.geometry.top = UWORD(std::max<WORD>(dialog.window->TopEdge, 0));
        toolkit.geometry.innerWidth = UWORD(width);
        break;
    case DialogDescription::Second:
        toolkit.secondInnerWidth = UWORD(width);
        break;
    case DialogDescription::Request:
    case DialogDescription::Own:
        break;
    }
}

}  // namespace

DialogGeometry DialogGeometryFromRecord(const ConfigRecord &config)
{
    DialogGeometry geometry;
    geometry.left = config.DialogLeft();
    geometry.top = config.DialogTop();
    geometry.innerWidth = config.DialogInnerWidth();
    geometry.innerHeight = config.DialogInnerHeight();
    return geometry;
}

void StoreDialogGeometry(const DialogGeometry &geometry, ConfigRecord &config)
{
    config.SetDialogLeft(geometry.left);
    config.SetDialogTop(geometry.top);
    config.SetDialogInnerWidth(geometry.innerWidth);
    config.SetDialogInnerHeight(geometry.innerHeight);
}

struct Gadget *Dialog::Find(UWORD id) const
{
    for (ULONG i = 0; i < gadgetCount; i++)
        if (gadgets[i]->GadgetID == id)
            return gadgets[i];
    return nullptr;
}

void AddDialogLabel(Dialog &dialog, LONG x, LONG y, CONST_STRPTR text, ULONG colour, CONST_STRPTR name,
                    ULONG nameColour)
{
    if (dialog.labelCount == DialogMaxLabels) {
        dialog.failed = TRUE;
        return;
    }
    DialogLabel &label = dialog.labels[dialog.labelCount++];
    label.x = x;
    label.y = y;
    label.text = text;
    label.colour = colour;
    label.name = name;
    label.nameColour = nameColour;
}

struct Gadget *AddDialogButton(DialogToolkit &toolkit, Dialog &dialog, UWORD id, CONST_STRPTR label,
                               const DialogBox &box, BOOL toggle, BOOL selected)
{
    struct TagItem tags[] = {
        {GA_ID, id},
        {GA_Text, reinterpret_cast<IPTR>(label)},
        {GA_RelVerify, TRUE},
        {Tag(box.fromRight ? GA_RelRight : GA_Left), IPTR(DialogGadgetLeft(toolkit, box))},
        {GA_Top, IPTR(box.top)},
        {GA_Width, IPTR(box.width)},
        {GA_Height, IPTR(box.height)},
        {GA_Image, reinterpret_cast<IPTR>(toolkit.frame)},
        {GA_ToggleSelect, IPTR(toggle)},
        {GA_Selected, IPTR(selected)},
        {GA_Previous, reinterpret_cast<IPTR>(Last(dialog))},
        {TAG_DONE, 0},
    };
    if (Last(dialog) == nullptr)
        tags[10].ti_Tag = TAG_IGNORE;
    return Keep(dialog, NewObjectA(nullptr, "frbuttonclass", tags));
}

LONG DialogGadgetLeft(const DialogToolkit &toolkit, const DialogBox &box)
{
    if (!box.fromRight)
        return box.left;
    // GA_RelRight counts from the window's last column, borders included.
    return 1 - (toolkit.bordersX - toolkit.borderLeft) - box.left - box.width;
}

struct Gadget *AddDialogGadget(Dialog &dialog, CONST_STRPTR className, const struct TagItem *tags)
{
    struct TagItem chained[] = {
        {GA_Previous, reinterpret_cast<IPTR>(Last(dialog))},
        {TAG_MORE, reinterpret_cast<IPTR>(tags)},
    };
    if (Last(dialog) == nullptr)
        chained[0].ti_Tag = TAG_IGNORE;
    return Keep(dialog, NewObjectA(nullptr, className, chained));
}

struct Gadget *AddDialogField(DialogToolkit &toolkit, Dialog &dialog, UWORD id, STRPTR buffer, ULONG maxChars,
                              LONG left, LONG top, LONG relWidth, LONG height, BOOL numeric)
{
    struct TagItem tags[] = {
        {GA_ID, id},
        {STRINGA_MaxChars, maxChars},
        {STRINGA_Buffer, reinterpret_cast<IPTR>(buffer)},
        {STRINGA_Pens, IPTR(ULONG(toolkit.inactivePen) << 8 | 1)},
        {STRINGA_ActivePens, IPTR(ULONG(toolkit.activePen) << 8 | 1)},
        {GA_Left, IPTR(left)},
        {GA_Top, IPTR(top)},
        {GA_RelWidth, IPTR(relWidth)},
        {GA_Height, IPTR(height)},
        {GA_RelVerify, TRUE},
        {GA_Previous, reinterpret_cast<IPTR>(Last(dialog))},
        {Tag(numeric ? STRINGA_LongVal : TAG_IGNORE), 0},
        {TAG_DONE, 0},
    };
    if (Last(dialog) == nullptr)
        tags[10].ti_Tag = TAG_IGNORE;
    if (numeric) {
        LONG value = 0;
        for (const char *c = buffer; *c >= '0' && *c <= '9'; c++)
            value = value * 10 + (*c - '0');
        tags[11].ti_Data = IPTR(value);
    }
    return Keep(dialog, NewObjectA(nullptr, "strgclass", tags));
}

void PaintDialog(DialogToolkit &toolkit, const Dialog &dialog)
{
    const RenderTarget &canvas = toolkit.canvas;
    if (canvas.base == nullptr)
        return;
    ULONG rows = std::min<ULONG>(std::max<ULONG>(dialog.innerHeight, 256), canvas.height);
    FillGradient(canvas.base, *toolkit.windowGradient, rows, canvas.stride);
    RenderTarget painted = canvas;
    painted.height = rows;
    for (ULONG i = 0; i < dialog.labelCount; i++) {
        const DialogLabel &label = dialog.labels[i];
        TextPen pen;
        DrawText(*toolkit.glyphs, pen, painted, label.x, label.y, label.colour, label.text);
        if (label.name != nullptr)
            DrawTextOn(*toolkit.glyphs, pen, label.nameColour, label.name);
    }
}

void PresentDialog(DialogToolkit &toolkit, const Dialog &dialog)
{
    if (dialog.window == nullptr || toolkit.canvas.base == nullptr)
        return;
    ULONG width, height;
    InnerSize(dialog.window, width, height);
    width = std::min(width, toolkit.canvas.width);
    height = std::min(height, toolkit.canvas.height);
    WritePixelArray(toolkit.canvas.base, 0, 0, toolkit.canvas.stride, dialog.window->RPort, dialog.window->BorderLeft,
                    dialog.window->BorderTop, width, height, RECTFMT_ARGB);
}

BOOL OpenDialog(DialogToolkit &toolkit, Dialog &dialog)
{
    if (dialog.failed) {
        DisposeGadgets(dialog);
        return FALSE;
    }
    PaintDialog(toolkit, dialog);

    LONG left = 0, top = 0;
    ULONG innerWidth = 0;
    BOOL sizing = TRUE;
    switch (dialog.description) {
    case DialogDescription::Common:
        left = toolkit.geometry.left;
        top = toolkit.geometry.top;
        innerWidth = toolkit.geometry.innerWidth;
        toolkit.geometry.innerHeight = dialog.innerHeight;
        break;
    case DialogDescription::Second:
        innerWidth = toolkit.secondInnerWidth;
        break;
    case DialogDescription::Request:
        innerWidth = dialog.innerWidth;
        sizing = FALSE;
        if (toolkit.screen != nullptr) {
            left = std::max<LONG>((toolkit.screen->Width - LONG(innerWidth) - toolkit.bordersX) / 2, 0);
            top = std::max<LONG>((toolkit.screen->Height - LONG(dialog.innerHeight) - toolkit.bordersY) / 2, 0);
        }
        break;
    case DialogDescription::Own:
        left = dialog.left;
        top = dialog.top;
        innerWidth = dialog.innerWidth;
        sizing = FALSE;
        break;
    }
    ULONG idcmp = IDCMP_GADGETUP | IDCMP_CLOSEWINDOW;
    if (dialog.description != DialogDescription::Own)
        idcmp |= IDCMP_NEWSIZE;
    ULONG outerHeight = dialog.innerHeight + ULONG(toolkit.bordersY);
    struct TagItem tags[] = {
        {WA_CloseGadget, TRUE},
        {WA_DepthGadget, TRUE},
        {WA_DragBar, TRUE},
        {WA_SizeGadget, IPTR(sizing)},
        {WA_NoCareRefresh, TRUE},
        {WA_IDCMP, idcmp},
        {WA_BackFill, reinterpret_cast<IPTR>(LAYERS_NOBACKFILL)},
        {WA_PubScreen, reinterpret_cast<IPTR>(toolkit.screen)},
        {WA_Title, reinterpret_cast<IPTR>(dialog.title)},
        {WA_Left, IPTR(left)},
        {WA_Top, IPTR(top)},
        {WA_InnerWidth, innerWidth},
        {WA_InnerHeight, dialog.innerHeight},
        {WA_MinWidth, DialogMinWidth},
        {WA_MaxWidth, DialogMaxWidth},
        // A window without a sizing gadget has thinner borders than the
        // toolkit's; its height needs no limits, as it cannot change.
        {Tag(sizing ? WA_MinHeight : TAG_IGNORE), outerHeight},
        {Tag(sizing ? WA_MaxHeight : TAG_IGNORE), outerHeight},
        {WA_Activate, TRUE},
        {TAG_DONE, 0},
    };
    dialog.window = OpenWindowTagList(nullptr, tags);
    if (dialog.window == nullptr) {
        DisposeGadgets(dialog);
        return FALSE;
    }
    PresentDialog(toolkit, dialog);
    if (dialog.First() != nullptr) {
        AddGList(dialog.window, dialog.First(), ULONG(-1), -1, nullptr);
        RefreshGList(dialog.First(), dialog.window, nullptr, -1);
    }
    return TRUE;
}

void CloseDialog(DialogToolkit &toolkit, Dialog &dialog)
{
    if (dialog.window != nullptr) {
        if (dialog.First() != nullptr)
            RemoveGList(dialog.window, dialog.First(), -1);
        struct Message *message;
        while ((message = GetMsg(dialog.window->UserPort)) != nullptr)
            ReplyMsg(message);
        CloseWindow(dialog.window);
        dialog.window = nullptr;
        if (toolkit.returnTo != nullptr)
            ActivateWindow(toolkit.returnTo);
    }
    DisposeGadgets(dialog);
}

BOOL NextDialogEvent(DialogToolkit &toolkit, Dialog &dialog, DialogEvent &event, BOOL wait)
{
    auto *message = reinterpret_cast<struct IntuiMessage *>(GetMsg(dialog.window->UserPort));
    while (message == nullptr) {
        if (!wait)
            return FALSE;
        WaitPort(dialog.window->UserPort);
        message = reinterpret_cast<struct IntuiMessage *>(GetMsg(dialog.window->UserPort));
    }
    ULONG cls = message->Class;
    UWORD code = message->Code;
    auto *gadget = static_cast<struct Gadget *>(message->IAddress);
    UWORD id = cls == IDCMP_GADGETUP && gadget != nullptr ? gadget->GadgetID : 0;
    ReplyMsg(&message->ExecMessage);

    event = DialogEvent{};
    event.cls = cls;
    switch (cls) {
    case IDCMP_NEWSIZE:
        StoreGeometryOf(toolkit, dialog);
        PaintDialog(toolkit, dialog);
        PresentDialog(toolkit, dialog);
        if (dialog.First() != nullptr)
            RefreshGList(dialog.First(), dialog.window, nullptr, -1);
        event.kind = DialogEvent::Kind::NewSize;
        break;
    case IDCMP_GADGETUP:
        event.kind = DialogEvent::Kind::GadgetUp;
        event.gadgetId = id;
        event.code = code;
        break;
    case IDCMP_CLOSEWINDOW:
        event.kind = DialogEvent::Kind::Close;
        break;
    default:
        event.kind = DialogEvent::Kind::Other;
        break;
    }
    return TRUE;
}

DialogEvent WaitDialogEvent(DialogToolkit &toolkit, Dialog &dialog)
{
    DialogEvent event;
    do
        (void)NextDialogEvent(toolkit, dialog, event, TRUE);
    while (event.kind == DialogEvent::Kind::NewSize);
    return event;
}

void SelectExclusive(Dialog &dialog, struct Gadget *const *group, ULONG count, struct Gadget *chosen)
{
    for (ULONG i = 0; i < count; i++) {
        struct Gadget *gadget = group[i];
        BOOL wanted = gadget == chosen;
        BOOL selected = (gadget->Flags & GFLG_SELECTED) != 0;
        if (wanted == selected)
            continue;
        struct TagItem tags[] = {{GA_Selected, IPTR(wanted)}, {TAG_DONE, 0}};
        SetGadgetAttrsA(gadget, dialog.window, nullptr, tags);
        if (dialog.window != nullptr)
            RefreshGList(gadget, dialog.window, nullptr, 1);
    }
}

LONG DialogFieldNumber(struct Gadget *field)
{
    LONG value = 0;
    if (field != nullptr)
        GetAttr(STRINGA_LongVal, field, &value);
    return value;
}
