// core/menu_strip.cpp: building a lister's menu strip and decoding its picks.
#include "menu_strip.h"

#include "command_table.h"

#include <cstring>

const char HistoryPlaceholderText[] = "(empty)";

namespace {

struct ItemDescription {
    CONST_STRPTR text;
    MenuCommand command;
};

// The strip, in its order. The Settings item carries the sub-items.
const ItemDescription ProjectItems[ProjectItemCount] = {
    {"Open", MenuCommand::Open},
    {"Parent", MenuCommand::Parent},
    {"Refresh", MenuCommand::Refresh},
    {"Set destination", MenuCommand::SetDestination},
    {"Settings", MenuCommand::None},
    {"Save settings", MenuCommand::SaveSettings},
    {"Help", MenuCommand::Help},
    {"About", MenuCommand::About},
    {"Quit", MenuCommand::Quit},
};

// The dual build's Project menus.
const ItemDescription PairedFirstProjectItems[ProjectItemCount] = {
    {"Open", MenuCommand::Open},
    {"Parent", MenuCommand::Parent},
    {"Refresh", MenuCommand::Refresh},
    {"Root", MenuCommand::Root},
    {"Settings", MenuCommand::None},
    {"Save settings", MenuCommand::SaveSettings},
    {"Help", MenuCommand::Help},
    {"About", MenuCommand::About},
    {"Quit", MenuCommand::Quit},
};

constexpr ULONG PairedSecondProjectCount = 6;
const ItemDescription PairedSecondProjectItems[PairedSecondProjectCount] = {
    {"Open", MenuCommand::Open},
    {"Parent", MenuCommand::Parent},
    {"Refresh", MenuCommand::Refresh},
    {"Root", MenuCommand::Root},
    {"Settings", MenuCommand::None},
    {"Save settings", MenuCommand::SaveSettings},
};

const ItemDescription SettingsItems[SettingsSubItemCount] = {
    {"Lister colors", MenuCommand::SettingsListerColors},
    {"Windows colors", MenuCommand::SettingsWindowsColors},
    {"Buffer sizes", MenuCommand::SettingsBufferSizes},
    {"Date formats", MenuCommand::SettingsDateFormats},
    {"User menus", MenuCommand::SettingsUserMenus},
    {"Lister view", MenuCommand::SettingsListerView},
    {"Copy", MenuCommand::SettingsCopy},
};

const ItemDescription FileItems[FileItemCount] = {
    {"Open with", MenuCommand::OpenWith},
    {"Copy", MenuCommand::Copy},
    {"Delete", MenuCommand::Delete},
    {"New drawer", MenuCommand::NewDrawer},
    {"Rename", MenuCommand::Rename},
    {"Information", MenuCommand::Information},
    {"Version", MenuCommand::Version},
    {"Search", MenuCommand::Search},
    {"Execute", MenuCommand::Execute},
    {"Select all", MenuCommand::SelectAll},
    {"Invert all", MenuCommand::InvertAll},
};

const ItemDescription SortItems[SortItemCount] = {
    {"No sort", MenuCommand::SortNone},
    {"Name case", MenuCommand::SortNameCase},
    {"Date", MenuCommand::SortDate},
};

constexpr ULONG PairedSecondSettingsCount = 4;
const ItemDescription PairedSecondSettingsItems[PairedSecondSettingsCount] = {
    {"Lister colors", MenuCommand::SettingsListerColors},
    {"Windows colors", MenuCommand::SettingsWindowsColors},
    {"Buffer sizes", MenuCommand::SettingsBufferSizes},
    {"User menus", MenuCommand::SettingsUserMenus},
};

CONST_STRPTR const MenuTitles[OwnMenuCount] = {"Project", "File", "Sort", "History"};

// The Project menu and its Settings item of one kind of strip.
struct ProjectLayout {
    const ItemDescription *items;
    ULONG count;
    const ItemDescription *settings;
    ULONG settingsCount;
};

ProjectLayout LayoutOf(MenuStripKind kind)
{
    switch (kind) {
    case MenuStripKind::PairedFirst:
        return {PairedFirstProjectItems, ProjectItemCount, SettingsItems, SettingsSubItemCount};
    case MenuStripKind::PairedSecond:
        return {PairedSecondProjectItems, PairedSecondProjectCount, PairedSecondSettingsItems,
                PairedSecondSettingsCount};
    case MenuStripKind::Single:
        break;
    }
    return {ProjectItems, ProjectItemCount, SettingsItems, SettingsSubItemCount};
}

void BuildItems(struct MenuItem *items, struct IntuiText *texts, const ItemDescription *descriptions, ULONG count,
                UWORD extraFlags)
{
    for (ULONG i = 0; i < count; i++) {
        std::memset(&items[i], 0, sizeof items[i]);
        std::memset(&texts[i], 0, sizeof texts[i]);
        texts[i].FrontPen = 0;
        texts[i].BackPen = 1;
        texts[i].DrawMode = JAM1;
        texts[i].IText = const_cast<STRPTR>(descriptions[i].text);
        items[i].NextItem = i + 1 < count ? &items[i + 1] : nullptr;
        items[i].Flags = ITEMTEXT | HIGHCOMP | extraFlags;
        if (descriptions[i].command == MenuCommand::None || MenuCommandBuilt(descriptions[i].command))
            items[i].Flags |= ITEMENABLED;
        items[i].ItemFill = &texts[i];
    }
}

// Where a fixed command sits: menu, item and sub-item (NOSUB for none).
bool PlaceOf(MenuCommand command, ULONG &menu, ULONG &item, ULONG &sub, MenuStripKind kind = MenuStripKind::Single)
{
    const ProjectLayout project = LayoutOf(kind);
    for (ULONG i = 0; i < project.count; i++)
        if (project.items[i].command == command && command != MenuCommand::None) {
            menu = ProjectMenu, item = i, sub = NOSUB;
            return true;
        }
    for (ULONG i = 0; i < project.settingsCount; i++)
        if (project.settings[i].command == command) {
            menu = ProjectMenu, item = SettingsItem, sub = i;
            return true;
        }
    for (ULONG i = 0; i < FileItemCount; i++)
        if (FileItems[i].command == command) {
            menu = FileMenu, item = i, sub = NOSUB;
            return true;
        }
    for (ULONG i = 0; i < SortItemCount; i++)
        if (SortItems[i].command == command) {
            menu = SortMenu, item = i, sub = NOSUB;
            return true;
        }
    return false;
}

}  // namespace

