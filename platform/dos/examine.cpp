// dos/examine.cpp: Examine, ExNext, ExamineFH and Info: what the FileInfoBlock and InfoData say.
#include "dosprivate.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace hosted {

namespace {

LONG TypeOf(const struct stat &info)
{
    if (S_ISDIR(info.st_mode))
        return ST_USERDIR;
    if (S_ISFIFO(info.st_mode))
        return ST_PIPEFILE;
    return ST_FILE;
}

std::string LastName(const DosLocation &where)
{
    size_t slash = where.relative.rfind('/');
    return slash == std::string::npos ? where.relative : where.relative.substr(slash + 1);
}

// Examines the object of a location into fib; a volume's root is ST_ROOT
// and carries the volume's name.
bool ExamineLocation(const DosLocation &where, struct FileInfoBlock *fib)
{
    std::string path = HostPathOf(where);
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        FailErrno(errno, HostAction::Read);
        return false;
    }
    char hspa[5];
    char comment[80];
    ReadExtendedAttributes(path, info, hspa, comment, sizeof comment);
    bool root = where.relative.empty();
    std::string name = root ? where.volumeName : DisplayName(LastName(where).c_str());
    FillFileInfo(fib, name, info, root ? ST_ROOT : TypeOf(info), hspa, comment);
    return true;
}

}  // namespace

bool ExamineEntry(int directoryFd, std::string &drawerPath, const char *name, struct FileInfoBlock *fib,
                  bool attributes, AttributeScan *scan)
{
    struct stat info;
    if (fstatat(directoryFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    LONG type;
    bool readable = true;   // an object whose attributes can be read
    if (S_ISLNK(info.st_mode)) {
        struct stat object;
        if (fstatat(directoryFd, name, &object, 0) == 0) {
            info = object;
            type = S_ISDIR(info.st_mode) ? ST_LINKDIR : ST_LINKFILE;
        } else {
            type = ST_SOFTLINK;
            readable = false;
        }
    } else {
        type = TypeOf(info);
    }
    char hspa[5] = {0};
    char comment[80] = {0};
    if (attributes) {
        if (!readable) {
            if (scan != nullptr)
                SkipAttributeScanEntry(*scan);
        } else {
            size_t base = drawerPath.size();
            drawerPath += name;
            if (scan != nullptr)
                ReadExtendedAttributes(*scan, drawerPath, info, hspa, comment, sizeof comment);
            else
                ReadExtendedAttributes(drawerPath, info, hspa, comment, sizeof comment);
            drawerPath.resize(base);
        }
    }
    FillFileInfo(fib, DisplayName(name), info, type, hspa, comment);
    return true;
}

LONG TypeOfHostObject(const struct stat &info)
{
    return TypeOf(info);
}

void FillFileInfo(struct FileInfoBlock *fib, const std::string &name, const struct stat &info, LONG type,
                  const char hspa[5], const char *comment)
{
    std::memset(fib, 0, sizeof *fib);
    fib->fib_DiskKey = static_cast<LONG>(info.st_ino);
    fib->fib_DirEntryType = type;
    fib->fib_EntryType = type;
    size_t length = name.size() < sizeof fib->fib_FileName ? name.size() : sizeof fib->fib_FileName - 1;
    std::memcpy(fib->fib_FileName, name.data(), length);
    fib->fib_Protection = ProtectionOf(info, hspa);
    UQUAD size = S_ISDIR(info.st_mode) || type == ST_SOFTLINK ? 0 : static_cast<UQUAD>(info.st_size);
    fib->fib_Size64 = size;
    fib->fib_Size = size > 0x7FFFFFFFULL ? 0x7FFFFFFF : static_cast<LONG>(size);
    UQUAD blocks = static_cast<UQUAD>(info.st_blocks);   // 512-byte units
    fib->fib_NumBlocks64 = blocks;
    fib->fib_NumBlocks = blocks > 0x7FFFFFFFULL ? 0x7FFFFFFF : static_cast<LONG>(blocks);
    DateStampOfTime(info.st_mtim.tv_sec, info.st_mtim.tv_nsec, fib->fib_Date);
    std::strncpy(fib->fib_Comment, comment != nullptr ? comment : "", sizeof fib->fib_Comment - 1);
    fib->fib_OwnerUID = static_cast<UWORD>(info.st_uid);
    fib->fib_OwnerGID = static_cast<UWORD>(info.st_gid);
}

}  // namespace hosted

using hosted::Fail;
using hosted::FailErrno;
using hosted::HostAction;

/* Fills fib with the object of a lock: fib_DirEntryType ST_ROOT for a
   volume's root (fib_FileName then holds the volume's name), ST_USERDIR
   for a drawer, ST_FILE for a file; name, protection, size (fib_Size
   saturated at 0x7FFFFFFF, fib_Size64 exact), date, comment. Starts a new
   ExNext pass over a drawer. FALSE with IoErr set on failure. Where this
   host differs: a name longer than 107 bytes is cut to fit and ends in
   "…" (and a ":" in a host name shows as "∶"); paths with the shown name
   still find the object as long as no other entry of the drawer is shown
   the same way. */
BOOL Examine(BPTR lock, struct FileInfoBlock *fileInfoBlock)
{
    if (fileInfoBlock == nullptr) {
        Fail(ERROR_REQUIRED_ARG_MISSING);
        return FALSE;
    }
    hosted::DosLocation where;
    if (!hosted::LocationOfLock(lock, where))
        return FALSE;
    if (lock != 0) {
        hosted::LockRecord *record = hosted::LockRecordOf(lock);
        if (record->scan != nullptr) {
            closedir(record->scan);
            record->scan = nullptr;
        }
        record->attributes = hosted::AttributeScan();
    }
    return hosted::ExamineLocation(where, fileInfoBlock) ? TRUE : FALSE;
}

/* Fills fib with the next entry of the drawer of a lock, each entry once,
   in the host's order. FALSE with IoErr ERROR_NO_MORE_ENTRIES after the
   last one; ERROR_OBJECT_WRONG_TYPE when the lock is on a file; other
   codes for a failure while reading. A soft link shows its object's size,
   date and protection with the type ST_LINKDIR (a drawer, >= 0) or
   ST_LINKFILE (a file, < 0), so it lists as its object but a program that
   walks a tree can tell the link from a drawer of its own and delete or
   copy the link instead of what it points at. A link whose object is gone
   is ST_SOFTLINK. */
BOOL ExNext(BPTR lock, struct FileInfoBlock *fileInfoBlock)
{
    if (fileInfoBlock == nullptr) {
        Fail(ERROR_REQUIRED_ARG_MISSING);
        return FALSE;
    }
    hosted::LockRecord *record = hosted::DrawerLockRecordOf(lock);
    if (record == nullptr)
        return FALSE;
    if (hosted::DosFaultHits(hosted::DosCall::ExNext, record->scanPath.c_str()))
        return FALSE;
    if (record->scan == nullptr) {
        hosted::DosLocation where;
        if (!hosted::CopyLockLocation(lock, where))
            return FALSE;
        std::string directory = hosted::HostPathOf(where);
        record->scanPath = directory == "/" ? std::string("/") : directory + "/";
        int descriptor = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0) {
            FailErrno(errno, HostAction::Read);
            return FALSE;
        }
        record->scan = fdopendir(descriptor);
        if (record->scan == nullptr) {
            FailErrno(errno, HostAction::Read);
            close(descriptor);
            return FALSE;
        }
        hosted::BeginAttributeScan(record->attributes, record->device, record->inode);
    }
    int directoryFd = dirfd(record->scan);
    for (;;) {
        errno = 0;
        struct dirent *entry = readdir(record->scan);
        if (entry == nullptr) {
            if (errno != 0) {
                FailErrno(errno, HostAction::Read);
            } else {
                hosted::EndAttributeScan(record->attributes);
                Fail(ERROR_NO_MORE_ENTRIES);
            }
            return FALSE;
        }
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        if (hosted::ExamineEntry(directoryFd, record->scanPath, name, fileInfoBlock, true, &record->attributes))
            return TRUE;
        // gone since the drawer was read
    }
}

