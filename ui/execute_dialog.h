// ui/execute_dialog.h: the "Execute command" dialog: arguments asked for an entry, or a user menu item's prompt.
#ifndef UI_EXECUTE_DIALOG_H
#define UI_EXECUTE_DIALOG_H

#include "dialog.h"

// The field holds at most 1023 characters.
constexpr ULONG ExecuteDialogFieldSize = 1024;

// Gadget IDs.
constexpr UWORD ExecuteFieldId = 0;
constexpr UWORD ExecuteButtonId = 1;
constexpr UWORD ExecuteCancelId = 2;

// How one showing of the dialog ended.
enum class ExecuteDialogAnswer : UBYTE {
    Execute,   // "Execute", or Return in the field: the window is closed, the field holds the text
    Cancel,    // "Cancel": the window stays open, the field keeps its text
    Close,     // the close gadget: the window is closed
    Failed     // the window or its gadgets could not be made: nothing is open
};

// The dialog across its showings: open or closed.
struct ExecuteDialog {
    Dialog dialog;

    BOOL IsOpen() const { return dialog.window != nullptr; }
};

// Shows the dialog titled `title` with the line `prompt` (in the windows
// text colour) followed by `name` (nullptr: none) in `nameColour`, and
// waits for the person. A closed dialog opens at the file operations'
// shared geometry with a new field on `field` (`size` bytes; at most
// ExecuteDialogFieldSize are used), which takes the keys at once; an open
// one draws the new line and keeps its field. The texts must live while
// the dialog is open.
[[nodiscard]] ExecuteDialogAnswer AskExecuteDialog(DialogToolkit &toolkit, ExecuteDialog &state, CONST_STRPTR title,
                                                   CONST_STRPTR prompt, CONST_STRPTR name, ULONG nameColour,
                                                   STRPTR field, ULONG size);

// Closes the dialog if it is open (CloseDialog).
void CloseExecuteDialog(DialogToolkit &toolkit, ExecuteDialog &state);

// The argument prompt of a user menu item: the dialog with the item's
// `title` and `prompt` alone, its field empty. TRUE for "Execute", with the
// typed text in `text` (`size` bytes, at most 1023 characters); FALSE, with
// `text` empty, for "Cancel", the close gadget, or a window that cannot
// open. Nothing is run either way.
[[nodiscard]] BOOL AskCommandArguments(DialogToolkit &toolkit, CONST_STRPTR title, CONST_STRPTR prompt, STRPTR text,
                                       ULONG size);

#endif /* UI_EXECUTE_DIALOG_H */
