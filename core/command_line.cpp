// core/command_line.cpp: the command-line rule: an optional drawer path, optionally in double quotes.
#include "command_line.h"

#include <cstring>

StartPathResult StartDrawerFromArguments(CONST_STRPTR arguments, ULONG length, STRPTR path, ULONG size)
{
    if (size == 0)
        return StartPathResult::TooLong;
    path[0] = '\0';
    if (arguments == nullptr)
        return StartPathResult::Taken;
    const char *from = arguments;
    ULONG count = length;
    if (count > 0 && from[count - 1] == '\n')
        count--;
    if (count > 0 && from[0] == '"') {
        from++;
        count--;
        if (count > 0 && from[count - 1] == '"')
            count--;
    }
    if (count >= size)
        return StartPathResult::TooLong;
    std::memcpy(path, from, count);
    path[count] = '\0';
    return StartPathResult::Taken;
}
