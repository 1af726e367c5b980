// hosted/task.h: how exec keeps tasks on host threads; shared by the platform's libraries only.
#ifndef HOSTED_TASK_H
#define HOSTED_TASK_H

#include <dos/dosextens.h>

#include <condition_variable>
#include <functional>
#include <mutex>

namespace hosted {

// The record behind every task. Each task is a dos Process, so FindTask(NULL)
// can always be cast to struct Process *. The Process comes first: a Task *,
// a Process * and a HostTask * of one task are the same address.
struct HostTask {
    struct Process process{};
    std::condition_variable wakeup;   // signalled under ExecLock()
    bool adopted = false;             // a thread that was not started by CreateTask
    bool removed = false;             // RemTask() asked this task to end
    bool idleExempt = false;          // never holds up IsSystemIdle (the script runner)
    int hostBlocked = 0;              // >0 while blocked outside Wait in a way that counts as waiting
    int busyHolds = 0;                // >0 while the task must count as busy even when blocked
    char name[64] = {};
    void *libraryData[8] = {};        // per-task data of the libraries (see TaskSlot)
};

// Slots of HostTask::libraryData, one per library that keeps per-task state.
enum TaskSlot { SlotDos = 0, SlotIntuition = 1, SlotGraphics = 2, SlotConsole = 3 };

inline HostTask *ToHost(struct Task *task) { return reinterpret_cast<HostTask *>(task); }

// The one lock that guards exec's shared state: task list, signals, ports,
// public port list. Never held while a task waits or calls out of exec.
std::mutex &ExecLock();

// The calling thread's task; adopts the thread as a new process on first use.
HostTask *CurrentTask();

// Starts a new task on its own thread. The record is set up (name, Process
// fields) by `prepare` on the creating thread before the thread runs `entry`.
// When `entry` returns, `finish` runs on the task's thread and the record is
// freed. Returns NULL (IoErr untouched) when no thread can be started.
HostTask *CreateHostTask(const char *name,
                         const std::function<void(HostTask *)> &prepare,
                         std::function<void()> entry,
                         std::function<void(HostTask *)> finish);

// Hooks dos installs so every task, also an adopted thread, is a proper
// process (current directory, standard handles, PROGDIR:), and so its
// resources are released when the thread ends.
struct ProcessHooks {
    void (*adopt)(HostTask *task) = nullptr;   // called for adopted threads
    void (*cleanup)(HostTask *task) = nullptr; // called when any task ends
    // Whether a process of this name runs in another program of this
    // platform (one sharing its KESTROVANE_HOME); FindTask asks it for
    // names no task of this program has.
    bool (*namedElsewhere)(const char *name) = nullptr;
};
void SetProcessHooks(const ProcessHooks &hooks);

// Marks the caller as blocked on a host wait (a pipe, a child process, a
// timer) that counts as waiting for the idle rule. Pair with EndHostWait.
void BeginHostWait();
void EndHostWait();

// Makes a task count as busy while held, whatever it blocks on (a task that
// waits for a host command which is itself working). Pair with EndBusy.
void BeginBusy();
void EndBusy();

// True when every task (but exempt ones) waits and no waited-for signal is
// pending. Input queues are the display's business and checked there.
bool AllTasksWaiting();

// Grows each time a task stops waiting; two equal readings around an
// AllTasksWaiting() that said yes mean nothing woke in between.
unsigned long ActivityCount();
void NoteActivity();

// Waits until the signal arrives or `milliseconds` pass; returns the signals
// received (0 on timeout). Counts as waiting for the idle rule.
ULONG WaitTimeout(ULONG signalSet, long milliseconds);

// Tests' switch for failing allocations: every AllocMem/AllocVec/AllocEntry
// of more than `aboveSize` bytes fails (0 = no limit), and the `nth` next
// allocation fails (0 = none). Also set from the environment at start:
// KESTROVANE_ALLOC_LIMIT (bytes) and KESTROVANE_ALLOC_FAIL (n).
void SetAllocFailure(unsigned long long aboveSize, unsigned long nth);

// How many blocks of AllocMem, AllocVec and AllocEntry are not freed yet:
// tests compare it before and after a piece of work.
long OutstandingAllocations();

// How many ports of CreateMsgPort are not deleted yet.
long OutstandingPorts();

// From now on the host's Ctrl-C (SIGINT) sends SIGBREAKF_CTRL_C to
// `mainTask`, as a Ctrl-C in the shell does to the program it runs; a
// second Ctrl-C while the first is not taken yet ends the process as the
// host's default does. exec calls this when it adopts the main thread.
void CatchHostInterrupt(struct Task *mainTask);

// Library registry: each library registers its base at load time.
void RegisterLibrary(struct Library *base);

// Builds a library's base as its initialisation does (node type NT_LIBRARY,
// name, version, id string) and registers it, so that OpenLibrary finds
// it. `base` is the Library at the start of the library's own base record
// and lives as long as the process. Returns true, for use in initialisers:
//     const bool gRegistered = hosted::RegisterLibraryBase(&gBase, GRAPHICSNAME, 50, "graphics 50.1 (hosted)");
bool RegisterLibraryBase(struct Library *base, const char *name, UWORD version, const char *idString);

}  // namespace hosted

#endif  // HOSTED_TASK_H
