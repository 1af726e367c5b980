// core/search_command.cpp: "Search": the dialog in its search mode, the engine, the lister drawn again.
#include "drawer_commands.h"

#include "lister_control.h"
#include "lister_ops.h"
#include "lister_rows.h"

#include <fileops/search.h>
#include <ui/name_dialog.h>
#include <ui/requester.h>
#include <texts/texts.h>

void SearchEntries(Lister &lister)
{
    NameDialog dialog;
    if (!OpenNameDialog(lister.dialogs, dialog, NameDialogMode::Search)) {
        MessageRequest(lister.Requests(), "Search in window to be selected", WindowFailedText);
        return;
    }
    SearchResult result;
    if (WaitNameDialog(lister.dialogs, dialog)) {
        // The search runs while the dialog is still open; it closes after.
        SearchPattern pattern;
        if (PrepareSearchPattern(pattern, dialog.text, NameDialogSwitch(dialog, NameFirstSwitchId))) {
            ListerRows rows(lister);
            WalkBuffers buffers = ListerWalkBuffers(lister);
            SearchOptions options;
            options.thruFiles = NameDialogSwitch(dialog, NameSecondSwitchId);
            options.buffer = lister.buffers.Bytes(BufferCopy);
            options.bufferSize = lister.buffers.Length(BufferCopy);
            options.fib = SpareFib(buffers);
            ListerControl control(lister, SearchingTitle);
            result = SearchRows(rows, pattern, options, control);
        }
    }
    CloseNameDialog(lister.dialogs, dialog);
    if (result.started)
        PresentListerWindow(lister);
}
