// Execute: the command line of each entry, one word for its name; failures, "Retry", "Skip these", and the field kept on "Cancel".
#include <fileops/execute.h>

#include "run_support.h"
#include "support/host_files.h"

#include <hosted/shell.h>
#include <proto/dos.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Line(CONST_STRPTR name, CONST_STRPTR arguments, ULONG size = 256)
{
    char line[256];
    if (!BuildExecuteLine(line, size, name, arguments))
        return "(too long)";
    return line;
}

TEST(ExecuteLine, TheNameIsOneWordAndTheArgumentsFollowAsTyped)
{
    EXPECT_EQ(Line("List", "-v"), "List -v");
    EXPECT_EQ(Line("List", ""), "List ");
    EXPECT_EQ(Line("My Tool", "-v \"x y\""), "\"My Tool\" -v \"x y\"");
    EXPECT_EQ(Line("a\"b", ""), "\"a*\"b\" ");
    EXPECT_EQ(Line("semi;colon", "x"), "\"semi;colon\" x");
    EXPECT_EQ(Line("star*", "x"), "star* x");   // one word as it stands
    EXPECT_EQ(Line("List", "-v", 8), "List -v");
    EXPECT_EQ(Line("List", "-v", 7), "(too long)");
}

// One answer of the arguments dialog: what to type into the field (unless
// `keep`) and how to close it.
struct Answer {
    ArgumentAnswer answer;
    std::string typed;
    bool keep = false;
};

class ScriptedExecuteControl : public ExecuteControl {
public:
    ArgumentAnswer AskArguments(const WalkEntry &entry, STRPTR field, ULONG fieldSize) override
    {
        log.push_back(std::string("ask ") + entry.name + " [" + field + "]");
        if (answers.empty())
            return ArgumentAnswer::End;
        Answer next = answers.front();
        answers.erase(answers.begin());
        if (!next.keep)
            std::snprintf(field, fieldSize, "%s", next.typed.c_str());
        return next.answer;
    }
    void CommandRunning(CONST_STRPTR name) override { log.push_back(std::string("running ") + name); }
    void CommandEnded() override { log.push_back("ended"); }
    BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) override
    {
        log.push_back(std::string("failure ") + objectName + " " + std::to_string(error) +
                      (buttons == FaultButtons::RetrySkip ? " retry/skip" : " other"));
        BOOL retry = retries > 0;
        retries--;
        return retry;
    }
    void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) override
    {
        log.push_back(std::string("refusal ") + objectName + " " + reason);
    }
    void Progress(const OperationProgress &) override {}
    BOOL Cancelled() override { return FALSE; }

    std::vector<Answer> answers;
    std::vector<std::string> log;
    int retries = 0;
};

class Execute : public fotest::DrawerTest {
protected:
    void SetUp() override
    {
        fotest::DrawerTest::SetUp();
        // Each program notes its name and its arguments, one a line.
        std::string log = Host("runs.log");
        for (const char *name : {"Show", "My Tool"})
            WriteScript(name, "{ echo \"" + std::string(name) + " $#\"; for a in \"$@\"; do echo \"[$a]\"; done; } >> \"" +
                                  log + "\"\n");
        WriteScript("Warn", "echo Warn >> \"" + log + "\"\nexit 5\n");
        WriteScript("Fail", "echo Fail >> \"" + log + "\"\nexit 10\n");
    }

    BOOL Run(fotest::ListWalk &walk, ScriptedExecuteControl &control)
    {
        return ExecuteSelection(walk, control, line, sizeof line, field, sizeof field);
    }

    char line[2048] = {};
    char field[ExecuteFieldSize] = "left over";
};

TEST_F(Execute, RunsEachEntryWithItsArgumentsAsOneCommandLine)
{
    fotest::ListWalk walk;
    walk.Add("Show");
    walk.Add("My Tool");
    walk.Add("Show");
    ScriptedExecuteControl control;
    control.answers = {{ArgumentAnswer::Run, "-v"}, {ArgumentAnswer::Run, "-v \"two words\""},
                       {ArgumentAnswer::Run, ""}};
    EXPECT_TRUE(Run(walk, control));
    EXPECT_EQ(ReadFile("runs.log"), "Show 1\n[-v]\nMy Tool 2\n[-v]\n[two words]\nShow 0\n");
    EXPECT_EQ(control.log, (std::vector<std::string>{"ask Show []", "running Show", "ended", "ask My Tool []",
                                                     "running My Tool", "ended", "ask Show []", "running Show",
                                                     "ended"}));
    EXPECT_EQ(std::string(line), "Show ");   // the last line, name and one blank
    EXPECT_TRUE(walk.Selected().empty());
}

