// ui/requester.h: system requesters: the FaultRequester, messages with one button, and yes/no questions.
#ifndef UI_REQUESTER_H
#define UI_REQUESTER_H

#include <exec/types.h>

#include <fileops/fault_buttons.h>

struct Window;

// What a requester needs to know of the program: the window it belongs to
// (nullptr: the default public screen) and the screen font's height, which
// spaces the lines of its body. Cheap to copy; every lister, dialog and
// settings window can make one.
struct RequestContext {
    struct Window *window = nullptr;
    ULONG lineHeight = 8;
};


constexpr ULONG FaultTextSize = 81;

// The longest object name a requester shows whole; a longer one keeps its
// start and its end with "..." between, so that the line with the reason
// below it always fits the screen.
constexpr ULONG RequesterNameMax = 120;

// A two-button request: a body of one or two lines (`second` may be
// nullptr), a left (positive) button that may be missing and a right
// (negative) one, shown with AutoRequest. TRUE for the left button.
BOOL SystemRequest(const RequestContext &context, CONST_STRPTR first, CONST_STRPTR second, CONST_STRPTR positive,
                   CONST_STRPTR negative);

// A message with the single button "OK".
void MessageRequest(const RequestContext &context, CONST_STRPTR first, CONST_STRPTR second = nullptr);

// FaultText: the system's text for `error` into `text` (FaultTextSize
// bytes, no header).
void FaultText(LONG error, STRPTR text);

// The FaultRequester: a request whose body is the object name and the
// system's text for `error`, the code captured right after the failing
// call (IoErr may have changed since). TRUE for the left button.
BOOL FaultRequester(const RequestContext &context, CONST_STRPTR objectName, LONG error, FaultButtons buttons);

// Shortens `name` for a requester line into `out` (`size` bytes): names up
// to RequesterNameMax characters stay whole.
void ShortenForRequester(CONST_STRPTR name, STRPTR out, ULONG size);

#endif /* UI_REQUESTER_H */
