// core/commands.h: the lister's own small commands: sorting, selecting, History, "About", and dispatching a pick.
#ifndef CORE_COMMANDS_H
#define CORE_COMMANDS_H

#include "menu_strip.h"

struct Lister;

// Runs the command of an IDCMP_MENUPICK's code through the command table.
void DispatchMenuPick(Lister &lister, UWORD code);

// The Sort items: the check marks, the SortOrder, the new order drawn.
void ChangeSortOrder(Lister &lister, const MenuPick &pick);

// A History item: the drawer of its text.
void ShowHistoryItem(Lister &lister, const MenuPick &pick);

void SelectAllEntries(Lister &lister);
void InvertAllEntries(Lister &lister);

// "About": the program's version text and "OK".
void ShowAbout(Lister &lister);

#endif /* CORE_COMMANDS_H */
