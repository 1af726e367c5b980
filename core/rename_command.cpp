// core/rename_command.cpp: "Rename": one dialog walked through the selected entries, the drawer read again after a rename.
#include "drawer_commands.h"

#include "lister_ops.h"
#include "lister_rows.h"

#include <dos/dos.h>
#include <fileops/rename.h>
#include <ui/rename_dialog.h>
#include <ui/requester.h>
#include <texts/texts.h>

namespace {

// A drawer's name is shown in the drawer colour, as the lister shows it: a
// link whose object is gone is no drawer.
BOOL ShownAsDrawer(LONG type)
{
    return type > 0 && type != ST_SOFTLINK;
}

// The next selected row after `row`, or the row count.
ULONG NextSelectedRow(const EntryList &rows, ULONG row)
{
    ULONG count = rows.Count();
    for (row++; row < count; row++)
        if (rows.Selected(row))
            return row;
    return count;
}

}  // namespace

void RenameSelectedEntries(Lister &lister)
{
    ListerRows rows(lister);
    ULONG row = FirstSelectedRow(rows);
    if (row == rows.Count())
        return;
    RenameFill fill = RenameFillOf(lister.config.RenameString());
    char text[RenameFieldSize];
    (void)FillRenameField(fill, TRUE, rows.Name(row), text, sizeof text);
    RenameDialog dialog;
    if (!OpenRenameDialog(lister.dialogs, dialog, rows.Name(row), ShownAsDrawer(rows.Type(row)), text)) {
        MessageRequest(lister.Requests(), "Rename", WindowFailedText);
        return;
    }
    RequestContext requests{dialog.dialog.window, lister.metrics.ySize};
    BOOL renamed = FALSE;
    for (;;) {
        RenameAnswer answer = WaitRenameDialog(lister.dialogs, dialog);
        if (answer == RenameAnswer::End)
            break;
        if (answer == RenameAnswer::Rename) {
            RenameAttempt attempt = RenameEntry(rows.Name(row), dialog.text);
            if (attempt.renamed) {
                renamed = TRUE;
            } else {
                BOOL retry;
                if (attempt.refusal != nullptr) {
                    char shown[RequesterNameMax + 1];
                    ShortenForRequester(dialog.text, shown, sizeof shown);
                    retry = SystemRequest(requests, shown, attempt.refusal, "Retry", "Skip these");
                } else {
                    retry = FaultRequester(requests, dialog.text, attempt.error, FaultButtons::RetrySkip);
                }
                if (retry)
                    continue;
            }
        }
        row = NextSelectedRow(rows, row);
        if (row == rows.Count())
            break;
        BOOL filled = FillRenameField(fill, FALSE, rows.Name(row), text, sizeof text);
        ShowRenameEntry(lister.dialogs, dialog, rows.Name(row), ShownAsDrawer(rows.Type(row)), filled ? text : nullptr);
    }
    CloseRenameDialog(lister.dialogs, dialog);
    if (renamed)
        RefreshDrawer(lister);
}
