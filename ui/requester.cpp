// ui/requester.cpp: the program's system requesters (AutoRequest): messages, questions and the FaultRequester.
#include "requester.h"

#include <proto/dos.h>
#include <proto/intuition.h>

#include <cstring>

BOOL SystemRequest(const RequestContext &context, CONST_STRPTR first, CONST_STRPTR second, CONST_STRPTR positive,
                   CONST_STRPTR negative)
{
    LONG lineHeight = LONG(context.lineHeight) + 2;
    struct IntuiText secondText = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE,
                                   WORD(AUTOTOPEDGE + lineHeight), AUTOITEXTFONT, const_cast<STRPTR>(second),
                                   AUTONEXTTEXT};
    struct IntuiText body = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE, AUTOITEXTFONT,
                             const_cast<STRPTR>(first), second != nullptr ? &secondText : AUTONEXTTEXT};
    struct IntuiText positiveText = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE,
                                     AUTOITEXTFONT, const_cast<STRPTR>(positive), AUTONEXTTEXT};
    struct IntuiText negativeText = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE,
                                     AUTOITEXTFONT, const_cast<STRPTR>(negative), AUTONEXTTEXT};
    return AutoRequest(context.window, &body, positive != nullptr ? &positiveText : nullptr, &negativeText, 0, 0, 0,
                       0);
}

void MessageRequest(const RequestContext &context, CONST_STRPTR first, CONST_STRPTR second)
{
    SystemRequest(context, first, second, nullptr, "OK");
}

void FaultText(LONG error, STRPTR text)
{
    if (Fault(error, nullptr, text, FaultTextSize) <= 0)
        text[0] = '\0';
    text[FaultTextSize - 1] = '\0';
}

void ShortenForRequester(CONST_STRPTR name, STRPTR out, ULONG size)
{
    size_t length = std::strlen(name);
    size_t keep = size - 1 < RequesterNameMax ? size - 1 : RequesterNameMax;
    if (length <= keep) {
        std::memcpy(out, name, length + 1);
        return;
    }
    // The start says where, the end says what: keep both.
    size_t head = (keep - 3) / 2, tail = keep - 3 - head;
    std::memcpy(out, name, head);
    std::memcpy(out + head, "...", 3);
    std::memcpy(out + head + 3, name + length - tail, tail);
    out[keep] = '\0';
}

BOOL FaultRequester(const RequestContext &context, CONST_STRPTR objectName, LONG error, FaultButtons buttons)
{
    char reason[FaultTextSize];
    char name[RequesterNameMax + 1];
    FaultText(error, reason);
    ShortenForRequester(objectName, name, sizeof name);
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
    return SystemRequest(context, name, reason, positive, negative);
}
