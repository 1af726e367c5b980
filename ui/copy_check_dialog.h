// ui/copy_check_dialog.h: "Copy checking": what to do with a destination file that exists already.
#ifndef UI_COPY_CHECK_DIALOG_H
#define UI_COPY_CHECK_DIALOG_H

#include "dialog.h"

#include <fileops/copy_engine.h>
#include <fileops/version_scan.h>
#include <lister/date_format.h>

// The six buttons, left to right.
enum CopyCheckButton : UWORD {
    CopyCheckSkipId = 201,
    CopyCheckSkipAllId = 202,
    CopyCheckReplaceId = 203,
    CopyCheckReplaceAllId = 204,
    CopyCheckVersionId = 205,
    CopyCheckAbortId = 206
};
constexpr ULONG CopyCheckButtonCount = 6;

// The dialog's own window description, laid out at its first opening and
// kept for the rest of the run (a lister keeps one).
struct CopyCheckLayout {
    BOOL computed = FALSE;
    UWORD left = 0;
    UWORD top = 0;
    UWORD innerWidth = 0;    // widened until the six buttons fit
    UWORD innerHeight = 0;
    DialogBox buttons[CopyCheckButtonCount];
};

// Lays the dialog out from the file-operation geometry, the font and the
// borders of `toolkit`: the inner width grows by 25 pixels until the
// buttons (52 character widths) and two line heights of margin fit, the
// rest is shared out as five gaps. Does nothing once `layout` is computed.
void LayOutCopyCheck(const DialogToolkit &toolkit, CopyCheckLayout &layout);

// What the dialog reads besides the conflict.
struct CopyCheckContext {
    DialogToolkit *toolkit = nullptr;
    CopyCheckLayout *layout = nullptr;
    DateRequest *dates = nullptr;    // the program's DateRequest: the lister's date format
    UBYTE *buffer = nullptr;         // the CopyBuffer, where "Version" reads the heads of files
    ULONG bufferSize = 0;
};

// The verdict of line 2: the new file's date against the existing one's,
// days, then minutes, then ticks, as signed numbers.
CONST_STRPTR CopyCheckDateVerdict(const struct DateStamp &newFile, const struct DateStamp &existing);

// The version text of the file `path` into `text` (VersionTextSize
// bytes): of the program NewLoadSeg loads from it, else of its first bytes
// read into the context's buffer. Returns `text`, or "Can't find version"
// when there is none or the file is empty or cannot be read.
CONST_STRPTR FileVersionText(const CopyCheckContext &context, CONST_STRPTR path, STRPTR text);

// Opens "Copy checking" for `conflict` and waits for an answer: "Skip",
// "Skip all" (mode := SkipAll), "Replace", "Replace all" (mode :=
// ReplaceAll) or "Abort" (also the close gadget and any other message).
// "Version" shows both files' version texts on lines 3 and 4 and is then
// disabled. For Skip, Skip all and Abort the source lock is released.
// A window that cannot open answers Abort: nothing is guessed.
CopyCheckResult CopyCheck(const CopyCheckContext &context, const CopyConflict &conflict, ConflictMode &mode,
                          ScopedLock &sourceLock);

#endif /* UI_COPY_CHECK_DIALOG_H */
