// fileops/delete.h: DeleteRows: the selected rows deleted, drawers with everything in them, on the shared tree walk.
#ifndef FILEOPS_DELETE_H
#define FILEOPS_DELETE_H

#include "control.h"
#include "entry_list.h"
#include "tree_walk.h"

struct DeleteResult {
    ULONG attempted = 0;   // selected rows a deletion was tried on
    ULONG deleted = 0;     // objects deleted, at every depth
    BOOL ended = FALSE;    // stopped early: "Abort", the progress window's "Abort", a refusal
};

// Deletes every selected row of `rows`, in display order: a file, and a
// link of any kind (only the link itself), with DeleteFile; a drawer depth
// first on the walk's level stack, each drawer deleted right after its
// last entry, links inside never gone into. Asks nothing before it starts
// (the confirmation is the caller's). A failed call goes to
// control.Failure with "Skip" / "Abort" and the object's path relative to
// the current directory: "Skip" goes on with the next object, "Abort" ends
// the operation with every lock released. control.Cancelled() is looked at
// before each deletion and ends it the same way; control.Progress hears of
// each deletion (entriesDone, `current`; no totals). A tree deeper than the
// walk buffers hold, or a path longer than their scratch, is refused
// (control.Refusal) before anything below that point is touched, and ends
// the operation.
DeleteResult DeleteRows(const EntryList &rows, const WalkBuffers &buffers, OperationControl &control);

#endif /* FILEOPS_DELETE_H */
