// The system in the test's own process on the headless display: its environment, waiting for it, input as a person gives it, windows found by title.
#include "headless.h"

#include <hosted/intuition.h>
#include <proto/intuition.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace kvtest {

void UseHeadlessDisplay()
{
    setenv("KESTROVANE_DISPLAY", "headless", 1);
    setenv("KESTROVANE_FONT", "test", 1);
    setenv("KESTROVANE_SCREEN", "1024x768", 1);
    unsetenv("KESTROVANE_SCRIPT");
}

void Settle()
{
    EXPECT_TRUE(hosted::WaitIdle(10000)) << "the system did not become idle";
}

bool WaitUntil(const std::function<bool()> &condition, long milliseconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        hosted::WaitIdle(1000);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void PostHostInput(hosted::HostInputKind kind, LONG x, LONG y, UBYTE button)
{
    hosted::HostInput input;
    input.kind = kind;
    input.x = x;
    input.y = y;
    input.button = button;
    hosted::PostInput(input);
}

void SettledClick(LONG x, LONG y, UBYTE button)
{
    PostHostInput(hosted::HostInputKind::PointerMove, x, y);
    Settle();
    PostHostInput(hosted::HostInputKind::ButtonDown, 0, 0, button);
    Settle();
    PostHostInput(hosted::HostInputKind::ButtonUp, 0, 0, button);
    Settle();
}

struct Window *WindowTitled(const std::string &title, struct Window *except)
{
    struct Screen *screen = LockPubScreen(nullptr);
    if (screen == nullptr)
        return nullptr;
    struct Window *found = nullptr;
    {
        std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
        for (struct Window *w = screen->FirstWindow; w != nullptr && found == nullptr; w = w->NextWindow) {
            if (w != except && w->Title != nullptr && title == reinterpret_cast<const char *>(w->Title))
                found = w;
        }
    }
    UnlockPubScreen(nullptr, screen);
    return found;
}

struct Window *WaitForWindow(const std::string &title, long milliseconds, struct Window *except)
{
    struct Window *found = nullptr;
    WaitUntil([&] { return (found = WindowTitled(title, except)) != nullptr; }, milliseconds);
    // A window is found as soon as it opens, while whoever opens it may
    // still be adding its gadgets and text: let that finish first.
    if (found != nullptr)
        hosted::WaitIdle(10000);
    return found;
}

bool WaitForNoWindow(const std::string &title, long milliseconds)
{
    return WaitUntil([&] { return WindowTitled(title) == nullptr; }, milliseconds);
}

std::vector<std::string> WindowTitles()
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

struct Gadget *GadgetWithId(struct Window *window, UWORD id)
{
    std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
    for (struct Gadget *g = window->FirstGadget; g != nullptr; g = g->NextGadget) {
        if ((g->GadgetType & GTYP_SYSGADGET) == 0 && g->GadgetID == id)
            return g;
    }
    return nullptr;
}

bool CloseGadgetCentre(struct Window *window, LONG &x, LONG &y)
{
    hosted::WindowParts parts;
    if (!hosted::WindowPartsOf(window, parts) || parts.close.Width <= 0)
        return false;
    x = window->LeftEdge + parts.close.Left + parts.close.Width / 2;
    y = window->TopEdge + parts.close.Top + parts.close.Height / 2;
    return true;
}

}  // namespace kvtest
