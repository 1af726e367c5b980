// intuition/console/stream.cpp: console windows as dos streams: "CON:" opens one, "CONSOLE:" one without a terminal.
#include "handler.h"
#include "unit.h"

#include <hosted/task.h>
#include <proto/exec.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace hosted {

namespace {

// How long a command may wait for input from an AUTO console that has no
// window yet before the window opens for the person to type into.
constexpr auto kAutoOpenForInput = std::chrono::seconds(1);
// Waits for input further apart than this belong to different commands.
constexpr auto kInputWaitGap = std::chrono::milliseconds(500);
// Without a free signal bit a waiting reader looks again this often.
constexpr long kPollMilliseconds = 50;

// A dos stream on a console window. Reads wait in exec's Wait, so a
// program waiting for the person to type counts as waiting; writes count
// as work until the text is drawn.
class WindowConsole : public ConsoleStream {
public:
    explicit WindowConsole(std::shared_ptr<ConsoleUnit> unit) : unit_(std::move(unit)) {}
    ~WindowConsole() override { Close(); }

    LONG Read(void *buffer, LONG length, LONG &error) override
    {
        std::unique_lock<std::mutex> lock(ConsoleLock());
        if (!unit_)
            return 0;
        if (!unit_->OpenWindow(error))
            return -1;
        unit_->NoteReader();
        if (!WaitForInputLocked(lock, -1))
            return 0;
        return unit_->TakeInput(static_cast<UBYTE *>(buffer), length);
    }

    LONG Write(const void *buffer, LONG length, LONG &error) override
    {
        BeginBusy();
        LONG written;
        {
            std::lock_guard<std::mutex> guard(ConsoleLock());
            written = unit_ ? unit_->Write(static_cast<const UBYTE *>(buffer), length, error) : length;
        }
        EndBusy();
        return written;
    }

    void Close() override
    {
        std::lock_guard<std::mutex> guard(ConsoleLock());
        if (!unit_)
            return;
        if (unit_->Detach())
            RemoveConsole(unit_.get());
        unit_.reset();
    }

    bool Interactive() const override { return true; }

    ULONG Breaks() const override
    {
        std::lock_guard<std::mutex> guard(ConsoleLock());
        return unit_ ? unit_->Breaks() : 0;
    }

    // The shell asks this while a host command runs with the console as
    // its input. It cannot tell whether the command reads: an AUTO window
    // opens only once a command has waited a second with nothing shown,
    // so that quick silent commands pop up no empty window and a command
    // that does read is not left waiting for a window that never comes.
    int WaitForInput(LONG microseconds) override
    {
        std::unique_lock<std::mutex> lock(ConsoleLock());
        if (!unit_)
            return 1;
        auto now = std::chrono::steady_clock::now();
        if (now - lastInputWait_ > kInputWaitGap)
            firstInputWait_ = now;
        lastInputWait_ = now;
        if (unit_->Window() == nullptr && now - firstInputWait_ >= kAutoOpenForInput) {
            LONG error = 0;
            unit_->OpenWindow(error);   // failing, the command keeps waiting as before
        }
        if (unit_->Window() != nullptr)
            unit_->NoteReader();
        long milliseconds = microseconds <= 0 ? 0 : std::max<long>(microseconds / 1000, 1);
        bool ready = WaitForInputLocked(lock, milliseconds);
        lastInputWait_ = std::chrono::steady_clock::now();
        return ready ? 1 : 0;
    }

private:
    // Waits, the lock given up meanwhile, until input is ready or
    // `milliseconds` have passed (-1: for as long as it takes). True when
    // input is ready.
    bool WaitForInputLocked(std::unique_lock<std::mutex> &lock, long milliseconds)
    {
        if (unit_->InputReady())
            return true;
        if (milliseconds == 0)
            return false;
        struct Task *self = FindTask(nullptr);
        BYTE bit = AllocSignal(-1);
        const ULONG signals = bit >= 0 ? 1UL << bit : 0;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (!unit_->InputReady()) {
            long wait = bit >= 0 ? milliseconds : kPollMilliseconds;
            if (milliseconds >= 0) {
                auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    deadline - std::chrono::steady_clock::now()).count();
                if (left <= 0)
                    break;
                wait = wait < 0 ? static_cast<long>(left) : std::min<long>(wait, static_cast<long>(left));
            }
            unit_->AddWaiter(self, signals);
            lock.unlock();
            if (wait < 0)
                Wait(signals);
            else
                WaitTimeout(signals, wait);
            lock.lock();
            unit_->RemoveWaiter(self);
        }
        if (bit >= 0)
            FreeSignal(bit);
        return unit_->InputReady();
    }

    std::shared_ptr<ConsoleUnit> unit_;
    std::chrono::steady_clock::time_point firstInputWait_{};
    std::chrono::steady_clock::time_point lastInputWait_{};
};

// Whether a window can be had: a display was chosen, or a desktop's is
// there. Without one, opening a window would end the program, so
// consoles stay with the host's terminal or standard error.
bool DisplayExpected()
{
    for (const char *name : {"KESTROVANE_DISPLAY", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(name);
        if (value != nullptr && *value != 0)
            return true;
    }
    return false;
}

// The window "CONSOLE:" stands for in a program without a terminal: named
// after the program, opened when first used, with a close gadget, staying
// after the last stream closes until the person closes it.
ConsoleSpec ProcessConsoleSpec()
{
    ConsoleSpec shape;
    shape.left = 0;
    shape.width = 640;
    shape.height = 200;
    const char *name = FindTask(nullptr)->tc_Node.ln_Name;
    shape.title = name != nullptr && *name != 0 ? name : "Console";
    shape.autoOpen = true;
    shape.close = true;
    shape.wait = true;
    shape.processConsole = true;
    return shape;
}

std::unique_ptr<ConsoleStream> OpenConsoleWindow(const ConsoleSpec &shape, LONG &error)
{
    if (!DisplayExpected())
        return OpenHostConsole(shape, error);
    if (shape.processConsole) {
        // The terminal the program was started from stays its console.
        std::unique_ptr<ConsoleStream> terminal = OpenHostConsole(shape, error);
        if (terminal && terminal->Interactive())
            return terminal;
        terminal.reset();
        error = 0;
        ConsoleSpec own = ProcessConsoleSpec();
        auto unit = std::make_shared<ConsoleUnit>(own);
        std::lock_guard<std::mutex> guard(ConsoleLock());
        if (std::shared_ptr<ConsoleUnit> shared = ProcessConsole())
            unit = shared;
        else {
            AddConsole(unit);
            SetProcessConsole(unit);
        }
        unit->Attach();
        return std::make_unique<WindowConsole>(unit);
    }
    auto unit = std::make_shared<ConsoleUnit>(shape);
    std::lock_guard<std::mutex> guard(ConsoleLock());
    if (!shape.autoOpen && !unit->OpenWindow(error))
        return nullptr;
    AddConsole(unit);
    unit->Attach();
    return std::make_unique<WindowConsole>(unit);
}

// Intuition gives dos its console windows as soon as it is loaded.
const bool gConsoleFactoryInstalled = (SetConsoleFactory(OpenConsoleWindow), true);

}  // namespace

}  // namespace hosted
