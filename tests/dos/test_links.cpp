// Links: MakeLink (soft and hard) and ReadLink, their targets as dos paths both ways.
#include "dos_test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace {

using dostest::DosTest;

std::string HostLinkText(const std::string &path)
{
    char text[PATH_MAX];
    ssize_t length = readlink(path.c_str(), text, sizeof text);
    return length < 0 ? std::string("<none>") : std::string(text, size_t(length));
}

TEST_F(DosTest, SoftLinksKeepRelativeTargetsRelativeBothWays)
{
    mkdir(Host("d").c_str(), 0755);
    dostest::WriteHostFile(Host("x"), "object");
    struct {
        const char *dos;
        const char *host;
    } cases[] = {{"/x", "../x"}, {"a//b", "a/../b"}, {"x//", "x/.."}, {"sub/name", "sub/name"}, {"//up", "../../up"}, {"", "."}};
    int n = 0;
    for (const auto &c : cases) {
        std::string name = "d/link" + std::to_string(n++);
        ASSERT_EQ(MakeLink(name.c_str(), reinterpret_cast<SIPTR>(c.dos), LINK_SOFT), DOSTRUE) << c.dos;
        EXPECT_EQ(HostLinkText(Host(name)), c.host);
        char back[64];
        ASSERT_EQ(ReadLink(nullptr, 0, name.c_str(), back, sizeof back), DOSTRUE);
        EXPECT_STREQ(back, c.dos);
    }
    // The link leads to its object through dos.
    BPTR file = Open("d/link0", MODE_OLDFILE);
    ASSERT_NE(file, 0);
    char bytes[8] = {};
    EXPECT_EQ(Read(file, bytes, 6), 6);
    EXPECT_STREQ(bytes, "object");
    Close(file);
    // A host link written by another program reads in the system's grammar.
    ASSERT_EQ(symlink("./../x", Host("d/hostmade").c_str()), 0);
    char text[32];
    ASSERT_EQ(ReadLink(nullptr, 0, "d/hostmade", text, sizeof text), DOSTRUE);
    EXPECT_STREQ(text, "/x");
}

TEST_F(DosTest, SoftLinksToVolumePathsStoreTheHostPathAndReadAsVolumePaths)
{
    mkdir(Host("drawer").c_str(), 0755);
    ASSERT_EQ(MakeLink("abs", reinterpret_cast<SIPTR>("Test:drawer"), LINK_SOFT), DOSTRUE);
    EXPECT_EQ(HostLinkText(Host("abs")), Host("drawer"));
    char text[256];
    ASSERT_EQ(ReadLink(nullptr, 0, "abs", text, sizeof text), DOSTRUE);
    EXPECT_STREQ(text, "Test:drawer");
    // ReadLink relative to a lock other than the current directory.
    BPTR drawer = Lock("drawer", SHARED_LOCK);
    ASSERT_NE(drawer, 0);
    ASSERT_EQ(MakeLink("drawer/inner", reinterpret_cast<SIPTR>("/abs"), LINK_SOFT), DOSTRUE);
    ASSERT_EQ(ReadLink(nullptr, drawer, "inner", text, sizeof text), DOSTRUE);
    EXPECT_STREQ(text, "/abs");
    UnLock(drawer);
    // The listing tells the link from a drawer of its own.
    BPTR root = Lock("", SHARED_LOCK);
    struct FileInfoBlock fib;
    ASSERT_TRUE(Examine(root, &fib));
    LONG linkType = 0;
    while (ExNext(root, &fib))
        if (std::string(fib.fib_FileName) == "abs")
            linkType = fib.fib_DirEntryType;
    UnLock(root);
    EXPECT_EQ(linkType, ST_LINKDIR);
}

TEST_F(DosTest, LinksRefuseWhatTheyCannotDo)
{
    dostest::WriteHostFile(Host("file"), "x");
    char text[8];
    // Not a link, nothing there, a buffer too small, a name that is taken.
    EXPECT_EQ(ReadLink(nullptr, 0, "file", text, sizeof text), DOSFALSE);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_WRONG_TYPE);
    EXPECT_EQ(ReadLink(nullptr, 0, "missing", text, sizeof text), DOSFALSE);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    ASSERT_EQ(MakeLink("long", reinterpret_cast<SIPTR>("a/very/long/target"), LINK_SOFT), DOSTRUE);
    EXPECT_EQ(ReadLink(nullptr, 0, "long", text, sizeof text), DOSFALSE);
    EXPECT_EQ(IoErr(), ERROR_LINE_TOO_LONG);
    EXPECT_STREQ(text, "a/very/");
    EXPECT_EQ(MakeLink("file", reinterpret_cast<SIPTR>("elsewhere"), LINK_SOFT), DOSFALSE);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_EXISTS);
    EXPECT_EQ(dostest::ReadHostFile(Host("file")), "x");
    // A dangling link lists as ST_SOFTLINK and still reads.
    ASSERT_EQ(MakeLink("dangling", reinterpret_cast<SIPTR>("gone"), LINK_SOFT), DOSTRUE);
    char target[16];
    ASSERT_EQ(ReadLink(nullptr, 0, "dangling", target, sizeof target), DOSTRUE);
    EXPECT_STREQ(target, "gone");
    // The fault switch of tests reaches MakeLink.
    hosted::SetDosFault(hosted::DosCall::MakeLink, 1, ERROR_DISK_FULL, "faulty");
    EXPECT_EQ(MakeLink("faulty", reinterpret_cast<SIPTR>("x"), LINK_SOFT), DOSFALSE);
    EXPECT_EQ(IoErr(), ERROR_DISK_FULL);
    hosted::ClearDosFaults();
    struct stat info;
    EXPECT_NE(lstat(Host("faulty").c_str(), &info), 0);
}

TEST_F(DosTest, HardLinksNameTheSameFile)
{
    dostest::WriteHostFile(Host("file"), "shared");
    mkdir(Host("drawer").c_str(), 0755);
    BPTR file = Lock("file", SHARED_LOCK);
    BPTR drawer = Lock("drawer", SHARED_LOCK);
    ASSERT_EQ(MakeLink("second", static_cast<SIPTR>(file), LINK_HARD), DOSTRUE);
    EXPECT_EQ(MakeLink("third", static_cast<SIPTR>(drawer), LINK_HARD), DOSFALSE);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_WRONG_TYPE);
    UnLock(file);
    UnLock(drawer);
    struct stat a, b;
    ASSERT_EQ(stat(Host("file").c_str(), &a), 0);
    ASSERT_EQ(stat(Host("second").c_str(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    char text[8];
    EXPECT_EQ(ReadLink(nullptr, 0, "second", text, sizeof text), DOSFALSE);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_WRONG_TYPE);
}

}  // namespace
