// ui/copy_check_dialog.cpp: "Copy checking": its layout, its two lines, six buttons and the versions of both files.
#include "copy_check_dialog.h"

#include <fileops/version.h>
#include <intuition/gadgetclass.h>
#include <proto/intuition.h>

#include <cstdio>
#include <cstring>

namespace {

// Labels and widths (in character widths, margin included) of the buttons.
struct ButtonShape {
    UWORD id;
    CONST_STRPTR label;
    LONG characters;
};

const ButtonShape Buttons[CopyCheckButtonCount] = {
    {CopyCheckSkipId, "Skip", 6},          {CopyCheckSkipAllId, "Skip all", 9},
    {CopyCheckReplaceId, "Replace", 9},    {CopyCheckReplaceAllId, "Replace all", 12},
    {CopyCheckVersionId, "Version", 9},    {CopyCheckAbortId, "Abort", 7},
};

constexpr LONG RowCharacters = 52;   // the six widths together
constexpr UWORD WidthStep = 25;

// The texts of one opening; the labels point into them.
struct CopyCheckTexts {
    char name[sizeof(((struct FileInfoBlock *)nullptr)->fib_FileName)];
    char date[LEN_DATSTRING];
    char time[LEN_DATSTRING];
    char versions[2][VersionTextSize];   // where FindVersion puts the texts it finds
    CONST_STRPTR shown[2];                // the lines 3 and 4: those texts or "Can't find version"
};

// A bounded copy that always ends the text.
void CopyText(STRPTR to, CONST_STRPTR from, size_t size)
{
    size_t length = strnlen(from, size - 1);
    std::memcpy(to, from, length);
    to[length] = '\0';
}

LONG Compare(LONG a, LONG b)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

void SetDisabled(Dialog &dialog, struct Gadget *gadget)
{
    struct TagItem tags[] = {{GA_Disabled, TRUE}, {TAG_DONE, 0}};
    SetGadgetAttrsA(gadget, dialog.window, nullptr, tags);
    RefreshGList(gadget, dialog.window, nullptr, 1);
}

// "Version": the new file's text on line 3, the existing one's on line 4.
void ShowVersions(const CopyCheckContext &context, const CopyConflict &conflict, Dialog &dialog,
                  CopyCheckTexts &texts)
{
    DialogToolkit &toolkit = *context.toolkit;
    const LONG y = LONG(toolkit.glyphs->height);
    CONST_STRPTR newPath = conflict.topLevel ? conflict.source->fib_FileName : conflict.sourcePath;
    texts.shown[0] = FileVersionText(context, newPath, texts.versions[0]);
    texts.shown[1] = FileVersionText(context, conflict.destinationPath, texts.versions[1]);
    AddDialogLabel(dialog, y, 3 * y, texts.shown[0], toolkit.config->WindowTextColor());
    AddDialogLabel(dialog, y, 4 * y, texts.shown[1], toolkit.config->ListerTextColor());
    PaintDialog(toolkit, dialog);
    PresentDialog(toolkit, dialog);
    RefreshGList(dialog.First(), dialog.window, nullptr, -1);
}

}  // namespace

CONST_STRPTR FileVersionText(const CopyCheckContext &context, CONST_STRPTR path, STRPTR text)
{
    CONST_STRPTR result = NoVersionText;
    LONG error = 0;
    (void)FindVersion(path, context.buffer, context.bufferSize, text, result, error);
    return result;
}

void LayOutCopyCheck(const DialogToolkit &toolkit, CopyCheckLayout &layout)
{
    if (layout.computed)
        return;
    const LONG y = LONG(toolkit.glyphs->height), x = LONG(toolkit.glyphs->nominalWidth);
    const LONG need = RowCharacters * x + 2 * y;
    LONG width = toolkit.geometry.innerWidth;
    // Grown until the buttons fit with some room between them: a row that
    // only just fits would leave them touching (a gap of 0).
    const LONG leastGap = x / 2 > 1 ? x / 2 : 1;
    while (width - need <= 0 || (width - need) / 5 < leastGap)
        width += WidthStep;
    const LONG gap = (width - need) / 5;
    layout.left = toolkit.geometry.left;
    layout.top = toolkit.geometry.top;
    layout.innerWidth = UWORD(width);
    layout.innerHeight = UWORD(8 * y);
    LONG left = toolkit.borderLeft + y;
    for (ULONG i = 0; i < CopyCheckButtonCount; i++) {
        DialogBox &box = layout.buttons[i];
        box.width = Buttons[i].characters * x;
        box.height = y;
        box.top = 7 * y;
        if (Buttons[i].id == CopyCheckAbortId) {
            // Its right side one line height inside the right border. The
            // window cannot be resized, so this is a fixed place; measured
            // from the left it needs no knowledge of the right border, which
            // is thinner than the toolkit's (no sizing gadget).
            box.left = toolkit.borderLeft + width - y - box.width;
        } else {
            box.left = left;
            left += box.width + gap;
        }
    }
    layout.computed = TRUE;
}

