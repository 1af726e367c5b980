// core/lister_window.h: opening, closing and presenting the lister window.
#ifndef CORE_LISTER_WINDOW_H
#define CORE_LISTER_WINDOW_H

#include "lister.h"

// Opens the lister window with the current windowSpec and its gadgets (made
// on the first opening, only updated later), attaches it to SharedPort with
// the IDCMP flags 0x36A and sets the menu strip. FALSE when the window
// cannot be opened.
[[nodiscard]] BOOL OpenListerWindow(Lister &lister);

// Removes the menu strip, answers every waiting message, detaches the window
// from SharedPort and closes it. Nothing happens when no window is open.
void CloseListerWindow(Lister &lister);

// Answers every message waiting at SharedPort. TRUE when one of them was
// IDCMP_NEWSIZE (the window's new size is then read from the window).
BOOL DrainListerMessages(Lister &lister);

// The status line and the visible list, or the visible list alone, or
// only the visible rows of line `row` (after it was inverted). Each goes
// through the lister's canvas; nothing happens without a window.
void PresentListerWindow(Lister &lister);
void PresentListerRows(Lister &lister);
void PresentListerRow(Lister &lister, ULONG row);

// Sets the vertical scroller's knob to ScrollTop, or the horizontal one to
// ScrollLeft, in the open window.
void UpdateVerticalScroller(Lister &lister);
void UpdateHorizontalScroller(Lister &lister);

#endif /* CORE_LISTER_WINDOW_H */
