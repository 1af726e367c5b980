// fileops/delete.cpp: DeleteRows: files with DeleteFile, drawers emptied depth first and deleted as they are left.
#include "delete.h"

#include <proto/dos.h>
#include <texts/texts.h>

namespace {

class Deleter : public TreeVisitor {
public:
    Deleter(OperationControl &control, DeleteResult &result) : control_(control), result_(result) {}

    // Deletes one object; Abort when the operation is to end.
    WalkAction Delete(CONST_STRPTR path)
    {
        if (control_.Cancelled())
            return WalkAction::Abort;
        if (!DeleteFile(path)) {
            LONG error = IoErr();
            return control_.Failure(path, error, FaultButtons::SkipAbort) ? WalkAction::Continue : WalkAction::Abort;
        }
        result_.deleted++;
        OperationProgress progress;
        progress.current = path;
        progress.entriesDone = result_.deleted;
        progress.totalsKnown = FALSE;
        control_.Progress(progress);
        return WalkAction::Continue;
    }

    WalkAction EnterDrawer(CONST_STRPTR, const struct FileInfoBlock &, ULONG, ULONG &) override
    {
        return control_.Cancelled() ? WalkAction::Abort : WalkAction::Continue;
    }

    WalkAction VisitEntry(CONST_STRPTR path, const struct FileInfoBlock &, ULONG, ULONG) override
    {
        return Delete(path);
    }

    // The drawer's lock is gone; whatever could not be deleted inside it
    // makes this fail with "not empty", which the person then reads.
    WalkAction LeaveDrawer(CONST_STRPTR path, ULONG, ULONG) override { return Delete(path); }

    WalkAction WalkFailed(CONST_STRPTR path, LONG error, WalkFailure) override
    {
        return control_.Failure(path, error, FaultButtons::SkipAbort) ? WalkAction::Skip : WalkAction::Abort;
    }

private:
    OperationControl &control_;
    DeleteResult &result_;
};

}  // namespace

DeleteResult DeleteRows(const EntryList &rows, const WalkBuffers &buffers, OperationControl &control)
{
    DeleteResult result;
    Deleter deleter(control, result);
    ULONG count = rows.Count();
    for (ULONG row = FirstSelectedRow(rows); row < count; row++) {
        if (!rows.Selected(row))
            continue;
        result.attempted++;
        CONST_STRPTR name = rows.Name(row);
        if (!IsRealDrawer(rows.Type(row))) {
            if (deleter.Delete(name) == WalkAction::Abort) {
                result.ended = TRUE;
                break;
            }
            continue;
        }
        // Deleting needs the names and types alone: no entry is examined.
        WalkEnd end = WalkTree(buffers, name, deleter, WalkDetail::Types);
        if (end == WalkEnd::TooDeep) {
            control.Refusal(buffers.path, TreeTooDeepText);
        } else if (end == WalkEnd::PathTooLong) {
            control.Refusal(buffers.path, PathTooLongText);
        }
        if (end != WalkEnd::Done) {
            result.ended = TRUE;
            break;
        }
    }
    return result;
}
