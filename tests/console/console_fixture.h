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

#include "support/headless.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace contest {

// Every test runs on the headless display with the deterministic font
// (12 rows, cells of 8 pixels) and a home of its own.
struct Environment {
    Environment()
    {
        kvtest::UseHeadlessDisplay();
        kvtest::TestHome("kv-console-home");
    }
};
inline Environment gEnvironment;

using kvtest::Settle;

// Waits until `condition` holds (another thread's work has reached a
// point), for at most ten seconds; false when it never did.
inline bool WaitFor(const std::function<bool()> &condition)
{
    return kvtest::WaitUntil(condition);
}

// The first window of the default screen with this title, or null.
inline struct Window *FindWindow(const std::string &title)
{
    return kvtest::WindowTitled(title);
}

inline std::vector<std::string> TextOf(const std::string &title)
{
    struct Window *w = FindWindow(title);
    return w != nullptr ? hosted::WindowTextLines(w) : std::vector<std::string>{};
}

inline bool WaitForWindow(const std::string &title)
{
    return kvtest::WaitForWindow(title) != nullptr;
}

inline void Key(UWORD rawKey, UWORD qualifier, ULONG character)
{
    hosted::PostKeyStroke(rawKey, qualifier, character);
}

// Types text into the active window, key by key.
inline void Type(const std::string &text)
{
    for (char c : text)
        hosted::PostCharacter(static_cast<UBYTE>(c));
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

inline void CtrlC()
{
    Key(0x33, IEQUALIFIER_CONTROL, 'c');
    Settle();
}

inline void Click(LONG x, LONG y)
{
    kvtest::SettledClick(x, y);
}

// Clicks the close gadget of the window with this title.
inline void ClickClose(const std::string &title)
{
    struct Window *w = FindWindow(title);
    ASSERT_NE(w, nullptr) << title;
    LONG x = 0, y = 0;
    ASSERT_TRUE(kvtest::CloseGadgetCentre(w, x, y)) << title << " has no close gadget";
    Click(x, y);
}

inline LONG Put(BPTR file, const std::string &text)
{
    return Write(file, text.data(), static_cast<LONG>(text.size()));
}

}  // namespace contest

#endif  // TESTS_CONSOLE_FIXTURE_H
