// fileops/shell_word.cpp: quoting and escaping a name as the shell reads it back.
#include "shell_word.h"

#include <cstring>

namespace {

bool SplitsWord(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '"' || c == ';';
}

// The escape that stands for `c` inside quotes, or 0 when `c` stands for
// itself there.
char EscapeOf(char c)
{
    switch (c) {
    case '"':
        return '"';
    case '*':
        return '*';
    case '\n':
        return 'N';
    case '\x1B':
        return 'E';
    default:
        return 0;
    }
}

}  // namespace

BOOL ShellWordNeedsQuotes(CONST_STRPTR name)
{
    if (name[0] == '\0' || name[0] == '<' || name[0] == '>')
        return TRUE;
    for (CONST_STRPTR p = name; *p != '\0'; p++)
        if (SplitsWord(*p))
            return TRUE;
    return FALSE;
}

BOOL AppendShellWord(STRPTR line, ULONG &length, ULONG size, CONST_STRPTR name, Quoting quoting)
{
    if (quoting == Quoting::WhereNeeded && !ShellWordNeedsQuotes(name)) {
        size_t nameLength = std::strlen(name);
        if (length + nameLength + 1 > size)
            return FALSE;
        std::memcpy(line + length, name, nameLength + 1);
        length += ULONG(nameLength);
        return TRUE;
    }
    ULONG at = length;
    auto put = [&](char c) {
        if (at + 1 >= size)
            return false;
        line[at++] = c;
        return true;
    };
    bool fits = put('"');
    for (CONST_STRPTR p = name; fits && *p != '\0'; p++) {
        char escape = EscapeOf(*p);
        fits = escape != 0 ? put('*') && put(escape) : put(*p);
    }
    fits = fits && put('"');
    if (!fits) {
        if (length < size)
            line[length] = '\0';
        return FALSE;
    }
    line[at] = '\0';
    length = at;
    return TRUE;
}
