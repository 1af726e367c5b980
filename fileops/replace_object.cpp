// fileops/replace_object.cpp: ReplaceObject and its pieces: names beside an object, the swap, the write.
#include "replace_object.h"

#include "scoped.h"

#include <proto/dos.h>

#include <cstring>

namespace {

// The start of the name kept in a side name: enough to recognise it,
// short enough that marker and name stay within any file system's limit.
constexpr size_t KeptNameLength = 64;

}  // namespace

BOOL MakeSideName(CONST_STRPTR path, SideName kind, STRPTR out, ULONG size)
{
    CONST_STRPTR file = FilePart(path);
    size_t drawerLength = size_t(file - path);
    size_t nameLength = std::strlen(file);
    if (nameLength > KeptNameLength)
        nameLength = KeptNameLength;
    CONST_STRPTR marker = kind == SideName::Temporary ? ".kvnew" : ".kvold";
    size_t markerLength = std::strlen(marker);
    if (drawerLength + 1 + nameLength + markerLength + 1 > size)
        return FALSE;
    std::memcpy(out, path, drawerLength);
    out[drawerLength] = '.';
    std::memcpy(out + drawerLength + 1, file, nameLength);
    std::memcpy(out + drawerLength + 1 + nameLength, marker, markerLength + 1);
    return TRUE;
}

LONG SwapIntoPlace(CONST_STRPTR temporary, CONST_STRPTR path, BOOL *leftBackup)
{
    if (leftBackup != nullptr)
        *leftBackup = FALSE;
    ScopedLock existing(Lock(path, SHARED_LOCK));
    if (!existing) {
        LONG error = IoErr();
        if (error != ERROR_OBJECT_NOT_FOUND)
            return error;
        return Rename(temporary, path) ? 0 : IoErr();
    }
    existing.Reset();

    char backup[SidePathSize];
    if (!MakeSideName(path, SideName::Backup, backup, sizeof backup))
        return ERROR_OBJECT_TOO_LARGE;
    // A backup left by an earlier run that could not finish is in the way;
    // it is older than the object itself, so it goes.
    ScopedLock stale(Lock(backup, SHARED_LOCK));
    if (stale) {
        stale.Reset();
        if (!DeleteFile(backup))
            return IoErr();
    }
    if (!Rename(path, backup))
        return IoErr();
    if (!Rename(temporary, path)) {
        LONG error = IoErr();
        (void)Rename(backup, path);   // the old object keeps its name
        return error;
    }
    if (!DeleteFile(backup)) {
        if (leftBackup != nullptr)
            *leftBackup = TRUE;
        return IoErr();
    }
    return 0;
}

LONG ReplaceObject(CONST_STRPTR path, ObjectWriter write, void *context)
{
    char temporary[SidePathSize];
    if (!MakeSideName(path, SideName::Temporary, temporary, sizeof temporary))
        return ERROR_OBJECT_TOO_LARGE;
    ScopedFile file(Open(temporary, MODE_NEWFILE));
    if (!file)
        return IoErr();
    // A writer that fails without saying why still fails.
    LONG error = 0;
    if (!write(file.Get(), context))
        error = IoErr() != 0 ? IoErr() : ERROR_ACTION_NOT_KNOWN;
    if (!file.Close() && error == 0)
        error = IoErr();
    if (error == 0) {
        BOOL leftBackup = FALSE;
        error = SwapIntoPlace(temporary, path, &leftBackup);
        if (leftBackup)
            return 0;   // the new file is in place; the old one lingers beside it
    }
    if (error != 0)
        (void)DeleteFile(temporary);
    return error;
}
