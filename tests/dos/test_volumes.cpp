// Volumes and assigns: the host's mounts, Home:, RAM:, the table, and the DOS list.
#include "dos_test_support.h"
#include "dosprivate.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using dostest::DosTest;

std::string NameOf(const struct DosList *entry)
{
    const auto *bstr = static_cast<const unsigned char *>(BADDR(entry->dol_Name));
    EXPECT_EQ(bstr[bstr[0] + 1], 0) << "a BSTR ends in a zero on this host";
    return std::string(reinterpret_cast<const char *>(bstr + 1), bstr[0]);
}

std::vector<std::string> Entries(ULONG flags)
{
    std::vector<std::string> names;
    struct DosList *list = AttemptLockDosList(flags);
    EXPECT_NE(list, nullptr);
    if (list == nullptr)
        return names;
    while ((list = NextDosEntry(list, flags)) != nullptr)
        names.push_back(NameOf(list));
    UnLockDosList(flags);
    return names;
}

std::string Resolved(const char *path)
{
    std::string host;
    if (!hosted::ResolvePath(path, host))
        return "<failed " + std::to_string(IoErr()) + ">";
    return host;
}

TEST_F(DosTest, VolumesComeInAStableOrder)
{
    std::vector<std::string> volumes = Entries(LDF_VOLUMES | LDF_READ);
    ASSERT_GE(volumes.size(), 4u);
    EXPECT_EQ(volumes[0], "System");
    EXPECT_EQ(volumes[1], "Home");
    EXPECT_EQ(volumes[2], "RAM");
    EXPECT_EQ(volumes[3], "Test");
    EXPECT_EQ(Entries(LDF_VOLUMES | LDF_READ), volumes);
    for (const std::string &name : volumes)
        EXPECT_EQ(name.find_first_of(":/"), std::string::npos) << name;
}

