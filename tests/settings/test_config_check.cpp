// CheckConfigRecord: values no settings window stores are put back to their defaults, and nothing else is touched.
#include <settings/config_check.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ConfigCheck, ARecordAsTheWindowsStoreItPassesUntouched)
{
    ConfigRecord record;
    record.SetBufferSize(ConfigCopyBuffer, 1500000);       // "1 Mb" as shown
    record.SetBufferSize(ConfigBitmapBuffer, 255 * ConfigMegabyte);
    record.SetDateFormat(3);
    record.SetListerMaxWidth(256);
    record.SetListerTop(700);
    ConfigRecord before = record;
    EXPECT_EQ(CheckConfigRecord(record, 1024, 768), 0u);
    EXPECT_EQ(std::memcmp(record.Bytes(), before.Bytes(), ConfigRecordSize), 0);
}

TEST(ConfigCheck, EachBadValueIsResetAloneAndNamed)
{
    const ConfigRecord defaults;
    ConfigRecord record;
    record.SetBufferSize(ConfigListerBuffer, 4000);        // less than one header needs
    record.SetDateFormat(255);
    record.SetListerTop(65535);
    record.SetListerMaxWidth(100);
    record.SetSortOrder(SortDate);                         // a good value beside them stays
    ULONG resets = CheckConfigRecord(record, 1024, 768);
    EXPECT_EQ(resets, ULONG(ResetListerBuffer | ResetDateFormat | ResetListerPlace | ResetListerMax));
    EXPECT_EQ(record.ListerBufferSize(), defaults.ListerBufferSize());
    EXPECT_EQ(record.DateFormat(), defaults.DateFormat());
    EXPECT_EQ(record.ListerTop(), defaults.ListerTop());
    EXPECT_EQ(record.ListerMaxWidth(), defaults.ListerMaxWidth());
    EXPECT_EQ(record.SortOrder(), SortDate);
    EXPECT_EQ(CheckConfigRecord(record, 1024, 768), 0u);   // what was reset passes

    char names[160];
    DescribeConfigResets(resets, names, sizeof names);
    EXPECT_STREQ(names, "Lister buffer, Date format, Lister place, Max. width, height");
    DescribeConfigResets(resets, names, 20);               // bounded: whole names only
    EXPECT_STREQ(names, "Lister buffer");
}

TEST(ConfigCheck, BuffersBeyondTheirSlidersAreReset)
{
    ConfigRecord record;
    record.SetBufferSize(ConfigCopyBuffer, 2097 * ConfigMegabyte);
    record.SetBufferSize(ConfigDirDepthBuffer, 256 * ConfigMegabyte);
    EXPECT_EQ(CheckConfigRecord(record, 1024, 768), ULONG(ResetCopyBuffer | ResetDirDepth));
}

}  // namespace
