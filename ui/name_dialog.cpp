// ui/name_dialog.cpp: the "Make new directory" and search dialog, laid out in line heights of the screen font.
#include "name_dialog.h"

#include <intuition/gadgetclass.h>
#include <proto/intuition.h>

namespace {

constexpr UWORD StringTerminationReturn = 0;   // the field's GADGETUP code for Return

}  // namespace

BOOL OpenNameDialog(DialogToolkit &toolkit, NameDialog &name, NameDialogMode mode)
{
    const LONG y = LONG(toolkit.glyphs->height), x = LONG(toolkit.glyphs->nominalWidth);
    const LONG left = toolkit.borderLeft, top = toolkit.borderTop;
    const LONG right = toolkit.bordersX - toolkit.borderLeft;
    const BOOL search = mode == NameDialogMode::Search;
    const ULONG colour = toolkit.config->WindowTextColor();

    name.dialog = Dialog{};
    name.mode = mode;
    name.text[0] = '\0';
    Dialog &dialog = name.dialog;
    dialog.description = DialogDescription::Common;
    dialog.title = search ? "Search in window to be selected" : "Make new directory";
    // Rows, in line heights from the top of the inner area: the prompt on
    // the first, the field at 3, the switches two apart, the buttons two
    // below the last switch and one more to the bottom.
    const LONG buttonRow = search ? 9 * y : 7 * y;
    dialog.innerHeight = UWORD(buttonRow + y);

    AddDialogLabel(dialog, y, y, search ? "Give name to search for:" : "Give new drawer name:", colour);
    AddDialogField(toolkit, dialog, NameFieldId, name.text, NameFieldSize, left + y, top + 3 * y,
                   -(left + right + 2 * y), y);
    DialogBox toggle{left + y + 13 * x, top + 5 * y, 7 * y, y, FALSE};
    AddDialogLabel(dialog, y, 5 * y, search ? "Ignore case:" : "Create icon:", colour);
    AddDialogButton(toolkit, dialog, NameFirstSwitchId, "Enable", toggle, TRUE, search);
    if (search) {
        toggle.top = top + 7 * y;
        AddDialogLabel(dialog, y, 7 * y, "Thru files:", colour);
        AddDialogButton(toolkit, dialog, NameSecondSwitchId, "Enable", toggle, TRUE, FALSE);
    }
    AddDialogButton(toolkit, dialog, NameOkId, "OK", DialogBox{left + y, top + buttonRow, 8 * x, y, FALSE});
    AddDialogButton(toolkit, dialog, NameCancelId, "Cancel", DialogBox{y, top + buttonRow, 8 * x, y, TRUE});
    if (!OpenDialog(toolkit, dialog))
        return FALSE;
    // The person types at once, without a click into the field first.
    ActivateGadget(dialog.Find(NameFieldId), dialog.window, nullptr);
    return TRUE;
}

BOOL WaitNameDialog(DialogToolkit &toolkit, NameDialog &name)
{
    for (;;) {
        DialogEvent event = WaitDialogEvent(toolkit, name.dialog);
        if (event.kind == DialogEvent::Kind::Close)
            return FALSE;
        if (event.kind != DialogEvent::Kind::GadgetUp)
            continue;
        switch (event.gadgetId) {
        case NameOkId:
            return TRUE;
        case NameFieldId:
            if (event.code == StringTerminationReturn)
                return TRUE;
            break;   // Tab, Help: the person goes on editing
        case NameFirstSwitchId:
        case NameSecondSwitchId:
            break;   // read when "OK" is pressed
        default:
            return FALSE;
        }
    }
}

BOOL NameDialogSwitch(const NameDialog &name, UWORD id)
{
    struct Gadget *gadget = name.dialog.Find(id);
    if (gadget == nullptr)
        return FALSE;
    IPTR selected = 0;
    GetAttr(GA_Selected, gadget, &selected);
    return selected != 0;
}

void CloseNameDialog(DialogToolkit &toolkit, NameDialog &name)
{
    CloseDialog(toolkit, name.dialog);
}
