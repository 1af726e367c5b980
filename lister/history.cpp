// lister/history.cpp: seeding the HistoryList from the DOS list and recording visited drawers.
#include "history.h"

#include <proto/dos.h>

#include <cstring>

namespace {

// Copies the BSTR name of a DOS list entry into a slot, with ":" after it.
// FALSE when it would not fit (a BSTR cannot be that long; checked anyway).
bool CopyDosName(char *slot, BSTR name)
{
    const UBYTE *bstr = static_cast<const UBYTE *>(BADDR(name));
    if (bstr == nullptr)
        return false;
    ULONG length = bstr[0];
    if (length + 2 > HistorySlotSize)
        return false;
    std::memcpy(slot, bstr + 1, length);
    if (length == 0 || slot[length - 1] != ':')
        slot[length++] = ':';
    slot[length] = '\0';
    return true;
}

// Walks one kind of DOS list entries into the slots from `filled` on.
ULONG SeedFrom(HistoryList &history, ULONG filled, ULONG kind)
{
    const ULONG flags = kind | LDF_READ;
    struct DosList *list;
    while ((list = AttemptLockDosList(flags)) == nullptr)
        Delay(8);
    while (filled < HistorySlotCount && (list = NextDosEntry(list, flags)) != nullptr) {
        if (CopyDosName(history.Text(filled), list->dol_Name))
            filled++;
    }
    UnLockDosList(flags);
    return filled;
}

}  // namespace

void InitHistoryList(HistoryList &history, APTR block)
{
    history.block = static_cast<UBYTE *>(block);
    for (ULONG i = 0; i < HistorySlotCount; i++) {
        history.order[i] = i * HistorySlotSize;
        history.block[history.order[i]] = '\0';
    }
}

ULONG SeedHistory(HistoryList &history)
{
    for (ULONG i = 0; i < HistorySlotCount; i++)
        history.Text(i)[0] = '\0';
    ULONG filled = SeedFrom(history, 0, LDF_VOLUMES);
    if (filled < HistorySlotCount)
        filled = SeedFrom(history, filled, LDF_ASSIGNS);
    return filled;
}

HistoryUpdate UpdateHistory(HistoryList &history, CONST_STRPTR path)
{
    size_t length = strnlen(path, HistorySlotSize);
    if (length >= HistorySlotSize)
        return HistoryUpdate::Refused;
    for (ULONG i = 0; i < HistorySlotCount; i++)
        if (std::strcmp(history.Text(i), path) == 0)
            return HistoryUpdate::Present;
    ULONG recycled = history.order[0];
    std::memmove(history.order, history.order + 1, (HistorySlotCount - 1) * sizeof history.order[0]);
    history.order[HistorySlotCount - 1] = recycled;
    std::memcpy(history.Text(HistorySlotCount - 1), path, length + 1);
    return HistoryUpdate::Added;
}
