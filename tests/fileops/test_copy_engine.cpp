// The copy engine against temporary drawers: attributes, merging, conflicts, links, refusals, failures, stopping.
#include "copy_fixture.h"

#include <hosted/task.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>

namespace copytest {
namespace {

std::string Pattern(size_t size)
{
    std::string text(size, '\0');
    for (size_t i = 0; i < size; i++)
        text[i] = char('a' + (i * 7 + i / 13) % 26);
    return text;
}

bool SameDate(const struct DateStamp &a, const struct DateStamp &b)
{
    return a.ds_Days == b.ds_Days && a.ds_Minute == b.ds_Minute && a.ds_Tick == b.ds_Tick;
}

TEST_F(CopyTest, FilesKeepTheirBytesDateProtectionAndCommentOrNoComment)
{
    File("src/big", Pattern(10000));   // two full chunks of the 4096-byte buffer and a rest
    File("src/empty", "");
    struct DateStamp date = {12000, 600, 37};
    LONG protection = FIBF_ARCHIVE | FIBF_EXECUTE | FIBF_GRP_READ | FIBF_OTR_READ;
    for (const char *name : {"big", "empty"}) {
        ASSERT_TRUE(SetComment(name, "kept with the file"));
        ASSERT_TRUE(SetProtection(name, protection));
        ASSERT_TRUE(SetFileDate(name, &date));
    }
    Select({"big", "empty"});
    CopyResult result = Copy();
    EXPECT_EQ(result.copied, 2u);
    EXPECT_FALSE(result.aborted);
    EXPECT_EQ(selection_.copied, (std::vector<ULONG>{0, 1}));
    EXPECT_TRUE(control_.events.empty());
    EXPECT_EQ(Read("dst/big"), Pattern(10000));
    EXPECT_TRUE(Exists("dst/empty"));
    EXPECT_EQ(Read("dst/empty"), "");
    for (const char *name : {"Test:dst/big", "Test:dst/empty"}) {
        struct FileInfoBlock fib = Examined(name);
        EXPECT_TRUE(SameDate(fib.fib_Date, date)) << name;
        EXPECT_EQ(fib.fib_Protection, protection) << name;
        EXPECT_STREQ(fib.fib_Comment, "kept with the file") << name;
    }
    EXPECT_TRUE(SideNames("dst").empty());
    // The progress counted both files and every byte.
    EXPECT_EQ(control_.last.entriesTotal, 2u);
    EXPECT_EQ(control_.last.entriesDone, 2u);
    EXPECT_EQ(control_.last.bytesTotal, 10000u);
    EXPECT_EQ(control_.last.bytesDone, 10000u);

    // "Copy comment:" off: the copy has none; into a destination ending in ":".
    job_.copyComment = FALSE;
    volume_.Mount("Test", "VOLUME Other: \"" + Host("dst") + "\"\n");
    Drawer("dst/sub");
    Select({"big"});
    EXPECT_EQ(Copy("Other:sub").copied, 1u);
    EXPECT_STREQ(Examined("Test:dst/sub/big").fib_Comment, "");
    EXPECT_EQ(Examined("Test:dst/sub/big").fib_Protection, protection);
}

TEST_F(CopyTest, DrawersMergeAndNeitherFilesNorDrawersReplaceTheOtherKind)
{
    File("src/D/new", "new");
    File("src/D/old", "source");
    File("src/D/deep/inner", "inner");
    File("dst/D/old", "destination");
    File("dst/D/mine", "untouched");
    File("src/F", "file");
    Drawer("dst/F");
    File("src/E/x", "x");
    File("dst/E", "a file where a drawer goes");
    File("src/later", "never reached");
    Select({"D", "F", "E", "later"});
    control_.answers = {CopyCheckResult::Skip};
    CopyResult result = Copy();

    // D merged: new files added, the existing one asked about and skipped.
    EXPECT_EQ(Read("dst/D/new"), "new");
    EXPECT_EQ(Read("dst/D/deep/inner"), "inner");
    EXPECT_EQ(Read("dst/D/old"), "destination");
    EXPECT_EQ(Read("dst/D/mine"), "untouched");
    ASSERT_EQ(control_.Count("conflict"), 1u);
    EXPECT_EQ(control_.events[0].name, "D/old");
    EXPECT_EQ(control_.events[0].destination, "Test:dst/D/old");
    EXPECT_FALSE(control_.events[0].topLevel);
    // F: a file never replaces a drawer ("Skip" / "Abort", skipped here).
    ASSERT_GE(control_.events.size(), 3u);
    EXPECT_EQ(control_.events[1].kind, "failure");
    EXPECT_EQ(control_.events[1].name, "Test:dst/F");
    EXPECT_EQ(control_.events[1].error, ERROR_OBJECT_EXISTS);
    EXPECT_EQ(control_.events[1].buttons, FaultButtons::SkipAbort);
    struct stat info;
    ASSERT_EQ(stat(Host("dst/F").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    // E: a drawer onto a file names the target, "Abort" alone, and ends it all.
    EXPECT_EQ(control_.events[2].kind, "failure");
    EXPECT_EQ(control_.events[2].name, "Test:dst/E");
    EXPECT_EQ(control_.events[2].error, ERROR_OBJECT_EXISTS);
    EXPECT_EQ(control_.events[2].buttons, FaultButtons::AbortOnly);
    EXPECT_EQ(Read("dst/E"), "a file where a drawer goes");
    EXPECT_FALSE(Exists("dst/later"));
    EXPECT_TRUE(result.aborted);
    // Only D, gone through to its end (a skipped file inside), was copied.
    EXPECT_EQ(selection_.copied, (std::vector<ULONG>{0}));
}

TEST_F(CopyTest, SkipAllAndReplaceAllHoldAcrossDrawersForOneOperationOnly)
{
    for (const char *name : {"D1/a", "D1/b", "D2/c", "top"}) {
        File(std::string("src/") + name, std::string("new ") + name);
        File(std::string("dst/") + name, std::string("old ") + name);
    }
    Select({"D1", "D2", "top"});
    control_.answers = {CopyCheckResult::SkipAll};
    CopyResult result = Copy();
    EXPECT_EQ(control_.Count("conflict"), 1u);
    EXPECT_EQ(Read("dst/D1/b"), "old D1/b");
    EXPECT_EQ(Read("dst/D2/c"), "old D2/c");
    EXPECT_EQ(Read("dst/top"), "old top");
    // The drawers were gone through; the skipped top file stays selected.
    EXPECT_EQ(selection_.copied, (std::vector<ULONG>{0, 1}));
    EXPECT_EQ(result.skipped, 1u);

    // The next operation asks again.
    control_.events.clear();
    selection_.copied.clear();
    control_.answers = {CopyCheckResult::Replace, CopyCheckResult::ReplaceAll};
    Copy();
    EXPECT_EQ(control_.Count("conflict"), 2u);
    for (const char *name : {"D1/a", "D1/b", "D2/c", "top"})
        EXPECT_EQ(Read(std::string("dst/") + name), std::string("new ") + name);
    EXPECT_EQ(selection_.copied, (std::vector<ULONG>{0, 1, 2}));
    EXPECT_TRUE(SideNames("dst/D1").empty());

    // Abort in the question ends the operation there.
    control_.events.clear();
    selection_.copied.clear();
    File("src/top", "newest");
    control_.answers = {CopyCheckResult::Abort};
    Select({"top", "D2"});
    EXPECT_TRUE(Copy().aborted);
    EXPECT_EQ(control_.Count("conflict"), 1u);
    EXPECT_EQ(Read("dst/top"), "new top");
    EXPECT_TRUE(selection_.copied.empty());
}

TEST_F(CopyTest, AWriteProtectedTargetFailsUnlessUnprotectsIsOn)
{
    File("src/a", "new");
    File("dst/a", "old");
    ASSERT_TRUE(SetProtection("Test:dst/a", FIBF_WRITE | FIBF_DELETE));
    ASSERT_TRUE(SetProtection("a", FIBF_EXECUTE));
    Select({"a"});
    control_.answers = {CopyCheckResult::Replace};
    CopyResult result = Copy();
    ASSERT_EQ(control_.Count("failure"), 1u);
    EXPECT_EQ(control_.events.back().name, "a");
    EXPECT_EQ(control_.events.back().error, ERROR_WRITE_PROTECTED);
    EXPECT_EQ(Read("dst/a"), "old");
    EXPECT_TRUE(selection_.copied.empty());
    EXPECT_EQ(result.skipped, 1u);

    job_.unprotects = TRUE;
    control_.events.clear();
    control_.answers = {CopyCheckResult::Replace};
    Copy();
    EXPECT_EQ(control_.Count("failure"), 0u);
    EXPECT_EQ(Read("dst/a"), "new");
    EXPECT_EQ(Examined("Test:dst/a").fib_Protection, FIBF_EXECUTE);
    EXPECT_TRUE(SideNames("dst").empty());
}

TEST_F(CopyTest, ASparseFiveGigabyteFileIsCopiedWhole)
{
    const off_t size = (5LL << 30) + 4099;
    struct statvfs fs;
    ASSERT_EQ(statvfs(Host().c_str(), &fs), 0);
    if (UQUAD(fs.f_bavail) * fs.f_frsize < UQUAD(size) + (2ULL << 30))
        GTEST_SKIP() << "the file system has no room for a 5 GiB copy";
    int fd = open(Host("src/huge").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(pwrite(fd, "head", 4, 0), 4);
    ASSERT_EQ(pwrite(fd, "tail", 4, size - 4), 4);
    close(fd);
    buffer_.resize(1 << 20);
    job_.buffer = buffer_.data();
    job_.bufferSize = ULONG(buffer_.size());
    Select({"huge"});
    EXPECT_EQ(selection_.rows[0].size, UQUAD(size));
    CopyResult result = Copy();
    EXPECT_EQ(result.copied, 1u);
    EXPECT_TRUE(control_.events.empty());
    struct stat info;
    ASSERT_EQ(stat(Host("dst/huge").c_str(), &info), 0);
    EXPECT_EQ(info.st_size, size);
    char tail[5] = {};
    fd = open(Host("dst/huge").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(pread(fd, tail, 4, size - 4), 4);
    close(fd);
    EXPECT_STREQ(tail, "tail");
    EXPECT_EQ(control_.last.bytesDone, UQUAD(size));
    unlink(Host("dst/huge").c_str());
}

TEST_F(CopyTest, LinksAreCopiedAsLinksAndALinkLoopEnds)
{
    File("src/D/file", "data");
    ASSERT_EQ(symlink("..", Host("src/D/up").c_str()), 0);      // a loop back to src
    ASSERT_EQ(symlink(".", Host("src/D/self").c_str()), 0);     // a loop onto D itself
    ASSERT_EQ(symlink("file", Host("src/D/alias").c_str()), 0);
    ASSERT_EQ(symlink("gone", Host("src/D/dangling").c_str()), 0);
    ASSERT_EQ(symlink("D", Host("src/toD").c_str()), 0);
    Select({"D", "toD"});
    EXPECT_EQ(selection_.rows[1].type, ST_LINKDIR);
    CopyResult result = Copy();
    EXPECT_EQ(result.copied, 2u);
    EXPECT_TRUE(control_.events.empty());
    char text[64];
    for (const auto &[name, target] : std::vector<std::pair<std::string, std::string>>{
             {"dst/D/up", ".."}, {"dst/D/self", "."}, {"dst/D/alias", "file"}, {"dst/D/dangling", "gone"},
             {"dst/toD", "D"}}) {
        ssize_t length = readlink(Host(name).c_str(), text, sizeof text);
        ASSERT_GT(length, 0) << name;
        EXPECT_EQ(std::string(text, size_t(length)), target) << name;
    }
    EXPECT_EQ(Read("dst/D/file"), "data");
    EXPECT_EQ(Read("dst/toD/file"), "data");   // through the copied link: it leads where the original does
}

TEST_F(CopyTest, ADrawerIsNeverCopiedIntoItselfNorAFileOntoItself)
{
    File("src/D/sub/x", "x");
    File("src/a", "a");
    Select({"D"});
    EXPECT_TRUE(Copy("Test:src/D/sub").aborted);
    ASSERT_EQ(control_.events.size(), 1u);
    EXPECT_EQ(control_.events[0].kind, "refusal");
    EXPECT_EQ(control_.events[0].name, "D");
    EXPECT_FALSE(Exists("src/D/sub/D"));

    // Onto itself: the destination is the lister's own drawer.
    control_.events.clear();
    Select({"a", "D"});
    EXPECT_TRUE(Copy("Test:src").aborted);
    ASSERT_EQ(control_.events.size(), 1u);
    EXPECT_EQ(control_.events[0].kind, "refusal");
    EXPECT_EQ(control_.events[0].name, "a");
    EXPECT_EQ(Read("src/a"), "a");
    control_.events.clear();
    Select({"D"});
    EXPECT_TRUE(Copy("Test:src").aborted);
    EXPECT_EQ(control_.Count("refusal"), 1u);
    EXPECT_EQ(Read("src/D/sub/x"), "x");
    EXPECT_EQ(control_.Count("conflict"), 0u);

    // Into itself through a link in the destination path: stopped when the
    // walk reaches its own copy, never endlessly.
    control_.events.clear();
    ASSERT_EQ(symlink(Host("src/D/sub").c_str(), Host("shortcut").c_str()), 0);
    EXPECT_TRUE(Copy("Test:shortcut").aborted);
    EXPECT_EQ(control_.Count("refusal"), 1u);
    EXPECT_EQ(control_.events.back().name, "D");
    EXPECT_FALSE(Exists("src/D/sub/D/sub/D"));
}

TEST_F(CopyTest, TreesDeeperOrPathsLongerThanTheBuffersAreRefusedAndReleased)
{
    File("src/D/a/b/c/file", "deep");
    pool_.resize(4 * 1040);   // depths 1 and 2 and the spare slot
    job_.walk.poolSize = ULONG(pool_.size());
    Select({"D"});
    EXPECT_TRUE(Copy().aborted);
    ASSERT_EQ(control_.Count("refusal"), 1u);
    EXPECT_EQ(control_.events.back().name, "D/a/b");
    EXPECT_FALSE(Exists("dst/D/a/b"));
    // Every lock was released: the source tree can be deleted whole.
    for (const char *path : {"D/a/b/c/file", "D/a/b/c", "D/a/b", "D/a", "D"})
        EXPECT_TRUE(DeleteFile(path)) << path;

    // A destination path that outgrows its buffer.
    control_.events.clear();
    File("src/E/" + std::string(60, 'n') + "/inner", "x");
    destination_.resize(48);
    job_.destinationSize = ULONG(destination_.size());
    Select({"E"});
    EXPECT_TRUE(Copy().aborted);
    ASSERT_EQ(control_.Count("refusal"), 1u);
    EXPECT_TRUE(Exists("dst/E"));
}

TEST_F(CopyTest, FailuresInTheMiddleLeaveNoPartialFileAndTheOldTargetWhole)
{
    File("src/w", Pattern(10000));
    File("src/c", Pattern(5000));
    File("src/d", Pattern(3000));
    File("src/D/inner", Pattern(100));
    for (const char *name : {"w", "c", "d"})
        File(std::string("dst/") + name, "old");
    control_.answers = {CopyCheckResult::ReplaceAll};
    hosted::SetDosFault(hosted::DosCall::Write, 2, ERROR_DISK_FULL, "*.kvnew");
    hosted::SetDosFault(hosted::DosCall::Close, 1, ERROR_DISK_FULL, ".c*");
    hosted::SetDosFault(hosted::DosCall::SetFileDate, 1, ERROR_WRITE_PROTECTED, ".d*");
    hosted::SetDosFault(hosted::DosCall::Open, 1, ERROR_DISK_WRITE_PROTECTED, ".inner*");
    Select({"w", "c", "d", "D"});
    CopyResult result = Copy();
    ASSERT_EQ(control_.Count("failure"), 4u);
    std::vector<std::pair<std::string, LONG>> expected = {
        {"w", ERROR_DISK_FULL}, {"c", ERROR_DISK_FULL}, {"d", ERROR_WRITE_PROTECTED}, {"D/inner", ERROR_DISK_WRITE_PROTECTED}};
    size_t i = 0;
    for (const ControlEvent &event : control_.events) {
        if (event.kind != "failure")
            continue;
        EXPECT_EQ(event.name, expected[i].first);
        EXPECT_EQ(event.error, expected[i].second) << event.name;
        EXPECT_EQ(event.buttons, FaultButtons::SkipAbort);
        i++;
    }
    for (const char *name : {"w", "c", "d"})
        EXPECT_EQ(Read(std::string("dst/") + name), "old") << name;
    EXPECT_FALSE(Exists("dst/D/inner"));
    EXPECT_TRUE(SideNames("dst").empty());
    EXPECT_TRUE(SideNames("dst/D").empty());
    // The skipped files stay selected; the drawer was gone through.
    EXPECT_EQ(selection_.copied, (std::vector<ULONG>{3}));
    EXPECT_EQ(result.skipped, 3u);

    // "Abort" ends the operation: nothing after it is copied.
    hosted::ClearDosFaults();
    control_.events.clear();
    selection_.copied.clear();
    control_.skipFailures = FALSE;
    File("src/r", Pattern(100));
    hosted::SetDosFault(hosted::DosCall::Read, 1, ERROR_SEEK_ERROR, "r");
    Select({"r", "w"});
    EXPECT_TRUE(Copy().aborted);
    EXPECT_EQ(control_.Count("failure"), 1u);
    EXPECT_FALSE(Exists("dst/r"));
    EXPECT_EQ(Read("dst/w"), "old");
    EXPECT_TRUE(SideNames("dst").empty());
}

TEST_F(CopyTest, ASourceThatChangesWhileItIsCopiedIsAFailureOfThatFile)
{
    File("src/grows", Pattern(10000));
    File("src/shrinks", Pattern(10000));
    control_.onProgress = [&](const OperationProgress &progress) {
        if (progress.current == nullptr || progress.bytesDone == 0)
            return;
        std::string name = progress.current;
        if (name == "grows" && Read("src/grows").size() == 10000)
            File("src/grows", Pattern(20000));
        if (name == "shrinks")
            truncate(Host("src/shrinks").c_str(), 5000);
    };
    Select({"grows", "shrinks"});
    Copy();
    ASSERT_EQ(control_.Count("failure"), 2u);
    EXPECT_EQ(control_.events[0].error, ERROR_OBJECT_IN_USE);
    EXPECT_EQ(control_.events[1].error, ERROR_OBJECT_IN_USE);
    EXPECT_FALSE(Exists("dst/grows"));
    EXPECT_FALSE(Exists("dst/shrinks"));
    EXPECT_TRUE(SideNames("dst").empty());
}

TEST_F(CopyTest, StoppingAfterAChunkLeavesNothingBehind)
{
    File("src/first", "done before the stop");
    File("src/big", Pattern(40000));
    File("dst/big", "old");
    File("src/after", "after");
    control_.answers = {CopyCheckResult::Replace};
    control_.cancelAt = 4;   // one report for "first", then the chunks of "big"
    Select({"first", "big", "after"});
    CopyResult result = Copy();
    EXPECT_TRUE(result.aborted);
    EXPECT_TRUE(control_.Count("failure") == 0 && control_.Count("refusal") == 0);
    EXPECT_EQ(Read("dst/first"), "done before the stop");
    EXPECT_EQ(Read("dst/big"), "old");
    EXPECT_FALSE(Exists("dst/after"));
    EXPECT_TRUE(SideNames("dst").empty());
    EXPECT_EQ(selection_.copied, (std::vector<ULONG>{0}));
}

TEST_F(CopyTest, TheOperationAllocatesNothingPerFileOrDrawer)
{
    for (int d = 0; d < 4; d++)
        for (int f = 0; f < 25; f++)
            File("src/T/d" + std::to_string(d) + "/f" + std::to_string(f), Pattern(500 + size_t(f)));
    File("dst/T/d0/f0", "old");
    Select({"T"});
    control_.answers = {CopyCheckResult::Replace};
    // Every allocation through exec fails from here on: the copy must not need one.
    hosted::SetAllocFailure(1, 0);
    CopyResult result = Copy();
    hosted::SetAllocFailure(0, 0);
    EXPECT_EQ(result.copied, 1u);
    EXPECT_EQ(control_.Count("failure"), 0u);
    for (int d = 0; d < 4; d++)
        for (int f = 0; f < 25; f++)
            EXPECT_EQ(Read("dst/T/d" + std::to_string(d) + "/f" + std::to_string(f)), Pattern(500 + size_t(f)));
}

TEST_F(CopyTest, TheCountBeforeTheCopyStopsAtItsTimeLimit)
{
    File("src/a", Pattern(100));
    File("src/T/x", Pattern(200));
    File("src/T/y/z", Pattern(300));
    Select({"a", "T"});
    OperationProgress progress;
    CountCopySelection(job_.walk, selection_, progress);
    EXPECT_TRUE(progress.totalsKnown);
    EXPECT_EQ(progress.entriesTotal, 3u);
    EXPECT_EQ(progress.bytesTotal, 600u);
    CountCopySelection(job_.walk, selection_, progress, 0);
    EXPECT_FALSE(progress.totalsKnown);
    EXPECT_LE(progress.entriesTotal, 3u);
}

TEST_F(CopyTest, EmptyListsAndDestinationsKeepTheDestinationPath)
{
    File("src/a", "a");
    selection_.rows.clear();
    EXPECT_EQ(Copy().copied, 0u);
    selection_.rows = {RowOf("a")};
    selection_.rows[0].selected = FALSE;
    EXPECT_EQ(Copy("Test:dst/").copied, 0u);
    EXPECT_FALSE(Exists("dst/a"));
    // A drawer path ending in "/" gets no second one (which would mean its parent).
    selection_.rows[0].selected = TRUE;
    EXPECT_EQ(Copy("Test:dst/").copied, 1u);
    EXPECT_EQ(Read("dst/a"), "a");
    EXPECT_FALSE(Exists("a"));
}

}  // namespace
}  // namespace copytest
