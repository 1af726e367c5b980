// fileops/copy_engine.h: the copy operation: the selected files, drawers and links into the destination drawer.
#ifndef FILEOPS_COPY_ENGINE_H
#define FILEOPS_COPY_ENGINE_H

#include "control.h"
#include "scoped.h"
#include "tree_walk.h"

// What happens to an existing destination file without asking. Ask at
// the start of every operation; only the conflict question changes it.
enum class ConflictMode : BYTE {
    Ask = 0,
    ReplaceAll = 1,
    SkipAll = -1
};

// The answer to an existing destination file ("Copy checking").
enum class CopyCheckResult : BYTE {
    Skip = 2,
    SkipAll = -1,
    Replace = 3,
    ReplaceAll = 1,
    Abort = 5
};

// An existing destination file, as the question about it sees it.
struct CopyConflict {
    const struct FileInfoBlock *source = nullptr;     // the new file
    const struct FileInfoBlock *existing = nullptr;   // the file at the destination
    CONST_STRPTR sourcePath = nullptr;                // relative to the current directory
    CONST_STRPTR destinationPath = nullptr;
    BOOL topLevel = FALSE;                            // a selected entry, not a file inside a copied drawer
};

// The copy's control: an OperationControl that also answers conflicts.
class CopyControl : public virtual OperationControl {
public:
    // A destination file exists while the mode is Ask. The answer sets
    // `mode` to SkipAll or ReplaceAll for those two answers; for Skip,
    // SkipAll and Abort it releases `sourceLock` (the shared lock on the
    // source file), for Replace and ReplaceAll the lock stays held.
    virtual CopyCheckResult Conflict(const CopyConflict &conflict, ConflictMode &mode, ScopedLock &sourceLock) = 0;
};

// One row of the lister's display order, as the copy sees it.
struct CopyItem {
    CONST_STRPTR name = nullptr;   // relative to the current directory (the lister's drawer)
    LONG type = 0;                 // fib_DirEntryType as listed
    UQUAD size = 0;                // bytes of a file, for the progress totals
    BOOL selected = FALSE;
};

// The entries to copy, in display order; the engine never sees the lister.
class CopySelection {
public:
    virtual ~CopySelection() = default;

    // Row `row` into `item`; FALSE past the last row.
    virtual BOOL Item(ULONG row, CopyItem &item) = 0;

    // Row `row` has been copied whole (a drawer: its whole tree gone
    // through, skipped files inside it included). Skipped, refused and
    // failed rows are never reported.
    virtual void Copied(ULONG row) = 0;
};

// Everything one operation works in; nothing is allocated while it runs.
struct CopyJob {
    UBYTE *buffer = nullptr;        // the CopyBuffer: every file passes through it in chunks of its size
    ULONG bufferSize = 0;
    WalkBuffers walk;               // "Dir stack:", "Dir depth:" and the source path scratch
    STRPTR destination = nullptr;   // the DestinationPath: targets are built behind it, and it is cut back
    ULONG destinationSize = 0;      //   to the drawer path at every end of the operation
    ULONG delayTicks = 0;           // "Copy delay 1/50s:" when switched on, else 0
    BOOL unprotects = FALSE;        // "Unprotects:": a write-protected destination file may be replaced
    BOOL copyComment = TRUE;        // "Copy comment:"
};

// How an operation ended.
struct CopyResult {
    ULONG copied = 0;      // top-level entries copied whole
    ULONG skipped = 0;     // top-level entries skipped, refused or failed and passed over
    BOOL aborted = FALSE;  // ended by "Abort", a refusal, or the person's stop
};

// Copies the selected rows of `selection` into the drawer named by
// job.destination, first to last: a real drawer with everything below it
// (merged into a drawer of the same name), a link as a link, anything else
// as a file that keeps its date, protection bits and (with copyComment)
// comment. A file is written under a temporary name beside its target and
// takes the target's name only when whole with its attributes set; an
// existing target is replaced only then. Conflicts, failures and refusals
// go to `control`, which also hears the progress and may stop the
// operation between two chunks. A drawer is never copied into itself nor a
// file onto itself. Rows copied whole are reported to `selection`.
// Returns what happened; job.destination holds the drawer path again.
CopyResult RunCopy(const CopyJob &job, CopySelection &selection, CopyControl &control);

// The quick count before a copy: the files (and links) and bytes of the
// selected rows and of everything below the selected drawers, into
// `progress` (entriesTotal, bytesTotal, totalsKnown). Stops after about
// `limitTicks` fiftieths of a second on enormous trees, or at a tree the
// buffers cannot walk, with totalsKnown FALSE and the totals a floor.
void CountCopySelection(const WalkBuffers &walk, CopySelection &selection, OperationProgress &progress,
                        LONG limitTicks = 50);

// Whether a listed type is a link of any kind (copied as a link, never gone into).
inline bool IsLinkType(LONG type)
{
    return type == ST_SOFTLINK || type == ST_LINKDIR || type == ST_LINKFILE;
}

#endif /* FILEOPS_COPY_ENGINE_H */
