// ui/progress_window.cpp: the progress window, built with the dialog toolkit and polled, never waited on.
#include "progress_window.h"

#include <proto/intuition.h>

#include <algorithm>
#include <cstring>

namespace {

// Room for a path of this many characters on a line.
constexpr ULONG LineCharacters = 56;

}  // namespace

BOOL OpenProgressWindow(DialogToolkit &toolkit, ProgressWindow &progress, CONST_STRPTR title)
{
    if (progress.IsOpen())
        return TRUE;
    const LONG y = LONG(toolkit.glyphs->height), x = LONG(toolkit.glyphs->nominalWidth);
    progress.dialog = Dialog{};
    Dialog &dialog = progress.dialog;
    dialog.description = DialogDescription::Request;
    dialog.title = title;
    dialog.innerWidth = UWORD(std::max<LONG>(LONG(DialogMinWidth), x * LONG(LineCharacters) + 2 * y));
    dialog.innerHeight = UWORD(y * LONG(ProgressLineCount) + y * (LONG(ProgressLineCount) - 1) / 2 + 4 * y);
    ULONG colour = toolkit.config->WindowTextColor();
    for (ULONG i = 0; i < ProgressLineCount; i++)
        AddDialogLabel(dialog, y, y + LONG(i) * (y + y / 2), progress.lines[i], colour);
    DialogBox box;
    box.width = 8 * x;
    box.height = y;
    box.left = (LONG(dialog.innerWidth) - box.width) / 2 + toolkit.borderLeft;
    box.top = toolkit.borderTop + LONG(dialog.innerHeight) - 2 * y;
    AddDialogButton(toolkit, dialog, ProgressAbortId, "Abort", box);
    progress.abortAsked = FALSE;
    return OpenDialog(toolkit, dialog);
}

void SetProgressLine(ProgressWindow &progress, ULONG line, CONST_STRPTR text)
{
    if (line >= ProgressLineCount)
        return;
    std::strncpy(progress.lines[line], text != nullptr ? text : "", ProgressLineSize - 1);
    progress.lines[line][ProgressLineSize - 1] = '\0';
}

void ShowProgress(DialogToolkit &toolkit, ProgressWindow &progress)
{
    if (!progress.IsOpen())
        return;
    PaintDialog(toolkit, progress.dialog);
    PresentDialog(toolkit, progress.dialog);
    // The canvas covers the button's place too: draw it again over it.
    if (progress.dialog.First() != nullptr)
        RefreshGList(progress.dialog.First(), progress.dialog.window, nullptr, -1);
}

BOOL ProgressAbortAsked(DialogToolkit &toolkit, ProgressWindow &progress)
{
    if (!progress.IsOpen())
        return progress.abortAsked;
    DialogEvent event;
    while (!progress.abortAsked && NextDialogEvent(toolkit, progress.dialog, event, FALSE)) {
        if (event.kind == DialogEvent::Kind::Close ||
            (event.kind == DialogEvent::Kind::GadgetUp && event.gadgetId == ProgressAbortId))
            progress.abortAsked = TRUE;
    }
    return progress.abortAsked;
}

void CloseProgressWindow(DialogToolkit &toolkit, ProgressWindow &progress)
{
    if (progress.IsOpen())
        CloseDialog(toolkit, progress.dialog);
}
