// The system in the test's own process on the headless display: its environment, waiting for it, input as a person gives it, windows found by title.
#ifndef TESTS_SUPPORT_HEADLESS_H
#define TESTS_SUPPORT_HEADLESS_H

#include <hosted/display.h>
#include <intuition/intuition.h>

#include <functional>
#include <string>
#include <vector>

namespace kvtest {

// Sets the environment every in-process test of the display runs in: the
// headless display, the deterministic test font, a 1024x768 default
// screen and no automation script. Call it before the first system call,
// from a static initialiser.
void UseHeadlessDisplay();

// Waits until the system is idle; a test failure when it does not become
// idle within ten seconds.
void Settle();

// Waits until `condition` holds: looks at once, then again each time the
// system has settled (or a second has passed); false when it still does not
// hold after `milliseconds` (0: one look).
bool WaitUntil(const std::function<bool()> &condition, long milliseconds = 10000);

// One input event, posted as the display backend posts it.
void PostHostInput(hosted::HostInputKind kind, LONG x = 0, LONG y = 0, UBYTE button = hosted::HostButtonLeft);

// A click as a person gives it: the pointer moved, the button pressed and
// released, the system settling after each step.
void SettledClick(LONG x, LONG y, UBYTE button = hosted::HostButtonLeft);

// The front-most window of the default public screen with this title (but
// `except`), or nullptr.
struct Window *WindowTitled(const std::string &title, struct Window *except = nullptr);

// The same, waiting up to `milliseconds` for it to appear (see WaitUntil)
// and then until the system is idle, so its gadgets and text are in place;
// nullptr when none appears.
struct Window *WaitForWindow(const std::string &title, long milliseconds = 10000, struct Window *except = nullptr);

// Waits up to `milliseconds` until no window has this title.
bool WaitForNoWindow(const std::string &title, long milliseconds = 10000);

// The titles of the default public screen's windows, front to back.
std::vector<std::string> WindowTitles();

// The window's own (not system) gadget with this GA_ID, or nullptr.
struct Gadget *GadgetWithId(struct Window *window, UWORD id);

// The middle of the window's close gadget in screen pixels; false when the
// window has none.
bool CloseGadgetCentre(struct Window *window, LONG &x, LONG &y);

}  // namespace kvtest

#endif  // TESTS_SUPPORT_HEADLESS_H
