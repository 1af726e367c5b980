// core/commands.cpp: the menu strip's small commands (sorting, selecting, History, "About") and dispatching a pick.
#include "commands.h"

#include "command_table.h"
#include "lister_ops.h"

#include <lister/selection.h>
#include <lister/sort.h>
#include <proto/intuition.h>
#include <ui/requester.h>

void ChangeSortOrder(Lister &lister, const MenuPick &pick)
{
    if (lister.window != nullptr)
        ClearMenuStrip(lister.window);
    SetSortCheck(lister.menus, SortOrderOf(pick.command));
    lister.config.SetSortOrder(SortOrderOf(pick.command));
    SortEntries(lister.entries, lister.config.SortOrder());
    RedrawEntries(lister);
    if (lister.window != nullptr)
        ResetMenuStrip(lister.window, lister.menus.Strip());
    PresentListerRows(lister);
}

void ShowHistoryItem(Lister &lister, const MenuPick &pick)
{
    if (lister.history.Text(pick.item)[0] != '\0')
        GoToDrawer(lister, lister.history.Text(pick.item));
}

void SelectAllEntries(Lister &lister)
{
    if (SelectAll(lister.entries, lister.Bitmap(), lister.metrics.ySize))
        PresentListerRows(lister);
}

void InvertAllEntries(Lister &lister)
{
    if (InvertAll(lister.entries, lister.Bitmap(), lister.metrics.ySize))
        PresentListerRows(lister);
}

void ShowAbout(Lister &lister)
{
    MessageRequest(lister.Requests(), lister.variant->versionText);
}

void DispatchMenuPick(Lister &lister, UWORD code)
{
    MenuPick pick = DecodeMenuPick(lister.menus, code);
    // A command without a handler has its item disabled; a pick of it, or
    // of nothing (MENUNULL), does nothing.
    if (CommandHandler handler = HandlerOf(pick.command))
        handler(lister, pick);
}
