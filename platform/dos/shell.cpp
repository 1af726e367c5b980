// dos/shell.cpp: SystemTagList: running command lines, built-in or host, synchronously or in the background.
#include "dosprivate.h"
#include "process.h"
#include "shell_private.h"

#include <hosted/dos.h>
#include <hosted/task.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/utility.h>

#include <atomic>
#include <cstring>

namespace hosted {

// The real shell's default stack for the commands it starts.
constexpr LONG kDefaultStack = 4096;

namespace {

std::atomic<int> gBackgroundCommands{0};

// Makes a command's streams the task's Input(), Output() and error stream
// while a built-in command runs, and puts the old ones back.
class SelectedStreams {
public:
    explicit SelectedStreams(const ShellStreams &streams)
        : input_(SelectInput(streams.input)), output_(SelectOutput(streams.output)),
          error_(SelectError(streams.error))
    {
    }
    ~SelectedStreams()
    {
        SelectInput(input_);
        SelectOutput(output_);
        SelectError(error_);
    }

private:
    BPTR input_;
    BPTR output_;
    BPTR error_;
};

// Opens the files of a command's redirections in place of its streams.
// False (after telling the command's output) when one cannot be opened.
bool OpenRedirections(const ShellCommandLine &line, ShellStreams &streams, BPTR &input, BPTR &output)
{
    if (!line.inputFile.empty()) {
        input = Open(line.inputFile.c_str(), MODE_OLDFILE);
        if (input == 0)
            return false;
        streams.input = input;
    }
    if (!line.outputFile.empty()) {
        output = Open(line.outputFile.c_str(), line.appendOutput ? MODE_READWRITE : MODE_NEWFILE);
        if (output != 0 && line.appendOutput && Seek(output, 0, OFFSET_END) < 0) {
            Close(output);
            output = 0;
        }
        if (output == 0)
            return false;
        streams.output = output;
    }
    return true;
}

LONG RunCommand(const ShellCommandLine &line, ShellStreams streams, bool background)
{
    BPTR redirectedInput = 0;
    BPTR redirectedOutput = 0;
    LONG result;
    if (!OpenRedirections(line, streams, redirectedInput, redirectedOutput)) {
        LONG error = IoErr();
        static const char message[] = "Unable to open redirection file\n";
        if (streams.output != 0)
            Write(streams.output, message, sizeof message - 1);
        SetIoErr(error);
        result = RETURN_FAIL;
    } else if (ShellCommand builtIn = FindCommand(line.words[0].text)) {
        SelectedStreams selected(streams);
        result = builtIn(line.arguments.c_str(), streams.input, streams.output);
    } else {
        std::vector<std::string> arguments;
        for (const ShellWord &word : line.words)
            arguments.push_back(TranslateWord(word.text));
        result = RunHostCommand(arguments, streams, !background);
    }
    LONG error = IoErr();
    Close(redirectedInput);
    Close(redirectedOutput);
    SetIoErr(error);
    return result;
}

// Counts a background command from its start until it has given back its
// streams, also when its process is removed early.
struct BackgroundCount {
    BackgroundCount() { gBackgroundCommands++; }
    ~BackgroundCount() { gBackgroundCommands--; }
    BackgroundCount(const BackgroundCount &) = delete;
    BackgroundCount &operator=(const BackgroundCount &) = delete;
};

}  // namespace

std::string TranslateWord(const std::string &word)
{
    // Words are Latin-1 text here, UTF-8 on the host.
    size_t colon = word.find(':');
    if (colon == std::string::npos || colon == 0 || word.find('/') < colon)
        return HostText(word);
    // Only a known volume or assign before the colon makes a path of it:
    // "user@host:file" or "http://..." are words for the host command.
    LONG saved = IoErr();
    std::string hostPath;
    bool resolved = ResolvePath(word.c_str(), hostPath);
    SetIoErr(saved);
    if (!resolved)
        return HostText(word);
    // "Work:x/" names the drawer x; host programs read a trailing "/" the
    // same way (cp a Work:x/ copies into x, never onto a file named x).
    if (word.back() == '/' && hostPath.back() != '/')
        hostPath += '/';
    return hostPath;
}

LONG RunShellCommands(const std::vector<ShellCommandLine> &commands, const ShellStreams &streams, bool background)
{
    LONG result = RETURN_OK;
    for (const ShellCommandLine &line : commands) {
        result = RunCommand(line, streams, background);
        if (result < 0 || result >= RETURN_ERROR)
            break;
    }
    return result;
}

int RunningBackgroundCommands()
{
    return gBackgroundCommands.load();
}

}  // namespace hosted

using hosted::ShellCommandLine;
using hosted::ShellStreams;

