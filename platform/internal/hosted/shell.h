// hosted/shell.h: the shell's built-in commands, for the libraries that add one (the viewer) and for tests.
#ifndef HOSTED_SHELL_H
#define HOSTED_SHELL_H

#include <dos/dos.h>

#include <functional>
#include <string>
#include <vector>

namespace hosted {

// A built-in command. `arguments` is the command line after the command's
// name (and after any redirection), blanks at both ends removed, quotes
// as typed; `input` and `output` are its streams, also selected as Input()
// and Output() while it runs. Returns the return code (RETURN_OK ...).
// Runs on the caller's task for a synchronous SystemTagList and on the
// background process for an asynchronous one.
using ShellCommand = std::function<LONG(CONST_STRPTR arguments, BPTR input, BPTR output)>;

// Adds a built-in command, or replaces the one of that name; names are
// matched without regard to case. An empty function removes the command.
void RegisterCommand(const char *name, ShellCommand command);

// Splits an argument string into words by the shell's rules: blanks
// separate words; a word in double quotes may hold blanks and the escapes
// *" (a quote), *n (a line feed), *e (escape) and ** (an asterisk); an
// unquoted ";" starts a comment. Volume paths stay as they are (built-in
// commands take dos paths). False (IoErr ERROR_UNMATCHED_QUOTES) when a
// quote is not closed.
bool SplitArguments(const char *arguments, std::vector<std::string> &words);

// How many commands started with SYS_Asynch are still running. A command
// counts until it has closed its streams.
int RunningBackgroundCommands();

}  // namespace hosted

#endif  // HOSTED_SHELL_H
