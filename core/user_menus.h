// core/user_menus.h: the user menus on a lister: their block, their file, their editor.
#ifndef CORE_USER_MENUS_H
#define CORE_USER_MENUS_H

#include <settings/windows/user_menu_records.h>

struct Lister;

// The lister's user-menu records (BufferSet entry 5).
UserMenuBlock &UserMenusOf(Lister &lister);

// "User menus" in the Settings submenu: the editor, with the lister's menu
// strip taken away while it is open and set again, with what is now
// linked, when it closes.
void ShowUserMenuSettings(Lister &lister);

#endif /* CORE_USER_MENUS_H */
