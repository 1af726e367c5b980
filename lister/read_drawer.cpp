// lister/read_drawer.cpp: reading a drawer into the EntryBuffer with Lock, Examine and ExNext.
#include "read_drawer.h"

#include "decimal.h"

#include <proto/dos.h>

namespace {

// Makes `lock` (0: the start directory) the lister's drawer and current
// directory, then lets go of the lock held before.
void TakeDrawer(ListerHeader &header, BPTR lock, BPTR startDirectory)
{
    BPTR old = header.DrawerLock();
    CurrentDir(lock != 0 ? lock : startDirectory);
    header.SetDrawerLock(lock);
    if (old != 0 && old != startDirectory && old != lock)
        UnLock(old);
}

// Copies a NUL-terminated text of at most size - 1 characters; the rest of
// the destination is cleared so no stale bytes follow it.
ULONG CopyBounded(char *to, const char *from, ULONG size)
{
    ULONG length = ULONG(strnlen(from, size - 1));
    std::memcpy(to, from, length);
    std::memset(to + length, 0, size - length);
    return length;
}

}  // namespace

ReadDrawerResult ReadDrawer(const EntryBuffer &buffer, ULONG extraSpaceFilename, BPTR startDirectory,
                            const FaultReporter &fault)
{
    ReadDrawerResult result;
    if (!buffer.Usable())
        return result;
    ListerHeader &header = *buffer.Header();
    result.capacity = buffer.Capacity();
    header.fileCount = 0;
    header.drawerCount = 0;
    header.SetTotalBytes(0);
    *buffer.Slot(0) = DisplaySlot{0, 0};
    header.path[ListerPathSize - 1] = '\0';

    // Relative paths are relative to the start directory; the lock held so
    // far stays until the new drawer is current.
    CurrentDir(startDirectory);
    BPTR lock = Lock(header.path, SHARED_LOCK);
    if (lock == 0) {
        fault(header.path, IoErr());
        TakeDrawer(header, 0, startDirectory);
        result.status = ReadDrawerStatus::LockFailed;
        return result;
    }
    struct FileInfoBlock *fib = header.WorkFib();
    if (!Examine(lock, fib)) {
        fault(header.path, IoErr());
        UnLock(lock);
        TakeDrawer(header, 0, startDirectory);
        result.status = ReadDrawerStatus::ExamineFailed;
        return result;
    }
    if (fib->fib_DirEntryType <= 0) {
        UnLock(lock);
        TakeDrawer(header, 0, startDirectory);
        result.status = ReadDrawerStatus::NotADrawer;
        return result;
    }

    ULONG stored = 0, files = 0, drawers = 0;
    ULONG longestName = 0, longestComment = 0;
    UQUAD total = 0, largest = 0;
    const ULONG capacity = result.capacity;
    while (ExNext(lock, fib)) {
        if (stored == capacity) {
            result.entriesNotShown++;
            continue;
        }
        ListerEntry &entry = *buffer.Entry(stored++);
        entry.type = fib->fib_DirEntryType;
        entry.protection = ULONG(fib->fib_Protection);
        entry.date = fib->fib_Date;
        if (entry.IsDrawer()) {
            drawers++;
            entry.SetSize(0);
        } else {
            files++;
            entry.SetSize(fib->fib_Size64);
            total += fib->fib_Size64;
            if (fib->fib_Size64 > largest)
                largest = fib->fib_Size64;
        }
        ULONG nameLength = CopyBounded(entry.name, fib->fib_FileName, ListerNameSize);
        ULONG commentLength = CopyBounded(entry.comment, fib->fib_Comment, ListerCommentSize);
        if (nameLength > longestName)
            longestName = nameLength;
        if (commentLength > longestComment)
            longestComment = commentLength;
    }
    LONG error = IoErr();
    if (error != ERROR_NO_MORE_ENTRIES)
        result.scanError = error;

    TakeDrawer(header, lock, startDirectory);
    header.fileCount = files;
    header.drawerCount = drawers;
    header.SetTotalBytes(total);
    if (stored != 0) {
        header.nameWidth = longestName + extraSpaceFilename;
        header.sizeWidth = DecimalDigits64(largest) + 1;
        header.commentWidth = longestComment != 0 ? longestComment + 1 : 0;
    }
    result.entriesRead = stored;
    result.status = ReadDrawerStatus::Read;
    return result;
}
