// ui/rename_dialog.h: the "Rename" dialog: one window for every selected entry, its name shown and a field for the new one.
#ifndef UI_RENAME_DIALOG_H
#define UI_RENAME_DIALOG_H

#include "dialog.h"

constexpr UWORD RenameFieldId = 0;
constexpr UWORD RenameButtonId = 1;
constexpr UWORD RenameCancelId = 2;

constexpr ULONG RenameFieldSize = 256;   // STRINGA_MaxChars: 255 characters and the zero
constexpr ULONG RenameShownNameSize = 108;

struct RenameDialog {
    Dialog dialog;
    char text[RenameFieldSize] = {};          // the field's own buffer
    char shownName[RenameShownNameSize] = {}; // the entry's name on the first line
};

// What the person did for the entry shown.
enum class RenameAnswer : UBYTE {
    Rename,   // "Rename" (or Return in the field): the field holds the new name
    Skip,     // "Cancel": this entry stays as it is
    End       // the close gadget: the whole operation ends
};

// Opens "Rename" at the common description's place for the first entry:
// "Give new name for: " and `name` (in the drawer text colour when
// `drawer`, else the lister text colour), the field holding `text`.
// FALSE (nothing open) when the window or a gadget cannot be made.
BOOL OpenRenameDialog(DialogToolkit &toolkit, RenameDialog &rename, CONST_STRPTR name, BOOL drawer,
                      CONST_STRPTR text);

// Shows the next entry in the open window: its name on the first line,
// and, unless `text` is nullptr (the field keeps what it holds), the field
// set to `text`.
void ShowRenameEntry(DialogToolkit &toolkit, RenameDialog &rename, CONST_STRPTR name, BOOL drawer,
                     CONST_STRPTR text);

// Waits for the person's answer for the entry shown.
RenameAnswer WaitRenameDialog(DialogToolkit &toolkit, RenameDialog &rename);

void CloseRenameDialog(DialogToolkit &toolkit, RenameDialog &rename);

#endif /* UI_RENAME_DIALOG_H */
