// settings/windows/item_settings_editor.cpp: "Usermenuitem function settings": every field of one user menu item.
#include "user_menu_editor.h"

#include "gadget_ids.h"
#include "number_row.h"
#include "window_layout.h"

#include <intuition/gadgetclass.h>
#include <proto/intuition.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr ULONG Rows = 9;
constexpr LONG StackKbMax = 99999;   // five digits
// A process's priority is a byte: a larger number would come back from the
// file as another one.
constexpr LONG PriorityMin = -128;
constexpr LONG PriorityMax = 127;

BOOL Selected(const struct Gadget *gadget)
{
    return gadget != nullptr && (gadget->Flags & GFLG_SELECTED) != 0;
}

void CopyText(STRPTR to, ULONG size, CONST_STRPTR from)
{
    size_t length = strnlen(from, size - 1);
    std::memcpy(to, from, length);
    to[length] = '\0';
}

void SetDisabled(Dialog &dialog, struct Gadget *gadget, BOOL disabled)
{
    if (gadget == nullptr)
        return;
    struct TagItem tags[] = {{GA_Disabled, IPTR(disabled)}, {TAG_DONE, 0}};
    SetGadgetAttrsA(gadget, dialog.window, nullptr, tags);
    if (dialog.window != nullptr)
        RefreshGList(gadget, dialog.window, nullptr, 1);
}

}  // namespace

SettingsOutcome RunItemSettingsEditor(const SettingsContext &context, UserMenu &menu, UserMenuItem &item)
{
    SettingsOutcome outcome;
    DialogToolkit &toolkit = *context.toolkit;
    const SettingsLayout layout(toolkit, 3);
    const ULONG textColour = toolkit.config->WindowTextColor();
    UserMenuItemFields &fields = item.fields;

    // The window edits copies; only "OK" puts them back.
    char menuName[UserMenuNameSize], itemName[UserMenuNameSize];
    char function[UserMenuFunctionSize], output[UserMenuOutputEditSize];
    CopyText(menuName, sizeof menuName, menu.name);
    CopyText(itemName, sizeof itemName, fields.name);
    CopyText(function, sizeof function, fields.function);
    CopyText(output, sizeof output, fields.outputWindow);

    static CONST_STRPTR const labels[Rows] = {"Usermenu name:", "Menuitem name:", "Function:",
                                              "Output window:", "Stack in Kb:",   "Priority:",
                                              "Multitasking:",  "All atonce:",    "Start always:"};
    const LONG column = layout.Column(layout.y + layout.TextWidth("Output window:") + layout.y);
    const LONG rightBorder = toolkit.bordersX - toolkit.borderLeft;
    const LONG enableWidth = 8 * layout.x;

    Dialog dialog;
    dialog.description = DialogDescription::Common;
    dialog.title = "Usermenuitem function settings";
    dialog.innerHeight = layout.InnerHeight(Rows);
    for (ULONG row = 0; row < Rows; row++)
        AddDialogLabel(dialog, layout.y, layout.LabelY(row), labels[row], textColour);

    const LONG fieldRel = -(column + rightBorder + layout.y);
    AddDialogField(toolkit, dialog, ItemMenuNameId, menuName, sizeof menuName, column, layout.RowTop(0), fieldRel,
                   layout.y);
    AddDialogField(toolkit, dialog, ItemNameId, itemName, sizeof itemName, column, layout.RowTop(1), fieldRel,
                   layout.y);
    AddDialogField(toolkit, dialog, ItemFunctionId, function, sizeof function, column, layout.RowTop(2), fieldRel,
                   layout.y);
    // The output window's field leaves room for its switch at the right.
    struct Gadget *outputField = AddDialogField(toolkit, dialog, ItemOutputId, output, sizeof output, column,
                                                layout.RowTop(3), fieldRel - enableWidth - layout.y, layout.y);
    struct Gadget *outputToggle =
        AddDialogButton(toolkit, dialog, ItemOutputToggleId, "Enable",
                        DialogBox{layout.y, layout.RowTop(3), enableWidth, layout.y, TRUE}, TRUE,
                        fields.outputEnabled != 0);

    NumberField stack, priority;
    AddNumberField(toolkit, dialog, stack, ItemStackId,
                   DialogBox{column, layout.RowTop(4), NumberFieldWidth(toolkit, 5), layout.y}, 5, 0, StackKbMax,
                   LONG(std::min<ULONG>(fields.stack / 1024, StackKbMax)));
    AddNumberField(toolkit, dialog, priority, ItemPriorityId,
                   DialogBox{column, layout.RowTop(5), NumberFieldWidth(toolkit, 3), layout.y}, 3, PriorityMin,
                   PriorityMax, fields.priority);

    const DialogBox enable{column, 0, enableWidth, layout.y};
    DialogBox box = enable;
    box.top = layout.RowTop(6);
    struct Gadget *multitasking =
        AddDialogButton(toolkit, dialog, ItemMultitaskingId, "Enable", box, TRUE, fields.multitasking != 0);
    box.top = layout.RowTop(7);
    struct Gadget *allAtOnce =
        AddDialogButton(toolkit, dialog, ItemAllAtOnceId, "Enable", box, TRUE, fields.allAtOnce != 0);
    box.top = layout.RowTop(8);
    struct Gadget *startAlways =
        AddDialogButton(toolkit, dialog, ItemStartAlwaysId, "Enable", box, TRUE, fields.startAlways != 0);

    AddDialogButton(toolkit, dialog, SettingsOkId, "OK", layout.LeftButton(Rows));
    AddDialogButton(toolkit, dialog, SettingsCancelId, "Cancel", layout.RightButton(Rows));
    // Off, the output window is not used: its text cannot be edited.
    if (fields.outputEnabled == 0)
        SetDisabled(dialog, outputField, TRUE);

    if (!OpenDialog(toolkit, dialog)) {
        outcome.ending = SettingsOutcome::Ending::NotOpened;
        return outcome;
    }
    for (BOOL done = FALSE; !done;) {
        DialogEvent event = WaitDialogEvent(toolkit, dialog);
        if (event.kind == DialogEvent::Kind::Close)
            break;
        SettleNumberField(dialog, stack);
        SettleNumberField(dialog, priority);
        if (event.kind != DialogEvent::Kind::GadgetUp)
            continue;
        switch (event.gadgetId) {
        case ItemOutputToggleId:
            SetDisabled(dialog, outputField, !Selected(outputToggle));
            break;
        case SettingsOkId:
            CopyText(menu.name, sizeof menu.name, menuName[0] != '\0' ? menuName : " ");
            CopyText(fields.name, sizeof fields.name, itemName);
            CopyText(fields.function, sizeof fields.function, function);
            CopyText(fields.outputWindow, sizeof fields.outputWindow, output);
            fields.outputEnabled = Selected(outputToggle) ? 1 : 0;
            fields.stack = ULONG(NumberFieldValue(stack)) * 1024;
            fields.priority = NumberFieldValue(priority);
            fields.multitasking = Selected(multitasking) ? 1 : 0;
            fields.allAtOnce = Selected(allAtOnce) ? 1 : 0;
            fields.startAlways = Selected(startAlways) ? 1 : 0;
            outcome.ending = SettingsOutcome::Ending::Confirmed;
            done = TRUE;
            break;
        case SettingsCancelId:
            done = TRUE;
            break;
        default:
            break;
        }
    }
    CloseDialog(toolkit, dialog);
    return outcome;
}
