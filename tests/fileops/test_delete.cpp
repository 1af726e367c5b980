// DeleteRows against temporary drawers: the order of a tree, failures and their answers, links, stopping, refusals.
#include "entry_support.h"

#include <fileops/delete.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

using namespace fileopstest;

class DeleteTest : public EntryOpsTest {};

// Where `name` stands in the order of deletion; -1 when it was not deleted.
long PositionOf(const std::vector<std::string> &order, const std::string &name)
{
    auto at = std::find(order.begin(), order.end(), name);
    return at == order.end() ? -1 : long(at - order.begin());
}

TEST_F(DeleteTest, ANestedTreeGoesInnermostFirstEachDrawerRightAfterItsLastEntry)
{
    MakeFile("a/b/c/f1");
    MakeFile("a/b/c/f2");
    MakeFile("a/b/g");
    MakeDrawer("a/b/empty");
    MakeFile("a/h");
    MakeFile("top");
    MakeFile("kept");
    TableRows rows({{"a", DrawerType, true}, {"kept", FileType, false}, {"top", FileType, true}});
    ScriptedControl control;
    OwnWalkBuffers buffers;
    DeleteResult result = DeleteRows(rows, buffers.Get(), control);

    EXPECT_EQ(Names(), std::vector<std::string>{"kept"});
    EXPECT_EQ(result.attempted, 2u);
    EXPECT_EQ(result.deleted, 9u);
    EXPECT_FALSE(result.ended);
    const std::vector<std::string> &order = control.progress;
    ASSERT_EQ(order.size(), 9u);
    EXPECT_EQ(order.back(), "top");
    // Every drawer comes right after the last of everything below it (which
    // may be a sub-drawer, itself deleted right after its own last entry).
    for (std::string drawer : {"a", "a/b", "a/b/c"}) {
        long at = PositionOf(order, drawer), lastInside = -1;
        for (size_t i = 0; i < order.size(); i++)
            if (order[i].rfind(drawer + "/", 0) == 0)
                lastInside = long(i);
        ASSERT_GE(lastInside, 0) << drawer;
        EXPECT_EQ(at, lastInside + 1) << drawer;
    }
    EXPECT_GE(PositionOf(order, "a/b/empty"), 0);
}

TEST_F(DeleteTest, AProtectedFileIsSkippedThenItsDrawerFailsAsNotEmptyAndTheNextEntryGoesOn)
{
    MakeFile("d/x");
    MakeFile("d/y");
    MakeFile("d/z");
    MakeFile("after");
    ASSERT_EQ(chmod(Host("d/x").c_str(), 0444), 0);   // no "d": protected from deletion
    TableRows rows({{"d", DrawerType, true}, {"after", FileType, true}});
    ScriptedControl control;
    control.answers = {TRUE, TRUE};   // "Skip", "Skip"
    OwnWalkBuffers buffers;
    DeleteResult result = DeleteRows(rows, buffers.Get(), control);

    ASSERT_EQ(control.failures.size(), 2u);
    EXPECT_EQ(control.failures[0].name, "d/x");
    EXPECT_EQ(control.failures[0].error, ERROR_DELETE_PROTECTED);
    EXPECT_EQ(control.failures[0].buttons, FaultButtons::SkipAbort);
    EXPECT_EQ(control.failures[1].name, "d");
    EXPECT_EQ(control.failures[1].error, ERROR_DIRECTORY_NOT_EMPTY);
    EXPECT_EQ(Names(), std::vector<std::string>{"d"});
    EXPECT_EQ(Names("d"), std::vector<std::string>{"x"});
    EXPECT_FALSE(result.ended);
    chmod(Host("d/x").c_str(), 0644);
}

TEST_F(DeleteTest, AbortMidwayEndsWithTheRestInPlaceAndEveryLockReleased)
{
    for (const char *name : {"d/s/1", "d/s/2", "d/s/3", "d/t", "e"})
        MakeFile(name);
    // The second deletion fails; "Abort".
    hosted::SetDosFault(hosted::DosCall::DeleteFile, 2, ERROR_DISK_WRITE_PROTECTED);
    TableRows rows({{"d", DrawerType, true}, {"e", FileType, true}});
    ScriptedControl control;
    control.answers = {FALSE};
    OwnWalkBuffers buffers;
    DeleteResult result = DeleteRows(rows, buffers.Get(), control);

    EXPECT_TRUE(result.ended);
    EXPECT_EQ(result.deleted, 1u);
    ASSERT_EQ(control.failures.size(), 1u);
    EXPECT_EQ(control.failures[0].error, ERROR_DISK_WRITE_PROTECTED);
    EXPECT_TRUE(Exists("e"));
    EXPECT_TRUE(Exists("d"));
    // No lock of the walk is left: an exclusive lock on each drawer is granted.
    for (const char *drawer : {"d", "d/s"}) {
        BPTR lock = Lock(drawer, EXCLUSIVE_LOCK);
        EXPECT_NE(lock, 0) << drawer;
        UnLock(lock);
    }
}

