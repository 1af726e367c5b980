// Menu commands: sorting, selecting all, "Save settings" with its question, "About" and "Quit".
#include "session.h"

#include <settings/config_record.h>

#include <gtest/gtest.h>

namespace e2e {
namespace {

std::string Checked(const WindowInfo &w)
{
    std::string which;
    for (const char *item : {"No sort", "Name case", "Date"})
        if ((*w.MenuItem("Sort", item))["checked"].boolean)
            which += which.empty() ? item : std::string("+") + item;
    return which;
}

TEST(Commands, SortPicksKeepOneCheckMarkAndClearTheSelection)
{
    Session session;
    session.MakeFile("b", "1");
    session.MakeFile("B", "22");
    session.MakeFile("a", "333");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    EXPECT_EQ(Checked(w), "Name case");
    long x = w.InnerLeft() + 10;
    RunResult run = session.Run(
        "wait-idle\nscreenshot @/plain.png\n"
        "click " + std::to_string(x) + " " + std::to_string(w.RowY(0)) + "\n"
        "menu \"Sort\" \"Date\"\ndump @/date.json\nscreenshot @/date.png\n"
        "menu \"Sort\" \"No sort\"\ndump @/none.json\n"
        "menu \"Sort\" \"Name case\"\nmenu \"Sort\" \"Name case\"\ndump @/name.json\n"
        "menu \"File\" \"Select all\"\nscreenshot @/all.png\n"
        "menu \"File\" \"Invert all\"\nscreenshot @/inverted.png\n",
        {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(Checked(FindWindow(session.Dump("date.json"), "Work:")), "Date");
    EXPECT_EQ(Checked(FindWindow(session.Dump("none.json"), "Work:")), "No sort");
    // Picking the checked item keeps it checked (and sorts again).
    EXPECT_EQ(Checked(FindWindow(session.Dump("name.json"), "Work:")), "Name case");
    Png plain = session.Shot("plain.png"), date = session.Shot("date.png"), all = session.Shot("all.png"),
        inverted = session.Shot("inverted.png");
    long px = w.InnerLeft() + w.InnerWidth() - 2;
    for (long row = 0; row < 3; row++) {
        long y = w.ListTop() + row * FontHeight;
        EXPECT_EQ(date.At(px, y), plain.At(px, y)) << row;            // the selection is gone
        EXPECT_EQ(all.At(px, y), plain.At(px, y) ^ 0xFFFFFFu) << row;   // all selected
        EXPECT_EQ(inverted.At(px, y), plain.At(px, y)) << row;          // and all inverted back
    }
    EXPECT_EQ(all.At(px, w.ListTop() + 3 * FontHeight), plain.At(px, w.ListTop() + 3 * FontHeight));
}

TEST(Commands, SaveSettingsWritesTheRecordAndAsksBeforeReplacingIt)
{
    Session session;
    std::string file = session.ProgDir() + "/Kestrovane.cfg";
    RunResult run = session.Run("wait-idle\nmenu \"Project\" \"Save settings\"\nwait-idle\n", {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    ConfigRecord defaults;
    std::vector<uint8_t> expected(defaults.Bytes(), defaults.Bytes() + ConfigRecordSize);
    EXPECT_EQ(session.ReadFileBytes(file), expected);

    // The file exists now: "Cancel" leaves it alone.
    ConfigRecord byDate;
    byDate.SetSortOrder(SortDate);   // a record that differs: it sorts by date
    std::vector<uint8_t> other(byDate.Bytes(), byDate.Bytes() + ConfigRecordSize);
    session.WriteFileBytes(file, other);
    run = session.Run("wait-idle\nmenu \"Project\" \"Save settings\"\nexpect-window \"System Request\"\n"
                      "dump @/question.json\ngadget \"System Request\" \"Cancel\"\n"
                      "expect-no-window \"System Request\"\nwait-idle\n",
                      {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo question = FindWindow(session.Dump("question.json"), "System Request");
    ASSERT_TRUE(question.found);
    std::vector<std::string> labels;
    for (const Json &gadget : question.json["gadgets"].array)
        labels.push_back(gadget["label"].string);
    EXPECT_EQ(labels, (std::vector<std::string>{"Overwrite", "Cancel"}));
    EXPECT_EQ(session.ReadFileBytes(file), other);

    // "Overwrite" writes the record in memory: the one loaded at start.
    run = session.Run("wait-idle\ndump @/loaded.json\nmenu \"Project\" \"Save settings\"\n"
                      "expect-window \"System Request\"\ngadget \"System Request\" \"Overwrite\"\n"
                      "expect-no-window \"System Request\"\nwait-idle\n",
                      {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(Checked(FindWindow(session.Dump("loaded.json"), "Work:")), "Date");
    EXPECT_EQ(session.ReadFileBytes(file), other);
}

TEST(Commands, AConfigurationOfAnotherSizeIsIgnored)
{
    Session session;
    for (size_t size : {99u, 101u}) {
        std::vector<uint8_t> wrong(size, 0);
        wrong[0x4D] = SortDate;
        session.WriteFileBytes(session.ProgDir() + "/Kestrovane.cfg", wrong);
        RunResult run = session.Run("wait-idle\ndump @/loaded.json\n", {"Work:"});
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(Checked(FindWindow(session.Dump("loaded.json"), "Work:")), "Name case") << size;
    }
}

TEST(Commands, AboutShowsTheVersionAndQuitEndsTheProgram)
{
    Session session;
    RunResult run = session.Run("wait-idle\nmenu \"Project\" \"About\"\nexpect-window \"System Request\"\n"
                                "dump @/about.json\ngadget \"System Request\" \"OK\"\n"
                                "expect-no-window \"System Request\"\n"
                                "menu \"Project\" \"Quit\"\n"
                                "expect-no-window \"Work:\"\ndump @/quit.json\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(WindowTitles(session.Dump("quit.json")).empty());
    WindowInfo about = FindWindow(session.Dump("about.json"), "System Request");
    ASSERT_TRUE(about.found);
    ASSERT_EQ(about.json["gadgets"].size(), 1u);
    EXPECT_EQ(about.json["gadgets"][0]["label"].string, "OK");
}

}  // namespace
}  // namespace e2e
