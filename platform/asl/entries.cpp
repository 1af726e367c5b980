// asl/entries.cpp: what the file requester lists: a drawer read with the dos calls, or the volumes and assigns.
#include "aslprivate.h"

#include <proto/dos.h>
#include <proto/utility.h>

#include <algorithm>
#include <cstring>

namespace hosted::asl {

namespace {

bool IsIcon(const char *name)
{
    std::size_t length = std::strlen(name);
    return length > 5 && Stricmp(name + length - 5, ".info") == 0;
}

int Group(EntryKind kind)
{
    return kind == EntryKind::File ? 1 : 0;
}

}  // namespace

void SortEntries(std::vector<Entry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (Group(a.kind) != Group(b.kind))
            return Group(a.kind) < Group(b.kind);
        LONG order = Stricmp(a.name.c_str(), b.name.c_str());
        if (order != 0)
            return order < 0;
        return a.name < b.name;   // names that differ only in case: a fixed order
    });
}

Listing ReadDrawer(const std::string &drawer, bool drawersOnly, bool rejectIcons)
{
    Listing listing;
    BPTR lock = Lock(drawer.c_str(), SHARED_LOCK);
    if (lock == 0) {
        listing.error = IoErr();
        return listing;
    }
    struct FileInfoBlock *fib = static_cast<struct FileInfoBlock *>(AllocDosObject(DOS_FIB, nullptr));
    if (fib == nullptr) {
        listing.error = ERROR_NO_FREE_STORE;
        UnLock(lock);
        return listing;
    }
    if (!Examine(lock, fib)) {
        listing.error = IoErr();
    } else if (fib->fib_DirEntryType < 0) {
        listing.error = ERROR_OBJECT_WRONG_TYPE;
    } else {
        while (ExNext(lock, fib)) {
            bool isDrawer = fib->fib_DirEntryType > 0;
            if (!isDrawer && drawersOnly)
                continue;
            if (rejectIcons && IsIcon(fib->fib_FileName))
                continue;
            Entry entry;
            entry.name = fib->fib_FileName;
            entry.kind = isDrawer ? EntryKind::Drawer : EntryKind::File;
            entry.size = fib->fib_Size64;
            listing.entries.push_back(std::move(entry));
        }
        LONG error = IoErr();
        if (error != ERROR_NO_MORE_ENTRIES)
            listing.error = error != 0 ? error : ERROR_NO_MORE_ENTRIES;
    }
    FreeDosObject(DOS_FIB, fib);
    UnLock(lock);
    SortEntries(listing.entries);
    return listing;
}

Listing ReadVolumes()
{
    Listing listing;
    for (ULONG flags : {ULONG(LDF_VOLUMES), ULONG(LDF_ASSIGNS)}) {
        struct DosList *list = LockDosList(flags | LDF_READ);
        while ((list = NextDosEntry(list, flags)) != nullptr) {
            const auto *bstr = static_cast<const UBYTE *>(BADDR(list->dol_Name));
            if (bstr == nullptr || bstr[0] == 0)
                continue;
            Entry entry;
            entry.name.assign(reinterpret_cast<const char *>(bstr + 1), bstr[0]);
            entry.name += ':';
            entry.kind = list->dol_Type == DLT_VOLUME ? EntryKind::Volume : EntryKind::Assign;
            listing.entries.push_back(std::move(entry));
        }
        UnLockDosList(flags | LDF_READ);
    }
    return listing;
}

}  // namespace hosted::asl
