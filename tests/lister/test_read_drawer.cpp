// ReadDrawer through dos on real drawers: counts, entries, widths, the lock, failures and overflow.
#include <lister/read_drawer.h>
#include <lister/sort.h>

#include <settings/config_record.h>

#include "dos_support.h"

#include <hosted/dos.h>
#include "support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

using listertest::DosDrawerTest;
using listertest::TestEntries;
using listertest::WriteHostFile;

namespace {

// Records every report of the FaultReporter, with the error it carries.
struct Reports {
    std::vector<std::string> names;
    std::vector<LONG> errors;

    FaultReporter Reporter()
    {
        FaultReporter reporter;
        reporter.context = this;
        reporter.report = [](void *context, CONST_STRPTR name, LONG error) {
            auto *self = static_cast<Reports *>(context);
            self->names.push_back(name);
            self->errors.push_back(error);
        };
        return reporter;
    }
};

class ReadDrawerTest : public DosDrawerTest {
protected:
    ReadDrawerResult Read(const std::string &path, ULONG extraSpace = 1)
    {
        EXPECT_TRUE(SetListerPath(*entries.buffer.Header(), path.c_str()));
        return ReadDrawer(entries.buffer, extraSpace, rootLock, reports.Reporter());
    }
    const ListerHeader &Header() const { return *entries.buffer.Header(); }

    // Whether the process's current directory is LTest:`relative`.
    bool CurrentIs(const std::string &relative)
    {
        BPTR probe = Lock("", SHARED_LOCK);
        BPTR there = Lock(("LTest:" + relative).c_str(), SHARED_LOCK);
        bool same = probe != 0 && there != 0 && SameLock(probe, there) == LOCK_SAME;
        UnLock(probe);
        UnLock(there);
        return same;
    }

    void TearDown() override
    {
        CurrentDir(rootLock);
        if (BPTR lock = entries.buffer.Header()->DrawerLock())
            UnLock(lock);
        DosDrawerTest::TearDown();
    }

    TestEntries entries;
    Reports reports;
};

}  // namespace

TEST_F(ReadDrawerTest, ReadsEveryEntryWithCountsTotalsAndWidths)
{
    MakeHostDrawer("d");
    MakeHostDrawer("d/Sub");
    MakeHostDrawer("d/.hidden");
    WriteHostFile(Host("d/nine"), std::string(9, 'x'));
    WriteHostFile(Host("d/a.info"), std::string(10, 'y'));
    WriteHostFile(Host("d/longest_name"), "");

    ReadDrawerResult result = Read("LTest:d", 2);
    ASSERT_EQ(result.status, ReadDrawerStatus::Read);
    EXPECT_EQ(result.entriesRead, 5u);
    EXPECT_EQ(result.entriesNotShown, 0u);
    EXPECT_EQ(result.scanError, 0);
    EXPECT_EQ(Header().drawerCount, 2u);
    EXPECT_EQ(Header().fileCount, 3u);
    EXPECT_EQ(Header().TotalBytes(), 19u);
    EXPECT_EQ(Header().nameWidth, 12u + 2u);
    EXPECT_EQ(Header().sizeWidth, 3u);       // 10 bytes: two digits + 1
    EXPECT_EQ(Header().commentWidth, 0u);
    EXPECT_TRUE(reports.names.empty());

    SortEntries(entries.buffer, SortNameCase);
    EXPECT_EQ(entries.DisplayNames(), (std::vector<std::string>{".hidden", "Sub", "a.info", "longest_name", "nine"}));
    const ListerEntry &nine = *entries.buffer.SlotEntry(4);
    EXPECT_LT(nine.type, 0);
    EXPECT_EQ(nine.Size(), 9u);
    EXPECT_GE(entries.buffer.SlotEntry(0)->type, 0);
    EXPECT_NE(Header().DrawerLock(), 0);
    EXPECT_TRUE(CurrentIs("d"));
}

