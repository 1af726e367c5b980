// fileops/version.cpp: reading one file's version text (loaded or as data) and the Version operation over the selection.
#include "version.h"

#include "scoped.h"

#include <proto/dos.h>

#include <algorithm>

VersionOutcome FindVersion(CONST_STRPTR name, UBYTE *buffer, ULONG size, STRPTR text, CONST_STRPTR &result,
                           LONG &error)
{
    error = 0;
    result = NoVersionText;
    text[0] = '\0';
    if (BPTR segments = NewLoadSeg(name, nullptr)) {
        result = VersionScan(segments, text, VersionTextSize);
        UnLoadSeg(segments);
        return VersionOutcome::Found;
    }
    // Whatever the loader refused (no program, too large, damaged) is read
    // as data.
    ScopedLock lock(Lock(name, SHARED_LOCK));
    if (!lock) {
        error = IoErr();
        return VersionOutcome::LockFailed;
    }
    struct FileInfoBlock fib;
    if (!Examine(lock.Get(), &fib)) {
        error = IoErr();
        return VersionOutcome::LockFailed;
    }
    if (fib.fib_Size == 0)
        return VersionOutcome::Empty;
    ScopedFile file(Open(name, MODE_OLDFILE));
    if (!file)
        return VersionOutcome::Unopenable;
    LONG got = Read(file.Get(), buffer, LONG(std::min<ULONG>(ULONG(fib.fib_Size), std::min<ULONG>(size, 0x7FFFFFFF))));
    if (got < 0)
        return VersionOutcome::ReadFailed;
    result = VersionScan(buffer, ULONG(got), text, VersionTextSize);
    return VersionOutcome::Found;
}

void ShowSelectedVersions(SelectionWalk &walk, VersionControl &control, UBYTE *buffer, ULONG size)
{
    char text[VersionTextSize];
    WalkEntry entry;
    while (walk.Next(entry)) {
        if (entry.IsDrawer())
            continue;
        CONST_STRPTR result;
        LONG error;
        switch (FindVersion(entry.name, buffer, size, text, result, error)) {
        case VersionOutcome::Found:
            control.ShowVersion(entry.name, result);
            walk.ActedOn(entry);
            break;
        case VersionOutcome::ReadFailed:
            walk.ActedOn(entry);
            break;
        case VersionOutcome::Empty:
        case VersionOutcome::Unopenable:
            break;
        case VersionOutcome::LockFailed:
            if (!control.Failure(entry.name, error, FaultButtons::SkipAbort))
                return;
            break;
        }
    }
}
