// Set-up shared by the lister tests that go through dos: a private KESTROVANE_HOME and a volume on a temporary drawer.
#ifndef TESTS_LISTER_DOS_SUPPORT_H
#define TESTS_LISTER_DOS_SUPPORT_H

#include <proto/dos.h>

#include "support/host_files.h"
#include "support/test_volume.h"

#include <gtest/gtest.h>

#include <string>

namespace listertest {

// Writes a host file of `contents`.
using kvtest::WriteHostFile;

// Each test gets a fresh temporary drawer as the volume "LTest:", which is
// the current directory while the test runs (the test's start directory).
class DosDrawerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The host path of a name below the volume's root.
    std::string Host(const std::string &relative = "") const { return volume.Host(relative); }
    void MakeHostDrawer(const std::string &relative) const { kvtest::MakeHostDrawer(Host(relative)); }

    kvtest::TestVolume volume;
    std::string root;
    BPTR rootLock = 0;
};

}  // namespace listertest

#endif  // TESTS_LISTER_DOS_SUPPORT_H
