// fileops/open_with.cpp: the program path of Open with and the command line for each selected entry.
#include "open_with.h"

#include "shell_word.h"

#include <cstring>
#include <texts/texts.h>

namespace {


}  // namespace

BOOL BuildProgramPath(STRPTR path, ULONG size, CONST_STRPTR drawer, CONST_STRPTR file)
{
    if (size == 0)
        return FALSE;
    size_t drawerLength = std::strlen(drawer), fileLength = std::strlen(file);
    bool slash = drawerLength != 0 && drawer[drawerLength - 1] != ':';
    if (drawerLength + (slash ? 1 : 0) + fileLength + 1 > size) {
        path[0] = '\0';
        return FALSE;
    }
    std::memcpy(path, drawer, drawerLength);
    if (slash)
        path[drawerLength++] = '/';
    std::memcpy(path + drawerLength, file, fileLength + 1);
    return TRUE;
}

void OpenWithSelection(SelectionWalk &walk, CommandControl &control, STRPTR buffer, ULONG size,
                       CONST_STRPTR drawer, CONST_STRPTR file)
{
    // The program word and its blank stay at the start of the buffer; each
    // entry's name is written behind them. The path is built at the end of
    // the buffer first, so its word can be written over the start.
    if (size < 2) {
        control.Refusal(file, CommandLineTooLongText);
        return;
    }
    ULONG half = size / 2;
    STRPTR path = buffer + half;
    ULONG prefix = 0;
    buffer[0] = '\0';
    if (!BuildProgramPath(path, size - half, drawer, file) || !AppendShellWord(buffer, prefix, half, path) ||
        prefix + 2 > half) {
        control.Refusal(file, CommandLineTooLongText);
        return;
    }
    buffer[prefix++] = ' ';
    buffer[prefix] = '\0';

    WalkEntry entry;
    while (walk.Next(entry)) {
        ULONG length = prefix;
        if (!AppendShellWord(buffer, length, size, entry.name, Quoting::Always)) {
            control.Refusal(entry.name, CommandLineTooLongText);
            buffer[prefix] = '\0';
            continue;
        }
        LONG error;
        control.CommandRunning(file);
        // What the program makes of the entry is its own business.
        (void)RunCommandLine(buffer, CommandTags::OpenWith, error);
        control.CommandEnded();
        buffer[prefix] = '\0';
        walk.ActedOn(entry);
    }
}
