// core/requester.cpp: the program's system requesters (AutoRequest): messages, questions and the FaultRequester.
#include "requester.h"

#include "lister.h"

#include <proto/dos.h>
#include <proto/intuition.h>

BOOL SystemRequest(Lister &lister, CONST_STRPTR first, CONST_STRPTR second, CONST_STRPTR positive,
                   CONST_STRPTR negative)
{
    LONG lineHeight = LONG(lister.metrics.ySize) + 2;
    struct IntuiText secondText = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE,
                                   WORD(AUTOTOPEDGE + lineHeight), AUTOITEXTFONT, const_cast<STRPTR>(second),
                                   AUTONEXTTEXT};
    struct IntuiText body = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE, AUTOITEXTFONT,
                             const_cast<STRPTR>(first), second != nullptr ? &secondText : AUTONEXTTEXT};
    struct IntuiText positiveText = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE,
                                     AUTOITEXTFONT, const_cast<STRPTR>(positive), AUTONEXTTEXT};
    struct IntuiText negativeText = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE,
                                     AUTOITEXTFONT, const_cast<STRPTR>(negative), AUTONEXTTEXT};
    return AutoRequest(lister.window, &body, positive != nullptr ? &positiveText : nullptr, &negativeText, 0, 0, 0,
                       0);
}

void MessageRequest(Lister &lister, CONST_STRPTR first, CONST_STRPTR second)
{
    SystemRequest(lister, first, second, nullptr, "OK");
}

void FaultText(Lister &lister)
{
    Fault(IoErr(), nullptr, lister.faultText, FaultTextSize);
    lister.faultText[FaultTextSize - 1] = '\0';
}

BOOL FaultRequester(Lister &lister, CONST_STRPTR objectName, FaultButtons buttons)
{
    FaultText(lister);
    CONST_STRPTR positive = nullptr, negative = "Abort";
    switch (buttons) {
    case FaultButtons::AbortOnly:
        break;
    case FaultButtons::RetryAbort:
        positive = "Retry";
        break;
    case FaultButtons::RetrySkip:
        positive = "Retry";
        negative = "Skip these";
        break;
    case FaultButtons::SkipAbort:
        positive = "Skip";
        break;
    }
    return SystemRequest(lister, objectName, lister.faultText, positive, negative);
}