TEST_F(Execute, AnyResultButZeroAsksRetryOrSkip)
{
    fotest::ListWalk walk;
    walk.Add("Warn");
    walk.Add("Fail");
    walk.Add("Nothing such");
    walk.Add("Show");
    ScriptedExecuteControl control;
    control.retries = 1;   // "Retry" for Warn once, then "Skip these" each time
    control.answers = {{ArgumentAnswer::Run, "a"}, {ArgumentAnswer::Run, "b"}, {ArgumentAnswer::Run, "c"},
                       {ArgumentAnswer::Run, "d"}, {ArgumentAnswer::Run, "e"}};
    EXPECT_TRUE(Run(walk, control));
    EXPECT_EQ(ReadFile("runs.log"), "Warn\nWarn\nFail\nShow 1\n[e]\n");
    // The return code where the command left no error of its own; the
    // shell's "object not found" for a command that does not exist.
    EXPECT_EQ(control.log,
              (std::vector<std::string>{"ask Warn []", "running Warn", "ended", "failure Warn 5 retry/skip",
                                        "ask Warn []", "running Warn", "ended", "failure Warn 5 retry/skip",
                                        "ask Fail []", "running Fail", "ended", "failure Fail 10 retry/skip",
                                        "ask Nothing such []", "running Nothing such", "ended",
                                        "failure Nothing such 205 retry/skip", "ask Show []", "running Show",
                                        "ended"}));
    EXPECT_EQ(walk.Selected(), (std::vector<std::string>{"Warn", "Fail", "Nothing such"}));

    fotest::ListWalk failing;
    failing.Add("Fail");
    ScriptedExecuteControl skip;
    skip.answers = {{ArgumentAnswer::Run, ""}};
    EXPECT_FALSE(Run(failing, skip));   // nothing succeeded: no reason to read the drawer again
}

TEST_F(Execute, CancelMovesOnKeepingTheFieldAndCloseEnds)
{
    fotest::ListWalk walk;
    walk.Add("Show");
    walk.Add("My Tool");
    walk.Add("Show");
    ScriptedExecuteControl control;
    control.answers = {{ArgumentAnswer::Next, "typed"}, {ArgumentAnswer::Run, "", true}, {ArgumentAnswer::End, "x"}};
    EXPECT_TRUE(Run(walk, control));
    // The field starts empty, keeps its text over "Cancel", and is empty
    // again after a run.
    EXPECT_EQ(control.log, (std::vector<std::string>{"ask Show []", "ask My Tool [typed]", "running My Tool",
                                                     "ended", "ask Show []"}));
    EXPECT_EQ(ReadFile("runs.log"), "My Tool 1\n[typed]\n");
    EXPECT_EQ(walk.Selected(), (std::vector<std::string>{"Show", "Show"}));

    fotest::ListWalk none;
    ScriptedExecuteControl idle;
    EXPECT_FALSE(Run(none, idle));
    EXPECT_TRUE(idle.log.empty());   // nothing selected: no dialog
}

TEST_F(Execute, AHostileNameRunsItselfAndNothingElse)
{
    // Unquoted, the line feed would end the command and run the next line.
    std::string name = "odd\"\ntouch INJECTED\n;";
    WriteScript(name, "echo \"odd $#\" >> \"" + Host("runs.log") + "\"\n");
    fotest::ListWalk walk;
    walk.Add(name);
    ScriptedExecuteControl control;
    control.answers = {{ArgumentAnswer::Run, "x"}};
    EXPECT_TRUE(Run(walk, control));
    EXPECT_EQ(ReadFile("runs.log"), "odd 1\n");
    EXPECT_FALSE(kvtest::HostExists(Host("INJECTED")));
}

}  // namespace
