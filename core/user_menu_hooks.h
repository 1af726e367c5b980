// core/user_menu_hooks.h: where the user menus join the lister: loading, saving, the strip, a pick.
#ifndef CORE_USER_MENU_HOOKS_H
#define CORE_USER_MENU_HOOKS_H

#include "lister.h"

// Reads the user menu file into BufferSet entry 5 (start-up and "Restart").
// No file: no user menus. A file that cannot be read or is damaged is
// refused whole with a requester naming it; there are no user menus then.
void LoadUserMenus(Lister &lister);

// Writes the user menus after the configuration file, beside the old one
// until whole; nothing when no menu is linked. FALSE when it failed (the
// requester has said why; the old file is as it was).
BOOL SaveUserMenus(Lister &lister);

// The user menus to append to the strip after "History" (nullptr: none).
struct Menu *UserMenuStrip(Lister &lister);

// A pick in a user menu (`menu` and `item` from 0): the item run over the
// selection. A pick of nothing linked does nothing.
void RunUserMenuItem(Lister &lister, ULONG menu, ULONG item);

#endif /* CORE_USER_MENU_HOOKS_H */
