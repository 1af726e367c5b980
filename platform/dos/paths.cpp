// dos/paths.cpp: the path grammar: volumes, assigns, ":", "/" for parents, relative names.
#include "dosprivate.h"

#include <atomic>
#include <cstring>

namespace hosted {

namespace {

bool BootLocation(DosLocation &where)
{
    std::shared_ptr<const DosConfig> config = Config();
    for (const VolumeEntry &volume : config->volumes) {
        if (volume.root == "/") {
            where = {volume.name, volume.root, ""};
            return true;
        }
    }
    if (config->volumes.empty()) {
        Fail(ERROR_NO_DEFAULT_DIR);
        return false;
    }
    where = {config->volumes[0].name, config->volumes[0].root, ""};
    return true;
}

bool DeviceLocation(const std::string &device, DosLocation &where)
{
    if (device.empty()) {
        // ":" is the root of the current directory's volume.
        if (!LocationOfLock(ThisProcess()->pr_CurrentDir, where))
            return false;
        where.relative.clear();
        return true;
    }
    if (SameDosName(device, "PROGDIR")) {
        BPTR home = ThisProcess()->pr_HomeDir;
        if (home != 0)
            return LocationOfLock(home, where);
        if (LocationOfHostPath(ProgramDirectory(), where))
            return true;
        Fail(ERROR_DEVICE_NOT_MOUNTED);
        return false;
    }
    std::shared_ptr<const DosConfig> config = Config();
    for (const VolumeEntry &volume : config->volumes) {
        if (SameDosName(volume.name, device)) {
            where = {volume.name, volume.root, ""};
            return true;
        }
    }
    for (const AssignEntry &assign : config->assigns) {
        if (SameDosName(assign.name, device)) {
            where = assign.where;
            return true;
        }
    }
    Fail(ERROR_DEVICE_NOT_MOUNTED);
    return false;
}

}  // namespace

std::string HostPathOf(const DosLocation &where)
{
    if (where.relative.empty())
        return where.volumeRoot;
    bool root = where.volumeRoot == "/";
    std::string path;
    path.reserve((root ? 0 : where.volumeRoot.size()) + 1 + where.relative.size());
    if (!root)
        path = where.volumeRoot;
    path += '/';
    path += where.relative;
    return path;
}

std::string DosPathOf(const DosLocation &where)
{
    std::string path = where.volumeName + ":";
    size_t start = 0;
    while (start < where.relative.size()) {
        size_t end = where.relative.find('/', start);
        if (end == std::string::npos)
            end = where.relative.size();
        if (start > 0)
            path += "/";
        path += DisplayName(where.relative.substr(start, end - start).c_str());
        start = end + 1;
    }
    return path;
}

bool LocationOfLock(BPTR lock, DosLocation &where, size_t room)
{
    if (lock == 0)
        return BootLocation(where);
    return CopyLockLocation(lock, where, room);
}

bool LocationOfHostPath(const std::string &hostPath, DosLocation &where)
{
    if (hostPath.empty() || hostPath[0] != '/')
        return false;
    // Lexically tidy: no "//", "." or "..".
    std::vector<std::string> parts;
    size_t start = 1;
    while (start <= hostPath.size()) {
        size_t end = hostPath.find('/', start);
        if (end == std::string::npos)
            end = hostPath.size();
        std::string part = hostPath.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string tidy;
    for (const std::string &part : parts) {
        tidy += '/';
        tidy += part;
    }
    if (tidy.empty())
        tidy.push_back('/');

    std::shared_ptr<const DosConfig> config = Config();
    const VolumeEntry *best = nullptr;
    for (const VolumeEntry &volume : config->volumes) {
        const std::string &root = volume.root;
        bool inside = root == "/" || (tidy.compare(0, root.size(), root) == 0 &&
                                      (tidy.size() == root.size() || tidy[root.size()] == '/'));
        if (inside && (best == nullptr || root.size() > best->root.size()))
            best = &volume;
    }
    if (best == nullptr)
        return false;
    where.volumeName = best->name;
    where.volumeRoot = best->root;
    if (tidy.size() <= best->root.size())
        where.relative.clear();
    else
        where.relative = tidy.substr(best->root == "/" ? 1 : best->root.size() + 1);
    return true;
}

namespace {

// Changes whenever a name may lead elsewhere than it did: a lock's place
// changed or a lock was freed (its address may come back as another), or
// the volume table was read again.
std::atomic<unsigned long> gPathsGeneration{1};

// The last name a task resolved from its letters alone (no look at a
// drawer), and where it led: a copy names each file it writes several
// times in a row.
struct ResolvedName {
    unsigned long generation = 0;
    BPTR currentDir = 0;
    std::string name;
    DosLocation where;
    std::string hostPath;   // of `where`, made when first asked for
};

thread_local ResolvedName tLastResolved;

bool SameDevice(const char *name, size_t length, const char *device)
{
    return std::strlen(device) == length && SameDosName(std::string(name, length), device);
}

// The remembered resolution of `name`, or nullptr.
const ResolvedName *Remembered(CONST_STRPTR name)
{
    const ResolvedName &last = tLastResolved;
    if (name == nullptr || last.generation != gPathsGeneration.load() ||
        last.currentDir != ThisProcess()->pr_CurrentDir || last.name != name)
        return nullptr;
    return &last;
}

}  // namespace

void PathsChanged()
{
    gPathsGeneration.fetch_add(1);
}

bool ResolveLocation(CONST_STRPTR name, DosLocation &where)
{
    if (name == nullptr) {
        Fail(ERROR_REQUIRED_ARG_MISSING);
        return false;
    }
    if (const ResolvedName *last = Remembered(name)) {
        where = last->where;
        return true;
    }
    const unsigned long generation = gPathsGeneration.load();
    bool byLetters = true;   // no drawer was looked at, nor PROGDIR: used
    const char *colon = std::strchr(name, ':');
    const char *rest = name;
    if (colon != nullptr) {
        if (SameDevice(name, size_t(colon - name), "PROGDIR"))
            byLetters = false;
        if (!DeviceLocation(std::string(name, colon), where))
            return false;
        rest = colon + 1;
        if (std::strchr(rest, ':') != nullptr) {
            Fail(ERROR_INVALID_COMPONENT_NAME);
            return false;
        }
    } else if (!LocationOfLock(ThisProcess()->pr_CurrentDir, where, std::strlen(rest) + 1)) {
        return false;
    }

    // Each "/" without a name before it goes one drawer up; a final "/"
    // ends the path ("a/" is a, "a//b" is b beside a). The names are added
    // to the location in place: most are their own host names and cost no
    // look at the drawer.
    std::string &relative = where.relative;
    relative.reserve(relative.size() + std::strlen(rest) + 1);
    const char *component = rest;
    for (;;) {
        const char *slash = std::strchr(component, '/');
        size_t length = slash != nullptr ? static_cast<size_t>(slash - component) : std::strlen(component);
        if (length == 0) {
            if (slash == nullptr)
                break;
            if (relative.empty()) {
                Fail(ERROR_OBJECT_NOT_FOUND);   // above the volume's root
                return false;
            }
            size_t up = relative.rfind('/');
            relative.resize(up == std::string::npos ? 0 : up);
        } else {
            if (component[0] == '.' && (length == 1 || (length == 2 && component[1] == '.'))) {
                Fail(ERROR_INVALID_COMPONENT_NAME);
                return false;
            }
            if (IsOwnHostName(component, length)) {
                if (!relative.empty())
                    relative += '/';
                relative.append(component, length);
            } else {
                std::string part = HostNameFor(HostPathOf(where), std::string(component, length));
                if (!relative.empty())
                    relative += '/';
                relative += part;
                byLetters = false;
            }
        }
        if (slash == nullptr)
            break;
        component = slash + 1;
    }
    if (byLetters) {
        ResolvedName &last = tLastResolved;
        last.generation = generation;
        last.currentDir = ThisProcess()->pr_CurrentDir;
        last.name = name;
        last.where = where;
        last.hostPath.clear();
    }
    return true;
}

bool ResolvePath(CONST_STRPTR name, std::string &hostPath)
{
    if (Remembered(name) == nullptr) {
        DosLocation where;
        if (!ResolveLocation(name, where))
            return false;
        if (Remembered(name) == nullptr) {
            hostPath = HostPathOf(where);
            return true;
        }
    }
    ResolvedName &last = tLastResolved;
    if (last.hostPath.empty())
        last.hostPath = HostPathOf(last.where);
    hostPath = last.hostPath;
    return true;
}

bool HostPathOfLock(BPTR lock, std::string &hostPath)
{
    DosLocation where;
    if (!LocationOfLock(lock, where))
        return false;
    hostPath = HostPathOf(where);
    return true;
}

bool VolumePathOf(const std::string &hostPath, std::string &volumePath)
{
    DosLocation where;
    if (!LocationOfHostPath(hostPath, where))
        return false;
    volumePath = DosPathOf(where);
    return true;
}

}  // namespace hosted
