// dos/protection.cpp: protection bits and comments over the host's mode bits and extended attributes.
#include "dosprivate.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace hosted {

namespace {

const char kProtectionAttribute[] = "user.amiga_protection";
const char kCommentAttribute[] = "user.xdg.comment";
constexpr LONG kMaxComment = 79;

// The order of the four letters in the attribute, with their bits.
const struct {
    char letter;
    LONG bit;
} kHspa[4] = {{'h', FIBF_HOLD}, {'s', FIBF_SCRIPT}, {'p', FIBF_PURE}, {'a', FIBF_ARCHIVE}};

// The rwe bits and the host's mode bits they stand for. The owner's bits
// are set when the action is NOT allowed, the group's and other's when it
// is. The host has no delete bit: d reads as w and is not kept.
const struct {
    mode_t mode;
    LONG bit;         // the bit that sets the mode bit
    LONG reported;    // the bits it reads back as
    bool owner;
} kModeBits[9] = {
    {S_IRUSR, FIBF_READ, FIBF_READ, true},
    {S_IWUSR, FIBF_WRITE, FIBF_WRITE | FIBF_DELETE, true},
    {S_IXUSR, FIBF_EXECUTE, FIBF_EXECUTE, true},
    {S_IRGRP, FIBF_GRP_READ, FIBF_GRP_READ, false},
    {S_IWGRP, FIBF_GRP_WRITE, FIBF_GRP_WRITE | FIBF_GRP_DELETE, false},
    {S_IXGRP, FIBF_GRP_EXECUTE, FIBF_GRP_EXECUTE, false},
    {S_IROTH, FIBF_OTR_READ, FIBF_OTR_READ, false},
    {S_IWOTH, FIBF_OTR_WRITE, FIBF_OTR_WRITE | FIBF_OTR_DELETE, false},
    {S_IXOTH, FIBF_OTR_EXECUTE, FIBF_OTR_EXECUTE, false},
};

// Writes (or with a null value removes) an attribute. User attributes need
// write permission on the file; for a file of ours that has none, dos
// lends itself the owner's w bit for the moment of the change, because a
// write-protected file may still get a comment and its hspa bits.
int ChangeAttribute(const std::string &path, const char *name, const char *value, size_t size, bool &changed)
{
    changed = true;
    auto change = [&]() {
        int result = value != nullptr ? setxattr(path.c_str(), name, value, size, 0)
                                      : removexattr(path.c_str(), name);
        if (result != 0 && value == nullptr && errno == ENODATA) {
            changed = false;   // nothing there to remove
            return 0;
        }
        return result == 0 ? 0 : errno;
    };
    int error = change();
    if (error != EACCES)
        return error;
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || info.st_uid != geteuid() || (info.st_mode & S_IWUSR) != 0)
        return error;
    if (chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR) != 0)
        return error;
    error = change();
    if (chmod(path.c_str(), info.st_mode & 07777) != 0 && error == 0)
        error = errno;
    return error;
}

void Forget(dev_t device, ino_t inode);

// `info`: the object's status from before the change (its identity).
// `fresh`: the file just made (see FreshFile). What may be kept of it is
// kept under an older change time, which the change makes stale anyway;
// the lookup is not worth its cost on every file a copy writes.
int ChangeAttributeAndForget(const std::string &path, const char *name, const char *value, size_t size,
                             const struct stat &info, bool fresh)
{
    bool changed = true;
    int error = ChangeAttribute(path, name, value, size, changed);
    // Removing what was not there changed nothing: what is kept still holds.
    if (changed && !fresh)
        Forget(info.st_dev, info.st_ino);
    return error;
}

// What the attributes of an object held when last read, keyed by the
// object and its change time: every change of an attribute sets the change
// time anew, so an entry with the same time is still right. Drawers that
// are read again (a refresh, going back) then cost no attribute calls.
// Only times with a sub-second part are trusted (file systems that keep
// whole seconds are always asked), and only times more than a second old:
// a kernel that stamps changes with a coarse clock may give a change right
// after another the same time.
struct AttributeKey {
    dev_t device;
    ino_t inode;
    long long seconds;
    long nanoseconds;
    bool operator==(const AttributeKey &other) const
    {
        return device == other.device && inode == other.inode && seconds == other.seconds &&
               nanoseconds == other.nanoseconds;
    }
};

