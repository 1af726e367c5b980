// ui/progress_window.h: the progress window of a long file operation: a title, lines updated in place, "Abort".
#ifndef UI_PROGRESS_WINDOW_H
#define UI_PROGRESS_WINDOW_H

#include "dialog.h"

constexpr ULONG ProgressLineCount = 4;
constexpr ULONG ProgressLineSize = 96;
constexpr UWORD ProgressAbortId = 1;

// One progress window. It lives inside the operation that shows it; the
// operation's own work goes on between two looks at it.
struct ProgressWindow {
    Dialog dialog;
    char lines[ProgressLineCount][ProgressLineSize] = {};
    BOOL abortAsked = FALSE;

    BOOL IsOpen() const { return dialog.window != nullptr; }
};

// Opens it centred on the toolkit's screen with `title`, the current lines
// and an "Abort" button. FALSE (nothing open) when it cannot open; the
// operation then goes on without it.
[[nodiscard]] BOOL OpenProgressWindow(DialogToolkit &toolkit, ProgressWindow &progress, CONST_STRPTR title);

// Sets line `line` (cut to ProgressLineSize − 1 characters); shown at the
// next ShowProgress.
void SetProgressLine(ProgressWindow &progress, ULONG line, CONST_STRPTR text);

// Paints the lines into the open window (the gadgets stay as they are).
void ShowProgress(DialogToolkit &toolkit, ProgressWindow &progress);

// Looks at the window's messages without waiting. TRUE once "Abort" or the
// close gadget was used (it stays TRUE).
BOOL ProgressAbortAsked(DialogToolkit &toolkit, ProgressWindow &progress);

// Closes it if open.
void CloseProgressWindow(DialogToolkit &toolkit, ProgressWindow &progress);

#endif /* UI_PROGRESS_WINDOW_H */
