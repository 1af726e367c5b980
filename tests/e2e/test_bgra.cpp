// KestrovaneBMBGRA: the lister drawn straight into a BGRA32 screen bitmap looks and behaves as Kestrovane's.
#include "settings_script.h"

#include "support/host_files.h"

#include <gtest/gtest.h>

#include <utime.h>

#include <cstdlib>

namespace e2e {
namespace {

const std::string Bgra = "KestrovaneBMBGRA";
constexpr uint32_t Inverted = 0xFFFFFF;

// The same drawer in every session: a drawer and `files` files, all dated
// alike (long ago, so that no day name depends on when the test runs).
void SameDrawer(const Session &session, int files)
{
    session.MakeDrawer("Archive");
    for (int i = 0; i < files; i++)
        session.MakeFile("file" + std::to_string(100 + i), std::string(size_t(i % 7 + 1), 'x'));
    struct utimbuf times = {1583325296, 1583325296};
    ASSERT_EQ(utime((session.Tree() + "/Archive").c_str(), &times), 0);
    for (int i = 0; i < files; i++)
        ASSERT_EQ(utime((session.Tree() + "/file" + std::to_string(100 + i)).c_str(), &times), 0);
}

// Every pixel of the window's inside that differs between two screenshots.
long Differing(const Png &a, const Png &b, const WindowInfo &w)
{
    long count = 0;
    for (long y = w.InnerTop(); y < w.InnerTop() + w.InnerHeight(); y++)
        for (long x = w.InnerLeft(); x < w.InnerLeft() + w.InnerWidth(); x++)
            count += a.At(x, y) != b.At(x, y);
    return count;
}

bool SamePicture(const Png &a, const Png &b)
{
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

TEST(Bgra, TheSameDrawerLooksTheSameAsInKestrovaneAndSelectsAndScrollsAlike)
{
    Session kestrovane, bgra(Bgra);
    SameDrawer(kestrovane, 100);
    SameDrawer(bgra, 100);
    WindowInfo w = bgra.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    const Json &scroller = *w.Gadget(2);
    long knobX = scroller["left"].Int() + scroller["width"].Int() / 2;
    long knobY = scroller["top"].Int() + 20;
    long x = w.InnerLeft() + 20;
    Script script;
    script.WaitIdle().Screenshot("start.png").Click(x, w.RowY(2)).WaitIdle().Screenshot("selected.png");
    // Back through other lines, so that no two clicks make a double-click.
    script.Click(x, w.RowY(3)).Click(x, w.RowY(2)).Click(x, w.RowY(3)).WaitIdle().Screenshot("restored.png");
    script.Menu("Project", "Settings", "Lister colors").ExpectWindow("Listers colors settings").WaitIdle()
        .Screenshot("colours.png").Gadget("Listers colors settings", "Cancel").ExpectNoWindow("Listers colors settings");
    script.Gadget("Work:", "#0").WaitIdle().Screenshot("scrolled.png");
    script.Line("drag " + std::to_string(knobX) + " " + std::to_string(knobY) + " " + std::to_string(knobX) + " " +
                std::to_string(knobY + 150) + " 6")
        .WaitIdle().Screenshot("dragged.png");
    for (Session *session : {&kestrovane, &bgra}) {
        RunResult run = session->Run(script, {"Work:"});
        ASSERT_EQ(run.status, 0) << run.errors;
    }

    // Every screenshot of the one is the other's, status line and dialog included.
    for (const char *name : {"start.png", "selected.png", "restored.png", "colours.png", "scrolled.png", "dragged.png"})
        EXPECT_TRUE(SamePicture(bgra.Shot(name), kestrovane.Shot(name))) << name;

    // The configured colours: the gradient's first and last colours, the
    // drawer and the file names.
    const ConfigRecord defaults;
    Png start = bgra.Shot("start.png");
    EXPECT_EQ(start.At(w.InnerLeft() + w.InnerWidth() - 2, w.ListTop()), defaults.ListerGradientBegin());
    auto countOf = [&](long row, uint32_t colour) {
        long count = 0;
        for (long y = w.ListTop() + row * FontHeight; y < w.ListTop() + (row + 1) * FontHeight; y++)
            for (long px = w.InnerLeft(); px < w.InnerLeft() + 8 * FontWidth; px++)
                count += start.At(px, y) == colour;
        return count;
    };
    EXPECT_GT(countOf(0, defaults.DrawerTextColor()), 10);
    EXPECT_EQ(countOf(0, defaults.ListerTextColor()), 0);
    EXPECT_GT(countOf(1, defaults.ListerTextColor()), 10);
    EXPECT_EQ(countOf(1, defaults.DrawerTextColor()), 0);

    // A click inverts exactly line 2's band; the clicks after it restore it.
    Png selected = bgra.Shot("selected.png");
    const long bandTop = w.ListTop() + 2 * FontHeight;
    long outside = 0;
    for (long y = w.InnerTop(); y < w.InnerTop() + w.InnerHeight(); y++)
        for (long px = w.InnerLeft(); px < w.InnerLeft() + w.InnerWidth(); px++) {
            bool band = y >= bandTop && y < bandTop + FontHeight;
            if (band)
                ASSERT_EQ(selected.At(px, y), start.At(px, y) ^ Inverted) << px << "," << y;
            else
                outside += selected.At(px, y) != start.At(px, y);
        }
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(Differing(bgra.Shot("restored.png"), start, w), 0);

    // One arrow click moves the list up 30 rows: the rows below come up.
    Png scrolled = bgra.Shot("scrolled.png");
    const long visible = w.InnerHeight() - StatusHeight;
    for (long y = 0; y + 30 < visible; y++)
        for (long px = w.InnerLeft(); px < w.InnerLeft() + w.InnerWidth(); px += 3)
            ASSERT_EQ(scrolled.At(px, w.ListTop() + y), start.At(px, w.ListTop() + y + 30)) << px << "," << y;
    EXPECT_GT(Differing(bgra.Shot("dragged.png"), scrolled, w), 0);
}

TEST(Bgra, AFileOperationOnTheSelectionEndsInTheSamePictureAsKestrovanes)
{
    Session kestrovane, bgra(Bgra);
    SameDrawer(kestrovane, 12);
    SameDrawer(bgra, 12);
    WindowInfo w = bgra.WindowAtStart("Work:", {"Work:"});
    ASSERT_TRUE(w.found);
    long x = w.InnerLeft() + 20;
    Script script;
    script.WaitIdle().Click(x, w.RowY(2)).Click(x, w.RowY(4)).WaitIdle().Screenshot("selected.png")
        .Menu("File", "Delete").ExpectWindow("System Request").Gadget("System Request", "Delete")
        .ExpectNoWindow("System Request").ExpectWindow("Work:").WaitIdle().Screenshot("deleted.png");
    for (Session *session : {&kestrovane, &bgra}) {
        RunResult run = session->Run(script, {"Work:"});
        ASSERT_EQ(run.status, 0) << run.errors;
    }
    EXPECT_TRUE(SamePicture(bgra.Shot("selected.png"), kestrovane.Shot("selected.png")));
    EXPECT_TRUE(SamePicture(bgra.Shot("deleted.png"), kestrovane.Shot("deleted.png")));
    // Lines 2 and 4 were file101 and file103: gone, and the drawer read again.
    EXPECT_FALSE(kvtest::HostExists(bgra.Tree() + "/file101"));
    EXPECT_FALSE(kvtest::HostExists(bgra.Tree() + "/file103"));
    EXPECT_TRUE(kvtest::HostExists(bgra.Tree() + "/file102"));
    EXPECT_GT(Differing(bgra.Shot("deleted.png"), bgra.Shot("selected.png"), w), 0);
}

TEST(Bgra, ItsSettingsFileCarriesTheStatusLineSizeAndKestrovaneReadsIt)
{
    Session bgra(Bgra);
    SameDrawer(bgra, 3);
    ConfigRecord written;   // what Kestrovane saves: a Bitmap buffer of 12 Mb
    written.SetSortOrder(1);
    WriteConfig(bgra, written);
    RunResult run = bgra.Run(Script().WaitIdle().Dump("start.json").Menu("Sort", "Date").Text() + SaveSettings(true),
                             {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    Json start = bgra.Dump("start.json");
    EXPECT_FALSE(FindWindow(start, "System Request").found);
    WindowInfo w = FindWindow(start, "Work:");
    ASSERT_TRUE(w.found);
    std::vector<uint8_t> saved = bgra.ReadFileBytes(ConfigPath(bgra));
    ASSERT_EQ(saved.size(), size_t(ConfigRecordSize));
    ConfigRecord record;
    std::copy(saved.begin(), saved.end(), record.Bytes());
    const unsigned long statusLine = (1024 - w.borderLeft - w.borderRight) * 4 * StatusHeight;
    EXPECT_EQ(record.BitmapSize(), statusLine);
    EXPECT_EQ(record.SortOrder(), 3);
    ConfigRecord expected = written;
    expected.SetBitmapSize(statusLine);
    expected.SetSortOrder(3);
    EXPECT_EQ(Differences(saved, BytesOf(expected)), "");

    // Read by itself again: nothing to say about the field.
    run = bgra.Run(Script().WaitIdle().Dump("again.json"), {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_FALSE(FindWindow(bgra.Dump("again.json"), "System Request").found);

    // Read by Kestrovane: a Bitmap buffer that small is no size its window
    // offers, so the default is used and said; every other setting holds.
    Session kestrovane;
    SameDrawer(kestrovane, 3);
    kestrovane.WriteFileBytes(ConfigPath(kestrovane), saved);
    run = kestrovane.Run("expect-window \"System Request\"\ndump @/reset.json\ngadget \"System Request\" \"OK\"\n"
                         "expect-window \"Work:\"\nwait-idle\ndump @/lister.json\n",
                         {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(RequesterText(kestrovane.Dump("reset.json")).find("Bitmap buffer"), std::string::npos);
    WindowInfo lister = FindWindow(kestrovane.Dump("lister.json"), "Work:");
    ASSERT_TRUE(lister.found);
    const Json *date = lister.MenuItem("Sort", "Date");
    ASSERT_NE(date, nullptr);
    EXPECT_TRUE((*date)["checked"].boolean);
}

TEST(Bgra, APictureThatCannotBeAllocatedShowsTheLinesThatFitAndTheProgramGoesOn)
{
    Session bgra(Bgra);
    SameDrawer(bgra, 999);
    // The BufferSet fits under the limit, the picture of 1000 lines does not.
    RunResult run = bgra.Run("expect-window \"System Request\"\ndump @/request.json\n"
                             "gadget \"System Request\" \"OK\"\nexpect-no-window \"System Request\"\n"
                             "wait-idle\nscreenshot @/shown.png\n"
                             // Still going: read again, the same picture is short again.
                             "menu \"Project\" \"Refresh\"\nexpect-window \"System Request\"\n"
                             "gadget \"System Request\" \"OK\"\nexpect-no-window \"System Request\"\n"
                             "wait-idle\ndump @/after.json\n",
                             {"Work:"}, std::string(), {"KESTROVANE_ALLOC_LIMIT=8000000"});
    ASSERT_EQ(run.status, 0) << run.errors;
    std::string text = RequesterText(bgra.Dump("request.json"));
    ASSERT_EQ(text.rfind("To little memory for bitmap\n", 0), 0u) << text;
    long shown = std::strtol(text.c_str() + text.find('\n') + 1, nullptr, 10);
    EXPECT_GT(shown, 100);
    EXPECT_LT(shown, 1000);
    EXPECT_NE(text.find(" of 1000 entries shown: the system has no memory for a larger picture"), std::string::npos)
        << text;
    EXPECT_EQ(FindWindow(bgra.Dump("request.json"), "System Request").json["gadgets"].size(), 1u);
    WindowInfo w = FindWindow(bgra.Dump("after.json"), "Work:");
    ASSERT_TRUE(w.found);
    // The lines that fit are drawn: the first one in the drawer colour.
    Png picture = bgra.Shot("shown.png");
    long inked = 0;
    for (long y = w.ListTop(); y < w.ListTop() + FontHeight; y++)
        for (long px = w.InnerLeft(); px < w.InnerLeft() + 8 * FontWidth; px++)
            inked += picture.At(px, y) == ConfigRecord().DrawerTextColor();
    EXPECT_GT(inked, 10);
}

TEST(Bgra, TheSettingsWindowsLeaveOutTheBitmapRowsAndRestartStartsAgain)
{
    Session bgra(Bgra);
    SameDrawer(bgra, 3);
    RunResult run = bgra.Run(OpenSettings("Buffer sizes", "Buffers sizes settings") + "dump @/buffers.json\n" +
                                 Retype("Buffers sizes settings", BufferFieldId(0), "2") +
                                 "gadget \"Buffers sizes settings\" \"Restart\"\nexpect-window \"SYS:\"\n"
                                 "wait-idle\nmenu \"History\" \"Work:\"\nexpect-window \"Work:\"\n"
                                 "wait-idle\nscreenshot @/back.png\n" +
                                 OpenSettings("Lister view", "Lister view settings") + "dump @/view.json\n" +
                                 Finish("Lister view settings", "Cancel") + "menu \"Project\" \"About\"\n"
                                 "expect-window \"System Request\"\ndump @/about.json\n",
                             {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo buffers = FindWindow(bgra.Dump("buffers.json"), "Buffers sizes settings");
    ASSERT_TRUE(buffers.found);
    for (long row = 0; row < 4; row++)
        EXPECT_NE(buffers.Gadget(BufferSliderId(ULONG(row))), nullptr) << row;
    EXPECT_EQ(buffers.Gadget(BufferSliderId(4)), nullptr);
    EXPECT_EQ(buffers.Gadget(BufferFieldId(4)), nullptr);
    WindowInfo view = FindWindow(bgra.Dump("view.json"), "Lister view settings");
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.Gadget(NoCgxWpaId), nullptr);
    EXPECT_EQ(RequesterText(bgra.Dump("about.json")), "KestrovaneBMBGRA 0.9u (1aug10)\n");

    // After "Restart" the drawer is drawn again in a new picture, as at the start.
    Session kestrovane;
    SameDrawer(kestrovane, 3);
    ASSERT_EQ(kestrovane.Run("wait-idle\nscreenshot @/start.png\n", {"Work:"}).status, 0);
    EXPECT_TRUE(SamePicture(bgra.Shot("back.png"), kestrovane.Shot("start.png")));
}

TEST(Bgra, NoMemoryForTheBuffersEndsTheStartWithItsOwnMessage)
{
    Session bgra(Bgra);
    RunResult run = bgra.Run("wait-idle\ndump @/nothing.json\n", {"Work:"}, std::string(),
                             {"KESTROVANE_ALLOC_LIMIT=1000000"});
    Json dump = bgra.Dump("nothing.json");
    std::string shown = run.errors;
    for (const Json &screen : dump["screens"].array)
        for (const Json &window : screen["windows"].array)
            for (const Json &line : window["text"].array)
                shown += line.string + "\n";
    EXPECT_NE(shown.find("To little memory for Kestrovane_BMBGRA to start"), std::string::npos) << shown;
    EXPECT_FALSE(FindWindow(dump, "Work:").found);
}

}  // namespace
}  // namespace e2e
