// lister/history.h: the HistoryList: fourteen drawer paths for the "History" menu.
#ifndef LISTER_HISTORY_H
#define LISTER_HISTORY_H

#include <exec/types.h>

constexpr ULONG HistorySlotCount = 14;
constexpr ULONG HistorySlotSize = 10000;   // bytes of one slot's text, NUL included
constexpr ULONG HistoryBlockSize = HistorySlotCount * HistorySlotSize;   // BufferSet entry 7

// The fourteen slots are 10000-byte texts in one block (BufferSet entry 7);
// `order` says which text is the n-th menu item, by its offset in the block.
// Reordering moves offsets, never texts. An empty text is an empty slot.
struct HistoryList {
    UBYTE *block = nullptr;
    ULONG order[HistorySlotCount] = {};

    // The text of menu item n (0 … 13).
    STRPTR Text(ULONG item) const { return reinterpret_cast<STRPTR>(block + order[item]); }
};

// Attaches the list to its block and empties every slot (item n uses the
// n-th 10000 bytes).
void InitHistoryList(HistoryList &history, APTR block);

// Fills the slots, in order, with the names of the mounted volumes and then
// the assigns, each with ":" appended unless it ends in one, up to fourteen.
// Waits (Delay 8) while the DOS list cannot be locked. Slots left over stay
// empty. Returns the number of slots filled.
ULONG SeedHistory(HistoryList &history);

enum class HistoryUpdate {
    Present,   // the path is already one of the items: nothing changed
    Added,     // the oldest item was dropped from the top, the path is the last item
    Refused    // the path does not fit a slot: nothing changed
};

// Records a drawer that is being shown: compared byte for byte (case
// matters) with the fourteen items; if none is equal, the first slot's
// buffer moves to the end and receives the path, the others move up.
HistoryUpdate UpdateHistory(HistoryList &history, CONST_STRPTR path);

#endif /* LISTER_HISTORY_H */
