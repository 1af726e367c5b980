// Signals: allocation, SetSignal, Wait across threads, and the idle rule.
#include <hosted/task.h>
#include <proto/exec.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(Signals, AllocateHighestFirstAndRefuseTakenBits)
{
    BYTE first = AllocSignal(-1);
    BYTE second = AllocSignal(-1);
    ASSERT_GE(first, 16);
    EXPECT_EQ(second, first - 1);
    EXPECT_EQ(AllocSignal(first), -1);
    EXPECT_EQ(AllocSignal(SIGB_DOS), -1);   // the system's bits are taken
    FreeSignal(first);
    EXPECT_EQ(AllocSignal(first), first);
    FreeSignal(first);
    FreeSignal(second);
}

TEST(Signals, SetSignalReadsAndChangesOnlyTheMask)
{
    BYTE bit = AllocSignal(-1);
    ULONG mask = 1UL << bit;
    SetSignal(0, mask);
    EXPECT_EQ(SetSignal(0, 0) & mask, 0u);
    Signal(FindTask(nullptr), mask);
    EXPECT_EQ(SetSignal(0, 0) & mask, mask);
    EXPECT_EQ(Wait(mask), mask);   // already there: returns at once
    EXPECT_EQ(SetSignal(0, 0) & mask, 0u);
    FreeSignal(bit);
}

TEST(Signals, WaitWakesOnSignalFromAnotherThread)
{
    struct Task *self = FindTask(nullptr);
    BYTE bit = AllocSignal(-1);
    ULONG mask = 1UL << bit;
    std::thread sender([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        Signal(self, mask | (1UL << 12));
    });
    ULONG got = Wait(mask);
    sender.join();
    EXPECT_EQ(got, mask);
    FreeSignal(bit);
}

TEST(Signals, WaitTimeoutReturnsZeroWhenNothingCame)
{
    EXPECT_EQ(hosted::WaitTimeout(1UL << 30, 10), 0u);
}

TEST(Signals, IdleRuleSeesAWaitingThread)
{
    std::atomic<struct Task *> task{nullptr};
    std::thread waiter([&] {
        task = FindTask(nullptr);
        Wait((1UL << 15));
    });
    while (task.load() == nullptr)
        std::this_thread::yield();
    // The waiter may take a moment to reach Wait.
    bool sawWaiting = false;
    for (int i = 0; i < 200 && !sawWaiting; i++) {
        sawWaiting = task.load()->tc_State == TS_WAIT;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(sawWaiting);
    hosted::BeginBusy();
    EXPECT_FALSE(hosted::AllTasksWaiting());   // this thread holds itself busy
    hosted::EndBusy();
    Signal(task.load(), (1UL << 15));
    waiter.join();
}

}  // namespace
