// Changing the file system: CreateDir, DeleteFile, Rename and SetFileDate.
#include "dos_test_support.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

using dostest::DosTest;

TEST_F(DosTest, CreateDirReturnsAnExclusiveLock)
{
    BPTR lock = CreateDir("new");
    ASSERT_NE(lock, 0);
    EXPECT_EQ(Lock("new", SHARED_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    UnLock(lock);
    EXPECT_EQ(CreateDir("new"), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_EXISTS);
    EXPECT_EQ(CreateDir("missing/new"), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    struct stat info;
    ASSERT_EQ(stat(Host("new").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}

TEST_F(DosTest, DeleteFileRemovesFilesAndEmptyDrawersOnly)
{
    dostest::WriteHostFile(Host("f"), "x");
    mkdir(Host("d").c_str(), 0755);
    dostest::WriteHostFile(Host("d/inside"), "x");
    EXPECT_FALSE(DeleteFile("d"));
    EXPECT_EQ(IoErr(), ERROR_DIRECTORY_NOT_EMPTY);
    char text[81];
    Fault(IoErr(), nullptr, text, sizeof text);
    EXPECT_STREQ(text, "directory not empty");
    EXPECT_TRUE(DeleteFile("d/inside"));
    EXPECT_TRUE(DeleteFile("d"));
    EXPECT_TRUE(DeleteFile("f"));
    EXPECT_FALSE(DeleteFile("f"));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    EXPECT_FALSE(DeleteFile("Test:"));
}

TEST_F(DosTest, DeleteFileRefusesLockedAndOpenObjects)
{
    dostest::WriteHostFile(Host("f"), "x");
    BPTR lock = Lock("f", SHARED_LOCK);
    EXPECT_FALSE(DeleteFile("f"));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    UnLock(lock);
    BPTR file = Open("f", MODE_OLDFILE);
    EXPECT_FALSE(DeleteFile("f"));
    Close(file);
    EXPECT_TRUE(DeleteFile("f"));
}

TEST_F(DosTest, DeleteFileRemovesALinkNotItsObject)
{
    mkdir(Host("real").c_str(), 0755);
    dostest::WriteHostFile(Host("real/keep"), "x");
    ASSERT_EQ(symlink("real", Host("link").c_str()), 0);
    EXPECT_TRUE(DeleteFile("link"));
    EXPECT_TRUE(dostest::HostExists(Host("real/keep")));
}

TEST_F(DosTest, RenameNeverReplacesAnExistingObject)
{
    dostest::WriteHostFile(Host("a"), "first");
    dostest::WriteHostFile(Host("b"), "second");
    EXPECT_FALSE(Rename("a", "b"));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_EXISTS);
    EXPECT_EQ(dostest::ReadHostFile(Host("a")), "first");
    EXPECT_EQ(dostest::ReadHostFile(Host("b")), "second");
    mkdir(Host("d").c_str(), 0755);
    mkdir(Host("e").c_str(), 0755);
    EXPECT_FALSE(Rename("d", "e"));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_EXISTS);
    EXPECT_FALSE(Rename("a", ""));
    EXPECT_TRUE(dostest::HostExists(Host("a")));
}

TEST_F(DosTest, RenameMovesWithinAVolumeButNotIntoItself)
{
    dostest::WriteHostFile(Host("a"), "data");
    mkdir(Host("d").c_str(), 0755);
    ASSERT_TRUE(Rename("a", "d/moved"));
    EXPECT_EQ(dostest::ReadHostFile(Host("d/moved")), "data");
    ASSERT_TRUE(Rename("Test:d/moved", ":back"));
    EXPECT_TRUE(dostest::HostExists(Host("back")));
    EXPECT_FALSE(Rename("d", "d/inner"));
    EXPECT_TRUE(dostest::HostExists(Host("d")));
    EXPECT_FALSE(Rename("missing", "x"));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
}

TEST_F(DosTest, RenameAcrossDevicesIsRefused)
{
    struct stat test, ram;
    std::string ramPath;
    ASSERT_TRUE(hosted::ResolvePath("RAM:", ramPath));
    ASSERT_EQ(stat(Host().c_str(), &test), 0);
    ASSERT_EQ(stat(ramPath.c_str(), &ram), 0);
    if (test.st_dev == ram.st_dev)
        GTEST_SKIP() << "RAM: shares the test volume's device here";
    dostest::WriteHostFile(Host("a"), "data");
    EXPECT_FALSE(Rename("a", "RAM:a"));
    EXPECT_EQ(IoErr(), ERROR_RENAME_ACROSS_DEVICES);
    EXPECT_TRUE(dostest::HostExists(Host("a")));
}

TEST_F(DosTest, SetFileDateRoundTrips)
{
    dostest::WriteHostFile(Host("f"), "x");
    struct DateStamp date = {16000, 12 * 60 + 34, 56 * 50 + 10};
    ASSERT_TRUE(SetFileDate("f", &date));
    BPTR lock = Lock("f", SHARED_LOCK);
    struct FileInfoBlock fib;
    ASSERT_TRUE(Examine(lock, &fib));
    EXPECT_EQ(fib.fib_Date.ds_Days, date.ds_Days);
    EXPECT_EQ(fib.fib_Date.ds_Minute, date.ds_Minute);
    EXPECT_EQ(fib.fib_Date.ds_Tick, date.ds_Tick);
    UnLock(lock);
    struct DateStamp bad = {1, 24 * 60, 0};
    EXPECT_FALSE(SetFileDate("f", &bad));
    EXPECT_EQ(IoErr(), ERROR_BAD_NUMBER);
    EXPECT_FALSE(SetFileDate("missing", &date));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
}

}  // namespace
