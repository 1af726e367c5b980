// settings/windows/user_menu_editor.h: "User menus settings" and "Usermenuitem function settings": the user menus edited in place.
#ifndef SETTINGS_WINDOWS_USER_MENU_EDITOR_H
#define SETTINGS_WINDOWS_USER_MENU_EDITOR_H

#include "settings_windows.h"
#include "user_menu_records.h"

// "User menus settings", a window of two levels that edits `block` in
// place. The menu level shows a button for each linked menu and adds
// menus ("Add": the next record, named by the field, " " when it is
// empty); a menu's button opens its item level, which does the same for
// its items, and an item's button opens "Usermenuitem function settings".
// At ten the field and "Add" are disabled. "OK" on the item level links
// the items shown; "OK" on the menu level links the menus shown after
// "History", up to the first that has no item (none when the first has
// none: the strip stays as it was) and ends the editor. "Cancel" and the
// close gadget leave a level without linking what was added there.
// Ending: Confirmed after the menu level's "OK", Cancelled otherwise,
// NotOpened when a window could not be made (what was linked until then
// stays). The caller sets the strip again in every case: an item level's
// "OK" links at once.
SettingsOutcome RunUserMenuEditor(const SettingsContext &context, UserMenuBlock &block);

// "Usermenuitem function settings" for item `item` of `menu`: its menu's
// and its own name, function, output window (its field enabled only with
// "Enable"), stack in Kb, priority, multitasking, all at once and start
// always. "OK" stores every field (stack × 1024; an empty menu name
// becomes " "): Confirmed. "Cancel" and the close gadget store nothing.
SettingsOutcome RunItemSettingsEditor(const SettingsContext &context, UserMenu &menu, UserMenuItem &item);

#endif /* SETTINGS_WINDOWS_USER_MENU_EDITOR_H */
