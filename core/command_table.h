// core/command_table.h: the command table: one row per menu command, the handler that runs it.
#ifndef CORE_COMMAND_TABLE_H
#define CORE_COMMAND_TABLE_H

#include "menu_strip.h"

struct Lister;

// Runs one command of the menu strip; `pick` says which (the Sort items and
// History share handlers).
using CommandHandler = void (*)(Lister &lister, const MenuPick &pick);

struct CommandRow {
    MenuCommand command;
    CommandHandler handler;
};

// The handler of `command`, nullptr when this program has none (its item
// is then shown disabled, so no pick can ask for it).
CommandHandler HandlerOf(MenuCommand command);

#endif /* CORE_COMMAND_TABLE_H */
