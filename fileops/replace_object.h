// fileops/replace_object.h: ReplaceObject: a file written beside its old self under a temporary name, then swapped in.
#ifndef FILEOPS_REPLACE_OBJECT_H
#define FILEOPS_REPLACE_OBJECT_H

#include <exec/types.h>

// The longest temporary or backup name the helpers below make.
constexpr ULONG SidePathSize = 1024;

// The kinds of name made beside an object.
enum class SideName : UBYTE {
    Temporary,   // the new object while it is written
    Backup       // the old object while the new one takes its name
};

// Makes the name of an object beside `path` (same drawer) into `out`: a
// hidden name that no program of ours lists as its own, short enough for
// any file system (the original name's first characters and a marker).
// FALSE when the drawer part of `path` does not fit `size`.
[[nodiscard]] BOOL MakeSideName(CONST_STRPTR path, SideName kind, STRPTR out, ULONG size);

// Gives the whole object `temporary` the name `path`. When `path` exists,
// it is first renamed to its backup name, the new object takes its name,
// and only then is the old one deleted; if the new one cannot take the
// name, the old one gets its name back. Returns 0, or the error code of
// the call that failed (the temporary object is then still there, and so
// is the old one under its own name). An old object that cannot be deleted
// at the end (protected from deletion) is left under its backup name and
// its error is returned with `leftBackup` set: the new object is in place.
[[nodiscard]] LONG SwapIntoPlace(CONST_STRPTR temporary, CONST_STRPTR path, BOOL *leftBackup = nullptr);

// Writes a new version of the file `path`: `write` fills the handle of a
// temporary file beside it (returning FALSE with IoErr set when it fails),
// the file is closed, and only when all of that succeeded does it take
// the name `path` (SwapIntoPlace). Returns 0, or the error code of the
// first failing call; the old file is then whole and the temporary one
// removed.
using ObjectWriter = BOOL (*)(BPTR file, void *context);
[[nodiscard]] LONG ReplaceObject(CONST_STRPTR path, ObjectWriter write, void *context);

#endif /* FILEOPS_REPLACE_OBJECT_H */
