// fileops/new_drawer.h: MakeDrawer and MakeDrawerIcon: a new drawer, and its icon copied from the template in ENV:.
#ifndef FILEOPS_NEW_DRAWER_H
#define FILEOPS_NEW_DRAWER_H

#include "control.h"

// The longest drawer name the dialog's field holds (STRINGA_MaxChars 256).
constexpr ULONG DrawerNameMax = 255;

// The buffer the variable "ENV:DefIcon_Path" is read into, with
// "def_drawer.info" appended behind its value.
constexpr ULONG DefIconPathSize = 1040;

// CreateDir `name` (relative to the current directory; it may be a path).
// A drawer that exists already under that name counts as made. Returns 0,
// or the error code of the failed CreateDir (ERROR_OBJECT_EXISTS for a
// file of that name).
[[nodiscard]] LONG MakeDrawer(CONST_STRPTR name);

// Reads the drawer icon template into `buffer` (at most `size` bytes; a
// longer template is cut to it): the variable "ENV:sys/def_drawer.info" as
// raw bytes (GetVar with 0x0D00), else the variable named by the text of
// "ENV:DefIcon_Path" followed directly by "def_drawer.info". Returns the
// number of bytes, or -1 when neither gives one.
LONG ReadDrawerIconTemplate(UBYTE *buffer, ULONG size);

enum class IconOutcome : UBYTE {
    Written,      // "name.info" holds the template
    NoTemplate,   // no template was found: nothing written, nothing said
    Exists,       // an object of the icon's name was there and is left alone
    Failed        // a call failed; the control was told (Failure, "Abort")
};

// Gives the drawer `name` the icon "name.info": the template (read into
// `buffer` of `size` bytes, the CopyBuffer) is written in one Write under
// a temporary name beside it and only then, whole, renamed to the icon's
// name, which Rename never takes from an existing object. An existing icon
// is never overwritten. A failed Open, Write, Close or Rename goes to
// control.Failure naming the icon file with "Abort" alone; nothing of a
// failed write is left behind. `name` must pass NameRefusal with an icon.
IconOutcome MakeDrawerIcon(CONST_STRPTR name, UBYTE *buffer, ULONG size, OperationControl &control);

#endif /* FILEOPS_NEW_DRAWER_H */
