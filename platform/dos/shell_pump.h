// dos/shell_pump.h: moving bytes between a host command's pipes and dos streams that have no descriptor.
#ifndef DOS_SHELL_PUMP_H
#define DOS_SHELL_PUMP_H

#include <dos/dos.h>

#include <atomic>
#include <thread>

namespace hosted {

// The parent's end of a pipe from the child's output or error, and the dos
// stream (a console window) its bytes go to.
struct OutputPump {
    BPTR handle = 0;
    int readEnd = -1;
    bool failed = false;   // the stream refused a write: the rest is read and dropped

    // Writes a chunk the child produced to the stream.
    void Deliver(const char *bytes, LONG length);
};

// Feeds what a person types at a console into the child's input pipe, on a
// thread of its own, while the child runs. It reads only when the stream
// says input is waiting, so it never holds a read open after the child has
// ended: nothing typed later is taken, and the stream may be closed at
// once. A stream that cannot say so gives the child an empty input.
class InputPump {
public:
    InputPump(BPTR handle, int writeEnd) : handle_(handle), writeEnd_(writeEnd) {}
    InputPump(const InputPump &) = delete;
    InputPump &operator=(const InputPump &) = delete;
    ~InputPump();

    // True when the stream can tell when input waits, so the pump will
    // really pass on what is typed.
    bool Live() const;

    void Start();
    // Called once the child has ended: stops the thread and waits for it.
    void Finish();

private:
    void Run();
    // Writes typed bytes into the pipe; false once the child cannot take them.
    bool Pass(const char *bytes, LONG length);

    BPTR handle_;
    int writeEnd_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Waits up to `microseconds` for input on a dos stream: 1 when a Read would
// find some at once, 0 when none came, -1 when the stream cannot tell.
int WaitForStreamInput(BPTR file, LONG microseconds);

// How many times Ctrl-C has been typed into a console stream (0 for any
// other stream).
ULONG StreamBreaks(BPTR file);

}  // namespace hosted

#endif  // DOS_SHELL_PUMP_H
