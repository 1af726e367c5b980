// Shared set-up of the dos tests: a private KESTROVANE_HOME and a volume "Test:" on a temporary drawer.
#ifndef TESTS_DOS_TEST_SUPPORT_H
#define TESTS_DOS_TEST_SUPPORT_H

#include <hosted/dos.h>
#include <proto/dos.h>

#include "support/host_files.h"
#include "support/test_volume.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace dostest {

// The KESTROVANE_HOME of this test program (made before any dos call).
const std::string &TestHome();

using kvtest::HostExists;
using kvtest::ReadHostFile;
using kvtest::WriteHostFile;
using kvtest::WriteMountlist;

// Waits (at most 30 s) until a condition holds, looking every millisecond;
// false when it never did. For work of other tasks and host commands.
bool WaitUntil(const std::function<bool()> &condition);

// Each test gets a fresh drawer as the volume "Test:", which is also the
// current directory while the test runs.
class DosTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The host path of a name below the volume's root.
    std::string Host(const std::string &relative = "") const { return volume_.Host(relative); }

    kvtest::TestVolume volume_;
    std::string root_;
    BPTR rootLock_ = 0;
};

}  // namespace dostest

#endif  // TESTS_DOS_TEST_SUPPORT_H
