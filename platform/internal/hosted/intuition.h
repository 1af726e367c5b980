// hosted/intuition.h: what intuition offers the rest of the platform and its tests: its lock, window text lines, frames, idleness.
#ifndef HOSTED_INTUITION_H
#define HOSTED_INTUITION_H

#include <intuition/intuition.h>

#include <mutex>
#include <string>
#include <vector>

namespace hosted {

// The lock that guards intuition's state (screens, windows, gadgets, menus)
// and every window's pixels: graphics takes it around each drawing call
// into a window, the input task while it handles an event, the compositor
// while it reads the windows. Recursive. Never wait for another task while
// holding it.
std::recursive_mutex &IntuitionLock();

// Starts intuition if it is not running: the display (KESTROVANE_DISPLAY),
// the input task, the default public screen and, with KESTROVANE_SCRIPT,
// the automation. Every public call of intuition does this first.
void StartIntuition();

// --- Text a window shows --------------------------------------------------------

// The lines of text a window shows that are not gadgets: the body of a
// requester, the lines of a console window. Whoever draws them sets them
// here so the automation's dump can report them. Ignored for a window
// that is not open.
void SetWindowTextLines(struct Window *window, const std::vector<std::string> &lines);
std::vector<std::string> WindowTextLines(struct Window *window);

// --- The displayed frame ----------------------------------------------------------

// Composes every pending change of the front screen into its frame and
// hands the changed parts to the display.
void FlushDisplay();

// The front screen's composed frame (BGRA32). Valid while the screen stays
// open and in front; call FlushDisplay first to see the latest drawing.
struct FrameView {
    const UBYTE *pixels = nullptr;
    LONG width = 0;
    LONG height = 0;
    LONG bytesPerRow = 0;
};
FrameView FrontFrame();

// One pixel of the front screen's frame as 0x00RRGGBB (flushes first);
// 0 outside the frame.
ULONG FramePixel(LONG x, LONG y);

// --- Idleness --------------------------------------------------------------------

// True when the system is idle: every task (but the automation's) waits
// with no waited-for signal pending, no host input is queued or being
// handled, nothing is left to compose, and this stayed so over a short
// look (ActivityCount did not move).
bool SystemIdle();

// Waits until SystemIdle(); false when it is not idle within the time.
bool WaitIdle(long milliseconds);

// --- Window frames -----------------------------------------------------------------

// The parts of a window's frame, in window coordinates; a part the window
// lacks has Width 0.
struct WindowParts {
    struct IBox close{};
    struct IBox depth{};
    struct IBox size{};
    struct IBox dragBar{};
};
bool WindowPartsOf(struct Window *window, WindowParts &parts);

// The screen's title bar depth gadget, in screen coordinates (Width 0 when
// the bar is hidden).
struct IBox ScreenDepthGadget(struct Screen *screen);

}  // namespace hosted

#endif  // HOSTED_INTUITION_H
