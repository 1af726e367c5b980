// core/commands.cpp: the menu strip's commands: dispatching a pick, sorting, selecting, "About" and "Quit".
#include "lister_ops.h"

#include "requester.h"

#include <lister/selection.h>
#include <lister/sort.h>
#include <proto/intuition.h>

namespace {

// Sort items: the check marks, the SortOrder, the new order drawn.
void ChangeSortOrder(Lister &lister, MenuCommand command)
{
    if (lister.window != nullptr)
        ClearMenuStrip(lister.window);
    SetSortCheck(lister.menus, SortOrderOf(command));
    lister.config.SetSortOrder(SortOrderOf(command));
    SortEntries(lister.entries, lister.config.SortOrder());
    RedrawEntries(lister);
    if (lister.window != nullptr)
        ResetMenuStrip(lister.window, lister.menus.Strip());
    PresentListerRows(lister);
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

}  // namespace

void DispatchMenuPick(Lister &lister, UWORD code)
{
    MenuPick pick = DecodeMenuPick(code);
    if (pick.command != MenuCommand::None && pick.command != MenuCommand::UserMenu &&
        pick.command != MenuCommand::History && !MenuCommandBuilt(pick.command))
        return;   // its item is disabled; a pick cannot arrive
    switch (pick.command) {
    case MenuCommand::Open:
        OpenDrawerRequester(lister);
        break;
    case MenuCommand::Parent:
        GoToParent(lister);
        break;
    case MenuCommand::Refresh:
        RefreshDrawer(lister);
        break;
    case MenuCommand::SetDestination:
        SetDestinationRequester(lister);
        break;
    case MenuCommand::SaveSettings:
        SaveSettings(lister);
        break;
    case MenuCommand::Help:
        ShowHelp(lister);
        break;
    case MenuCommand::About:
        MessageRequest(lister, lister.variant->versionText);
        break;
    case MenuCommand::Quit:
        lister.quit = TRUE;
        break;
    case MenuCommand::SelectAll:
        SelectAllEntries(lister);
        break;
    case MenuCommand::InvertAll:
        InvertAllEntries(lister);
        break;
    case MenuCommand::SortNone:
    case MenuCommand::SortNameCase:
    case MenuCommand::SortDate:
        ChangeSortOrder(lister, pick.command);
        break;
    case MenuCommand::History:
        if (lister.history.Text(pick.item)[0] != '\0')
            GoToDrawer(lister, lister.history.Text(pick.item));
        break;
    case MenuCommand::UserMenu:
        RunUserMenuItem(lister, pick.menu, pick.item);
        break;
    default:
        break;
    }
}
