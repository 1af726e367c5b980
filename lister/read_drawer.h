// lister/read_drawer.h: ReadDrawer: one drawer read into the EntryBuffer.
#ifndef LISTER_READ_DRAWER_H
#define LISTER_READ_DRAWER_H

#include "entry_buffer.h"

// How ReadDrawer reports a drawer it cannot lock or read: the caller's
// FaultRequester with the object name, the error code taken right after
// the failing call, and the single button "Abort".
struct FaultReporter {
    void (*report)(void *context, CONST_STRPTR objectName, LONG error) = nullptr;
    void *context = nullptr;

    void operator()(CONST_STRPTR objectName, LONG error) const
    {
        if (report != nullptr)
            report(context, objectName, error);
    }
};

enum class ReadDrawerStatus {
    Read,          // the drawer was read (it may be empty); its lock is held and current
    LockFailed,    // the path could not be locked (reported through the FaultReporter)
    NotADrawer,    // the path names a file: an empty lister, no message
    ExamineFailed, // the lock could not be examined (reported through the FaultReporter)
    NoBuffer       // the EntryBuffer is too small to hold its header
};

struct ReadDrawerResult {
    ReadDrawerStatus status = ReadDrawerStatus::NoBuffer;
    ULONG entriesRead = 0;      // entries in the buffer (= drawer count + file count)
    ULONG entriesNotShown = 0;  // entries the drawer had beyond the buffer's capacity
    ULONG capacity = 0;         // entries the buffer holds
    LONG scanError = 0;         // IoErr of an ExNext that ended the scan with an error, else 0
};

// Reads the drawer named by the header's path into the EntryBuffer, in the
// order ExNext returns the entries, none filtered out; sets the counts, the
// 64-bit byte total and the column widths (name: longest name +
// `extraSpaceFilename`; size: digits of the largest file size + 1; comment:
// longest comment + 1, or 0 without comments) and leaves the drawer's lock
// in the header and as the process's current directory.
//
// A relative path is taken relative to `startDirectory` (the process's
// current directory at start), so that paths built by appending names keep
// their meaning however often the drawer changes. The lock held before is
// released only after the new drawer has become current, and the start
// directory's lock, which the lister does not own, is never released.
//
// Failure: the path cannot be locked (or examined): the FaultReporter is
// called with the path; the path names a file: no message. Either way the
// lister shows an empty drawer (counts 0, widths as before), holds no lock
// and the current directory is `startDirectory`.
//
// A drawer with more entries than the buffer holds keeps the first ones
// that fit; the rest are counted in entriesNotShown and left out of the
// counts and totals, which always describe the buffer's entries. The caller
// tells the user. An ExNext error other than the end of the drawer ends the
// scan with what was read and is returned in scanError.
[[nodiscard]] ReadDrawerResult ReadDrawer(const EntryBuffer &buffer, ULONG extraSpaceFilename, BPTR startDirectory,
                            const FaultReporter &fault);

#endif /* LISTER_READ_DRAWER_H */
