// core/core.h: the program's entry: Startup runs a lister from its command line to its Shutdown.
#ifndef CORE_CORE_H
#define CORE_CORE_H

#include "variant.h"

#include <exec/types.h>

struct Lister;

// Startup: takes the start drawer from the argument string (as GetArgStr()
// gives it, `length` bytes, ending in a newline), acquires everything in
// its fixed order, shows the drawer, runs the event loop until the user
// quits and releases everything again (Shutdown). Returns 0 after a normal
// quit; RETURN_FAIL (20) when start-up could not complete (a library, the
// screen or the buffers could not be had), after telling the user why.
LONG Startup(const ProgramVariant &variant, CONST_STRPTR arguments, ULONG length);

// Shutdown: releases what the lister holds, in this order: the menu strip,
// the waiting messages, the window (detached from SharedPort), the
// DirectBitMap, the gadgets and arrow images, the drawer lock, back to the
// start directory, the user-menu output window, the console handle, the
// BufferSet, the glyph set, the font, the draw info and the screen, the
// frame images and SharedPort, the file requesters, the libraries. Whatever
// was never acquired is skipped, so it serves every failed start as well.
void Shutdown(Lister &lister);

#endif /* CORE_CORE_H */
