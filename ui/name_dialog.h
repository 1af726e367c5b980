// ui/name_dialog.h: the one-line dialog of "New drawer" and "Search": a text field, "Enable" switches, "OK" / "Cancel".
#ifndef UI_NAME_DIALOG_H
#define UI_NAME_DIALOG_H

#include "dialog.h"

enum class NameDialogMode : UBYTE {
    NewDrawer,   // "Make new directory": "Create icon:"
    Search       // "Search in window to be selected": "Ignore case:", "Thru files:"
};

constexpr UWORD NameFieldId = 0;
constexpr UWORD NameOkId = 1;
constexpr UWORD NameCancelId = 2;
constexpr UWORD NameFirstSwitchId = 110;    // "Create icon:" / "Ignore case:"
constexpr UWORD NameSecondSwitchId = 111;   // "Thru files:" (search only)

constexpr ULONG NameFieldSize = 256;        // STRINGA_MaxChars: 255 characters and the zero

struct NameDialog {
    Dialog dialog;
    NameDialogMode mode = NameDialogMode::NewDrawer;
    char text[NameFieldSize] = {};
};

// Opens the dialog in `mode` at the common description's place: the field
// empty and active, "Create icon:" off, "Ignore case:" on, "Thru files:"
// off. FALSE (nothing open) when its window or a gadget cannot be made.
BOOL OpenNameDialog(DialogToolkit &toolkit, NameDialog &name, NameDialogMode mode);

// Waits for the person: TRUE for "OK" (or Return in the field), FALSE for
// "Cancel" or the close gadget. The switches and Tab out of the field
// keep the dialog waiting; a resize is stored and repainted.
BOOL WaitNameDialog(DialogToolkit &toolkit, NameDialog &name);

// Whether the switch `id` is on now.
BOOL NameDialogSwitch(const NameDialog &name, UWORD id);

void CloseNameDialog(DialogToolkit &toolkit, NameDialog &name);

#endif /* UI_NAME_DIALOG_H */
