// core/lister_rows.h: the lister's rows and traversal buffers as the file operations' engines take them.
#ifndef CORE_LISTER_ROWS_H
#define CORE_LISTER_ROWS_H

#include "lister.h"

#include <fileops/entry_list.h>
#include <fileops/tree_walk.h>

// The display order of the lister's EntryBuffer. Select marks the row
// with its position and inverts it in the RenderBitmap; bringing the
// picture to the window is the caller's.
class ListerRows : public EntryList {
public:
    explicit ListerRows(Lister &lister) : lister_(lister) {}

    ULONG Count() const override;
    CONST_STRPTR Name(ULONG row) const override;
    LONG Type(ULONG row) const override;
    BOOL Selected(ULONG row) const override;
    void Select(ULONG row) override;

private:
    Lister &lister_;
};

// The "Dir stack:" and "Dir depth:" buffers, and the path scratch: the
// room of the header's path buffer behind the lister's own path.
WalkBuffers ListerWalkBuffers(Lister &lister);

#endif /* CORE_LISTER_ROWS_H */
