// Temporary directories of the tests: made under $TMPDIR (else /tmp), removed only when this library made them.
#include "temp_dir.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <mutex>
#include <set>

namespace kvtest {

namespace {

// The directories MakeTempDir made in this process. Never destroyed: static
// destructors of the tests still remove directories at exit.
std::mutex &MadeLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::set<std::string> &Made()
{
    static auto *made = new std::set<std::string>;
    return *made;
}

bool IsOurs(const std::string &path)
{
    std::lock_guard<std::mutex> guard(MadeLock());
    for (const std::string &dir : Made()) {
        if (path == dir || (path.size() > dir.size() && path.compare(0, dir.size(), dir) == 0 && path[dir.size()] == '/'))
            return true;
    }
    return false;
}

// A directory that served as KESTROVANE_HOME holds "RAM", a link to the
// RAM disk dos made for it on a memory file system (kestrovane-UID-HASH).
// That drawer belongs to the test too and goes with its home, or every run
// would leave one behind.
void RemoveTree(const std::string &path);

void RemoveRamDiskBehind(const std::string &link)
{
    char target[PATH_MAX];
    ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    if (length <= 0)
        return;
    target[length] = 0;
    std::string ram = target;
    size_t slash = ram.rfind('/');
    std::string name = slash == std::string::npos ? ram : ram.substr(slash + 1);
    struct stat info;
    if (ram.empty() || ram[0] != '/' || name.compare(0, 11, "kestrovane-") != 0 || lstat(ram.c_str(), &info) != 0 ||
        !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return;
    RemoveTree(ram);
}

void RemoveTree(const std::string &path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0)
        return;
    if (!S_ISDIR(info.st_mode)) {
        size_t slash = path.rfind('/');
        if (S_ISLNK(info.st_mode) && path.compare(slash + 1, std::string::npos, "RAM") == 0)
            RemoveRamDiskBehind(path);
        unlink(path.c_str());
        return;
    }
    // A drawer a test write-protected is opened up first, or its entries
    // could not be removed.
    chmod(path.c_str(), 0700);
    if (DIR *directory = opendir(path.c_str())) {
        while (struct dirent *entry = readdir(directory)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                RemoveTree(path + "/" + name);
        }
        closedir(directory);
    }
    rmdir(path.c_str());
}

}  // namespace

std::string TempRoot()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string root = tmp != nullptr && *tmp != 0 ? tmp : "/tmp";
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    return root;
}

std::string MakeTempDir(const std::string &prefix)
{
    std::string pattern = TempRoot() + "/" + prefix + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        return "";
    char resolved[PATH_MAX];
    if (realpath(pattern.c_str(), resolved) == nullptr) {
        rmdir(pattern.c_str());
        return "";
    }
    std::lock_guard<std::mutex> guard(MadeLock());
    Made().insert(resolved);
    return resolved;
}

void AdoptTempDir(const std::string &path)
{
    if (path.empty() || path == "/")
        return;
    std::lock_guard<std::mutex> guard(MadeLock());
    Made().insert(path);
}

void RemoveTempTree(const std::string &path)
{
    bool climbs = path.find("/../") != std::string::npos ||
                  (path.size() >= 3 && path.compare(path.size() - 3, 3, "/..") == 0);
    if (path.empty() || climbs || !IsOurs(path))
        return;
    RemoveTree(path);
}

}  // namespace kvtest
