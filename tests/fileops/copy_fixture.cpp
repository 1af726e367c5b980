// The copy engine's tests: the scripted control, the selection and the volume they run on.
#include "copy_fixture.h"

#include "support/temp_home.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>

namespace copytest {

namespace {

const std::string &gHome = kvtest::TestHome("kv-copy-home");

}  // namespace

BOOL ScriptedControl::Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons)
{
    ControlEvent event;
    event.kind = "failure";
    event.name = objectName;
    event.error = error;
    event.buttons = buttons;
    events.push_back(event);
    return buttons == FaultButtons::AbortOnly ? FALSE : skipFailures;
}

void ScriptedControl::Refusal(CONST_STRPTR objectName, CONST_STRPTR reason)
{
    ControlEvent event;
    event.kind = "refusal";
    event.name = objectName;
    event.reason = reason;
    events.push_back(event);
}

void ScriptedControl::Progress(const OperationProgress &progress)
{
    progressCalls++;
    last = progress;
    if (onProgress)
        onProgress(progress);
}

BOOL ScriptedControl::Cancelled()
{
    return cancelAt != 0 && progressCalls >= cancelAt;
}

CopyCheckResult ScriptedControl::Conflict(const CopyConflict &conflict, ConflictMode &mode, ScopedLock &sourceLock)
{
    ControlEvent event;
    event.kind = "conflict";
    event.name = conflict.sourcePath;
    event.destination = conflict.destinationPath;
    event.topLevel = conflict.topLevel;
    events.push_back(event);
    CopyCheckResult answer = CopyCheckResult::Abort;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    // As "Copy checking" does: the mode for the two "all" answers, the
    // source's lock released for every answer that does not copy.
    if (answer == CopyCheckResult::SkipAll)
        mode = ConflictMode::SkipAll;
    if (answer == CopyCheckResult::ReplaceAll)
        mode = ConflictMode::ReplaceAll;
    if (answer == CopyCheckResult::Skip || answer == CopyCheckResult::SkipAll || answer == CopyCheckResult::Abort)
        sourceLock.Reset();
    return answer;
}

size_t ScriptedControl::Count(const std::string &kind) const
{
    size_t n = 0;
    for (const ControlEvent &event : events)
        n += event.kind == kind;
    return n;
}

BOOL TestSelection::Item(ULONG row, CopyItem &item)
{
    if (row >= rows.size())
        return FALSE;
    item.name = rows[row].name.c_str();
    item.type = rows[row].type;
    item.size = rows[row].size;
    item.selected = rows[row].selected;
    return TRUE;
}

void CopyTest::SetUp()
{
    (void)gHome;
    ASSERT_TRUE(volume_.Make("kv-copy-volume"));
    volume_.Mount("Test");
    kvtest::MakeHostDrawer(Host("src"));
    kvtest::MakeHostDrawer(Host("dst"));
    source_ = Lock("Test:src", SHARED_LOCK);
    ASSERT_NE(source_, 0);
    oldDir_ = CurrentDir(source_);
    job_.buffer = buffer_.data();
    job_.bufferSize = ULONG(buffer_.size());
    job_.walk.stack = stack_.data();
    job_.walk.stackSize = ULONG(stack_.size());
    job_.walk.pool = pool_.data();
    job_.walk.poolSize = ULONG(pool_.size());
    job_.walk.path = scratch_.data();
    job_.walk.pathSize = ULONG(scratch_.size());
    job_.destination = destination_.data();
    job_.destinationSize = ULONG(destination_.size());
}

void CopyTest::TearDown()
{
    hosted::ClearDosFaults();
    if (source_ != 0) {
        CurrentDir(oldDir_);
        UnLock(source_);
    }
    volume_.Unmount();
}

void CopyTest::File(const std::string &relative, const std::string &contents) const
{
    size_t slash = relative.rfind('/');
    if (slash != std::string::npos)
        Drawer(relative.substr(0, slash));
    kvtest::WriteHostFile(Host(relative), contents);
}

void CopyTest::Drawer(const std::string &relative) const
{
    for (size_t slash = relative.find('/'); slash != std::string::npos; slash = relative.find('/', slash + 1))
        kvtest::MakeHostDrawer(Host(relative.substr(0, slash)));
    kvtest::MakeHostDrawer(Host(relative));
}

std::vector<std::string> CopyTest::SideNames(const std::string &relative) const
{
    std::vector<std::string> found;
    DIR *directory = opendir(Host(relative).c_str());
    if (directory == nullptr)
        return found;
    while (struct dirent *entry = readdir(directory)) {
        std::string name = entry->d_name;
        if (name.find(".kvnew") != std::string::npos || name.find(".kvold") != std::string::npos)
            found.push_back(name);
    }
    closedir(directory);
    return found;
}

Row CopyTest::RowOf(const std::string &name) const
{
    Row row;
    row.name = name;
    BPTR drawer = Lock("", SHARED_LOCK);
    struct FileInfoBlock fib;
    if (drawer != 0 && Examine(drawer, &fib)) {
        while (ExNext(drawer, &fib)) {
            if (name == fib.fib_FileName) {
                row.type = fib.fib_DirEntryType;
                row.size = fib.fib_Size64;
            }
        }
    }
    UnLock(drawer);
    return row;
}

void CopyTest::Select(std::initializer_list<const char *> names)
{
    selection_.rows.clear();
    for (const char *name : names)
        selection_.rows.push_back(RowOf(name));
}

CopyResult CopyTest::Copy(const std::string &destination)
{
    std::memset(destination_.data(), 0, destination_.size());
    std::memcpy(destination_.data(), destination.c_str(), destination.size() + 1);
    CopyResult result = RunCopy(job_, selection_, control_);
    EXPECT_EQ(std::string(destination_.data()), destination) << "the destination path is cut back";
    return result;
}

struct FileInfoBlock CopyTest::Examined(const std::string &path) const
{
    struct FileInfoBlock fib = {};
    BPTR lock = Lock(path.c_str(), SHARED_LOCK);
    EXPECT_NE(lock, 0) << path;
    if (lock != 0) {
        EXPECT_TRUE(Examine(lock, &fib));
        UnLock(lock);
    }
    return fib;
}

}  // namespace copytest
