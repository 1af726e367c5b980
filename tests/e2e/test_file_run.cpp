// The "File" menu's Execute, Open with, Version and Information, picked in the menu on real files.
#include "session.h"

#include "support/dump.h"
#include "support/host_files.h"

#include <settings/config_record.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t Inverted = 0xFFFFFF;

std::string Click(long x, long y) { return "click " + std::to_string(x) + " " + std::to_string(y) + "\n"; }

// A host program in the tree that notes its drawer, name and arguments.
void LoggingProgram(const Session &session, const std::string &relative, const std::string &name, int exitCode = 0)
{
    session.MakeFile(relative, "#!/bin/sh\n{ echo \"$PWD|" + name + "|$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } >> \"" +
                                   session.Root() + "/runs.log\"\nexit " + std::to_string(exitCode) + "\n");
    fs::permissions(session.Tree() + "/" + relative, fs::perms::owner_all);
}

std::string RunsLog(const Session &session)
{
    return kvtest::ReadHostFile(session.Root() + "/runs.log");
}

uint32_t LinePixel(const Png &shot, const WindowInfo &w, long row)
{
    return shot.At(w.InnerLeft() + w.InnerWidth() - 2, w.ListTop() + row * FontHeight);
}

std::vector<std::string> Labels(const WindowInfo &w)
{
    std::vector<std::string> labels;
    for (const Json &gadget : w.json["gadgets"].array)
        labels.push_back(gadget["label"].string);
    return labels;
}

std::vector<std::string> Text(const WindowInfo &w)
{
    std::vector<std::string> lines;
    for (const Json &line : w.json["text"].array)
        lines.push_back(line.string);
    return lines;
}

