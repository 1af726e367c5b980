// dos/exall.cpp: ExAll and ExAllEnd: a drawer's entries many at a time, asking the host no more than the type wants.
//
// Names and types come from the drawer itself (the host's directory entry
// carries the type), so ED_NAME and ED_TYPE cost no call per entry but
// for soft links and file systems that do not say; ED_SIZE and beyond
// examine each entry as ExNext does, and the protection bits and comment
// are read only from ED_PROTECTION on.
#include "dosprivate.h"

#include <proto/utility.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace hosted {

namespace {

// Where a record of each type ends; its strings follow.
size_t RecordHead(LONG type)
{
    switch (type) {
    case ED_NAME:
        return offsetof(struct ExAllData, ed_Type);
    case ED_TYPE:
        return offsetof(struct ExAllData, ed_Size);
    case ED_SIZE:
        return offsetof(struct ExAllData, ed_Prot);
    case ED_PROTECTION:
        return offsetof(struct ExAllData, ed_Days);
    case ED_DATE:
        return offsetof(struct ExAllData, ed_Comment);
    case ED_COMMENT:
        return offsetof(struct ExAllData, ed_OwnerUID);
    default:
        return sizeof(struct ExAllData);
    }
}

constexpr size_t kRecordAlign = alignof(struct ExAllData);

size_t Aligned(size_t length)
{
    return (length + kRecordAlign - 1) & ~(kRecordAlign - 1);
}

// Keys of ExAll scans: never 0, so that a first call is told from the others.
std::atomic<ULONG> gLastKey{0};

ULONG NewKey()
{
    ULONG key;
    do {
        key = ++gLastKey;
    } while (key == 0);
    return key;
}

void EndListing(LockRecord *record)
{
    if (record->listing != nullptr)
        closedir(record->listing);
    record->listing = nullptr;
    record->listingKey = 0;
    record->pending = false;
    record->pendingName.clear();
}

bool StartListing(BPTR lock, LockRecord *record)
{
    EndListing(record);
    std::string directory;
    if (!HostPathOfLock(lock, directory))
        return false;
    int descriptor = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        FailErrno(errno, HostAction::Read);
        return false;
    }
    record->listing = fdopendir(descriptor);
    if (record->listing == nullptr) {
        FailErrno(errno, HostAction::Read);
        close(descriptor);
        return false;
    }
    record->listingKey = NewKey();
    return true;
}

// The type of an entry as ExNext gives it, from what the drawer says of
// it; the host is asked only about links and entries of no known type.
// False when the entry is gone.
bool EntryType(int directoryFd, const char *name, unsigned char hostType, LONG &type)
{
    switch (hostType) {
    case DT_DIR:
        type = ST_USERDIR;
        return true;
    case DT_FIFO:
        type = ST_PIPEFILE;
        return true;
    case DT_REG:
    case DT_CHR:
    case DT_BLK:
    case DT_SOCK:
        type = ST_FILE;
        return true;
    default:
        break;
    }
    struct stat info;
    if (fstatat(directoryFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (!S_ISLNK(info.st_mode)) {
        type = TypeOfHostObject(info);
        return true;
    }
    struct stat object;
    if (fstatat(directoryFd, name, &object, 0) != 0)
        type = ST_SOFTLINK;
    else
        type = S_ISDIR(object.st_mode) ? ST_LINKDIR : ST_LINKFILE;
    return true;
}

}  // namespace

}  // namespace hosted

using hosted::Fail;
using hosted::FailErrno;
using hosted::HostAction;
using hosted::LockRecord;

/* Fills `buffer` (`size` bytes, aligned for a pointer) with records of the
   entries of the drawer of `lock`, each as long as `type` asks (ED_NAME to
   ED_OWNER, see dos/exall.h), linked by ed_Next; control->eac_Entries
   tells how many. control (from AllocDosObject(DOS_EXALLCONTROL)) has
   eac_LastKey 0 for the first call of a scan, which starts at the
   drawer's first entry; later calls with the same control go on where the
   last ended. eac_MatchFunc, when set, is called for every filled record
   as CallHookPkt(hook, &type, record) and keeps it only when it returns
   non-zero. Returns TRUE when more entries follow (call again, with the
   records of this call read first), FALSE at the end: IoErr
   ERROR_NO_MORE_ENTRIES when the drawer is done (this call's records are
   still to be read), another code on failure: ERROR_OBJECT_WRONG_TYPE for
   a lock on a file, ERROR_BAD_NUMBER for a bad type, a misaligned buffer,
   or an eac_LastKey that is not the lock's scan under way,
   ERROR_NO_FREE_STORE when not even one entry fits the buffer (the entry
   is kept for the next call). Where this host differs: eac_MatchString
   must be NULL (ERROR_NOT_IMPLEMENTED: dos has no patterns); the scan is
   the lock's own, apart from ExNext's; ED_NAME and ED_TYPE do not see that
   an entry was deleted after the drawer was read. Names, types, sizes,
   protection, dates and comments are as ExNext shows them. */
