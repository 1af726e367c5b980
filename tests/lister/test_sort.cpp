// SortEntries: the three orders, and that sorting clears the selection.
#include <lister/sort.h>

#include <settings/config_record.h>

#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using listertest::TestEntries;
using Names = std::vector<std::string>;

TEST(Sort, NameCaseComparesBytesUpperCaseFirst)
{
    TestEntries entries;
    entries.AddEntry("b", -3);
    entries.AddEntry("B", -3);
    entries.AddEntry("a", -3);
    SortEntries(entries.buffer, SortNameCase);
    EXPECT_EQ(entries.DisplayNames(), (Names{"B", "a", "b"}));

    TestEntries prefixes;
    prefixes.AddEntry("abc", -3);
    prefixes.AddEntry("ab", -3);
    prefixes.AddEntry("\xE4", -3);   // a byte above 127 sorts after ASCII
    prefixes.AddEntry("abd", -3);
    SortEntries(prefixes.buffer, SortNameCase);
    EXPECT_EQ(prefixes.DisplayNames(), (Names{"ab", "abc", "abd", "\xE4"}));
}

TEST(Sort, DrawersComeFirstInBothSortingOrders)
{
    TestEntries entries;
    entries.AddEntry("zfile", -3, 1, 10);
    entries.AddEntry("ydrawer", 2, 0, 5);
    entries.AddEntry("afile", -3, 1, 20);
    entries.AddEntry("xdrawer", 0, 0, 1);   // type 0 is a drawer
    SortEntries(entries.buffer, SortNameCase);
    EXPECT_EQ(entries.DisplayNames(), (Names{"xdrawer", "ydrawer", "afile", "zfile"}));
    SortEntries(entries.buffer, SortDate);
    EXPECT_EQ(entries.DisplayNames(), (Names{"ydrawer", "xdrawer", "afile", "zfile"}));
}

TEST(Sort, NoSortAndUnknownOrdersKeepReadingOrderMixed)
{
    TestEntries entries;
    entries.AddEntry("c", -3);
    entries.AddEntry("d", 2);
    entries.AddEntry("a", -3);
    entries.AddEntry("b", 2);
    for (UBYTE order : {SortNone, UBYTE(0), UBYTE(4), UBYTE(255)}) {
        SortEntries(entries.buffer, order);
        EXPECT_EQ(entries.DisplayNames(), (Names{"c", "d", "a", "b"})) << int(order);
    }
}

TEST(Sort, DateIsNewestFirstWithTicksDecidingAndNamesBreakingTies)
{
    TestEntries entries;
    entries.AddEntry("y", -3, 0, 100, 10, 5);
    entries.AddEntry("x", -3, 0, 100, 10, 5);
    entries.AddEntry("older-day", -3, 0, 99, 1439, 49);
    entries.AddEntry("later-tick", -3, 0, 100, 10, 6);
    entries.AddEntry("later-minute", -3, 0, 100, 11, 0);
    entries.AddEntry("before-1978", -3, 0, -5, 0, 0);
    SortEntries(entries.buffer, SortDate);
    EXPECT_EQ(entries.DisplayNames(), (Names{"later-minute", "later-tick", "x", "y", "older-day", "before-1978"}));
}

TEST(Sort, SortingWritesTheTerminatorAndClearsEveryMark)
{
    TestEntries entries(64 * 1024);
    entries.AddEntry("one", -3);
    entries.AddEntry("two", -3);
    SortEntries(entries.buffer, SortNameCase);
    entries.buffer.Slot(0)->selectionMark = 1;
    entries.buffer.Slot(1)->selectionMark = 2;
    SortEntries(entries.buffer, SortDate);
    EXPECT_EQ(entries.buffer.Slot(0)->selectionMark, 0u);
    EXPECT_EQ(entries.buffer.Slot(1)->selectionMark, 0u);
    EXPECT_EQ(entries.buffer.Slot(2)->entryOffset, 0u);
    EXPECT_EQ(entries.buffer.Slot(2)->selectionMark, 0u);

    TestEntries empty(64 * 1024);
    SortEntries(empty.buffer, SortNameCase);
    EXPECT_TRUE(empty.DisplayNames().empty());
}

TEST(Sort, ManyEntriesMatchTheOrderOfComparingEveryPair)
{
    TestEntries entries;
    std::mt19937 random(7);
    Names drawers, files;
    for (int i = 0; i < 3000; i++) {
        std::string name = "n" + std::to_string(random() % 100000) + "_" + std::to_string(i);
        if (random() % 3 == 0) {
            entries.AddEntry(name, 2);
            drawers.push_back(name);
        } else {
            entries.AddEntry(name, -3);
            files.push_back(name);
        }
    }
    SortEntries(entries.buffer, SortNameCase);
    std::sort(drawers.begin(), drawers.end());
    std::sort(files.begin(), files.end());
    Names expected = drawers;
    expected.insert(expected.end(), files.begin(), files.end());
    EXPECT_EQ(entries.DisplayNames(), expected);
}
