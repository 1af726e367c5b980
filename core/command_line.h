// core/command_line.h: the start drawer taken from the argument string the shell passes.
#ifndef CORE_COMMAND_LINE_H
#define CORE_COMMAND_LINE_H

#include <exec/types.h>

enum class StartPathResult {
    Taken,     // the path is in the buffer (an empty path names the current directory)
    TooLong    // the path does not fit: the buffer holds an empty path
};

// The argument string arrives as the shell passes it, ending in a newline
// (GetArgStr()). A string that starts with a double quote has the quote
// skipped and the closing quote and newline dropped; otherwise only the
// newline is dropped. Inside the quotes the shell's escapes are decoded
// ("*\"" a double quote, "**" an asterisk, "*N" a line feed, "*E" an escape
// character), so any drawer name can be given. What remains is the start
// drawer, copied into `path`
// (`size` bytes, NUL included). A string without its newline loses nothing
// else, and a quoted one without its closing quote keeps its last
// character: only the characters the rule names are ever removed.
StartPathResult StartDrawerFromArguments(CONST_STRPTR arguments, ULONG length, STRPTR path, ULONG size);

#endif /* CORE_COMMAND_LINE_H */
