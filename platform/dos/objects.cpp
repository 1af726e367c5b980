// dos/objects.cpp: changing the file system: CreateDir, DeleteFile, Rename.
#include "dosprivate.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

using hosted::Fail;
using hosted::FailErrno;
using hosted::HostAction;

namespace {

// renameat2 with RENAME_NOREPLACE, or the safest equivalent where the file
// system lacks it: a hard link (which never replaces) and an unlink for
// files, a check just before the rename for drawers.
int RenameNoReplace(const std::string &from, const std::string &to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    struct stat info;
    if (lstat(from.c_str(), &info) != 0)
        return errno;
    if (!S_ISDIR(info.st_mode)) {
        if (link(from.c_str(), to.c_str()) == 0)
            return unlink(from.c_str()) == 0 ? 0 : errno;
        if (errno == EEXIST || errno == EXDEV || errno == ENOENT)
            return errno;
    }
    if (lstat(to.c_str(), &info) == 0)
        return EEXIST;
    return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool Inside(const std::string &path, const std::string &drawer)
{
    return path.size() > drawer.size() && path.compare(0, drawer.size(), drawer) == 0 &&
           (drawer == "/" || path[drawer.size()] == '/');
}

}  // namespace

/* Makes a new drawer. Returns an exclusive lock on it, or 0 with IoErr
   set: ERROR_OBJECT_EXISTS when something of that name exists,
   ERROR_OBJECT_NOT_FOUND when the drawer it should go in does not. */
BPTR CreateDir(CONST_STRPTR name)
{
    if (hosted::DosFaultHits(hosted::DosCall::CreateDir, name))
        return 0;
    hosted::DosLocation where;
    if (!hosted::ResolveLocation(name, where))
        return 0;
    if (where.relative.empty()) {
        Fail(ERROR_OBJECT_EXISTS);
        return 0;
    }
    if (mkdir(hosted::HostPathOf(where).c_str(), 0777) != 0) {
        FailErrno(errno, HostAction::Write);
        return 0;
    }
    return hosted::MakeLock(where, EXCLUSIVE_LOCK);
}

/* Deletes a file, a soft link or an empty drawer. FALSE with IoErr set:
   ERROR_OBJECT_NOT_FOUND, ERROR_DIRECTORY_NOT_EMPTY, ERROR_DELETE_PROTECTED
   (its d bit is clear; checked by dos, also for root), ERROR_OBJECT_IN_USE
   (locked or open), ERROR_OBJECT_WRONG_TYPE for a volume's root. */
BOOL DeleteFile(CONST_STRPTR name)
{
    if (hosted::DosFaultHits(hosted::DosCall::DeleteFile, name))
        return FALSE;
    hosted::DosLocation where;
    if (!hosted::ResolveLocation(name, where))
        return FALSE;
    if (where.relative.empty()) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return FALSE;
    }
    std::string path = hosted::HostPathOf(where);
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) {
        FailErrno(errno, HostAction::Delete);
        return FALSE;
    }
    if (S_ISLNK(info.st_mode)) {
        if (unlink(path.c_str()) != 0) {
            FailErrno(errno, HostAction::Delete);
            return FALSE;
        }
        hosted::ForgetFreshFile(path);
        return TRUE;
    }
    if ((info.st_mode & S_IWUSR) == 0) {
        Fail(ERROR_DELETE_PROTECTED);
        return FALSE;
    }
    if (hosted::IsHeld(info.st_dev, info.st_ino)) {
        Fail(ERROR_OBJECT_IN_USE);
        return FALSE;
    }
    int result = S_ISDIR(info.st_mode) ? rmdir(path.c_str()) : unlink(path.c_str());
    if (result != 0) {
        int error = errno == EEXIST ? ENOTEMPTY : errno;
        FailErrno(error, HostAction::Delete);
        return FALSE;
    }
    hosted::ForgetFreshFile(path);
    return TRUE;
}

/* Renames or moves an object within its device. Never replaces an
   existing object. Locks on a moved drawer (and below it) follow it.
   FALSE with IoErr set: ERROR_OBJECT_EXISTS (the new name is taken; both
   objects stay as they were), ERROR_OBJECT_NOT_FOUND,
   ERROR_RENAME_ACROSS_DEVICES, ERROR_INVALID_COMPONENT_NAME (a drawer into
   itself). Where this host differs: two volumes on one host device are one
   device here, so a move between them works. */
BOOL Rename(CONST_STRPTR oldName, CONST_STRPTR newName)
{
    if (hosted::DosFaultHits(hosted::DosCall::Rename, newName))
        return FALSE;
    hosted::DosLocation from, to;
    if (!hosted::ResolveLocation(oldName, from) || !hosted::ResolveLocation(newName, to))
        return FALSE;
    if (from.relative.empty()) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return FALSE;
    }
    if (to.relative.empty()) {
        Fail(ERROR_OBJECT_EXISTS);
        return FALSE;
    }
    std::string fromPath = hosted::HostPathOf(from);
    std::string toPath = hosted::HostPathOf(to);
    // A missing object is reported before anything else; the host is asked
    // about it only when the rename itself did not do the work.
    struct stat info;
    if (Inside(toPath, fromPath)) {
        if (lstat(fromPath.c_str(), &info) != 0) {
            FailErrno(errno);
            return FALSE;
        }
        Fail(ERROR_INVALID_COMPONENT_NAME);
        return FALSE;
    }
    int error = RenameNoReplace(fromPath, toPath);
    if (error != 0) {
        if (lstat(fromPath.c_str(), &info) != 0)
            error = errno;
        FailErrno(error == ENOTEMPTY ? EEXIST : error);
        return FALSE;
    }
    hosted::ForgetFreshFile(fromPath);
    hosted::RenameLockedPaths(fromPath, toPath, to);
    return TRUE;
}
