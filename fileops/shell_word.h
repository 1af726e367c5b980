// fileops/shell_word.h: names on a command line: exactly one word of the system's shell, whatever the name holds.
#ifndef FILEOPS_SHELL_WORD_H
#define FILEOPS_SHELL_WORD_H

#include <exec/types.h>

// Whether the shell would read `name` as something other than one word of
// exactly these characters: it is empty, holds a blank, a line feed, a
// double quote or ";", or starts with "<" or ">" (a redirection).
BOOL ShellWordNeedsQuotes(CONST_STRPTR name);

enum class Quoting : UBYTE {
    WhereNeeded,   // plain names stay as they are ("List" stays List)
    Always         // always in double quotes
};

// Appends `name` to the command line `line` (`length` characters so far,
// `size` bytes in all, NUL included) as one word: in double quotes where
// needed (or always), with the shell's escapes inside them ("*\"" for a
// double quote, "**" for an asterisk, "*N" for a line feed, "*E" for an
// escape character). `length` grows by what was added. FALSE, with the
// line unchanged, when the word does not fit.
[[nodiscard]] BOOL AppendShellWord(STRPTR line, ULONG &length, ULONG size, CONST_STRPTR name,
                                   Quoting quoting = Quoting::WhereNeeded);

#endif /* FILEOPS_SHELL_WORD_H */
