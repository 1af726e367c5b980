// workbench/wbinfo.cpp: WBInfo, the information window of a file, drawer or volume.
#include "wbprivate.h"

#include <proto/dos.h>
#include <proto/wb.h>

#include <new>

using namespace hosted::wb;

/* Shows the information window of an object and waits until it closes:
   `lock` is the drawer the object is in and `name` its name there ("" for
   the drawer of the lock itself; a volume's root is shown as the volume).
   The window (on `screen`, NULL: the default public screen; titled with the
   object's name) shows the name, the kind, the size of a file, the date,
   the protection flags h s p a r w e d as buttons that are pressed when the
   flag is set (for r w e d: when the action is allowed) and the comment.
   "Save" (or Return) applies changed flags with SetProtection and a changed
   comment with SetComment and closes the window; when dos refuses, a
   requester gives the system's text and the window stays. "Cancel", Escape
   and the close gadget change nothing. A volume's flags and comment cannot
   be changed here. Returns TRUE when the window was shown; FALSE when the
   object cannot be examined (IoErr as dos set it) or the window cannot open
   (ERROR_NO_FREE_STORE). */
ULONG WBInfo(BPTR lock, CONST_STRPTR name, struct Screen *screen)
{
    try {
        ObjectInfo info;
        if (!ReadObjectInfo(lock, name, info))
            return FALSE;
        if (!RunInfoWindow(info, screen)) {
            SetIoErr(ERROR_NO_FREE_STORE);
            return FALSE;
        }
        return TRUE;
    } catch (const std::bad_alloc &) {
        SetIoErr(ERROR_NO_FREE_STORE);
        return FALSE;
    }
}