TEST(FileRun, ExecuteRunsTheEntryWithTheTypedArgumentsAndRetriesAWarning)
{
    Session session;
    LoggingProgram(session, "My Tool", "My Tool");
    LoggingProgram(session, "Warn", "Warn", 5);
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    // Rows: "My Tool", "Warn".
    RunResult run = session.Run("wait-idle\nscreenshot @/plain.png\n" + Click(x, w.RowY(0)) + Click(x, w.RowY(1)) +
                                    "menu \"File\" \"Execute\"\nexpect-window \"Execute command\"\n"
                                    "type \"-v \\\"two words\\\"\"\n"
                                    "screenshot @/dialog.png\ndump @/dialog.json\n"
                                    "gadget \"Execute command\" \"Execute\"\n"
                                    "expect-window \"Execute command\"\ndump @/second.json\n"
                                    "type \"x\"\ngadget \"Execute command\" \"Execute\"\n"
                                    "expect-window \"System Request\"\ndump @/warning.json\n"
                                    "gadget \"System Request\" \"Retry\"\n"
                                    "expect-window \"Execute command\"\ndump @/retry.json\n"
                                    "gadget \"Execute command\" \"Execute\"\n"
                                    "expect-window \"System Request\"\n"
                                    "gadget \"System Request\" \"Skip these\"\n"
                                    "expect-no-window \"Execute command\"\nwait-idle\nscreenshot @/after.png\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::string tree = session.Tree();
    EXPECT_EQ(RunsLog(session), tree + "|My Tool|2\n[-v]\n[two words]\n" + tree + "|Warn|1\n[x]\n" + tree +
                                    "|Warn|0\n");
    WindowInfo dialog = FindWindow(session.Dump("dialog.json"), "Execute command");
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(Labels(dialog), (std::vector<std::string>{"", "Execute", "Cancel"}));
    EXPECT_EQ((*dialog.Gadget(0))["value"].string, "-v \"two words\"");
    // The next entry gets an empty field; after the warning, "Retry" asks
    // for the same entry again with an empty field.
    EXPECT_EQ((*FindWindow(session.Dump("second.json"), "Execute command").Gadget(0))["value"].string, "");
    WindowInfo warning = FindWindow(session.Dump("warning.json"), "System Request");
    EXPECT_EQ(Text(warning), (std::vector<std::string>{"Warn", "Error code 5"}));
    EXPECT_EQ(Labels(warning), (std::vector<std::string>{"Retry", "Skip these"}));
    EXPECT_EQ((*FindWindow(session.Dump("retry.json"), "Execute command").Gadget(0))["value"].string, "");
    // A command succeeded: the drawer was read again, no line is selected.
    Png plain = session.Shot("plain.png"), after = session.Shot("after.png");
    EXPECT_EQ(LinePixel(after, w, 0), LinePixel(plain, w, 0));
    EXPECT_EQ(LinePixel(after, w, 1), LinePixel(plain, w, 1));
}

TEST(FileRun, OpenWithRunsTheChosenProgramOnEachEntryAndStartsInItsDrawerNextTime)
{
    Session session;
    session.MakeFile("a", "1");
    session.MakeFile("b c", "2");
    session.MakeDrawer("tools");
    LoggingProgram(session, "tools/Ed", "Ed");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    // Rows: "tools", "a", "b c".
    RunResult run = session.Run("wait-idle\nscreenshot @/plain.png\n" + Click(x, w.RowY(1)) + Click(x, w.RowY(2)) +
                                    "menu \"File\" \"Open with\"\nexpect-window \"Open with programm...\"\n"
                                    "dump @/first.json\n"
                                    "gadget \"Open with programm...\" #5\n"
                                    "key End\nkey BackSpace\nkey BackSpace\nkey BackSpace\nkey BackSpace\n"
                                    "type \"Work:tools\"\nkey Return\n"
                                    "gadget \"Open with programm...\" \"Ed\"\n"
                                    "gadget \"Open with programm...\" \"Open with\"\n"
                                    "expect-no-window \"Open with programm...\"\nwait-idle\nscreenshot @/after.png\n"
                                    "menu \"File\" \"Open with\"\nexpect-window \"Open with programm...\"\n"
                                    "dump @/next.json\ngadget \"Open with programm...\" \"Cancel\"\n"
                                    "expect-no-window \"Open with programm...\"\nwait-idle\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::string tree = session.Tree();
    EXPECT_EQ(RunsLog(session), tree + "|Ed|1\n[a]\n" + tree + "|Ed|1\n[b c]\n");
    WindowInfo first = FindWindow(session.Dump("first.json"), "Open with programm...");
    ASSERT_TRUE(first.found);
    EXPECT_EQ((*first.Gadget(5))["value"].string, "SYS:");
    std::vector<std::string> labels = Labels(first);
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Open with"), labels.end());
    WindowInfo next = FindWindow(session.Dump("next.json"), "Open with programm...");
    ASSERT_TRUE(next.found);
    EXPECT_EQ((*next.Gadget(5))["value"].string, "Work:tools");
    Png plain = session.Shot("plain.png"), after = session.Shot("after.png");
    for (long row = 0; row < 3; row++)
        EXPECT_EQ(LinePixel(after, w, row), LinePixel(plain, w, row)) << row;   // each entry deselected
}

TEST(FileRun, VersionShowsFilesAndLeavesDrawersAndEmptyFilesSelected)
{
    Session session;
    session.MakeDrawer("d1");
    session.MakeDrawer("d2");
    fs::copy_file(session.ProgDir() + "/Kestrovane", session.Tree() + "/Kprog");   // a host program
    session.MakeFile("empty", "");
    session.MakeFile("notes", std::string("Notes\n$") + "VER: notes 1.4 (2.3.2024)\nmore\n");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    // Rows: "d1", "d2", "Kprog", "empty", "notes".
    RunResult run = session.Run("wait-idle\nscreenshot @/plain.png\nmenu \"File\" \"Select all\"\n"
                                "menu \"File\" \"Version\"\nexpect-window \"System Request\"\n"
                                "screenshot @/version.png\ndump @/first.json\n"
                                "gadget \"System Request\" \"OK\"\nexpect-window \"System Request\"\n"
                                "dump @/second.json\ngadget \"System Request\" \"OK\"\n"
                                "expect-no-window \"System Request\"\nwait-idle\ndump @/end.json\n"
                                "screenshot @/after.png\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo first = FindWindow(session.Dump("first.json"), "System Request");
    EXPECT_EQ(Text(first), (std::vector<std::string>{"Kprog", " Kestrovane 0.9u (1aug10)"}));
    EXPECT_EQ(Labels(first), (std::vector<std::string>{"OK"}));
    EXPECT_EQ(Text(FindWindow(session.Dump("second.json"), "System Request")),
              (std::vector<std::string>{"notes", " notes 1.4 (2.3.2024)"}));
    EXPECT_FALSE(FindWindow(session.Dump("end.json"), "System Request").found);
    Png plain = session.Shot("plain.png"), after = session.Shot("after.png");
    for (long row = 0; row < 5; row++) {
        bool staysSelected = row == 0 || row == 1 || row == 3;
        EXPECT_EQ(LinePixel(after, w, row), staysSelected ? LinePixel(plain, w, row) ^ Inverted : LinePixel(plain, w, row))
            << row;
    }
}

TEST(FileRun, InformationOpensTheWindowOfEachEntryAndCancelChangesNothing)
{
    Session session;
    session.MakeDrawer("Music");
    session.MakeFile("song", "la la");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    auto before = fs::status(session.Tree() + "/song").permissions();
    RunResult run = session.Run("wait-idle\nscreenshot @/plain.png\nmenu \"File\" \"Select all\"\n"
                                "menu \"File\" \"Information\"\nexpect-window \"Music\"\ndump @/music.json\n"
                                "gadget \"Music\" \"w\"\ngadget \"Music\" \"Cancel\"\n"
                                "expect-window \"song\"\nscreenshot @/info.png\ndump @/song.json\n"
                                "gadget \"song\" \"r\"\ngadget \"song\" \"Cancel\"\n"
                                "expect-no-window \"song\"\nwait-idle\nscreenshot @/after.png\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo music = FindWindow(session.Dump("music.json"), "Music");
    ASSERT_TRUE(music.found);
    EXPECT_EQ(Text(music)[0], "Name\tMusic");
    WindowInfo song = FindWindow(session.Dump("song.json"), "song");
    ASSERT_TRUE(song.found);
    EXPECT_EQ(Text(song)[0], "Name\tsong");
    EXPECT_EQ(fs::status(session.Tree() + "/song").permissions(), before);
    Png plain = session.Shot("plain.png"), after = session.Shot("after.png");
    for (long row = 0; row < 2; row++)
        EXPECT_EQ(LinePixel(after, w, row), LinePixel(plain, w, row)) << row;

    // With "Stay selected" both stay selected.
    ConfigRecord staying;
    staying.SetStaySelected(1);
    session.WriteFileBytes(session.ProgDir() + "/Kestrovane.cfg",
                           std::vector<uint8_t>(staying.Bytes(), staying.Bytes() + ConfigRecordSize));
    run = session.Run("wait-idle\nmenu \"File\" \"Select all\"\nmenu \"File\" \"Information\"\n"
                      "expect-window \"Music\"\ngadget \"Music\" \"Cancel\"\nexpect-window \"song\"\n"
                      "gadget \"song\" \"Cancel\"\nexpect-no-window \"song\"\nwait-idle\nscreenshot @/stay.png\n",
                      {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    Png stay = session.Shot("stay.png");
    for (long row = 0; row < 2; row++)
        EXPECT_EQ(LinePixel(stay, w, row), LinePixel(plain, w, row) ^ Inverted) << row;
}

TEST(FileRun, InformationOnAnEntryGoneSinceTheDrawerWasReadSaysWhy)
{
    Session session;
    session.MakeFile("Remover", "#!/bin/sh\nrm victim\nexit 5\n");   // warns: the drawer is not read again
    fs::permissions(session.Tree() + "/Remover", fs::perms::owner_all);
    session.MakeFile("victim", "x");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    // Rows: "Remover", "victim".
    RunResult run = session.Run("wait-idle\n" + Click(x, w.RowY(0)) +
                                    "menu \"File\" \"Execute\"\nexpect-window \"Execute command\"\n"
                                    "gadget \"Execute command\" \"Execute\"\nexpect-window \"System Request\"\n"
                                    "gadget \"System Request\" \"Skip these\"\nexpect-no-window \"System Request\"\n" +
                                    Click(x, w.RowY(0)) + Click(x, w.RowY(1)) +
                                    "menu \"File\" \"Information\"\nexpect-window \"System Request\"\n"
                                    "dump @/gone.json\ngadget \"System Request\" \"Skip\"\n"
                                    "expect-no-window \"System Request\"\nwait-idle\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_FALSE(kvtest::HostExists(session.Tree() + "/victim"));
    WindowInfo gone = FindWindow(session.Dump("gone.json"), "System Request");
    EXPECT_EQ(Text(gone), (std::vector<std::string>{"victim", "object not found"}));
    EXPECT_EQ(Labels(gone), (std::vector<std::string>{"Skip", "Abort"}));
}

}  // namespace
}  // namespace e2e
