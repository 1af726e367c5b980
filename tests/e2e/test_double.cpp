// DoubleKestrovane: its screen and backdrop, the two listers, their menus and files, a second start and quitting.
#include "session.h"

#include "support/host_files.h"
#include "support/script_run.h"

#include <settings/config_record.h>

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace e2e {
namespace {

namespace fs = std::filesystem;

const char Program[] = "DoubleKestrovane";
const char ScreenName[] = "Double Kestrovane 1";

// A world for DoubleKestrovane; its backdrop picture beside it unless told not to.
struct DoubleSession : Session {
    explicit DoubleSession(bool withPicture = true) : Session(Program)
    {
        if (withPicture)
            fs::copy_file(std::string(KESTROVANE_BIN_DIR) + "/DoubleKestrovane.img", ProgDir() + "/DoubleKestrovane.img");
    }
};

const Json *ScreenOf(const Json &dump, const std::string &publicName)
{
    for (const Json &screen : dump["screens"].array)
        if (screen["public_name"].string == publicName)
            return &screen;
    return nullptr;
}

std::vector<std::string> SubTexts(const WindowInfo &window, const std::string &menu, const std::string &item)
{
    std::vector<std::string> texts;
    for (const Json &m : window.json["menus"].array)
        if (m["title"].string == menu)
            for (const Json &i : m["items"].array)
                if (i["text"].string == item)
                    for (const Json &s : i["sub"].array)
                        texts.push_back(s["text"].string);
    return texts;
}

TEST(DoubleKestrovane, ScreenBackdropListersMenusAndQuit)
{
    DoubleSession session;
    session.MakeDrawer("Audio");
    session.MakeFile("readme.txt", "hello\n");
    RunResult run = session.Run(Script()
                                    .WaitIdle()
                                    .Dump("shown.json")
                                    .Screenshot("shown.png")
                                    .Line("activate \"Work:\"")
                                    .Menu("Project", "Quit")
                                    .ExpectNoWindow("RAM:")
                                    // Lister 1 looks for lister 2's end every 8 ticks.
                                    .Line("sleep 1500")
                                    .Dump("quit.json"),
                                {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;

    Json shown = session.Dump("shown.json");
    const Json *screen = ScreenOf(shown, ScreenName);
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE((*screen)["front"].boolean);
    EXPECT_EQ((*screen)["title"].string, "DoubleKestrovane 0.9u (1aug10)");
    EXPECT_EQ((*screen)["width"].Int(), 1024);   // the default public screen's size
    EXPECT_EQ((*screen)["height"].Int(), 768);
    // Front to back: the listers, then the backdrop as wide as the screen.
    ASSERT_EQ((*screen)["windows"].size(), 3u);
    const Json &backdrop = (*screen)["windows"].array[2];
    EXPECT_EQ(backdrop["width"].Int(), 1024);
    EXPECT_EQ(backdrop["left"].Int(), 0);

    WindowInfo first = FindWindow(shown, "Work:");
    WindowInfo second = FindWindow(shown, "RAM:");
    ASSERT_TRUE(first.found);
    ASSERT_TRUE(second.found);
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(second.left, 512);
    EXPECT_LE(first.width, 512);
    EXPECT_LE(second.width, 512);
    EXPECT_EQ(first.json["gadgets"].size(), 6u);   // the scrollers fit without a size gadget
    EXPECT_GT(first.borderRight, 4);

    // Lister 1: "Root" where "Set destination" was; lister 2: its reduced strip.
    EXPECT_EQ(first.MenuTexts("Project"), (std::vector<std::string>{"Open", "Parent", "Refresh", "Root", "Settings",
                                                                    "Save settings", "Help", "About", "Quit"}));
    EXPECT_EQ(SubTexts(first, "Project", "Settings").size(), 7u);
    EXPECT_EQ(second.MenuTexts("Project"),
              (std::vector<std::string>{"Open", "Parent", "Refresh", "Root", "Settings", "Save settings"}));
    EXPECT_EQ(SubTexts(second, "Project", "Settings"),
              (std::vector<std::string>{"Lister colors", "Windows colors", "Buffer sizes", "User menus"}));
    EXPECT_EQ(second.MenuTexts("File"), first.MenuTexts("File"));
    EXPECT_EQ(second.MenuTexts("Sort"), first.MenuTexts("Sort"));

    // The backdrop shows the picture at 0,0 of the window, below the title bar.
    Png shot = session.Shot("shown.png");
    Png picture;
    ASSERT_TRUE(ReadPng(std::string(KESTROVANE_BIN_DIR) + "/DoubleKestrovane.img", picture));
    long top = backdrop["top"].Int();
    for (long x : {700L, 900L, 1000L})
        for (long y : {450L, 600L, 740L})
            EXPECT_EQ(shot.At(x, y), picture.At(x, y - top)) << x << "," << y;

    // "Quit" in lister 1 closes both listers, the backdrop and the screen.
    Json quit = session.Dump("quit.json");
    EXPECT_EQ(ScreenOf(quit, ScreenName), nullptr);
    EXPECT_TRUE(WindowTitles(quit).empty());
}

TEST(DoubleKestrovane, WithoutPictureTheBackdropIsEmptyAndBothListersWork)
{
    DoubleSession session(false);
    session.MakeDrawer("Audio/Tracks");
    WindowInfo work = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(work.found);
    RunResult run = session.Run(Script()
                                    .WaitIdle()
                                    .Screenshot("empty.png")
                                    .DoubleClick(work.InnerLeft() + 20, work.RowY(0))
                                    .ExpectWindow("Work:Audio")
                                    .Line("activate \"RAM:\"")
                                    .Menu("Project", "Refresh")
                                    .WaitIdle()
                                    .Dump("after.json"),
                                {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    Png shot = session.Shot("empty.png");
    // Nothing drawn: the backdrop is one colour wherever no lister covers it.
    EXPECT_EQ(shot.At(700, 600), shot.At(100, 700));
    EXPECT_EQ(shot.At(1000, 740), shot.At(100, 700));
    // Lister 1 entered the drawer double-clicked.
    EXPECT_TRUE(FindWindow(session.Dump("after.json"), "Work:Audio").found);
    EXPECT_TRUE(FindWindow(session.Dump("after.json"), "RAM:").found);
}

TEST(DoubleKestrovane, SecondListerStartsInRamWithItsOwnColours)
{
    DoubleSession session;
    ConfigRecord second;
    second.SetListerGradientBegin(0x00123456);
    second.SetListerGradientEnd(0x00123456);
    session.WriteFileBytes(session.ProgDir() + "/KestrovaneB.cfg",
                           std::vector<uint8_t>(second.Bytes(), second.Bytes() + ConfigRecordSize));
    RunResult run = session.Run(Script().WaitIdle().Dump("shown.json").Screenshot("shown.png"), {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo ram = FindWindow(session.Dump("shown.json"), "RAM:");
    WindowInfo work = FindWindow(session.Dump("shown.json"), "Work:");
    ASSERT_TRUE(ram.found);
    ASSERT_TRUE(work.found);
    Png shot = session.Shot("shown.png");
    // Below the last entry, the list shows nothing but its gradient.
    long y = ram.InnerTop() + ram.InnerHeight() - 4;
    EXPECT_EQ(shot.At(ram.InnerLeft() + 20, y), 0x123456u);
    // Lister 1 keeps the colours of its own file (none here: the defaults).
    EXPECT_NE(shot.At(work.InnerLeft() + 20, work.InnerTop() + work.InnerHeight() - 4), 0x123456u);
}

TEST(DoubleKestrovane, CloseGadgetBelowARootActsAsParentAndIsGoneAtTheRoot)
{
    DoubleSession session;
    session.MakeDrawer("Audio/Tracks");
    RunResult run = session.Run(Script()
                                    .WaitIdle()
                                    .Close("Work:Audio")
                                    .ExpectWindow("Work:")
                                    .Dump("parent.json"),
                                {"Work:Audio"});
    ASSERT_EQ(run.status, 0) << run.errors;
    Json parent = session.Dump("parent.json");
    EXPECT_TRUE(FindWindow(parent, "Work:").found);
    EXPECT_NE(ScreenOf(parent, ScreenName), nullptr);   // the program goes on

    // At a root the window has no close gadget at all.
    RunResult atRoot = session.Run(Script().WaitIdle().Close("Work:"), {"Work:"});
    EXPECT_EQ(atRoot.status, 2);
    EXPECT_NE(atRoot.errors.find("has no close gadget"), std::string::npos) << atRoot.errors;
}

TEST(DoubleKestrovane, RootCutsThePathAfterTheVolume)
{
    DoubleSession session;
    session.MakeDrawer("Audio/Tracks");
    RunResult run = session.Run(Script()
                                    .WaitIdle()
                                    .Line("activate \"Work:Audio/Tracks\"")
                                    .Menu("Project", "Root")
                                    .ExpectWindow("Work:")
                                    .Dump("root.json"),
                                {"Work:Audio/Tracks"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo root = FindWindow(session.Dump("root.json"), "Work:");
    ASSERT_TRUE(root.found);
    ASSERT_NE(root.MenuItem("Project", "Parent"), nullptr);
    EXPECT_FALSE((*root.MenuItem("Project", "Parent"))["enabled"].boolean);
}

// The help opens on the program's screen; while it stays open there the
// screen cannot close: the person is told once, and the program ends as
// soon as the viewer is closed.
TEST(DoubleKestrovane, HelpOpensOnTheScreenWhichWaitsForItToClose)
{
    DoubleSession session;
    RunResult run = session.Run(Script()
                                    .WaitIdle()
                                    .Line("activate \"Work:\"")
                                    .Menu("Project", "Help")
                                    .ExpectWindow("DoubleKestrovane 0.9u")
                                    .Dump("help.json")
                                    .Line("activate \"Work:\"")
                                    .Menu("Project", "Quit")
                                    .ExpectWindow("System Request")
                                    .Dump("told.json")
                                    .Gadget("System Request", "OK")
                                    .Close("DoubleKestrovane 0.9u")
                                    .ExpectNoWindow("DoubleKestrovane 0.9u")
                                    // The screen is tried again every 50 ticks.
                                    .Line("sleep 1500")
                                    .Dump("closed.json"),
                                {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    Json help = session.Dump("help.json");
    const Json *screen = ScreenOf(help, ScreenName);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ((*screen)["windows"].size(), 4u);
    EXPECT_EQ((*screen)["windows"].array[0]["title"].string, "DoubleKestrovane 0.9u");

    Json toldDump = session.Dump("told.json");
    WindowInfo told = FindWindow(toldDump, "System Request");
    ASSERT_TRUE(told.found);
    ASSERT_FALSE(told.json["text"].array.empty());
    EXPECT_EQ(told.json["text"][0].string, "Close the windows on this screen to quit");
    const Json *toldScreen = ScreenOf(toldDump, ScreenName);
    ASSERT_NE(toldScreen, nullptr);
    EXPECT_EQ((*toldScreen)["windows"].array[0]["title"].string, "System Request");

    Json closed = session.Dump("closed.json");
    EXPECT_EQ(ScreenOf(closed, ScreenName), nullptr);
    EXPECT_TRUE(WindowTitles(closed).empty());
}

// A second start, from another shell, while the first runs: it ends at once
// with 0 and opens nothing. The first then quits on Ctrl-C with 0.
TEST(DoubleKestrovane, SecondStartEndsAtOnceAndTheFirstEndsWithZero)
{
    DoubleSession session;
    kvtest::RunResult second;
    bool registered = false;
    RunResult first = session.Run(
        "", {"Work:"}, std::string(), {"KESTROVANE_SCRIPT="}, [&](long pid) {
            // Lister 2's process is published once it runs.
            auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (!registered && std::chrono::steady_clock::now() < deadline) {
                std::error_code error;
                for (const auto &entry : fs::directory_iterator(session.Home() + "/tasks", error))
                    if (entry.path().filename().string()[0] != '.')
                        registered = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            kvtest::ProgramRun run;
            run.program = session.ProgDir() + "/" + Program;
            run.directory = session.Tree();
            run.environment = kvtest::TestEnvironment(session.Home());
            kvtest::SetVariable(run.environment, "KESTROVANE_DISPLAY=headless");
            run.seconds = 20;
            second = kvtest::RunProgram(run);
            kill(pid_t(pid), SIGINT);
        });
    ASSERT_TRUE(registered);
    EXPECT_FALSE(second.timedOut);
    EXPECT_EQ(second.status, 0) << second.errors;
    EXPECT_EQ(first.status, 0) << first.errors;
}

}  // namespace
}  // namespace e2e
