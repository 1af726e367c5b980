// The HistoryList: recording drawers, recycling slots, refusing long paths, and seeding from the DOS list.
#include <lister/history.h>

#include "dos_support.h"

#include <hosted/dos.h>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct HistoryScene {
    HistoryScene() : block(new UBYTE[HistoryBlockSize]) { InitHistoryList(history, block.get()); }

    std::vector<std::string> Items() const
    {
        std::vector<std::string> items;
        for (ULONG i = 0; i < HistorySlotCount; i++)
            items.push_back(history.Text(i));
        return items;
    }

    std::unique_ptr<UBYTE[]> block;
    HistoryList history;
};

}  // namespace

TEST(History, NewPathsGoLastAndTheOldestLeavesTheTop)
{
    HistoryScene scene;
    for (int i = 0; i < 14; i++)
        EXPECT_EQ(UpdateHistory(scene.history, ("Work:" + std::to_string(i)).c_str()), HistoryUpdate::Added);
    EXPECT_EQ(scene.Items().front(), "Work:0");
    EXPECT_EQ(scene.Items().back(), "Work:13");
    STRPTR oldestBuffer = scene.history.Text(0);
    EXPECT_EQ(UpdateHistory(scene.history, "Work:14"), HistoryUpdate::Added);
    EXPECT_EQ(scene.Items().front(), "Work:1");
    EXPECT_EQ(scene.Items().back(), "Work:14");
    // The dropped slot's buffer is reused, not copied around.
    EXPECT_EQ(scene.history.Text(13), oldestBuffer);
}

TEST(History, KnownPathsChangeNothingAndCaseMatters)
{
    HistoryScene scene;
    UpdateHistory(scene.history, "Work:Audio");
    std::vector<std::string> before = scene.Items();
    EXPECT_EQ(UpdateHistory(scene.history, "Work:Audio"), HistoryUpdate::Present);
    EXPECT_EQ(scene.Items(), before);
    EXPECT_EQ(UpdateHistory(scene.history, "work:audio"), HistoryUpdate::Added);
    EXPECT_EQ(scene.Items()[12], "Work:Audio");
    EXPECT_EQ(scene.Items()[13], "work:audio");
}

TEST(History, EmptySlotsAreRecycledAndLongPathsRefused)
{
    HistoryScene scene;
    for (const std::string &item : scene.Items())
        EXPECT_EQ(item, "");
    UpdateHistory(scene.history, "RAM:");
    EXPECT_EQ(scene.Items()[13], "RAM:");

    std::string longest(HistorySlotSize - 1, 'p');
    EXPECT_EQ(UpdateHistory(scene.history, longest.c_str()), HistoryUpdate::Added);
    EXPECT_EQ(scene.Items()[13], longest);
    std::vector<std::string> before = scene.Items();
    std::string tooLong(HistorySlotSize, 'q');
    EXPECT_EQ(UpdateHistory(scene.history, tooLong.c_str()), HistoryUpdate::Refused);
    EXPECT_EQ(scene.Items(), before);
    // The next slot's text is untouched by the longest path.
    EXPECT_EQ(scene.Items()[12], "RAM:");
}

class HistorySeed : public listertest::DosDrawerTest {};

TEST_F(HistorySeed, VolumesFirstThenAssignsEachWithOneColonUpToFourteen)
{
    // What the DOS list holds, in its order.
    std::vector<std::string> expected;
    for (ULONG kind : {ULONG(LDF_VOLUMES), ULONG(LDF_ASSIGNS)}) {
        struct DosList *list = LockDosList(kind | LDF_READ);
        while ((list = NextDosEntry(list, kind | LDF_READ)) != nullptr) {
            const UBYTE *name = static_cast<const UBYTE *>(BADDR(list->dol_Name));
            std::string text(reinterpret_cast<const char *>(name + 1), name[0]);
            if (text.empty() || text.back() != ':')
                text += ':';
            expected.push_back(text);
        }
        UnLockDosList(kind | LDF_READ);
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_NE(std::find(expected.begin(), expected.end(), "LTest:"), expected.end());

    HistoryScene scene;
    UpdateHistory(scene.history, "Stale:");
    ULONG filled = SeedHistory(scene.history);
    ULONG wanted = expected.size() < 14 ? ULONG(expected.size()) : 14u;
    EXPECT_EQ(filled, wanted);
    for (ULONG i = 0; i < 14; i++) {
        std::string item = scene.history.Text(i);
        if (i < wanted) {
            EXPECT_EQ(item, expected[i]) << i;
            EXPECT_EQ(item.find("::"), std::string::npos) << item;
        } else {
            EXPECT_EQ(item, "") << i;
        }
    }
    // The list is not left locked.
    EXPECT_NE(AttemptLockDosList(LDF_VOLUMES | LDF_WRITE), nullptr);
    UnLockDosList(LDF_VOLUMES | LDF_WRITE);
}

TEST_F(HistorySeed, MoreThanFourteenStopsAtFourteenVolumesFirst)
{
    std::string table = "VOLUME LTest: " + root + "\n";
    for (int i = 0; i < 16; i++) {
        MakeHostDrawer("v" + std::to_string(i));
        table += "VOLUME Vol" + std::to_string(i) + ": " + Host("v" + std::to_string(i)) + "\n";
    }
    table += "Extra: LTest:v0\n";
    listertest::WriteHostFile(std::string(getenv("KESTROVANE_HOME")) + "/Mountlist", table);
    hosted::ReloadDosConfiguration();

    HistoryScene scene;
    EXPECT_EQ(SeedHistory(scene.history), 14u);
    for (ULONG i = 0; i < 14; i++) {
        std::string item = scene.history.Text(i);
        BPTR lock = Lock(item.c_str(), SHARED_LOCK);
        EXPECT_NE(lock, 0) << item;
        UnLock(lock);
        EXPECT_NE(item, "Extra:") << "an assign before the volumes ran out";
    }
}
