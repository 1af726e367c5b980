// hosted/dos.h: what dos offers the rest of the platform: paths, host descriptors, error mapping.
#ifndef HOSTED_DOS_H
#define HOSTED_DOS_H

#include <dos/dos.h>

#include <string>

namespace hosted {

// Resolves a dos path (relative to the caller's current directory, through
// volumes and assigns) to a host path. The object need not exist. On failure
// returns false with IoErr set (ERROR_DEVICE_NOT_MOUNTED, ERROR_OBJECT_NOT_FOUND...).
bool ResolvePath(CONST_STRPTR name, std::string &hostPath);

// The host path of the object a lock stands for.
bool HostPathOfLock(BPTR lock, std::string &hostPath);

// Expresses a host path as a volume path ("/home/ann/x" -> "Home:x").
// False when no volume holds it.
bool VolumePathOf(const std::string &hostPath, std::string &volumePath);

// The host descriptor behind a dos file handle (a file, a pipe, the host
// terminal), or -1 for streams that have none (console windows).
int HostDescriptorOf(BPTR file);

// Makes a dos file handle around a host descriptor. With `owned` the handle
// closes the descriptor when it is closed.
BPTR FileHandleFromDescriptor(int descriptor, bool owned, bool interactive);

// Sets IoErr from a host errno value, mapped to the system's codes; returns
// the code.
LONG SetIoErrFromErrno(int error);

}  // namespace hosted

#endif  // HOSTED_DOS_H
