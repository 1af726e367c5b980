// Reading automation scripts: commands, quoted arguments, comments, gadget numbers, and every kind of mistake.
#include <hosted/display.h>

#include <gtest/gtest.h>

namespace {

using hosted::ParseScript;
using hosted::ScriptCommand;

std::vector<ScriptCommand> Parse(const std::string &text)
{
    std::vector<ScriptCommand> commands;
    int line = 0;
    std::string error;
    EXPECT_TRUE(ParseScript(text, commands, line, error)) << line << ": " << error;
    return commands;
}

// The line and reason of a script that must be refused.
std::pair<int, std::string> Refuse(const std::string &text)
{
    std::vector<ScriptCommand> commands;
    int line = 0;
    std::string error;
    EXPECT_FALSE(ParseScript(text, commands, line, error)) << text;
    return {line, error};
}

TEST(Script, CommandsArgumentsQuotesAndComments)
{
    auto commands = Parse("# a comment\n"
                          "\n"
                          "   click 10 20   # trailing comment\n"
                          "menu \"Project\" \"Save as...\"\n"
                          "gadget \"Copy checking\" #3\n"
                          "gadget Window \"#4\"\n"
                          "type \"a \\\"quoted\\\" \\\\ word # not a comment\"\n"
                          "drag 1 2 3 4 5\r\n"
                          "key Return");
    ASSERT_EQ(commands.size(), 7u);
    EXPECT_EQ(commands[0].line, 3);
    EXPECT_EQ(commands[0].name, "click");
    EXPECT_EQ(commands[0].args, (std::vector<std::string>{"10", "20"}));
    EXPECT_EQ(commands[1].args, (std::vector<std::string>{"Project", "Save as..."}));
    EXPECT_EQ(commands[2].args, (std::vector<std::string>{"Copy checking", "#3"}));
    EXPECT_EQ(commands[3].args, (std::vector<std::string>{"Window", "#4"}));
    EXPECT_EQ(commands[4].args, (std::vector<std::string>{"a \"quoted\" \\ word # not a comment"}));
    EXPECT_EQ(commands[5].args.size(), 5u);
    EXPECT_EQ(commands[5].line, 8);
    EXPECT_EQ(commands[6].line, 9);
    EXPECT_EQ(commands[6].args, (std::vector<std::string>{"Return"}));
}

TEST(Script, EveryCommandOfTheGrammarIsKnown)
{
    auto commands = Parse("wait-idle\nwait-idle 500\nmove 1 2\npress\npress right\nrelease left\n"
                          "click 1 2 right\ndouble-click 3 4\ndrag 1 2 3 4\nmenu A B C\ngadget W L\n"
                          "close W\nactivate W\ntype x\nkey Escape\nexpect-window W\nexpect-window W 100\n"
                          "expect-no-window W 100\nscreenshot /tmp/x.png\ndump /tmp/x.json\nsleep 10\n");
    EXPECT_EQ(commands.size(), 21u);
}

TEST(Script, MistakesNameTheirLine)
{
    EXPECT_EQ(Refuse("click 1 2\nfrobnicate\n").first, 2);
    EXPECT_NE(Refuse("frobnicate").second.find("unknown command"), std::string::npos);
    EXPECT_EQ(Refuse("move 1\n").first, 1);                        // too few
    EXPECT_EQ(Refuse("move 1 2 3\n").first, 1);                    // too many
    EXPECT_EQ(Refuse("\n\nmove a b\n").first, 3);                  // not numbers
    EXPECT_EQ(Refuse("press middle\n").first, 1);                  // no such button
    EXPECT_EQ(Refuse("key Hyper\n").first, 1);                     // no such key
    EXPECT_EQ(Refuse("type \"unclosed\n").first, 1);
    EXPECT_EQ(Refuse("drag 1 2 3 4 0\n").first, 1);                // steps
    EXPECT_EQ(Refuse("move 99999999999 1\n").first, 1);            // out of range
    auto [line, reason] = Refuse("close\n");
    EXPECT_EQ(line, 1);
    EXPECT_NE(reason.find("close takes 1"), std::string::npos);
}

TEST(Script, EmptyScriptsAreFine)
{
    EXPECT_TRUE(Parse("").empty());
    EXPECT_TRUE(Parse("\n\n# only comments\n   \n").empty());
}

}  // namespace
