// Shared set-up of the dos tests: a private KESTROVANE_HOME and a volume "Test:" on a temporary drawer.
#include "dos_test_support.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace dostest {

namespace {

// Set before main, so that no test ever touches the user's own table.
const std::string *gHome = [] {
    char pattern[] = "/tmp/kv-dos-home-XXXXXX";
    const char *made = mkdtemp(pattern);
    auto *home = new std::string(made != nullptr ? made : "/tmp");
    setenv("KESTROVANE_HOME", home->c_str(), 1);
    return home;
}();

struct HomeCleanup {
    ~HomeCleanup()
    {
        std::string ram;
        if (hosted::ResolvePath("RAM:", ram))
            RemoveHostTree(ram);
        RemoveHostTree(*gHome);
    }
} gCleanup;

}  // namespace

const std::string &TestHome()
{
    return *gHome;
}

void WriteMountlist(const std::string &text)
{
    WriteHostFile(TestHome() + "/Mountlist", text);
    hosted::ReloadDosConfiguration();
}

void WriteHostFile(const std::string &path, const std::string &contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

std::string ReadHostFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool HostExists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

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

void DosTest::SetUp()
{
    char pattern[] = "/tmp/kv-dos-volume-XXXXXX";
    const char *made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    char resolved[PATH_MAX];
    ASSERT_NE(realpath(made, resolved), nullptr);
    root_ = resolved;
    WriteMountlist("VOLUME Test: " + root_ + "\n");
    rootLock_ = Lock("Test:", SHARED_LOCK);
    ASSERT_NE(rootLock_, 0);
    oldDir_ = CurrentDir(rootLock_);
}

void DosTest::TearDown()
{
    CurrentDir(oldDir_);
    UnLock(rootLock_);
    RemoveHostTree(root_);
}

std::string DosTest::Host(const std::string &relative) const
{
    return relative.empty() ? root_ : root_ + "/" + relative;
}

}  // namespace dostest
