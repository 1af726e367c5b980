// core/startup.h: the start-up steps that fill a freshly allocated BufferSet, which "Restart" runs again.
#ifndef CORE_STARTUP_H
#define CORE_STARTUP_H

#include "lister.h"

// The lengths of the thirteen entries for this lister's record and screen.
BufferSetLengths ListerBufferLengths(const Lister &lister);

// The buffers' first contents after an allocation: the viewer command,
// the destination "RAM:", the HistoryList seeded with the volumes and
// assigns, the empty EntryBuffer, the windows gradient, the status strip
// and dialog canvas views, and the user menus read from their file.
// FALSE when the EntryBuffer cannot hold its header.
BOOL PrepareBuffers(Lister &lister);

// Points the dialog toolkit at the lister's buffers, glyphs, screen and pens.
void PrepareDialogs(Lister &lister);

#endif /* CORE_STARTUP_H */
