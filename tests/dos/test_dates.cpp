// Dates: DateStamp, DateToStr in the four formats with and without day names, StrToDate, Delay.
#include "dos_test_support.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace {

struct Formatted {
    bool ok;
    std::string day, date, time;
};

Formatted Format(LONG days, LONG minute, LONG tick, UBYTE format, UBYTE flags)
{
    char day[LEN_DATSTRING], date[LEN_DATSTRING], time[LEN_DATSTRING];
    struct DateTime dt = {};
    dt.dat_Stamp = {days, minute, tick};
    dt.dat_Format = format;
    dt.dat_Flags = flags;
    dt.dat_StrDay = day;
    dt.dat_StrDate = date;
    dt.dat_StrTime = time;
    bool ok = DateToStr(&dt);
    return {ok, day, date, time};
}

LONG Today()
{
    struct DateStamp now;
    DateStamp(&now);
    return now.ds_Days;
}

TEST(Dates, DateStampCountsFrom1978InLocalTime)
{
    struct DateStamp stamp;
    EXPECT_EQ(DateStamp(&stamp), &stamp);
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    long localSeconds = static_cast<long>(now) + local.tm_gmtoff;
    EXPECT_NEAR(stamp.ds_Days, localSeconds / 86400 - 2922, 1);
    EXPECT_GE(stamp.ds_Minute, 0);
    EXPECT_LT(stamp.ds_Minute, 1440);
    EXPECT_GE(stamp.ds_Tick, 0);
    EXPECT_LT(stamp.ds_Tick, 3000);
}

TEST(Dates, TheFourFormats)
{
    // Day 0 was Sunday 1 January 1978; day 16860 is Thursday 29 February 2024.
    Formatted f = Format(0, 0, 0, FORMAT_DOS, 0);
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.date, "01-Jan-78");
    EXPECT_EQ(f.day, "Sunday");
    EXPECT_EQ(f.time, "00:00:00");
    EXPECT_EQ(Format(16860, 13 * 60 + 14, 15 * 50 + 49, FORMAT_DOS, 0).date, "29-Feb-24");
    EXPECT_EQ(Format(16860, 13 * 60 + 14, 15 * 50 + 49, FORMAT_DOS, 0).time, "13:14:15");
    EXPECT_EQ(Format(16860, 0, 0, FORMAT_INT, 0).date, "24-Feb-29");
    EXPECT_EQ(Format(16860, 0, 0, FORMAT_USA, 0).date, "02-29-24");
    EXPECT_EQ(Format(16860, 0, 0, FORMAT_CDN, 0).date, "29-02-24");
    EXPECT_EQ(Format(16860, 0, 0, FORMAT_CDN, 0).day, "Thursday");
    EXPECT_EQ(Format(8034, 23 * 60 + 59, 59 * 50, FORMAT_DOS, 0).date, "31-Dec-99");
    EXPECT_EQ(Format(8035, 0, 0, FORMAT_DOS, 0).date, "01-Jan-00");
    EXPECT_FALSE(Format(0, 1440, 0, FORMAT_DOS, 0).ok);
    EXPECT_FALSE(Format(0, 0, 0, 9, 0).ok);
}

TEST(Dates, SubstitutionNamesRecentDays)
{
    LONG today = Today();
    EXPECT_EQ(Format(today, 600, 0, FORMAT_DOS, DTF_SUBST).date, "Today");
    EXPECT_EQ(Format(today - 1, 600, 0, FORMAT_DOS, DTF_SUBST).date, "Yesterday");
    EXPECT_EQ(Format(today + 1, 600, 0, FORMAT_CDN, DTF_SUBST).date, "Tomorrow");
    for (LONG back = 2; back <= 6; back++) {
        Formatted f = Format(today - back, 600, 0, FORMAT_USA, DTF_SUBST);
        EXPECT_EQ(f.date, f.day) << back;
    }
    Formatted week = Format(today - 7, 600, 0, FORMAT_DOS, DTF_SUBST);
    EXPECT_EQ(week.date, Format(today - 7, 600, 0, FORMAT_DOS, 0).date);
    EXPECT_EQ(Format(today, 600, 0, FORMAT_DOS, 0).date.size(), 9u);
    // The widest sample the program measures: "Wednesday" or "Yesterday".
    size_t widest = 0;
    for (LONG d = today + 1; d > today - 9; d--)
        widest = std::max(widest, Format(d, 600, 0, FORMAT_DOS, DTF_SUBST).date.size());
    EXPECT_EQ(widest, 9u);
}

TEST(Dates, NullStringsAreSkipped)
{
    char date[LEN_DATSTRING];
    struct DateTime dt = {};
    dt.dat_Stamp = {100, 0, 0};
    dt.dat_StrDate = date;
    EXPECT_TRUE(DateToStr(&dt));
    EXPECT_STREQ(date, "11-Apr-78");
}

TEST(Dates, StrToDateReadsWhatDateToStrWrites)
{
    for (UBYTE format = FORMAT_DOS; format <= FORMAT_CDN; format++) {
        Formatted f = Format(16860, 13 * 60 + 14, 15 * 50, format, 0);
        struct DateTime dt = {};
        dt.dat_Format = format;
        dt.dat_StrDate = const_cast<char *>(f.date.c_str());
        dt.dat_StrTime = const_cast<char *>(f.time.c_str());
        ASSERT_TRUE(StrToDate(&dt)) << f.date;
        EXPECT_EQ(dt.dat_Stamp.ds_Days, 16860);
        EXPECT_EQ(dt.dat_Stamp.ds_Minute, 13 * 60 + 14);
        EXPECT_EQ(dt.dat_Stamp.ds_Tick, 15 * 50);
    }
    struct DateTime dt = {};
    dt.dat_StrDate = const_cast<char *>("yesterday");
    ASSERT_TRUE(StrToDate(&dt));
    EXPECT_EQ(dt.dat_Stamp.ds_Days, Today() - 1);
    dt.dat_StrDate = const_cast<char *>("30-Feb-24");
    EXPECT_FALSE(StrToDate(&dt));
    dt.dat_StrDate = nullptr;
    dt.dat_StrTime = const_cast<char *>("25:00");
    EXPECT_FALSE(StrToDate(&dt));
}

TEST(Dates, CompareDatesOrdersLaterFirst)
{
    struct DateStamp early = {10, 5, 0}, late = {10, 5, 1};
    EXPECT_GT(CompareDates(&early, &late), 0);
    EXPECT_LT(CompareDates(&late, &early), 0);
    EXPECT_EQ(CompareDates(&early, &early), 0);
}

TEST(Dates, DelayWaitsAsATaskDoes)
{
    struct DateStamp before, after;
    DateStamp(&before);
    Delay(2);
    Delay(0);
    Delay(-5);
    DateStamp(&after);
    EXPECT_LE(CompareDates(&after, &before), 0);
}

}  // namespace
