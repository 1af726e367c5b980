// dos/doslist.cpp: the DOS list: volumes and assigns as DosList records, and AssignLock.
#include "dosprivate.h"

#include <cstring>
#include <mutex>
#include <shared_mutex>

namespace hosted {

// The records of one configuration: a head whose dol_Next is the first
// entry, then the volumes in order, then the assigns.
struct DosListStore {
    struct DosList head{};
    std::vector<struct DosList *> entries;
    std::vector<char *> strings;
};

namespace {

// A BSTR: a length byte, the characters and, on this host, a zero.
BSTR MakeBstr(DosListStore &store, const std::string &text)
{
    size_t length = text.size() > 255 ? 255 : text.size();
    auto *memory = static_cast<char *>(::operator new(length + 2, std::align_val_t(4)));
    memory[0] = static_cast<char>(length);
    std::memcpy(memory + 1, text.data(), length);
    memory[length + 1] = 0;
    store.strings.push_back(memory);
    return MKBADDR(memory);
}

char *MakeString(DosListStore &store, const std::string &text)
{
    auto *memory = static_cast<char *>(::operator new(text.size() + 1, std::align_val_t(4)));
    std::memcpy(memory, text.c_str(), text.size() + 1);
    store.strings.push_back(memory);
    return memory;
}

struct DosList *NewEntry(DosListStore &store, LONG type, const std::string &name)
{
    auto *entry = new ::DosList{};
    entry->dol_Type = type;
    entry->dol_Name = MakeBstr(store, name);
    store.entries.push_back(entry);
    return entry;
}

std::shared_mutex &ListLock()
{
    static auto *lock = new std::shared_mutex;
    return *lock;
}

// The configuration a task's LockDosList handed out, kept alive until
// UnLockDosList even when the table is read again meanwhile.
thread_local std::shared_ptr<const DosConfig> tLockedConfig;
thread_local int tLockDepth = 0;

bool Matches(const struct DosList *entry, ULONG flags)
{
    switch (entry->dol_Type) {
    case DLT_VOLUME:
        return (flags & LDF_VOLUMES) != 0;
    case DLT_DIRECTORY:
    case DLT_LATE:
    case DLT_NONBINDING:
        return (flags & LDF_ASSIGNS) != 0;
    case DLT_DEVICE:
        return (flags & LDF_DEVICES) != 0;
    default:
        return false;
    }
}

bool IsWrite(ULONG flags)
{
    return (flags & LDF_WRITE) != 0;
}

struct DosList *LockList(ULONG flags, bool attempt)
{
    if ((flags & (LDF_READ | LDF_WRITE)) == 0 || (flags & LDF_ALL) == 0) {
        Fail(ERROR_BAD_NUMBER);
        return nullptr;
    }
    if (IsWrite(flags)) {
        if (attempt ? !ListLock().try_lock() : (ListLock().lock(), false))
            return nullptr;
    } else if (attempt ? !ListLock().try_lock_shared() : (ListLock().lock_shared(), false)) {
        return nullptr;
    }
    if (tLockDepth++ == 0)
        tLockedConfig = Config();
    return &tLockedConfig->dosList->head;
}

}  // namespace

DosListStore *BuildDosList(const DosConfig &config)
{
    auto *store = new DosListStore;
    store->head.dol_Type = DLT_PRIVATE;
    for (const VolumeEntry &volume : config.volumes) {
        struct DosList *entry = NewEntry(*store, DLT_VOLUME, volume.name);
        struct stat info;
        if (stat(volume.root.c_str(), &info) == 0)
            DateStampOfTime(info.st_ctim.tv_sec, info.st_ctim.tv_nsec,
                            entry->dol_misc.dol_volume.dol_VolumeDate);
        entry->dol_misc.dol_volume.dol_DiskType = 0x444F5300;   // 'DOS\0'
    }
    for (const AssignEntry &assign : config.assigns) {
        struct DosList *entry = NewEntry(*store, DLT_DIRECTORY, assign.name);
        // Assigns keep their drawer by name; dol_Lock stays 0 on this host.
        entry->dol_misc.dol_assign.dol_AssignName = MakeString(*store, DosPathOf(assign.where));
    }
    struct DosList *previous = &store->head;
    for (struct DosList *entry : store->entries) {
        previous->dol_Next = MKBADDR(entry);
        previous = entry;
    }
    return store;
}

void FreeDosList(DosListStore *store)
{
    if (store == nullptr)
        return;
    for (struct DosList *entry : store->entries)
        delete entry;
    for (char *text : store->strings)
        ::operator delete(text, std::align_val_t(4));
    delete store;
}

}  // namespace hosted

using hosted::Fail;

