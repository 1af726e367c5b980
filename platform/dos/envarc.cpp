// dos/envarc.cpp: what the installation keeps in ENVARC:, and ENVARC: copied into ENV: at start, as the system does.
#include "dosprivate.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace hosted {

namespace {

bool Exists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// Writes the whole file beside its place and gives it its name only when
// complete, so a full disk never leaves a cut preference behind.
bool WriteWhole(const std::string &path, const UBYTE *bytes, size_t size)
{
    std::string temporary = path + ".kvinstall";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < size) {
        ssize_t wrote = write(fd, bytes + done, size - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            break;
        done += size_t(wrote);
    }
    bool ok = done == size && close(fd) == 0;
    if (done != size)
        close(fd);
    // Never over something that appeared meanwhile: that one is newer.
    if (ok && link(temporary.c_str(), path.c_str()) != 0)
        ok = false;
    unlink(temporary.c_str());
    return ok;
}

bool CopyWhole(const std::string &from, const std::string &to)
{
    int fd = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::vector<UBYTE> bytes;
    UBYTE chunk[8192];
    for (;;) {
        ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            close(fd);
            return false;
        }
        if (got == 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    close(fd);
    return WriteWhole(to, bytes.data(), bytes.size());
}

// Every file below `archive` that `current` lacks is copied there; what
// ENV: holds already (set during an earlier session) is kept. Links are
// not followed.
void CopyMissing(const std::string &archive, const std::string &current, int depth)
{
    if (depth > 16)
        return;
    DIR *drawer = opendir(archive.c_str());
    if (drawer == nullptr)
        return;
    while (struct dirent *entry = readdir(drawer)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        std::string from = archive + "/" + name, to = current + "/" + name;
        struct stat info;
        if (lstat(from.c_str(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            if (MakeHostDirectories(to))
                CopyMissing(from, to, depth + 1);
        } else if (S_ISREG(info.st_mode) && !Exists(to)) {
            CopyWhole(from, to);
        }
    }
    closedir(drawer);
}

const AssignEntry *AssignNamed(const DosConfig &config, const char *name)
{
    for (const AssignEntry &assign : config.assigns)
        if (SameDosName(assign.name, name))
            return &assign;
    return nullptr;
}

}  // namespace

void InstallEnvironment(const DosConfig &config)
{
    const AssignEntry *archive = AssignNamed(config, "ENVARC");
    const AssignEntry *current = AssignNamed(config, "ENV");
    if (archive == nullptr)
        return;
    // The installation's defaults go in once, with the drawer that holds
    // them: someone who deletes one of them later keeps it deleted.
    std::string sys = archive->hostPath + "/sys";
    if (!Exists(sys) && MakeHostDirectories(sys)) {
        std::vector<UBYTE> icon = DefaultDrawerIcon();
        WriteWhole(sys + "/def_drawer.info", icon.data(), icon.size());
    }
    if (current != nullptr && current->hostPath != archive->hostPath)
        CopyMissing(archive->hostPath, current->hostPath, 0);
}

}  // namespace hosted