// The cache keeps one entry per object (the attributes under its latest
// change time), so forgetting an object after a change costs one lookup.
struct ObjectKey {
    dev_t device;
    ino_t inode;
    bool operator==(const ObjectKey &other) const { return device == other.device && inode == other.inode; }
};

struct ObjectKeyHash {
    static unsigned long long Mix(unsigned long long x)
    {
        x += 0x9E3779B97F4A7C15ULL;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
        return x ^ (x >> 31);
    }
    size_t operator()(const ObjectKey &key) const
    {
        return static_cast<size_t>(
            Mix(static_cast<unsigned long long>(key.inode) ^ (static_cast<unsigned long long>(key.device) << 40)));
    }
};

struct CachedAttributes {
    long long seconds;     // the change time they were read under
    long nanoseconds;
    char hspa[5];
    std::string comment;
};

constexpr size_t kMaxCachedObjects = 200000;

std::mutex &CacheLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::unordered_map<ObjectKey, CachedAttributes, ObjectKeyHash> &Cache()
{
    static auto *cache = new std::unordered_map<ObjectKey, CachedAttributes, ObjectKeyHash>;
    return *cache;
}

AttributeKey KeyOf(const struct stat &info)
{
    return {info.st_dev, info.st_ino, static_cast<long long>(info.st_ctim.tv_sec), info.st_ctim.tv_nsec};
}

void Forget(dev_t device, ino_t inode)
{
    std::lock_guard<std::mutex> guard(CacheLock());
    // The change just made gave the object a new change time; what was
    // kept under an older one can never match again.
    Cache().erase(ObjectKey{device, inode});
}

// The host path and status of the object `name` names; false with IoErr
// set when the name cannot be resolved or nothing is there. The file just
// made (FreshFile) is known without a look: `fresh` then says so, and
// `info` holds its identity and mode only.
bool ExistingObject(CONST_STRPTR name, std::string &path, struct stat &info, FreshFile &fresh, bool &known)
{
    if (!ResolvePath(name, path))
        return false;
    known = FreshFileAt(path, fresh);
    if (known) {
        info.st_dev = fresh.device;
        info.st_ino = fresh.inode;
        info.st_mode = fresh.mode;
        return true;
    }
    if (stat(path.c_str(), &info) != 0) {
        FailErrno(errno);
        return false;
    }
    return true;
}

}  // namespace

struct AttributeMemo {
    struct Entry {
        AttributeKey key;
        char hspa[5];
        std::string comment;
    };
    std::vector<Entry> entries;
};

namespace {

constexpr size_t kMaxMemoDrawers = 32;

std::map<std::pair<dev_t, ino_t>, std::shared_ptr<const AttributeMemo>> &Memos()
{
    static auto *memos = new std::map<std::pair<dev_t, ino_t>, std::shared_ptr<const AttributeMemo>>;
    return *memos;
}

bool Trusted(const struct stat &info)
{
    struct timespec now;
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return info.st_ctim.tv_nsec != 0 && now.tv_sec - info.st_ctim.tv_sec > 1;
}

void CopyOut(const char source[5], const std::string &text, char hspa[5], char *comment, size_t commentSize)
{
    std::memcpy(hspa, source, 5);
    if (commentSize > 0) {
        size_t keep = text.size() < commentSize - 1 ? text.size() : commentSize - 1;
        std::memcpy(comment, text.data(), keep);
        comment[keep] = 0;
    }
}

}  // namespace

void DropAttributeCache()
{
    std::lock_guard<std::mutex> guard(CacheLock());
    Cache().clear();
    Memos().clear();
}

void BeginAttributeScan(AttributeScan &scan, dev_t device, ino_t inode)
{
    scan.device = device;
    scan.inode = inode;
    scan.index = 0;
    scan.fresh = std::make_shared<AttributeMemo>();
    std::lock_guard<std::mutex> guard(CacheLock());
    auto found = Memos().find({device, inode});
    scan.previous = found != Memos().end() ? found->second : nullptr;
}

