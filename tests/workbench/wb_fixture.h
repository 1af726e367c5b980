// Helpers of the information window's tests: a volume "Work:" on a temporary drawer, WBInfo on a task of its own.
#ifndef TESTS_WORKBENCH_WB_FIXTURE_H
#define TESTS_WORKBENCH_WB_FIXTURE_H

#include "request_fixture.h"

#include <hosted/dos.h>
#include <proto/dos.h>
#include <proto/wb.h>

#include "support/test_volume.h"

#include <string>
#include <utility>

namespace wbtest {

// Each test gets a fresh drawer as the volume "Work:" holding notes.txt
// (6 bytes, readable and writable, no comment) and the drawer docs/.
class WbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // WBInfo(lock of `drawer`, name, NULL) on a task of its own; its result
    // and IoErr come back.
    using Answer = std::pair<ULONG, LONG>;
    std::future<Answer> Show(const std::string &drawer, const std::string &name);

    // What Examine says of a path now.
    struct FileInfoBlock Examined(const std::string &path);

    std::string Host(const std::string &relative) const { return volume_.Host(relative); }

    kvtest::TestVolume volume_;
    std::string root_;
};

// Toggles a flag button of the window by its letter.
void ToggleFlag(struct Window *window, const char *letter);

}  // namespace wbtest

#endif  // TESTS_WORKBENCH_WB_FIXTURE_H
