// "Copy" as a person uses it: clicks, "Set destination" through the requester, "Copy checking", the progress window.
#include "session.h"

#include "support/host_files.h"

#include <settings/config_record.h>

#include <gtest/gtest.h>

#include <dirent.h>

namespace e2e {
namespace {

constexpr uint32_t Inverted = 0xFFFFFF;

// The background pixel of line `row` at its strip's first row (right of the text).
uint32_t LinePixel(const Png &shot, const WindowInfo &w, long row)
{
    return shot.At(w.InnerLeft() + w.InnerWidth() - 2, w.ListTop() + row * FontHeight);
}

// Names in a host drawer that only the copy's temporary or backup files have.
std::vector<std::string> SideNames(const std::string &drawer)
{
    std::vector<std::string> found;
    if (DIR *directory = opendir(drawer.c_str())) {
        while (struct dirent *entry = readdir(directory)) {
            std::string name = entry->d_name;
            if (name.find(".kvnew") != std::string::npos || name.find(".kvold") != std::string::npos)
                found.push_back(name);
        }
        closedir(directory);
    }
    return found;
}

Script &ChooseDestination(Script &script, const std::string &drawer)
{
    return script.Menu("Project", "Set destination")
        .ExpectWindow("Choose drawer")
        .Gadget("Choose drawer", "Volumes")
        .Gadget("Choose drawer", "Work:")
        .Gadget("Choose drawer", drawer)
        .Gadget("Choose drawer", "OK")
        .ExpectNoWindow("Choose drawer");
}

TEST(Copy, TwoFilesAndADrawerWithReplaceAndSkipInCopyChecking)
{
    Session session;
    session.MakeDrawer("src/Drawer/sub");
    session.MakeFile("src/alpha", "new alpha");
    session.MakeFile("src/beta", "new beta");
    session.MakeFile("src/gamma", "not selected");
    session.MakeFile("src/Drawer/x", "x");
    session.MakeFile("src/Drawer/sub/y", "y");
    session.MakeDrawer("dst");
    session.MakeFile("dst/alpha", "old alpha");
    session.MakeFile("dst/beta", "old beta");
    WindowInfo w = session.WindowAtStart("Work:src", {"Work:src"});
    ASSERT_TRUE(w.found);
    // Rows: Drawer, alpha, beta, gamma.
    long x = w.InnerLeft() + 20;
    Script script;
    script.WaitIdle().Screenshot("before.png").Click(x, w.RowY(0)).Click(x, w.RowY(1)).Click(x, w.RowY(2));
    ChooseDestination(script, "dst");
    script.Menu("File", "Copy")
        .ExpectWindow("Copy checking")
        .Dump("first.json")
        .Screenshot("checking.png")
        .Gadget("Copy checking", "Replace")
        .ExpectWindow("Copy checking")
        .Dump("second.json")
        .Gadget("Copy checking", "Skip")
        .ExpectNoWindow("Copy checking")
        .WaitIdle()
        .Screenshot("after.png");
    RunResult run = session.Run(script, {"Work:src"});
    ASSERT_EQ(run.status, 0) << run.errors;

    const std::string dst = session.Tree() + "/dst";
    EXPECT_EQ(kvtest::ReadHostFile(dst + "/alpha"), "new alpha");
    EXPECT_EQ(kvtest::ReadHostFile(dst + "/beta"), "old beta");
    EXPECT_EQ(kvtest::ReadHostFile(dst + "/Drawer/x"), "x");
    EXPECT_EQ(kvtest::ReadHostFile(dst + "/Drawer/sub/y"), "y");
    EXPECT_FALSE(kvtest::HostExists(dst + "/gamma"));
    EXPECT_TRUE(SideNames(dst).empty());

    // The dialog: its own title, the six buttons by their GA_IDs, no sizing gadget.
    WindowInfo first = FindWindow(session.Dump("first.json"), "Copy checking");
    ASSERT_TRUE(first.found);
    const char *labels[] = {"Skip", "Skip all", "Replace", "Replace all", "Version", "Abort"};
    for (long id = 201; id <= 206; id++) {
        const Json *gadget = first.Gadget(id);
        ASSERT_NE(gadget, nullptr) << id;
        EXPECT_EQ((*gadget)["label"].string, labels[id - 201]);
    }
    EXPECT_TRUE(FindWindow(session.Dump("second.json"), "Copy checking").found);

    // Copied rows are deselected, the skipped one stays selected, the
    // unselected one was never touched.
    Png before = session.Shot("before.png"), after = session.Shot("after.png");
    EXPECT_EQ(LinePixel(after, w, 0), LinePixel(before, w, 0));
    EXPECT_EQ(LinePixel(after, w, 1), LinePixel(before, w, 1));
    EXPECT_EQ(LinePixel(after, w, 2), LinePixel(before, w, 2) ^ Inverted);
    EXPECT_EQ(LinePixel(after, w, 3), LinePixel(before, w, 3));
}

TEST(Copy, ALongCopyShowsItsProgressAndItsAbortLeavesNoPartialFile)
{
    Session session;
    session.MakeDrawer("dst");
    session.MakeDrawer("slow");
    for (int i = 0; i < 40; i++)
        session.MakeFile("slow/file" + std::to_string(100 + i), std::string(20000, char('a' + i % 26)));
    ConfigRecord config;
    config.SetCopyDelay(25);   // half a second a file: twenty seconds for all of them
    config.SetCopyDelayEnabled(1);
    session.WriteFileBytes(session.ProgDir() + "/Kestrovane.cfg",
                           std::vector<uint8_t>(config.Bytes(), config.Bytes() + ConfigRecordSize));
    WindowInfo w = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    Script script;
    script.WaitIdle().Screenshot("before.png").Click(x, w.RowY(1));   // dst, slow
    ChooseDestination(script, "dst");
    script.Menu("File", "Copy")
        .ExpectWindow("Copying", 10000)
        .Dump("progress.json")
        .Gadget("Copying", "Abort")
        .ExpectNoWindow("Copying", 10000)
        .WaitIdle()
        .Screenshot("after.png");
    RunResult run = session.Run(script, {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;

    WindowInfo progress = FindWindow(session.Dump("progress.json"), "Copying");
    ASSERT_TRUE(progress.found);
    bool abortButton = false;
    for (const Json &gadget : progress.json["gadgets"].array)
        abortButton = abortButton || gadget["label"].string == "Abort";
    EXPECT_TRUE(abortButton);
    // Whatever was copied is whole; nothing half-written is left.
    const std::string copied = session.Tree() + "/dst/slow";
    int whole = 0;
    for (int i = 0; i < 40; i++) {
        std::string path = copied + "/file" + std::to_string(100 + i);
        if (kvtest::HostExists(path)) {
            EXPECT_EQ(kvtest::ReadHostFile(path), std::string(20000, char('a' + i % 26)));
            whole++;
        }
    }
    EXPECT_LT(whole, 40);
    EXPECT_TRUE(SideNames(copied).empty());
    // Stopped: the drawer stays selected.
    Png before = session.Shot("before.png"), after = session.Shot("after.png");
    EXPECT_EQ(LinePixel(after, w, 1), LinePixel(before, w, 1) ^ Inverted);
}

TEST(Copy, InDoubleKestrovaneTheCopyGoesIntoThePartnersDrawerWhichShowsIt)
{
    Session session("DoubleKestrovane");
    session.MakeFile("readme.txt", "hello\n");
    WindowInfo work = session.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(work.found);
    // Lister 2 starts in RAM:; a file there is copied from it into lister 1's drawer.
    kvtest::WriteHostFile(session.Home() + "/RAM/note.txt", "from RAM\n");
    WindowInfo ram = session.WindowAtStart("RAM:", {"Work:"});
    ASSERT_TRUE(ram.found);
    RunResult run = session.Run(Script()
                                    .WaitIdle()
                                    .Screenshot("before.png")
                                    .Click(ram.InnerLeft() + 20, ram.RowY(1))   // below the drawer T
                                    .Menu("File", "Copy")
                                    .WaitIdle()
                                    .Line("sleep 500")
                                    .WaitIdle()
                                    .Screenshot("after.png"),
                                {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(kvtest::ReadHostFile(session.Tree() + "/note.txt"), "from RAM\n");
    EXPECT_TRUE(SideNames(session.Tree()).empty());
    // Lister 1 read its drawer again: a second line appeared.
    Png before = session.Shot("before.png"), after = session.Shot("after.png");
    long changed = 0;
    for (long y = work.ListTop() + FontHeight; y < work.ListTop() + 2 * FontHeight; y++)
        for (long x = work.InnerLeft(); x < work.InnerLeft() + 60; x++)
            changed += before.At(x, y) != after.At(x, y);
    EXPECT_GT(changed, 0);
}

}  // namespace
}  // namespace e2e