TEST_F(ReadDrawerTest, BrokenLinksCountAsFilesAndLinksToDrawersAsDrawers)
{
    MakeHostDrawer("d");
    MakeHostDrawer("target");
    ASSERT_EQ(symlink(Host("gone").c_str(), Host("d/dangling").c_str()), 0);
    ASSERT_EQ(symlink("loop", Host("d/loop").c_str()), 0);
    ASSERT_EQ(symlink(Host("target").c_str(), Host("d/todrawer").c_str()), 0);

    ReadDrawerResult result = Read("LTest:d");
    ASSERT_EQ(result.status, ReadDrawerStatus::Read);
    EXPECT_EQ(Header().drawerCount, 1u);
    EXPECT_EQ(Header().fileCount, 2u);
    SortEntries(entries.buffer, SortNameCase);
    EXPECT_EQ(entries.DisplayNames(), (std::vector<std::string>{"todrawer", "dangling", "loop"}));
    EXPECT_FALSE(entries.buffer.SlotEntry(1)->IsDrawer());
    EXPECT_TRUE(entries.buffer.SlotEntry(0)->IsDrawer());
}

TEST_F(ReadDrawerTest, AScanThatFailsKeepsWhatWasReadAndReturnsItsError)
{
    MakeHostDrawer("d");
    for (int i = 0; i < 5; i++)
        WriteHostFile(Host("d/f" + std::to_string(i)), "x");
    hosted::SetDosFault(hosted::DosCall::ExNext, 3, ERROR_READ_PROTECTED);
    ReadDrawerResult result = Read("LTest:d");
    hosted::ClearDosFaults();
    ASSERT_EQ(result.status, ReadDrawerStatus::Read);
    EXPECT_EQ(result.scanError, ERROR_READ_PROTECTED);
    EXPECT_EQ(result.entriesRead, 2u);
    EXPECT_EQ(Header().fileCount, 2u);
}

TEST_F(ReadDrawerTest, SizeColumnFollowsTheLargestFile)
{
    MakeHostDrawer("nine");
    WriteHostFile(Host("nine/f"), std::string(9, 'x'));
    Read("LTest:nine");
    EXPECT_EQ(Header().sizeWidth, 2u);

    MakeHostDrawer("drawers");
    MakeHostDrawer("drawers/one");
    MakeHostDrawer("drawers/two");
    Read("LTest:drawers");
    EXPECT_EQ(Header().sizeWidth, 2u);
    EXPECT_EQ(Header().TotalBytes(), 0u);
    EXPECT_EQ(Header().drawerCount, 2u);
}

TEST_F(ReadDrawerTest, FilesBeyondFourGigabytesKeepTheirTrueSize)
{
    MakeHostDrawer("big");
    const UQUAD fiveGiB = 5ULL << 30;
    WriteHostFile(Host("big/five"), "");
    WriteHostFile(Host("big/six"), "");
    ASSERT_EQ(truncate(Host("big/five").c_str(), off_t(fiveGiB)), 0);
    ASSERT_EQ(truncate(Host("big/six").c_str(), off_t(fiveGiB + 1)), 0);
    Read("LTest:big");
    EXPECT_EQ(Header().sizeWidth, 11u);   // 5368709121: ten digits + 1
    EXPECT_EQ(Header().TotalBytes(), 2 * fiveGiB + 1);
    SortEntries(entries.buffer, SortNameCase);
    EXPECT_EQ(entries.buffer.SlotEntry(0)->Size(), fiveGiB);
}

TEST_F(ReadDrawerTest, CommentsAreKeptWholeAndSetTheirWidth)
{
    MakeHostDrawer("c");
    WriteHostFile(Host("c/file"), "x");
    WriteHostFile(Host("c/other"), "x");
    std::string comment(79, 'k');
    comment[0] = 'A';
    if (!SetComment("LTest:c/file", comment.c_str()))
        GTEST_SKIP() << "the temporary drawer's file system keeps no comments";
    Read("LTest:c");
    EXPECT_EQ(Header().commentWidth, 80u);
    SortEntries(entries.buffer, SortNameCase);
    EXPECT_EQ(std::string(entries.buffer.SlotEntry(0)->comment), comment);
    EXPECT_EQ(entries.buffer.SlotEntry(1)->comment[0], '\0');
}

TEST_F(ReadDrawerTest, EmptyDrawerKeepsItsLockAndThePreviousWidths)
{
    MakeHostDrawer("full");
    WriteHostFile(Host("full/abcdef"), "123");
    Read("LTest:full");
    ULONG nameWidth = Header().nameWidth;
    MakeHostDrawer("empty");
    ReadDrawerResult result = Read("LTest:empty");
    EXPECT_EQ(result.status, ReadDrawerStatus::Read);
    EXPECT_EQ(result.entriesRead, 0u);
    EXPECT_EQ(Header().EntryCount(), 0u);
    EXPECT_EQ(Header().TotalBytes(), 0u);
    EXPECT_EQ(Header().nameWidth, nameWidth);
    EXPECT_NE(Header().DrawerLock(), 0);
    EXPECT_TRUE(CurrentIs("empty"));
    SortEntries(entries.buffer, SortNameCase);
    EXPECT_TRUE(entries.DisplayNames().empty());
}

