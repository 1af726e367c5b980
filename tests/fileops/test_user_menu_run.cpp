// RunUserMenuCommand against a temporary drawer: host commands that note their arguments, failures answered "Skip" or "Abort", drawers, consoles.
#include <fileops/user_menu_run.h>

#include "run_support.h"
#include "support/host_files.h"

#include <hosted/shell.h>
#include <proto/dos.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Entries in display order, each selected at first; ActedOn deselects.
class ListSelection : public MenuRunSelection {
public:
    struct Item {
        std::string name;
        bool selected = true;
    };

    void Add(const std::string &name, bool selected = true) { items.push_back({name, selected}); }

    BOOL SelectedAfter(ULONG row, MenuRunEntry &entry) override
    {
        for (size_t next = row == BeforeFirstRow ? 0 : row + 1; next < items.size(); next++) {
            if (!items[next].selected)
                continue;
            entry.name = items[next].name.c_str();
            entry.comment = "";
            entry.row = ULONG(next);
            return TRUE;
        }
        return FALSE;
    }
    void ActedOn(const MenuRunEntry &entry) override { items[entry.row].selected = false; }

    std::vector<std::string> Selected() const
    {
        std::vector<std::string> names;
        for (const Item &item : items)
            if (item.selected)
                names.push_back(item.name);
        return names;
    }

    std::vector<Item> items;
};

class ScriptedMenuControl : public UserMenuControl {
public:
    BOOL CommandFailed(CONST_STRPTR body) override
    {
        log.push_back(std::string("request ") + body);
        return Next();
    }
    BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) override
    {
        log.push_back(std::string("failure ") + objectName + " " + std::to_string(error) +
                      (buttons == FaultButtons::SkipAbort ? " skip/abort" : " other"));
        return Next();
    }
    void Refusal(CONST_STRPTR objectName, CONST_STRPTR) override { log.push_back(std::string("refusal ") + objectName); }
    BOOL AskArguments(CONST_STRPTR title, CONST_STRPTR prompt, STRPTR text, ULONG size) override
    {
        log.push_back(std::string("ask ") + title + " " + prompt);
        // "-" stands for "Cancel".
        if (answers.empty() || answers.front() == "-") {
            if (!answers.empty())
                answers.erase(answers.begin());
            return FALSE;
        }
        std::snprintf(text, size, "%s", answers.front().c_str());
        answers.erase(answers.begin());
        return TRUE;
    }
    void CommandRunning(CONST_STRPTR name) override { log.push_back(std::string("running ") + name); }
    void CommandEnded() override { log.push_back("ended"); }
    void Progress(const OperationProgress &) override {}
    BOOL Cancelled() override { return FALSE; }

    BOOL Next()
    {
        BOOL skip = skips.empty() ? FALSE : skips.front();
        if (!skips.empty())
            skips.erase(skips.begin());
        return skip;
    }

    std::vector<BOOL> skips;   // TRUE "Skip", FALSE "Abort"; Abort when none is left
    std::vector<std::string> answers;
    std::vector<std::string> log;
};

class UserMenuRun : public fotest::DrawerTest {
protected:
    void SetUp() override
    {
        fotest::DrawerTest::SetUp();
        std::string log = Host("runs.log");
        // Notes its drawer's last name and its arguments; "Fail" and "Warn"
        // do the same and end with 10 and 5.
        std::string note = "{ echo \"${PWD##*/}|$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } >> \"" + log + "\"\n";
        WriteScript("rec", note);
        WriteScript("Fail", note + "exit 10\n");
        WriteScript("Warn", note + "exit 5\n");
        // Fails for the entry "b" only.
        WriteScript("pick", note + "[ \"$1\" = b ] && exit 10\nexit 0\n");
        kvtest::MakeHostDrawer(Host("sub"));
        WriteScript("sub/rec", note);   // commands are found in the drawer they run in
        selection.Add("a");
        selection.Add("b");
        selection.Add("c");
    }

    UserMenuRunResult Run(const std::string &function)
    {
        function_ = function;
        command.name = "Item";
        command.function = function_.c_str();
        UserMenuRunPlace place;
        place.drawer = "FTest:";
        place.destination = "sub";
        place.buffers = ExpandBuffers{line, sizeof line, scratch, sizeof scratch};
        place.keptOutput = &kept;
        return RunUserMenuCommand(command, selection, control, place);
    }

