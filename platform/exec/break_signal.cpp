// exec/break_signal.cpp: the host's Ctrl-C (SIGINT) becomes SIGBREAKF_CTRL_C of the program's main task.
#include <hosted/task.h>
#include <proto/exec.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace hosted {

namespace {

// SIGBREAKF_CTRL_C of dos, which exec does not include.
constexpr ULONG BreakCtrlC = 1UL << 12;

int gPipe[2] = {-1, -1};
std::atomic<struct Task *> gMainTask{nullptr};

void OnInterrupt(int)
{
    char byte = 1;
    // Only async-signal-safe work here: the watcher does the rest.
    ssize_t written = write(gPipe[1], &byte, 1);
    (void)written;
}

// Passes each SIGINT on as a break signal. A program that did not take the
// last one yet (its bit is still set) is not listening: the second Ctrl-C
// ends the process as the host's default would.
void Watch()
{
    char byte;
    while (read(gPipe[0], &byte, 1) == 1) {
        struct Task *task = gMainTask.load();
        if (task == nullptr || (task->tc_SigRecvd & BreakCtrlC) != 0) {
            signal(SIGINT, SIG_DFL);
            raise(SIGINT);
            return;
        }
        Signal(task, BreakCtrlC);
    }
}

}  // namespace

void CatchHostInterrupt(struct Task *mainTask)
{
    if (gMainTask.exchange(mainTask) != nullptr)
        return;
    if (pipe2(gPipe, O_CLOEXEC) != 0)
        return;   // Ctrl-C keeps the host's meaning
    std::thread(Watch).detach();
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace hosted
