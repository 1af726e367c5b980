/* proto/wb.h: the desktop library's functions. */
#ifndef PROTO_WB_H
#define PROTO_WB_H

#include <workbench/workbench.h>

struct Screen;

/* Opens the information window of an object and waits until it is closed:
   `lock` is the drawer the object is in, `name` the object's name relative
   to it ("" for the drawer of the lock itself; a volume's root is shown as
   the volume). The window, on `screen` (NULL: the default public screen),
   shows the name, the kind (file, drawer, volume), the size of a file,
   the date, the protection bits as buttons (h s p a r w e d; r w e d
   pressed when the action is allowed) and the comment (79 characters at
   most). "Save" sets changed bits and comment through dos and closes it,
   "Cancel" (or the close gadget) leaves everything as it was; a change
   that fails shows the system's text for the error and keeps the window
   open. Returns TRUE when the window was shown, FALSE when the object
   cannot be examined (IoErr tells why) or the window cannot open. */
ULONG WBInfo(BPTR lock, CONST_STRPTR name, struct Screen *screen);

#endif /* PROTO_WB_H */
