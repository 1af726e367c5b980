// dos/shell_private.h: what the shell's files share: parsed command lines, streams, running commands.
#ifndef DOS_SHELL_PRIVATE_H
#define DOS_SHELL_PRIVATE_H

#include <hosted/shell.h>

#include <string>
#include <vector>

namespace hosted {

struct ShellWord {
    std::string text;
    bool quoted = false;
};

// One command of a command line: its words (the name first), the raw text
// of its arguments for built-in commands, and its redirections.
struct ShellCommandLine {
    std::vector<ShellWord> words;
    std::string arguments;
    std::string inputFile;    // "<file"
    std::string outputFile;   // ">file", or ">>file" with appendOutput
    bool appendOutput = false;
};

// Splits text into its commands, one a line; blank and comment-only lines
// give none. False with `error` set (ERROR_UNMATCHED_QUOTES, or
// ERROR_REQUIRED_ARG_MISSING for a redirection without a file).
bool ParseShellText(const char *text, std::vector<ShellCommandLine> &commands, LONG &error);

// The streams a command runs with. 0 means none ("NIL:").
struct ShellStreams {
    BPTR input = 0;
    BPTR output = 0;
    BPTR error = 0;
};

// The built-in command of that name (any case), or an empty function.
ShellCommand FindCommand(const std::string &name);

// Translates a word that names a volume or assign path ("Work:a b/c",
// "RAM:x", "PROGDIR:y") into its host path; other words go from Latin-1
// to the host's UTF-8.
std::string TranslateWord(const std::string &word);

// Runs a host program with `arguments` (the name first, already
// translated) in the host directory of the caller's current directory and
// waits for it. The wait counts as busy for the idle rule when
// `waitIsBusy`, as a host wait otherwise. Returns its exit status
// (RETURN_FAIL when a signal ended it); RETURN_ERROR after writing
// "<name>: Unknown command" (or that it is not executable) to the output;
// -1 with IoErr set when it cannot be started.
LONG RunHostCommand(const std::vector<std::string> &arguments, const ShellStreams &streams, bool waitIsBusy);

// Runs parsed commands one after another on the calling task, stopping
// after one that returns RETURN_ERROR or more (or could not start).
// Returns the last return code.
LONG RunShellCommands(const std::vector<ShellCommandLine> &commands, const ShellStreams &streams,
                      bool background);

}  // namespace hosted

#endif  // DOS_SHELL_PRIVATE_H
