// dos/fresh_file.cpp: the file a MODE_NEWFILE Open just made, whose mode and attributes dos knows without asking.
//
// A copy writes each file, closes it and sets its date, comment and
// protection by name right away. The file is new: dos made it, read its
// mode back at the Open, and nothing but dos has given it a protection
// attribute. Knowing that saves SetProtection and SetComment their look at
// the object (a stat, and removing an attribute that is not there) on
// every file. Only the latest such file is kept, and only for a moment
// after its handle was closed: what a host program does to it in that
// moment is not seen, as it would not be between a stat and the call
// after it. Whatever dos does to the file or to a drawer above it
// (DeleteFile, Rename) ends the memo.
#include "dosprivate.h"

#include <time.h>

#include <mutex>

namespace hosted {

namespace {

// How long after its Close the file is still taken as dos left it.
constexpr long kFreshNanoseconds = 1000000000L;

struct Memo {
    std::mutex lock;
    bool valid = false;
    bool closed = false;
    struct timespec closedAt{};
    FreshFile file;
};

struct timespec Now()
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return now;
}

Memo &TheMemo()
{
    static auto *memo = new Memo;
    return *memo;
}

// Whether `path` is `drawer` or lies inside it.
bool AtOrInside(const std::string &path, const std::string &drawer)
{
    return path.compare(0, drawer.size(), drawer) == 0 &&
           (path.size() == drawer.size() || drawer == "/" || path[drawer.size()] == '/');
}

}  // namespace

void NoteFreshFile(const std::string &hostPath, const struct stat &info)
{
    Memo &memo = TheMemo();
    std::lock_guard<std::mutex> guard(memo.lock);
    memo.file.hostPath = hostPath;
    memo.file.device = info.st_dev;
    memo.file.inode = info.st_ino;
    memo.file.mode = info.st_mode;
    memo.file.protectionAttribute = false;
    memo.valid = true;
    memo.closed = false;
}

void FreshFileClosed(dev_t device, ino_t inode)
{
    Memo &memo = TheMemo();
    std::lock_guard<std::mutex> guard(memo.lock);
    if (memo.valid && memo.file.device == device && memo.file.inode == inode) {
        memo.closed = true;
        memo.closedAt = Now();
    }
}

bool FreshFileAt(const std::string &hostPath, FreshFile &fresh)
{
    Memo &memo = TheMemo();
    std::lock_guard<std::mutex> guard(memo.lock);
    if (!memo.valid || !memo.closed || memo.file.hostPath != hostPath)
        return false;
    struct timespec now = Now();
    long long age = (now.tv_sec - memo.closedAt.tv_sec) * 1000000000LL + (now.tv_nsec - memo.closedAt.tv_nsec);
    if (age < 0 || age >= kFreshNanoseconds) {
        memo.valid = false;
        return false;
    }
    fresh.device = memo.file.device;
    fresh.inode = memo.file.inode;
    fresh.mode = memo.file.mode;
    fresh.protectionAttribute = memo.file.protectionAttribute;
    fresh.hostPath.clear();
    return true;
}

void UpdateFreshFile(const std::string &hostPath, mode_t mode, bool protectionAttribute)
{
    Memo &memo = TheMemo();
    std::lock_guard<std::mutex> guard(memo.lock);
    if (!memo.valid || memo.file.hostPath != hostPath)
        return;
    memo.file.mode = mode;
    memo.file.protectionAttribute = protectionAttribute;
}

void ForgetFreshFile(const std::string &hostPath)
{
    Memo &memo = TheMemo();
    std::lock_guard<std::mutex> guard(memo.lock);
    if (memo.valid && AtOrInside(memo.file.hostPath, hostPath))
        memo.valid = false;
}

}  // namespace hosted
