// fileops/rename.h: what "Rename" does for one entry: the field's text for it, and the rename itself.
#ifndef FILEOPS_RENAME_H
#define FILEOPS_RENAME_H

#include <exec/types.h>

// How the field is filled for each entry: the "Rename string:" setting.
enum class RenameFill : UBYTE {
    Name,    // 255: the entry's name
    Stays,   // 1: the entry's name first, then whatever the field last held
    Empty    // 0: empty
};

// The setting's stored byte as a fill; a value the settings window never
// writes counts as the default, Name.
RenameFill RenameFillOf(UBYTE setting);

// Sets `field` (`size` bytes) for the entry `name`, the first entry of the
// operation when `first`. Returns FALSE when the field keeps its text
// (Stays, after the first entry) and nothing was written.
BOOL FillRenameField(RenameFill fill, BOOL first, CONST_STRPTR name, STRPTR field, ULONG size);

// The outcome of one "Rename" press.
struct RenameAttempt {
    BOOL renamed = FALSE;
    LONG error = 0;                  // the failed Rename's code
    CONST_STRPTR refusal = nullptr;  // a name refused before any call (too long)
};

// Renames `from` to `to`, both relative to the current directory; `to` may
// be a path (the object then moves) or empty (Rename fails on it, as the
// person asked). A name with a part longer than a FileInfoBlock holds is
// refused instead. Rename never replaces an existing object.
RenameAttempt RenameEntry(CONST_STRPTR from, CONST_STRPTR to);

#endif /* FILEOPS_RENAME_H */
