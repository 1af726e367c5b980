// Helpers of the information window's tests: a volume "Work:" on a temporary drawer, WBInfo on a task of its own.
#include "wb_fixture.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <fstream>

namespace wbtest {

namespace {

const std::string *gHome = [] {
    char pattern[] = "/tmp/kv-wb-home-XXXXXX";
    const char *made = mkdtemp(pattern);
    auto *home = new std::string(made != nullptr ? made : "/tmp");
    setenv("KESTROVANE_HOME", home->c_str(), 1);
    return home;
}();

void RemoveTree(const std::string &path)
{
    if (path.size() > 8 && path.rfind("/tmp/", 0) == 0)
        std::system(("chmod -R u+rwx '" + path + "' 2>/dev/null; rm -rf '" + path + "'").c_str());
}

struct HomeCleanup {
    ~HomeCleanup() { RemoveTree(*gHome); }
} gCleanup;

}  // namespace

void WbTest::SetUp()
{
    char pattern[] = "/tmp/kv-wb-volume-XXXXXX";
    const char *made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    char resolved[PATH_MAX];
    ASSERT_NE(realpath(made, resolved), nullptr);
    root_ = resolved;
    std::ofstream(Host("notes.txt")) << "hello!";
    chmod(Host("notes.txt").c_str(), 0644);
    mkdir(Host("docs").c_str(), 0755);
    std::ofstream(*gHome + "/Mountlist") << "VOLUME Work: " << root_ << "\n";
    hosted::ReloadDosConfiguration();
    itest::Settle();
}

void WbTest::TearDown()
{
    itest::Settle();
    RemoveTree(root_);
}

std::future<WbTest::Answer> WbTest::Show(const std::string &drawer, const std::string &name)
{
    return std::async(std::launch::async, [drawer, name] {
        BPTR lock = Lock(drawer.c_str(), SHARED_LOCK);
        ULONG result = WBInfo(lock, name.c_str(), nullptr);
        LONG error = IoErr();
        UnLock(lock);
        return Answer(result, error);
    });
}

struct FileInfoBlock WbTest::Examined(const std::string &path)
{
    struct FileInfoBlock fib{};
    BPTR lock = Lock(path.c_str(), SHARED_LOCK);
    EXPECT_NE(lock, 0) << path;
    if (lock != 0) {
        EXPECT_TRUE(Examine(lock, &fib));
        UnLock(lock);
    }
    return fib;
}

void ToggleFlag(struct Window *window, const char *letter)
{
    reqtest::ClickLabelled(window, letter);
}

}  // namespace wbtest