namespace {

MenuPick DecodeFor(MenuStripKind kind, UWORD code)
{
    MenuPick pick;
    if (code == MENUNULL)
        return pick;
    const ProjectLayout project = LayoutOf(kind);
    ULONG menu = MENUNUM(code), item = ITEMNUM(code), sub = SUBNUM(code);
    switch (menu) {
    case ProjectMenu:
        if (item == SettingsItem) {
            if (sub < project.settingsCount)
                pick.command = project.settings[sub].command;
        } else if (item < project.count && sub == NOSUB) {
            pick.command = project.items[item].command;
        }
        return pick;
    case FileMenu:
        if (item < FileItemCount && sub == NOSUB)
            pick.command = FileItems[item].command;
        return pick;
    case SortMenu:
        if (item < SortItemCount && sub == NOSUB)
            pick.command = SortItems[item].command;
        return pick;
    case HistoryMenu:
        item &= 0x0F;
        if (item < HistorySlotCount) {
            pick.command = MenuCommand::History;
            pick.item = item;
        }
        return pick;
    default:
        if ((menu & 0x0F) >= FirstUserMenu) {
            pick.command = MenuCommand::UserMenu;
            pick.menu = (menu & 0x0F) - FirstUserMenu;
            pick.item = item & 0x0F;
        }
        return pick;
    }
}

}  // namespace

MenuPick DecodeMenuPick(UWORD code)
{
    return DecodeFor(MenuStripKind::Single, code);
}

MenuPick DecodeMenuPick(const ListerMenus &strip, UWORD code)
{
    return DecodeFor(strip.kind, code);
}

UWORD MenuCodeOf(MenuCommand command)
{
    ULONG menu, item, sub;
    if (!PlaceOf(command, menu, item, sub))
        return MENUNULL;
    return UWORD(FULLMENUNUM(menu, item, sub));
}

