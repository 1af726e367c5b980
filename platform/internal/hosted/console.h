// hosted/console.h: the console handler's sink: where "CONSOLE:" and "CON:" streams go.
#ifndef HOSTED_CONSOLE_H
#define HOSTED_CONSOLE_H

#include <exec/types.h>

#include <functional>
#include <memory>
#include <string>

namespace hosted {

// A parsed console description: "CON:x/y/w/h/title/options". Missing or
// empty numbers are -1 (the sink picks a size); options are separated by
// "/" and matched without regard to case. processConsole is set for
// "CONSOLE:" (and "*"), the console of the process itself.
struct ConsoleSpec {
    LONG left = -1;
    LONG top = -1;
    LONG width = -1;
    LONG height = -1;
    std::string title;
    bool autoOpen = false;   // AUTO: the window opens at the first read or write
    bool close = false;      // CLOSE: the window has a close gadget
    bool wait = false;       // WAIT: closing waits until the user closes the window
    std::string screen;      // SCREEN name: the public screen it opens on ("": the default one)
    bool processConsole = false;
};

// Parses the part after "CON:" (or "RAW:"). False (nothing changed) when the
// description is malformed: a number that is not one, or an unknown option.
bool ParseConsoleSpec(const char *description, ConsoleSpec &shape);

// One open console stream. Reads and writes follow the dos rules: the byte
// count, 0 at end of file, -1 on failure with an error code in `error`
// (a dos ERROR_ code).
class ConsoleStream {
public:
    virtual ~ConsoleStream() = default;
    virtual LONG Read(void *buffer, LONG length, LONG &error) = 0;
    virtual LONG Write(const void *buffer, LONG length, LONG &error) = 0;
    // Ends the stream (for a window with WAIT, after the user closed it).
    // Called once, before the stream is destroyed.
    virtual void Close() = 0;
    virtual bool Interactive() const = 0;
    // Host descriptors a shell may hand to a host command in place of the
    // stream, or -1 when there are none (a console window).
    virtual int ReadDescriptor() const { return -1; }
    virtual int WriteDescriptor() const { return -1; }
    // Waits up to `microseconds` for typed input: 1 when a Read would
    // return at once, 0 when none came, -1 when the stream cannot tell.
    // The shell feeds a host command's input from a console only through
    // this, so that no read outlives the command; a stream that cannot
    // tell gives host commands an empty input.
    virtual int WaitForInput(LONG microseconds)
    {
        (void)microseconds;
        return -1;
    }
    // How many times the person has typed Ctrl-C into the console so far.
    // The shell interrupts a host command that runs on the console when
    // the count grows.
    virtual ULONG Breaks() const { return 0; }
};

// Makes streams for console descriptions. Returns null with `error` set
// (a dos ERROR_ code) when the console cannot be opened.
using ConsoleFactory =
    std::function<std::unique_ptr<ConsoleStream>(const ConsoleSpec &shape, LONG &error)>;

// Installs the factory that opens consoles from now on (intuition gives
// real console windows this way); an empty factory puts the default back:
// the host terminal the program was started from when there is one,
// otherwise output to the host's standard error and end of file on reads.
// Streams already open stay with the factory that made them.
void SetConsoleFactory(ConsoleFactory factory);

// The console dos gives when no factory is installed: the host terminal
// the program was started from (Interactive() true), or without one the
// host's standard error with end of file on reads (Interactive() false).
// A factory falls back on it where it has nothing better.
std::unique_ptr<ConsoleStream> OpenHostConsole(const ConsoleSpec &shape, LONG &error);

// Opens a console with the current factory (what Open("CON:...") does).
std::unique_ptr<ConsoleStream> OpenConsole(const ConsoleSpec &shape, LONG &error);

}  // namespace hosted

#endif  // HOSTED_CONSOLE_H
