// ConsoleProbe: a small program of the classic kind that uses console windows, for the console tests to drive by script.
//
//   ConsoleProbe error-console [TICKS]   the error console: a message, Delay, Close
//   ConsoleProbe shell                   host commands writing to and reading from a "CON:" window
//   ConsoleProbe console [REPORT]        "CONSOLE:": a line out, a line in; REPORT gets the number
//                                        of windows on the default screen after the first write
//   ConsoleProbe look                    text of every kind, then a read, for screenshots
#include <dos/dostags.h>
#include <proto/dos.h>
#include <proto/intuition.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Say(BPTR file, const char *text)
{
    Write(file, text, static_cast<LONG>(std::strlen(text)));
}

// What "ErrorConsoleOpen", PutStr and "ErrorConsoleClose" do in the file
// manager: the message stays in sight for TICKS and the output goes back.
int ErrorConsole(LONG ticks)
{
    BPTR console = Open("CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", MODE_NEWFILE);
    if (console == 0)
        return 20;
    BPTR previous = SelectOutput(console);
    PutStr("To little memory for Kestrovane to start\n");
    Delay(ticks);
    Close(console);
    SelectOutput(previous);
    return 0;
}

int Shell()
{
    BPTR console = Open("CON:20/30/560/240/Probe shell/CLOSE", MODE_NEWFILE);
    BPTR nil = Open("NIL:", MODE_OLDFILE);
    if (console == 0 || nil == 0)
        return 20;
    struct TagItem toConsole[] = {{SYS_Input, static_cast<IPTR>(nil)},
                                  {SYS_Output, static_cast<IPTR>(console)},
                                  {TAG_DONE, 0}};
    LONG echoed = SystemTagList("echo hello", toConsole);
    Say(console, "type a line:\n");
    struct TagItem throughConsole[] = {{SYS_Input, static_cast<IPTR>(console)},
                                       {SYS_Output, static_cast<IPTR>(console)},
                                       {TAG_DONE, 0}};
    LONG read = SystemTagList("head -n1", throughConsole);
    // A second window says the command is over, so a script can wait for it.
    BPTR done = Open("CON:600/30/300/100/Probe done", MODE_NEWFILE);
    std::string result = "echo " + std::to_string(echoed) + ", head " + std::to_string(read) + "\n";
    Say(done, result.c_str());
    // Now wait until the person closes the shell window (end of file).
    char buffer[64];
    while (Read(console, buffer, sizeof buffer) > 0) {
    }
    Close(done);
    Close(nil);
    Close(console);
    return 0;
}

int ProcessConsole(const char *report)
{
    BPTR console = Open("CONSOLE:", MODE_NEWFILE);
    if (console == 0)
        return 20;
    Say(console, "hello from the console\n");
    if (report != nullptr) {
        int windows = 0;
        struct Screen *screen = LockPubScreen(nullptr);
        for (struct Window *w = screen != nullptr ? screen->FirstWindow : nullptr; w != nullptr; w = w->NextWindow)
            windows++;
        UnlockPubScreen(nullptr, screen);
        FILE *out = std::fopen(report, "w");
        if (out != nullptr) {
            std::fprintf(out, "%d\n", windows);
            std::fclose(out);
        }
        Close(console);
        return 0;
    }
    char line[128] = {};
    LONG got = Read(console, line, sizeof line - 1);
    std::string answer = "you typed: " + std::string(line, got > 0 ? static_cast<std::size_t>(got) : 0);
    Say(console, answer.c_str());
    // Wait for the person's end of file before ending.
    while (Read(console, line, sizeof line) > 0) {
    }
    Close(console);
    return 0;
}

int Look()
{
    BPTR console = Open("CON:40/40/600/260/Console look/CLOSE", MODE_NEWFILE);
    if (console == 0)
        return 20;
    for (int i = 1; i <= 30; i++)
        Say(console, ("earlier line " + std::to_string(i) + "\n").c_str());
    Say(console, "Name\tSize\tDate\n");
    Say(console, "Kestrovane\t123456\t01-Aug-10\n");
    Say(console, "\x9b" "33mPen 3\x9b" "0m, \x1b[7mreverse\x1b[0m and \x1b[1;31mignored bold\x1b[0m\n");
    Say(console, "A line long enough to wrap at the right edge of the window, which shows how text "
                 "carries on in the next row without losing a character.\n");
    Say(console, "progress 10%\rprogress 99%\n");
    Say(console, "> ");
    char line[128];
    Read(console, line, sizeof line);
    Close(console);
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 20;
    std::string what = argv[1];
    if (what == "error-console")
        return ErrorConsole(argc > 2 ? std::atoi(argv[2]) : 400);
    if (what == "shell")
        return Shell();
    if (what == "console")
        return ProcessConsole(argc > 2 ? argv[2] : nullptr);
    if (what == "look")
        return Look();
    return 20;
}
