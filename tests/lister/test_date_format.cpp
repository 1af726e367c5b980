// Dates through DateToStr: the entry texts and the date column's width.
#include <lister/date_format.h>

#include <proto/dos.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(DateFormat, EntryDatesInTheChosenFormat)
{
    DateRequest request;
    SetDateRequestFormat(request, FORMAT_DOS, 0);
    struct DateStamp date = {0, 61, 50 * 7 + 3};   // 1 January 1978, 01:01:07
    FormatEntryDate(request, date);
    EXPECT_STREQ(request.dateText, "01-Jan-78");
    EXPECT_STREQ(request.timeText, "01:01:07");
    SetDateRequestFormat(request, FORMAT_USA, 0);
    FormatEntryDate(request, date);
    EXPECT_STREQ(request.dateText, "01-01-78");
    EXPECT_EQ(request.dateTime.dat_StrDay, nullptr);

    // A copied request writes into its own buffers.
    DateRequest copy = request;
    FormatEntryDate(copy, {365, 0, 0});
    EXPECT_STREQ(request.dateText, "01-01-78");
    EXPECT_STREQ(copy.dateText, "01-01-79");
}

TEST(DateFormat, WidthIsTheLongestSampleAndOne)
{
    DateRequest request;
    SetDateRequestFormat(request, FORMAT_DOS, 0);
    EXPECT_EQ(MeasureDateWidth(request), 10u);       // dd-mmm-yy and a blank
    SetDateRequestFormat(request, FORMAT_CDN, 0);
    EXPECT_EQ(MeasureDateWidth(request), 9u);        // dd-mm-yy and a blank
}

TEST(DateFormat, WithDayNamesTheLongestNameCounts)
{
    DateRequest request;
    SetDateRequestFormat(request, FORMAT_USA, DTF_SUBST);
    ULONG width = MeasureDateWidth(request);
    // Every text the sample can produce, from DateToStr itself.
    struct DateStamp now;
    DateStamp(&now);
    size_t longest = 0;
    for (LONG day = now.ds_Days - 8; day <= now.ds_Days + 1; day++) {
        char dateText[LEN_DATSTRING] = {}, timeText[LEN_DATSTRING] = {};
        struct DateTime dt = {};
        dt.dat_Stamp = {day, now.ds_Minute, 0};
        dt.dat_Format = FORMAT_USA;
        dt.dat_Flags = DTF_SUBST;
        dt.dat_StrDate = dateText;
        dt.dat_StrTime = timeText;
        DateToStr(&dt);
        longest = std::max(longest, std::strlen(dateText));
    }
    EXPECT_EQ(width, longest + 1);
    EXPECT_GE(width, std::strlen("Yesterday") + 1);
    SetDateRequestFormat(request, FORMAT_USA, 0);
    EXPECT_LT(MeasureDateWidth(request), width);
}
