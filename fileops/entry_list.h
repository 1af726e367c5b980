// fileops/entry_list.h: EntryList: the lister's rows as an operation sees them: names, types and selection, in display order.
#ifndef FILEOPS_ENTRY_LIST_H
#define FILEOPS_ENTRY_LIST_H

#include <exec/types.h>

// An operation never sees the lister itself: the program hands it its rows
// through this, a test hands it a table.
class EntryList {
public:
    virtual ~EntryList() = default;

    // The rows, in display order.
    virtual ULONG Count() const = 0;

    // Row `row`'s name, relative to the current directory (the lister's
    // drawer), and its type as the drawer was read (fib_DirEntryType).
    virtual CONST_STRPTR Name(ULONG row) const = 0;
    virtual LONG Type(ULONG row) const = 0;

    virtual BOOL Selected(ULONG row) const = 0;

    // Adds row `row` to the selection (the lister marks and highlights it).
    virtual void Select(ULONG row) = 0;
};

// The first selected row, or rows.Count() when none is.
inline ULONG FirstSelectedRow(const EntryList &rows)
{
    ULONG count = rows.Count();
    for (ULONG row = 0; row < count; row++)
        if (rows.Selected(row))
            return row;
    return count;
}

#endif /* FILEOPS_ENTRY_LIST_H */