BOOL ExAll(BPTR lock, struct ExAllData *buffer, LONG size, LONG type, struct ExAllControl *control)
{
    if (control == nullptr || buffer == nullptr) {
        Fail(ERROR_REQUIRED_ARG_MISSING);
        return FALSE;
    }
    control->eac_Entries = 0;
    if (type < ED_NAME || type > ED_OWNER || size < 0 ||
        reinterpret_cast<IPTR>(buffer) % hosted::kRecordAlign != 0) {
        Fail(ERROR_BAD_NUMBER);
        return FALSE;
    }
    if (control->eac_MatchString != nullptr) {
        Fail(ERROR_NOT_IMPLEMENTED);
        return FALSE;
    }
    LockRecord *record = hosted::DrawerLockRecordOf(lock);
    if (record == nullptr)
        return FALSE;
    if (control->eac_LastKey == 0) {
        if (!hosted::StartListing(lock, record))
            return FALSE;
        control->eac_LastKey = record->listingKey;
    } else if (record->listing == nullptr || control->eac_LastKey != record->listingKey) {
        Fail(ERROR_BAD_NUMBER);
        return FALSE;
    }
    std::string drawer;
    if (!hosted::HostPathOfLock(lock, drawer))
        return FALSE;
    if (hosted::DosFaultHits(hosted::DosCall::ExAll, drawer.c_str()))
        return FALSE;
    if (drawer != "/")
        drawer += '/';

    int directoryFd = dirfd(record->listing);
    const size_t head = hosted::RecordHead(type);
    auto *bytes = reinterpret_cast<UBYTE *>(buffer);
    size_t used = 0;
    struct ExAllData *last = nullptr;
    for (;;) {
        // The entry that did not fit last time comes first.
        const char *name;
        unsigned char hostType;
        if (record->pending) {
            name = record->pendingName.c_str();
            hostType = record->pendingType;
        } else {
            errno = 0;
            struct dirent *entry = readdir(record->listing);
            if (entry == nullptr) {
                if (errno != 0) {
                    FailErrno(errno, HostAction::Read);
                } else {
                    hosted::EndListing(record);
                    Fail(ERROR_NO_MORE_ENTRIES);
                }
                return FALSE;
            }
            name = entry->d_name;
            hostType = entry->d_type;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
        }

        // What the record says, read before its room is known.
        LONG entryType = 0;
        struct FileInfoBlock fib;
        bool present = true;
        if (type >= ED_SIZE)
            present = hosted::ExamineEntry(directoryFd, drawer, name, &fib, type >= ED_PROTECTION, nullptr);
        else if (type == ED_TYPE)
            present = hosted::EntryType(directoryFd, name, hostType, entryType);
        if (!present) {
            record->pending = false;   // gone since the drawer was read
            continue;
        }
        std::string shown = type >= ED_SIZE ? std::string(fib.fib_FileName) : hosted::DisplayName(name);
        size_t commentLength = type >= ED_COMMENT ? std::strlen(fib.fib_Comment) : 0;
        size_t need = hosted::Aligned(head + shown.size() + 1 + (type >= ED_COMMENT ? commentLength + 1 : 0));
        if (used + need > static_cast<size_t>(size)) {
            if (!record->pending) {
                record->pendingName = name;
                record->pendingType = hostType;
                record->pending = true;
            }
            if (used != 0)
                return TRUE;   // it waits for the next call
            Fail(ERROR_NO_FREE_STORE);
            return FALSE;
        }

        auto *out = reinterpret_cast<struct ExAllData *>(bytes + used);
        std::memset(out, 0, head);
        UBYTE *text = bytes + used + head;
        std::memcpy(text, shown.c_str(), shown.size() + 1);
        out->ed_Name = text;
        if (type >= ED_TYPE)
            out->ed_Type = type >= ED_SIZE ? fib.fib_DirEntryType : entryType;
        if (type >= ED_SIZE)
            out->ed_Size = static_cast<ULONG>(fib.fib_Size);
        if (type >= ED_PROTECTION)
            out->ed_Prot = static_cast<ULONG>(fib.fib_Protection);
        if (type >= ED_DATE) {
            out->ed_Days = static_cast<ULONG>(fib.fib_Date.ds_Days);
            out->ed_Mins = static_cast<ULONG>(fib.fib_Date.ds_Minute);
            out->ed_Ticks = static_cast<ULONG>(fib.fib_Date.ds_Tick);
        }
        if (type >= ED_COMMENT) {
            UBYTE *commentText = text + shown.size() + 1;
            std::memcpy(commentText, fib.fib_Comment, commentLength + 1);
            out->ed_Comment = commentText;
        }
        if (type >= ED_OWNER) {
            out->ed_OwnerUID = fib.fib_OwnerUID;
            out->ed_OwnerGID = fib.fib_OwnerGID;
        }
        record->pending = false;
        LONG asked = type;
        if (control->eac_MatchFunc != nullptr && CallHookPkt(control->eac_MatchFunc, &asked, out) == 0)
            continue;   // not kept: its room is used again
        if (last != nullptr)
            last->ed_Next = out;
        last = out;
        used += need;
        control->eac_Entries++;
    }
}

/* Ends an ExAll scan before its end (one that ran to its end needs
   nothing): the lock's scan is closed and control->eac_LastKey set to 0,
   so that the control may start a new one. The other arguments are those
   of the ExAll calls; an invalid lock is ignored. */
void ExAllEnd(BPTR lock, struct ExAllData *buffer, LONG size, LONG type, struct ExAllControl *control)
{
    (void)buffer;
    (void)size;
    (void)type;
    LONG error = IoErr();
    LockRecord *record = hosted::DrawerLockRecordOf(lock);
    if (record != nullptr && control != nullptr && record->listingKey == control->eac_LastKey)
        hosted::EndListing(record);
    if (control != nullptr) {
        control->eac_LastKey = 0;
        control->eac_Entries = 0;
    }
    SetIoErr(error);
}
