// The idle rule of the automation: busy tasks, pending signals and queued input keep the system from being idle.
#include "intuition_fixture.h"

#include <hosted/task.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace itest;

TEST(Idle, ABusyTaskKeepsTheSystemFromBeingIdle)
{
    // The caller of WaitIdle counts as waiting; SystemIdle asked by a running
    // task is never true.
    EXPECT_TRUE(hosted::WaitIdle(5000));
    EXPECT_FALSE(hosted::SystemIdle());
    std::atomic<bool> stop{false};
    std::atomic<bool> started{false};
    hosted::HostTask *task = hosted::CreateHostTask(
        "busy", [](hosted::HostTask *) {},
        [&] {
            started = true;
            while (!stop.load()) {
            }
            Wait(SIGBREAKF_CTRL_C);
        },
        [](hosted::HostTask *) {});
    ASSERT_NE(task, nullptr);
    while (!started.load())
        std::this_thread::yield();
    EXPECT_FALSE(hosted::WaitIdle(200));
    stop = true;
    EXPECT_TRUE(hosted::WaitIdle(5000));   // it waits now
    // A signal it waits for is pending until it runs again.
    Signal(&task->process.pr_Task, SIGBREAKF_CTRL_C);
    EXPECT_TRUE(hosted::WaitIdle(5000));   // it took the signal and ended
}

TEST(Idle, QueuedInputIsNotIdle)
{
    Settle();
    // Nobody handles input while the lock is held: the queue stays full.
    {
        std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
        hosted::HostInput input;
        input.kind = hosted::HostInputKind::PointerMove;
        input.x = 10;
        input.y = 10;
        hosted::PostInput(input);
        EXPECT_FALSE(hosted::WaitIdle(100));
    }
    EXPECT_TRUE(hosted::WaitIdle(5000));
    EXPECT_EQ(hosted::QueuedInput(), 0u);
}

}  // namespace
