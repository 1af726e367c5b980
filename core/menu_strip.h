// core/menu_strip.h: the lister's menu strip: its menus, items and flags, and what a pick's code means.
#ifndef CORE_MENU_STRIP_H
#define CORE_MENU_STRIP_H

#include <intuition/intuition.h>

#include <lister/history.h>
#include <settings/config_record.h>

// Everything the menu strip can ask for.
enum class MenuCommand : UBYTE {
    None,
    Open, Parent, Refresh, SetDestination,
    SettingsListerColors, SettingsWindowsColors, SettingsBufferSizes, SettingsDateFormats, SettingsUserMenus,
    SettingsListerView, SettingsCopy,
    SaveSettings, Help, About, Quit,
    OpenWith, Copy, Delete, NewDrawer, Rename, Information, Version, Search, Execute, SelectAll, InvertAll,
    SortNone, SortNameCase, SortDate,
    History,    // MenuPick::item is the History item (0 … 13)
    UserMenu,   // MenuPick::menu is the user menu (0 …), MenuPick::item its item
    Root        // the dual build's strips only
};

// The program's own menus; user menus follow from FirstUserMenu on.
constexpr ULONG ProjectMenu = 0;
constexpr ULONG FileMenu = 1;
constexpr ULONG SortMenu = 2;
constexpr ULONG HistoryMenu = 3;
constexpr ULONG FirstUserMenu = 4;
constexpr ULONG OwnMenuCount = 4;

constexpr ULONG ProjectItemCount = 9;      // the most a Project menu holds
constexpr ULONG SettingsItem = 4;          // "Settings" in the Project menu
constexpr ULONG SettingsSubItemCount = 7;  // the most the Settings item holds
constexpr ULONG FileItemCount = 11;
constexpr ULONG SortItemCount = 3;

// The text of a History item whose slot holds no drawer yet (the item is
// shown disabled).
extern const char HistoryPlaceholderText[];

struct MenuPick {
    MenuCommand command = MenuCommand::None;
    ULONG menu = 0;   // user menu number (UserMenu)
    ULONG item = 0;   // History item or user-menu item
};

// Which strip a lister has: the single lister's, or one of the two of the
// dual build (lister 1: "Root" in the place of "Set destination"; lister 2:
// a Project menu without the windows only lister 1 reaches, "Help",
// "About" and "Quit").
enum class MenuStripKind : UBYTE { Single, PairedFirst, PairedSecond };

struct ListerMenus;

// What the code of an IDCMP_MENUPICK asks for. MENUNULL and codes that name
// nothing give MenuCommand::None. The fixed items match the whole code
// (menu, item and sub-item); menu 3 is the History item in bits 5–8; any
// other menu is a user menu: the low 4 bits of the menu number less 4, the
// item in bits 5–8.
// Decodes for the single lister's strip; the second form for `strip`'s kind.
MenuPick DecodeMenuPick(UWORD code);
MenuPick DecodeMenuPick(const ListerMenus &strip, UWORD code);

// The code that picks a command of the fixed menus (MENUNULL for History,
// UserMenu and None).
UWORD MenuCodeOf(MenuCommand command);

// Whether a command is built in this program. Items whose command is not
// are shown disabled: a pick never silently does nothing.
BOOL MenuCommandBuilt(MenuCommand command);

// One lister's own copy of the strip: check marks, the "Parent" state and the
// History texts differ between two listers, so nothing of it is shared.
struct ListerMenus {
    struct Menu menus[OwnMenuCount];
    struct MenuItem projectItems[ProjectItemCount];
    struct IntuiText projectTexts[ProjectItemCount];
    struct MenuItem settingsItems[SettingsSubItemCount];
    struct IntuiText settingsTexts[SettingsSubItemCount];
    struct MenuItem fileItems[FileItemCount];
    struct IntuiText fileTexts[FileItemCount];
    struct MenuItem sortItems[SortItemCount];
    struct IntuiText sortTexts[SortItemCount];
    struct MenuItem historyItems[HistorySlotCount];
    struct IntuiText historyTexts[HistorySlotCount];
    MenuStripKind kind = MenuStripKind::Single;

    // The first menu of the strip, for SetMenuStrip.
    struct Menu *Strip() { return &menus[0]; }

    // The item of a fixed command (nullptr for History, UserMenu and None).
    struct MenuItem *ItemOf(MenuCommand command);
};

// Builds the strip in its order, with its texts and flags: every item text,
// enabled when its command is built, no shortcut; the three Sort items
// CHECKIT | MENUTOGGLE. Positions and sizes are 0: intuition lays them out.
// Check marks, "Parent" and the History texts are set by the calls below.
void BuildListerMenus(ListerMenus &strip, MenuStripKind kind = MenuStripKind::Single);

// Checks the Sort item of `sortOrder` (1 "Name case", 2 "No sort", 3 "Date";
// other values check "No sort", the order they sort in) and unchecks the
// other two, so exactly one is checked.
void SetSortCheck(ListerMenus &strip, UBYTE sortOrder);

// The SortOrder a Sort item stands for.
UBYTE SortOrderOf(MenuCommand command);

void SetParentEnabled(ListerMenus &strip, BOOL enabled);

// Points the fourteen History items at the HistoryList's texts in menu
// order; an empty slot shows HistoryPlaceholderText and is disabled.
void SetHistoryItems(ListerMenus &strip, const HistoryList &history);

// Links the menus after "History" to `userMenus` (nullptr: none). The user
// menus keep their own records; the strip only points at the first.
void SetUserMenus(ListerMenus &strip, struct Menu *userMenus);

#endif /* CORE_MENU_STRIP_H */
