// User menus through the program: built in the editor, picked on a selection, saved, found again at the next start; a damaged file refused.
#include "session.h"

#include "support/host_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {
namespace {

namespace fs = std::filesystem;

std::string Click(long x, long y) { return "click " + std::to_string(x) + " " + std::to_string(y) + "\n"; }

std::vector<std::string> MenuTitles(const WindowInfo &w)
{
    std::vector<std::string> titles;
    for (const Json &menu : w.json["menus"].array)
        titles.push_back(menu["title"].string);
    return titles;
}

TEST(UserMenus, BuiltInTheEditorRunOnTheSelectionSavedAndFoundAgain)
{
    Session session;
    session.MakeDrawer("Docs");
    session.MakeFile("Docs/a", "1");
    session.MakeFile("Docs/b", "2");
    session.MakeFile("Docs/rec", "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } >> \"" +
                                     session.Root() + "/runs.log\"\n");
    fs::permissions(session.Tree() + "/Docs/rec", fs::perms::owner_all);
    const std::string docs = session.Tree() + "/Docs";
    // Started in a relative drawer, the lister knows its full path, which
    // "%p" gives the command (as the host path the shell hands on).
    WindowInfo w = session.WindowAtStart("Work:Docs", {"Docs"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    const std::string editor = "User menus settings", item = "Usermenuitem function settings";
    Script script;
    script.WaitIdle()
        .Menu("Project", "Settings", "User menus")
        .ExpectWindow(editor)
        .Type("Tools")
        .Gadget(editor, "Add")
        .Screenshot("menus.png")
        .Gadget(editor, "Tools")
        .ExpectWindow("Tools")
        .Type("Each")
        .Gadget("Tools", "Add")
        .Gadget("Tools", "Each")
        .ExpectWindow(item)
        .Gadget(item, "#622")
        .Type("rec %s %p")
        .Screenshot("item.png")
        .Gadget(item, "OK")
        .ExpectWindow("Tools")
        .Gadget("Tools", "OK")
        .ExpectWindow(editor)
        .Gadget(editor, "OK")
        .ExpectNoWindow(editor)
        .WaitIdle()
        .Dump("strip.json")
        // Rows: "a", "b", "rec".
        .Line(Click(x, w.RowY(0)))
        .Line(Click(x, w.RowY(1)))
        .Menu("Tools", "Each")
        .WaitIdle()
        .Menu("Project", "Save settings")
        .WaitIdle();
    RunResult run = session.Run(script.Text(), {"Docs"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo lister = FindWindow(session.Dump("strip.json"), "Work:Docs");
    ASSERT_TRUE(lister.found);
    EXPECT_EQ(MenuTitles(lister), (std::vector<std::string>{"Project", "File", "Sort", "History", "Tools"}));
    EXPECT_EQ(lister.MenuTexts("Tools"), (std::vector<std::string>{"Each"}));
    EXPECT_EQ(kvtest::ReadHostFile(session.Root() + "/runs.log"), "2\n[a]\n[" + docs + "]\n2\n[b]\n[" + docs + "]\n");

    // The file holds the one menu as written; the next start shows it.
    std::string saved = kvtest::ReadHostFile(session.ProgDir() + "/KestrovaneUsermenus.cfg");
    const std::string start("\0\0\0\1Tools\0\0\0\0\0\0\1Each\0\0\0\0rec %s %p\0\0", 34);
    EXPECT_EQ(saved.substr(0, start.size()), start);
    RunResult again = session.Run(Script().WaitIdle().Dump("again.json").Text(), {"Docs"});
    EXPECT_EQ(again.status, 0) << again.errors;
    WindowInfo restarted = FindWindow(session.Dump("again.json"), "Work:Docs");
    ASSERT_TRUE(restarted.found);
    EXPECT_EQ(restarted.MenuTexts("Tools"), (std::vector<std::string>{"Each"}));
}

TEST(UserMenus, ADamagedFileIsRefusedAndNoMenuIsShown)
{
    Session session;
    // One good menu, then a count of eleven items for the second.
    std::vector<uint8_t> bytes = {0, 0, 0, 2, 'O', 'k', 0, 0, 0, 0, 0, 1};
    const uint8_t item[] = {'I', 0, 0, 0, 'x', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 'C', 'O', 'N', ':', 0, 0, 0, 0};
    bytes.insert(bytes.end(), std::begin(item), std::end(item));
    const uint8_t second[] = {'B', 'a', 'd', 0, 0, 0, 0, 11};
    bytes.insert(bytes.end(), std::begin(second), std::end(second));
    session.WriteFileBytes(session.ProgDir() + "/KestrovaneUsermenus.cfg", bytes);
    RunResult run = session.Run(Script()
                                    .ExpectWindow("System Request")
                                    .Dump("refused.json")
                                    .Gadget("System Request", "OK")
                                    .WaitIdle()
                                    .Dump("lister.json")
                                    .Menu("Project", "Save settings")
                                    .WaitIdle()
                                    .Text(),
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo request = FindWindow(session.Dump("refused.json"), "System Request");
    ASSERT_TRUE(request.found);
    std::vector<std::string> text;
    for (const Json &line : request.json["text"].array)
        text.push_back(line.string);
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[0], "PROGDIR:KestrovaneUsermenus.cfg");
    EXPECT_NE(text[1].find("damaged"), std::string::npos);
    WindowInfo lister = FindWindow(session.Dump("lister.json"), "Work:");
    ASSERT_TRUE(lister.found);
    EXPECT_EQ(MenuTitles(lister), (std::vector<std::string>{"Project", "File", "Sort", "History"}));
    // With no menu linked, "Save settings" leaves the file as it was.
    EXPECT_TRUE(kvtest::HostExists(session.ProgDir() + "/Kestrovane.cfg"));
    EXPECT_EQ(session.ReadFileBytes(session.ProgDir() + "/KestrovaneUsermenus.cfg"), bytes);
}

TEST(UserMenus, AFailedSaveLeavesTheOldFileWholeAndNoTemporaryOne)
{
    Session session;
    // One menu "Old" with one item.
    std::vector<uint8_t> old = {0, 0, 0, 1, 'O', 'l', 'd', 0, 0, 0, 0, 1,
                                'I', 0, 0, 0, 'x', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 'C', 'O', 'N', ':', 0, 0, 0, 0};
    session.WriteFileBytes(session.ProgDir() + "/KestrovaneUsermenus.cfg", old);
    const std::string editor = "User menus settings";
    Script script;
    script.WaitIdle()
        .Menu("Project", "Settings", "User menus")
        .ExpectWindow(editor)
        .Type("New")
        .Gadget(editor, "Add")
        .Gadget(editor, "New")
        .ExpectWindow("New")
        .Type("Item")
        .Gadget("New", "Add")
        .Gadget("New", "OK")
        .ExpectWindow(editor)
        .Gadget(editor, "OK")
        .ExpectNoWindow(editor)
        .WaitIdle()
        .Dump("edited.json")
        .Menu("Project", "Save settings")
        .ExpectWindow("System Request")
        .Dump("failed.json")
        .Gadget("System Request", "Abort")
        .WaitIdle();
    RunResult run = session.Run(script.Text(), {"Work:"}, std::string(), {"KESTROVANE_DOS_FAULT=Write:1:221:*Usermenus*"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo edited = FindWindow(session.Dump("edited.json"), "Work:");
    ASSERT_TRUE(edited.found);
    EXPECT_EQ(MenuTitles(edited), (std::vector<std::string>{"Project", "File", "Sort", "History", "Old", "New"}));
    WindowInfo failed = FindWindow(session.Dump("failed.json"), "System Request");
    ASSERT_TRUE(failed.found);
    ASSERT_GE(failed.json["text"].array.size(), 1u);
    EXPECT_EQ(failed.json["text"][0].string, "PROGDIR:KestrovaneUsermenus.cfg");
    EXPECT_EQ(session.ReadFileBytes(session.ProgDir() + "/KestrovaneUsermenus.cfg"), old);
    for (const auto &entry : fs::directory_iterator(session.ProgDir()))
        EXPECT_EQ(entry.path().filename().string().find(".kv"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace e2e
