// core/requester.h: system requesters: the FaultRequester, messages with one button, and yes/no questions.
#ifndef CORE_REQUESTER_H
#define CORE_REQUESTER_H

#include <exec/types.h>

struct Lister;

// A two-button request on the lister's window: a body of one or two lines
// (`second` may be nullptr), a left (positive) button that may be missing
// and a right (negative) one, shown with AutoRequest. Returns TRUE for the
// left button.
BOOL SystemRequest(Lister &lister, CONST_STRPTR first, CONST_STRPTR second, CONST_STRPTR positive,
                   CONST_STRPTR negative);

// A message with the single button "OK".
void MessageRequest(Lister &lister, CONST_STRPTR first, CONST_STRPTR second = nullptr);

// The FaultRequester's button pairs.
enum class FaultButtons : UBYTE {
    AbortOnly,     // "Abort"
    RetryAbort,    // "Retry" / "Abort"
    RetrySkip,     // "Retry" / "Skip these"
    SkipAbort      // "Skip" / "Abort"
};

// FaultText: the system's text for IoErr() into lister.faultText (81 bytes,
// no header).
void FaultText(Lister &lister);

// FaultText, then a request whose body is the object name and that text.
// TRUE for the left button.
BOOL FaultRequester(Lister &lister, CONST_STRPTR objectName, FaultButtons buttons);

#endif /* CORE_REQUESTER_H */
