// dos/locks.cpp: locks on files and drawers, the exclusivity rules, and the current directory.
#include "dosprivate.h"

#include <cstring>
#include <map>
#include <mutex>
#include <unordered_set>

namespace hosted {

namespace {

struct Holds {
    int shared = 0;
    bool exclusive = false;
};

std::mutex &RegistryLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::map<std::pair<dev_t, ino_t>, Holds> &HoldTable()
{
    static auto *table = new std::map<std::pair<dev_t, ino_t>, Holds>;
    return *table;
}

std::unordered_set<LockRecord *> &LiveLocks()
{
    static auto *locks = new std::unordered_set<LockRecord *>;
    return *locks;
}

BPTR Register(LockRecord *record)
{
    record->fileLock.fl_Key = static_cast<SIPTR>(record->inode);
    record->fileLock.fl_Access = record->exclusive ? EXCLUSIVE_LOCK : SHARED_LOCK;
    std::lock_guard<std::mutex> guard(RegistryLock());
    LiveLocks().insert(record);
    return MKBADDR(&record->fileLock);
}

void Release(LockRecord *record)
{
    // Its address may come back as another lock's.
    PathsChanged();
    if (record->scan != nullptr)
        closedir(record->scan);
    if (record->listing != nullptr)
        closedir(record->listing);
    ReleaseHold(record->device, record->inode, record->exclusive);
    delete record;
}

}  // namespace

bool AcquireHold(dev_t device, ino_t inode, bool exclusive)
{
    std::lock_guard<std::mutex> guard(RegistryLock());
    Holds &holds = HoldTable()[{device, inode}];
    if (holds.exclusive || (exclusive && holds.shared > 0)) {
        if (!holds.exclusive && holds.shared == 0)
            HoldTable().erase({device, inode});
        return false;
    }
    if (exclusive)
        holds.exclusive = true;
    else
        holds.shared++;
    return true;
}

void ReleaseHold(dev_t device, ino_t inode, bool exclusive)
{
    std::lock_guard<std::mutex> guard(RegistryLock());
    auto found = HoldTable().find({device, inode});
    if (found == HoldTable().end())
        return;
    if (exclusive)
        found->second.exclusive = false;
    else if (found->second.shared > 0)
        found->second.shared--;
    if (!found->second.exclusive && found->second.shared == 0)
        HoldTable().erase(found);
}

bool IsHeld(dev_t device, ino_t inode)
{
    std::lock_guard<std::mutex> guard(RegistryLock());
    return HoldTable().count({device, inode}) != 0;
}

LockRecord *LockRecordOf(BPTR lock)
{
    auto *record = reinterpret_cast<LockRecord *>(BADDR(lock));
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        if (lock != 0 && LiveLocks().count(record) != 0)
            return record;
    }
    Fail(ERROR_INVALID_LOCK);
    return nullptr;
}

LockRecord *DrawerLockRecordOf(BPTR lock)
{
    LockRecord *record = LockRecordOf(lock);
    if (record != nullptr && !record->directory) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return nullptr;
    }
    return record;
}

bool CopyLockLocation(BPTR lock, DosLocation &where, size_t room)
{
    auto *record = reinterpret_cast<LockRecord *>(BADDR(lock));
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        if (lock != 0 && LiveLocks().count(record) != 0) {
            where.volumeName = record->where.volumeName;
            where.volumeRoot = record->where.volumeRoot;
            where.relative.reserve(record->where.relative.size() + room);
            where.relative = record->where.relative;
            return true;
        }
    }
    Fail(ERROR_INVALID_LOCK);
    return false;
}

BPTR MakeLock(const DosLocation &where, LONG access)
{
    std::string hostPath = HostPathOf(where);
    struct stat info;
    if (stat(hostPath.c_str(), &info) != 0) {
        int error = errno;
        struct stat link;
        if (error == ENOENT && lstat(hostPath.c_str(), &link) == 0)
            error = ENOENT;   // a soft link whose object is gone
        FailErrno(error, HostAction::Read);
        return 0;
    }
    bool exclusive = access == EXCLUSIVE_LOCK;
    if (!AcquireHold(info.st_dev, info.st_ino, exclusive)) {
        Fail(ERROR_OBJECT_IN_USE);
        return 0;
    }
    auto *record = new LockRecord;
    record->where = where;
    record->device = info.st_dev;
    record->inode = info.st_ino;
    record->directory = S_ISDIR(info.st_mode);
    record->exclusive = exclusive;
    return Register(record);
}

bool HostPathWithin(const DosLocation &where, const std::string &hostPath, size_t &below)
{
    below = 0;
    const std::string &root = where.volumeRoot;
    if (where.relative.empty())
        return root == hostPath;
    // The host path is the root (nothing for "/"), "/" and the relative part.
    size_t headLength = root == "/" ? 0 : root.size();
    size_t length = headLength + 1 + where.relative.size();
    if (length < hostPath.size())
        return false;
    auto at = [&](size_t i) {
        return i < headLength ? root[i] : i == headLength ? '/' : where.relative[i - headLength - 1];
    };
    for (size_t i = 0; i < hostPath.size(); i++) {
        if (at(i) != hostPath[i])
            return false;
    }
    if (length == hostPath.size())
        return true;
    if (at(hostPath.size()) != '/')
        return false;
    below = hostPath.size() + 1;
    return true;
}

