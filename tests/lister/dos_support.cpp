// Set-up shared by the lister tests that go through dos.
#include "dos_support.h"

#include <hosted/dos.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>

namespace listertest {

namespace {

// Before main, so that no test ever reads the user's own volume table.
const std::string *gHome = [] {
    char pattern[] = "/tmp/kv-lister-home-XXXXXX";
    const char *made = mkdtemp(pattern);
    auto *home = new std::string(made != nullptr ? made : "/tmp");
    setenv("KESTROVANE_HOME", home->c_str(), 1);
    return home;
}();

void RemoveHostTree(const std::string &path)
{
    struct stat info;
    if (path.size() < 6 || lstat(path.c_str(), &info) != 0)
        return;
    if (S_ISDIR(info.st_mode)) {
        chmod(path.c_str(), 0700);
        if (DIR *directory = opendir(path.c_str())) {
            while (struct dirent *entry = readdir(directory)) {
                std::string name = entry->d_name;
                if (name != "." && name != "..")
                    RemoveHostTree(path + "/" + name);
            }
            closedir(directory);
        }
        rmdir(path.c_str());
    } else {
        unlink(path.c_str());
    }
}

struct HomeCleanup {
    ~HomeCleanup() { RemoveHostTree(*gHome); }
} gCleanup;

}  // namespace

void WriteHostFile(const std::string &path, const std::string &contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

void DosDrawerTest::SetUp()
{
    char pattern[] = "/tmp/kv-lister-volume-XXXXXX";
    const char *made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    char resolved[PATH_MAX];
    ASSERT_NE(realpath(made, resolved), nullptr);
    root = resolved;
    WriteHostFile(*gHome + "/Mountlist", "VOLUME LTest: " + root + "\n");
    hosted::ReloadDosConfiguration();
    rootLock = Lock("LTest:", SHARED_LOCK);
    ASSERT_NE(rootLock, 0);
    oldDir = CurrentDir(rootLock);
}

void DosDrawerTest::TearDown()
{
    CurrentDir(oldDir);
    UnLock(rootLock);
    RemoveHostTree(root);
}

std::string DosDrawerTest::Host(const std::string &relative) const
{
    return relative.empty() ? root : root + "/" + relative;
}

void DosDrawerTest::MakeHostDrawer(const std::string &relative) const
{
    mkdir(Host(relative).c_str(), 0755);
}

}  // namespace listertest
