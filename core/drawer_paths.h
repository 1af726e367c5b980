// core/drawer_paths.h: building drawer paths: a name appended, the parent cut off. Every copy is bounded.
#ifndef CORE_DRAWER_PATHS_H
#define CORE_DRAWER_PATHS_H

#include <exec/types.h>

// TRUE when the path ends in ":" (a volume's or assign's root).
BOOL PathIsRoot(CONST_STRPTR path);

// Appends `name` to the drawer path in `path` (`size` bytes): "/" first,
// unless the path ends in ":" or is empty (the current directory, whose
// drawers are named by their names alone). FALSE, with the path unchanged,
// when the result would not fit.
[[nodiscard]] BOOL AppendDrawerName(STRPTR path, ULONG size, CONST_STRPTR name);

enum class ParentCut {
    AtSlash,       // "Work:Audio/Music" → "Work:Audio"
    AtColon,       // "Work:Audio" → "Work:" (now a root)
    NoSeparator    // a relative path without "/" or ":": unchanged, ask the lock
};

// "Parent" on a path: from the character before the last one backwards
// (never before the path's start) to the first "/" or ":". At "/" the path
// ends there; at ":" it ends after it.
ParentCut CutToParent(STRPTR path);

// Copies `from` into `to` (`size` bytes). FALSE, with `to` unchanged, when
// it does not fit.
[[nodiscard]] BOOL CopyPath(STRPTR to, ULONG size, CONST_STRPTR from);

// Makes an empty or relative drawer path (one without a ":") the full path
// of the drawer it names now, from the lock's own name, so that the lister,
// its title, History and every command line it builds mean that drawer
// whatever the current directory later is. A path that cannot be locked, or
// whose full name does not fit `size`, stays as it is (reading it reports
// the reason). TRUE when the path was changed.
BOOL ResolveFullPath(STRPTR path, ULONG size);

#endif /* CORE_DRAWER_PATHS_H */