TEST_F(ReadDrawerTest, UnlockablePathIsReportedAndShowsAnEmptyLister)
{
    MakeHostDrawer("d");
    WriteHostFile(Host("d/f"), "x");
    Read("LTest:d");
    ReadDrawerResult result = Read("LTest:missing");
    EXPECT_EQ(result.status, ReadDrawerStatus::LockFailed);
    ASSERT_EQ(reports.names.size(), 1u);
    EXPECT_EQ(reports.names[0], "LTest:missing");
    EXPECT_EQ(reports.errors[0], ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(Header().EntryCount(), 0u);
    EXPECT_EQ(Header().DrawerLock(), 0);
    EXPECT_TRUE(CurrentIs(""));   // back in the start directory
}

TEST_F(ReadDrawerTest, APathNamingAFileShowsAnEmptyListerSilently)
{
    WriteHostFile(Host("plain"), "x");
    ReadDrawerResult result = Read("LTest:plain");
    EXPECT_EQ(result.status, ReadDrawerStatus::NotADrawer);
    EXPECT_TRUE(reports.names.empty());
    EXPECT_EQ(Header().EntryCount(), 0u);
    EXPECT_EQ(Header().DrawerLock(), 0);
}

TEST_F(ReadDrawerTest, RelativePathsStayRelativeToTheStartDirectory)
{
    MakeHostDrawer("sub");
    MakeHostDrawer("sub/inner");
    WriteHostFile(Host("sub/inner/x"), "1");
    WriteHostFile(Host("top"), "1");

    // The empty path is the start directory itself.
    ASSERT_EQ(Read("").status, ReadDrawerStatus::Read);
    EXPECT_EQ(Header().EntryCount(), 2u);
    ASSERT_EQ(Read("sub").status, ReadDrawerStatus::Read);
    EXPECT_EQ(Header().drawerCount, 1u);
    EXPECT_TRUE(CurrentIs("sub"));
    // Built by appending, so it means start/sub/inner, not sub/sub/inner.
    ASSERT_EQ(Read("sub/inner").status, ReadDrawerStatus::Read);
    EXPECT_EQ(Header().fileCount, 1u);
    EXPECT_TRUE(CurrentIs("sub/inner"));
    // Reading again keeps a valid lock and the start directory's lock is
    // still ours to use.
    ASSERT_EQ(Read("sub/inner").status, ReadDrawerStatus::Read);
    struct FileInfoBlock fib;
    EXPECT_TRUE(Examine(rootLock, &fib));
    EXPECT_TRUE(Examine(Header().DrawerLock(), &fib));
    EXPECT_TRUE(reports.names.empty());
}

TEST_F(ReadDrawerTest, ADrawerLargerThanTheBufferKeepsWhatFitsAndReportsTheRest)
{
    MakeHostDrawer("many");
    for (int i = 0; i < 7; i++)
        WriteHostFile(Host("many/f" + std::to_string(i)), std::string(size_t(i), 'z'));
    TestEntries small(5164 + 16 + 3 * 224);
    ASSERT_EQ(small.buffer.Capacity(), 3u);
    ASSERT_TRUE(SetListerPath(*small.buffer.Header(), "LTest:many"));
    ReadDrawerResult result = ReadDrawer(small.buffer, 1, rootLock, reports.Reporter());
    EXPECT_EQ(result.status, ReadDrawerStatus::Read);
    EXPECT_EQ(result.entriesRead, 3u);
    EXPECT_EQ(result.entriesNotShown, 4u);
    EXPECT_EQ(result.capacity, 3u);
    EXPECT_EQ(small.buffer.Header()->EntryCount(), 3u);
    SortEntries(small.buffer, SortNameCase);
    EXPECT_EQ(small.DisplayNames().size(), 3u);
    // The slots sit where the entries end: nothing overlapped.
    for (ULONG row = 0; row < 3; row++)
        EXPECT_EQ(small.buffer.SlotEntry(row)->name[0], 'f');
    CurrentDir(rootLock);
    UnLock(small.buffer.Header()->DrawerLock());
}
