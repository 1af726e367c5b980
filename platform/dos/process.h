// dos/process.h: what process creation shares with the shell (CLI records, releasing a process's resources).
#ifndef DOS_PROCESS_H
#define DOS_PROCESS_H

#include <dos/dosextens.h>
#include <utility/tagitem.h>

#include <functional>

namespace hosted {

// A CLI record with its string buffers, for pr_CLI: command name (cut to
// fit), standard streams, the stack in longwords. Free with FreeVec. NULL
// when memory is short.
struct CommandLineInterface *NewCli(const char *commandName, BPTR input, BPTR output, LONG stackSize);

// CreateNewProc with a body of our own in place of NP_Entry (which is
// ignored): the same tags, defaults, ownership and failure rules. The
// body's result becomes the CLI's return code when there is a CLI.
struct Process *StartProcess(const struct TagItem *tags, std::function<LONG()> body);

// Releases what a process's PRF_ flags say it owns (streams, current
// directory, arguments, CLI), closing a handle given twice only once, and
// clears those fields and the flags.
void ReleaseProcessResources(struct Process *process);

// The registry of named processes shared by the programs of one
// KESTROVANE_HOME (task_registry.cpp). PublishProcessName enters `name` for
// the process `key` until WithdrawProcessName(key) or the program's end;
// nothing is entered when the registry cannot be written. A program that
// ends in any way drops out by itself. NamedProcessElsewhere: whether a
// living process of another program has that name.
void PublishProcessName(const void *key, const char *name);
void WithdrawProcessName(const void *key);
bool NamedProcessElsewhere(const char *name);

}  // namespace hosted

#endif  // DOS_PROCESS_H
