// core/lister_rows.cpp: ListerRows and ListerWalkBuffers: views into what the lister already holds, nothing allocated.
#include "lister_rows.h"

#include <lister/selection.h>

ULONG ListerRows::Count() const
{
    return DisplayRowCount(lister_.entries);
}

CONST_STRPTR ListerRows::Name(ULONG row) const
{
    return lister_.entries.SlotEntry(row)->name;
}

LONG ListerRows::Type(ULONG row) const
{
    return lister_.entries.SlotEntry(row)->type;
}

BOOL ListerRows::Selected(ULONG row) const
{
    return IsSelected(lister_.entries, row);
}

void ListerRows::Select(ULONG row)
{
    SetSelection(lister_.entries, lister_.Bitmap(), lister_.metrics.ySize, row, TRUE);
}

WalkBuffers ListerWalkBuffers(Lister &lister)
{
    WalkBuffers buffers;
    buffers.stack = lister.buffers.Bytes(BufferDirStack);
    buffers.stackSize = lister.buffers.Length(BufferDirStack);
    buffers.pool = lister.buffers.Bytes(BufferDirDepth);
    buffers.poolSize = lister.buffers.Length(BufferDirDepth);
    ListerHeader &header = lister.Header();
    ULONG used = header.pathEnd + 1 < ListerPathSize ? header.pathEnd + 1 : ListerPathSize;
    buffers.path = header.path + used;
    buffers.pathSize = ListerPathSize - used;
    return buffers;
}
