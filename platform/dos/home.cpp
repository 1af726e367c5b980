// dos/home.cpp: the platform's own directory (KESTROVANE_HOME) and the RAM disk's place.
#include "dosprivate.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace hosted {

namespace {

bool IsDirectory(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string UserHomeDirectory()
{
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return home;
    struct passwd entry;
    struct passwd *found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr)
        return found->pw_dir;
    return "/";
}

// A directory only we may use inside a directory others may write to
// (/dev/shm): refuses anything we did not make ourselves.
bool PrivateDirectory(const std::string &path)
{
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
        (info.st_mode & 077) != 0)
        return false;
    return true;
}

unsigned long long HashOf(const std::string &text)
{
    unsigned long long hash = 1469598103934665603ULL;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace

bool MakeHostDirectories(const std::string &path)
{
    if (path.empty())
        return false;
    if (IsDirectory(path))
        return true;
    size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0)
        MakeHostDirectories(path.substr(0, slash));
    if (mkdir(path.c_str(), 0700) == 0)
        return true;
    return IsDirectory(path);
}

std::string KestrovaneHome()
{
    std::string home;
    const char *explicitHome = std::getenv("KESTROVANE_HOME");
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (explicitHome != nullptr && explicitHome[0] == '/')
        home = explicitHome;
    else if (config != nullptr && config[0] == '/')
        home = std::string(config) + "/kestrovane";
    else
        home = UserHomeDirectory() + "/.config/kestrovane";
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    MakeHostDirectories(home);
    return home;
}

std::string UserHome()
{
    std::string home = UserHomeDirectory();
    char resolved[PATH_MAX];
    if (realpath(home.c_str(), resolved) != nullptr)
        home = resolved;
    return home;
}

// RAM: lives on a memory file system when the host has one for us: the
// XDG runtime directory, else /dev/shm; one drawer per KESTROVANE_HOME so
// that two homes (two test runs) never share a RAM disk. Without either it
// is the drawer "RAM" of KESTROVANE_HOME, on disk. KESTROVANE_HOME/RAM
// then points at the memory drawer so that people find their RAM disk.
std::string RamDiskDirectory(const std::string &home)
{
    char name[96];
    std::snprintf(name, sizeof name, "kestrovane-%u-%08llx", static_cast<unsigned>(getuid()),
                  HashOf(home) & 0xFFFFFFFFULL);
    std::vector<std::string> bases;
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/')
        bases.push_back(runtime);
    bases.push_back("/dev/shm");
    for (const std::string &base : bases) {
        if (!IsDirectory(base))
            continue;
        std::string ram = base + "/" + name;
        if (!PrivateDirectory(ram))
            continue;
        std::string link = home + "/RAM";
        struct stat info;
        if (lstat(link.c_str(), &info) != 0) {
            if (symlink(ram.c_str(), link.c_str()) != 0) {
                // A read-only home: the RAM disk works without the pointer.
            }
        } else if (S_ISLNK(info.st_mode) && !IsDirectory(link)) {
            // Left over from before the host restarted: point it anew.
            if (unlink(link.c_str()) == 0 && symlink(ram.c_str(), link.c_str()) != 0) {
                // As above.
            }
        }
        return ram;
    }
    std::string ram = home + "/RAM";
    MakeHostDirectories(ram);
    char resolved[PATH_MAX];
    if (realpath(ram.c_str(), resolved) != nullptr)
        ram = resolved;
    return ram;
}

}  // namespace hosted
