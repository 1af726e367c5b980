// WalkTree: the order it visits a tree in, the bounds of its buffers, links, failures.
#include <fileops/tree_walk.h>

#include "fileops_support.h"

#include <hosted/dos.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using fileopstest::FileOpsTest;

namespace {

// Records every call as a line; answers as told.
class Recorder : public TreeVisitor {
public:
    WalkAction EnterDrawer(CONST_STRPTR path, const struct FileInfoBlock &, ULONG depth, ULONG &word) override
    {
        word = depth * 100;
        log.push_back("enter " + std::string(path) + " " + std::to_string(depth));
        return std::string(path) == skipDrawer ? WalkAction::Skip : WalkAction::Continue;
    }
    WalkAction VisitEntry(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth, ULONG word) override
    {
        log.push_back("entry " + std::string(path) + " " + std::to_string(fib.fib_DirEntryType < 0 ? -1 : 1));
        EXPECT_EQ(word, depth * 100);   // the word of the drawer that holds it
        return std::string(path) == abortAt ? WalkAction::Abort : WalkAction::Continue;
    }
    WalkAction LeaveDrawer(CONST_STRPTR path, ULONG depth, ULONG word) override
    {
        EXPECT_EQ(word, depth * 100);
        log.push_back("leave " + std::string(path));
        // The drawer's own lock is gone: it can be deleted now.
        if (deleteOnLeave) {
            EXPECT_TRUE(DeleteFile(path)) << path << " " << IoErr();
        }
        return WalkAction::Continue;
    }
    WalkAction WalkFailed(CONST_STRPTR path, LONG error, WalkFailure) override
    {
        log.push_back("failed " + std::string(path) + " " + std::to_string(error));
        return WalkAction::Skip;
    }

