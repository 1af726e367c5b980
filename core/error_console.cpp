// core/error_console.cpp: opening the error console, writing to it and closing it again.
#include "error_console.h"

#include <proto/dos.h>

void ErrorConsoleOpen(ErrorConsole &console, CONST_STRPTR name)
{
    console.console = Open(name, MODE_NEWFILE);
    console.previous = console.console != 0 ? SelectOutput(console.console) : 0;
}

void ErrorConsoleClose(ErrorConsole &console)
{
    if (console.console == 0)
        return;
    Delay(400);
    SelectOutput(console.previous);
    Close(console.console);
    console = ErrorConsole{};
}

void ShowFatalMessage(CONST_STRPTR consoleName, CONST_STRPTR message)
{
    ErrorConsole console;
    ErrorConsoleOpen(console, consoleName);
    PutStr(message);
    Flush(Output());
    ErrorConsoleClose(console);
}
