// ui/execute_dialog.cpp: laying out, opening and answering the "Execute command" dialog.
#include "execute_dialog.h"

#include <proto/intuition.h>

#include <algorithm>

namespace {

// Builds and opens the dialog: the line at (Y, Y), the field three lines
// down across the window less a line's height on each side, "Execute"
// (nine character widths) at the left and "Cancel" (eight) at the right
// two lines below the field. Inner height: six lines.
BOOL OpenExecuteWindow(DialogToolkit &toolkit, ExecuteDialog &state, CONST_STRPTR title, CONST_STRPTR prompt,
                       CONST_STRPTR name, ULONG nameColour, STRPTR field, ULONG size)
{
    const LONG y = LONG(toolkit.glyphs->height), x = LONG(toolkit.glyphs->nominalWidth);
    const LONG left = toolkit.borderLeft, top = toolkit.borderTop;
    Dialog &dialog = state.dialog;
    dialog = Dialog{};
    dialog.description = DialogDescription::Common;
    dialog.title = title;
    dialog.innerHeight = UWORD(6 * y);
    AddDialogLabel(dialog, y, y, prompt, toolkit.config->WindowTextColor(), name, nameColour);
    struct Gadget *text = AddDialogField(toolkit, dialog, ExecuteFieldId, field,
                                         std::min(size, ExecuteDialogFieldSize), left + y, top + 3 * y,
                                         -(toolkit.bordersX + 2 * y), y);
    AddDialogButton(toolkit, dialog, ExecuteButtonId, "Execute", DialogBox{left + y, top + 5 * y, 9 * x, y});
    AddDialogButton(toolkit, dialog, ExecuteCancelId, "Cancel", DialogBox{y, top + 5 * y, 8 * x, y, TRUE});
    if (!OpenDialog(toolkit, dialog))
        return FALSE;
    // The person came to type: the field takes the keys at once.
    if (text != nullptr)
        ActivateGadget(text, dialog.window, nullptr);
    return TRUE;
}

// The open dialog with a new name after its prompt.
void ShowName(DialogToolkit &toolkit, ExecuteDialog &state, CONST_STRPTR name, ULONG nameColour)
{
    Dialog &dialog = state.dialog;
    if (dialog.labelCount != 0) {
        dialog.labels[0].name = name;
        dialog.labels[0].nameColour = nameColour;
    }
    PaintDialog(toolkit, dialog);
    PresentDialog(toolkit, dialog);
    if (dialog.First() != nullptr)
        RefreshGList(dialog.First(), dialog.window, nullptr, -1);
    // The arguments for this entry may be typed at once, as for the first.
    if (struct Gadget *field = dialog.Find(ExecuteFieldId))
        ActivateGadget(field, dialog.window, nullptr);
}

}  // namespace

ExecuteDialogAnswer AskExecuteDialog(DialogToolkit &toolkit, ExecuteDialog &state, CONST_STRPTR title,
                                     CONST_STRPTR prompt, CONST_STRPTR name, ULONG nameColour, STRPTR field,
                                     ULONG size)
{
    if (size == 0)
        return ExecuteDialogAnswer::Failed;
    if (state.IsOpen())
        ShowName(toolkit, state, name, nameColour);
    else if (!OpenExecuteWindow(toolkit, state, title, prompt, name, nameColour, field, size))
        return ExecuteDialogAnswer::Failed;
    for (;;) {
        DialogEvent event = WaitDialogEvent(toolkit, state.dialog);
        if (event.kind == DialogEvent::Kind::Close) {
            CloseDialog(toolkit, state.dialog);
            return ExecuteDialogAnswer::Close;
        }
        switch (event.gadgetId) {
        case ExecuteFieldId:
            // Return ends the typing as "Execute" does; Tab only moves on.
            if (event.code != 0)
                continue;
            [[fallthrough]];
        case ExecuteButtonId:
            CloseDialog(toolkit, state.dialog);
            return ExecuteDialogAnswer::Execute;
        case ExecuteCancelId:
            return ExecuteDialogAnswer::Cancel;
        default:
            continue;
        }
    }
}

void CloseExecuteDialog(DialogToolkit &toolkit, ExecuteDialog &state)
{
    CloseDialog(toolkit, state.dialog);
}

BOOL AskCommandArguments(DialogToolkit &toolkit, CONST_STRPTR title, CONST_STRPTR prompt, STRPTR text, ULONG size)
{
    if (size == 0)
        return FALSE;
    text[0] = '\0';
    ExecuteDialog state;
    ExecuteDialogAnswer answer = AskExecuteDialog(toolkit, state, title, prompt, nullptr, 0, text, size);
    CloseExecuteDialog(toolkit, state);
    if (answer == ExecuteDialogAnswer::Execute)
        return TRUE;
    text[0] = '\0';
    return FALSE;
}
