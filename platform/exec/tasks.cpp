// exec/tasks.cpp: tasks as host threads, the task list and the idle rule.
#include <hosted/task.h>
#include <proto/exec.h>

#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace hosted {

// exec's globals are never destroyed: tasks may still run while the process
// exits, and they must find the lock and the list intact.
std::mutex &ExecLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

namespace {

std::vector<HostTask *> &Tasks()
{
    static auto *tasks = new std::vector<HostTask *>;
    return *tasks;
}

ProcessHooks gHooks;
std::atomic<unsigned long> gActivity{0};
thread_local HostTask *tCurrent = nullptr;

void InitRecord(HostTask *task, const char *name)
{
    std::snprintf(task->name, sizeof task->name, "%s", name != nullptr ? name : "");
    struct Task &tc = task->process.pr_Task;
    tc.tc_Node.ln_Type = NT_PROCESS;
    tc.tc_Node.ln_Name = task->name;
    tc.tc_State = TS_RUN;
    tc.tc_SigAlloc = 0x0000FFFF;   // the system's sixteen bits
    NewList(&tc.tc_MemEntry);

    struct MsgPort &port = task->process.pr_MsgPort;
    port.mp_Node.ln_Type = NT_MSGPORT;
    port.mp_Flags = PA_SIGNAL;
    port.mp_SigBit = SIGB_DOS;
    port.mp_SigTask = &tc;
    NewList(&port.mp_MsgList);
    NewList(reinterpret_cast<struct List *>(&task->process.pr_LocalVars));
}

void Unlist(HostTask *task)
{
    std::lock_guard<std::mutex> guard(ExecLock());
    auto &tasks = Tasks();
    tasks.erase(std::remove(tasks.begin(), tasks.end(), task), tasks.end());
}

// Ends the life of an adopted thread's record when the thread exits.
struct AdoptedThreadEnd {
    ~AdoptedThreadEnd()
    {
        HostTask *task = tCurrent;
        if (task == nullptr || !task->adopted)
            return;
        if (gHooks.cleanup != nullptr)
            gHooks.cleanup(task);
        Unlist(task);
        tCurrent = nullptr;
        delete task;
    }
};

bool Listed(HostTask *task)
{
    auto &tasks = Tasks();
    return std::find(tasks.begin(), tasks.end(), task) != tasks.end();
}

// The record FindTask hands out for a process of another program: it
// carries the name and never runs here. One per name, kept for the life of
// the program, so the pointer stays valid for whoever holds it.
struct Task *ForeignTask(const char *name)
{
    static auto *records = new std::map<std::string, HostTask *>;
    HostTask *&record = (*records)[name];
    if (record == nullptr) {
        record = new HostTask;
        InitRecord(record, name);
        record->process.pr_Task.tc_State = TS_WAIT;
    }
    return &record->process.pr_Task;
}

bool IsMainThread()
{
    return static_cast<pid_t>(syscall(SYS_gettid)) == getpid();
}

std::string MainThreadName()
{
    char buffer[64] = {};
    FILE *comm = std::fopen("/proc/self/comm", "r");
    if (comm != nullptr) {
        if (std::fgets(buffer, sizeof buffer, comm) == nullptr)
            buffer[0] = 0;
        std::fclose(comm);
    }
    buffer[std::strcspn(buffer, "\n")] = 0;
    return buffer[0] != 0 ? buffer : "main";
}

struct TaskStart {
    HostTask *task;
    std::function<void()> entry;
    std::function<void(HostTask *)> finish;
};

// Runs the task's finish step and frees it, also when the thread is ended
// early by RemTask (pthread_exit unwinds through here).
struct TaskEnd {
    TaskStart *start;
    ~TaskEnd()
    {
        HostTask *task = start->task;
        if (start->finish)
            start->finish(task);
        if (gHooks.cleanup != nullptr)
            gHooks.cleanup(task);
        Unlist(task);
        tCurrent = nullptr;
        delete task;
        delete start;
    }
};

void *TaskThread(void *argument)
{
    auto *start = static_cast<TaskStart *>(argument);
    tCurrent = start->task;
    TaskEnd end{start};
    start->entry();
    return nullptr;
}

}  // namespace

HostTask *CurrentTask()
{
    if (tCurrent != nullptr)
        return tCurrent;
    auto *task = new HostTask;
    bool main = IsMainThread();
    InitRecord(task, main ? MainThreadName().c_str() : "Background thread");
    task->adopted = true;
    tCurrent = task;
    {
        std::lock_guard<std::mutex> guard(ExecLock());
        Tasks().push_back(task);
    }
    if (gHooks.adopt != nullptr)
        gHooks.adopt(task);
    if (main)
        CatchHostInterrupt(&task->process.pr_Task);
    if (!main) {
        // The main thread's record lives until the process ends; other
        // threads give theirs back when they exit.
        static thread_local AdoptedThreadEnd end;
        (void)end;
    }
    return task;
}

