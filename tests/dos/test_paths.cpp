// Paths: volume and assign names, ":", parents by "/", relative names, and the path text helpers.
#include "dos_test_support.h"
#include "dosprivate.h"

#include <sys/stat.h>

#include <cstring>
#include <future>
#include <thread>

namespace {

using dostest::DosTest;

std::string NameOf(BPTR lock)
{
    char buffer[512];
    if (!NameFromLock(lock, buffer, sizeof buffer))
        return "<failed " + std::to_string(IoErr()) + ">";
    return buffer;
}

std::string Resolved(const char *path)
{
    std::string host;
    if (!hosted::ResolvePath(path, host))
        return "<failed " + std::to_string(IoErr()) + ">";
    return host;
}

TEST_F(DosTest, VolumeNamesIgnoreCaseAndFileNamesDoNot)
{
    mkdir(Host("Dir").c_str(), 0755);
    EXPECT_EQ(Resolved("TEST:Dir"), Host("Dir"));
    EXPECT_EQ(Resolved("test:Dir"), Host("Dir"));
    BPTR lock = Lock("tEsT:Dir", SHARED_LOCK);
    EXPECT_NE(lock, 0);
    UnLock(lock);
    EXPECT_EQ(Lock("Test:dir", SHARED_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(Lock("NoSuchVolume:x", SHARED_LOCK), 0);
    EXPECT_EQ(IoErr(), ERROR_DEVICE_NOT_MOUNTED);
}

TEST_F(DosTest, ParentsRootAndRelativeNames)
{
    mkdir(Host("a").c_str(), 0755);
    mkdir(Host("a/b").c_str(), 0755);
    mkdir(Host("a/c").c_str(), 0755);
    EXPECT_EQ(Resolved("a/b"), Host("a/b"));
    EXPECT_EQ(Resolved("a/b/"), Host("a/b"));           // a final slash changes nothing
    EXPECT_EQ(Resolved("a/b//c"), Host("a/c"));         // one parent per slash
    EXPECT_EQ(Resolved("a/b///"), Host(""));
    EXPECT_EQ(Resolved(""), Host(""));
    BPTR b = Lock("a/b", SHARED_LOCK);
    ASSERT_NE(b, 0);
    BPTR old = CurrentDir(b);
    EXPECT_EQ(Resolved("/c"), Host("a/c"));
    EXPECT_EQ(Resolved("//"), Host(""));
    EXPECT_EQ(Resolved(":"), Host(""));                 // root of the current volume
    EXPECT_EQ(Resolved(":a/c"), Host("a/c"));
    EXPECT_EQ(Resolved("///"), "<failed 205>");         // above the root
    EXPECT_EQ(CurrentDir(old), b);
    UnLock(b);
    EXPECT_EQ(Resolved("a/../b"), "<failed 210>");      // no host shortcuts
    EXPECT_EQ(Resolved("Test:a:b"), "<failed 210>");
}

TEST_F(DosTest, NameFromLockAndParentDir)
{
    mkdir(Host("a").c_str(), 0755);
    mkdir(Host("a/b").c_str(), 0755);
    BPTR b = Lock("a/b", SHARED_LOCK);
    ASSERT_NE(b, 0);
    EXPECT_EQ(NameOf(b), "Test:a/b");
    BPTR a = ParentDir(b);
    EXPECT_EQ(NameOf(a), "Test:a");
    BPTR root = ParentDir(a);
    EXPECT_EQ(NameOf(root), "Test:");
    SetIoErr(99);
    EXPECT_EQ(ParentDir(root), 0);
    EXPECT_EQ(IoErr(), 0);
    char small[6];
    EXPECT_FALSE(NameFromLock(b, small, sizeof small));
    EXPECT_EQ(IoErr(), ERROR_LINE_TOO_LONG);
    EXPECT_EQ(small[sizeof small - 1], 0);
    UnLock(root);
    UnLock(a);
    UnLock(b);
}

TEST_F(DosTest, HostPathsBecomeVolumePaths)
{
    mkdir(Host("x").c_str(), 0755);
    std::string path;
    ASSERT_TRUE(hosted::VolumePathOf(Host("x"), path));
    EXPECT_EQ(path, "Test:x");
    ASSERT_TRUE(hosted::VolumePathOf(Host("x/../x/./"), path));
    EXPECT_EQ(path, "Test:x");
    ASSERT_TRUE(hosted::VolumePathOf("/", path));
    EXPECT_EQ(path, "System:");
}

TEST_F(DosTest, ANameResolvedAgainLeadsWhereItLeadsNow)
{
    mkdir(Host("a").c_str(), 0755);
    mkdir(Host("other").c_str(), 0755);
    mkdir(Host("moved").c_str(), 0755);
    BPTR otherFirst = Lock("Test:other", SHARED_LOCK);
    BPTR a = Lock("a", SHARED_LOCK);
    BPTR old = CurrentDir(a);
    EXPECT_EQ(Resolved("f"), Host("a/f"));
    EXPECT_EQ(Resolved("f"), Host("a/f"));
    // The current drawer moved by another task: the lock follows it, and
    // so does the name.
    std::promise<void> go, renamed, done;
    std::thread task([&] {
        go.get_future().wait();
        EXPECT_TRUE(Rename("Test:a", "Test:b"));
        renamed.set_value();
        done.get_future().wait();
    });
    EXPECT_EQ(Resolved("f"), Host("a/f"));
    go.set_value();
    renamed.get_future().wait();
    EXPECT_EQ(Resolved("f"), Host("b/f"));
    done.set_value();
    task.join();
    // Its lock freed, and the next lock (most likely at the same address)
    // on another drawer, made without naming anything.
    CurrentDir(old);
    UnLock(a);
    BPTR other = DupLock(otherFirst);
    CurrentDir(other);
    EXPECT_EQ(Resolved("f"), Host("other/f"));
    // The volume table read again with the volume somewhere else.
    EXPECT_EQ(Resolved("Test:x"), Host("x"));
    kvtest::WriteMountlist("VOLUME Test: \"" + Host("moved") + "\"\n");
    EXPECT_EQ(Resolved("Test:x"), Host("moved/x"));
    CurrentDir(old);
    UnLock(other);
    UnLock(otherFirst);
}

TEST(PathParts, FilePartAndPathPart)
{
    const char *path = "Work:Audio/Music/song";
    EXPECT_STREQ(FilePart(path), "song");
    EXPECT_STREQ(PathPart(path), "/song");
    EXPECT_STREQ(FilePart("Work:song"), "song");
    EXPECT_STREQ(PathPart("Work:song"), "song");
    EXPECT_STREQ(FilePart("song"), "song");
    EXPECT_STREQ(PathPart("song"), "song");
    EXPECT_STREQ(FilePart("Work:"), "");
    EXPECT_STREQ(PathPart("//song"), "song");
}

TEST(PathParts, AddPartJoinsReplacesClimbsAndRefusesWhatDoesNotFit)
{
    char buffer[32];
    std::strcpy(buffer, "Work:");
    EXPECT_TRUE(AddPart(buffer, "a", sizeof buffer));
    EXPECT_STREQ(buffer, "Work:a");
    EXPECT_TRUE(AddPart(buffer, "b/c", sizeof buffer));
    EXPECT_STREQ(buffer, "Work:a/b/c");
    EXPECT_TRUE(AddPart(buffer, "/d", sizeof buffer));
    EXPECT_STREQ(buffer, "Work:a/b/d");
    EXPECT_TRUE(AddPart(buffer, "//e", sizeof buffer));
    EXPECT_STREQ(buffer, "Work:a/e");
    EXPECT_TRUE(AddPart(buffer, "RAM:x", sizeof buffer));
    EXPECT_STREQ(buffer, "RAM:x");
    EXPECT_TRUE(AddPart(buffer, "", sizeof buffer));
    EXPECT_STREQ(buffer, "RAM:x");
    std::strcpy(buffer, "Work:");
    EXPECT_TRUE(AddPart(buffer, "/x", sizeof buffer));
    EXPECT_STREQ(buffer, "Work:/x");
    std::strcpy(buffer, "Work:abc");
    EXPECT_FALSE(AddPart(buffer, "defgh", 12));
    EXPECT_EQ(IoErr(), ERROR_LINE_TOO_LONG);
    EXPECT_STREQ(buffer, "Work:abc");
    EXPECT_TRUE(AddPart(buffer, "def", 13));
    EXPECT_STREQ(buffer, "Work:abc/def");
}

}  // namespace
