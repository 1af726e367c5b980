// Open with: the program's path from the requester's answer, and the exact line run for each selected entry.
#include <fileops/open_with.h>

#include "run_support.h"
#include "support/host_files.h"

#include <hosted/dos.h>
#include <hosted/shell.h>
#include <proto/dos.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Path(CONST_STRPTR drawer, CONST_STRPTR file, ULONG size = 64)
{
    char path[64] = "junk";
    if (!BuildProgramPath(path, size, drawer, file))
        return std::string("(too long)") + path;
    return path;
}

TEST(ProgramPath, ASlashOnlyWhereTheDrawerNeedsOne)
{
    EXPECT_EQ(Path("SYS:Tools", "Edit"), "SYS:Tools/Edit");
    EXPECT_EQ(Path("Work:", "Edit"), "Work:Edit");
    EXPECT_EQ(Path("", "Edit"), "Edit");
    EXPECT_EQ(Path("Work:a/", "Edit"), "Work:a//Edit");   // as the requester gave it
    EXPECT_EQ(Path("SYS:Tools", "Edit", 15), "SYS:Tools/Edit");
    EXPECT_EQ(Path("SYS:Tools", "Edit", 14), "(too long)");
}

class RecordingControl : public CommandControl {
public:
    void CommandRunning(CONST_STRPTR name) override { log.push_back(std::string("running ") + name); }
    void CommandEnded() override { log.push_back("ended"); }
    BOOL Failure(CONST_STRPTR objectName, LONG, FaultButtons) override
    {
        log.push_back(std::string("failure ") + objectName);
        return FALSE;
    }
    void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) override
    {
        log.push_back(std::string("refusal ") + objectName + ": " + reason);
    }
    void Progress(const OperationProgress &) override {}
    BOOL Cancelled() override { return FALSE; }

    std::vector<std::string> log;
};

class OpenWith : public fotest::DrawerTest {
protected:
    void TearDown() override
    {
        for (const std::string &name : registered)
            hosted::RegisterCommand(name.c_str(), nullptr);
    }

    // A built-in command of that name that notes the arguments it was
    // given, as they stood on the line.
    void Record(const std::string &name)
    {
        registered.push_back(name);
        hosted::RegisterCommand(name.c_str(), [this, name](CONST_STRPTR arguments, BPTR, BPTR) {
            lines.push_back(name + " " + arguments);
            return LONG(RETURN_ERROR);   // a result nobody looks at
        });
    }

    std::vector<std::string> registered;
    std::vector<std::string> lines;
    char buffer[10000] = {};
};

TEST_F(OpenWith, RunsTheProgramOnEachSelectedEntryInQuotes)
{
    Record("SYS:Tools/Edit");
    Record("Work:Edit");
    for (auto [drawer, program] : {std::pair{"SYS:Tools", "SYS:Tools/Edit"}, std::pair{"Work:", "Work:Edit"}}) {
        fotest::ListWalk walk;
        walk.Add("a");
        walk.Add("Music", ST_USERDIR);
        walk.Add("b c");
        walk.items[1].selected = false;
        RecordingControl control;
        lines.clear();
        OpenWithSelection(walk, control, buffer, sizeof buffer, drawer, "Edit");
        EXPECT_EQ(lines, (std::vector<std::string>{std::string(program) + " \"a\"", std::string(program) + " \"b c\""}));
        EXPECT_EQ(control.log, (std::vector<std::string>{"running Edit", "ended", "running Edit", "ended"}));
        // Whatever the program returned, each entry is done.
        EXPECT_EQ(walk.Selected(), (std::vector<std::string>{}));
    }
}

TEST_F(OpenWith, AProgramInADrawerWithABlankGetsEachNameAsOneArgument)
{
    kvtest::MakeHostDrawer(Host("My Tools"));
    WriteScript("My Tools/Viewer", "{ echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } >> \"" +
                                       Host("runs.log") + "\"\n");
    std::string drawer;
    ASSERT_TRUE(hosted::VolumePathOf(Host("My Tools"), drawer));
    fotest::ListWalk walk;
    walk.Add("one");
    walk.Add("two \"quoted\" * star");
    RecordingControl control;
    OpenWithSelection(walk, control, buffer, sizeof buffer, drawer.c_str(), "Viewer");
    EXPECT_EQ(ReadFile("runs.log"), "1\n[one]\n1\n[two \"quoted\" * star]\n");
    EXPECT_TRUE(walk.Selected().empty());
}

TEST_F(OpenWith, APathThatDoesNotFitRunsNothing)
{
    fotest::ListWalk walk;
    walk.Add("a");
    RecordingControl control;
    std::string drawer(200, 'd');
    char small[64];
    OpenWithSelection(walk, control, small, sizeof small, drawer.c_str(), "Edit");
    EXPECT_EQ(control.log, (std::vector<std::string>{"refusal Edit: Command line too long"}));
    EXPECT_EQ(walk.Selected(), (std::vector<std::string>{"a"}));
}

}  // namespace