CONST_STRPTR CopyCheckDateVerdict(const struct DateStamp &newFile, const struct DateStamp &existing)
{
    LONG order = Compare(newFile.ds_Days, existing.ds_Days);
    if (order == 0)
        order = Compare(newFile.ds_Minute, existing.ds_Minute);
    if (order == 0)
        order = Compare(newFile.ds_Tick, existing.ds_Tick);
    if (order > 0)
        return "New file has a more recent date: ";
    if (order < 0)
        return "New file is older: ";
    return "New file has an equal date: ";
}

CopyCheckResult CopyCheck(const CopyCheckContext &context, const CopyConflict &conflict, ConflictMode &mode,
                          ScopedLock &sourceLock)
{
    DialogToolkit &toolkit = *context.toolkit;
    CopyCheckLayout &layout = *context.layout;
    LayOutCopyCheck(toolkit, layout);
    const LONG y = LONG(toolkit.glyphs->height), x = LONG(toolkit.glyphs->nominalWidth);
    const ULONG windowText = toolkit.config->WindowTextColor();

    CopyCheckTexts texts = {};
    CopyText(texts.name, conflict.existing->fib_FileName, sizeof texts.name);
    FormatEntryDate(*context.dates, conflict.source->fib_Date);
    CopyText(texts.date, context.dates->dateText, sizeof texts.date);
    CopyText(texts.time, context.dates->timeText, sizeof texts.time);
    CONST_STRPTR verdict = CopyCheckDateVerdict(conflict.source->fib_Date, conflict.existing->fib_Date);

    Dialog dialog;
    dialog.description = DialogDescription::Own;
    dialog.title = "Copy checking";
    dialog.left = layout.left;
    dialog.top = layout.top;
    dialog.innerWidth = layout.innerWidth;
    dialog.innerHeight = layout.innerHeight;
    AddDialogLabel(dialog, y, y, "Are you sure to overwrite file: ", windowText, texts.name,
                   toolkit.config->ListerTextColor());
    AddDialogLabel(dialog, y, 2 * y, verdict, windowText, texts.date, windowText);
    LONG timeX = y + LONG(GlyphTextWidth(*toolkit.glyphs, verdict) + GlyphTextWidth(*toolkit.glyphs, texts.date)) + x;
    AddDialogLabel(dialog, timeX, 2 * y, texts.time, windowText);
    for (ULONG i = 0; i < CopyCheckButtonCount; i++)
        AddDialogButton(toolkit, dialog, Buttons[i].id, Buttons[i].label, layout.buttons[i]);

    CopyCheckResult result = CopyCheckResult::Abort;
    if (OpenDialog(toolkit, dialog)) {
        for (BOOL answered = FALSE; !answered;) {
            DialogEvent event = WaitDialogEvent(toolkit, dialog);
            answered = TRUE;
            if (event.kind != DialogEvent::Kind::GadgetUp)
                break;   // the close gadget, or anything else: Abort
            switch (event.gadgetId) {
            case CopyCheckSkipId:
                result = CopyCheckResult::Skip;
                break;
            case CopyCheckSkipAllId:
                result = CopyCheckResult::SkipAll;
                break;
            case CopyCheckReplaceId:
                result = CopyCheckResult::Replace;
                break;
            case CopyCheckReplaceAllId:
                result = CopyCheckResult::ReplaceAll;
                break;
            case CopyCheckVersionId:
                if (struct Gadget *version = dialog.Find(CopyCheckVersionId);
                    version != nullptr && (version->Flags & GFLG_DISABLED) == 0) {
                    ShowVersions(context, conflict, dialog, texts);
                    SetDisabled(dialog, version);
                }
                answered = FALSE;
                break;
            default:
                break;
            }
        }
        CloseDialog(toolkit, dialog);
    }

    if (result == CopyCheckResult::SkipAll)
        mode = ConflictMode::SkipAll;
    else if (result == CopyCheckResult::ReplaceAll)
        mode = ConflictMode::ReplaceAll;
    if (result == CopyCheckResult::Skip || result == CopyCheckResult::SkipAll || result == CopyCheckResult::Abort)
        sourceLock.Reset();
    return result;
}
