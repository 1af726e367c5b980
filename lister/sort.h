// lister/sort.h: SortEntries: the display order of the entries in the three sort orders.
#ifndef LISTER_SORT_H
#define LISTER_SORT_H

#include "entry_buffer.h"

// Writes the display slots for the entries the header counts: one slot per
// entry, every SelectionMark 0, then the terminator slot (so it also clears
// every selection). `sortOrder` is the configuration's SortOrder byte:
//   SortNameCase (1)  drawers first, then files, each by name ascending,
//                     bytes compared as unsigned values (case-sensitive:
//                     "B" before "a"; a name that ends first is smaller);
//   SortDate (3)      drawers first, then files, each newest first by days,
//                     minutes, ticks (signed), equal dates by name as above;
//   anything else     reading order, drawers and files mixed.
// The order is exactly that of comparing every pair; it is found with an
// O(n log n) sort in the slots themselves, without other memory.
void SortEntries(const EntryBuffer &buffer, UBYTE sortOrder);

#endif /* LISTER_SORT_H */
