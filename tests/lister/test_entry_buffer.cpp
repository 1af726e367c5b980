// The EntryBuffer's layout: header size, entry and slot positions, capacity.
#include "support.h"

#include <gtest/gtest.h>

#include <cstddef>

using listertest::TestEntries;

TEST(EntryBuffer, RecordSizesAndFieldOffsets)
{
    EXPECT_EQ(sizeof(ListerHeader), 5164u);
    EXPECT_EQ(sizeof(ListerEntry), 216u);
    EXPECT_EQ(sizeof(DisplaySlot), 8u);
    EXPECT_EQ(offsetof(ListerEntry, type), 0u);
    EXPECT_EQ(offsetof(ListerEntry, protection), 4u);
    EXPECT_EQ(offsetof(ListerEntry, date), 16u);
    EXPECT_EQ(offsetof(ListerEntry, name), 28u);
    EXPECT_EQ(offsetof(ListerEntry, comment), 136u);
    EXPECT_EQ(offsetof(DisplaySlot, selectionMark), 0u);
    EXPECT_EQ(offsetof(DisplaySlot, entryOffset), 4u);
}

TEST(EntryBuffer, DefaultBufferHolds9119Entries)
{
    EntryBuffer buffer(nullptr, 2048000);
    EXPECT_FALSE(buffer.Usable());
    UQUAD storage[16];
    EXPECT_EQ(EntryBuffer(storage, 2048000).Capacity(), 9119u);
    // 9119 entries end exactly where their 9119 slots and the terminator and
    // end mark begin, or before; a 9120th would not fit.
    EXPECT_LE(5164u + 9119u * 224u + 16u, 2048000u);
    EXPECT_GT(5164u + 9120u * 224u + 16u, 2048000u);
    EXPECT_EQ(EntryBuffer(storage, 5164 + 16 + 224).Capacity(), 1u);
    EXPECT_EQ(EntryBuffer(storage, 5164 + 16 + 223).Capacity(), 0u);
    EXPECT_FALSE(EntryBuffer(storage, 5164 + 15).Usable());
}

TEST(EntryBuffer, SlotsGrowDownFromBelowTheZeroEndMark)
{
    TestEntries entries(8192);
    const EntryBuffer &buffer = entries.buffer;
    UBYTE *end = buffer.base + 8192;
    EXPECT_EQ(reinterpret_cast<UBYTE *>(buffer.Slot(0)), end - 16);
    EXPECT_EQ(reinterpret_cast<UBYTE *>(buffer.Slot(3)), end - 40);
    for (int i = 1; i <= 16; i++)
        EXPECT_EQ(end[-i], 0) << "end mark and terminator are clear after InitEntryBuffer";
    EXPECT_EQ(buffer.SlotEntry(0), nullptr);
    EXPECT_EQ(reinterpret_cast<UBYTE *>(buffer.Entry(2)), buffer.base + 5164 + 432);
    EXPECT_EQ(buffer.Header()->DrawerLock(), 0);
    EXPECT_EQ(buffer.Header()->EntryCount(), 0u);
}

TEST(EntryBuffer, OddLengthsAreUsedDownToAMultipleOfFour)
{
    UQUAD storage[1024] = {};
    EntryBuffer buffer(storage, 8195);
    EXPECT_EQ(buffer.size, 8192u);
    EXPECT_EQ(EntryBuffer(storage, 8196).size, 8196u);
    ASSERT_TRUE(InitEntryBuffer(buffer));
    EXPECT_FALSE(InitEntryBuffer(EntryBuffer(storage, 100)));
}

TEST(EntryBuffer, SixtyFourBitValuesSurviveTheWordPairs)
{
    TestEntries entries(8192);
    ListerHeader &header = *entries.buffer.Header();
    header.SetTotalBytes(0x123456789ABCDEF0ULL);
    EXPECT_EQ(header.TotalBytes(), 0x123456789ABCDEF0ULL);
    header.SetDrawerLock(BPTR(0x7FFF12345678));
    EXPECT_EQ(header.DrawerLock(), BPTR(0x7FFF12345678));
    ListerEntry &entry = entries.AddEntry("big", -3, 5ULL << 30);
    EXPECT_EQ(entry.Size(), 5ULL << 30);
}

TEST(EntryBuffer, ListerPathIsBoundedByItsBuffer)
{
    TestEntries entries(8192);
    ListerHeader &header = *entries.buffer.Header();
    ASSERT_TRUE(SetListerPath(header, "Work:Audio"));
    EXPECT_STREQ(header.path, "Work:Audio");
    EXPECT_EQ(header.pathEnd, 10u);
    std::string longest(4087, 'x');
    EXPECT_TRUE(SetListerPath(header, longest.c_str()));
    EXPECT_EQ(header.pathEnd, 4087u);
    std::string tooLong(4088, 'y');
    EXPECT_FALSE(SetListerPath(header, tooLong.c_str()));
    EXPECT_EQ(header.pathEnd, 4087u);
    EXPECT_EQ(header.path[0], 'x');
}
