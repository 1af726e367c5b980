// fileops/run_command.h: running one command line synchronously for Execute and Open with, and the control they share.
#ifndef FILEOPS_RUN_COMMAND_H
#define FILEOPS_RUN_COMMAND_H

#include "control.h"

#include <exec/types.h>

// The stack every synchronously run command gets.
constexpr LONG CommandStackSize = 131072;

// What Execute and Open with ask of whoever runs them, beyond failures.
class CommandControl : public OperationControl {
public:
    // `name` is about to run and the program will not answer until it
    // ends: the control says so (the lister in its window title).
    virtual void CommandRunning(CONST_STRPTR name) = 0;

    // The command has ended: whatever CommandRunning showed goes.
    virtual void CommandEnded() = 0;
};

// How the command line is run: Open with adds the tag 0x80000026 with
// the value 0, which Execute leaves out.
enum class CommandTags : UBYTE { Execute, OpenWith };

// Runs `line` with SystemTagList, synchronously, with a stack of
// CommandStackSize bytes and the program's own input and output, and waits
// for it to end. Result: SystemTagList's (0 for success; -1 when the
// command could not be started; otherwise the command's return code).
// `error` is the IoErr code taken right after the call (0 when the command
// left none), for the requester that reports a failure.
[[nodiscard]] LONG RunCommandLine(CONST_STRPTR line, CommandTags tags, LONG &error);

#endif /* FILEOPS_RUN_COMMAND_H */