    std::string Log() const { return ReadFile("runs.log"); }

    UserMenuCommand command;
    ListSelection selection;
    ScriptedMenuControl control;
    BPTR kept = 0;
    char line[1024] = {};
    char scratch[8192] = {};

private:
    std::string function_;
};

using Names = std::vector<std::string>;

TEST_F(UserMenuRun, EachSelectedEntryRunsInTurnAndIsDeselected)
{
    UserMenuRunResult result = Run("rec %s");
    EXPECT_EQ(result.ending, UserMenuEnding::Finished);
    EXPECT_FALSE(result.refresh);
    std::string drawer = volume_.Host().substr(volume_.Host().rfind('/') + 1);
    EXPECT_EQ(Log(), drawer + "|1\n[a]\n" + drawer + "|1\n[b]\n" + drawer + "|1\n[c]\n");
    EXPECT_TRUE(selection.Selected().empty());
    // A synchronous command shows that the lister waits for it.
    EXPECT_EQ(control.log, (Names{"running Item", "ended", "running Item", "ended", "running Item", "ended"}));
}

TEST_F(UserMenuRun, StartAlwaysRunsOnceForTheFirstAndAllAtOnceOnceForAll)
{
    command.startAlways = TRUE;
    EXPECT_EQ(Run("rec %s%r").ending, UserMenuEnding::Finished);
    EXPECT_EQ(Log().find("[b]"), std::string::npos);
    EXPECT_NE(Log().find("|1\n[a]\n"), std::string::npos);
    EXPECT_EQ(selection.Selected(), (Names{"a", "b", "c"}));

    command.startAlways = FALSE;
    command.allAtOnce = TRUE;
    UserMenuRunResult all = Run("rec %s%r");
    EXPECT_TRUE(all.refresh);
    EXPECT_NE(Log().find("|3\n[a]\n[b]\n[c]\n"), std::string::npos);
    EXPECT_TRUE(selection.Selected().empty());

    // Nothing selected: nothing runs unless start always, which runs once
    // with no name.
    command.allAtOnce = FALSE;
    EXPECT_EQ(Run("rec x %s").ending, UserMenuEnding::Nothing);
    EXPECT_EQ(Log().find("[x]"), std::string::npos);
    command.startAlways = TRUE;
    EXPECT_EQ(Run("rec x %s").ending, UserMenuEnding::Finished);
    EXPECT_NE(Log().find("|1\n[x]\n"), std::string::npos);
}

TEST_F(UserMenuRun, ACommandErrorSkipsOnOrAbortsLeavingTheRestSelected)
{
    control.skips = {TRUE};
    EXPECT_EQ(Run("pick %s").ending, UserMenuEnding::Finished);
    EXPECT_EQ(control.log, (Names{"running Item", "ended", "running Item", "ended", "request command error",
                                  "running Item", "ended"}));
    EXPECT_EQ(selection.Selected(), (Names{"b"}));   // the failed one stays selected

    selection.items = {{"a"}, {"b"}, {"c"}};
    control.log.clear();
    control.skips = {FALSE};
    EXPECT_EQ(Run("pick %s").ending, UserMenuEnding::Aborted);
    EXPECT_EQ(selection.Selected(), (Names{"b", "c"}));

    // A warning (5) is success; a line the shell cannot start (-1) is the
    // other request.
    selection.items = {{"a"}};
    EXPECT_EQ(Run("Warn %s").ending, UserMenuEnding::Finished);
    EXPECT_TRUE(selection.Selected().empty());
    selection.items = {{"a"}};
    control.log.clear();
    control.skips = {TRUE};
    EXPECT_EQ(Run("rec \"%s").ending, UserMenuEnding::Finished);
    EXPECT_EQ(control.log, (Names{"running Item", "ended", "request error execute usermenu"}));
    EXPECT_EQ(selection.Selected(), (Names{"a"}));
}

