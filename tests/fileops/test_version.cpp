// Version: one file's text as a program or as data, and the operation over a selection with drawers, empty and missing files.
#include <fileops/version.h>

#include "run_support.h"

#include <hosted/dos.h>
#include <proto/dos.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

const std::string Ver = std::string("$") + "VER:";

// Records what the operation shows and asks; answers failures from a list.
class ScriptedVersionControl : public VersionControl {
public:
    BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) override
    {
        log.push_back(std::string("failure ") + objectName + " " + std::to_string(error) +
                      (buttons == FaultButtons::SkipAbort ? " skip/abort" : " other"));
        BOOL answer = answers.empty() ? FALSE : answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return answer;
    }
    void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) override
    {
        log.push_back(std::string("refusal ") + objectName + " " + reason);
    }
    void Progress(const OperationProgress &) override {}
    BOOL Cancelled() override { return FALSE; }
    void ShowVersion(CONST_STRPTR name, CONST_STRPTR text) override
    {
        log.push_back(std::string(name) + ":" + text);
    }

    std::vector<std::string> log;
    std::vector<BOOL> answers;
};

class Version : public fotest::DrawerTest {
protected:
    void TearDown() override { hosted::ClearDosFaults(); }

    VersionOutcome Find(const char *name, std::string &text, LONG &error, ULONG size = sizeof buffer)
    {
        char room[VersionTextSize];
        CONST_STRPTR result = nullptr;
        VersionOutcome outcome = FindVersion(name, buffer, size, room, result, error);
        text = result;
        return outcome;
    }

    UBYTE buffer[4096];
};

TEST_F(Version, AFileIsReadAsAProgramElseAsDataWhateverItsSize)
{
    std::string text;
    LONG error = -1;
    WriteFile("tool", fotest::ResidentProgram(Ver + " kvtool 1.2 (1.8.10)\r\n"));
    EXPECT_EQ(Find("tool", text, error), VersionOutcome::Found);
    EXPECT_EQ(text, "  kvtool 1.2 (1.8.10)");
    EXPECT_EQ(error, 0);

    WriteFile("readme", "Text\n" + Ver + " readme 1.0\nmore");
    EXPECT_EQ(Find("readme", text, error), VersionOutcome::Found);
    EXPECT_EQ(text, " readme 1.0");

    // A damaged hunk program the loader refuses is still read as data.
    std::string damaged = fotest::DataProgram("...." + Ver + " damaged 3.0\n");
    damaged.resize(damaged.size() - 4);   // its HUNK_END cut off
    WriteFile("damaged", damaged);
    EXPECT_EQ(NewLoadSeg("damaged", nullptr), 0);
    EXPECT_EQ(Find("damaged", text, error), VersionOutcome::Found);
    EXPECT_EQ(text, " damaged 3.0");

    // So is one far larger than the loader takes: only the first bytes
    // (as many as the buffer holds) are looked at.
    std::string huge = fotest::DataProgram("...." + Ver + " huge 4.0\n");
    WriteFile("huge", huge);
    ASSERT_EQ(truncate(Host("huge").c_str(), 300L << 20), 0);   // sparse: 300 MiB
    EXPECT_EQ(NewLoadSeg("huge", nullptr), 0);
    EXPECT_EQ(Find("huge", text, error), VersionOutcome::Found);
    EXPECT_EQ(text, " huge 4.0");

    // The marker beyond the buffer's size is not found.
    WriteFile("late", std::string(200, '.') + Ver + " late 1.0\n");
    EXPECT_EQ(Find("late", text, error, 200), VersionOutcome::Found);
    EXPECT_EQ(text, NoVersionText);
}

TEST_F(Version, WhatCannotBeReadSaysWhy)
{
    std::string text;
    LONG error = 0;
    WriteFile("empty", "");
    EXPECT_EQ(Find("empty", text, error), VersionOutcome::Empty);
    EXPECT_EQ(text, NoVersionText);

    EXPECT_EQ(Find("missing", text, error), VersionOutcome::LockFailed);
    EXPECT_EQ(error, ERROR_OBJECT_NOT_FOUND);

    WriteFile("secret", Ver + " secret 1.0\n");
    ASSERT_TRUE(SetProtection("secret", FIBF_READ));   // reading not allowed
    EXPECT_EQ(Find("secret", text, error), VersionOutcome::Unopenable);
    EXPECT_EQ(text, NoVersionText);

    WriteFile("broken", Ver + " broken 1.0\n");
    hosted::SetDosFault(hosted::DosCall::Read, 1, ERROR_SEEK_ERROR, "broken");
    EXPECT_EQ(Find("broken", text, error), VersionOutcome::ReadFailed);
    EXPECT_EQ(text, NoVersionText);
}

TEST_F(Version, DrawersEmptyAndUnopenableFilesStaySelected)
{
    WriteFile("readme", Ver + " readme 2.0\n");
    WriteFile("empty", "");
    WriteFile("plain", "no version");
    fotest::ListWalk walk;
    walk.Add("Music", ST_USERDIR);
    walk.Add("Docs", ST_USERDIR);
    walk.Add("readme");
    walk.Add("empty");
    walk.Add("plain");
    ScriptedVersionControl control;
    UBYTE buffer[256];
    ShowSelectedVersions(walk, control, buffer, sizeof buffer);
    EXPECT_EQ(control.log, (std::vector<std::string>{"readme: readme 2.0", "plain:Can't find version"}));
    EXPECT_EQ(walk.Selected(), (std::vector<std::string>{"Music", "Docs", "empty"}));
}

TEST_F(Version, ALockFailureAsksSkipOrAbortAndAFailedReadCountsAsDone)
{
    WriteFile("first", Ver + " first 1.0\n");
    WriteFile("broken", Ver + " broken 1.0\n");
    WriteFile("last", Ver + " last 1.0\n");
    hosted::SetDosFault(hosted::DosCall::Read, 1, ERROR_SEEK_ERROR, "broken");
    UBYTE buffer[256];
    {
        fotest::ListWalk walk;
        for (const char *name : {"first", "gone", "broken", "last"})
            walk.Add(name);
        ScriptedVersionControl control;
        control.answers = {TRUE};   // "Skip"
        ShowSelectedVersions(walk, control, buffer, sizeof buffer);
        EXPECT_EQ(control.log, (std::vector<std::string>{"first: first 1.0", "failure gone 205 skip/abort",
                                                         "last: last 1.0"}));
        // The entry that could not be read is done; the missing one is not.
        EXPECT_EQ(walk.Selected(), (std::vector<std::string>{"gone"}));
    }
    fotest::ListWalk walk;
    for (const char *name : {"gone", "last"})
        walk.Add(name);
    ScriptedVersionControl control;
    control.answers = {FALSE};   // "Abort"
    ShowSelectedVersions(walk, control, buffer, sizeof buffer);
    EXPECT_EQ(control.log, (std::vector<std::string>{"failure gone 205 skip/abort"}));
    EXPECT_EQ(walk.Selected(), (std::vector<std::string>{"gone", "last"}));
}

}  // namespace
