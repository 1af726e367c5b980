// The BufferSet: the sizes of its thirteen entries and their allocation in one piece.
#include <core/buffer_set.h>
#include <core/screen_metrics.h>

#include <hosted/task.h>
#include <proto/exec.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(BufferSet, DefaultSizesAndTheTwoScreenDependentEntries)
{
    ConfigRecord config;
    // A 1024-pixel screen, borders 4 + 18, a 12-point font: status line 15.
    BufferSetLengths set = ComputeBufferSetLengths(config, 1024, 22, 12, StatusLineHeight(12));
    const ULONG rowBytes = (1024 - 22) * 4;
    EXPECT_EQ(set.lengths[BufferViewerCommand], 512u);
    EXPECT_EQ(set.lengths[BufferOpenWithPath], 10000u);
    EXPECT_EQ(set.lengths[BufferDialogCanvas], rowBytes * 256);   // max(20 × 12, 256) rows
    EXPECT_EQ(set.lengths[BufferStatusStrip], rowBytes * 15);
    EXPECT_EQ(set.lengths[BufferWindowGradient], 1028u);
    EXPECT_EQ(set.lengths[BufferUserMenus], 212960u);
    EXPECT_EQ(set.lengths[BufferDestination], 10000u);
    EXPECT_EQ(set.lengths[BufferHistory], 140000u);
    EXPECT_EQ(set.lengths[BufferCopy], 1024000u);
    EXPECT_EQ(set.lengths[BufferEntries], 2048000u);
    EXPECT_EQ(set.lengths[BufferDirStack], 1024000u);
    EXPECT_EQ(set.lengths[BufferDirDepth], 1024000u);
    EXPECT_EQ(set.lengths[BufferBitmap], 12288000u);
    for (ULONG i = 0; i < BufferSetCount; i++)
        EXPECT_EQ(set.requirements[i], 0u) << i;

    // A 16-point font has 20 × 16 = 320 canvas rows and a 20-row status line.
    set = ComputeBufferSetLengths(config, 800, 20, 16, StatusLineHeight(16));
    EXPECT_EQ(set.lengths[BufferDialogCanvas], 780u * 4 * 320);
    EXPECT_EQ(set.lengths[BufferStatusStrip], 780u * 4 * 20);
}

TEST(BufferSet, TheLastFivePairsAreTheRecordsFirstFortyBytes)
{
    ConfigRecord config;
    config.SetCopyBufferSize(2 * ConfigMegabyte);
    config.SetBitmapAttributes(MEMF_CLEAR);
    config.SetBitmapSize(3 * ConfigMegabyte);
    BufferSetLengths set = ComputeBufferSetLengths(config, 640, 20, 8, StatusLineHeight(8));
    EXPECT_EQ(set.lengths[BufferCopy], 2048000u);
    EXPECT_EQ(set.requirements[BufferBitmap], ULONG(MEMF_CLEAR));
    EXPECT_EQ(set.lengths[BufferBitmap], 3072000u);
}

TEST(BufferSet, StatusLineHeightAddsAQuarterOfTheFont)
{
    EXPECT_EQ(StatusLineHeight(12), 15u);
    EXPECT_EQ(StatusLineHeight(8), 10u);
    EXPECT_EQ(StatusLineHeight(3), 3u);
    EXPECT_EQ(DialogCanvasRows(12), 256u);
    EXPECT_EQ(DialogCanvasRows(13), 260u);
}

TEST(BufferSet, AllocatesEveryEntryOrNone)
{
    ConfigRecord config;
    BufferSetLengths lengths = ComputeBufferSetLengths(config, 1024, 22, 12, 15);
    BufferSet set;
    ASSERT_TRUE(AllocBufferSet(set, lengths));
    for (ULONG i = 0; i < BufferSetCount; i++) {
        auto entry = static_cast<BufferSetEntry>(i);
        ASSERT_NE(set.Address(entry), nullptr) << i;
        EXPECT_EQ(set.Length(entry), lengths.lengths[i]) << i;
        // Every byte of every entry is ours to write.
        std::memset(set.Address(entry), 0xA5, set.Length(entry));
    }
    FreeBufferSet(set);
    EXPECT_FALSE(set.Allocated());
    FreeBufferSet(set);   // a second free is harmless

    // More than the memory there is (the limit counts the whole list): nothing
    // is allocated; a smaller Bitmap fits.
    hosted::SetAllocFailure(15000000, 0);
    EXPECT_FALSE(AllocBufferSet(set, lengths));
    EXPECT_FALSE(set.Allocated());
    config.SetBitmapSize(4 * ConfigMegabyte);
    EXPECT_TRUE(AllocBufferSet(set, ComputeBufferSetLengths(config, 1024, 22, 12, 15)));
    hosted::SetAllocFailure(0, 0);
    FreeBufferSet(set);
}

TEST(BufferSet, WithoutTheBitmapBufferTwelveEntriesAndTheBitmapSizeIsNotAsked)
{
    ConfigRecord config;
    config.SetBitmapSize(200 * ConfigMegabyte);   // whatever the field holds, it is not allocated
    BufferSetLengths lengths = ComputeBufferSetLengths(config, 1024, 22, 12, 15);
    lengths.count = BufferSetCount - 1;
    BufferSet set;
    hosted::SetAllocFailure(15000000, 0);
    ASSERT_TRUE(AllocBufferSet(set, lengths));
    hosted::SetAllocFailure(0, 0);
    EXPECT_EQ(set.list->ml_NumEntries, BufferSetCount - 1);
    EXPECT_EQ(set.Length(BufferDirDepth), config.BufferSize(ConfigDirDepthBuffer));
    FreeBufferSet(set);
}

}  // namespace
