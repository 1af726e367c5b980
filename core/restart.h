// core/restart.h: "Restart": the BufferSet freed and allocated again with the sizes the record now gives.
#ifndef CORE_RESTART_H
#define CORE_RESTART_H

#include "lister.h"

// Closes the lister window (menu strip cleared, messages answered), lets
// go of the drawer, frees the whole BufferSet and allocates it again with
// the record's sizes; the HistoryList is seeded again and the user menus
// are read again from their file, as at start-up; then the lister shows
// "SYS:".
//
// When the new sizes cannot be had, the sizes of `previous` go back into
// the record and are allocated again, and a requester says so; the
// session goes on. Only when those cannot be had either does the error
// console say what start-up says, and the lister quits.
void RestartLister(Lister &lister, const ConfigRecord &previous);

#endif /* CORE_RESTART_H */