/* Examine for an open file handle. FALSE with IoErr
   ERROR_OBJECT_WRONG_TYPE for a console or NIL: handle. */
BOOL ExamineFH(BPTR file, struct FileInfoBlock *fileInfoBlock)
{
    hosted::FileRecord *record = hosted::FileRecordOf(file);
    if (record == nullptr || fileInfoBlock == nullptr)
        return FALSE;
    if (record->kind != hosted::StreamKind::HostFile || record->fd < 0) {
        Fail(ERROR_OBJECT_WRONG_TYPE);
        return FALSE;
    }
    hosted::FlushRecord(record);
    struct stat info;
    if (fstat(record->fd, &info) != 0) {
        FailErrno(errno);
        return FALSE;
    }
    char hspa[5] = {0};
    char comment[80] = {0};
    std::string name;
    if (record->haveLocation) {
        hosted::ReadExtendedAttributes(hosted::HostPathOf(record->where), hspa, comment, sizeof comment);
        name = hosted::DisplayName(hosted::LastName(record->where).c_str());
    }
    hosted::FillFileInfo(fileInfoBlock, name, info, hosted::TypeOf(info), hspa, comment);
    return TRUE;
}

/* Fills parameterBlock with the size and use of the volume holding the
   object of a lock. Block counts are in id_BytesPerBlock units, which grow
   as needed for the counts to fit in 32 bits. id_VolumeNode is 0 on this
   host. FALSE with IoErr set on failure. */
BOOL Info(BPTR lock, struct InfoData *parameterBlock)
{
    if (parameterBlock == nullptr) {
        Fail(ERROR_REQUIRED_ARG_MISSING);
        return FALSE;
    }
    std::string path;
    if (!hosted::HostPathOfLock(lock, path))
        return FALSE;
    struct statvfs fs;
    if (statvfs(path.c_str(), &fs) != 0) {
        FailErrno(errno);
        return FALSE;
    }
    unsigned long long blockSize = fs.f_frsize != 0 ? fs.f_frsize : fs.f_bsize;
    unsigned long long blocks = fs.f_blocks;
    unsigned long long used = fs.f_blocks - fs.f_bfree;
    while (blocks > 0x7FFFFFFFULL) {
        blocks >>= 1;
        used >>= 1;
        blockSize <<= 1;
    }
    std::memset(parameterBlock, 0, sizeof *parameterBlock);
    parameterBlock->id_DiskState = (fs.f_flag & ST_RDONLY) ? ID_WRITE_PROTECTED : ID_VALIDATED;
    parameterBlock->id_NumBlocks = static_cast<LONG>(blocks);
    parameterBlock->id_NumBlocksUsed = static_cast<LONG>(used);
    parameterBlock->id_BytesPerBlock = blockSize > 0x7FFFFFFFULL ? 0x7FFFFFFF : static_cast<LONG>(blockSize);
    parameterBlock->id_DiskType = 0x444F5300;   // 'DOS\0'
    return TRUE;
}