/* Locks the DOS list for reading (LDF_READ) or changing (LDF_WRITE) and
   returns a handle to pass to NextDosEntry; waits while another task holds
   it for writing. The flags also say which kinds of entries are wanted.
   NULL with IoErr ERROR_BAD_NUMBER for flags that ask for nothing. */
struct DosList *LockDosList(ULONG flags)
{
    return hosted::LockList(flags, false);
}

/* As LockDosList, but returns NULL at once when the list is busy. */
struct DosList *AttemptLockDosList(ULONG flags)
{
    return hosted::LockList(flags, true);
}

/* Releases the DOS list; the flags must be those it was locked with. */
void UnLockDosList(ULONG flags)
{
    if (hosted::tLockDepth <= 0)
        return;
    if (--hosted::tLockDepth == 0)
        hosted::tLockedConfig.reset();
    if (hosted::IsWrite(flags))
        hosted::ListLock().unlock();
    else
        hosted::ListLock().unlock_shared();
}

/* The entry after dlist of a kind the flags ask for (LDF_VOLUMES,
   LDF_ASSIGNS, LDF_DEVICES), or NULL at the end. Volumes come in a stable
   order: the boot volume "System", "Home", "RAM", volumes of the table,
   then the host's other mounts by mount point. This host has no device
   entries. */
struct DosList *NextDosEntry(struct DosList *dlist, ULONG flags)
{
    if (dlist == nullptr)
        return nullptr;
    struct DosList *entry = static_cast<struct DosList *>(BADDR(dlist->dol_Next));
    while (entry != nullptr && !hosted::Matches(entry, flags))
        entry = static_cast<struct DosList *>(BADDR(entry->dol_Next));
    return entry;
}

/* The next entry after dlist of the given kinds whose name is name (any
   case, with or without a trailing colon), or NULL. */
struct DosList *FindDosEntry(struct DosList *dlist, CONST_STRPTR name, ULONG flags)
{
    if (name == nullptr)
        return nullptr;
    std::string wanted = name;
    if (!wanted.empty() && wanted.back() == ':')
        wanted.pop_back();
    for (struct DosList *entry = NextDosEntry(dlist, flags); entry != nullptr;
         entry = NextDosEntry(entry, flags)) {
        const char *bstr = static_cast<const char *>(BADDR(entry->dol_Name));
        if (hosted::SameDosName(std::string(bstr + 1, static_cast<UBYTE>(bstr[0])), wanted))
            return entry;
    }
    return nullptr;
}

/* Makes name: an assign to the drawer of lock, replacing an assign of that
   name; a zero lock removes the assign. The lock belongs to dos afterwards
   (on success). Changes last until the program ends; the table file is
   not rewritten. FALSE with IoErr ERROR_OBJECT_EXISTS when a volume has the
   name, ERROR_OBJECT_WRONG_TYPE when the lock is on a file. */
BOOL AssignLock(CONST_STRPTR name, BPTR lock)
{
    if (name == nullptr || name[0] == 0) {
        Fail(ERROR_INVALID_COMPONENT_NAME);
        return FALSE;
    }
    std::string assignName = name;
    if (assignName.back() == ':')
        assignName.pop_back();
    if (assignName.find_first_of(":/") != std::string::npos || hosted::SameDosName(assignName, "PROGDIR")) {
        Fail(ERROR_INVALID_COMPONENT_NAME);
        return FALSE;
    }
    hosted::AssignEntry assign;
    if (lock != 0) {
        hosted::LockRecord *record = hosted::DrawerLockRecordOf(lock);
        if (record == nullptr)
            return FALSE;
        assign.name = assignName;
        if (!hosted::LocationOfLock(lock, assign.where))
            return FALSE;
        assign.hostPath = hosted::HostPathOf(assign.where);
    }
    std::unique_lock<std::shared_mutex> guard(hosted::ListLock());
    std::shared_ptr<const hosted::DosConfig> old = hosted::Config();
    for (const hosted::VolumeEntry &volume : old->volumes) {
        if (hosted::SameDosName(volume.name, assignName)) {
            Fail(ERROR_OBJECT_EXISTS);
            return FALSE;
        }
    }
    auto fresh = std::make_shared<hosted::DosConfig>();
    fresh->home = old->home;
    fresh->ramRoot = old->ramRoot;
    fresh->userHome = old->userHome;
    fresh->volumes = old->volumes;
    fresh->tableErrors = old->tableErrors;
    for (const hosted::AssignEntry &entry : old->assigns) {
        if (!hosted::SameDosName(entry.name, assignName))
            fresh->assigns.push_back(entry);
    }
    if (lock != 0)
        fresh->assigns.push_back(assign);
    fresh->dosList = hosted::BuildDosList(*fresh);
    hosted::InstallConfig(fresh);
    guard.unlock();
    if (lock != 0)
        UnLock(lock);
    return TRUE;
}
