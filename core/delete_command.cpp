// core/delete_command.cpp: "Delete": the question, the engine under a ListerControl, the drawer read again.
#include "drawer_commands.h"

#include "lister_control.h"
#include "lister_ops.h"
#include "lister_rows.h"

#include <fileops/delete.h>
#include <ui/requester.h>
#include <texts/texts.h>

void DeleteSelectedEntries(Lister &lister)
{
    ListerRows rows(lister);
    if (FirstSelectedRow(rows) == rows.Count())
        return;
    if (!SystemRequest(lister.Requests(), "Are you sure to delete file(s) and or drawer(s) ?", nullptr, "Delete",
                       "Cancel"))
        return;
    {
        // Closed (with its progress window) before the drawer is read again.
        ListerControl control(lister, DeletingTitle);
        (void)DeleteRows(rows, ListerWalkBuffers(lister), control);
    }
    RefreshDrawer(lister);
}
