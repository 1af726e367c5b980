// Examining: the FileInfoBlock of roots, drawers and files, ExNext passes, sizes past 4 GiB, Info.
#include "dos_test_support.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <map>
#include <string>

namespace {

using dostest::DosTest;

// Walks a drawer with Examine and ExNext; counts each name.
std::map<std::string, int> Walk(const char *path, LONG &endError)
{
    std::map<std::string, int> seen;
    BPTR lock = Lock(path, SHARED_LOCK);
    EXPECT_NE(lock, 0);
    struct FileInfoBlock fib;
    EXPECT_TRUE(Examine(lock, &fib));
    EXPECT_GT(fib.fib_DirEntryType, 0);
    while (ExNext(lock, &fib))
        seen[fib.fib_FileName]++;
    endError = IoErr();
    UnLock(lock);
    return seen;
}

TEST_F(DosTest, ExamineOnARootGivesTheVolumeName)
{
    BPTR lock = Lock("TEST:", SHARED_LOCK);
    struct FileInfoBlock fib;
    ASSERT_TRUE(Examine(lock, &fib));
    EXPECT_EQ(fib.fib_DirEntryType, ST_ROOT);
    EXPECT_STREQ(fib.fib_FileName, "Test");
    UnLock(lock);
}

TEST_F(DosTest, ExNextOverAnEmptyDrawerEndsAtOnce)
{
    mkdir(Host("empty").c_str(), 0755);
    LONG error = 0;
    EXPECT_TRUE(Walk("empty", error).empty());
    EXPECT_EQ(error, ERROR_NO_MORE_ENTRIES);
}

TEST_F(DosTest, ExNextOverOneEntryFillsEveryField)
{
    mkdir(Host("one").c_str(), 0755);
    dostest::WriteHostFile(Host("one/file.txt"), "12345");
    chmod(Host("one/file.txt").c_str(), 0640);
    struct timespec times[2] = {{0, UTIME_OMIT}, {0, 0}};
    struct tm local = {};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 1;
    local.tm_mday = 29;
    local.tm_hour = 13;
    local.tm_min = 14;
    local.tm_sec = 15;
    local.tm_isdst = -1;
    times[1].tv_sec = mktime(&local);
    ASSERT_EQ(utimensat(AT_FDCWD, Host("one/file.txt").c_str(), times, 0), 0);

    BPTR lock = Lock("one", SHARED_LOCK);
    struct FileInfoBlock fib;
    ASSERT_TRUE(Examine(lock, &fib));
    EXPECT_EQ(fib.fib_DirEntryType, ST_USERDIR);
    EXPECT_STREQ(fib.fib_FileName, "one");
    ASSERT_TRUE(ExNext(lock, &fib));
    EXPECT_STREQ(fib.fib_FileName, "file.txt");
    EXPECT_EQ(fib.fib_DirEntryType, ST_FILE);
    EXPECT_EQ(fib.fib_EntryType, ST_FILE);
    EXPECT_EQ(fib.fib_Size, 5);
    EXPECT_EQ(fib.fib_Size64, 5u);
    EXPECT_EQ(fib.fib_Protection, FIBF_EXECUTE | FIBF_GRP_READ);
    // 29 February 2024 is day 16860 after 1 January 1978.
    EXPECT_EQ(fib.fib_Date.ds_Days, 16860);
    EXPECT_EQ(fib.fib_Date.ds_Minute, 13 * 60 + 14);
    EXPECT_EQ(fib.fib_Date.ds_Tick, 15 * 50);
    EXPECT_STREQ(fib.fib_Comment, "");
    EXPECT_FALSE(ExNext(lock, &fib));
    EXPECT_EQ(IoErr(), ERROR_NO_MORE_ENTRIES);
    EXPECT_FALSE(ExNext(lock, &fib));   // stays at the end
    EXPECT_EQ(IoErr(), ERROR_NO_MORE_ENTRIES);
    ASSERT_TRUE(Examine(lock, &fib));   // a new pass
    EXPECT_TRUE(ExNext(lock, &fib));
    UnLock(lock);
}

TEST_F(DosTest, ExNextSeesEachOfTenThousandEntriesOnce)
{
    mkdir(Host("many").c_str(), 0755);
    for (int i = 0; i < 10000; i++)
        dostest::WriteHostFile(Host("many/f" + std::to_string(i)), "");
    mkdir(Host("many/sub").c_str(), 0755);
    LONG error = 0;
    std::map<std::string, int> seen = Walk("many", error);
    EXPECT_EQ(error, ERROR_NO_MORE_ENTRIES);
    EXPECT_EQ(seen.size(), 10001u);
    for (int i = 0; i < 10000; i++)
        EXPECT_EQ(seen["f" + std::to_string(i)], 1) << i;
    EXPECT_EQ(seen["sub"], 1);
}

TEST_F(DosTest, SizesPastTwoGigabytesAreSaturatedAndExactIn64Bits)
{
    int fd = open(Host("sparse").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    const off_t size = 5LL * 1024 * 1024 * 1024 + 7;
    ASSERT_EQ(ftruncate(fd, size), 0);
    close(fd);
    BPTR lock = Lock("sparse", SHARED_LOCK);
    struct FileInfoBlock fib;
    ASSERT_TRUE(Examine(lock, &fib));
    EXPECT_EQ(fib.fib_Size, 0x7FFFFFFF);
    EXPECT_EQ(fib.fib_Size64, static_cast<UQUAD>(size));
    UnLock(lock);
    BPTR root = Lock("", SHARED_LOCK);
    ASSERT_TRUE(Examine(root, &fib));
    ASSERT_TRUE(ExNext(root, &fib));
    EXPECT_STREQ(fib.fib_FileName, "sparse");
    EXPECT_EQ(fib.fib_Size, 0x7FFFFFFF);
    EXPECT_EQ(fib.fib_Size64, static_cast<UQUAD>(size));
    UnLock(root);
}

TEST_F(DosTest, SoftLinksShowAsLinksToTheirObjectAndDanglingOnesAsSoftLinks)
{
    mkdir(Host("d").c_str(), 0755);
    mkdir(Host("d/realdir").c_str(), 0755);
    dostest::WriteHostFile(Host("d/realfile"), "abc");
    ASSERT_EQ(symlink("realdir", Host("d/dirlink").c_str()), 0);
    ASSERT_EQ(symlink("realfile", Host("d/filelink").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", Host("d/dangling").c_str()), 0);
    std::map<std::string, struct FileInfoBlock> entries;
    BPTR lock = Lock("d", SHARED_LOCK);
    struct FileInfoBlock fib;
    Examine(lock, &fib);
    while (ExNext(lock, &fib))
        entries[fib.fib_FileName] = fib;
    UnLock(lock);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries["dirlink"].fib_DirEntryType, ST_LINKDIR);    // listed as a drawer
    EXPECT_EQ(entries["filelink"].fib_DirEntryType, ST_LINKFILE);  // listed as a file
    EXPECT_EQ(entries["realdir"].fib_DirEntryType, ST_USERDIR);
    EXPECT_EQ(entries["filelink"].fib_Size, 3);
    EXPECT_EQ(entries["dangling"].fib_DirEntryType, ST_SOFTLINK);

    // Deleting the link leaves its drawer and the drawer's contents alone.
    dostest::WriteHostFile(Host("d/realdir/kept"), "x");
    EXPECT_TRUE(DeleteFile("d/dirlink"));
    EXPECT_TRUE(dostest::HostExists(Host("d/realdir/kept")));
}

TEST_F(DosTest, ExNextOnAFileAndExamineFH)
{
    dostest::WriteHostFile(Host("f"), "hello");
    BPTR lock = Lock("f", SHARED_LOCK);
    struct FileInfoBlock fib;
    ASSERT_TRUE(Examine(lock, &fib));
    EXPECT_LT(fib.fib_DirEntryType, 0);
    EXPECT_FALSE(ExNext(lock, &fib));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_WRONG_TYPE);
    UnLock(lock);
    BPTR file = Open("f", MODE_OLDFILE);
    ASSERT_TRUE(ExamineFH(file, &fib));
    EXPECT_STREQ(fib.fib_FileName, "f");
    EXPECT_EQ(fib.fib_Size, 5);
    Close(file);
}

TEST_F(DosTest, LongNamesAreCutToFitTheBlock)
{
    mkdir(Host("d").c_str(), 0755);
    std::string longName(200, 'x');
    dostest::WriteHostFile(Host("d/" + longName), "data");
    BPTR lock = Lock("d", SHARED_LOCK);
    struct FileInfoBlock fib;
    std::memset(&fib, 0x55, sizeof fib);
    Examine(lock, &fib);
    ASSERT_TRUE(ExNext(lock, &fib));
    size_t length = std::strlen(fib.fib_FileName);
    EXPECT_LE(length, 107u);
    EXPECT_EQ(std::string(fib.fib_FileName, 10), std::string(10, 'x'));
    UnLock(lock);
    BPTR old = CurrentDir(Lock("d", SHARED_LOCK));
    BPTR file = Open(fib.fib_FileName, MODE_OLDFILE);
    ASSERT_NE(file, 0);
    char buffer[8] = {};
    EXPECT_EQ(Read(file, buffer, sizeof buffer), 4);
    Close(file);
    UnLock(CurrentDir(old));
}

TEST_F(DosTest, InfoDescribesTheVolume)
{
    BPTR lock = Lock("", SHARED_LOCK);
    struct InfoData info;
    ASSERT_TRUE(Info(lock, &info));
    EXPECT_GT(info.id_NumBlocks, 0);
    EXPECT_GE(info.id_NumBlocks, info.id_NumBlocksUsed);
    EXPECT_GT(info.id_BytesPerBlock, 0);
    EXPECT_EQ(info.id_DiskState, ID_VALIDATED);
    UnLock(lock);
}

}  // namespace
