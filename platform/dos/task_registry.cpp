// dos/task_registry.cpp: the named processes of every program on this platform, published in KESTROVANE_HOME.
#include "dosprivate.h"
#include "process.h"

#include <hosted/dos.h>
#include <hosted/task.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace hosted {

// Each named process of a program is one file in "<home>/tasks": its name,
// written by the program, which holds an exclusive flock on the file while
// the process lives. The kernel lets the lock go when the program ends in
// any way, so an entry whose lock can be taken belongs to a program that
// died: whoever finds it removes it.

namespace {

struct Entry {
    int fd = -1;
    std::string path;
};

std::mutex &RegistryLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::map<const void *, Entry> &Published()
{
    static auto *entries = new std::map<const void *, Entry>;
    return *entries;
}

std::string RegistryDirectory()
{
    static const std::string *directory = [] {
        auto *path = new std::string(KestrovaneHome() + "/tasks");
        (void)MakeHostDirectories(*path);
        return path;
    }();
    return *directory;
}

// The name an entry file holds ("" when it cannot be read).
std::string ReadName(int fd)
{
    char buffer[128];
    ssize_t n = pread(fd, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return std::string();
    buffer[n] = '\0';
    return buffer;
}

}  // namespace

void PublishProcessName(const void *key, const char *name)
{
    if (name == nullptr || name[0] == '\0')
        return;
    static std::atomic<unsigned long> serial{0};
    const std::string leaf = std::to_string(getpid()) + "." + std::to_string(serial++);
    const std::string path = RegistryDirectory() + "/" + leaf;
    const std::string making = RegistryDirectory() + "/.new." + leaf;
    int fd = open(making.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    // Made under a name readers pass over and renamed once locked and
    // written: a reader never takes a half-made entry for a dead one.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || write(fd, name, std::strlen(name)) < 0 ||
        rename(making.c_str(), path.c_str()) != 0) {
        unlink(making.c_str());
        close(fd);
        return;
    }
    std::lock_guard<std::mutex> guard(RegistryLock());
    Published()[key] = Entry{fd, path};
}

void WithdrawProcessName(const void *key)
{
    std::lock_guard<std::mutex> guard(RegistryLock());
    auto found = Published().find(key);
    if (found == Published().end())
        return;
    unlink(found->second.path.c_str());
    close(found->second.fd);
    Published().erase(found);
}

bool NamedProcessElsewhere(const char *name)
{
    const std::string directory = RegistryDirectory();
    const std::string own = std::to_string(getpid()) + ".";
    DIR *listing = opendir(directory.c_str());
    if (listing == nullptr)
        return false;
    bool found = false;
    while (struct dirent *item = readdir(listing)) {
        if (item->d_name[0] == '.' || std::strncmp(item->d_name, own.c_str(), own.size()) == 0)
            continue;
        std::string path = directory + "/" + item->d_name;
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (flock(fd, LOCK_SH | LOCK_NB) == 0) {
            // Nobody holds it: its program has ended.
            unlink(path.c_str());
        } else if (ReadName(fd) == name) {
            found = true;
        }
        close(fd);
        if (found)
            break;
    }
    closedir(listing);
    return found;
}

}  // namespace hosted
