// Shared set-up of the dos tests: a private KESTROVANE_HOME and a volume "Test:" on a temporary drawer.
#include "dos_test_support.h"

#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <chrono>
#include <thread>

namespace dostest {

namespace {

// Set before main, so that no test ever touches the user's own table.
const std::string &gHome = kvtest::TestHome("kv-dos-home");

}  // namespace

const std::string &TestHome()
{
    return gHome;
}

bool WaitUntil(const std::function<bool()> &condition)
{
    for (int i = 0; i < 30000; i++) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
}

void DosTest::SetUp()
{
    ASSERT_TRUE(volume_.Make("kv-dos-volume"));
    volume_.Mount("Test");
    ASSERT_TRUE(volume_.Enter());
    root_ = volume_.Root();
    rootLock_ = volume_.RootLock();
}

void DosTest::TearDown()
{
    volume_.Unmount();
}

}  // namespace dostest
