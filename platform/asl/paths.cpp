// asl/paths.cpp: joining names to drawers and finding the drawer above, as the file requester moves about.
#include "aslprivate.h"

#include <proto/dos.h>

#include <vector>

namespace hosted::asl {

std::string JoinPath(const std::string &drawer, const std::string &name)
{
    if (drawer.empty())
        return name;
    if (name.empty())
        return drawer;
    if (name.find(':') != std::string::npos)
        return name;   // a name with a volume stands on its own
    char last = drawer.back();
    return last == ':' || last == '/' ? drawer + name : drawer + "/" + name;
}

int PathKind(const std::string &path)
{
    BPTR lock = Lock(path.c_str(), SHARED_LOCK);
    if (lock == 0)
        return 0;
    int kind = 0;
    if (auto *fib = static_cast<struct FileInfoBlock *>(AllocDosObject(DOS_FIB, nullptr))) {
        if (Examine(lock, fib))
            kind = fib->fib_DirEntryType > 0 ? 1 : -1;
        FreeDosObject(DOS_FIB, fib);
    }
    UnLock(lock);
    return kind;
}

namespace {

// The parent through the file system, named by its full path.
bool ParentByLock(const std::string &drawer, std::string &parent)
{
    BPTR lock = Lock(drawer.c_str(), SHARED_LOCK);
    if (lock == 0)
        return false;
    BPTR above = ParentDir(lock);
    UnLock(lock);
    if (above == 0)
        return false;
    std::vector<char> name(4096);
    bool named = false;
    for (int tries = 0; tries < 4 && !named; tries++) {
        named = NameFromLock(above, name.data(), static_cast<LONG>(name.size()));
        if (!named && IoErr() == ERROR_LINE_TOO_LONG)
            name.resize(name.size() * 4);
        else
            break;
    }
    UnLock(above);
    if (named)
        parent = name.data();
    return named;
}

}  // namespace

bool ParentPath(const std::string &drawer, std::string &parent)
{
    std::size_t colon = drawer.find(':');
    if (colon == std::string::npos)
        return ParentByLock(drawer, parent);
    std::string path = drawer;
    // "Work:a/" is "Work:a".
    while (path.size() > colon + 1 && path.back() == '/' && path[path.size() - 2] != '/')
        path.pop_back();
    std::string rest = path.substr(colon + 1);
    if (rest.empty())
        return false;   // a volume's root
    if (rest[0] == '/' || rest.find("//") != std::string::npos)
        return ParentByLock(drawer, parent);   // parent steps of its own: ask the file system
    std::size_t slash = path.rfind('/');
    parent = slash == std::string::npos || slash < colon ? path.substr(0, colon + 1) : path.substr(0, slash);
    return true;
}

}  // namespace hosted::asl
