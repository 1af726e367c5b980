// hosted/dos.h: what dos offers the rest of the platform: paths, host descriptors, error mapping.
#ifndef HOSTED_DOS_H
#define HOSTED_DOS_H

#include <dos/dos.h>
#include <dos/dosextens.h>

#include <string>

namespace hosted {

// Resolves a dos path (relative to the caller's current directory, through
// volumes and assigns) to a host path. The object need not exist. On failure
// returns false with IoErr set (ERROR_DEVICE_NOT_MOUNTED, ERROR_OBJECT_NOT_FOUND...).
bool ResolvePath(CONST_STRPTR name, std::string &hostPath);

// The host path of the object a lock stands for. False (IoErr
// ERROR_INVALID_LOCK) for a lock that is not one of ours; the zero lock is
// the root of the boot volume.
bool HostPathOfLock(BPTR lock, std::string &hostPath);

// How many locks are held (not UnLock'ed yet) in this program: tests
// compare it before and after a piece of work.
long OutstandingLocks();

// Expresses a host path as a volume path ("/home/ann/x" -> "Home:x"); the
// volume with the longest root holding the path wins. False when no volume
// holds it.
bool VolumePathOf(const std::string &hostPath, std::string &volumePath);

// The host descriptor behind a dos file handle (a file, a pipe, the host
// terminal), or -1 for streams that have none (console windows). A console
// handle may read from one descriptor and write to another; this gives the
// one it writes to. Use the two calls below to tell them apart.
int HostDescriptorOf(BPTR file);
int HostReadDescriptorOf(BPTR file);
int HostWriteDescriptorOf(BPTR file);

// Makes a dos file handle around a host descriptor. With `owned` the handle
// closes the descriptor when it is closed.
BPTR FileHandleFromDescriptor(int descriptor, bool owned, bool interactive);

// Sets IoErr from a host errno value, mapped to the system's codes; returns
// the code.
LONG SetIoErrFromErrno(int error);

// The system's code for a host errno value, without touching IoErr.
LONG DosErrorOf(int error);

// Where the platform keeps its own files: $KESTROVANE_HOME, else
// $XDG_CONFIG_HOME/kestrovane, else ~/.config/kestrovane. Created on first
// use where possible.
std::string KestrovaneHome();

// Reads the environment, the host's mounts and the volume and assign table
// again (KESTROVANE_HOME/Mountlist). Tests point KESTROVANE_HOME at a
// temporary directory and call this; the program never needs it.
void ReloadDosConfiguration();

// Forgets what dos remembers of objects' extended attributes (protection
// bits hspa and comments), so that the next Examine or ExNext asks the
// host again. For benchmarks that measure a first reading.
void DropAttributeCache();

// The standard handles a new process inherits when nobody gives it any:
// handles on the host's standard input, output and error (not closed when
// the process ends).
BPTR HostStandardInput();
BPTR HostStandardOutput();
BPTR HostStandardError();

// Gives a process (created or adopted) what dos needs: a current directory
// (a lock on the host working directory unless one is set), PROGDIR:, the
// argument string and the standard handles. Called through the process
// hooks for adopted threads; CreateNewProc calls it for its own records
// before the task starts, after setting what its tags asked for.
void SetUpProcess(struct Process *process);

// Releases what SetUpProcess gave and what the PRF_ flags ask to free.
void CleanUpProcess(struct Process *process);

// Failures on purpose, for tests: the `nth` call of a kind (counted from
// now, 0 = every one) whose object's last name part matches the pattern
// (fnmatch; nullptr or "" = any) fails with `error` in IoErr, doing
// nothing. Each fault fires once unless nth is 0. Also set at start from
// KESTROVANE_DOS_FAULT: entries CALL:N:ERROR[:PATTERN] separated by ';',
// e.g. "Write:3:221" or "Close:0:225:*.cfg".
enum class DosCall { Write, Close, Rename, DeleteFile, CreateDir, SetFileDate, SetProtection, SetComment, Open, Read,
                     MakeLink, ExNext, ExAll };
void SetDosFault(DosCall call, unsigned long nth, LONG error, const char *pattern = nullptr);
void ClearDosFaults();

// True, with IoErr set, when this call is to fail. `name` is the object's
// dos name as given, or its host path.
bool DosFaultHits(DosCall call, const char *name);

}  // namespace hosted

#endif  // HOSTED_DOS_H
