// core/drawer_commands.h: the "File" menu's commands that change or select the drawer's entries: Delete, New drawer, Rename, Search.
#ifndef CORE_DRAWER_COMMANDS_H
#define CORE_DRAWER_COMMANDS_H

struct Lister;

// "Delete": after one question, the selected entries, drawers with all
// they hold; the drawer is read again afterwards.
void DeleteSelectedEntries(Lister &lister);

// "New drawer": the "Make new directory" dialog; a drawer (and its icon
// when asked); the drawer read again when one was made or found.
void MakeNewDrawer(Lister &lister);

// "Rename": one dialog for the selected entries, one after the other; the
// drawer read again when a rename succeeded.
void RenameSelectedEntries(Lister &lister);

// "Search": the search dialog; entries from the first selected one on
// whose names (or file heads) hold the text are added to the selection.
void SearchEntries(Lister &lister);

#endif /* CORE_DRAWER_COMMANDS_H */
