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
    bool quoted = count > 0 && from[0] == '"';
    if (quoted) {
        from++;
        count--;
        if (count > 0 && from[count - 1] == '"')
            count--;
    }
    if (!quoted) {
        if (count >= size)
            return StartPathResult::TooLong;
        std::memcpy(path, from, count);
        path[count] = '\0';
        return StartPathResult::Taken;
    }
    // Inside quotes the shell's escapes stand for the characters a name
    // may hold that would end the word or the line.
    ULONG out = 0;
    for (ULONG i = 0; i < count; i++) {
        char c = from[i];
        if (c == '*' && i + 1 < count) {
            char next = from[i + 1];
            char decoded = next == '"' ? '"' : next == '*' ? '*' : (next == 'N' || next == 'n') ? '\n'
                         : (next == 'E' || next == 'e') ? '\x1B' : 0;
            if (decoded != 0) {
                c = decoded;
                i++;
            }
        }
        if (out + 1 >= size) {
            path[0] = '\0';
            return StartPathResult::TooLong;
        }
        path[out++] = c;
    }
    path[out] = '\0';
    return StartPathResult::Taken;
}
