// Shared set-up of the dos tests: a private KESTROVANE_HOME and a volume "Test:" on a temporary drawer.
#ifndef TESTS_DOS_TEST_SUPPORT_H
#define TESTS_DOS_TEST_SUPPORT_H

#include <hosted/dos.h>
#include <proto/dos.h>

#include <gtest/gtest.h>

#include <string>

namespace dostest {

// The KESTROVANE_HOME of this test program (made before any dos call).
const std::string &TestHome();

// Writes the volume and assign table and makes dos read it again.
void WriteMountlist(const std::string &text);

void WriteHostFile(const std::string &path, const std::string &contents);
std::string ReadHostFile(const std::string &path);
bool HostExists(const std::string &path);
void RemoveHostTree(const std::string &path);

// Each test gets a fresh drawer as the volume "Test:", which is also the
// current directory while the test runs.
class DosTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The host path of a name below the volume's root.
    std::string Host(const std::string &relative = "") const;

    std::string root_;
    BPTR rootLock_ = 0;
    BPTR oldDir_ = 0;
};

}  // namespace dostest

#endif  // TESTS_DOS_TEST_SUPPORT_H
