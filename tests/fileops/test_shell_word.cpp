// AppendShellWord: whatever a name holds, the shell reads it back as exactly that one word.
#include <fileops/shell_word.h>

#include "fileops_support.h"

#include <dos/dostags.h>

#include <sys/stat.h>

#include <cstring>
#include <string>

using fileopstest::FileOpsTest;

namespace {

std::string Word(const std::string &name, Quoting quoting = Quoting::WhereNeeded)
{
    char line[256] = "cmd ";
    ULONG length = 4;
    EXPECT_TRUE(AppendShellWord(line, length, sizeof line, name.c_str(), quoting));
    return std::string(line, length);
}

TEST(ShellWord, PlainNamesStayAsTheyAreAndOthersAreQuotedWithTheShellsEscapes)
{
    EXPECT_EQ(Word("List"), "cmd List");
    EXPECT_EQ(Word("s*nx"), "cmd s*nx");                  // outside quotes * is itself
    EXPECT_EQ(Word("My Tool"), "cmd \"My Tool\"");
    EXPECT_EQ(Word("q\"x"), "cmd \"q*\"x\"");
    EXPECT_EQ(Word("a\nb"), "cmd \"a*Nb\"");
    EXPECT_EQ(Word("s*n x"), "cmd \"s**n x\"");
    EXPECT_EQ(Word("semi;colon"), "cmd \"semi;colon\"");
    EXPECT_EQ(Word(">out"), "cmd \">out\"");
    EXPECT_EQ(Word(""), "cmd \"\"");
    EXPECT_EQ(Word("s*nx", Quoting::Always), "cmd \"s**nx\"");
}

TEST(ShellWord, AWordThatDoesNotFitLeavesTheLineAsItWas)
{
    char line[12] = "cmd ";
    ULONG length = 4;
    EXPECT_FALSE(AppendShellWord(line, length, sizeof line, "a\"b\"c\"d", Quoting::WhereNeeded));
    EXPECT_EQ(length, 4u);
    EXPECT_STREQ(line, "cmd ");
    EXPECT_TRUE(AppendShellWord(line, length, sizeof line, "1234567"));
    EXPECT_STREQ(line, "cmd 1234567");
}

// Each hostile name reaches a host command as its one argument, and nothing
// else ever runs.
class ShellWordRun : public FileOpsTest {};

TEST_F(ShellWordRun, HostileNamesReachTheCommandWholeAndRunNothingElse)
{
    // The recorder writes how many arguments it got and the first one.
    MakeFile("recorder", "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"$(dirname \"$0\")/got\"\n");
    ASSERT_EQ(chmod(Host("recorder").c_str(), 0755), 0);
    const std::string names[] = {
        "a\"\ntouch INJECTED\n;", "q\"x", "s*nx", "tab\there", "line\nfeed", "semi;touch INJECTED",
        "%s and %p", ">INJECTED", "**\"*N*E", "two words",
    };
    for (const std::string &name : names) {
        char line[512] = "FTest:recorder ";
        ULONG length = ULONG(std::strlen(line));
        ASSERT_TRUE(AppendShellWord(line, length, sizeof line, name.c_str()));
        BPTR nil = Open("NIL:", MODE_OLDFILE);
        struct TagItem tags[] = {{SYS_Input, IPTR(nil)}, {SYS_Output, 0}, {TAG_DONE, 0}};
        EXPECT_EQ(SystemTagList(line, tags), 0) << line;
        Close(nil);
        EXPECT_EQ(Contents("got"), "1|" + name) << line;
        EXPECT_FALSE(Exists("INJECTED")) << line;
    }
}

}  // namespace
