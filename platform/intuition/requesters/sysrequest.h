// requesters/sysrequest.h: the system requester window that AutoRequest, BuildSysRequest and EasyRequest share.
#ifndef REQUESTERS_SYSREQUEST_H
#define REQUESTERS_SYSREQUEST_H

#include <intuition/intuition.h>

#include <string>
#include <vector>

namespace hosted {

// --- Layout: pure geometry, from the font and the room there is -------------------

// Where everything of a system requester lies, inside the window's borders.
struct SysRequestLayout {
    std::vector<std::string> shown;   // the body's lines as drawn: wrapped, cut to the height
    LONG innerWidth = 0;
    LONG innerHeight = 0;
    struct IBox textBox{};            // the recessed box around the body
    LONG textLeft = 0;                // where the lines start, inside the box
    LONG textTop = 0;
    LONG linePitch = 0;               // from one line's top to the next's
    std::vector<struct IBox> buttons; // left to right
};

// Lays a requester out for a font: the body's lines (wrapped at blanks
// where they are wider than a comfortable measure or the room) in a box,
// the buttons in a row under it, all of one width, the first at the left,
// the last at the right, the others spread between; a single button is
// centred. Lines that do not fit in maxInnerHeight are left out and the
// last one shown ends in "...". The result never exceeds maxInnerWidth x
// maxInnerHeight unless the buttons alone are wider.
SysRequestLayout LayoutSysRequest(struct TextFont *font, const std::vector<std::string> &lines,
                                  const std::vector<std::string> &buttons, LONG maxInnerWidth,
                                  LONG maxInnerHeight);

// Breaks one line into lines no wider than `width` pixels in the font:
// at the last blank that fits or after the last "/" of a path, or inside a
// word that is wider on its own. Blanks at the breaks are dropped.
std::vector<std::string> WrapLine(struct TextFont *font, const std::string &line, LONG width);

// --- Texts of EasyRequest ------------------------------------------------------

// Formats a text as the system's formatter does (%s %d %u %x %X %c %b %%,
// "l" accepted, the flags "-" and "0", a width and a ".limit"), taking one
// IPTR of `args` per conversion from args[*next] on; *next ends past the
// last one used. NULL args read as 0.
std::string FormatRequestText(const char *format, const IPTR *args, std::size_t *next);

// --- The requester window --------------------------------------------------------

struct SysRequestParts {
    struct Window *parent = nullptr;    // its screen is used; NULL: the default public screen
    std::string title;
    std::vector<std::string> lines;     // the body, one entry a line
    std::vector<std::string> buttons;   // left to right, at least one
    ULONG idcmp = 0;                    // further IDCMP classes that end the request
};

struct SysRequest;

// Opens the requester window, active, centred over the parent (or the
// screen), its body drawn and its lines given to SetWindowTextLines.
// nullptr when no screen or memory can be had.
SysRequest *OpenSysRequest(const SysRequestParts &parts);

// The record of a requester window, or nullptr for any other window.
SysRequest *SysRequestOf(struct Window *window);
struct Window *SysRequestWindow(const SysRequest *request);

// What ended (or did not end) a wait.
constexpr LONG kSysRequestIdcmp = -1;   // a class of parts.idcmp arrived: *idcmpClass
constexpr LONG kSysRequestNothing = -2; // nothing happened (wait == false)

// Handles the requester's messages: returns the answer as EasyRequest
// numbers its buttons (1 for the leftmost, 2, 3 ... and 0 for the
// rightmost), kSysRequestIdcmp, or with wait == false kSysRequestNothing.
// Return answers with the leftmost button (the only one when alone),
// Escape and the host window's close button with the rightmost, and the
// Amiga key with V or B with the leftmost or the rightmost.
LONG HandleSysRequest(SysRequest *request, ULONG *idcmpClass, bool wait);

// Closes the window, frees the gadgets and gives the parent back the
// activation it had.
void CloseSysRequest(SysRequest *request);

}  // namespace hosted

#endif  // REQUESTERS_SYSREQUEST_H
