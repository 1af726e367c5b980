// The copy engine's tests: a volume with a source and a destination drawer, a scripted control, a selection.
#ifndef TESTS_FILEOPS_COPY_FIXTURE_H
#define TESTS_FILEOPS_COPY_FIXTURE_H

#include <fileops/copy_engine.h>

#include <hosted/dos.h>
#include <proto/dos.h>

#include "support/host_files.h"
#include "support/test_volume.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace copytest {

// What the engine asked or told, in order.
struct ControlEvent {
    std::string kind;   // "failure", "refusal", "conflict"
    std::string name;   // object named (conflict: source path)
    LONG error = 0;
    FaultButtons buttons = FaultButtons::AbortOnly;
    std::string reason;
    std::string destination;   // conflict: destination path
    BOOL topLevel = FALSE;
};

// A control that answers from a script: conflicts with `answers` (Abort
// when they run out), failures with `skipFailures`. `onProgress` runs at
// every progress report; `cancelAt` makes Cancelled() TRUE from that
// report on (0: never).
class ScriptedControl : public CopyControl {
public:
    BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) override;
    void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) override;
    void Progress(const OperationProgress &progress) override;
    BOOL Cancelled() override;
    CopyCheckResult Conflict(const CopyConflict &conflict, ConflictMode &mode, ScopedLock &sourceLock) override;

    std::deque<CopyCheckResult> answers;
    BOOL skipFailures = TRUE;
    ULONG cancelAt = 0;
    std::function<void(const OperationProgress &)> onProgress;

    std::vector<ControlEvent> events;
    ULONG progressCalls = 0;
    OperationProgress last;

    size_t Count(const std::string &kind) const;
};

struct Row {
    std::string name;
    LONG type = ST_FILE;
    UQUAD size = 0;
    BOOL selected = TRUE;
};

// The rows of a lister: names relative to the current directory.
class TestSelection : public CopySelection {
public:
    BOOL Item(ULONG row, CopyItem &item) override;
    void Copied(ULONG row) override { copied.push_back(row); }

    std::vector<Row> rows;
    std::vector<ULONG> copied;
};

// Each test gets "Test:" with the drawers src (the current directory, as
// the lister's drawer is) and dst, the destination.
class CopyTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Host(const std::string &relative = "") const { return volume_.Host(relative); }
    void File(const std::string &relative, const std::string &contents) const;
    void Drawer(const std::string &relative) const;
    std::string Read(const std::string &relative) const { return kvtest::ReadHostFile(Host(relative)); }
    bool Exists(const std::string &relative) const { return kvtest::HostExists(Host(relative)); }

    // Names in a host drawer that are temporary or backup names of the copy.
    std::vector<std::string> SideNames(const std::string &relative) const;

    // A row for an object of src as the lister lists it (type and size from dos).
    Row RowOf(const std::string &name) const;
    void Select(std::initializer_list<const char *> names);

    // Runs one copy into `destination` (default Test:dst).
    CopyResult Copy(const std::string &destination = "Test:dst");

    struct FileInfoBlock Examined(const std::string &path) const;

    kvtest::TestVolume volume_;
    BPTR source_ = 0;
    BPTR oldDir_ = 0;
    ScriptedControl control_;
    TestSelection selection_;
    CopyJob job_;
    std::vector<UBYTE> buffer_ = std::vector<UBYTE>(4096);
    std::vector<UBYTE> stack_ = std::vector<UBYTE>(16384);
    std::vector<UBYTE> pool_ = std::vector<UBYTE>(64 * 1040);
    std::vector<char> scratch_ = std::vector<char>(1024);
    std::vector<char> destination_ = std::vector<char>(10000);
};

}  // namespace copytest

#endif  // TESTS_FILEOPS_COPY_FIXTURE_H
