// fileops/execute.cpp: building the command line of Execute and running the selection through it.
#include "execute.h"

#include "shell_word.h"

#include <dos/dos.h>

#include <cstring>

BOOL BuildExecuteLine(STRPTR line, ULONG size, CONST_STRPTR name, CONST_STRPTR arguments)
{
    ULONG length = 0;
    if (size == 0)
        return FALSE;
    line[0] = '\0';
    if (!AppendShellWord(line, length, size, name))
        return FALSE;
    size_t argumentLength = std::strlen(arguments);
    if (length + 1 + argumentLength + 1 > size)
        return FALSE;
    line[length++] = ' ';
    std::memcpy(line + length, arguments, argumentLength + 1);
    return TRUE;
}

BOOL ExecuteSelection(SelectionWalk &walk, ExecuteControl &control, STRPTR line, ULONG lineSize, STRPTR field,
                      ULONG fieldSize)
{
    WalkEntry entry;
    if (fieldSize == 0 || !walk.Next(entry))
        return FALSE;
    BOOL succeeded = FALSE;
    field[0] = '\0';
    for (;;) {
        ArgumentAnswer answer = control.AskArguments(entry, field, fieldSize);
        if (answer == ArgumentAnswer::End)
            break;
        if (answer == ArgumentAnswer::Next) {
            if (!walk.Next(entry))
                break;
            continue;
        }
        LONG result = -1, error = ERROR_LINE_TOO_LONG;
        if (BuildExecuteLine(line, lineSize, entry.name, field)) {
            control.CommandRunning(entry.name);
            result = RunCommandLine(line, CommandTags::Execute, error);
            control.CommandEnded();
        }
        field[0] = '\0';
        if (result == 0) {
            succeeded = TRUE;
            walk.ActedOn(entry);
        } else if (control.Failure(entry.name, error != 0 ? error : result, FaultButtons::RetrySkip)) {
            continue;   // the same entry again
        }
        if (!walk.Next(entry))
            break;
    }
    return succeeded;
}
