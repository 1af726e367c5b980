// core/partner_launcher.h: starting the dual build: its screen, its backdrop, lister 1 and (through it) lister 2.
#ifndef CORE_PARTNER_LAUNCHER_H
#define CORE_PARTNER_LAUNCHER_H

#include "variant.h"

#include <intuition/screens.h>

// The picture drawn into the backdrop.
extern const char BackdropPictureName[];

// The dual build's program: when a task named "Double Kestrovane 1" already
// exists (this program runs already, here or in another program of this
// platform), returns 0 at once and opens nothing. Otherwise opens the
// public screen "Double Kestrovane 1" (the default public screen's size,
// the version text as title, the system font, depth 24, shared pens) and
// its backdrop, runs lister 1 (`first`, which starts lister 2, `second`)
// from the command line `arguments` (`length` bytes, as GetArgStr gives
// it) until it quits, closes the backdrop and the screen, writes the text
// of the exit word (after a memory failure) with PutStr and returns the
// exit word: 0, 10 or 15; RETURN_FAIL when the screen could not be opened
// or lister 1 could not start for another reason.
LONG StartPairedListers(const ProgramVariant &first, const ProgramVariant &second, CONST_STRPTR arguments,
                        ULONG length);

// Closes the program's screen: CloseScreen, retried every 50 ticks while it
// fails (windows of others still open on it). The first failure calls
// `tell(context)` once, to tell the person what keeps the program from
// ending. Returns once the screen is closed.
void CloseProgramScreen(struct Screen *screen, void (*tell)(struct Screen *screen, void *context), void *context);

#endif /* CORE_PARTNER_LAUNCHER_H */
