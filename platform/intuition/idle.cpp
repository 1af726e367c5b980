// intuition/idle.cpp: the idle rule of the automation: every task waits, no input pending, nothing left to compose.
#include "state.h"

#include <chrono>
#include <thread>

namespace hosted {

namespace {

bool Quiet()
{
    if (!AllTasksWaiting() || InputBusy())
        return false;
    return !State().composeRequested.load();
}

}  // namespace

bool SystemIdle()
{
    StartIntuition();
    unsigned long before = ActivityCount();
    if (!Quiet())
        return false;
    // A task that wakes and waits again between two looks moves the count.
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return Quiet() && ActivityCount() == before;
}

bool WaitIdle(long milliseconds)
{
    StartIntuition();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    // The caller waits too: it must not hold up the rule itself.
    BeginHostWait();
    bool idle = false;
    for (;;) {
        if (SystemIdle()) {
            idle = true;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EndHostWait();
    return idle;
}

}  // namespace hosted
