// Helpers of the information window's tests: a volume "Work:" on a temporary drawer, WBInfo on a task of its own.
#include "wb_fixture.h"

#include "support/host_files.h"
#include "support/temp_home.h"

#include <sys/stat.h>

namespace wbtest {

namespace {

// Before main, so that no test ever reads the user's own volume table.
[[maybe_unused]] const std::string &gHome = kvtest::TestHome("kv-wb-home");

}  // namespace

void WbTest::SetUp()
{
    ASSERT_TRUE(volume_.Make("kv-wb-volume"));
    root_ = volume_.Root();
    kvtest::WriteHostFile(Host("notes.txt"), "hello!");
    chmod(Host("notes.txt").c_str(), 0644);
    kvtest::MakeHostDrawer(Host("docs"));
    volume_.Mount("Work");
    itest::Settle();
}

void WbTest::TearDown()
{
    itest::Settle();
    volume_.Unmount();
}

std::future<WbTest::Answer> WbTest::Show(const std::string &drawer, const std::string &name)
{
    return std::async(std::launch::async, [drawer, name] {
        BPTR lock = Lock(drawer.c_str(), SHARED_LOCK);
        ULONG result = WBInfo(lock, name.c_str(), nullptr);
        LONG error = IoErr();
        UnLock(lock);
        return Answer(result, error);
    });
}

struct FileInfoBlock WbTest::Examined(const std::string &path)
{
    struct FileInfoBlock fib{};
    BPTR lock = Lock(path.c_str(), SHARED_LOCK);
    EXPECT_NE(lock, 0) << path;
    if (lock != 0) {
        EXPECT_TRUE(Examine(lock, &fib));
        UnLock(lock);
    }
    return fib;
}

void ToggleFlag(struct Window *window, const char *letter)
{
    reqtest::ClickLabelled(window, letter);
}

}  // namespace wbtest
