// Tasks: every thread is a process; created tasks run, are found by name,
// and can be removed while parked in Wait(0).
#include <hosted/task.h>
#include <proto/exec.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(Tasks, EveryThreadHasItsOwnProcess)
{
    struct Task *self = FindTask(nullptr);
    ASSERT_NE(self, nullptr);
    EXPECT_EQ(self->tc_Node.ln_Type, NT_PROCESS);
    EXPECT_EQ(FindTask(nullptr), self);
    struct Task *other = nullptr;
    std::thread([&] { other = FindTask(nullptr); }).join();
    EXPECT_NE(other, nullptr);
    EXPECT_NE(other, self);
}

TEST(Tasks, CreatedTaskIsFoundByNameAndRemovedFromWaitZero)
{
    std::atomic<bool> ended{false};
    std::atomic<bool> parked{false};
    hosted::HostTask *task = hosted::CreateHostTask(
        "Parked test task", nullptr,
        [&] {
            parked = true;
            Wait(0);
            ADD_FAILURE() << "Wait(0) returned";
        },
        [&](hosted::HostTask *) { ended = true; });
    ASSERT_NE(task, nullptr);
    while (!parked)
        std::this_thread::yield();
    EXPECT_EQ(FindTask("Parked test task"), &task->process.pr_Task);
    RemTask(&task->process.pr_Task);
    for (int i = 0; i < 1000 && !ended; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(ended);
    for (int i = 0; i < 1000 && FindTask("Parked test task") != nullptr; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(FindTask("Parked test task"), nullptr);
}

TEST(Tasks, LibrariesOpenByNameAndUnknownGivesNull)
{
    struct Library *exec = OpenLibrary("exec.library", 0);
    ASSERT_NE(exec, nullptr);
    EXPECT_STREQ(exec->lib_Node.ln_Name, "exec.library");
    EXPECT_EQ(OpenLibrary("exec.library", 9999), nullptr);
    EXPECT_EQ(OpenLibrary("nonexistent.library", 0), nullptr);
    EXPECT_NE(OpenLibrary("utility.library", 0), nullptr);
    CloseLibrary(exec);
}

}  // namespace
