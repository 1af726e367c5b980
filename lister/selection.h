// lister/selection.h: SelectionMarks: clicks, "Select all", "Invert all" and Deselect.
#ifndef LISTER_SELECTION_H
#define LISTER_SELECTION_H

#include "entry_buffer.h"
#include "pixels.h"

// A row's SelectionMark is 0 when it is not selected and its 1-based
// position (row + 1) when it is. Every change of a mark inverts the row's
// strip in the RenderBitmap (HighlightLine), so the picture always shows the
// selection; bringing the change to the window is the caller's.

// The rows of the display order (the entries the header counts).
ULONG DisplayRowCount(const EntryBuffer &buffer);

// Whether row `row` is selected (FALSE past the last row).
BOOL IsSelected(const EntryBuffer &buffer, ULONG row);

// A click: selects an unselected row, deselects a selected one. Returns the
// row's new state (TRUE selected); FALSE and nothing changed past the last row.
BOOL ToggleSelection(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight, ULONG row);

// Painting a drag: gives the row the state `selected`. Returns TRUE when it
// changed (and was inverted), FALSE when it already had that state or is
// past the last row.
BOOL SetSelection(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight, ULONG row, BOOL selected);

// After an operation has processed a row: mark 0 and the row inverted back.
// A row that is not selected is left alone (inverting it would show it
// selected).
void Deselect(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight, ULONG row);

// "Select all": every unselected row gets its position as mark; each run of
// newly selected rows is inverted in one pass, rows already selected are
// left as they are. Returns FALSE (nothing done) for an empty list.
BOOL SelectAll(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight);

// "Invert all": selected rows become unselected and the others selected;
// the whole list band is inverted in one pass. FALSE for an empty list.
BOOL InvertAll(const EntryBuffer &buffer, const RenderTarget &bitmap, ULONG lineHeight);

#endif /* LISTER_SELECTION_H */