BOOL MenuCommandBuilt(MenuCommand command)
{
    return HandlerOf(command) != nullptr;
}

struct MenuItem *ListerMenus::ItemOf(MenuCommand command)
{
    ULONG menu, item, sub;
    if (!PlaceOf(command, menu, item, sub, kind))
        return nullptr;
    if (menu == ProjectMenu)
        return sub == NOSUB ? &projectItems[item] : &settingsItems[sub];
    if (menu == FileMenu)
        return &fileItems[item];
    return &sortItems[item];
}

void BuildListerMenus(ListerMenus &strip, MenuStripKind kind)
{
    std::memset(static_cast<void *>(&strip), 0, sizeof strip);
    strip.kind = kind;
    const ProjectLayout project = LayoutOf(kind);
    BuildItems(strip.projectItems, strip.projectTexts, project.items, project.count, 0);
    BuildItems(strip.settingsItems, strip.settingsTexts, project.settings, project.settingsCount, 0);
    strip.projectItems[SettingsItem].SubItem = &strip.settingsItems[0];
    BuildItems(strip.fileItems, strip.fileTexts, FileItems, FileItemCount, 0);
    BuildItems(strip.sortItems, strip.sortTexts, SortItems, SortItemCount, CHECKIT | MENUTOGGLE);
    for (ULONG i = 0; i < HistorySlotCount; i++) {
        struct IntuiText &text = strip.historyTexts[i];
        text.FrontPen = 0;
        text.BackPen = 1;
        text.DrawMode = JAM1;
        text.IText = const_cast<STRPTR>(HistoryPlaceholderText);
        struct MenuItem &item = strip.historyItems[i];
        item.NextItem = i + 1 < HistorySlotCount ? &strip.historyItems[i + 1] : nullptr;
        item.Flags = ITEMTEXT | HIGHCOMP;
        item.ItemFill = &text;
    }
    struct MenuItem *firstItems[OwnMenuCount] = {strip.projectItems, strip.fileItems, strip.sortItems,
                                                 strip.historyItems};
    for (ULONG m = 0; m < OwnMenuCount; m++) {
        strip.menus[m].NextMenu = m + 1 < OwnMenuCount ? &strip.menus[m + 1] : nullptr;
        strip.menus[m].Flags = MENUENABLED;
        strip.menus[m].MenuName = MenuTitles[m];
        strip.menus[m].FirstItem = firstItems[m];
    }
    SetSortCheck(strip, SortNameCase);
}

void SetSortCheck(ListerMenus &strip, UBYTE sortOrder)
{
    ULONG checked = sortOrder == SortNameCase ? 1 : sortOrder == SortDate ? 2 : 0;
    for (ULONG i = 0; i < SortItemCount; i++) {
        if (i == checked)
            strip.sortItems[i].Flags |= CHECKED;
        else
            strip.sortItems[i].Flags &= ~CHECKED;
    }
}

UBYTE SortOrderOf(MenuCommand command)
{
    switch (command) {
    case MenuCommand::SortNameCase:
        return SortNameCase;
    case MenuCommand::SortDate:
        return SortDate;
    default:
        return SortNone;
    }
}

void SetParentEnabled(ListerMenus &strip, BOOL enabled)
{
    struct MenuItem *item = strip.ItemOf(MenuCommand::Parent);
    if (enabled)
        item->Flags |= ITEMENABLED;
    else
        item->Flags &= ~ITEMENABLED;
}

void SetHistoryItems(ListerMenus &strip, const HistoryList &history)
{
    for (ULONG i = 0; i < HistorySlotCount; i++) {
        STRPTR text = history.Text(i);
        bool empty = text[0] == '\0';
        strip.historyTexts[i].IText = empty ? const_cast<STRPTR>(HistoryPlaceholderText) : text;
        if (empty)
            strip.historyItems[i].Flags &= ~ITEMENABLED;
        else
            strip.historyItems[i].Flags |= ITEMENABLED;
    }
}

void SetUserMenus(ListerMenus &strip, struct Menu *userMenus)
{
    strip.menus[HistoryMenu].NextMenu = userMenus;
}
