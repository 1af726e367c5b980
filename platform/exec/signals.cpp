// exec/signals.cpp: signal bits, Wait, and the exclusion calls.
#include <hosted/task.h>
#include <proto/exec.h>

#include <pthread.h>

#include <chrono>

using hosted::HostTask;

namespace {

// Called with the lock held when RemTask asked this task to end.
[[noreturn]] void EndRemovedTask(std::unique_lock<std::mutex> &lock)
{
    lock.unlock();
    pthread_exit(nullptr);
}

// The common body of Wait and WaitTimeout. A negative timeout waits forever.
ULONG WaitSignals(ULONG signalSet, long milliseconds)
{
    HostTask *task = hosted::CurrentTask();
    struct Task &tc = task->process.pr_Task;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    std::unique_lock<std::mutex> lock(hosted::ExecLock());
    for (;;) {
        if (task->removed)
            EndRemovedTask(lock);
        ULONG received = tc.tc_SigRecvd & signalSet;
        if (received != 0) {
            tc.tc_SigRecvd &= ~received;
            tc.tc_SigWait = 0;
            tc.tc_State = TS_RUN;
            hosted::NoteActivity();
            return received;
        }
        tc.tc_SigWait = signalSet;
        tc.tc_State = TS_WAIT;
        if (milliseconds < 0) {
            task->wakeup.wait(lock);
        } else if (task->wakeup.wait_until(lock, deadline) == std::cv_status::timeout &&
                   !task->removed && (tc.tc_SigRecvd & signalSet) == 0) {
            tc.tc_SigWait = 0;
            tc.tc_State = TS_RUN;
            hosted::NoteActivity();
            return 0;
        }
    }
}

std::recursive_mutex &ForbidLock()
{
    static auto *lock = new std::recursive_mutex;
    return *lock;
}

}  // namespace

namespace hosted {

ULONG WaitTimeout(ULONG signalSet, long milliseconds)
{
    return WaitSignals(signalSet, milliseconds < 0 ? 0 : milliseconds);
}

}  // namespace hosted

/* Allocates a signal bit of the caller: -1 for the highest free one, else
   the bit asked for. Returns the bit, or -1 when it (or every bit) is taken.
   The new bit starts cleared. */
BYTE AllocSignal(LONG signalNum)
{
    struct Task &tc = hosted::CurrentTask()->process.pr_Task;
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    if (signalNum < 0) {
        for (signalNum = 31; signalNum >= 0; signalNum--) {
            if ((tc.tc_SigAlloc & (1UL << signalNum)) == 0)
                break;
        }
        if (signalNum < 0)
            return -1;
    } else if (signalNum > 31 || (tc.tc_SigAlloc & (1UL << signalNum)) != 0) {
        return -1;
    }
    ULONG mask = 1UL << signalNum;
    tc.tc_SigAlloc |= mask;
    tc.tc_SigRecvd &= ~mask;
    return static_cast<BYTE>(signalNum);
}

/* Gives a signal bit of the caller back; -1 is ignored. */
void FreeSignal(LONG signalNum)
{
    if (signalNum < 0 || signalNum > 31)
        return;
    struct Task &tc = hosted::CurrentTask()->process.pr_Task;
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    tc.tc_SigAlloc &= ~(1UL << signalNum);
}

/* Sets signals of a task and wakes it when it waits for one of them. */
void Signal(struct Task *task, ULONG signalSet)
{
    if (task == nullptr)
        return;
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    task->tc_SigRecvd |= signalSet;
    if ((task->tc_SigRecvd & task->tc_SigWait) != 0)
        hosted::ToHost(task)->wakeup.notify_all();
}

/* Sets the caller's signals under the mask to newSignals; returns the
   signals held before. SetSignal(0, 0) just reads them. */
ULONG SetSignal(ULONG newSignals, ULONG signalSet)
{
    struct Task &tc = hosted::CurrentTask()->process.pr_Task;
    std::lock_guard<std::mutex> guard(hosted::ExecLock());
    ULONG old = tc.tc_SigRecvd;
    tc.tc_SigRecvd = (old & ~signalSet) | (newSignals & signalSet);
    return old;
}

/* Waits for any of the signals; returns and clears those received. */
ULONG Wait(ULONG signalSet)
{
    return WaitSignals(signalSet, -1);
}

/* On this host other tasks keep running during Forbid(); it only excludes
   the other tasks that Forbid() too, which is what callers use it for. */
void Forbid(void)
{
    ForbidLock().lock();
}

void Permit(void)
{
    ForbidLock().unlock();
}

void Disable(void)
{
    ForbidLock().lock();
}

void Enable(void)
{
    ForbidLock().unlock();
}