void ReadExtendedAttributes(AttributeScan &scan, const std::string &hostPath, const struct stat &info, char hspa[5],
                            char *comment, size_t commentSize)
{
    AttributeKey key = KeyOf(info);
    bool trusted = Trusted(info);
    size_t index = scan.index++;
    if (trusted && scan.previous && index < scan.previous->entries.size() &&
        scan.previous->entries[index].key == key) {
        const AttributeMemo::Entry &entry = scan.previous->entries[index];
        CopyOut(entry.hspa, entry.comment, hspa, comment, commentSize);
    } else {
        ReadExtendedAttributes(hostPath, info, hspa, comment, commentSize);
    }
    if (scan.fresh) {
        AttributeMemo::Entry entry;
        // An entry that may still change is kept under a key nothing matches.
        entry.key = trusted ? key : AttributeKey{0, 0, -1, -1};
        std::memcpy(entry.hspa, hspa, 5);
        entry.comment = commentSize > 0 ? comment : "";
        scan.fresh->entries.push_back(std::move(entry));
    }
}

void SkipAttributeScanEntry(AttributeScan &scan)
{
    scan.index++;
    if (scan.fresh) {
        AttributeMemo::Entry entry;
        entry.key = AttributeKey{0, 0, -1, -1};
        entry.hspa[0] = 0;
        scan.fresh->entries.push_back(std::move(entry));
    }
}

void EndAttributeScan(AttributeScan &scan)
{
    if (!scan.fresh)
        return;
    std::lock_guard<std::mutex> guard(CacheLock());
    if (Memos().size() >= kMaxMemoDrawers && Memos().count({scan.device, scan.inode}) == 0)
        Memos().clear();
    Memos()[{scan.device, scan.inode}] = std::move(scan.fresh);
    scan.fresh.reset();
    scan.previous.reset();
}

void ReadExtendedAttributes(const std::string &hostPath, const struct stat &info, char hspa[5], char *comment,
                            size_t commentSize)
{
    bool trusted = Trusted(info);
    AttributeKey key = KeyOf(info);
    if (trusted) {
        std::lock_guard<std::mutex> guard(CacheLock());
        auto found = Cache().find(ObjectKey{key.device, key.inode});
        if (found != Cache().end() && found->second.seconds == key.seconds &&
            found->second.nanoseconds == key.nanoseconds) {
            std::memcpy(hspa, found->second.hspa, 5);
            if (commentSize > 0) {
                size_t keep = found->second.comment.size() < commentSize - 1 ? found->second.comment.size()
                                                                             : commentSize - 1;
                std::memcpy(comment, found->second.comment.data(), keep);
                comment[keep] = 0;
            }
            return;
        }
    }
    ReadExtendedAttributes(hostPath, hspa, comment, commentSize);
    if (trusted) {
        std::lock_guard<std::mutex> guard(CacheLock());
        if (Cache().size() >= kMaxCachedObjects)
            Cache().clear();
        CachedAttributes &entry = Cache()[ObjectKey{key.device, key.inode}];
        entry.seconds = key.seconds;
        entry.nanoseconds = key.nanoseconds;
        std::memcpy(entry.hspa, hspa, 5);
        entry.comment = commentSize > 0 ? comment : "";
    }
}

LONG ProtectionOf(const struct stat &info, const char *hspa)
{
    LONG bits = 0;
    for (const auto &m : kModeBits) {
        if (((info.st_mode & m.mode) != 0) != m.owner)
            bits |= m.reported;
    }
    if (hspa != nullptr) {
        for (int i = 0; i < 4 && hspa[i] != 0; i++) {
            if (hspa[i] == kHspa[i].letter)
                bits |= kHspa[i].bit;
        }
    }
    return bits;
}

void ReadExtendedAttributes(const std::string &hostPath, char hspa[5], char *comment, size_t commentSize)
{
    hspa[0] = 0;
    if (commentSize > 0)
        comment[0] = 0;
    // One call tells whether there is anything to read at all; most files
    // have no attributes.
    char names[1024];
    ssize_t length = listxattr(hostPath.c_str(), names, sizeof names);
    if (length == 0 || (length < 0 && errno != ERANGE))
        return;
    bool wantHspa = true, wantComment = true;
    if (length > 0) {
        wantHspa = wantComment = false;
        for (ssize_t i = 0; i < length; i += static_cast<ssize_t>(std::strlen(names + i)) + 1) {
            if (std::strcmp(names + i, kProtectionAttribute) == 0)
                wantHspa = true;
            else if (std::strcmp(names + i, kCommentAttribute) == 0)
                wantComment = true;
        }
    }
    if (wantHspa) {
        char value[8];
        ssize_t got = getxattr(hostPath.c_str(), kProtectionAttribute, value, sizeof value);
        if (got == 4) {
            std::memcpy(hspa, value, 4);
            hspa[4] = 0;
        }
    }
    if (wantComment && commentSize > 1) {
        char value[256];
        ssize_t got = getxattr(hostPath.c_str(), kCommentAttribute, value, sizeof value);
        if (got > 0) {
            // Kept in UTF-8 like the desktop's comments; a comment ends at
            // its first zero byte, as text does.
            std::string shown = ShownText(std::string(value, strnlen(value, static_cast<size_t>(got))));
            size_t keep = shown.size() < commentSize - 1 ? shown.size() : commentSize - 1;
            std::memcpy(comment, shown.data(), keep);
            comment[keep] = 0;
        }
    }
}

}  // namespace hosted