HostTask *CreateHostTask(const char *name, const std::function<void(HostTask *)> &prepare,
                         std::function<void()> entry, std::function<void(HostTask *)> finish)
{
    auto *task = new HostTask;
    InitRecord(task, name);
    if (prepare)
        prepare(task);
    auto *start = new TaskStart{task, std::move(entry), std::move(finish)};
    {
        std::lock_guard<std::mutex> guard(ExecLock());
        Tasks().push_back(task);
    }
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    // Programs ask for tiny stacks by the old measure; host code needs more.
    pthread_attr_setstacksize(&attributes, 8u << 20);
    pthread_t thread;
    int failed = pthread_create(&thread, &attributes, TaskThread, start);
    pthread_attr_destroy(&attributes);
    if (failed != 0) {
        Unlist(task);
        delete start;
        delete task;
        return nullptr;
    }
    return task;
}

void SetProcessHooks(const ProcessHooks &hooks)
{
    gHooks = hooks;
}

void BeginHostWait()
{
    HostTask *task = CurrentTask();
    std::lock_guard<std::mutex> guard(ExecLock());
    task->hostBlocked++;
}

void EndHostWait()
{
    HostTask *task = CurrentTask();
    std::lock_guard<std::mutex> guard(ExecLock());
    task->hostBlocked--;
    gActivity++;
}

void BeginBusy()
{
    HostTask *task = CurrentTask();
    std::lock_guard<std::mutex> guard(ExecLock());
    task->busyHolds++;
}

void EndBusy()
{
    HostTask *task = CurrentTask();
    std::lock_guard<std::mutex> guard(ExecLock());
    task->busyHolds--;
    gActivity++;
}

bool AllTasksWaiting()
{
    std::lock_guard<std::mutex> guard(ExecLock());
    for (HostTask *task : Tasks()) {
        if (task->idleExempt)
            continue;
        if (task->busyHolds > 0)
            return false;
        const struct Task &tc = task->process.pr_Task;
        bool waiting = tc.tc_State == TS_WAIT && (tc.tc_SigRecvd & tc.tc_SigWait) == 0;
        if (!waiting && task->hostBlocked == 0)
            return false;
    }
    return true;
}

unsigned long ActivityCount()
{
    return gActivity.load();
}

void NoteActivity()
{
    gActivity++;
}

}  // namespace hosted

using hosted::HostTask;

/* Returns the calling task (NULL name), or the first task with this name.
   Where this host differs: every program runs in a host process of its
   own, so a name no task of this program has is also looked up among the
   named processes (CreateNewProc with NP_Name) of the other programs
   running on this platform with the same KESTROVANE_HOME. Such a process
   is given as a record that carries its name and state TS_WAIT; signals
   sent to it and RemTask of it do nothing. NULL when no task of that name
   exists anywhere. */
struct Task *FindTask(CONST_STRPTR name)
{
    if (name == nullptr)
        return &hosted::CurrentTask()->process.pr_Task;
    {
        std::lock_guard<std::mutex> guard(hosted::ExecLock());
        for (HostTask *task : hosted::Tasks()) {
            if (std::strcmp(task->name, name) == 0)
                return &task->process.pr_Task;
        }
    }
    if (hosted::gHooks.namedElsewhere != nullptr && hosted::gHooks.namedElsewhere(name)) {
        std::lock_guard<std::mutex> guard(hosted::ExecLock());
        return hosted::ForeignTask(name);
    }
    return nullptr;
}

/* Ends a task. The caller ends at once. Another task that waits (RemTask
   is meant for a task parked in Wait(0)) ends, releasing what its process
   owns, before RemTask returns, as on the real system where it is gone at
   once. Where this host differs: a task that is running is only marked and
   ends as soon as it waits (a host thread cannot be stopped from outside
   safely); a task of another program (see FindTask) is left alone. */
void RemTask(struct Task *task)
{
    HostTask *self = hosted::CurrentTask();
    if (task == nullptr || hosted::ToHost(task) == self)
        pthread_exit(nullptr);
    HostTask *target = hosted::ToHost(task);
    bool parked;
    {
        std::lock_guard<std::mutex> guard(hosted::ExecLock());
        if (!hosted::Listed(target))
            return;
        target->removed = true;
        parked = task->tc_State == TS_WAIT;
        target->wakeup.notify_all();
    }
    if (!parked)
        return;
    // The record is freed by the ending task: only its address is compared.
    hosted::BeginHostWait();
    for (;;) {
        {
            std::lock_guard<std::mutex> guard(hosted::ExecLock());
            if (!hosted::Listed(target))
                break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    hosted::EndHostWait();
}

/* Task priorities do not exist on this host; the value is kept and the old
   one returned. */
BYTE SetTaskPri(struct Task *task, LONG priority)
{
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    BYTE old = task->tc_Node.ln_Pri;
    task->tc_Node.ln_Pri = static_cast<BYTE>(priority);
    return old;
}
