// Decimal conversion: digit counts, both widths, and the extremes.
#include <lister/decimal.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text32(ULONG value, ULONG *digits = nullptr)
{
    char buffer[16];
    char *end = FormatDecimal32(buffer, value, digits);
    return std::string(buffer, end);
}

std::string Text64(UQUAD value)
{
    char buffer[32];
    char *end = FormatDecimal64(buffer, value);
    return std::string(buffer, end);
}

}  // namespace

TEST(Decimal, ThirtyTwoBitValuesAndDigitCounts)
{
    ULONG digits = 99;
    EXPECT_EQ(Text32(0, &digits), "0");
    EXPECT_EQ(digits, 1u);
    EXPECT_EQ(Text32(4294967295u, &digits), "4294967295");
    EXPECT_EQ(digits, 10u);
    EXPECT_EQ(Text32(1000000000), "1000000000");
    EXPECT_EQ(Text32(999999999, &digits), "999999999");
    EXPECT_EQ(digits, 9u);
    EXPECT_EQ(Text32(10), "10");
    EXPECT_EQ(Text32(9), "9");
    EXPECT_EQ(Text32(40960), "40960");
    EXPECT_EQ(DecimalDigits32(9), 1u);
    EXPECT_EQ(DecimalDigits32(10), 2u);
}

TEST(Decimal, SixtyFourBitValuesKeepInnerZerosAndTheTwentiethDigit)
{
    EXPECT_EQ(Text64(0), "0");
    EXPECT_EQ(Text64(7), "7");
    EXPECT_EQ(Text64(10000000000000000000ULL), "10000000000000000000");
    EXPECT_EQ(Text64(18446744073709551615ULL), "18446744073709551615");
    EXPECT_EQ(Text64(9999999999999999999ULL), "9999999999999999999");
    EXPECT_EQ(Text64(5368709120ULL), "5368709120");
    EXPECT_EQ(Text64(1000000000000000000ULL), "1000000000000000000");
    EXPECT_EQ(Text64(10000000000000000009ULL), "10000000000000000009");
    for (UQUAD v : {0ULL, 9ULL, 10ULL, 99ULL, 100ULL, 4294967296ULL, 18446744073709551615ULL})
        EXPECT_EQ(DecimalDigits64(v), Text64(v).size()) << v;
}

TEST(Decimal, DigitsAreAppendedWhereTheCallerIs)
{
    char line[64] = "size ";
    char *end = FormatDecimal64(line + 5, 123456);
    *end = '\0';
    EXPECT_STREQ(line, "size 123456");
}
