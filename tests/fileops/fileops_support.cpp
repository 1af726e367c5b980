// Set-up shared by the file operation tests.
#include "fileops_support.h"

#include "support/temp_home.h"

#include <hosted/dos.h>

namespace fileopstest {

namespace {

// Before main, so that no test ever reads the user's own volume table.
[[maybe_unused]] const std::string &gHome = kvtest::TestHome("kv-fileops-home");

}  // namespace

void FileOpsTest::SetUp()
{
    ASSERT_TRUE(volume.Make("kv-fileops-volume"));
    volume.Mount("FTest");
    ASSERT_TRUE(volume.Enter());
}

void FileOpsTest::TearDown()
{
    hosted::ClearDosFaults();
    volume.Unmount();
}

}  // namespace fileopstest
