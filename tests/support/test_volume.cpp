// A temporary drawer as a volume of the test home's table, and the current directory while a test runs.
#include "test_volume.h"

#include "host_files.h"
#include "temp_dir.h"
#include "temp_home.h"

#include <hosted/dos.h>
#include <proto/dos.h>

namespace kvtest {

void WriteMountlist(const std::string &text)
{
    WriteHostFile(TestHome() + "/Mountlist", text);
    hosted::ReloadDosConfiguration();
}

bool TestVolume::Make(const std::string &prefix)
{
    Unmount();
    root_ = MakeTempDir(prefix);
    return !root_.empty();
}

void TestVolume::Mount(const std::string &name, const std::string &moreLines)
{
    name_ = name;
    WriteMountlist("VOLUME " + name + ": \"" + root_ + "\"\n" + moreLines);
}

bool TestVolume::Enter()
{
    std::string path = name_ + ":";
    if (name_.empty() && !hosted::VolumePathOf(root_, path))
        return false;
    lock_ = Lock(path.c_str(), SHARED_LOCK);
    if (lock_ == 0)
        return false;
    oldDir_ = CurrentDir(lock_);
    return true;
}

void TestVolume::Unmount()
{
    if (lock_ != 0) {
        CurrentDir(oldDir_);
        UnLock(lock_);
        lock_ = 0;
        oldDir_ = 0;
    }
    RemoveTempTree(root_);
    root_.clear();
    name_.clear();
}

}  // namespace kvtest
