// The system's text formatter behind EasyRequest: conversions, flags, widths, limits, arguments in turn.
#include "sysrequest.h"

#include <gtest/gtest.h>

namespace {

std::string Format(const char *format, std::vector<IPTR> args, std::size_t *used = nullptr)
{
    std::size_t next = 0;
    std::string text = hosted::FormatRequestText(format, args.empty() ? nullptr : args.data(), &next);
    if (used != nullptr)
        *used = next;
    return text;
}

IPTR S(const char *text) { return reinterpret_cast<IPTR>(text); }

TEST(RequestFormat, ConversionsTakeOneArgumentEachInTurn)
{
    std::size_t used = 0;
    EXPECT_EQ(Format("%s has %ld files of %lu bytes", {S("Work:"), 12, 4096}, &used), "Work: has 12 files of 4096 bytes");
    EXPECT_EQ(used, 3u);
    EXPECT_EQ(Format("%d %ld %u", {static_cast<IPTR>(-5), static_cast<IPTR>(static_cast<ULONG>(-7)), 0xFFFFFFFFu}),
              "-5 -7 4294967295");
    EXPECT_EQ(Format("%lx %X %c%c", {255, 0xABCD, 'o', 'k'}), "ff ABCD ok");
    EXPECT_EQ(Format("100%% sure", {}), "100% sure");
    EXPECT_EQ(Format("no conversions", {}, &used), "no conversions");
    EXPECT_EQ(used, 0u);
}

TEST(RequestFormat, WidthsFlagsAndLimits)
{
    EXPECT_EQ(Format("[%5ld]", {42}), "[   42]");
    EXPECT_EQ(Format("[%-5ld]", {42}), "[42   ]");
    EXPECT_EQ(Format("[%05ld]", {42}), "[00042]");
    EXPECT_EQ(Format("[%05ld]", {static_cast<IPTR>(-42)}), "[-0042]");
    EXPECT_EQ(Format("[%.3s]", {S("abcdef")}), "[abc]");
    EXPECT_EQ(Format("[%6.2s]", {S("abcdef")}), "[    ab]");
    EXPECT_EQ(Format("[%-4s|]", {S("ab")}), "[ab  |]");
}

TEST(RequestFormat, OddInputIsShownNotLost)
{
    // An unknown conversion is shown as written and takes no argument.
    std::size_t used = 0;
    EXPECT_EQ(Format("%q then %s", {S("x")}, &used), "%q then x");
    EXPECT_EQ(used, 1u);
    // A format that ends inside a conversion keeps what it has.
    EXPECT_EQ(Format("50%", {}), "50%");
    EXPECT_EQ(Format("50%-", {}), "50%-");
    // Missing arguments and NULL strings read as 0 and nothing.
    EXPECT_EQ(Format("%s|%ld", {}), "|0");
    EXPECT_EQ(Format("[%s]", {0}), "[]");
    EXPECT_EQ(hosted::FormatRequestText(nullptr, nullptr, &used), "");
}

TEST(RequestFormat, BcplStringsTakeTheirLengthByte)
{
    alignas(4) static const UBYTE bstr[] = {4, 'D', 'H', '0', ':', 0, 0, 0};
    EXPECT_EQ(Format("[%b]", {static_cast<IPTR>(MKBADDR(bstr))}), "[DH0:]");
}

}  // namespace
