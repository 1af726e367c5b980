// core/requester.cpp: the program's system requesters, through AutoRequest or drawn by the dialog toolkit.
#include "requester.h"

#include "lister.h"

#include <proto/dos.h>
#include <proto/intuition.h>

#include <algorithm>

namespace {

#ifdef KESTROVANE_HAVE_AUTOREQUEST

BOOL AutoRequestOf(Lister &lister, CONST_STRPTR first, CONST_STRPTR second, CONST_STRPTR positive,
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

#else

enum : UWORD { NegativeButton = 0, PositiveButton = 1 };

// The request drawn by the toolkit: the lines on the windows gradient and
// the buttons under them, the positive one on the left.
BOOL ToolkitRequest(Lister &lister, CONST_STRPTR first, CONST_STRPTR second, CONST_STRPTR positive,
                    CONST_STRPTR negative)
{
    DialogToolkit &toolkit = lister.dialogs;
    const LONG y = LONG(lister.metrics.ySize), x = LONG(std::max<ULONG>(lister.metrics.xSize, 1));
    const LONG pitch = y + y / 4;
    const LONG buttonHeight = y + y / 2;
    CONST_STRPTR lines[2] = {first, second};
    ULONG lineCount = second != nullptr ? 2 : 1;

    LONG textWidth = 0;
    for (ULONG i = 0; i < lineCount; i++)
        if (lines[i] != nullptr && lister.glyphs.table != nullptr)
            textWidth = std::max<LONG>(textWidth, LONG(GlyphTextWidth(lister.glyphs, lines[i])));
    auto buttonWidth = [&](CONST_STRPTR label) {
        LONG measured = lister.glyphs.table != nullptr ? LONG(GlyphTextWidth(lister.glyphs, label)) : 0;
        return std::max<LONG>(8 * x, measured + 2 * x);
    };
    LONG negativeWidth = buttonWidth(negative);
    LONG positiveWidth = positive != nullptr ? buttonWidth(positive) : 0;
    LONG innerWidth = std::max<LONG>({textWidth + 2 * y, positiveWidth + negativeWidth + 3 * y, 200});
    if (toolkit.canvas.width != 0)
        innerWidth = std::min<LONG>(innerWidth, LONG(toolkit.canvas.width));

    Dialog dialog;
    dialog.description = DialogDescription::Request;
    dialog.title = "System Request";
    dialog.innerWidth = UWORD(innerWidth);
    LONG buttonTop = y + LONG(lineCount) * pitch + y / 2;
    dialog.innerHeight = UWORD(buttonTop + buttonHeight + y / 2);
    ULONG colour = lister.config.WindowTextColor();
    for (ULONG i = 0; i < lineCount; i++)
        AddDialogLabel(dialog, y, y / 2 + LONG(i) * pitch + y / 2, lines[i], colour);

    const LONG top = toolkit.borderTop + buttonTop;
    if (positive != nullptr)
        AddDialogButton(toolkit, dialog, PositiveButton, positive,
                        DialogBox{toolkit.borderLeft + y, top, positiveWidth, buttonHeight, FALSE});
    AddDialogButton(toolkit, dialog, NegativeButton, negative, DialogBox{y, top, negativeWidth, buttonHeight, TRUE});
    if (!OpenDialog(toolkit, dialog))
        return FALSE;
    DialogEvent event = WaitDialogEvent(toolkit, dialog);
    CloseDialog(toolkit, dialog);
    return event.kind == DialogEvent::Kind::GadgetUp && event.gadgetId == PositiveButton;
}

#endif

}  // namespace

BOOL SystemRequest(Lister &lister, CONST_STRPTR first, CONST_STRPTR second, CONST_STRPTR positive,
                   CONST_STRPTR negative)
{
#ifdef KESTROVANE_HAVE_AUTOREQUEST
    return AutoRequestOf(lister, first, second, positive, negative);
#else
    return ToolkitRequest(lister, first, second, positive, negative);
#endif
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
