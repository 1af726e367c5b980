// The start drawer from the argument string: quoted, unquoted, none, and paths that do not fit.
#include <core/command_line.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string StartPath(const std::string &arguments, ULONG size = 4088, StartPathResult *result = nullptr)
{
    std::string path(size + 1, '#');
    StartPathResult got = StartDrawerFromArguments(arguments.c_str(), ULONG(arguments.size()), path.data(), size);
    if (result != nullptr)
        *result = got;
    return std::string(path.c_str());
}

TEST(CommandLine, QuotedUnquotedAndNoArgument)
{
    EXPECT_EQ(StartPath("\"Work:My Drawer\"\n"), "Work:My Drawer");
    EXPECT_EQ(StartPath("Work:Drawer\n"), "Work:Drawer");
    // Unquoted, only the newline goes: blanks inside stay.
    EXPECT_EQ(StartPath("Work:My Drawer\n"), "Work:My Drawer");
    EXPECT_EQ(StartPath("\n"), "");
    EXPECT_EQ(StartPath(""), "");
    EXPECT_EQ(StartPath("\"\"\n"), "");
}

TEST(CommandLine, TheShellsEscapesInsideQuotesGiveTheNamesCharacters)
{
    EXPECT_EQ(StartPath("\"Work:q*\"x\"\n"), "Work:q\"x");
    EXPECT_EQ(StartPath("\"Work:line*Nfeed\"\n"), "Work:line\nfeed");
    EXPECT_EQ(StartPath("\"Work:s**nx\"\n"), "Work:s*nx");
    EXPECT_EQ(StartPath("\"Work:esc*E\"\n"), "Work:esc\x1B");
    EXPECT_EQ(StartPath("\"Work:ends in*\"\"\n"), "Work:ends in\"");
    // Unquoted, an asterisk is itself; quoted, one before another letter too.
    EXPECT_EQ(StartPath("Work:s*nx\n"), "Work:s*nx");
    EXPECT_EQ(StartPath("\"Work:a*b\"\n"), "Work:a*b");
}

TEST(CommandLine, RemovesOnlyWhatTheRuleNames)
{
    // Without its newline nothing of the path is lost.
    EXPECT_EQ(StartPath("RAM:"), "RAM:");
    EXPECT_EQ(StartPath("\"RAM:T\""), "RAM:T");
    // A quote that is never closed keeps the last character.
    EXPECT_EQ(StartPath("\"RAM:T\n"), "RAM:T");
    EXPECT_EQ(StartPath("\""), "");
    StartPathResult result = StartPathResult::TooLong;
    StartDrawerFromArguments(nullptr, 0, std::string(8, ' ').data(), 8);
    EXPECT_EQ(StartPath("x\n", 8, &result), "x");
    EXPECT_EQ(result, StartPathResult::Taken);
}

TEST(CommandLine, APathLongerThanItsBufferIsRefusedNotCut)
{
    StartPathResult result = StartPathResult::Taken;
    std::string longPath = "Work:" + std::string(5000, 'a');
    EXPECT_EQ(StartPath(longPath + "\n", 4088, &result), "");
    EXPECT_EQ(result, StartPathResult::TooLong);
    // Exactly the buffer less the NUL fits.
    std::string fits(4087, 'b');
    EXPECT_EQ(StartPath("\"" + fits + "\"\n", 4088, &result), fits);
    EXPECT_EQ(result, StartPathResult::Taken);
    EXPECT_EQ(StartPath(fits + "b\n", 4088, &result), "");
    EXPECT_EQ(result, StartPathResult::TooLong);
}

}  // namespace
