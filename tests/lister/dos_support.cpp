// Set-up shared by the lister tests that go through dos.
#include "dos_support.h"

#include "support/temp_home.h"

namespace listertest {

namespace {

// Before main, so that no test ever reads the user's own volume table.
[[maybe_unused]] const std::string &gHome = kvtest::TestHome("kv-lister-home");

}  // namespace

void DosDrawerTest::SetUp()
{
    ASSERT_TRUE(volume.Make("kv-lister-volume"));
    volume.Mount("LTest");
    ASSERT_TRUE(volume.Enter());
    root = volume.Root();
    rootLock = volume.RootLock();
}

void DosDrawerTest::TearDown()
{
    volume.Unmount();
}

}  // namespace listertest
