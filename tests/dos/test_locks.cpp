// Locks: shared and exclusive locks, DupLock, SameLock, CurrentDir, and locks that follow a rename.
#include "dos_test_support.h"

#include <sys/stat.h>

#include <atomic>
#include <thread>
#include <unistd.h>

namespace {

using dostest::DosTest;

TEST_F(DosTest, ExclusiveLockExcludesEveryOtherLockAndHandle)
{
    dostest::WriteHostFile(Host("f"), "data");
    BPTR shared = Lock("f", SHARED_LOCK);
    ASSERT_NE(shared, 0);
    BPTR second = Lock("f", SHARED_LOCK);
    EXPECT_NE(second, 0);
    EXPECT_EQ(Lock("f", EXCLUSIVE_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    UnLock(shared);
    UnLock(second);

    BPTR exclusive = Lock("f", EXCLUSIVE_LOCK);
    ASSERT_NE(exclusive, 0);
    EXPECT_EQ(Lock("f", SHARED_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    EXPECT_EQ(Open("f", MODE_OLDFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    EXPECT_EQ(DupLock(exclusive), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    UnLock(exclusive);

    BPTR file = Open("f", MODE_OLDFILE);
    ASSERT_NE(file, 0);
    EXPECT_EQ(Lock("f", EXCLUSIVE_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    shared = Lock("f", SHARED_LOCK);
    EXPECT_NE(shared, 0);
    UnLock(shared);
    Close(file);
    exclusive = Lock("f", EXCLUSIVE_LOCK);
    EXPECT_NE(exclusive, 0);
    UnLock(exclusive);
}

TEST_F(DosTest, NewFileIsExclusiveSoACopyOntoItsSourceIsRefused)
{
    dostest::WriteHostFile(Host("source"), "precious");
    BPTR lock = Lock("source", SHARED_LOCK);
    BPTR in = Open("source", MODE_OLDFILE);
    ASSERT_NE(in, 0);
    EXPECT_EQ(Open("Test:source", MODE_NEWFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    Close(in);
    UnLock(lock);
    EXPECT_EQ(dostest::ReadHostFile(Host("source")), "precious");
    BPTR out = Open("source", MODE_NEWFILE);
    ASSERT_NE(out, 0);
    EXPECT_EQ(Lock("source", SHARED_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_IN_USE);
    Close(out);
}

TEST_F(DosTest, DupLockSameLockAndCurrentDir)
{
    mkdir(Host("d").c_str(), 0755);
    mkdir(Host("e").c_str(), 0755);
    BPTR d = Lock("d", SHARED_LOCK);
    BPTR copy = DupLock(d);
    ASSERT_NE(copy, 0);
    EXPECT_NE(copy, d);
    EXPECT_EQ(SameLock(d, copy), LOCK_SAME);
    BPTR e = Lock("e", SHARED_LOCK);
    EXPECT_EQ(SameLock(d, e), LOCK_SAME_VOLUME);
    BPTR ram = Lock("RAM:", SHARED_LOCK);
    EXPECT_EQ(SameLock(d, ram), LOCK_DIFFERENT);
    EXPECT_EQ(DupLock(0), 0);

    BPTR old = CurrentDir(d);
    EXPECT_EQ(old, rootLock_);
    dostest::WriteHostFile(Host("d/inside"), "1");
    BPTR inside = Lock("inside", SHARED_LOCK);
    EXPECT_NE(inside, 0);
    UnLock(inside);
    EXPECT_EQ(CurrentDir(old), d);
    UnLock(ram);
    UnLock(e);
    UnLock(copy);
    UnLock(d);
}

TEST_F(DosTest, BadLocksAreRefusedNotFollowed)
{
    int junk[4] = {};
    BPTR bogus = MKBADDR(junk);
    struct FileInfoBlock fib;
    EXPECT_FALSE(Examine(bogus, &fib));
    EXPECT_EQ(IoErr(), ERROR_INVALID_LOCK);
    UnLock(bogus);   // ignored
    BPTR lock = Lock("", SHARED_LOCK);
    UnLock(lock);
    EXPECT_FALSE(ExNext(lock, &fib));   // released: no longer a lock
    EXPECT_EQ(IoErr(), ERROR_INVALID_LOCK);
}

TEST_F(DosTest, LocksFollowARenamedDrawer)
{
    mkdir(Host("old").c_str(), 0755);
    mkdir(Host("old/inner").c_str(), 0755);
    BPTR inner = Lock("old/inner", SHARED_LOCK);
    ASSERT_TRUE(Rename("old", "new"));
    char name[128];
    ASSERT_TRUE(NameFromLock(inner, name, sizeof name));
    EXPECT_STREQ(name, "Test:new/inner");
    BPTR old = CurrentDir(inner);
    dostest::WriteHostFile(Host("new/inner/f"), "x");
    BPTR f = Lock("f", SHARED_LOCK);
    EXPECT_NE(f, 0);
    UnLock(f);
    CurrentDir(old);
    UnLock(inner);
}

TEST_F(DosTest, LocksFollowARenamedDrawerOnEveryVolumeBelowIt)
{
    mkdir(Host("outer").c_str(), 0755);
    mkdir(Host("outer/inner").c_str(), 0755);
    mkdir(Host("outer/inner/deep").c_str(), 0755);
    mkdir(Host("outerside").c_str(), 0755);
    volume_.Mount("Test", "VOLUME Inner: \"" + Host("outer/inner") + "\"\n");
    BPTR root = Lock("Inner:", SHARED_LOCK);
    BPTR deep = Lock("Inner:deep", SHARED_LOCK);
    BPTR beside = Lock("Test:outerside", SHARED_LOCK);
    ASSERT_NE(root, 0);
    ASSERT_NE(deep, 0);
    ASSERT_TRUE(Rename("Test:outer", "Test:moved"));
    char name[256];
    ASSERT_TRUE(NameFromLock(root, name, sizeof name));
    EXPECT_STREQ(name, "Test:moved/inner");
    ASSERT_TRUE(NameFromLock(deep, name, sizeof name));
    EXPECT_STREQ(name, "Test:moved/inner/deep");
    // A drawer whose name only begins like the renamed one stays.
    ASSERT_TRUE(NameFromLock(beside, name, sizeof name));
    EXPECT_STREQ(name, "Test:outerside");
    UnLock(root);
    UnLock(deep);
    UnLock(beside);
}

TEST_F(DosTest, LockFollowsSoftLinksAndMissingObjectsAreNotFound)
{
    dostest::WriteHostFile(Host("target"), "t");
    ASSERT_EQ(symlink("target", Host("link").c_str()), 0);
    ASSERT_EQ(symlink("gone", Host("dangling").c_str()), 0);
    BPTR link = Lock("link", SHARED_LOCK);
    ASSERT_NE(link, 0);
    BPTR target = Lock("target", SHARED_LOCK);
    EXPECT_EQ(SameLock(link, target), LOCK_SAME);
    UnLock(target);
    UnLock(link);
    EXPECT_EQ(Lock("dangling", SHARED_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(Lock("nothing", SHARED_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
}

TEST_F(DosTest, TasksShareTheRulesAndLeaveNothingHeld)
{
    dostest::WriteHostFile(Host("shared"), "x");
    std::string path = Host("shared");
    std::atomic<int> exclusiveWins{0};
    auto worker = [&] {
        for (int i = 0; i < 500; i++) {
            BPTR shared = Lock("Test:shared", SHARED_LOCK);
            BPTR exclusive = Lock("Test:shared", EXCLUSIVE_LOCK);
            if (exclusive != 0)
                exclusiveWins++;
            EXPECT_FALSE(shared != 0 && exclusive != 0);
            UnLock(exclusive);
            UnLock(shared);
        }
    };
    std::thread first(worker), second(worker);
    first.join();
    second.join();
    BPTR exclusive = Lock("shared", EXCLUSIVE_LOCK);
    EXPECT_NE(exclusive, 0);
    UnLock(exclusive);
}

}  // namespace
