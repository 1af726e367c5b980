// Memory: clearing, AllocEntry all-or-nothing, and the failure switch.
#include <hosted/task.h>
#include <proto/exec.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A memory list with room for thirteen entries, reached through a pointer
// as callers of AllocEntry build theirs.
struct Thirteen {
    alignas(struct MemList) UBYTE bytes[sizeof(struct MemList) + 12 * sizeof(struct MemEntry)] = {};
    struct MemList &list = *reinterpret_cast<struct MemList *>(bytes);
};

class Memory : public ::testing::Test {
protected:
    void TearDown() override { hosted::SetAllocFailure(0, 0); }
};

TEST_F(Memory, ClearedMemoryIsZeroAndZeroSizeFails)
{
    auto *p = static_cast<UBYTE *>(AllocMem(4096, MEMF_CLEAR | MEMF_PUBLIC));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 4096; i++)
        ASSERT_EQ(p[i], 0);
    FreeMem(p, 4096);
    EXPECT_EQ(AllocMem(0, 0), nullptr);
}

TEST_F(Memory, AllocEntryGivesEveryEntryItsLength)
{
    Thirteen request;
    request.list.ml_NumEntries = 13;
    for (int i = 0; i < 13; i++) {
        request.list.ml_ME[i].me_Reqs = 0;
        request.list.ml_ME[i].me_Length = 1000 * (i + 1);
    }
    struct MemList *got = AllocEntry(&request.list);
    ASSERT_NE(got, nullptr);
    ASSERT_EQ(got->ml_NumEntries, 13);
    for (int i = 0; i < 13; i++) {
        EXPECT_EQ(got->ml_ME[i].me_Length, 1000u * (i + 1));
        ASSERT_NE(got->ml_ME[i].me_Addr, nullptr);
        std::memset(got->ml_ME[i].me_Addr, 0xAA, got->ml_ME[i].me_Length);
    }
    FreeEntry(got);
}

TEST_F(Memory, SwitchFailsLargeAllocationsAndTheNthOne)
{
    hosted::SetAllocFailure(10000, 0);
    EXPECT_EQ(AllocMem(10001, 0), nullptr);
    APTR small = AllocMem(10000, 0);
    EXPECT_NE(small, nullptr);
    FreeMem(small, 10000);

    Thirteen request;
    request.list.ml_NumEntries = 2;
    request.list.ml_ME[0].me_Length = 100;
    request.list.ml_ME[1].me_Length = 20000;   // one entry too large: nothing is allocated
    EXPECT_EQ(AllocEntry(&request.list), nullptr);

    hosted::SetAllocFailure(0, 3);
    APTR a = AllocMem(8, 0);
    APTR b = AllocVec(8, 0);
    APTR c = AllocMem(8, 0);
    APTR d = AllocMem(8, 0);
    EXPECT_NE(a, nullptr);
    EXPECT_NE(b, nullptr);
    EXPECT_EQ(c, nullptr);
    EXPECT_NE(d, nullptr);
    FreeMem(a, 8);
    FreeVec(b);
    FreeMem(d, 8);
}

}  // namespace

// A large block freed comes back for the next large allocation as the real
// system's free list gives it: its old contents, unless MEMF_CLEAR asks; and
// the failure switch still decides first.
TEST_F(Memory, ALargeBlockFreedIsHandedOutAgainClearedOnlyWhenAsked)
{
    const ULONG size = 16u << 20;
    auto *first = static_cast<UBYTE *>(AllocVec(size, MEMF_ANY));
    ASSERT_NE(first, nullptr);
    std::memset(first, 0xA5, size);
    FreeVec(first);
    auto *again = static_cast<UBYTE *>(AllocVec(size - 4096, MEMF_ANY));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again, first);
    FreeVec(again);
    auto *cleared = static_cast<UBYTE *>(AllocVec(size, MEMF_CLEAR));
    ASSERT_NE(cleared, nullptr);
    EXPECT_EQ(cleared[0], 0);
    EXPECT_EQ(cleared[size / 2], 0);
    EXPECT_EQ(cleared[size - 1], 0);
    FreeVec(cleared);
    // Much smaller requests leave it alone; the switch refuses what it refuses.
    auto *small = static_cast<UBYTE *>(AllocMem(size / 4, MEMF_ANY));
    ASSERT_NE(small, nullptr);
    EXPECT_NE(small, cleared);
    FreeMem(small, size / 4);
    hosted::SetAllocFailure(size / 2, 0);
    EXPECT_EQ(AllocVec(size, MEMF_ANY), nullptr);
    hosted::SetAllocFailure(0, 0);
    struct MemList request = {};
    request.ml_NumEntries = 1;
    request.ml_ME[0].me_Length = size;
    struct MemList *list = AllocEntry(&request);
    ASSERT_NE(list, nullptr);
    std::memset(list->ml_ME[0].me_Addr, 0x5A, size);
    FreeEntry(list);
}
