// Moving between drawers: double-clicks, "Parent", "History", relative start paths, the viewer and "Help".
#include "session.h"

#include "support/host_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace e2e {
namespace {

std::string DoubleClick(long x, long y)
{
    return "double-click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

// The History rule: a path not yet listed drops the first item and becomes
// the last; a listed one (compared case-sensitively) changes nothing.
void Visit(std::vector<std::string> &history, const std::string &path)
{
    if (std::find(history.begin(), history.end(), path) != history.end())
        return;
    history.erase(history.begin());
    history.push_back(path);
}

TEST(Navigation, DoubleClicksEnterDrawersAndParentClimbsToTheRoot)
{
    Session session;
    session.MakeDrawer("Audio/Music");
    session.MakeFile("readme.txt", "hello\n");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    RunResult run = session.Run("wait-idle\ndump @/start.json\n" + DoubleClick(x, w.RowY(0)) +
                                    "expect-window \"Work:Audio\"\n" + DoubleClick(x, w.RowY(0)) +
                                    "expect-window \"Work:Audio/Music\"\n"
                                    "dump @/music.json\n"
                                    "menu \"Project\" \"Parent\"\n"
                                    "expect-window \"Work:Audio\"\n"
                                    "dump @/audio.json\n"
                                    "menu \"Project\" \"Parent\"\n"
                                    "expect-window \"Work:\"\n"
                                    "dump @/root.json\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;

    WindowInfo start = FindWindow(session.Dump("start.json"), "Work:");
    ASSERT_TRUE(start.found);
    EXPECT_FALSE((*start.MenuItem("Project", "Parent"))["enabled"].boolean);   // a root
    WindowInfo music = FindWindow(session.Dump("music.json"), "Work:Audio/Music");
    ASSERT_TRUE(music.found);
    EXPECT_TRUE((*music.MenuItem("Project", "Parent"))["enabled"].boolean);
    EXPECT_TRUE(FindWindow(session.Dump("audio.json"), "Work:Audio").found);
    WindowInfo root = FindWindow(session.Dump("root.json"), "Work:");
    ASSERT_TRUE(root.found);
    EXPECT_FALSE((*root.MenuItem("Project", "Parent"))["enabled"].boolean);

    // History: seeded with the volumes, then the assigns; the start drawer
    // and each new drawer added at the end, revisits changing nothing.
    std::vector<std::string> history = start.MenuTexts("History");
    ASSERT_EQ(history.size(), 14u);
    auto at = [&](const std::string &text) { return std::find(history.begin(), history.end(), text) - history.begin(); };
    // The volumes (Work: among them, so the start drawer is already listed)
    // come before the assigns; unused slots are disabled placeholders.
    EXPECT_LT(at("Work:"), at("SYS:"));
    EXPECT_LT(at("RAM:"), at("SYS:"));
    EXPECT_LT(at("Home:"), at("T:"));
    EXPECT_LT(at("SYS:"), 14);
    Visit(history, "Work:Audio");
    Visit(history, "Work:Audio/Music");
    Visit(history, "Work:Audio");
    Visit(history, "Work:");
    EXPECT_EQ(root.MenuTexts("History"), history);
}

TEST(Navigation, HistoryDropsTheOldestKeepsRevisitsAndMindsCase)
{
    Session session;
    for (int i = 1; i <= 15; i++)
        session.MakeDrawer("d" + std::string(i < 10 ? "0" : "") + std::to_string(i));
    session.MakeDrawer("Case");
    session.MakeDrawer("case");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    // Sorted byte by byte: Case, case, d01 … d15.
    std::string script = "wait-idle\ndump @/start.json\n";
    for (int i = 1; i <= 15; i++) {
        std::string name = "Work:d" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        script += DoubleClick(x, w.RowY(i + 1)) + "expect-window \"" + name + "\"\n";
        script += "menu \"Project\" \"Parent\"\nexpect-window \"Work:\"\n";
    }
    script += DoubleClick(x, w.RowY(0)) + "expect-window \"Work:Case\"\nmenu \"Project\" \"Parent\"\n";
    script += "expect-window \"Work:\"\n" + DoubleClick(x, w.RowY(1)) + "expect-window \"Work:case\"\n";
    script += "dump @/visited.json\n";
    // Picking a listed drawer shows it and leaves the list as it is.
    script += "menu \"History\" \"Work:d15\"\nexpect-window \"Work:d15\"\ndump @/picked.json\n";
    RunResult run = session.Run(script, {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;

    std::vector<std::string> history = FindWindow(session.Dump("start.json"), "Work:").MenuTexts("History");
    ASSERT_EQ(history.size(), 14u);
    for (int i = 1; i <= 15; i++) {
        Visit(history, "Work:d" + std::string(i < 10 ? "0" : "") + std::to_string(i));
        Visit(history, "Work:");
    }
    Visit(history, "Work:Case");
    Visit(history, "Work:");
    Visit(history, "Work:case");
    WindowInfo visited = FindWindow(session.Dump("visited.json"), "Work:case");
    ASSERT_TRUE(visited.found);
    std::vector<std::string> shown = visited.MenuTexts("History");
    EXPECT_EQ(shown, history);
    EXPECT_EQ(shown.back(), "Work:case");
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Work:Case"), shown.end());
    EXPECT_EQ(std::find(shown.begin(), shown.end(), "Work:d01"), shown.end());   // dropped as the oldest
    WindowInfo picked = FindWindow(session.Dump("picked.json"), "Work:d15");
    ASSERT_TRUE(picked.found);
    EXPECT_EQ(picked.MenuTexts("History"), shown);
}

TEST(Navigation, ARelativeStartPathBecomesTheFullPathOfThatDrawer)
{
    Session session;
    session.MakeDrawer("Docs/Old");
    // "Docs" is relative to the start drawer (the volume Work:); the lister
    // holds the full path, so Parent and every command line mean that drawer.
    WindowInfo w = session.WindowAtStart("Work:Docs", {"Docs"});
    ASSERT_TRUE(w.found);
    RunResult run = session.Run("wait-idle\n" + DoubleClick(w.InnerLeft() + 20, w.RowY(0)) +
                                    "expect-window \"Work:Docs/Old\"\n"
                                    "menu \"Project\" \"Parent\"\nexpect-window \"Work:Docs\"\n"
                                    "menu \"Project\" \"Parent\"\nexpect-window \"Work:\"\n"
                                    "dump @/parent.json\n",
                                {"Docs"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo root = FindWindow(session.Dump("parent.json"), "Work:");
    ASSERT_TRUE(root.found);
    EXPECT_FALSE((*root.MenuItem("Project", "Parent"))["enabled"].boolean);
}

TEST(Navigation, EmptyStartPathShowsTheCurrentDrawerByItsFullPath)
{
    Session session;
    session.MakeDrawer("Inner");
    session.MakeFile("one", "1");
    WindowInfo w = session.WindowAtStart("Work:", {});
    ASSERT_TRUE(w.found);
    RunResult run = session.Run("wait-idle\n" + DoubleClick(w.InnerLeft() + 20, w.RowY(0)) +
                                    "expect-window \"Work:Inner\"\n"
                                    "menu \"Project\" \"Parent\"\nexpect-window \"Work:\"\n",
                                {});
    EXPECT_EQ(run.status, 0) << run.errors;
}

TEST(Navigation, ADoubleClickOnAFileRunsTheViewerAndLeavesItUnselected)
{
    Session session;
    session.MakeFile("notes.txt", "some notes\n");
    session.MakeFile("other.txt", "other\n");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    // The system's viewer opens a window of its own for the file, named
    // relative to the shown drawer, and for the help file PROGDIR: holds.
    RunResult run = session.Run("wait-idle\nscreenshot @/before.png\n" + DoubleClick(x, w.RowY(0)) +
                                    "expect-window \"notes.txt\"\ndump @/viewer.json\n"
                                    "close \"notes.txt\"\nexpect-no-window \"notes.txt\"\n"
                                    "wait-idle\nscreenshot @/after.png\n"
                                    "activate \"Work:\"\nmenu \"Project\" \"Help\"\n"
                                    "expect-window \"Kestrovane 0.9u\"\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo viewer = FindWindow(session.Dump("viewer.json"), "notes.txt");
    ASSERT_TRUE(viewer.found);
    EXPECT_EQ(viewer.json["text"][0].string, "some notes");
    Png before = session.Shot("before.png"), after = session.Shot("after.png");
    long px = w.InnerLeft() + w.InnerWidth() - 2;
    EXPECT_EQ(after.At(px, w.ListTop()), before.At(px, w.ListTop()));
}

TEST(Navigation, HostileNamesOpenTheirOwnFileAndRunNothingElse)
{
    Session session;
    const std::string hostile = "a\"\ntouch INJECTED\n;";
    session.MakeFile(hostile, "hostile\n");
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    RunResult run = session.Run("wait-idle\n" + DoubleClick(w.InnerLeft() + 20, w.RowY(0)) +
                                    "wait-idle\ndump @/viewer.json\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_FALSE(kvtest::HostExists(session.Tree() + "/INJECTED"));
    EXPECT_FALSE(kvtest::HostExists(session.Tree() + "/a"));
    bool shown = false;
    for (const std::string &title : WindowTitles(session.Dump("viewer.json"))) {
        WindowInfo viewer = FindWindow(session.Dump("viewer.json"), title);
        if (!viewer.json["text"].array.empty() && viewer.json["text"][0].string == "hostile")
            shown = true;
    }
    EXPECT_TRUE(shown);
}

TEST(Navigation, AStartDrawerWithAQuoteOrAnAsteriskInItsNameIsShown)
{
    Session session;
    session.MakeDrawer("q\"x s*nx");
    session.MakeFile("q\"x s*nx/inside", "1");
    WindowInfo w = session.WindowAtStart("Work:q\"x s*nx", {"Work:q\"x s*nx"});
    EXPECT_TRUE(w.found);
}

}  // namespace
}  // namespace e2e
