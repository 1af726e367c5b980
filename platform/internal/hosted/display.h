// hosted/display.h: the display backends, host input, keys, screenshots and script parsing that intuition builds on.
#ifndef HOSTED_DISPLAY_H
#define HOSTED_DISPLAY_H

#include <exec/types.h>

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace hosted {

// --- Frames and backends -----------------------------------------------------

// A rectangle of a frame, in pixels.
struct DisplayRect {
    LONG left = 0;
    LONG top = 0;
    LONG width = 0;
    LONG height = 0;
};

// Where frames are shown and where a person's input comes from. Intuition
// composes the front screen into a BGRA32 frame (memory bytes blue, green,
// red, alpha) and hands it over; a backend only shows it. Every backend
// posts its input with PostInput.
class DisplayBackend {
public:
    virtual ~DisplayBackend() = default;

    // "headless" or "sdl".
    virtual const char *Name() const = 0;

    // From now on shows this frame: width x height pixels, rows bytesPerRow
    // apart. The memory stays valid until the next Show. The backend reads
    // the pixels only while it holds FrameLock(); the compositor writes
    // them only while it holds it.
    virtual void Show(const UBYTE *pixels, LONG width, LONG height, LONG bytesPerRow) = 0;

    // The rectangles of the shown frame changed; only those need to reach
    // the host. Never blocks on the host's display.
    virtual void Present(const DisplayRect *rects, std::size_t count) = 0;

    // The host's bell, if it has one.
    virtual void Beep() {}
};

// Guards the pixels of the shown frame between the compositor and a
// backend that uploads them from a thread of its own.
std::mutex &FrameLock();

// The backend KESTROVANE_DISPLAY names ("sdl" or "headless"). Unset: SDL
// when DISPLAY or WAYLAND_DISPLAY is set and SDL starts. Opened on the
// first call. When no backend can be had, the process ends here with a
// message on stderr that names KESTROVANE_DISPLAY, and status 1.
DisplayBackend &Display();

// The two backends, for Display() and for tests. OpenSdlDisplay returns
// nullptr (with the reason in `error`) when SDL cannot start.
std::unique_ptr<DisplayBackend> OpenHeadlessDisplay();
std::unique_ptr<DisplayBackend> OpenSdlDisplay(std::string &error);

// The size KESTROVANE_SCREEN gives the default public screen ("1280x800"
// when unset or malformed; sizes are kept within 320x200 .. 8192x8192).
void DefaultScreenSize(LONG &width, LONG &height);

// --- Host input ----------------------------------------------------------------

enum class HostInputKind : UBYTE {
    PointerMove,    // x, y: the new pointer position on the front screen
    ButtonDown,     // button
    ButtonUp,       // button
    KeyDown,        // rawKey, qualifier, character
    KeyUp,          // rawKey, qualifier
    Wheel,          // y: steps, negative up
    CloseRequest,   // the host window's close button
};

enum HostButton : UBYTE {
    HostButtonLeft = 0,
    HostButtonRight = 1,
    HostButtonMiddle = 2,
};

// One input event from the host, already in the system's terms.
struct HostInput {
    HostInputKind kind = HostInputKind::PointerMove;
    LONG x = 0;
    LONG y = 0;
    UBYTE button = HostButtonLeft;
    UWORD rawKey = 0;       // raw key number, without IECODE_UP_PREFIX
    UWORD qualifier = 0;    // IEQUALIFIER_ bits of the modifier keys held
    ULONG character = 0;    // the Latin-1 character a KeyDown types, 0 for none
    ULONG seconds = 0;      // when it happened (CurrentTime's clock); set by PostInput
    ULONG micros = 0;
};

// Queues an event for intuition's input task and calls the listener.
// Safe from any thread; never blocks on the input task.
void PostInput(HostInput input);

// Posts a key pressed and released, as a keyboard gives them: KeyDown
// typing `character` (0: none), then KeyUp.
void PostKeyStroke(UWORD rawKey, UWORD qualifier, ULONG character);

// Posts the keystroke that types a Latin-1 character: its key and shift
// state (RawKeyOfCharacter), or RAWKEY_NONE for one that no key types.
void PostCharacter(ULONG character);

// Takes the oldest queued event; false when none is queued.
bool TakeInput(HostInput &input);

// Events queued and not yet taken.
std::size_t QueuedInput();

// Called (from the posting thread) after every PostInput: intuition wakes
// its input task with it.
void SetInputListener(void (*listener)());

// The system clock as CurrentTime gives it: local time in seconds and
// microseconds since 1 January 1978.
void HostTime(ULONG &seconds, ULONG &micros);

// --- Keys ---------------------------------------------------------------------

// The raw key of characters that no key of the keyboard types (text from
// an input method): intuition sends them as IDCMP_VANILLAKEY and to string
// gadgets, never as IDCMP_RAWKEY.
constexpr UWORD RAWKEY_NONE = 0x7F;

// Raw key numbers (US keyboard). A key name of the automation ("Return",
// "Escape", "Tab", "BackSpace", "Delete", "Left", "Right", "Up", "Down",
// "Home", "End", "F1".."F10", "Help", "Space") gives its raw key and the
// character it types (0 for none).
bool RawKeyOfName(const std::string &name, UWORD &rawKey, ULONG &character);

// The key and shift state that type a character; false for characters no
// key of the keyboard types (a backend posts those with rawKey
// RAWKEY_NONE and the character set).
bool RawKeyOfCharacter(ULONG character, UWORD &rawKey, UWORD &qualifier);

// The character a raw key types with these qualifiers (Return 13, Tab 9,
// BackSpace 8, Escape 27, Delete 127), 0 for none.
ULONG CharacterOfRawKey(UWORD rawKey, UWORD qualifier);

// --- Screenshots --------------------------------------------------------------

// Writes width x height BGRA32 pixels as an RGB PNG file. False with the
// reason in `error` when the file cannot be written.
bool WritePng(const std::string &path, const UBYTE *pixels, LONG width, LONG height,
              LONG bytesPerRow, std::string &error);

// Reads an RGB or RGBA PNG back into BGRA32 pixels (tests check
// screenshots with it). False with the reason in `error`.
bool ReadPng(const std::string &path, std::vector<ULONG> &pixels, LONG &width, LONG &height,
             std::string &error);

// --- Automation scripts -------------------------------------------------------

// One command of an automation script: its name and its arguments, quotes
// removed, with the line it stands on.
struct ScriptCommand {
    int line = 0;
    std::string name;
    std::vector<std::string> args;
};

// Parses a whole script: one command a line, "#" starts a comment (outside
// quotes), arguments with blanks in double quotes (\" and \\ inside them).
// Checks every command's name and the number and form of its arguments.
// False with `errorLine` and `error` set at the first bad line.
bool ParseScript(const std::string &text, std::vector<ScriptCommand> &commands, int &errorLine,
                 std::string &error);

}  // namespace hosted

#endif  // HOSTED_DISPLAY_H