    std::vector<std::string> log;
    std::string skipDrawer;
    std::string abortAt;
    bool deleteOnLeave = false;
};

// Buffers sized for exactly `depth` levels.
struct Buffers {
    explicit Buffers(ULONG depth, ULONG pathSize = 512)
        : pool((depth + 2) * FibSlotSize), stack(4096), path(pathSize)
    {
        walk.stack = stack.data();
        walk.stackSize = ULONG(stack.size());
        walk.pool = pool.data();
        walk.poolSize = ULONG(pool.size());
        walk.path = path.data();
        walk.pathSize = ULONG(path.size());
    }
    std::vector<UBYTE> pool, stack;
    std::vector<char> path;
    WalkBuffers walk;
};

class TreeWalkTest : public FileOpsTest {
protected:
    // a/1/2/…/depth-1 with a file "f" in every drawer.
    void MakeChain(ULONG depth)
    {
        std::string path = "a";
        MakeDrawer(path);
        MakeFile(path + "/f");
        for (ULONG d = 2; d <= depth; d++) {
            path += "/" + std::to_string(d);
            MakeDrawer(path);
            MakeFile(path + "/f");
        }
    }
};

TEST_F(TreeWalkTest, AnEightDeepTreeIsGoneThroughInnermostLastWithinBuffersForEightLevels)
{
    MakeChain(8);
    Buffers buffers(8);
    ASSERT_EQ(WalkDepthLimit(buffers.walk), 8u);
    // Files go as they are met, so each drawer is empty when it is left.
    struct Deleter : Recorder {
        WalkAction VisitEntry(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth, ULONG word) override
        {
            Recorder::VisitEntry(path, fib, depth, word);
            EXPECT_TRUE(DeleteFile(path));
            return WalkAction::Continue;
        }
    } deleter;
    deleter.deleteOnLeave = true;
    EXPECT_EQ(WalkTree(buffers.walk, "a", deleter), WalkEnd::Done);
    EXPECT_FALSE(Exists("a"));

    std::vector<std::string> enters, leaves;
    for (const std::string &line : deleter.log) {
        if (line.rfind("enter ", 0) == 0)
            enters.push_back(line);
        if (line.rfind("leave ", 0) == 0)
            leaves.push_back(line.substr(6));
    }
    ASSERT_EQ(enters.size(), 8u);
    EXPECT_EQ(enters.front(), "enter a 1");
    EXPECT_EQ(enters.back(), "enter a/2/3/4/5/6/7/8 8");
    ASSERT_EQ(leaves.size(), 8u);
    EXPECT_EQ(leaves.front(), "a/2/3/4/5/6/7/8");   // the innermost first
    EXPECT_EQ(leaves.back(), "a");
    // No drawer is left before its last entry was visited.
    std::vector<std::string> left;
    for (const std::string &line : deleter.log) {
        if (line.rfind("leave ", 0) == 0)
            left.push_back(line.substr(6));
        if (line.rfind("entry ", 0) == 0) {
            std::string path = line.substr(6, line.rfind(' ') - 6);
            std::string parent = path.substr(0, path.rfind('/'));
            for (const std::string &gone : left)
                EXPECT_NE(gone, parent) << path << " visited after its drawer was left";
        }
    }
}

TEST_F(TreeWalkTest, ANineDeepTreeIsRefusedBeforeAnythingIsDoneBelowTheLimit)
{
    MakeChain(9);
    Buffers buffers(8);
    Recorder recorder;
    EXPECT_EQ(WalkTree(buffers.walk, "a", recorder), WalkEnd::TooDeep);
    EXPECT_STREQ(buffers.walk.path, "a/2/3/4/5/6/7/8/9");
    for (const std::string &line : recorder.log)
        EXPECT_EQ(line.find("a/2/3/4/5/6/7/8/9/f"), std::string::npos) << line;
    // Every lock was given back: the whole chain can go.
    EXPECT_TRUE(DeleteFile("a/2/3/4/5/6/7/8/9/f"));
    EXPECT_TRUE(DeleteFile("a/2/3/4/5/6/7/8/9"));
}

TEST_F(TreeWalkTest, APathLongerThanTheScratchIsRefusedNeverWrittenPastIt)
{
    MakeDrawer("top");
    MakeFile("top/" + std::string(100, 'n'));
    Buffers buffers(4, 64);
    buffers.path.resize(buffers.path.size() + 16, 'Z');   // a guard behind the scratch
    buffers.walk.path = buffers.path.data();
    Recorder recorder;
    EXPECT_EQ(WalkTree(buffers.walk, "top", recorder), WalkEnd::PathTooLong);
    EXPECT_STREQ(buffers.walk.path, "top");
    for (size_t i = 64; i < buffers.path.size(); i++)
        EXPECT_EQ(buffers.path[i], 'Z');
}

TEST_F(TreeWalkTest, LinksAreEntriesNeverDrawersToGoInto)
{
    MakeDrawer("top");
    MakeDrawer("elsewhere");
    MakeFile("elsewhere/precious");
    ASSERT_EQ(symlink(Host("elsewhere").c_str(), Host("top/link").c_str()), 0);
    ASSERT_EQ(symlink("loop", Host("top/loop").c_str()), 0);   // a link to itself
    Buffers buffers(8);
    Recorder recorder;
    EXPECT_EQ(WalkTree(buffers.walk, "top", recorder), WalkEnd::Done);
    for (const std::string &line : recorder.log)
        EXPECT_EQ(line.find("precious"), std::string::npos) << line;
    int linkEntries = 0;
    for (const std::string &line : recorder.log)
        if (line.rfind("entry top/link", 0) == 0 || line.rfind("entry top/loop", 0) == 0)
            linkEntries++;
    EXPECT_EQ(linkEntries, 2);
}

TEST_F(TreeWalkTest, ASkippedDrawerIsNotScannedAndAnAbortStopsAtOnce)
{
    MakeDrawer("top");
    MakeDrawer("top/skip");
    MakeFile("top/skip/hidden");
    MakeFile("top/stop");
    MakeFile("top/z");
    Buffers buffers(8);
    Recorder recorder;
    recorder.skipDrawer = "top/skip";
    recorder.abortAt = "top/stop";
    EXPECT_EQ(WalkTree(buffers.walk, "top", recorder), WalkEnd::Aborted);
    for (const std::string &line : recorder.log) {
        EXPECT_EQ(line.find("hidden"), std::string::npos) << line;
        EXPECT_EQ(line.rfind("leave top/skip", 0), std::string::npos) << line;
    }
    // The aborted walk gave back its locks.
    EXPECT_TRUE(DeleteFile("top/stop"));
    EXPECT_TRUE(DeleteFile("top/z"));
    EXPECT_TRUE(DeleteFile("top/skip/hidden"));
    EXPECT_TRUE(DeleteFile("top/skip"));
    EXPECT_TRUE(DeleteFile("top"));
}

TEST_F(TreeWalkTest, ADrawerThatCannotBeLockedIsReportedWithItsOwnError)
{
    Buffers buffers(8);
    Recorder recorder;
    EXPECT_EQ(WalkTree(buffers.walk, "missing", recorder), WalkEnd::Done);
    ASSERT_EQ(recorder.log.size(), 1u);
    EXPECT_EQ(recorder.log[0], "failed missing " + std::to_string(ERROR_OBJECT_NOT_FOUND));
}

// Every entry line of a walk of `top` with `detail`, sorted.
std::vector<std::string> EntriesOf(CONST_STRPTR top, WalkDetail detail)
{
    Buffers buffers(8);
    Recorder recorder;
    EXPECT_EQ(WalkTree(buffers.walk, top, recorder, detail), WalkEnd::Done);
    std::vector<std::string> entries;
    for (const std::string &line : recorder.log)
        if (line.rfind("entry ", 0) == 0)
            entries.push_back(line);
    std::sort(entries.begin(), entries.end());
    return entries;
}

TEST_F(TreeWalkTest, WalksForLessThanEverythingVisitTheSameEntriesAndDeleteInnermostFirst)
{
    // More entries in each drawer than one ExAll buffer holds, with
    // drawers among them: a drawer's records wait while a sub-drawer is read.
    MakeDrawer("top");
    for (int d = 0; d < 4; d++) {
        std::string drawer = "top/d" + std::to_string(d);
        MakeDrawer(drawer);
        MakeDrawer(drawer + "/inner");
        MakeFile(drawer + "/inner/deep");
        for (int f = 0; f < 70; f++)
            MakeFile(drawer + "/file" + std::to_string(f));
    }
    for (int f = 0; f < 70; f++)
        MakeFile("top/file" + std::to_string(f));
    MakeDrawer("elsewhere");
    MakeFile("elsewhere/precious");
    ASSERT_EQ(symlink(Host("elsewhere").c_str(), Host("top/d1/link").c_str()), 0);
    std::vector<std::string> everything = EntriesOf("top", WalkDetail::Everything);
    EXPECT_EQ(everything.size(), 70u + 4 * 71 + 1);   // the files, "deep" in each, the link
    EXPECT_EQ(EntriesOf("top", WalkDetail::Types), everything);
    EXPECT_EQ(EntriesOf("top", WalkDetail::Sizes), everything);

    struct Deleter : Recorder {
        WalkAction VisitEntry(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth, ULONG word) override
        {
            Recorder::VisitEntry(path, fib, depth, word);
            EXPECT_TRUE(DeleteFile(path)) << path;
            return WalkAction::Continue;
        }
    } deleter;
    deleter.deleteOnLeave = true;
    Buffers buffers(3);
    EXPECT_EQ(WalkTree(buffers.walk, "top", deleter, WalkDetail::Types), WalkEnd::Done);
    EXPECT_FALSE(Exists("top"));
    EXPECT_TRUE(Exists("elsewhere/precious"));
}

TEST_F(TreeWalkTest, AWalkOfSizesCountsFilesOfAnySizeWhole)
{
    MakeDrawer("top");
    MakeFile("top/small", "twelve bytes");
    int fd = open(Host("top/sparse").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    const off_t size = 5LL * 1024 * 1024 * 1024 + 3;
    ASSERT_EQ(ftruncate(fd, size), 0);
    close(fd);
    struct Sizes : Recorder {
        WalkAction VisitEntry(CONST_STRPTR path, const struct FileInfoBlock &fib, ULONG depth, ULONG word) override
        {
            sizes[path] = fib.fib_Size64;
            return Recorder::VisitEntry(path, fib, depth, word);
        }
        std::map<std::string, UQUAD> sizes;
    } sizes;
    Buffers buffers(4);
    EXPECT_EQ(WalkTree(buffers.walk, "top", sizes, WalkDetail::Sizes), WalkEnd::Done);
    EXPECT_EQ(sizes.sizes["top/sparse"], UQUAD(size));
    EXPECT_EQ(sizes.sizes["top/small"], UQUAD(Contents("top/small").size()));
}

TEST_F(TreeWalkTest, AFailedReadOfADrawerByExAllIsReportedAndTheDrawerLeftAfterWhatWasRead)
{
    MakeDrawer("top");
    for (int f = 0; f < 100; f++)
        MakeFile("top/file" + std::to_string(f));
    Buffers buffers(4);
    Recorder recorder;
    // The first ExAll call gives a buffer of records, the second fails.
    hosted::SetDosFault(hosted::DosCall::ExAll, 2, ERROR_READ_PROTECTED);
    EXPECT_EQ(WalkTree(buffers.walk, "top", recorder, WalkDetail::Types), WalkEnd::Done);
    hosted::ClearDosFaults();
    ASSERT_GE(recorder.log.size(), 4u);
    size_t entries = recorder.log.size() - 3;
    EXPECT_GT(entries, 0u);
    EXPECT_LT(entries, 100u);
    EXPECT_EQ(recorder.log[recorder.log.size() - 2], "failed top " + std::to_string(ERROR_READ_PROTECTED));
    EXPECT_EQ(recorder.log.back(), "leave top");
    // Skip and Abort end the scans under way and give back every lock.
    for (WalkDetail detail : {WalkDetail::Types, WalkDetail::Sizes}) {
        MakeDrawer("top/skip");
        MakeFile("top/skip/hidden");
        Recorder stopper;
        stopper.skipDrawer = "top/skip";
        stopper.abortAt = "top/file50";
        EXPECT_EQ(WalkTree(buffers.walk, "top", stopper, detail), WalkEnd::Aborted);
        for (const std::string &line : stopper.log)
            EXPECT_EQ(line.find("hidden"), std::string::npos) << line;
        EXPECT_TRUE(DeleteFile("top/skip/hidden"));
        EXPECT_TRUE(DeleteFile("top/skip"));
    }
    for (int f = 0; f < 100; f++)
        EXPECT_TRUE(DeleteFile(("top/file" + std::to_string(f)).c_str()));
    EXPECT_TRUE(DeleteFile("top"));
}

}  // namespace
