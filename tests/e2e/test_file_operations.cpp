// Delete, New drawer, Rename and Search as a person uses them: dialogs, requesters, and what is on disk afterwards.
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

// Everything below a drawer, as relative paths, sorted.
std::vector<std::string> TreeOf(const std::string &root)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::recursive_directory_iterator(root))
        names.push_back(fs::relative(entry.path(), root).string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Click(const WindowInfo &w, long row)
{
    return "click " + std::to_string(w.InnerLeft() + 10) + " " + std::to_string(w.RowY(row)) + "\n";
}

std::vector<std::string> Labels(const WindowInfo &w)
{
    std::vector<std::string> labels;
    for (const Json &gadget : w.json["gadgets"].array)
        labels.push_back(gadget["label"].string);
    return labels;
}

// The requester's text as one line.
std::string TextOf(const WindowInfo &w)
{
    std::string all;
    for (const std::string &line : kvtest::DumpText(w.json))
        all += line + "|";
    return all;
}

void WriteRenameSetting(const Session &session, UBYTE value)
{
    ConfigRecord record;
    record.SetRenameString(value);
    session.WriteFileBytes(session.ProgDir() + "/Kestrovane.cfg",
                           std::vector<uint8_t>(record.Bytes(), record.Bytes() + ConfigRecordSize));
}

// Makes the drawers a relative path needs and the file.
void MakeFileIn(const Session &session, const std::string &relative, const std::string &content)
{
    fs::create_directories(fs::path(session.Tree() + "/" + relative).parent_path());
    session.MakeFile(relative, content);
}

TEST(FileOperations, EntriesSelectedBySearchAreDeletedAndNothingElse)
{
    Session session;
    MakeFileIn(session, "Anotes/inside", "1");
    MakeFileIn(session, "Aux/readme", "1");
    MakeFileIn(session, "NoteDrawer/a", "1");
    MakeFileIn(session, "NoteDrawer/sub/b", "1");
    session.MakeDrawer("Plain");
    for (const char *name : {"Alpha", "NOTES", "notes.txt", "other"})
        session.MakeFile(name, "x");
    // Rows: Anotes Aux NoteDrawer Plain Alpha NOTES notes.txt other.
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    RunResult run = session.Run("wait-idle\n" + Click(w, 2) +
                                    "menu \"File\" \"Search\"\nexpect-window \"Search in window to be selected\"\n"
                                    "dump @/search.json\ntype \"notes\"\n"
                                    "screenshot @/search.png\n"
                                    "gadget \"Search in window to be selected\" \"OK\"\n"
                                    "expect-no-window \"Search in window to be selected\"\n"
                                    "screenshot @/found.png\n"
                                    "menu \"File\" \"Delete\"\nexpect-window \"System Request\"\n"
                                    "dump @/question.json\ngadget \"System Request\" \"Delete\"\n"
                                    "expect-no-window \"System Request\"\nwait-idle\ndump @/after.json\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo dialog = FindWindow(session.Dump("search.json"), "Search in window to be selected");
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(Labels(dialog), (std::vector<std::string>{"", "Enable", "Enable", "OK", "Cancel"}));
    EXPECT_TRUE((*dialog.Gadget(110))["selected"].boolean);    // "Ignore case:" on
    EXPECT_FALSE((*dialog.Gadget(111))["selected"].boolean);   // "Thru files:" off
    WindowInfo question = FindWindow(session.Dump("question.json"), "System Request");
    EXPECT_EQ(TextOf(question), "Are you sure to delete file(s) and or drawer(s) ?|");
    EXPECT_EQ(Labels(question), (std::vector<std::string>{"Delete", "Cancel"}));
    // The first selected row went with the rows found after it; the row
    // before it that matches, and every other row, stayed.
    EXPECT_EQ(TreeOf(session.Tree()), (std::vector<std::string>{"Alpha", "Anotes", "Anotes/inside", "Aux",
                                                                "Aux/readme", "Plain", "other"}));
    EXPECT_TRUE(FindWindow(session.Dump("after.json"), "Work:").found);
}

TEST(FileOperations, DeleteAsksOnlyForASelectionAndCancelChangesNothing)
{
    Session session;
    session.MakeFile("a", "1");
    session.MakeFile("b", "2");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    RunResult run = session.Run("wait-idle\nmenu \"File\" \"Delete\"\nwait-idle\ndump @/none.json\n" + Click(w, 0) +
                                    "menu \"File\" \"Delete\"\nexpect-window \"System Request\"\n"
                                    "gadget \"System Request\" \"Cancel\"\nexpect-no-window \"System Request\"\n"
                                    "wait-idle\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(WindowTitles(session.Dump("none.json")), std::vector<std::string>{"Work:"});
    EXPECT_EQ(TreeOf(session.Tree()), (std::vector<std::string>{"a", "b"}));
}

TEST(FileOperations, AFailureOffersSkipOrAbortAndTheDrawerIsReadAgainAfterAbort)
{
    Session session;
    MakeFileIn(session, "d/x1", "1");
    MakeFileIn(session, "d/x2", "1");
    MakeFileIn(session, "d/x3", "1");
    session.MakeFile("e", "1");
    // Every deletion of x2 fails: "Skip" goes on in the drawer, which then
    // cannot go, and "Skip" again goes on with the next entry.
    RunResult run = session.Run("wait-idle\nmenu \"File\" \"Select all\"\nmenu \"File\" \"Delete\"\n"
                                "gadget \"System Request\" \"Delete\"\nexpect-window \"System Request\"\n"
                                "dump @/first.json\ngadget \"System Request\" \"Skip\"\nwait-idle\n"
                                "expect-window \"System Request\"\ndump @/second.json\n"
                                "gadget \"System Request\" \"Skip\"\nexpect-no-window \"System Request\"\nwait-idle\n",
                                {"Work:"}, "", {"KESTROVANE_DOS_FAULT=DeleteFile:0:222:x2"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo first = FindWindow(session.Dump("first.json"), "System Request");
    EXPECT_EQ(Labels(first), (std::vector<std::string>{"Skip", "Abort"}));
    EXPECT_NE(TextOf(first).find("d/x2|"), std::string::npos) << TextOf(first);
    EXPECT_NE(TextOf(FindWindow(session.Dump("second.json"), "System Request")).find("d|directory not empty"),
              std::string::npos);
    EXPECT_EQ(TreeOf(session.Tree()), (std::vector<std::string>{"d", "d/x2"}));

    // Files a, b, c: a goes, b fails, "Abort" keeps c. The list is read
    // again: deleting what it then shows asks nothing more.
    fs::remove_all(session.Tree() + "/d");
    for (const char *name : {"a", "b", "c"})
        session.MakeFile(name, "1");
    run = session.Run("wait-idle\nmenu \"File\" \"Select all\"\nmenu \"File\" \"Delete\"\n"
                      "gadget \"System Request\" \"Delete\"\nexpect-window \"System Request\"\n"
                      "gadget \"System Request\" \"Abort\"\nexpect-no-window \"System Request\"\nwait-idle\n"
                      "dump @/aborted.json\n"
                      "menu \"File\" \"Select all\"\nmenu \"File\" \"Delete\"\n"
                      "gadget \"System Request\" \"Delete\"\nexpect-no-window \"System Request\"\nwait-idle\n"
                      "dump @/end.json\n",
                      {"Work:"}, "", {"KESTROVANE_DOS_FAULT=DeleteFile:2:222"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(WindowTitles(session.Dump("end.json")), std::vector<std::string>{"Work:"});
    EXPECT_TRUE(TreeOf(session.Tree()).empty());
}

TEST(FileOperations, NewDrawerRetriesOnAFileGivesTheShippedIconAndRefusesLongNames)
{
    Session session;
    session.MakeFile("taken", "a file");
    session.MakeDrawer("there");
    session.MakeFile("there.info", "the person's own icon");
    std::string longName(108, 'n');
    RunResult run = session.Run(
        "wait-idle\nmenu \"File\" \"New drawer\"\nexpect-window \"Make new directory\"\ndump @/fresh.json\n"
        "type \"taken\"\ngadget \"Make new directory\" \"Enable\"\ngadget \"Make new directory\" \"OK\"\n"
        "expect-window \"System Request\"\ndump @/exists.json\ngadget \"System Request\" \"Retry\"\n"
        "expect-no-window \"System Request\"\n"
        "gadget \"Make new directory\" \"#0\"\nkey End\nkey BackSpace\nkey BackSpace\nkey BackSpace\n"
        "key BackSpace\nkey BackSpace\ntype \"made\"\nscreenshot @/newdrawer.png\n"
        "gadget \"Make new directory\" \"OK\"\nexpect-no-window \"Make new directory\"\nwait-idle\n"
        // Again: "Create icon:" is off at every opening; an existing drawer
        // is accepted, and its icon left as it is.
        "menu \"File\" \"New drawer\"\nexpect-window \"Make new directory\"\ndump @/again.json\n"
        "type \"there\"\ngadget \"Make new directory\" \"Enable\"\ngadget \"Make new directory\" \"OK\"\n"
        "expect-no-window \"Make new directory\"\nwait-idle\n"
        "menu \"File\" \"New drawer\"\nexpect-window \"Make new directory\"\n"
        "type \"" + longName + "\"\ngadget \"Make new directory\" \"OK\"\n"
        "expect-window \"System Request\"\ndump @/long.json\ngadget \"System Request\" \"Abort\"\n"
        "expect-no-window \"Make new directory\"\nwait-idle\n",
        {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo fresh = FindWindow(session.Dump("fresh.json"), "Make new directory");
    ASSERT_TRUE(fresh.found);
    EXPECT_EQ(Labels(fresh), (std::vector<std::string>{"", "Enable", "OK", "Cancel"}));
    EXPECT_FALSE((*fresh.Gadget(110))["selected"].boolean);
    WindowInfo exists = FindWindow(session.Dump("exists.json"), "System Request");
    EXPECT_EQ(TextOf(exists), "taken|object already exists|");
    EXPECT_EQ(Labels(exists), (std::vector<std::string>{"Retry", "Abort"}));
    EXPECT_FALSE((*FindWindow(session.Dump("again.json"), "Make new directory").Gadget(110))["selected"].boolean);
    EXPECT_NE(TextOf(FindWindow(session.Dump("long.json"), "System Request")).find("too long"), std::string::npos);

    EXPECT_EQ(TreeOf(session.Tree()),
              (std::vector<std::string>{"made", "made.info", "taken", "there", "there.info"}));
    // The icon is the template the platform installed, byte for byte.
    std::string shipped = kvtest::ReadHostFile(session.Home() + "/ENVARC/sys/def_drawer.info");
    EXPECT_FALSE(shipped.empty());
    EXPECT_EQ(kvtest::ReadHostFile(session.Tree() + "/made.info"), shipped);
    EXPECT_EQ(kvtest::ReadHostFile(session.Tree() + "/there.info"), "the person's own icon");
}

TEST(FileOperations, RenameWalksTheSelectionWithItsSettingAndTheCloseGadgetEndsIt)
{
    Session session;
    for (const char *name : {"a", "b", "c"})
        session.MakeFile(name, name);
    // "Stays": the second entry is offered the first one's new name, which
    // is taken now; "Skip these" goes on; "Cancel" leaves the third alone.
    WriteRenameSetting(session, RenameStringStays);
    RunResult run = session.Run(
        "wait-idle\nmenu \"File\" \"Select all\"\nmenu \"File\" \"Rename\"\nexpect-window \"Rename\"\n"
        "dump @/first.json\nkey BackSpace\ntype \"x\"\ngadget \"Rename\" \"Rename\"\nwait-idle\ndump @/second.json\n"
        "screenshot @/rename.png\n"
        "gadget \"Rename\" \"Rename\"\nexpect-window \"System Request\"\ndump @/taken.json\n"
        "gadget \"System Request\" \"Skip these\"\nexpect-no-window \"System Request\"\n"
        "gadget \"Rename\" \"Cancel\"\nexpect-no-window \"Rename\"\nwait-idle\n",
        {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ((*FindWindow(session.Dump("first.json"), "Rename").Gadget(0))["value"].string, "a");
    EXPECT_EQ((*FindWindow(session.Dump("second.json"), "Rename").Gadget(0))["value"].string, "x");
    WindowInfo taken = FindWindow(session.Dump("taken.json"), "System Request");
    EXPECT_EQ(TextOf(taken), "x|object already exists|");
    EXPECT_EQ(Labels(taken), (std::vector<std::string>{"Retry", "Skip these"}));
    EXPECT_EQ(TreeOf(session.Tree()), (std::vector<std::string>{"b", "c", "x"}));

    // "Empty": an empty field for each entry; the close gadget ends it all.
    WriteRenameSetting(session, RenameStringEmpty);
    run = session.Run("wait-idle\nmenu \"File\" \"Select all\"\nmenu \"File\" \"Rename\"\nexpect-window \"Rename\"\n"
                      "gadget \"Rename\" \"Cancel\"\nwait-idle\ndump @/empty.json\n"
                      "close \"Rename\"\nexpect-no-window \"Rename\"\nwait-idle\n",
                      {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ((*FindWindow(session.Dump("empty.json"), "Rename").Gadget(0))["value"].string, "");
    EXPECT_EQ(TreeOf(session.Tree()), (std::vector<std::string>{"b", "c", "x"}));
}

}  // namespace
}  // namespace e2e
