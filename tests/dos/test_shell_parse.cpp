// Shell command lines: words, quotes and their escapes, comments, redirections, several lines.
#include "shell_private.h"

#include <proto/dos.h>

#include <gtest/gtest.h>

namespace {

using hosted::ShellCommandLine;

std::vector<ShellCommandLine> Parse(const char *text)
{
    std::vector<ShellCommandLine> commands;
    LONG error = 0;
    EXPECT_TRUE(hosted::ParseShellText(text, commands, error)) << text;
    return commands;
}

std::vector<std::string> Words(const ShellCommandLine &command)
{
    std::vector<std::string> words;
    for (const hosted::ShellWord &word : command.words)
        words.push_back(word.text);
    return words;
}

TEST(ShellParse, BlanksSeparateWordsAndQuotesKeepThemTogether)
{
    auto commands = Parse("  copy\t\"Work:My Drawer/a file\"   RAM:x  \"\"  ");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"copy", "Work:My Drawer/a file", "RAM:x", ""}));
    EXPECT_FALSE(commands[0].words[0].quoted);
    EXPECT_TRUE(commands[0].words[1].quoted);
    EXPECT_TRUE(commands[0].words[3].quoted);
    // Built-in commands get the argument text as typed, blanks at the ends cut.
    EXPECT_EQ(commands[0].arguments, "\"Work:My Drawer/a file\"   RAM:x  \"\"");
}

TEST(ShellParse, EscapesWorkOnlyInsideQuotes)
{
    auto commands = Parse("echo \"say *\"hi*\" *n*e** *x\" a*\"b");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"echo", "say \"hi\" \n\x1B* *x", "a*\"b"}));
    // A quote closes a quoted word even when text follows it directly.
    commands = Parse("echo \"ab\"cd");
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"echo", "ab", "cd"}));
}

TEST(ShellParse, UnquotedSemicolonStartsAComment)
{
    auto commands = Parse("echo a;b \"c;d\" ; rest");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"echo", "a"}));
    commands = Parse("echo \"c;d\" ; rest");
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"echo", "c;d"}));
    EXPECT_EQ(commands[0].arguments, "\"c;d\"");
    EXPECT_TRUE(Parse("   ; only a comment").empty());
    EXPECT_TRUE(Parse("").empty());
}

TEST(ShellParse, EachLineIsACommand)
{
    auto commands = Parse("first a\n\n  second \"b c\"\r\nthird");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"first", "a"}));
    EXPECT_EQ(Words(commands[1]), (std::vector<std::string>{"second", "b c"}));
    EXPECT_EQ(Words(commands[2]), (std::vector<std::string>{"third"}));
}

TEST(ShellParse, RedirectionsFollowTheCommandName)
{
    auto commands = Parse("list >RAM:out <in all");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"list", "all"}));
    EXPECT_EQ(commands[0].outputFile, "RAM:out");
    EXPECT_FALSE(commands[0].appendOutput);
    EXPECT_EQ(commands[0].inputFile, "in");
    EXPECT_EQ(commands[0].arguments, "all");

    commands = Parse("list >> \"T:my log\" x");
    EXPECT_EQ(commands[0].outputFile, "T:my log");
    EXPECT_TRUE(commands[0].appendOutput);
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"list", "x"}));

    // Further on, or quoted, the characters are ordinary arguments.
    commands = Parse("echo a >b \">c\"");
    EXPECT_EQ(Words(commands[0]), (std::vector<std::string>{"echo", "a", ">b", ">c"}));
    EXPECT_TRUE(commands[0].outputFile.empty());
}

TEST(ShellParse, MalformedLinesAreRefused)
{
    std::vector<ShellCommandLine> commands;
    LONG error = 0;
    EXPECT_FALSE(hosted::ParseShellText("echo \"never closed", commands, error));
    EXPECT_EQ(error, ERROR_UNMATCHED_QUOTES);
    EXPECT_FALSE(hosted::ParseShellText("echo \"ends in star*\"", commands, error));
    EXPECT_EQ(error, ERROR_UNMATCHED_QUOTES);
    EXPECT_FALSE(hosted::ParseShellText("echo \"two\nlines\"", commands, error));
    EXPECT_EQ(error, ERROR_UNMATCHED_QUOTES);
    EXPECT_FALSE(hosted::ParseShellText("list >", commands, error));
    EXPECT_EQ(error, ERROR_REQUIRED_ARG_MISSING);
}

TEST(ShellParse, SplitArgumentsForBuiltInCommands)
{
    std::vector<std::string> words;
    EXPECT_TRUE(hosted::SplitArguments("\"Work:a b/c.guide\"  x *n", words));
    EXPECT_EQ(words, (std::vector<std::string>{"Work:a b/c.guide", "x", "*n"}));
    EXPECT_FALSE(hosted::SplitArguments("\"open", words));
    EXPECT_EQ(IoErr(), ERROR_UNMATCHED_QUOTES);
}

}  // namespace
