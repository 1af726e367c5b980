// fileops/version.h: Version: the version text of one file, and of each selected file in turn.
#ifndef FILEOPS_VERSION_H
#define FILEOPS_VERSION_H

#include "control.h"
#include "selection_walk.h"
#include "version_scan.h"

// What became of one file.
enum class VersionOutcome : UBYTE {
    Found,        // the text is the version, or NoVersionText when it has none
    Empty,        // not loadable and of size 0: nothing to show
    Unopenable,   // not loadable and it cannot be opened: nothing to show
    ReadFailed,   // not loadable and Read failed: nothing to show
    LockFailed    // not loadable and it cannot be locked; `error` says why
};

// The version of one file, `name`: as a program loaded by NewLoadSeg, its
// segments' VersionScan; otherwise Lock (SHARED_LOCK), Examine, Open, Read
// at most `size` bytes into `buffer` (the CopyBuffer) and VersionScan over
// the bytes read. `text` (VersionTextSize bytes) receives the text; the
// result points at it or at NoVersionText, for every outcome. `error` is
// the code of a failed Lock or Examine (0 otherwise). Everything taken is
// given back before it returns.
[[nodiscard]] VersionOutcome FindVersion(CONST_STRPTR name, UBYTE *buffer, ULONG size, STRPTR text, CONST_STRPTR &result,
                           LONG &error);

class VersionControl : public OperationControl {
public:
    // The version text of the file `name` (NoVersionText when none).
    virtual void ShowVersion(CONST_STRPTR name, CONST_STRPTR text) = 0;
};

// Version over the selection: drawers are passed over and stay selected;
// each file's FindVersion is shown (ShowVersion) and the entry ActedOn. An
// empty or unopenable file is passed over and stays selected; a failed
// Read shows nothing and counts as done; a failed Lock asks Failure with
// "Skip" / "Abort" naming the entry (the entry stays selected; "Abort"
// ends the operation).
void ShowSelectedVersions(SelectionWalk &walk, VersionControl &control, UBYTE *buffer, ULONG size);

#endif /* FILEOPS_VERSION_H */
