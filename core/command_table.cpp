// core/command_table.cpp: the rows of the command table. A new command is its own file and one row here.
#include "command_table.h"

#include "commands.h"
#include "copy_command.h"
#include "drawer_commands.h"
#include "file_commands_run.h"
#include "lister_ops.h"
#include "settings_commands.h"
#include "user_menus.h"

#include <iterator>

namespace {

void Run(void (*command)(Lister &), Lister &lister)
{
    command(lister);
}

const CommandRow CommandRows[] = {
    {MenuCommand::Open, [](Lister &l, const MenuPick &) { Run(OpenDrawerRequester, l); }},
    {MenuCommand::Parent, [](Lister &l, const MenuPick &) { Run(GoToParent, l); }},
    {MenuCommand::Refresh, [](Lister &l, const MenuPick &) { Run(RefreshDrawer, l); }},
    {MenuCommand::SetDestination, [](Lister &l, const MenuPick &) { Run(SetDestinationRequester, l); }},
    {MenuCommand::Root, [](Lister &l, const MenuPick &) { Run(GoToRoot, l); }},
    {MenuCommand::SettingsListerColors, [](Lister &l, const MenuPick &) { Run(ShowListerColorsSettings, l); }},
    {MenuCommand::SettingsWindowsColors, [](Lister &l, const MenuPick &) { Run(ShowWindowsColorsSettings, l); }},
    {MenuCommand::SettingsBufferSizes, [](Lister &l, const MenuPick &) { Run(ShowBufferSizesSettings, l); }},
    {MenuCommand::SettingsDateFormats, [](Lister &l, const MenuPick &) { Run(ShowDateFormatSettings, l); }},
    {MenuCommand::SettingsUserMenus, [](Lister &l, const MenuPick &) { Run(ShowUserMenuSettings, l); }},
    {MenuCommand::SettingsListerView, [](Lister &l, const MenuPick &) { Run(ShowListerViewSettings, l); }},
    {MenuCommand::SettingsCopy, [](Lister &l, const MenuPick &) { Run(ShowCopySettings, l); }},
    {MenuCommand::SaveSettings, [](Lister &l, const MenuPick &) { Run(SaveSettings, l); }},
    {MenuCommand::Help, [](Lister &l, const MenuPick &) { Run(ShowHelp, l); }},
    {MenuCommand::About, [](Lister &l, const MenuPick &) { Run(ShowAbout, l); }},
    {MenuCommand::Quit, [](Lister &l, const MenuPick &) { l.quit = TRUE; }},
    {MenuCommand::Copy, [](Lister &l, const MenuPick &) { Run(CopySelectedEntries, l); }},
    {MenuCommand::Delete, [](Lister &l, const MenuPick &) { Run(DeleteSelectedEntries, l); }},
    {MenuCommand::NewDrawer, [](Lister &l, const MenuPick &) { Run(MakeNewDrawer, l); }},
    {MenuCommand::Rename, [](Lister &l, const MenuPick &) { Run(RenameSelectedEntries, l); }},
    {MenuCommand::Search, [](Lister &l, const MenuPick &) { Run(SearchEntries, l); }},
    {MenuCommand::SelectAll, [](Lister &l, const MenuPick &) { Run(SelectAllEntries, l); }},
    {MenuCommand::InvertAll, [](Lister &l, const MenuPick &) { Run(InvertAllEntries, l); }},
    {MenuCommand::OpenWith, [](Lister &l, const MenuPick &) { Run(OpenSelectedWith, l); }},
    {MenuCommand::Information, [](Lister &l, const MenuPick &) { Run(ShowSelectedInformation, l); }},
    {MenuCommand::Version, [](Lister &l, const MenuPick &) { Run(ShowSelectedVersion, l); }},
    {MenuCommand::Execute, [](Lister &l, const MenuPick &) { Run(ExecuteSelected, l); }},
    {MenuCommand::SortNone, ChangeSortOrder},
    {MenuCommand::SortNameCase, ChangeSortOrder},
    {MenuCommand::SortDate, ChangeSortOrder},
    {MenuCommand::History, ShowHistoryItem},
    {MenuCommand::UserMenu, [](Lister &l, const MenuPick &p) { RunUserMenuItem(l, p.menu, p.item); }},
};

}  // namespace

CommandHandler HandlerOf(MenuCommand command)
{
    for (const CommandRow &row : CommandRows)
        if (row.command == command)
            return row.handler;
    return nullptr;
}