void RenameLockedPaths(const std::string &oldHostPath, const std::string &newHostPath,
                       const DosLocation &newWhere)
{
    (void)newHostPath;
    std::lock_guard<std::mutex> guard(RegistryLock());
    PathsChanged();
    for (LockRecord *record : LiveLocks()) {
        // Most locks are elsewhere: compared piece by piece, without
        // building their host paths.
        size_t below = 0;
        if (!HostPathWithin(record->where, oldHostPath, below))
            continue;
        if (below == 0) {
            record->where = newWhere;
        } else {
            std::string rest = HostPathOf(record->where).substr(below);
            record->where = newWhere;
            record->where.relative = newWhere.relative.empty() ? rest : newWhere.relative + "/" + rest;
        }
    }
}

}  // namespace hosted

using hosted::Fail;
namespace hosted {

long OutstandingLocks()
{
    std::lock_guard<std::mutex> guard(RegistryLock());
    return static_cast<long>(LiveLocks().size());
}

}  // namespace hosted

using hosted::LockRecord;

/* Locks the object named by a path: SHARED_LOCK (ACCESS_READ, -2) lets
   others lock it too, EXCLUSIVE_LOCK (ACCESS_WRITE, -1) only while nobody
   else holds a lock or an open handle on it (and keeps them out). A final
   soft link is followed. Returns the lock, or 0 with IoErr set:
   ERROR_OBJECT_NOT_FOUND, ERROR_DEVICE_NOT_MOUNTED, ERROR_OBJECT_IN_USE ...
   Where this host differs: the rules hold among this program's tasks, not
   against other host programs. */
BPTR Lock(CONST_STRPTR name, LONG accessMode)
{
    hosted::DosLocation where;
    if (!hosted::ResolveLocation(name, where))
        return 0;
    return hosted::MakeLock(where, accessMode);
}

/* Releases a lock; 0 is ignored. */
void UnLock(BPTR lock)
{
    if (lock == 0)
        return;
    auto *record = reinterpret_cast<LockRecord *>(BADDR(lock));
    {
        std::lock_guard<std::mutex> guard(hosted::RegistryLock());
        if (hosted::LiveLocks().erase(record) == 0)
            return;
    }
    hosted::Release(record);
}

/* Makes a second shared lock on the object of a lock. DupLock(0) is 0 (the
   boot volume's root). 0 with IoErr ERROR_OBJECT_IN_USE for an exclusive
   lock, ERROR_INVALID_LOCK for a lock that is not one. */
BPTR DupLock(BPTR lock)
{
    if (lock == 0)
        return 0;
    LockRecord *record = hosted::LockRecordOf(lock);
    if (record == nullptr)
        return 0;
    if (record->exclusive) {
        Fail(ERROR_OBJECT_IN_USE);
        return 0;
    }
    hosted::DosLocation where;
    if (!hosted::CopyLockLocation(lock, where))
        return 0;
    return hosted::MakeLock(where, SHARED_LOCK);
}

/* A shared lock on the drawer holding the object of a lock. 0 with IoErr 0
   for a volume's root (it has no parent); 0 with IoErr set on failure. */
BPTR ParentDir(BPTR lock)
{
    hosted::DosLocation where;
    if (!hosted::LocationOfLock(lock, where))
        return 0;
    if (where.relative.empty()) {
        SetIoErr(0);
        return 0;
    }
    size_t slash = where.relative.rfind('/');
    where.relative = slash == std::string::npos ? std::string() : where.relative.substr(0, slash);
    return hosted::MakeLock(where, SHARED_LOCK);
}

/* Makes a lock the caller's current directory and returns the one it was
   (which the caller still owns). */
BPTR CurrentDir(BPTR lock)
{
    struct Process *process = hosted::ThisProcess();
    BPTR old = process->pr_CurrentDir;
    process->pr_CurrentDir = lock;
    return old;
}

/* LOCK_SAME when two locks are on one object, LOCK_SAME_VOLUME when they
   are on one volume, else LOCK_DIFFERENT (also for an invalid lock). */
LONG SameLock(BPTR lock1, BPTR lock2)
{
    hosted::DosLocation first, second;
    if (!hosted::LocationOfLock(lock1, first) || !hosted::LocationOfLock(lock2, second))
        return LOCK_DIFFERENT;
    struct stat a, b;
    if (stat(hosted::HostPathOf(first).c_str(), &a) == 0 && stat(hosted::HostPathOf(second).c_str(), &b) == 0 &&
        a.st_dev == b.st_dev && a.st_ino == b.st_ino)
        return LOCK_SAME;
    return first.volumeName == second.volumeName ? LOCK_SAME_VOLUME : LOCK_DIFFERENT;
}

/* Writes the full path of a lock's object: "Vol:" for a volume's root,
   "Vol:a/b" below it (assigns show as the volume they lie on). FALSE with
   IoErr ERROR_LINE_TOO_LONG when the buffer is too small (it then holds as
   much as fits, terminated), ERROR_INVALID_LOCK for a bad lock. */
BOOL NameFromLock(BPTR lock, STRPTR buffer, LONG length)
{
    if (buffer == nullptr || length <= 0) {
        Fail(ERROR_LINE_TOO_LONG);
        return FALSE;
    }
    buffer[0] = 0;
    hosted::DosLocation where;
    if (!hosted::LocationOfLock(lock, where))
        return FALSE;
    std::string text = hosted::DosPathOf(where);
    if (text.size() + 1 > static_cast<size_t>(length)) {
        std::memcpy(buffer, text.data(), static_cast<size_t>(length) - 1);
        buffer[length - 1] = 0;
        Fail(ERROR_LINE_TOO_LONG);
        return FALSE;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return TRUE;
}

/* A shared lock on the file of an open handle; 0 with IoErr set for a
   console or NIL: handle, or when the file is open exclusively. */
BPTR DupLockFromFH(BPTR file)
{
    hosted::FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr)
        return 0;
    if (!record->haveLocation) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return 0;
    }
    return hosted::MakeLock(record->where, SHARED_LOCK);
}