TEST_F(DosTest, BuiltInAssignsAreListedAndLeadToDrawers)
{
    std::vector<std::string> assigns = Entries(LDF_ASSIGNS | LDF_READ);
    for (const char *name : {"SYS", "C", "S", "ENV", "ENVARC", "T"})
        EXPECT_NE(std::find(assigns.begin(), assigns.end(), name), assigns.end()) << name;
    EXPECT_EQ(Resolved("SYS:"), "/");
    EXPECT_EQ(Resolved("env:"), dostest::TestHome() + "/ENV");
    std::string ram = Resolved("RAM:");
    EXPECT_EQ(Resolved("T:"), ram + "/T");
    struct stat info;
    ASSERT_EQ(stat((ram + "/T").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_TRUE(dostest::HostExists(dostest::TestHome() + "/RAM"));
}

TEST_F(DosTest, RamDiskIsPrivateAndWritable)
{
    std::string ram = Resolved("RAM:");
    struct stat info;
    ASSERT_EQ(stat(ram.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, getuid());
    EXPECT_EQ(info.st_mode & 077, 0u);
    BPTR file = Open("RAM:scratch", MODE_NEWFILE);
    ASSERT_NE(file, 0);
    EXPECT_EQ(Write(file, "x", 1), 1);
    Close(file);
    EXPECT_TRUE(DeleteFile("ram:scratch"));
}

TEST_F(DosTest, TheTableAddsAssignsAndRemovesBuiltInOnes)
{
    mkdir(Host("sub").c_str(), 0755);
    mkdir(Host("other").c_str(), 0755);
    dostest::WriteMountlist("VOLUME Test: " + Host() + "\n"
                            "# a comment\n"
                            "Data: Test:sub\n"
                            "Files: \"" + Host("other") + "\"\n"
                            "T:\n"
                            "this line is wrong\n"
                            "Nowhere: NoVolume:x\n"
                            "Typo: " + Host("no-such-drawer") + "\n");
    EXPECT_EQ(Resolved("data:"), Host("sub"));
    EXPECT_EQ(Resolved("Files:"), Host("other"));
    EXPECT_EQ(Resolved("T:x"), "<failed 218>");
    EXPECT_EQ(Resolved("Nowhere:"), "<failed 218>");
    EXPECT_EQ(Resolved("Typo:"), "<failed 218>");
    EXPECT_FALSE(dostest::HostExists(Host("no-such-drawer")));   // the table never makes drawers
    std::vector<std::string> assigns = Entries(LDF_ASSIGNS | LDF_READ);
    EXPECT_NE(std::find(assigns.begin(), assigns.end(), "Data"), assigns.end());
    // An assign shows where it leads as a volume path.
    BPTR lock = Lock("Data:", SHARED_LOCK);
    char name[256];
    ASSERT_TRUE(NameFromLock(lock, name, sizeof name));
    EXPECT_STREQ(name, "Test:sub");
    UnLock(lock);
    struct DosList *list = LockDosList(LDF_ASSIGNS | LDF_READ);
    struct DosList *found = FindDosEntry(list, "DATA:", LDF_ASSIGNS);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->dol_Type, DLT_DIRECTORY);
    EXPECT_STREQ(found->dol_misc.dol_assign.dol_AssignName, "Test:sub");
    UnLockDosList(LDF_ASSIGNS | LDF_READ);
}

TEST_F(DosTest, FirstUseLeavesAnEditableTable)
{
    std::string table = dostest::ReadHostFile(dostest::TestHome() + "/Mountlist");
    EXPECT_NE(table.find("VOLUME"), std::string::npos);
}

TEST_F(DosTest, AssignLockMakesAndRemovesAnAssign)
{
    mkdir(Host("sub").c_str(), 0755);
    BPTR lock = Lock("sub", SHARED_LOCK);
    ASSERT_TRUE(AssignLock("Mine", lock));
    EXPECT_EQ(Resolved("MINE:x"), Host("sub/x"));
    BPTR another = Lock("sub", SHARED_LOCK);
    EXPECT_FALSE(AssignLock("Test", another));   // a volume's name
    EXPECT_EQ(IoErr(), ERROR_OBJECT_EXISTS);
    UnLock(another);
    ASSERT_TRUE(AssignLock("Mine:", 0));
    EXPECT_EQ(Resolved("Mine:"), "<failed 218>");
}

TEST_F(DosTest, ProgdirIsTheProgramsDrawer)
{
    char exe[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
    ASSERT_GT(length, 0);
    exe[length] = 0;
    std::string directory(exe, std::strrchr(exe, '/'));
    EXPECT_EQ(Resolved("PROGDIR:"), directory);
    EXPECT_EQ(Resolved("progdir:dos_tests"), directory + "/dos_tests");
    std::string home;
    ASSERT_TRUE(hosted::HostPathOfLock(GetProgramDir(), home));
    EXPECT_EQ(home, directory);
}

TEST_F(DosTest, DosListLockingForWritingExcludesReaders)
{
    ASSERT_NE(LockDosList(LDF_VOLUMES | LDF_WRITE), nullptr);
    struct DosList *attempt = nullptr;
    std::thread([&] { attempt = AttemptLockDosList(LDF_VOLUMES | LDF_READ); }).join();
    EXPECT_EQ(attempt, nullptr);
    UnLockDosList(LDF_VOLUMES | LDF_WRITE);
    std::thread([&] {
        attempt = AttemptLockDosList(LDF_VOLUMES | LDF_READ);
        if (attempt != nullptr)
            UnLockDosList(LDF_VOLUMES | LDF_READ);
    }).join();
    EXPECT_NE(attempt, nullptr);
}

TEST(Mounts, PlumbingIsLeftOutAndNamesAreSensible)
{
    const char *mountInfo =
        "21 26 0:20 / /proc rw,relatime - proc proc rw\n"
        "22 26 0:21 / /sys rw,relatime - sysfs sysfs rw\n"
        "24 23 0:22 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
        "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
        "27 26 0:24 / /run/user/1000 rw - tmpfs tmpfs rw\n"
        "28 26 8:17 / /media/ann/USB\\040STICK rw - vfat /dev/sdb1 rw\n"
        "29 26 8:18 / /run/media/ann/Photos rw - ext4 /dev/sdc1 rw\n"
        "30 26 0:30 / /var/lib/docker/overlay2/abc/merged rw - overlay overlay rw\n"
        "31 26 8:2 / /home rw - ext4 /dev/sda2 rw\n"
        "32 26 0:40 / /sys/fs/cgroup/cpu rw - cgroup cgroup rw\n"
        "33 26 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
        "34 26 8:3 / /mnt/odd:name rw - ext4 /dev/sda3 rw\n";
    std::vector<hosted::VolumeEntry> volumes = hosted::HostMountVolumes(mountInfo);
    std::vector<std::string> roots, names;
    for (const auto &volume : volumes) {
        roots.push_back(volume.root);
        names.push_back(volume.name);
    }
    EXPECT_EQ(roots, (std::vector<std::string>{"/", "/media/ann/USB STICK", "/run/media/ann/Photos", "/home",
                                               "/mnt/odd:name"}));
    EXPECT_EQ(names, (std::vector<std::string>{"System", "USB STICK", "Photos", "home", "odd_name"}));
}

}  // namespace
