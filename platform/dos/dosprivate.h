// dos/dosprivate.h: the records behind locks, file handles and the volume table, shared by dos's own files.
#ifndef DOS_DOSPRIVATE_H
#define DOS_DOSPRIVATE_H

#include <hosted/console.h>
#include <hosted/dos.h>
#include <hosted/task.h>
#include <proto/dos.h>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

namespace hosted {

// --- Errors --------------------------------------------------------------

// What a failing host call was doing: EACCES means "read protected" while
// reading and "protected from deletion" while deleting.
enum class HostAction { Generic, Read, Write, Delete };

LONG MapErrno(int error, HostAction action);

// Sets IoErr to the code and returns it; the usual tail of a failing call.
LONG Fail(LONG code);
LONG FailErrno(int error, HostAction action = HostAction::Generic);

// --- Volumes and assigns -------------------------------------------------

struct VolumeEntry {
    std::string name;   // without the colon
    std::string root;   // host directory, absolute, no trailing "/" (but "/")
    bool fromTable = false;
};

// Where a dos path leads: a volume and the names below its root.
struct DosLocation {
    std::string volumeName;
    std::string volumeRoot;
    std::string relative;   // "" for the root, else "a/b"
};

struct AssignEntry {
    std::string name;
    std::string hostPath;   // the drawer it stands for
    DosLocation where;      // the same, as a volume location
};

// One reading of the host's mounts and the table. Replaced whole by
// ReloadDosConfiguration; readers keep the one they took.
struct DosConfig {
    std::string home;        // KESTROVANE_HOME
    std::string ramRoot;     // RAM:'s host directory
    std::string userHome;    // Home:'s host directory
    std::vector<VolumeEntry> volumes;   // in the dos list's order
    std::vector<AssignEntry> assigns;
    std::vector<std::string> tableErrors;   // lines of the table that were ignored
    struct DosListStore *dosList = nullptr; // the DosList records (doslist.cpp)
    ~DosConfig();
};

std::shared_ptr<const DosConfig> Config();
void InstallConfig(std::shared_ptr<const DosConfig> config);

// Reads /proc/self/mountinfo (or the given text) into volume entries.
std::vector<VolumeEntry> HostMountVolumes(const std::string &mountInfo);

// Builds the DosList records of a configuration (doslist.cpp).
DosListStore *BuildDosList(const DosConfig &config);
void FreeDosList(DosListStore *store);

// Case-insensitive comparison of volume and assign names.
bool SameDosName(const std::string &a, const std::string &b);

// Creates a drawer and its parents (0700 for those we make); true when it
// exists afterwards.
bool MakeHostDirectories(const std::string &path);

// Home:'s directory (the user's home, links resolved) and RAM:'s (home.cpp).
std::string UserHome();
std::string RamDiskDirectory(const std::string &home);

// Reads the volume and assign table text into `config` (volumes.cpp).
void ApplyMountTable(const std::string &text, DosConfig &config);

// The installation's preferences (envarc.cpp): a home whose ENVARC: has no
// "sys" drawer yet gets the platform's defaults there (the drawer icon
// "sys/def_drawer.info"); then every file of ENVARC: that ENV: lacks is
// copied into ENV:, as the system's start does. Host failures leave the
// file out, silently: ENV: then simply lacks it.
void InstallEnvironment(const DosConfig &config);

// The drawer icon the platform ships, as the bytes of a ".info" file
// (default_icons.cpp).
std::vector<UBYTE> DefaultDrawerIcon();

// --- Paths ---------------------------------------------------------------

std::string HostPathOf(const DosLocation &where);

// Text of a location as the system writes it: "Vol:" or "Vol:a/b".
std::string DosPathOf(const DosLocation &where);

// Resolves a dos path (volume, assign, PROGDIR:, ":", "/", relative) to a
// location. False with IoErr set. Each task remembers the last name it
// resolved from the letters alone, until PathsChanged.
bool ResolveLocation(CONST_STRPTR name, DosLocation &where);

// A lock was freed or its place changed, or the volume table was read
// again: a name may lead elsewhere than it did.
void PathsChanged();

// The location of a lock (the zero lock: the boot volume's root).
// `room`: bytes the caller is about to add to where.relative, kept free.
bool LocationOfLock(BPTR lock, DosLocation &where, size_t room = 0);

// A host path as a location on the volume with the longest matching root.
bool LocationOfHostPath(const std::string &hostPath, DosLocation &where);

// Names as the program sees them (names.cpp): in Latin-1 where the host's
// UTF-8 allows, byte for byte otherwise; a ":" or a name longer than a
// FileInfoBlock holds is shown changed. HostNameFor finds the host object
// in a host drawer from the shown name (or names a new one).
std::string DisplayName(const char *hostName);
std::string HostNameFor(const std::string &hostDirectory, const std::string &shown);
// Whether a shown name is its host name as it stands (plain ASCII that no
// cut to fit can have made), so that finding it needs no look at the drawer.
bool IsOwnHostName(const char *shown, size_t length);

// Text between the two sides: ShownText is host UTF-8 in Latin-1 where it
// can be (else the bytes as they are); HostText is the way back (a text
// that is UTF-8 beyond Latin-1 already is left alone). Latin1OfHostText is
// false when the host text has no Latin-1 form.
bool Latin1OfHostText(const std::string &host, std::string &latin1);
std::string ShownText(const std::string &host);
std::string HostText(const std::string &shown);

// --- Locks ---------------------------------------------------------------

// What one ExNext pass learns of its entries' attributes, in the drawer's
// order; the next pass over the same drawer takes them from here while
// the entries are unchanged (same object, same change time).
struct AttributeMemo;
struct AttributeScan {
    std::shared_ptr<const AttributeMemo> previous;
    std::shared_ptr<AttributeMemo> fresh;
    size_t index = 0;
    dev_t device = 0;   // the drawer's
    ino_t inode = 0;
};

struct LockRecord {
    struct FileLock fileLock{};   // first: the BPTR points here
    DosLocation where;
    dev_t device = 0;
    ino_t inode = 0;
    bool directory = false;
    bool exclusive = false;
    DIR *scan = nullptr;          // the drawer being walked by ExNext
    std::string scanPath;         // its host path, ending in "/"
    AttributeScan attributes;     // of the pass under way
    DIR *listing = nullptr;       // the drawer being read by ExAll (exall.cpp)
    ULONG listingKey = 0;         // the eac_LastKey of that scan
    bool pending = false;         // an entry read that did not fit the last buffer
    unsigned char pendingType = 0;
    std::string pendingName;
};

// The record behind a lock; null (IoErr ERROR_INVALID_LOCK) for a lock that
// is not a live one of ours. The zero lock is not a record.
LockRecord *LockRecordOf(BPTR lock);

// The same for a lock on a drawer; null with IoErr ERROR_OBJECT_WRONG_TYPE
// for a lock on a file.
LockRecord *DrawerLockRecordOf(BPTR lock);

// Copies where a lock's object is, safely against a Rename by another task
// moving it meanwhile. False (IoErr ERROR_INVALID_LOCK) for a bad lock.
bool CopyLockLocation(BPTR lock, DosLocation &where, size_t room = 0);

// Makes a lock on an existing object. Follows a final soft link. False
// with IoErr set (object not found, object in use ...).
BPTR MakeLock(const DosLocation &where, LONG access);

// The exclusivity rules shared by locks and open files, per host object:
// any number of shared holds, or one exclusive hold.
bool AcquireHold(dev_t device, ino_t inode, bool exclusive);
void ReleaseHold(dev_t device, ino_t inode, bool exclusive);
bool IsHeld(dev_t device, ino_t inode);

// Whether the host path of `where` is `hostPath` (below set to 0) or lies
// inside it (below set to where its part inside begins in that host path).
bool HostPathWithin(const DosLocation &where, const std::string &hostPath, size_t &below);

// Keeps live locks naming the right objects after a Rename of a drawer.
void RenameLockedPaths(const std::string &oldHostPath, const std::string &newHostPath,
                       const DosLocation &newWhere);

// --- Protection, comments, dates ------------------------------------------

// The FIBF_ bits of an object: rwed from the owner's mode bits (d follows
// w), the group's and others' from theirs, hspa from the attribute.
LONG ProtectionOf(const struct stat &info, const char *hspa);

// Reads hspa bits and the comment of a host object (no link following).
// Missing attributes or a file system without them read as clear.
void ReadExtendedAttributes(const std::string &hostPath, char hspa[5], char *comment,
                            size_t commentSize);
// The same through a cache keyed by the object's identity and change time
// (info is the object's stat).
void ReadExtendedAttributes(const std::string &hostPath, const struct stat &info, char hspa[5],
                            char *comment, size_t commentSize);
// The same for the next entry of an ExNext pass (see AttributeScan).
void BeginAttributeScan(AttributeScan &scan, dev_t device, ino_t inode);
void ReadExtendedAttributes(AttributeScan &scan, const std::string &hostPath, const struct stat &info,
                            char hspa[5], char *comment, size_t commentSize);
void SkipAttributeScanEntry(AttributeScan &scan);   // an entry without attributes (a dangling link)
void EndAttributeScan(AttributeScan &scan);

void DateStampOfTime(time_t seconds, long nanoseconds, struct DateStamp &stamp);
bool TimeOfDateStamp(const struct DateStamp &stamp, time_t &seconds, long &nanoseconds);

// Examines the entry `name` of an open drawer (its descriptor, and its host
// path ending in "/", which is used and given back as it was) into `fib`
// as ExNext shows it: a soft link as ST_LINKDIR, ST_LINKFILE or
// ST_SOFTLINK with its object's size, date and protection. Protection bits
// and the comment are read only when `attributes` (through `scan`, an
// ExNext pass, when given); else they read as clear. False when the entry
// is gone.
bool ExamineEntry(int directoryFd, std::string &drawerPath, const char *name, struct FileInfoBlock *fib,
                  bool attributes, AttributeScan *scan);

// ST_USERDIR, ST_PIPEFILE or ST_FILE for a host object that is no link.
LONG TypeOfHostObject(const struct stat &info);

// Fills a FileInfoBlock for a host object named `name`.
void FillFileInfo(struct FileInfoBlock *fib, const std::string &name, const struct stat &info,
                  LONG type, const char hspa[5], const char *comment);

// --- The file just made (fresh_file.cpp) ----------------------------------

// What dos knows of the last file a MODE_NEWFILE Open created, for a moment
// after its handle was closed: the object, its mode, and whether dos has
// given it a protection attribute since.
struct FreshFile {
    std::string hostPath;
    dev_t device = 0;
    ino_t inode = 0;
    mode_t mode = 0;
    bool protectionAttribute = false;
};

// An Open that created `hostPath` (info: its fstat) made it the fresh file.
void NoteFreshFile(const std::string &hostPath, const struct stat &info);
// Its handle was closed: the moment it is known for starts.
void FreshFileClosed(dev_t device, ino_t inode);
// True (and `fresh` filled, but for the path) when `hostPath` names the
// fresh file and its moment has not passed.
bool FreshFileAt(const std::string &hostPath, FreshFile &fresh);
// SetProtection changed it: its new mode and attribute.
void UpdateFreshFile(const std::string &hostPath, mode_t mode, bool protectionAttribute);
// `hostPath` (a file, or a drawer above it) was deleted, moved or replaced.
void ForgetFreshFile(const std::string &hostPath);

// --- Files ---------------------------------------------------------------

enum class StreamKind { HostFile, Console, Nil };

struct FileRecord {
    struct FileHandle handle{};   // first: the BPTR points here
    StreamKind kind = StreamKind::HostFile;
    int fd = -1;
    bool owned = true;
    bool interactive = false;
    bool canRead = true;
    bool canWrite = true;
    bool held = false;            // counts in the exclusivity rules
    bool exclusiveHold = false;
    dev_t device = 0;
    ino_t inode = 0;
    bool haveLocation = false;
    DosLocation where;            // for NameFromFH, ExamineFH, DupLockFromFH
    std::unique_ptr<ConsoleStream> console;
    // The buffer of FGetC/FGets (reading) and FPutC/FPuts/VPrintf (writing).
    std::unique_ptr<char[]> buffer;
    LONG readPos = 0;
    LONG readEnd = 0;
    LONG writeLen = 0;
    bool buffered = false;        // character output collects in the buffer
    bool permanent = false;       // the host's standard handles: Close only flushes
    bool readOnlyYet = false;     // MODE_OLDFILE: opened for writing at the first write
    bool fresh = false;           // MODE_NEWFILE that created the file (see FreshFile)
};

constexpr LONG kStreamBufferSize = 4096;

// The name a handle's injected failures are matched against: its object's
// host path, or "" for a stream without one.
std::string FaultNameOf(const FileRecord *record);

// Whether any failure on purpose is set (hosted/dos.h): when none is, the
// name a call would be matched by need not even be made.
bool DosFaultsSet();
// DosFaultHits for a call on an open handle, matched on FaultNameOf.
bool FileFaultHits(DosCall call, const FileRecord *record);

// The record behind a file handle; null (IoErr ERROR_INVALID_LOCK) for one
// that is not a live one of ours.
FileRecord *FileRecordOf(BPTR file);
BPTR RegisterFile(FileRecord *record);

// Buffered character output; flushes first when the buffer is full.
bool BufferedWrite(FileRecord *record, const char *data, LONG length);
bool FlushRecord(FileRecord *record);
// The raw transfers behind Read and Write; -1 with IoErr set.
LONG RecordRead(FileRecord *record, void *buffer, LONG length);
LONG RecordWrite(FileRecord *record, const void *buffer, LONG length);

// --- Processes -----------------------------------------------------------

struct Process *ThisProcess();

// The program's own argument string and executable, from /proc/self.
const std::string &ProgramArguments();
std::string ProgramDirectory();
std::string ProgramName();

}  // namespace hosted

#endif  // DOS_DOSPRIVATE_H
