// core/user_menu_hooks.cpp: where the user menus join the lister. Until they are built the program has none.
#include "lister_ops.h"

// No user menu exists yet: there is no file to read and nothing in the
// strip after "History", so no pick can reach RunUserMenuItem.
void LoadUserMenus(Lister &lister)
{
    (void)lister;
}

BOOL SaveUserMenus(Lister &lister)
{
    (void)lister;
    return TRUE;
}

struct Menu *UserMenuStrip(Lister &lister)
{
    (void)lister;
    return nullptr;
}

void RunUserMenuItem(Lister &lister, ULONG menu, ULONG item)
{
    (void)lister;
    (void)menu;
    (void)item;
}
