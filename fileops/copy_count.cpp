// fileops/copy_count.cpp: CountCopySelection: the files and bytes a copy is about to go through, counted in about a second.
#include "copy_engine.h"

#include <proto/dos.h>

namespace {

// Fiftieths of a second since 1 January 1978, modulo 2^32: only
// differences of them are looked at.
ULONG TicksNow()
{
    struct DateStamp now;
    DateStamp(&now);
    return (ULONG(now.ds_Days) * 1440 + ULONG(now.ds_Minute)) * TICKS_PER_SECOND * 60 + ULONG(now.ds_Tick);
}

class CountVisitor : public TreeVisitor {
public:
    CountVisitor(OperationProgress &progress, ULONG deadline) : progress_(progress), deadline_(deadline) {}

    BOOL PastDeadline() const { return LONG(TicksNow() - deadline_) >= 0; }

    WalkAction EnterDrawer(CONST_STRPTR, const struct FileInfoBlock &, ULONG, ULONG &) override
    {
        return WalkAction::Continue;
    }

    WalkAction VisitEntry(CONST_STRPTR, const struct FileInfoBlock &fib, ULONG, ULONG) override
    {
        progress_.entriesTotal++;
        if (!IsLinkType(fib.fib_DirEntryType))
            progress_.bytesTotal += fib.fib_Size64;
        // The clock is asked now and then, not for every entry.
        if ((progress_.entriesTotal & 63) == 0 && PastDeadline())
            return WalkAction::Abort;
        return WalkAction::Continue;
    }

    WalkAction LeaveDrawer(CONST_STRPTR, ULONG, ULONG) override { return WalkAction::Continue; }

    // What cannot be read is not counted; the copy itself reports it.
    WalkAction WalkFailed(CONST_STRPTR, LONG, WalkFailure) override { return WalkAction::Skip; }

private:
    OperationProgress &progress_;
    ULONG deadline_;
};

}  // namespace

void CountCopySelection(const WalkBuffers &walk, CopySelection &selection, OperationProgress &progress,
                        LONG limitTicks)
{
    progress.entriesTotal = 0;
    progress.bytesTotal = 0;
    progress.totalsKnown = TRUE;
    CountVisitor visitor(progress, TicksNow() + ULONG(limitTicks));
    CopyItem item;
    for (ULONG row = 0; selection.Item(row, item); row++) {
        if (!item.selected)
            continue;
        if (!IsRealDrawer(item.type) || IsLinkType(item.type)) {
            progress.entriesTotal++;
            if (!IsLinkType(item.type))
                progress.bytesTotal += item.size;
            continue;
        }
        // Sizes alone: the count reads no protection bits or comments.
        if (visitor.PastDeadline() || WalkTree(walk, item.name, visitor, WalkDetail::Sizes) != WalkEnd::Done) {
            progress.totalsKnown = FALSE;
            return;
        }
    }
}
