// dos/volumes.cpp: the volumes (the host's mounts, Home:, RAM:) and assigns, and their table.
#include "dosprivate.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>

namespace hosted {

namespace {

const char kTableName[] = "Mountlist";

const char kTableTemplate[] =
    "# Kestrovane's volumes and assigns. One a line; \"#\" starts a comment.\n"
    "#\n"
    "#   NAME: TARGET          an assign: TARGET is a volume path (Home:Work)\n"
    "#                         or a host drawer (/srv/data)\n"
    "#   NAME:                 removes a built-in assign\n"
    "#   VOLUME NAME: /drawer  makes a host drawer a volume of its own, or\n"
    "#                         renames the volume of a mount point\n"
    "#\n"
    "# Names are case-insensitive; put a TARGET with blanks in double quotes.\n"
    "# Built in: SYS: System:   C: S: ENV: ENVARC: (drawers of this directory)\n"
    "#           T: RAM:T       PROGDIR: (the drawer of each running program)\n";

// File systems that are the kernel's or the container's plumbing, never
// something a person keeps files on.
const std::set<std::string> kPseudoFileSystems = {
    "proc",       "sysfs",      "devtmpfs",   "devpts",     "cgroup",       "cgroup2",
    "securityfs", "debugfs",    "tracefs",    "pstore",     "bpf",          "mqueue",
    "hugetlbfs",  "configfs",   "fusectl",    "autofs",     "binfmt_misc",  "efivarfs",
    "nsfs",       "rpc_pipefs", "selinuxfs",  "tmpfs",      "ramfs",        "squashfs",
    "nfsd",       "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "fuse.snapfuse", "none",
};

const char *const kPlumbingPrefixes[] = {"/proc", "/sys", "/dev", "/run", "/snap",
                                         "/var/lib/docker", "/var/lib/containers",
                                         "/var/snap"};

bool Under(const std::string &path, const char *prefix)
{
    size_t length = std::strlen(prefix);
    return path.compare(0, length, prefix) == 0 && (path.size() == length || path[length] == '/');
}

// mountinfo writes blanks and the like as \ooo.
std::string Unescape(const std::string &field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); i++) {
        if (field[i] == '\\' && i + 3 < field.size() && std::isdigit(static_cast<unsigned char>(field[i + 1])) &&
            std::isdigit(static_cast<unsigned char>(field[i + 2])) &&
            std::isdigit(static_cast<unsigned char>(field[i + 3]))) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// A volume name may hold neither ":" nor "/".
std::string CleanName(std::string name)
{
    for (char &c : name) {
        if (c == ':' || c == '/')
            c = '_';
    }
    return name.empty() ? std::string("Volume") : name;
}

bool IsDirectory(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string Canonical(const std::string &path)
{
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr)
        return std::string();
    return resolved;
}

// Splits a table line into words; double quotes hold blanks.
std::vector<std::string> Words(const std::string &line)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
            i++;
        if (i >= line.size() || line[i] == '#' || line[i] == ';')
            break;
        std::string word;
        if (line[i] == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos)
                end = line.size();
            word = line.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

bool NameTaken(const DosConfig &config, const std::string &name)
{
    for (const VolumeEntry &volume : config.volumes) {
        if (SameDosName(volume.name, name))
            return true;
    }
    return false;
}

std::string UniqueName(const DosConfig &config, const std::string &name)
{
    if (!NameTaken(config, name))
        return name;
    for (int n = 2;; n++) {
        std::string candidate = name + "_" + std::to_string(n);
        if (!NameTaken(config, candidate))
            return candidate;
    }
}

// Turns an assign's target (host drawer or volume path) into a host path.
bool AssignTarget(const DosConfig &config, const std::string &target, std::string &hostPath)
{
    if (!target.empty() && target[0] == '/') {
        hostPath = target;
        return true;
    }
    size_t colon = target.find(':');
    if (colon == std::string::npos)
        return false;
    std::string volume = target.substr(0, colon);
    std::string rest = target.substr(colon + 1);
    for (const VolumeEntry &entry : config.volumes) {
        if (SameDosName(entry.name, volume)) {
            hostPath = entry.root;
            if (!rest.empty())
                hostPath += (hostPath == "/" ? "" : "/") + rest;
            return true;
        }
    }
    for (const AssignEntry &entry : config.assigns) {
        if (SameDosName(entry.name, volume)) {
            hostPath = entry.hostPath;
            if (!rest.empty())
                hostPath += "/" + rest;
            return true;
        }
    }
    return false;
}

struct PendingAssign {
    std::string name;
    std::string target;   // empty: remove
    bool builtIn = false; // its drawer is made when missing
};

std::mutex &ConfigLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::shared_ptr<const DosConfig> &CurrentConfig()
{
    static auto *config = new std::shared_ptr<const DosConfig>;
    return *config;
}

std::string ReadWholeFile(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::shared_ptr<const DosConfig> LoadConfig()
{
    auto config = std::make_shared<DosConfig>();
    config->home = KestrovaneHome();
    config->userHome = UserHome();
    config->ramRoot = RamDiskDirectory(config->home);

    std::string tablePath = config->home + "/" + kTableName;
    if (access(tablePath.c_str(), F_OK) != 0) {
        // First use: leave a commented table for people to edit. A
        // read-only home simply keeps the built-in defaults.
        if (FILE *table = std::fopen(tablePath.c_str(), "w")) {
            std::fputs(kTableTemplate, table);
            std::fclose(table);
        }
    }
    ApplyMountTable(ReadWholeFile(tablePath), *config);
    InstallEnvironment(*config);
    // People edit the table by hand: say what was left out and why.
    for (const std::string &problem : config->tableErrors)
        std::fprintf(stderr, "dos: %s: ignored %s\n", tablePath.c_str(), problem.c_str());
    config->dosList = BuildDosList(*config);
    return config;
}

}  // namespace

bool SameDosName(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

DosConfig::~DosConfig()
{
    FreeDosList(dosList);
}

std::vector<VolumeEntry> HostMountVolumes(const std::string &mountInfo)
{
    std::vector<VolumeEntry> volumes;
    std::istringstream lines(mountInfo);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        std::string word;
        while (fields >> word)
            words.push_back(word);
        auto dash = std::find(words.begin(), words.end(), "-");
        if (words.size() < 5 || dash == words.end() || dash + 1 == words.end())
            continue;
        std::string mountPoint = Unescape(words[4]);
        std::string type = *(dash + 1);
        bool plumbing = kPseudoFileSystems.count(type) != 0 ||
                        (type == "overlay" && mountPoint != "/");
        for (const char *prefix : kPlumbingPrefixes) {
            if (Under(mountPoint, prefix) && !Under(mountPoint, "/run/media"))
                plumbing = true;
        }
        // A later mount on the same point hides the earlier one.
        volumes.erase(std::remove_if(volumes.begin(), volumes.end(),
                                     [&](const VolumeEntry &v) { return v.root == mountPoint; }),
                      volumes.end());
        if (plumbing)
            continue;
        VolumeEntry volume;
        volume.root = mountPoint;
        volume.name = mountPoint == "/" ? "System" : CleanName(mountPoint.substr(mountPoint.rfind('/') + 1));
        volumes.push_back(volume);
    }
    return volumes;
}

void ApplyMountTable(const std::string &text, DosConfig &config)
{
    std::vector<VolumeEntry> tableVolumes;
    std::vector<PendingAssign> tableAssigns;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        number++;
        std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        bool volume = strcasecmp(words[0].c_str(), "VOLUME") == 0;
        if (volume)
            words.erase(words.begin());
        bool good = !words.empty() && words.size() <= 2 && words[0].size() > 1 &&
                    words[0].back() == ':' && words[0].find(':') == words[0].size() - 1 &&
                    words[0].find('/') == std::string::npos;
        if (good && volume)
            good = words.size() == 2 && words[1][0] == '/';
        if (!good) {
            config.tableErrors.push_back("line " + std::to_string(number) + ": " + line);
            continue;
        }
        std::string name = words[0].substr(0, words[0].size() - 1);
        if (volume)
            tableVolumes.push_back({name, words[1], true});
        else
            tableAssigns.push_back({name, words.size() == 2 ? words[1] : std::string(), false});
    }

    // Volumes: the boot volume, Home:, RAM:, the table's, then the other
    // mounts by mount point, so that the order stays put between runs.
    std::vector<VolumeEntry> mounts = HostMountVolumes(ReadWholeFile("/proc/self/mountinfo"));
    std::sort(mounts.begin(), mounts.end(),
              [](const VolumeEntry &a, const VolumeEntry &b) { return a.root < b.root; });
    std::vector<VolumeEntry> candidates;
    bool haveRoot = false;
    for (const VolumeEntry &mount : mounts) {
        if (mount.root == "/")
            haveRoot = true;
    }
    if (!haveRoot)
        mounts.insert(mounts.begin(), VolumeEntry{"System", "/", false});
    for (const VolumeEntry &mount : mounts) {
        if (mount.root == "/")
            candidates.push_back(mount);
    }
    if (config.userHome != "/")
        candidates.push_back({"Home", config.userHome, false});
    candidates.push_back({"RAM", config.ramRoot, false});
    for (VolumeEntry entry : tableVolumes) {
        entry.root = Canonical(entry.root);
        if (!entry.root.empty())
            candidates.push_back(entry);
    }
    for (const VolumeEntry &mount : mounts) {
        if (mount.root != "/")
            candidates.push_back(mount);
    }
    std::set<std::string> roots;
    for (VolumeEntry &candidate : candidates) {
        if (candidate.root.empty() || roots.count(candidate.root) != 0 || !IsDirectory(candidate.root))
            continue;
        // A table entry naming a mount point renames that volume.
        bool renamed = false;
        for (const VolumeEntry &entry : tableVolumes) {
            if (!candidate.fromTable && Canonical(entry.root) == candidate.root)
                renamed = true;
        }
        if (renamed)
            continue;
        roots.insert(candidate.root);
        candidate.name = UniqueName(config, DisplayName(candidate.name.c_str()));
        config.volumes.push_back(candidate);
    }

    // Assigns: the built-in ones unless the table changes them.
    std::string home = config.home;
    std::vector<PendingAssign> assigns = {
        {"SYS", "System:", true},     {"C", home + "/C", true},           {"S", home + "/S", true},
        {"ENV", home + "/ENV", true}, {"ENVARC", home + "/ENVARC", true}, {"T", "RAM:T", true},
    };
    for (const PendingAssign &entry : tableAssigns) {
        auto same = std::find_if(assigns.begin(), assigns.end(),
                                 [&](const PendingAssign &a) { return SameDosName(a.name, entry.name); });
        if (same != assigns.end())
            assigns.erase(same);
        if (!entry.target.empty())
            assigns.push_back(entry);
    }
    for (const PendingAssign &entry : assigns) {
        if (SameDosName(entry.name, "PROGDIR") || NameTaken(config, entry.name)) {
            config.tableErrors.push_back("assign " + entry.name + ": the name is taken");
            continue;
        }
        AssignEntry assign;
        assign.name = entry.name;
        if (!AssignTarget(config, entry.target, assign.hostPath)) {
            config.tableErrors.push_back("assign " + entry.name + ": no such volume");
            continue;
        }
        if (entry.builtIn)
            MakeHostDirectories(assign.hostPath);
        std::string canonical = Canonical(assign.hostPath);
        if (canonical.empty() || !IsDirectory(canonical)) {
            config.tableErrors.push_back("assign " + entry.name + ": no such drawer");
            continue;
        }
        assign.hostPath = canonical;
        config.assigns.push_back(assign);
    }
    // Locations last: an assign may lie on any volume.
    for (AssignEntry &assign : config.assigns) {
        DosLocation where;
        std::string best;
        for (const VolumeEntry &volume : config.volumes) {
            const std::string &root = volume.root;
            bool inside = root == "/" ? true
                                      : assign.hostPath.compare(0, root.size(), root) == 0 &&
                                            (assign.hostPath.size() == root.size() ||
                                             assign.hostPath[root.size()] == '/');
            if (inside && root.size() >= best.size() && (best.empty() || root.size() > best.size())) {
                best = root;
                where.volumeName = volume.name;
                where.volumeRoot = root;
                where.relative = assign.hostPath.size() > root.size()
                                     ? assign.hostPath.substr(root == "/" ? 1 : root.size() + 1)
                                     : std::string();
            }
        }
        assign.where = where;
    }
    config.assigns.erase(std::remove_if(config.assigns.begin(), config.assigns.end(),
                                        [](const AssignEntry &a) { return a.where.volumeName.empty(); }),
                         config.assigns.end());
}

std::shared_ptr<const DosConfig> Config()
{
    std::lock_guard<std::mutex> guard(ConfigLock());
    std::shared_ptr<const DosConfig> &config = CurrentConfig();
    if (!config)
        config = LoadConfig();
    return config;
}

void InstallConfig(std::shared_ptr<const DosConfig> config)
{
    std::lock_guard<std::mutex> guard(ConfigLock());
    CurrentConfig() = std::move(config);
    PathsChanged();
}

void ReloadDosConfiguration()
{
    std::shared_ptr<const DosConfig> fresh = LoadConfig();
    std::lock_guard<std::mutex> guard(ConfigLock());
    CurrentConfig() = fresh;
    PathsChanged();
}

}  // namespace hosted
