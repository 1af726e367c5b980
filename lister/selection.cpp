// lister/selection.cpp: changing SelectionMarks and keeping the picture in step.
#include "selection.h"

#include "highlight.h"

ULONG DisplayRowCount(const EntryBuffer &buffer)
{
    if (!buffer.Usable())
        return 0;
    ULONG count = buffer.Header()->EntryCount();
    ULONG capacity = buffer.Capacity();
    return count < capacity ? count : capacity;
}

BOOL IsSelected(const EntryBuffer &buffer, ULONG row)
{
    return row < DisplayRowCount(buffer) && buffer.Slot(row)->selectionMark != 0;
}

BOOL SetSelection(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight, ULONG row, BOOL selected)
{
    if (row >= DisplayRowCount(buffer))
        return FALSE;
    DisplaySlot &slot = *buffer.Slot(row);
    if ((slot.selectionMark != 0) == (selected != FALSE))
        return FALSE;
    slot.selectionMark = selected ? row + 1 : 0;
    HighlightLine(bitmap, row, lineHeight);
    return TRUE;
}

BOOL ToggleSelection(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight, ULONG row)
{
    if (row >= DisplayRowCount(buffer))
        return FALSE;
    BOOL selected = buffer.Slot(row)->selectionMark == 0;
    SetSelection(buffer, bitmap, lineHeight, row, selected);
    return selected;
}

void Deselect(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight, ULONG row)
{
    SetSelection(buffer, bitmap, lineHeight, row, FALSE);
}

BOOL SelectAll(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight)
{
    ULONG rows = DisplayRowCount(buffer);
    if (rows == 0)
        return FALSE;
    ULONG runStart = 0, runLength = 0;
    for (ULONG row = 0; row < rows; row++) {
        DisplaySlot &slot = *buffer.Slot(row);
        if (slot.selectionMark == 0) {
            slot.selectionMark = row + 1;
            if (runLength == 0)
                runStart = row;
            runLength++;
        } else if (runLength != 0) {
            HighlightLines(bitmap, runStart, runLength, lineHeight);
            runLength = 0;
        }
    }
    if (runLength != 0)
        HighlightLines(bitmap, runStart, runLength, lineHeight);
    return TRUE;
}

BOOL InvertAll(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight)
{
    ULONG rows = DisplayRowCount(buffer);
    if (rows == 0)
        return FALSE;
    for (ULONG row = 0; row < rows; row++) {
        DisplaySlot &slot = *buffer.Slot(row);
        slot.selectionMark = slot.selectionMark != 0 ? 0 : row + 1;
    }
    HighlightLines(bitmap, 0, rows, lineHeight);
    return TRUE;
}
