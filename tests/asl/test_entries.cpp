// What the file requester lists and how it moves: reading drawers and the volumes, joining names, finding parents.
#include "asl_fixture.h"
#include "aslprivate.h"

#include <algorithm>

namespace {

using namespace hosted::asl;
using asltest::AslTest;

std::vector<std::string> Names(const std::vector<Entry> &entries)
{
    std::vector<std::string> names;
    for (const Entry &e : entries)
        names.push_back(e.name);
    return names;
}

TEST_F(AslTest, ADrawerListsItsDrawersFirstThenItsFilesEachInNameOrder)
{
    asltest::MakeFile(root_, "Zebra", 1);
    asltest::MakeFile(root_, "apple", 1);
    asltest::MakeDrawer(root_, "alpha");
    Listing all = ReadDrawer("Work:", false, false);
    EXPECT_EQ(all.error, 0);
    EXPECT_EQ(Names(all.entries),
              (std::vector<std::string>{"alpha", "docs", "Music", "apple", "notes.txt", "notes.txt.info", "readme", "Zebra"}));
    EXPECT_EQ(all.entries[0].kind, EntryKind::Drawer);
    EXPECT_EQ(all.entries[3].kind, EntryKind::File);
    EXPECT_EQ(all.entries[4].size, 6u);

    Listing drawers = ReadDrawer("Work:", true, false);
    EXPECT_EQ(Names(drawers.entries), (std::vector<std::string>{"alpha", "docs", "Music"}));
    Listing noIcons = ReadDrawer("Work:", false, true);
    std::vector<std::string> noIconNames = Names(noIcons.entries);
    EXPECT_EQ(std::count(noIconNames.begin(), noIconNames.end(), "notes.txt.info"), 0);
    EXPECT_EQ(noIcons.entries.size(), all.entries.size() - 1);

    // Through an assign, and relative to the current directory.
    EXPECT_EQ(Names(ReadDrawer("Docs:", false, false).entries), (std::vector<std::string>{"deep", "guide.txt"}));
    BPTR work = Lock("Work:", SHARED_LOCK);
    BPTR old = CurrentDir(work);
    EXPECT_EQ(Names(ReadDrawer("docs", false, false).entries), (std::vector<std::string>{"deep", "guide.txt"}));
    EXPECT_EQ(ReadDrawer("", false, false).entries.size(), all.entries.size());
    CurrentDir(old);
    UnLock(work);
}

TEST_F(AslTest, ADrawerThatCannotBeReadSaysWhy)
{
    EXPECT_EQ(ReadDrawer("Work:nothing", false, false).error, ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(ReadDrawer("Nowhere:", false, false).error, ERROR_DEVICE_NOT_MOUNTED);
    Listing file = ReadDrawer("Work:readme", false, false);
    EXPECT_EQ(file.error, ERROR_OBJECT_WRONG_TYPE);
    EXPECT_TRUE(file.entries.empty());
}

TEST_F(AslTest, TheVolumesListHoldsVolumesThenAssigns)
{
    Listing volumes = ReadVolumes();
    EXPECT_EQ(volumes.error, 0);
    auto work = std::find_if(volumes.entries.begin(), volumes.entries.end(), [](const Entry &e) { return e.name == "Work:"; });
    auto docs = std::find_if(volumes.entries.begin(), volumes.entries.end(), [](const Entry &e) { return e.name == "Docs:"; });
    ASSERT_NE(work, volumes.entries.end());
    ASSERT_NE(docs, volumes.entries.end());
    EXPECT_EQ(work->kind, EntryKind::Volume);
    EXPECT_EQ(docs->kind, EntryKind::Assign);
    EXPECT_LT(work, docs);
    auto firstAssign = std::find_if(volumes.entries.begin(), volumes.entries.end(),
                                    [](const Entry &e) { return e.kind == EntryKind::Assign; });
    EXPECT_TRUE(std::all_of(firstAssign, volumes.entries.end(), [](const Entry &e) { return e.kind == EntryKind::Assign; }));
}

TEST_F(AslTest, NamesJoinDrawersAndParentsAreFound)
{
    EXPECT_EQ(JoinPath("Work:", "docs"), "Work:docs");
    EXPECT_EQ(JoinPath("Work:docs", "deep"), "Work:docs/deep");
    EXPECT_EQ(JoinPath("Work:docs/", "deep"), "Work:docs/deep");
    EXPECT_EQ(JoinPath("", "docs"), "docs");
    EXPECT_EQ(JoinPath("Work:docs", ""), "Work:docs");
    EXPECT_EQ(JoinPath("Work:docs", "RAM:x"), "RAM:x");

    std::string parent;
    ASSERT_TRUE(ParentPath("Work:docs/deep", parent));
    EXPECT_EQ(parent, "Work:docs");
    ASSERT_TRUE(ParentPath("Work:docs", parent));
    EXPECT_EQ(parent, "Work:");
    ASSERT_TRUE(ParentPath("Work:docs/", parent));
    EXPECT_EQ(parent, "Work:");
    EXPECT_FALSE(ParentPath("Work:", parent));   // a root: the volumes are above it
    EXPECT_FALSE(ParentPath("Docs:", parent));
    // Relative drawers and parent steps ask the file system.
    BPTR work = Lock("Work:docs", SHARED_LOCK);
    BPTR old = CurrentDir(work);
    ASSERT_TRUE(ParentPath("deep", parent));
    EXPECT_EQ(parent, "Work:docs");
    ASSERT_TRUE(ParentPath("", parent));
    EXPECT_EQ(parent, "Work:");
    CurrentDir(old);
    UnLock(work);
    ASSERT_TRUE(ParentPath("Work:docs/deep//deep", parent));
    EXPECT_EQ(parent, "Work:docs");
    // A drawer that does not exist still has the parent its name says.
    ASSERT_TRUE(ParentPath("Work:nothing/here", parent));
    EXPECT_EQ(parent, "Work:nothing");

    EXPECT_EQ(PathKind("Work:docs"), 1);
    EXPECT_EQ(PathKind("Work:readme"), -1);
    EXPECT_EQ(PathKind("Work:nothing"), 0);
}

}  // namespace
