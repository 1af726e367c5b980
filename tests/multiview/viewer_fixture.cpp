// Helpers of the viewer's tests: the headless display, a drawer of files, starting viewers and driving their windows.
#include "viewer_fixture.h"

#include <dos/dostags.h>
#include <hosted/boopsi.h>
#include <hosted/display.h>
#include <hosted/dos.h>
#include <hosted/intuition.h>
#include <hosted/shell.h>
#include <proto/dos.h>
#include <proto/intuition.h>

#include "support/headless.h"
#include "support/host_files.h"
#include "support/temp_home.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace mvtest {

namespace {

// Set before main: the headless display, the test font, a screen of a
// known size, and a home of the tests' own.
[[maybe_unused]] const std::string &gHome = [] () -> const std::string & {
    kvtest::UseHeadlessDisplay();
    return kvtest::TestHome("kv-multiview-home");
}();

void Post(hosted::HostInputKind kind, LONG x = 0, LONG y = 0)
{
    kvtest::PostHostInput(kind, x, y);
}

}  // namespace

void ViewerTest::SetUp()
{
    ASSERT_TRUE(volume_.Make("kv-multiview"));
    ASSERT_TRUE(volume_.Enter());
    root_ = volume_.Root();
    rootLock_ = volume_.RootLock();
}

void ViewerTest::TearDown()
{
    // Viewers a failed test left open are closed, so the next test starts
    // on an empty screen.
    for (int i = 0; i < 16; i++) {
        std::vector<std::string> titles = WindowTitles();
        if (titles.empty())
            break;
        LONG x = 0, y = 0;
        if (struct Window *w = FindWindow(titles[0]); w != nullptr && kvtest::CloseGadgetCentre(w, x, y))
            Click(x, y);
    }
    EXPECT_TRUE(WaitForBackground());
    volume_.Unmount();
}

std::string ViewerTest::Write(const std::string &name, const std::string &bytes)
{
    kvtest::WriteHostFile(HostPath(name), bytes);
    return HostPath(name);
}

LONG ViewerTest::Start(const std::string &name)
{
    std::string command = "Multiview \"" + name + "\"";
    struct TagItem tags[] = {{SYS_Asynch, TRUE}, {SYS_Input, 0}, {SYS_Output, 0}, {TAG_DONE, 0}};
    return SystemTagList(command.c_str(), tags);
}

void ViewerTest::Settle()
{
    kvtest::Settle();
}

std::vector<std::string> ViewerTest::WindowTitles()
{
    return kvtest::WindowTitles();
}

struct Window *ViewerTest::FindWindow(const std::string &title)
{
    return kvtest::WindowTitled(title);
}

// A viewer draws its window on its own task: the system settles before
// the first look.
struct Window *ViewerTest::WaitForWindow(const std::string &title, long milliseconds)
{
    hosted::WaitIdle(1000);
    return kvtest::WaitForWindow(title, milliseconds);
}

bool ViewerTest::WaitForNoWindow(const std::string &title, long milliseconds)
{
    hosted::WaitIdle(1000);
    return kvtest::WaitForNoWindow(title, milliseconds);
}

std::string ViewerTest::TitleOf(struct Window *window)
{
    std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
    return window->Title != nullptr ? reinterpret_cast<const char *>(window->Title) : "";
}

std::vector<std::string> ViewerTest::TextOf(struct Window *window)
{
    return hosted::WindowTextLines(window);
}

struct Gadget *ViewerTest::GadgetByLabel(struct Window *window, const std::string &label)
{
    std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
    for (struct Gadget *g = window->FirstGadget; g != nullptr; g = g->NextGadget) {
        hosted::GadgetDescription d;
        if (hosted::DescribeGadget(g, &d) && d.label != nullptr && label == d.label)
            return g;
    }
    return nullptr;
}

struct Gadget *ViewerTest::GadgetById(struct Window *window, UWORD id)
{
    return kvtest::GadgetWithId(window, id);
}

void ViewerTest::ScreenBox(struct Window *window, struct Gadget *g, LONG &left, LONG &top, LONG &width,
                           LONG &height)
{
    std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
    left = g->LeftEdge + ((g->Flags & GFLG_RELRIGHT) != 0 ? window->Width - 1 : 0) + window->LeftEdge;
    top = g->TopEdge + ((g->Flags & GFLG_RELBOTTOM) != 0 ? window->Height - 1 : 0) + window->TopEdge;
    width = g->Width + ((g->Flags & GFLG_RELWIDTH) != 0 ? window->Width : 0);
    height = g->Height + ((g->Flags & GFLG_RELHEIGHT) != 0 ? window->Height : 0);
}

void ViewerTest::Click(LONG x, LONG y)
{
    kvtest::SettledClick(x, y);
}

void ViewerTest::ClickGadget(struct Window *window, const std::string &label)
{
    struct Gadget *g = GadgetByLabel(window, label);
    ASSERT_NE(g, nullptr) << "no gadget \"" << label << "\"";
    ASSERT_EQ(g->Flags & GFLG_DISABLED, 0) << "gadget \"" << label << "\" is disabled";
    LONG left, top, width, height;
    ScreenBox(window, g, left, top, width, height);
    Click(left + width / 2, top + height / 2);
}

void ViewerTest::Drag(LONG x1, LONG y1, LONG x2, LONG y2)
{
    Post(hosted::HostInputKind::PointerMove, x1, y1);
    Settle();
    Post(hosted::HostInputKind::ButtonDown);
    hosted::WaitIdle(300);
    for (int step = 1; step <= 8; step++) {
        Post(hosted::HostInputKind::PointerMove, x1 + (x2 - x1) * step / 8, y1 + (y2 - y1) * step / 8);
        hosted::WaitIdle(300);
    }
    Post(hosted::HostInputKind::ButtonUp);
    Settle();
}

void ViewerTest::Key(UWORD rawKey, UWORD qualifier)
{
    hosted::PostKeyStroke(rawKey, qualifier, 0);
    Settle();
}

void ViewerTest::Wheel(LONG steps)
{
    Post(hosted::HostInputKind::Wheel, 0, steps);
    Settle();
}

void ViewerTest::CloseByGadget(struct Window *window)
{
    std::string title = TitleOf(window);
    LONG x = 0, y = 0;
    ASSERT_TRUE(kvtest::CloseGadgetCentre(window, x, y));
    Click(x, y);
    EXPECT_TRUE(WaitForNoWindow(title));
}

bool ViewerTest::WaitForBackground(long milliseconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (hosted::RunningBackgroundCommands() > 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace mvtest
