/* intuition/intuitionbase.h: intuition's library base, with the active window and screen. */
#ifndef INTUITION_INTUITIONBASE_H
#define INTUITION_INTUITIONBASE_H

#include <exec/libraries.h>
#include <graphics/view.h>
#include <intuition/intuition.h>

/* The fields a program may read. They change under the input task; read
   them as a snapshot. */
struct IntuitionBase {
    struct Library LibNode;
    struct View ViewLord;
    struct Window *ActiveWindow;
    struct Screen *ActiveScreen;
    struct Screen *FirstScreen;   /* the front screen */
    ULONG Flags;
    WORD MouseY, MouseX;          /* the pointer on the front screen */
    ULONG Seconds;                /* time of the last input event */
    ULONG Micros;
};

#endif /* INTUITION_INTUITIONBASE_H */
