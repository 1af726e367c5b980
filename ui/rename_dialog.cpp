// ui/rename_dialog.cpp: the "Rename" dialog, the one-field pattern of the toolkit with the entry's name in its colour.
#include "rename_dialog.h"

#include <intuition/gadgetclass.h>
#include <proto/intuition.h>

#include <cstring>

namespace {

constexpr UWORD StringTerminationReturn = 0;   // the field's GADGETUP code for Return
constexpr char Prompt[] = "Give new name for: ";

void SetShownName(DialogToolkit &toolkit, RenameDialog &rename, CONST_STRPTR name, BOOL drawer)
{
    std::strncpy(rename.shownName, name, RenameShownNameSize - 1);
    rename.shownName[RenameShownNameSize - 1] = '\0';
    DialogLabel &label = rename.dialog.labels[0];
    label.name = rename.shownName;
    label.nameColour = drawer ? toolkit.config->DrawerTextColor() : toolkit.config->ListerTextColor();
}

}  // namespace

BOOL OpenRenameDialog(DialogToolkit &toolkit, RenameDialog &rename, CONST_STRPTR name, BOOL drawer,
                      CONST_STRPTR text)
{
    const LONG y = LONG(toolkit.glyphs->height), x = LONG(toolkit.glyphs->nominalWidth);
    const LONG left = toolkit.borderLeft, top = toolkit.borderTop;
    const LONG right = toolkit.bordersX - toolkit.borderLeft;

    rename.dialog = Dialog{};
    Dialog &dialog = rename.dialog;
    dialog.description = DialogDescription::Common;
    dialog.title = "Rename";
    dialog.innerHeight = UWORD(6 * y);
    std::strncpy(rename.text, text, RenameFieldSize - 1);
    rename.text[RenameFieldSize - 1] = '\0';

    AddDialogLabel(dialog, y, y, Prompt, toolkit.config->WindowTextColor());
    SetShownName(toolkit, rename, name, drawer);
    AddDialogField(toolkit, dialog, RenameFieldId, rename.text, RenameFieldSize, left + y, top + 3 * y,
                   -(left + right + 2 * y), y);
    AddDialogButton(toolkit, dialog, RenameButtonId, "Rename", DialogBox{left + y, top + 5 * y, 8 * x, y, FALSE});
    AddDialogButton(toolkit, dialog, RenameCancelId, "Cancel", DialogBox{y, top + 5 * y, 8 * x, y, TRUE});
    if (!OpenDialog(toolkit, dialog))
        return FALSE;
    ActivateGadget(dialog.Find(RenameFieldId), dialog.window, nullptr);
    return TRUE;
}

void ShowRenameEntry(DialogToolkit &toolkit, RenameDialog &rename, CONST_STRPTR name, BOOL drawer,
                     CONST_STRPTR text)
{
    Dialog &dialog = rename.dialog;
    SetShownName(toolkit, rename, name, drawer);
    struct Gadget *field = dialog.Find(RenameFieldId);
    if (text != nullptr && field != nullptr) {
        struct TagItem tags[] = {{STRINGA_TextVal, reinterpret_cast<IPTR>(text)}, {TAG_DONE, 0}};
        SetGadgetAttrsA(field, dialog.window, nullptr, tags);
    }
    PaintDialog(toolkit, dialog);
    PresentDialog(toolkit, dialog);
    if (dialog.First() != nullptr)
        RefreshGList(dialog.First(), dialog.window, nullptr, -1);
    if (field != nullptr)
        ActivateGadget(field, dialog.window, nullptr);
}

RenameAnswer WaitRenameDialog(DialogToolkit &toolkit, RenameDialog &rename)
{
    for (;;) {
        DialogEvent event = WaitDialogEvent(toolkit, rename.dialog);
        if (event.kind == DialogEvent::Kind::Close)
            return RenameAnswer::End;
        if (event.kind != DialogEvent::Kind::GadgetUp)
            continue;
        switch (event.gadgetId) {
        case RenameButtonId:
            return RenameAnswer::Rename;
        case RenameCancelId:
            return RenameAnswer::Skip;
        case RenameFieldId:
            if (event.code == StringTerminationReturn)
                return RenameAnswer::Rename;
            break;
        default:
            break;
        }
    }
}

void CloseRenameDialog(DialogToolkit &toolkit, RenameDialog &rename)
{
    CloseDialog(toolkit, rename.dialog);
}
