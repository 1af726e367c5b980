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

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <thread>

namespace mvtest {

namespace {

// Set before main: the headless display, the test font, a screen of a
// known size, and a home of the tests' own.
const std::string *gHome = [] {
    setenv("KESTROVANE_DISPLAY", "headless", 1);
    setenv("KESTROVANE_FONT", "test", 1);
    setenv("KESTROVANE_SCREEN", "1024x768", 1);
    unsetenv("KESTROVANE_SCRIPT");
    char pattern[] = "/tmp/kv-multiview-home-XXXXXX";
    const char *made = mkdtemp(pattern);
    auto *home = new std::string(made != nullptr ? made : "/tmp");
    setenv("KESTROVANE_HOME", home->c_str(), 1);
    return home;
}();

struct HomeCleanup {
    ~HomeCleanup() { std::system(("rm -rf '" + *gHome + "'").c_str()); }
} gCleanup;

void Post(hosted::HostInputKind kind, LONG x = 0, LONG y = 0)
{
    hosted::HostInput input;
    input.kind = kind;
    input.x = x;
    input.y = y;
    hosted::PostInput(input);
}

}  // namespace

void ViewerTest::SetUp()
{
    char pattern[] = "/tmp/kv-multiview-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    std::string volumePath;
    ASSERT_TRUE(hosted::VolumePathOf(root_, volumePath));
    rootLock_ = Lock(volumePath.c_str(), SHARED_LOCK);
    ASSERT_NE(rootLock_, 0);
    oldDir_ = CurrentDir(rootLock_);
}

void ViewerTest::TearDown()
{
    // Viewers a failed test left open are closed, so the next test starts
    // on an empty screen.
    for (int i = 0; i < 16; i++) {
        std::vector<std::string> titles = WindowTitles();
        if (titles.empty())
            break;
        if (struct Window *w = FindWindow(titles[0])) {
            hosted::WindowParts parts;
            if (hosted::WindowPartsOf(w, parts) && parts.close.Width > 0)
                Click(w->LeftEdge + parts.close.Left + parts.close.Width / 2,
                      w->TopEdge + parts.close.Top + parts.close.Height / 2);
        }
    }
    EXPECT_TRUE(WaitForBackground());
    CurrentDir(oldDir_);
    UnLock(rootLock_);
    std::system(("rm -rf '" + root_ + "'").c_str());
}

std::string ViewerTest::Write(const std::string &name, const std::string &bytes)
{
    std::ofstream out(HostPath(name), std::ios::binary | std::ios::trunc);
    out << bytes;
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
    EXPECT_TRUE(hosted::WaitIdle(10000)) << "the system did not become idle";
}

std::vector<std::string> ViewerTest::WindowTitles()
{
    std::vector<std::string> titles;
    struct Screen *screen = LockPubScreen(nullptr);
    if (screen == nullptr)
        return titles;
    {
        std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
        for (struct Window *w = screen->FirstWindow; w != nullptr; w = w->NextWindow)
            titles.push_back(w->Title != nullptr ? reinterpret_cast<const char *>(w->Title) : "");
    }
    UnlockPubScreen(nullptr, screen);
    return titles;
}

struct Window *ViewerTest::FindWindow(const std::string &title)
{
    struct Window *found = nullptr;
    struct Screen *screen = LockPubScreen(nullptr);
    if (screen == nullptr)
        return nullptr;
    {
        std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
        for (struct Window *w = screen->FirstWindow; w != nullptr && found == nullptr; w = w->NextWindow) {
            if (w->Title != nullptr && title == reinterpret_cast<const char *>(w->Title))
                found = w;
        }
    }
    UnlockPubScreen(nullptr, screen);
    return found;
}

struct Window *ViewerTest::WaitForWindow(const std::string &title, long milliseconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        hosted::WaitIdle(1000);
        if (struct Window *w = FindWindow(title))
            return w;
        if (std::chrono::steady_clock::now() > deadline)
            return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool ViewerTest::WaitForNoWindow(const std::string &title, long milliseconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        hosted::WaitIdle(1000);
        if (FindWindow(title) == nullptr)
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
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
    std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
    for (struct Gadget *g = window->FirstGadget; g != nullptr; g = g->NextGadget) {
        if ((g->GadgetType & GTYP_SYSGADGET) == 0 && g->GadgetID == id)
            return g;
    }
    return nullptr;
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
    Post(hosted::HostInputKind::PointerMove, x, y);
    Settle();
    Post(hosted::HostInputKind::ButtonDown);
    Settle();
    Post(hosted::HostInputKind::ButtonUp);
    Settle();
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
    hosted::HostInput input;
    input.kind = hosted::HostInputKind::KeyDown;
    input.rawKey = rawKey;
    input.qualifier = qualifier;
    hosted::PostInput(input);
    input.kind = hosted::HostInputKind::KeyUp;
    hosted::PostInput(input);
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
    hosted::WindowParts parts;
    ASSERT_TRUE(hosted::WindowPartsOf(window, parts));
    Click(window->LeftEdge + parts.close.Left + parts.close.Width / 2,
          window->TopEdge + parts.close.Top + parts.close.Height / 2);
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
