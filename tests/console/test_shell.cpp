// Console windows as the streams of commands started with SystemTagList: host output shown, typed input read by host commands.
#include "console_fixture.h"

#include <dos/dostags.h>
#include <hosted/shell.h>

#include "support/temp_dir.h"

#include <algorithm>
#include <fstream>
#include <thread>

namespace {

using namespace contest;
using Lines = std::vector<std::string>;

LONG RunCommand(const char *command, BPTR input, BPTR output, bool asynchronous = false)
{
    struct TagItem tags[] = {{SYS_Input, static_cast<IPTR>(input)},
                             {SYS_Output, static_cast<IPTR>(output)},
                             {SYS_Asynch, static_cast<IPTR>(asynchronous ? TRUE : FALSE)},
                             {TAG_DONE, 0}};
    return SystemTagList(command, tags);
}

int Count(const Lines &lines, const std::string &line)
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

TEST(ConsoleShell, AHostCommandsOutputAppearsInTheWindow)
{
    BPTR con = Open("CON:0/40/400/200/Shell output", MODE_NEWFILE);
    BPTR nil = Open("NIL:", MODE_OLDFILE);
    ASSERT_NE(con, 0);
    ASSERT_NE(nil, 0);
    EXPECT_EQ(RunCommand("echo hello", nil, con), 0);
    Settle();
    EXPECT_EQ(TextOf("Shell output"), (Lines{"hello"}));

    // A listing of a drawer.
    std::string dir = kvtest::MakeTempDir("kv-console-ls");
    ASSERT_FALSE(dir.empty());
    std::ofstream(dir + "/alpha") << "a";
    std::ofstream(dir + "/beta") << "b";
    EXPECT_EQ(RunCommand(("ls " + dir).c_str(), nil, con), 0);
    Settle();
    EXPECT_EQ(TextOf("Shell output"), (Lines{"hello", "alpha", "beta"}));
    kvtest::RemoveTempTree(dir);

    // An unknown command says so in the window.
    EXPECT_EQ(RunCommand("no-such-command-anywhere", nil, con), RETURN_ERROR);
    Settle();
    EXPECT_EQ(TextOf("Shell output").back(), "no-such-command-anywhere: Unknown command");
    Close(nil);
    Close(con);
}

TEST(ConsoleShell, AHostCommandReadsWhatIsTyped)
{
    BPTR con = Open("CON:0/40/400/200/Shell input", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    LONG result = -2;
    std::thread command([&] { result = RunCommand("head -n1", con, con); });
    Settle();   // head waits for the person: idle
    EXPECT_EQ(result, -2);
    Type("typed line");
    Press("Return");
    command.join();
    EXPECT_EQ(result, 0);
    Settle();
    // The echo of the typing and what head wrote back.
    EXPECT_EQ(Count(TextOf("Shell input"), "typed line"), 2);

    // cat until the end of the input.
    std::thread cat([&] { result = RunCommand("cat", con, 0); });   // SYS_Output 0: the console it reads
    Settle();
    Type("first");
    Press("Return");
    Type("second");
    Press("Return");
    CtrlBackslash();
    cat.join();
    EXPECT_EQ(result, 0);
    Settle();
    Lines shown = TextOf("Shell input");
    EXPECT_EQ(Count(shown, "first"), 2);
    EXPECT_EQ(Count(shown, "second"), 2);
    Close(con);
}

TEST(ConsoleShell, CtrlCInTheWindowInterruptsAHostCommand)
{
    BPTR con = Open("CON:0/40/400/200/Shell break", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    LONG result = -2;
    std::thread command([&] { result = RunCommand("sleep 60", con, con); });
    Settle();   // sleep waits on a console a person may type into: idle
    EXPECT_EQ(result, -2);
    Type("not a break");
    CtrlC();
    command.join();
    EXPECT_EQ(result, RETURN_FAIL);
    Settle();
    EXPECT_EQ(Count(TextOf("Shell break"), "***Break"), 1);
    Close(con);
}

TEST(ConsoleShell, ACommandWaitingForInputOpensAnAutoWindow)
{
    BPTR con = Open("CON:0/40/400/200/Asks nothing yet/AUTO/CLOSE", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    // A quick silent command shows no window.
    EXPECT_EQ(RunCommand("true", con, con), 0);
    Settle();
    EXPECT_EQ(FindWindow("Asks nothing yet"), nullptr);
    // One that waits for input gets one, so the person can answer.
    LONG result = -2;
    std::thread command([&] { result = RunCommand("head -n1", con, con); });
    ASSERT_TRUE(WaitForWindow("Asks nothing yet"));
    Settle();
    Type("answer");
    Press("Return");
    command.join();
    EXPECT_EQ(result, 0);
    Settle();
    EXPECT_EQ(TextOf("Asks nothing yet"), (Lines{"answer", "answer"}));
    Close(con);
}

TEST(ConsoleShell, ABackgroundCommandsOutputWindowWaitsForThePerson)
{
    // What a user menu's asynchronous command with an output window does.
    BPTR con = Open("CON:64/64/475/128/Kestrovane output/AUTO/CLOSE/WAIT", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    EXPECT_EQ(RunCommand("echo in the background", con, 0, true), 0);   // the command owns the console now
    ASSERT_TRUE(WaitFor([] { return hosted::RunningBackgroundCommands() == 0; }));
    Settle();
    ASSERT_NE(FindWindow("Kestrovane output"), nullptr);
    EXPECT_EQ(TextOf("Kestrovane output"), (Lines{"in the background"}));
    ClickClose("Kestrovane output");
    EXPECT_EQ(FindWindow("Kestrovane output"), nullptr);
}

TEST(ConsoleShell, ABuiltInCommandUsesTheConsoleToo)
{
    hosted::RegisterCommand("Greet", [](CONST_STRPTR arguments, BPTR input, BPTR output) -> LONG {
        char name[32] = {};
        LONG got = Read(input, name, sizeof name - 1);
        std::string text = "hello " + std::string(name, got > 0 ? static_cast<std::size_t>(got) : 0) + arguments + "\n";
        Write(output, text.data(), static_cast<LONG>(text.size()));
        return RETURN_OK;
    });
    BPTR con = Open("CON:0/40/400/200/Built-in", MODE_NEWFILE);
    ASSERT_NE(con, 0);
    Type("Bo");
    Press("Return");
    EXPECT_EQ(RunCommand("Greet !", con, con), 0);
    Settle();
    EXPECT_EQ(TextOf("Built-in"), (Lines{"Bo", "hello Bo", "!"}));
    Close(con);
    hosted::RegisterCommand("Greet", nullptr);
}

}  // namespace
