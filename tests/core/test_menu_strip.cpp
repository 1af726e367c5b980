// The menu strip: its order, texts and flags, one check mark in "Sort", History items, and pick codes.
#include <core/menu_strip.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const struct MenuItem *item)
{
    std::vector<std::string> texts;
    for (; item != nullptr; item = item->NextItem)
        texts.push_back(static_cast<const struct IntuiText *>(item->ItemFill)->IText);
    return texts;
}

bool Enabled(const struct MenuItem *item) { return (item->Flags & ITEMENABLED) != 0; }

TEST(MenuStrip, MenusItemsAndSubItemsInTheirOrder)
{
    ListerMenus strip;
    BuildListerMenus(strip);
    std::vector<std::string> titles;
    for (struct Menu *menu = strip.Strip(); menu != nullptr; menu = menu->NextMenu) {
        titles.push_back(menu->MenuName);
        EXPECT_EQ(menu->Flags & MENUENABLED, MENUENABLED);
        EXPECT_EQ(menu->LeftEdge, 0);
        EXPECT_EQ(menu->Width, 0);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Project", "File", "Sort", "History"}));
    EXPECT_EQ(Texts(strip.menus[ProjectMenu].FirstItem),
              (std::vector<std::string>{"Open", "Parent", "Refresh", "Set destination", "Settings", "Save settings",
                                        "Help", "About", "Quit"}));
    EXPECT_EQ(Texts(strip.projectItems[SettingsItem].SubItem),
              (std::vector<std::string>{"Lister colors", "Windows colors", "Buffer sizes", "Date formats",
                                        "User menus", "Lister view", "Copy"}));
    EXPECT_EQ(Texts(strip.menus[FileMenu].FirstItem),
              (std::vector<std::string>{"Open with", "Copy", "Delete", "New drawer", "Rename", "Information",
                                        "Version", "Search", "Execute", "Select all", "Invert all"}));
    EXPECT_EQ(Texts(strip.menus[SortMenu].FirstItem), (std::vector<std::string>{"No sort", "Name case", "Date"}));
    EXPECT_EQ(Texts(strip.menus[HistoryMenu].FirstItem).size(), 14u);

    // Text items, no shortcut, positions left to intuition.
    for (struct Menu *menu = strip.Strip(); menu != nullptr; menu = menu->NextMenu)
        for (struct MenuItem *item = menu->FirstItem; item != nullptr; item = item->NextItem) {
            EXPECT_EQ(item->Flags & ITEMTEXT, ITEMTEXT);
            EXPECT_EQ(item->Flags & COMMSEQ, 0);
            EXPECT_EQ(item->Command, 0);
            EXPECT_EQ(item->LeftEdge | item->TopEdge | item->Width | item->Height, 0);
        }
}

TEST(MenuStrip, OnlyCommandsThatExistAreEnabled)
{
    ListerMenus strip;
    BuildListerMenus(strip);
    for (MenuCommand command : {MenuCommand::Parent, MenuCommand::Refresh, MenuCommand::SaveSettings,
                                MenuCommand::Help, MenuCommand::About, MenuCommand::Quit, MenuCommand::SelectAll,
                                MenuCommand::InvertAll, MenuCommand::SortNone, MenuCommand::SortNameCase,
                                MenuCommand::SortDate, MenuCommand::OpenWith, MenuCommand::Information,
                                MenuCommand::Version, MenuCommand::Execute, MenuCommand::Delete,
                                MenuCommand::NewDrawer, MenuCommand::Rename, MenuCommand::Search})
        EXPECT_TRUE(Enabled(strip.ItemOf(command))) << int(command);
    for (MenuCommand command : {MenuCommand::Copy})
        EXPECT_FALSE(Enabled(strip.ItemOf(command))) << int(command);
    for (MenuCommand command : {MenuCommand::SettingsListerColors, MenuCommand::SettingsWindowsColors,
                                MenuCommand::SettingsBufferSizes, MenuCommand::SettingsDateFormats,
                                MenuCommand::SettingsListerView, MenuCommand::SettingsCopy, MenuCommand::SettingsUserMenus})
        EXPECT_TRUE(Enabled(strip.ItemOf(command))) << int(command);
    EXPECT_EQ(Enabled(strip.ItemOf(MenuCommand::Open)), bool(MenuCommandBuilt(MenuCommand::Open)));
    EXPECT_TRUE(Enabled(&strip.projectItems[SettingsItem]));

    SetParentEnabled(strip, FALSE);
    EXPECT_FALSE(Enabled(strip.ItemOf(MenuCommand::Parent)));
    SetParentEnabled(strip, TRUE);
    EXPECT_TRUE(Enabled(strip.ItemOf(MenuCommand::Parent)));
}

TEST(MenuStrip, ExactlyOneSortItemIsChecked)
{
    ListerMenus strip;
    BuildListerMenus(strip);
    auto checked = [&] {
        std::string which;
        for (ULONG i = 0; i < SortItemCount; i++) {
            EXPECT_EQ(strip.sortItems[i].Flags & (CHECKIT | MENUTOGGLE), CHECKIT | MENUTOGGLE);
            if (strip.sortItems[i].Flags & CHECKED)
                which += static_cast<const struct IntuiText *>(strip.sortItems[i].ItemFill)->IText;
        }
        return which;
    };
    EXPECT_EQ(checked(), "Name case");
    SetSortCheck(strip, SortDate);
    EXPECT_EQ(checked(), "Date");
    SetSortCheck(strip, SortNone);
    EXPECT_EQ(checked(), "No sort");
    SetSortCheck(strip, 77);   // sorts as "No sort"
    EXPECT_EQ(checked(), "No sort");
    SetSortCheck(strip, SortNameCase);
    SetSortCheck(strip, SortNameCase);
    EXPECT_EQ(checked(), "Name case");
    EXPECT_EQ(SortOrderOf(MenuCommand::SortNone), SortNone);
    EXPECT_EQ(SortOrderOf(MenuCommand::SortNameCase), SortNameCase);
    EXPECT_EQ(SortOrderOf(MenuCommand::SortDate), SortDate);
}

TEST(MenuStrip, HistoryItemsShowTheListAndEmptySlotsAreDisabled)
{
    std::vector<UBYTE> block(HistoryBlockSize);
    HistoryList history;
    InitHistoryList(history, block.data());
    UpdateHistory(history, "Work:");
    UpdateHistory(history, "RAM:");
    ListerMenus strip;
    BuildListerMenus(strip);
    SetHistoryItems(strip, history);
    std::vector<std::string> texts = Texts(strip.menus[HistoryMenu].FirstItem);
    ASSERT_EQ(texts.size(), 14u);
    EXPECT_EQ(texts[12], "Work:");
    EXPECT_EQ(texts[13], "RAM:");
    EXPECT_EQ(texts[0], HistoryPlaceholderText);
    EXPECT_FALSE(Enabled(&strip.historyItems[0]));
    EXPECT_TRUE(Enabled(&strip.historyItems[13]));
    // The item points at the slot itself: the list's text is the menu's.
    EXPECT_EQ(static_cast<const struct IntuiText *>(strip.historyItems[13].ItemFill)->IText, history.Text(13));
}

TEST(MenuStrip, PickCodesDecodeToTheirCommands)
{
    EXPECT_EQ(DecodeMenuPick(MENUNULL).command, MenuCommand::None);
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(0, 0, NOSUB)).command, MenuCommand::Open);
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(0, 8, NOSUB)).command, MenuCommand::Quit);
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(0, 4, 2)).command, MenuCommand::SettingsBufferSizes);
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(0, 4, NOSUB)).command, MenuCommand::None);
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(0, 1, 0)).command, MenuCommand::None);   // "Parent" has no sub-items
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(1, 9, NOSUB)).command, MenuCommand::SelectAll);
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(1, 11, NOSUB)).command, MenuCommand::None);
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(2, 2, NOSUB)).command, MenuCommand::SortDate);

    MenuPick pick = DecodeMenuPick(FULLMENUNUM(3, 5, NOSUB));
    EXPECT_EQ(pick.command, MenuCommand::History);
    EXPECT_EQ(pick.item, 5u);   // the sixth item
    EXPECT_EQ(DecodeMenuPick(FULLMENUNUM(3, 14, NOSUB)).command, MenuCommand::None);

    pick = DecodeMenuPick(FULLMENUNUM(4, 0, NOSUB));
    EXPECT_EQ(pick.command, MenuCommand::UserMenu);
    EXPECT_EQ(pick.menu, 0u);
    EXPECT_EQ(pick.item, 0u);
    pick = DecodeMenuPick(FULLMENUNUM(13, 9, NOSUB));
    EXPECT_EQ(pick.menu, 9u);
    EXPECT_EQ(pick.item, 9u);
    // Only the low four bits of the menu number count.
    pick = DecodeMenuPick(FULLMENUNUM(16 + 5, 2, NOSUB));
    EXPECT_EQ(pick.command, MenuCommand::UserMenu);
    EXPECT_EQ(pick.menu, 1u);

    // Every fixed command's code decodes back to it.
    for (int c = int(MenuCommand::Open); c <= int(MenuCommand::SortDate); c++) {
        auto command = static_cast<MenuCommand>(c);
        EXPECT_EQ(DecodeMenuPick(MenuCodeOf(command)).command, command) << c;
    }
    EXPECT_EQ(MenuCodeOf(MenuCommand::History), MENUNULL);
}

TEST(MenuStrip, EachListerHasItsOwnStrip)
{
    ListerMenus first, second;
    BuildListerMenus(first);
    BuildListerMenus(second);
    SetSortCheck(first, SortDate);
    SetParentEnabled(second, FALSE);
    EXPECT_TRUE(second.sortItems[1].Flags & CHECKED);
    EXPECT_TRUE(Enabled(first.ItemOf(MenuCommand::Parent)));
    EXPECT_NE(first.menus[0].FirstItem, second.menus[0].FirstItem);
    struct Menu userMenu = {};
    SetUserMenus(first, &userMenu);
    EXPECT_EQ(first.menus[HistoryMenu].NextMenu, &userMenu);
    EXPECT_EQ(second.menus[HistoryMenu].NextMenu, nullptr);
}

}  // namespace
