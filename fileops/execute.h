// fileops/execute.h: Execute: each selected entry run as a command with the arguments a person gives for it.
#ifndef FILEOPS_EXECUTE_H
#define FILEOPS_EXECUTE_H

#include "run_command.h"
#include "selection_walk.h"

// The arguments field: 1023 characters and the NUL.
constexpr ULONG ExecuteFieldSize = 1024;

// How the person answered the arguments dialog.
enum class ArgumentAnswer : UBYTE {
    Run,    // run the entry with the field's text; the dialog is closed while it runs
    Next,   // go on with the next entry, running nothing; the dialog stays open
    End     // stop here
};

class ExecuteControl : public CommandControl {
public:
    // Asks for the arguments of `entry` in `field` (`fieldSize` bytes),
    // showing the text it holds and leaving there what the person typed.
    virtual ArgumentAnswer AskArguments(const WalkEntry &entry, STRPTR field, ULONG fieldSize) = 0;
};

// The command line of Execute in `line` (`size` bytes): the entry's name as
// one word of the shell (quoted and escaped only where the name needs it,
// so "List" stays List), one blank, then `arguments` as typed. FALSE, with
// the line cut short, when it does not fit.
[[nodiscard]] BOOL BuildExecuteLine(STRPTR line, ULONG size, CONST_STRPTR name, CONST_STRPTR arguments);

// Execute over the selection: for each entry the control asks for the
// arguments; "Run" builds the line in `line` (the CopyBuffer, `lineSize`
// bytes), runs it (RunCommandLine) and empties `field`. Result 0 deselects
// the entry (SelectionWalk::ActedOn) and goes on; any other result asks
// Failure with "Retry" / "Skip these" naming the entry (the command's
// secondary error, else its return code): "Retry" asks for the same
// entry again. "Next" goes on with `field` as it is; "End" stops.
// Result: TRUE when at least one command succeeded (the drawer should be
// read again).
BOOL ExecuteSelection(SelectionWalk &walk, ExecuteControl &control, STRPTR line, ULONG lineSize, STRPTR field,
                      ULONG fieldSize);

#endif /* FILEOPS_EXECUTE_H */
