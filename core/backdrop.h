// core/backdrop.h: the dual build's backdrop window behind both listers, with its picture.
#ifndef CORE_BACKDROP_H
#define CORE_BACKDROP_H

#include <exec/libraries.h>
#include <intuition/intuition.h>

struct Backdrop {
    struct Window *window = nullptr;
    struct Library *dataTypes = nullptr;
};

// Opens the backdrop window on `screen`: borderless, behind every other
// window, below the title bar and as wide as the screen, never activated,
// no messages, no backfill. Then draws the picture `pictureName` (looked
// for in the current directory, then in PROGDIR:) into it at 0,0, as much
// of it as fits. A missing or unreadable picture leaves the window empty
// without a message. FALSE when the window cannot be opened (the program
// then runs without it).
BOOL OpenBackdrop(Backdrop &backdrop, struct Screen *screen, CONST_STRPTR pictureName);

// Draws the picture into the window through the datatypes library: the
// picture object (GID_PICTURE, PMODE_V43, no remap), its PDTA_BitMap and
// PDTA_BitMapHeader, copied with minterm 0xC0, the object disposed of.
// FALSE when the picture could not be loaded (nothing is drawn).
BOOL DrawBackdropPicture(struct Window *window, CONST_STRPTR pictureName);

void CloseBackdrop(Backdrop &backdrop);

#endif /* CORE_BACKDROP_H */
