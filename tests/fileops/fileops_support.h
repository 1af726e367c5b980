// Set-up shared by the file operation tests: a private home, a temporary drawer as the volume "FTest:" and the current directory.
#ifndef TESTS_FILEOPS_FILEOPS_SUPPORT_H
#define TESTS_FILEOPS_FILEOPS_SUPPORT_H

#include <proto/dos.h>

#include "support/host_files.h"
#include "support/test_volume.h"

#include <gtest/gtest.h>

#include <string>

namespace fileopstest {

class FileOpsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Host(const std::string &relative = "") const { return volume.Host(relative); }
    void MakeDrawer(const std::string &relative) const { kvtest::MakeHostDrawer(Host(relative)); }
    void MakeFile(const std::string &relative, const std::string &contents = "") const
    {
        kvtest::WriteHostFile(Host(relative), contents);
    }
    bool Exists(const std::string &relative) const { return kvtest::HostExists(Host(relative)); }
    std::string Contents(const std::string &relative) const { return kvtest::ReadHostFile(Host(relative)); }

    kvtest::TestVolume volume;
};

}  // namespace fileopstest

#endif  // TESTS_FILEOPS_FILEOPS_SUPPORT_H
