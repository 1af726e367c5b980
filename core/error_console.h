// core/error_console.h: the error console: a console window that shows a fatal message for eight seconds.
#ifndef CORE_ERROR_CONSOLE_H
#define CORE_ERROR_CONSOLE_H

#include <dos/dos.h>

struct ErrorConsole {
    BPTR console = 0;    // the "CON:" window, 0 when it could not be opened
    BPTR previous = 0;   // the output it replaced
};

// ErrorConsoleOpen: opens the console window `name` with MODE_NEWFILE and
// makes it the output (SelectOutput), keeping the previous output. When
// the window cannot be opened the output stays as it was, so the message
// still reaches the user somewhere.
void ErrorConsoleOpen(ErrorConsole &console, CONST_STRPTR name);

// ErrorConsoleClose: waits 400 ticks (eight seconds) so the message can be
// read, closes the console and restores the previous output.
void ErrorConsoleClose(ErrorConsole &console);

// The whole sequence for one message: open, PutStr, close.
void ShowFatalMessage(CONST_STRPTR consoleName, CONST_STRPTR message);

#endif /* CORE_ERROR_CONSOLE_H */