/* Runs a command line as the shell does. The line holds one command a
   line: words separated by blanks, words with blanks in double quotes
   (escapes inside them: *" a quote, *n a line feed, *e escape, ** an
   asterisk), an unquoted ";" starting a comment, and right after the
   command's name the redirections <file, >file and >>file. Each line runs
   after the one before, until one returns RETURN_ERROR or more.
   A command is a built-in one (hosted/shell.h) when its name is one, in
   any case; otherwise a host program, looked for in the current directory
   and then along the host's PATH, started directly (never through a host
   shell: each word is one argument, nothing in it is interpreted). Words
   that name a path on a volume or assign ("Work:My Drawer/file", quoted or
   not) reach a host program as host paths. Host programs run in the host
   directory of the caller's current directory.
   Tags: SYS_Input and SYS_Output, the command's streams (default: the
   caller's Input() and Output(); an asynchronous command gets "NIL:");
   SYS_Output 0 with an interactive SYS_Input writes to that console;
   SYS_Error, the error stream (default: the command's output when the
   tags chose it, else the caller's error stream); SYS_Asynch (FALSE): run as a background process
   that owns the given streams and closes them when it ends; NP_StackSize
   and NP_Priority for that process. Other tags are ignored.
   Result: synchronously, the last command's return code: a host program's
   exit status (RETURN_FAIL when a signal ended it), RETURN_ERROR after
   "<name>: Unknown command" on the output for a command that does not
   exist. Asynchronously, 0 once the process runs. -1 with IoErr set when
   the command cannot be started (unmatched quotes, no process, a host
   program the host refuses to start); the caller then keeps its streams. */
LONG SystemTagList(CONST_STRPTR command, const struct TagItem *tags)
{
    if (command == nullptr) {
        SetIoErr(ERROR_REQUIRED_ARG_MISSING);
        return -1;
    }
    std::vector<ShellCommandLine> commands;
    LONG error = 0;
    if (!hosted::ParseShellText(command, commands, error)) {
        SetIoErr(error);
        return -1;
    }

    bool asynchronous = GetTagData(SYS_Asynch, FALSE, tags) != 0;
    const struct TagItem *inputTag = FindTagItem(SYS_Input, tags);
    const struct TagItem *outputTag = FindTagItem(SYS_Output, tags);
    const struct TagItem *errorTag = FindTagItem(SYS_Error, tags);
    BPTR givenInput = inputTag != nullptr ? static_cast<BPTR>(inputTag->ti_Data) : 0;
    BPTR givenOutput = outputTag != nullptr ? static_cast<BPTR>(outputTag->ti_Data) : 0;
    BPTR givenError = errorTag != nullptr ? static_cast<BPTR>(errorTag->ti_Data) : 0;

    ShellStreams streams;
    streams.input = inputTag != nullptr ? givenInput : (asynchronous ? 0 : Input());
    bool outputChosen = true;
    if (givenOutput != 0) {
        streams.output = givenOutput;
    } else if (givenInput != 0 && IsInteractive(givenInput)) {
        streams.output = givenInput;   // the command writes to the console it reads
    } else {
        streams.output = asynchronous ? 0 : Output();
        outputChosen = false;
    }
    BPTR callerError = hosted::CurrentTask()->process.pr_CES;
    if (givenError != 0)
        streams.error = givenError;
    else if (!outputChosen && !asynchronous && callerError != 0)
        streams.error = callerError;
    else
        streams.error = streams.output;

    if (!asynchronous)
        return hosted::RunShellCommands(commands, streams, false);

    auto count = std::make_shared<hosted::BackgroundCount>();
    std::string name = commands.empty() ? std::string("Background CLI") : commands[0].words[0].text;
    LONG stack = static_cast<LONG>(GetTagData(NP_StackSize, hosted::kDefaultStack, tags));
    struct TagItem processTags[] = {
        {NP_Name, reinterpret_cast<IPTR>(name.c_str())},
        {NP_CommandName, reinterpret_cast<IPTR>(name.c_str())},
        {NP_Cli, TRUE},
        {NP_StackSize, static_cast<IPTR>(stack)},
        {NP_Priority, GetTagData(NP_Priority, 0, tags)},
        {NP_CloseInput, TRUE},
        {NP_CloseOutput, TRUE},
        {NP_CloseError, TRUE},
        {static_cast<Tag>(streams.input != 0 ? NP_Input : TAG_IGNORE), static_cast<IPTR>(streams.input)},
        {static_cast<Tag>(streams.output != 0 ? NP_Output : TAG_IGNORE), static_cast<IPTR>(streams.output)},
        {static_cast<Tag>(givenError != 0 ? NP_Error : TAG_IGNORE), static_cast<IPTR>(givenError)},
        {TAG_DONE, 0},
    };
    struct Process *process = hosted::StartProcess(processTags, [commands, count]() {
        struct Process *self = &hosted::CurrentTask()->process;
        ShellStreams own{self->pr_CIS, self->pr_COS, self->pr_CES};
        LONG result = hosted::RunShellCommands(commands, own, true);
        hosted::ReleaseProcessResources(self);   // the streams close before the command counts as ended
        return result;
    });
    if (process == nullptr)
        return -1;
    return 0;
}
