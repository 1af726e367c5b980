// fileops/control.h: OperationControl: what a file operation's engine asks of whoever runs it.
#ifndef FILEOPS_CONTROL_H
#define FILEOPS_CONTROL_H

#include "fault_buttons.h"

#include <exec/types.h>

// Where an operation stands, for a progress window. Totals come from a
// count made before the work starts; `totalsKnown` is FALSE when that
// count was cut short (an enormous tree) and they are only a floor.
struct OperationProgress {
    CONST_STRPTR current = nullptr;   // the object being worked on (relative path)
    ULONG entriesDone = 0;
    ULONG entriesTotal = 0;
    UQUAD bytesDone = 0;
    UQUAD bytesTotal = 0;
    BOOL totalsKnown = TRUE;
};

// An engine never opens a window: it asks its control. The lister's
// control answers with requesters and a progress window; a test's with a
// script. Each engine that needs more (the copy's conflicts) extends it.
class OperationControl {
public:
    virtual ~OperationControl() = default;

    // A call failed on `objectName` with `error`, the code taken right after
    // the call. The control shows the buttons `buttons` and returns TRUE for
    // the left one ("Skip", "Retry"), FALSE for the right one ("Abort",
    // "Skip these").
    virtual BOOL Failure(CONST_STRPTR objectName, LONG error, FaultButtons buttons) = 0;

    // A refusal that is not a failed call (a tree too deep for the buffers,
    // a path too long, a drawer into itself): two lines of text and the
    // single button "Abort".
    virtual void Refusal(CONST_STRPTR objectName, CONST_STRPTR reason) = 0;

    // The engine's position, reported often; the control decides how often
    // it shows it. Cheap to call.
    virtual void Progress(const OperationProgress &progress) = 0;

    // TRUE once the person asked to stop (the progress window's "Abort").
    // Engines look between two chunks or two entries.
    virtual BOOL Cancelled() = 0;
};

#endif /* FILEOPS_CONTROL_H */