TEST_F(UserMenuRun, ContinuationsRunAfterSuccessOnlyAndDrawersAreEnteredAndLeft)
{
    selection.items = {{"a"}, {"b"}};
    control.skips = {TRUE};
    EXPECT_EQ(Run("pick %s%nrec then %s").ending, UserMenuEnding::Finished);
    std::string log = Log();
    EXPECT_NE(log.find("[then]\n[a]"), std::string::npos);
    EXPECT_EQ(log.find("[then]\n[b]"), std::string::npos);   // b failed: its next part is not run

    // "%c" runs in the destination, "%C…%C" in the drawer named; the current
    // directory is ours again afterwards. A drawer that is not there is
    // passed over.
    selection.items = {{"a"}};
    ASSERT_EQ(Run("rec %c%nrec %Cnone%C").ending, UserMenuEnding::Finished);
    log = Log();
    EXPECT_NE(log.find("sub|0\n"), std::string::npos) << log;
    BPTR here = Lock("", SHARED_LOCK);
    BPTR sub = Lock("sub", SHARED_LOCK);
    ASSERT_NE(here, BPTR(0));
    ASSERT_NE(sub, BPTR(0));
    EXPECT_EQ(SameLock(here, volume_.RootLock()), LOCK_SAME);
    UnLock(here);
    UnLock(sub);
}

TEST_F(UserMenuRun, RefusalsPromptsAndDrawersToShow)
{
    // Too long for the line: named, "Skip" goes on with the next entry.
    control.skips = {TRUE, FALSE};
    EXPECT_EQ(Run(std::string(2000, 'x') + "%s").ending, UserMenuEnding::Aborted);
    EXPECT_EQ(control.log, (Names{"failure Item 120 skip/abort", "failure Item 120 skip/abort"}));
    EXPECT_EQ(selection.Selected(), (Names{"a", "b", "c"}));

    // An open marker: said once, nothing runs.
    control.log.clear();
    EXPECT_EQ(Run("rec %s %CWork:").ending, UserMenuEnding::Finished);
    EXPECT_EQ(control.log, (Names{"refusal Item"}));

    // The prompt: answered for a, cancelled for b (b stays), answered for c.
    control.log.clear();
    control.answers = {"one", "-", "three"};
    EXPECT_EQ(Run("rec %iName?%i %s").ending, UserMenuEnding::Finished);
    EXPECT_EQ(selection.Selected(), (Names{"b"}));
    EXPECT_NE(Log().find("[one]\n[a]"), std::string::npos);
    EXPECT_NE(Log().find("[three]\n[c]"), std::string::npos);
    EXPECT_EQ(control.log[0], "ask Item Name?");

    // "%l": the lister goes there; nothing runs.
    EXPECT_EQ(Run("rec %s%lWork:Music").ending, UserMenuEnding::GoTo);
    EXPECT_EQ(Log().find("[b]"), std::string::npos);
}

TEST_F(UserMenuRun, MultitaskingRunsInTheBackgroundAndASynchronousWindowIsKept)
{
    command.multitasking = TRUE;
    EXPECT_EQ(Run("rec %s").ending, UserMenuEnding::Finished);
    for (int tick = 0; tick < 500 && hosted::RunningBackgroundCommands() != 0; tick++)
        Delay(1);
    ASSERT_EQ(hosted::RunningBackgroundCommands(), 0);
    std::string log = Log();
    for (const char *name : {"[a]", "[b]", "[c]"})
        EXPECT_NE(log.find(name), std::string::npos) << name;
    EXPECT_TRUE(selection.Selected().empty());
    EXPECT_TRUE(control.log.empty());   // the lister does not wait for it
    EXPECT_EQ(kept, BPTR(0));

    // Synchronous with an output window: one console for the pick, kept
    // until the next pick closes it.
    command.multitasking = FALSE;
    command.outputEnabled = TRUE;
    command.outputWindow = "out.txt";
    selection.items = {{"a"}, {"b"}};
    EXPECT_EQ(Run("rec %s").ending, UserMenuEnding::Finished);
    EXPECT_NE(kept, BPTR(0));
    command.outputEnabled = FALSE;
    selection.items = {{"a"}};
    EXPECT_EQ(Run("rec %s").ending, UserMenuEnding::Finished);
    EXPECT_EQ(kept, BPTR(0));
}

}  // namespace
