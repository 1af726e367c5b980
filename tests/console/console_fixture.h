// Helpers of the console tests: the headless display with the test font, console windows found by title, keys as a person types them.
#ifndef TESTS_CONSOLE_FIXTURE_H
#define TESTS_CONSOLE_FIXTURE_H

#include <devices/inputevent.h>
#include <dos/dos.h>
#include <hosted/display.h>
#include <hosted/intuition.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace contest {

// Every test runs on the headless display with the deterministic font
// (12 rows, cells of 8 pixels) and a home of its own.
struct Environment {
    Environment()
    {
        setenv("KESTROVANE_DISPLAY", "headless", 1);
        setenv("KESTROVANE_FONT", "test", 1);
        setenv("KESTROVANE_SCREEN", "1024x768", 1);
        unsetenv("KESTROVANE_SCRIPT");
        char pattern[] = "/tmp/kv-console-home-XXXXXX";
        if (const char *home = mkdtemp(pattern)) {
            setenv("KESTROVANE_HOME", home, 1);
            this->home = home;
        }
    }
    ~Environment()
    {
        if (!home.empty())
            std::system(("rm -rf '" + home + "'").c_str());
    }
    std::string home;
};
inline Environment gEnvironment;

inline void Settle()
{
    EXPECT_TRUE(hosted::WaitIdle(10000)) << "the system did not become idle";
}

// Waits until `condition` holds (another thread's work has reached a
// point), for at most ten seconds; false when it never did.
inline bool WaitFor(const std::function<bool()> &condition)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        hosted::WaitIdle(100);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// The first window of the default screen with this title, or null.
inline struct Window *FindWindow(const std::string &title)
{
    struct Screen *screen = LockPubScreen(nullptr);
    struct Window *found = nullptr;
    {
        std::lock_guard<std::recursive_mutex> guard(hosted::IntuitionLock());
        for (struct Window *w = screen->FirstWindow; w != nullptr; w = w->NextWindow) {
            if (w->Title != nullptr && title == reinterpret_cast<const char *>(w->Title)) {
                found = w;
                break;
            }
        }
    }
    UnlockPubScreen(nullptr, screen);
    return found;
}

inline std::vector<std::string> TextOf(const std::string &title)
{
    struct Window *w = FindWindow(title);
    return w != nullptr ? hosted::WindowTextLines(w) : std::vector<std::string>{};
}

inline bool WaitForWindow(const std::string &title)
{
    return WaitFor([&] { return FindWindow(title) != nullptr; });
}

inline void Key(UWORD rawKey, UWORD qualifier, ULONG character)
{
    hosted::HostInput input;
    input.kind = hosted::HostInputKind::KeyDown;
    input.rawKey = rawKey;
    input.qualifier = qualifier;
    input.character = character;
    hosted::PostInput(input);
    input.kind = hosted::HostInputKind::KeyUp;
    input.character = 0;
    hosted::PostInput(input);
}

// Types text into the active window, key by key.
inline void Type(const std::string &text)
{
    for (char c : text) {
        UWORD raw = hosted::RAWKEY_NONE;
        UWORD qualifier = 0;
        hosted::RawKeyOfCharacter(static_cast<UBYTE>(c), raw, qualifier);
        Key(raw, qualifier, static_cast<UBYTE>(c));
    }
    Settle();
}

inline void Press(const char *name)
{
    UWORD raw = 0;
    ULONG character = 0;
    ASSERT_TRUE(hosted::RawKeyOfName(name, raw, character)) << name;
    Key(raw, 0, character);
    Settle();
}

inline void CtrlBackslash()
{
    Key(0x0D, IEQUALIFIER_CONTROL, '\\');
    Settle();
}

inline void Click(LONG x, LONG y)
{
    hosted::HostInput input;
    input.kind = hosted::HostInputKind::PointerMove;
    input.x = x;
    input.y = y;
    hosted::PostInput(input);
    Settle();
    input.kind = hosted::HostInputKind::ButtonDown;
    hosted::PostInput(input);
    Settle();
    input.kind = hosted::HostInputKind::ButtonUp;
    hosted::PostInput(input);
    Settle();
}

// Clicks the close gadget of the window with this title.
inline void ClickClose(const std::string &title)
{
    struct Window *w = FindWindow(title);
    ASSERT_NE(w, nullptr) << title;
    hosted::WindowParts parts;
    ASSERT_TRUE(hosted::WindowPartsOf(w, parts));
    ASSERT_GT(parts.close.Width, 0) << title << " has no close gadget";
    Click(w->LeftEdge + parts.close.Left + parts.close.Width / 2, w->TopEdge + parts.close.Top + parts.close.Height / 2);
}

inline LONG Put(BPTR file, const std::string &text)
{
    return Write(file, text.data(), static_cast<LONG>(text.size()));
}

}  // namespace contest

#endif  // TESTS_CONSOLE_FIXTURE_H
