// settings/windows/user_menu_records.h: the ten UserMenu records with their items, as the menu strip links them.
#ifndef SETTINGS_WINDOWS_USER_MENU_RECORDS_H
#define SETTINGS_WINDOWS_USER_MENU_RECORDS_H

#include <intuition/intuition.h>

#include <settings/user_menu_file.h>

// The records carry intuition's own menu structures, so that the strip
// links them as they are; that is why they live beside the editors, the
// lowest layer that may know intuition and that the core reaches too.
//
// Menu k is always record k and item j of a menu always its slot j. What
// the strip shows is what is linked: `strip` (the first menu after
// "History"), each menu's NextMenu and FirstItem, each item's NextItem. A
// record or slot that is not linked is unused, whatever it holds.

struct UserMenuItem {
    struct MenuItem item;      // ITEMTEXT | ITEMENABLED, ItemFill = &text
    struct IntuiText text;     // pens, position and font 0; IText = fields.name
    UserMenuItemFields fields;
};

struct UserMenu {
    struct Menu menu;          // MENUENABLED, MenuName = name
    char name[UserMenuNameSize];
    UserMenuItem items[UserMenuMax];
};

// The block the BufferSet keeps for them. It must not move while linked:
// the structures point into it.
struct UserMenuBlock {
    struct Menu *strip;        // nullptr: no user menus
    UserMenu menus[UserMenuMax];
};

// Nothing linked, every record empty.
void ClearUserMenus(UserMenuBlock &block);

// A new menu in record `menu`: the header as intuition wants it (no items
// yet, not linked), `name` cut to 19 characters.
void FillUserMenu(UserMenu &menu, CONST_STRPTR name);

// A new item in a slot: its header and text, and the defaults of a new item.
void FillUserMenuItem(UserMenuItem &item, CONST_STRPTR name);

// The header of a slot whose fields are already there (a loaded item):
// flags, the IntuiText and the links to its own name; NextItem cleared.
void PrepareUserMenuItem(UserMenuItem &item);

// Links the first `count` slots of `menu` (FirstItem, each NextItem to the
// next; 0: no items).
void LinkUserMenuItems(UserMenu &menu, ULONG count);

// Links the first `count` records after "History" (`strip`, each NextMenu
// to the next; 0: no user menus).
void LinkUserMenus(UserMenuBlock &block, ULONG count);

// How many menus are linked, and how many items of a menu; a chain that
// leaves the records or loops ends the count.
ULONG LinkedUserMenuCount(const UserMenuBlock &block);
ULONG LinkedItemCount(const UserMenu &menu);

// The linked item `item` of the linked menu `menu` (both from 0), or
// nullptr when the strip has no such item.
UserMenuItem *LinkedUserMenuItem(UserMenuBlock &block, ULONG menu, ULONG item);

// The file's view of the records: every name and slot, and the counts of
// what is linked now.
UserMenuFileView UserMenuViewOf(UserMenuBlock &block);

// Rebuilds the records from a file's image: cleared, read, headers made
// and linked as the file's counts say. On a fault the block stays cleared
// (no user menus) and the fault is returned.
[[nodiscard]] UserMenuFault BuildUserMenus(UserMenuBlock &block, const UBYTE *image, ULONG size);

#endif /* SETTINGS_WINDOWS_USER_MENU_RECORDS_H */