using hosted::Fail;
using hosted::FailErrno;

/* Sets the protection bits (FIBF_...) of a file or drawer. rwed go to the
   owner's mode bits (w sets both write and delete: the d bit always reads
   back as w), group and other bits to theirs; hspa to the attribute
   user.amiga_protection (removed when all four are clear). FALSE with
   IoErr set: ERROR_OBJECT_NOT_FOUND, ERROR_WRITE_PROTECTED (not ours),
   ERROR_DISK_WRITE_PROTECTED, ERROR_ACTION_NOT_KNOWN when hspa bits are
   asked for on a file system without extended attributes. */
BOOL SetProtection(CONST_STRPTR name, LONG protect)
{
    if (hosted::DosFaultHits(hosted::DosCall::SetProtection, name))
        return FALSE;
    std::string path;
    struct stat info{};
    hosted::FreshFile fresh;
    bool known = false;
    if (!hosted::ExistingObject(name, path, info, fresh, known))
        return FALSE;
    mode_t mode = info.st_mode & (S_ISUID | S_ISGID | S_ISVTX);
    for (const auto &m : hosted::kModeBits) {
        if (((protect & m.bit) != 0) != m.owner)
            mode |= m.mode;
    }

    char hspa[5] = "----";
    bool any = false;
    for (int i = 0; i < 4; i++) {
        if (protect & hosted::kHspa[i].bit) {
            hspa[i] = hosted::kHspa[i].letter;
            any = true;
        }
    }
    // The attribute first, while the file still has its old mode. The file
    // just made has none to remove unless dos gave it one.
    int error = 0;
    if (any || !known || fresh.protectionAttribute)
        error = hosted::ChangeAttributeAndForget(path, hosted::kProtectionAttribute, any ? hspa : nullptr, 4, info,
                                                 known);
    if (error == ENOTSUP && !any)
        error = 0;   // nothing to keep where there are no attributes
    // The file just made has the mode dos read back or set: one it has
    // already needs no change.
    bool same = known && (info.st_mode & 07777) == mode;
    if (error == 0 && !same && chmod(path.c_str(), mode) != 0)
        error = errno;
    if (error != 0) {
        if (known)
            hosted::ForgetFreshFile(path);
        FailErrno(error);
        return FALSE;
    }
    if (known)
        hosted::UpdateFreshFile(path, (info.st_mode & S_IFMT) | mode, any);
    return TRUE;
}

/* Sets the comment of a file or drawer (the desktop's user.xdg.comment
   attribute, which desktop file browsers show too); an empty comment
   removes it. FALSE with IoErr ERROR_COMMENT_TOO_BIG for more than 79
   characters, ERROR_ACTION_NOT_KNOWN on a file system without extended
   attributes, or the error of the host. */
BOOL SetComment(CONST_STRPTR name, CONST_STRPTR comment)
{
    if (hosted::DosFaultHits(hosted::DosCall::SetComment, name))
        return FALSE;
    size_t length = comment != nullptr ? std::strlen(comment) : 0;
    if (length > static_cast<size_t>(hosted::kMaxComment)) {
        Fail(ERROR_COMMENT_TOO_BIG);
        return FALSE;
    }
    std::string path;
    struct stat info{};
    hosted::FreshFile fresh;
    bool known = false;
    if (!hosted::ExistingObject(name, path, info, fresh, known))
        return FALSE;
    std::string stored = length > 0 ? hosted::HostText(comment) : std::string();
    int error = hosted::ChangeAttributeAndForget(path, hosted::kCommentAttribute,
                                                 length > 0 ? stored.c_str() : nullptr, stored.size(), info, known);
    if (error == ENOTSUP && length == 0)
        error = 0;
    if (error != 0) {
        FailErrno(error);
        return FALSE;
    }
    return TRUE;
}
