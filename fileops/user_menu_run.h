// fileops/user_menu_run.h: RunUserMenuCommand: a user menu item run over the selection, its failures asked of a control.
#ifndef FILEOPS_USER_MENU_RUN_H
#define FILEOPS_USER_MENU_RUN_H

#include "expand_function.h"
#include "run_command.h"

#include <dos/dos.h>

// The item as a run needs it; the texts live while the run does.
struct UserMenuCommand {
    CONST_STRPTR name = "";           // the item's name: the "%i" title, and what requesters name
    CONST_STRPTR function = "";
    BOOL multitasking = FALSE;        // SYS_Asynch: the program does not wait
    ULONG stack = 16384;
    LONG priority = 0;
    BOOL outputEnabled = FALSE;       // the command reads and writes `outputWindow`
    CONST_STRPTR outputWindow = "";
    BOOL allAtOnce = FALSE;           // one run for every selected entry
    BOOL startAlways = FALSE;         // one run, also when nothing is selected
};

// The bodies of the two failure requesters.
extern const char UserMenuNotStarted[];   // "error execute usermenu"
extern const char UserMenuCommandError[]; // "command error"

class UserMenuControl : public CommandControl, public ArgumentPrompt {
public:
    // A command could not be started (UserMenuNotStarted) or returned
    // RETURN_ERROR (UserMenuCommandError): the request with "Skip" (TRUE)
    // and "Abort" (FALSE).
    virtual BOOL CommandFailed(CONST_STRPTR body) = 0;
};

// How a run ended, and what the lister does now.
enum class UserMenuEnding : UBYTE {
    Nothing,   // nothing selected and not start always: nothing ran, nothing to redraw
    Finished,  // redraw the lister, or read its drawer again when `refresh` is set
    Aborted,   // "Abort": back to the lister as it is
    GoTo       // "%l": show the drawer `goTo`
};

struct UserMenuRunResult {
    UserMenuEnding ending = UserMenuEnding::Nothing;
    BOOL refresh = FALSE;
    CONST_STRPTR goTo = nullptr;
};

// Where the run finds its paths and buffers, and the output window a
// synchronous run keeps open until the next run (`keptOutput`: closed
// here first, and set again when this run opens one; the caller closes
// the last at quit).
struct UserMenuRunPlace {
    CONST_STRPTR drawer = "";
    CONST_STRPTR destination = "";
    ExpandBuffers buffers;
    BPTR *keptOutput = nullptr;
};

// Runs `command` for the first selected entry and, one by one, the others
// (or once: all at once, start always). For each, ExpandFunction builds
// the line, which runs with SystemTagList and the tags NP_StackSize,
// SYS_Asynch, NP_Priority and, with a console, SYS_Input, SYS_Output 0 and
// the tag 0x80000026 0. A multitasking command gets a console of its own
// (the output window, else "CONSOLE:"), which it owns; a synchronous one
// with its output window on shares one opened once for the run. A line
// that "%c" or "%C" gives a drawer runs in it (a drawer that cannot be
// locked is passed over). After each success a "%n" runs the next part;
// the entry is deselected (MenuRunSelection::ActedOn) and the run goes on.
// -1 (not started) and 10 ask CommandFailed; other results are success.
// "Skip" leaves the entry selected and goes on with the next (all at once
// and start always end), "Abort" ends the run. A line too long for its
// buffer is refused with Failure(name, ERROR_LINE_TOO_LONG, "Skip"/"Abort"),
// and a "%C" or "%i" left open with Refusal; a cancelled "%i" skips the
// entry. The current directory is the caller's again on every way out.
[[nodiscard]] UserMenuRunResult RunUserMenuCommand(const UserMenuCommand &command, MenuRunSelection &selection,
                                                   UserMenuControl &control, const UserMenuRunPlace &place);

#endif /* FILEOPS_USER_MENU_RUN_H */