TEST_F(DeleteTest, ATopLevelObjectThatIsGoneIsReportedByNameAndSkipGoesOn)
{
    MakeFile("there");
    TableRows rows({{"gone", DrawerType, true}, {"gonefile", FileType, true}, {"there", FileType, true}});
    ScriptedControl control;
    control.answers = {TRUE, TRUE};
    OwnWalkBuffers buffers;
    DeleteResult result = DeleteRows(rows, buffers.Get(), control);
    ASSERT_EQ(control.failures.size(), 2u);
    EXPECT_EQ(control.failures[0].name, "gone");
    EXPECT_EQ(control.failures[0].error, ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(control.failures[1].name, "gonefile");
    EXPECT_FALSE(Exists("there"));
    EXPECT_EQ(result.attempted, 3u);
}

TEST_F(DeleteTest, ALinkIsDeletedAsItselfAndWhatItPointsAtStaysWhole)
{
    MakeFile("target/keep1");
    MakeFile("target/sub/keep2");
    MakeFile("d/own");
    ASSERT_EQ(symlink(Host("target").c_str(), Host("link").c_str()), 0);
    ASSERT_EQ(symlink(Host("target").c_str(), Host("link2").c_str()), 0);
    ASSERT_EQ(symlink("../target", Host("d/inner").c_str()), 0);
    // The link's type as dos lists it, and the other positive link type:
    // neither sign nor kind may send the delete through it.
    struct FileInfoBlock fib;
    BPTR drawer = Lock("", SHARED_LOCK);
    ASSERT_NE(drawer, 0);
    ASSERT_TRUE(Examine(drawer, &fib));
    LONG listed = 0;
    while (ExNext(drawer, &fib))
        if (std::string(fib.fib_FileName) == "link")
            listed = fib.fib_DirEntryType;
    UnLock(drawer);
    EXPECT_EQ(listed, ST_LINKDIR);
    TableRows rows({{"d", DrawerType, true}, {"link", listed, true}, {"link2", ST_SOFTLINK, true}});
    ScriptedControl control;
    OwnWalkBuffers buffers;
    DeleteResult result = DeleteRows(rows, buffers.Get(), control);

    EXPECT_TRUE(control.failures.empty());
    EXPECT_EQ(result.deleted, 5u);   // d/own, d/inner, d, link, link2
    EXPECT_EQ(Names(), std::vector<std::string>{"target"});
    EXPECT_EQ(Names("target"), (std::vector<std::string>{"keep1", "sub"}));
    EXPECT_TRUE(Exists("target/sub/keep2"));
}

TEST_F(DeleteTest, StoppingEndsAfterTheCurrentEntryAndNothingSelectedDeletesNothing)
{
    for (int i = 0; i < 6; i++)
        MakeFile("d/" + std::to_string(i));
    MakeFile("e");
    TableRows rows({{"d", DrawerType, true}, {"e", FileType, true}});
    ScriptedControl control;
    control.cancelAfter = 3;
    OwnWalkBuffers buffers;
    DeleteResult result = DeleteRows(rows, buffers.Get(), control);
    EXPECT_TRUE(result.ended);
    EXPECT_EQ(result.deleted, 3u);
    EXPECT_EQ(Names("d").size(), 3u);
    EXPECT_TRUE(Exists("e"));

    TableRows none({{"d", DrawerType, false}, {"e", FileType, false}});
    ScriptedControl quiet;
    result = DeleteRows(none, buffers.Get(), quiet);
    EXPECT_EQ(result.attempted, 0u);
    EXPECT_EQ(Names("d").size(), 3u);
    EXPECT_TRUE(Exists("e"));
}

TEST_F(DeleteTest, ATreeDeeperThanTheBuffersIsRefusedBeforeAnythingBelowIsTouched)
{
    MakeFile("a/b/c/d/deep");
    MakeFile("a/top");
    TableRows rows({{"a", DrawerType, true}});
    ScriptedControl control;
    OwnWalkBuffers shallow(3);
    DeleteResult result = DeleteRows(rows, shallow.Get(), control);
    EXPECT_TRUE(result.ended);
    ASSERT_EQ(control.refusals.size(), 1u);
    EXPECT_NE(control.refusals[0].second.find("Dir stack:"), std::string::npos);
    EXPECT_TRUE(Exists("a/b/c/d/deep"));
    EXPECT_TRUE(Exists("a/b/c"));

    OwnWalkBuffers narrow(64, 8);
    ScriptedControl control2;
    result = DeleteRows(rows, narrow.Get(), control2);
    EXPECT_TRUE(result.ended);
    ASSERT_EQ(control2.refusals.size(), 1u);
    EXPECT_TRUE(Exists("a/b/c/d/deep"));
}

}  // namespace
