// core/copy_command.cpp: the glue of "Copy": the lister's selection, buffers and settings handed to the copy engine.
#include "copy_command.h"

#include "lister_control.h"
#include "lister_ops.h"
#include "lister_rows.h"
#include "partner.h"

#include <proto/intuition.h>
#include <lister/selection.h>
#include <ui/copy_check_dialog.h>
#include <texts/texts.h>

namespace {

// Deselected rows reach the window at most this often (µs); the last ones at the end.
constexpr UQUAD PresentEvery = 100000;

// The display order of the lister, as the engine reads it.
class ListerSelection : public CopySelection {
public:
    ListerSelection(Lister &lister, BOOL staySelected) : lister_(lister), staySelected_(staySelected) {}

    BOOL Item(ULONG row, CopyItem &item) override
    {
        const EntryBuffer &entries = lister_.entries;
        if (row >= DisplayRowCount(entries))
            return FALSE;
        const ListerEntry *entry = entries.SlotEntry(row);
        if (entry == nullptr)
            return FALSE;
        item.name = entry->name;
        item.type = entry->type;
        item.size = entry->Size();
        item.selected = entries.Slot(row)->selectionMark != 0;
        return TRUE;
    }

    void Copied(ULONG row) override
    {
        if (staySelected_)
            return;
        Deselect(lister_.entries, lister_.Bitmap(), lister_.metrics.ySize, row);
        ULONG seconds, micros;
        CurrentTime(&seconds, &micros);
        UQUAD now = UQUAD(seconds) * 1000000 + micros;
        if (now - lastPresent_ >= PresentEvery) {
            PresentListerRows(lister_);
            lastPresent_ = now;
        }
    }

private:
    Lister &lister_;
    BOOL staySelected_;
    UQUAD lastPresent_ = 0;
};

// The lister's control for a copy: its requesters and progress window, and
// "Copy checking" for a destination file that exists.
class ListerCopyControl : public ListerControl, public CopyControl {
public:
    explicit ListerCopyControl(Lister &lister) : ListerControl(lister, CopyingTitle) {}

    CopyCheckResult Conflict(const CopyConflict &conflict, ConflictMode &mode, ScopedLock &sourceLock) override
    {
        Lister &lister = Owner();
        CopyCheckContext context;
        context.toolkit = &lister.dialogs;
        context.layout = &lister.copyCheck;
        context.dates = &lister.dates;
        context.buffer = lister.buffers.Bytes(BufferCopy);
        context.bufferSize = lister.buffers.Length(BufferCopy);
        return CopyCheck(context, conflict, mode, sourceLock);
    }
};

}  // namespace

void CopySelectedEntries(Lister &lister)
{
    // Two listers on one screen copy into each other's drawer.
    TakePartnerDestination(lister);
    const ConfigRecord &config = lister.config;
    CopyJob job;
    job.buffer = lister.buffers.Bytes(BufferCopy);
    job.bufferSize = lister.buffers.Length(BufferCopy);
    job.walk = ListerWalkBuffers(lister);
    job.destination = lister.destination;
    job.destinationSize = DestinationPathSize;
    job.delayTicks = config.CopyDelayEnabled() != 0 ? config.CopyDelay() : 0;
    job.unprotects = config.Unprotects() != 0;
    job.copyComment = config.CopyComment() != 0;

    ListerSelection selection(lister, config.StaySelected() != 0);
    {
        ListerCopyControl control(lister);
        (void)RunCopy(job, selection, control);
    }
    PresentListerRows(lister);
    TellPartnerCopied(lister);
}
