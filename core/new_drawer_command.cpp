// core/new_drawer_command.cpp: "New drawer": the dialog, the drawer, its icon when asked, the drawer read again.
#include "drawer_commands.h"

#include "lister_control.h"
#include "lister_ops.h"

#include <fileops/names.h>
#include <fileops/new_drawer.h>
#include <ui/name_dialog.h>
#include <ui/requester.h>
#include <texts/texts.h>

void MakeNewDrawer(Lister &lister)
{
    NameDialog dialog;
    if (!OpenNameDialog(lister.dialogs, dialog, NameDialogMode::NewDrawer)) {
        MessageRequest(lister.Requests(), "Make new directory", WindowFailedText);
        return;
    }
    // Requesters stand in front of the dialog, which stays open on "Retry".
    RequestContext requests{dialog.dialog.window, lister.metrics.ySize};
    BOOL made = FALSE;
    while (WaitNameDialog(lister.dialogs, dialog) && dialog.text[0] != '\0') {
        BOOL icon = NameDialogSwitch(dialog, NameFirstSwitchId);
        if (CONST_STRPTR reason = NameRefusal(dialog.text, DrawerNameMax, icon)) {
            char shown[RequesterNameMax + 1];
            ShortenForRequester(dialog.text, shown, sizeof shown);
            if (SystemRequest(requests, shown, reason, "Retry", "Abort"))
                continue;
            break;
        }
        LONG error = MakeDrawer(dialog.text);
        if (error != 0) {
            if (FaultRequester(requests, dialog.text, error, FaultButtons::RetryAbort))
                continue;
            break;
        }
        made = TRUE;
        if (icon) {
            ListerControl control(lister, "Make new directory");
            (void)MakeDrawerIcon(dialog.text, lister.buffers.Bytes(BufferCopy), lister.buffers.Length(BufferCopy),
                                 control);
        }
        break;
    }
    CloseNameDialog(lister.dialogs, dialog);
    if (made)
        RefreshDrawer(lister);
}
