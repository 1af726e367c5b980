// fileops/open_with.h: Open with: one chosen program run on each selected entry in turn.
#ifndef FILEOPS_OPEN_WITH_H
#define FILEOPS_OPEN_WITH_H

#include "run_command.h"
#include "selection_walk.h"

// The program's path from a file requester's answer into `path` (`size`
// bytes): `drawer`, a "/" unless the drawer is empty or ends in ":", then
// `file`. FALSE, with `path` empty, when it does not fit.
[[nodiscard]] BOOL BuildProgramPath(STRPTR path, ULONG size, CONST_STRPTR drawer, CONST_STRPTR file);

// Open with over the selection. `buffer` (`size` bytes, the Open with
// path buffer) first takes the program path, then for each entry the line
// program, blank, entry name: the program as one shell word where it needs
// quotes, the name always in double quotes (escaped as the shell reads it
// back). Each line runs synchronously (RunCommandLine with the Open with
// tags); its result is not looked at; each entry is then ActedOn. A
// program path or line that does not fit is refused (OperationControl::
// Refusal) and nothing, or not that entry, runs. CommandRunning is told
// `file`, the program's own name.
void OpenWithSelection(SelectionWalk &walk, CommandControl &control, STRPTR buffer, ULONG size,
                       CONST_STRPTR drawer, CONST_STRPTR file);

#endif /* FILEOPS_OPEN_WITH_H */
