// fileops/selection_walk.h: SelectionWalk: the selected entries an operation acts on, one after the other, without knowing the lister.
#ifndef FILEOPS_SELECTION_WALK_H
#define FILEOPS_SELECTION_WALK_H

#include <exec/types.h>

// One selected entry: its name (relative to the current directory, valid
// while the operation runs), its type (positive or zero: a drawer, as
// fib_DirEntryType) and its row, which only the walk itself reads.
struct WalkEntry {
    CONST_STRPTR name = nullptr;
    LONG type = 0;
    ULONG row = 0;

    BOOL IsDrawer() const { return type >= 0; }
};

// The lister walks its selection in display order; a test walks a list.
class SelectionWalk {
public:
    virtual ~SelectionWalk() = default;

    // The next selected entry after the one given last (the first one on
    // the first call). FALSE when there is none left.
    virtual BOOL Next(WalkEntry &entry) = 0;

    // The operation has acted on `entry`: it is deselected, unless the
    // person keeps entries selected after operations.
    virtual void ActedOn(const WalkEntry &entry) = 0;
};

#endif /* FILEOPS_SELECTION_WALK_H */
