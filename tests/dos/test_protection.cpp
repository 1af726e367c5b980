// Protection bits and comments: enforced by dos (also for root), kept in mode bits and extended attributes.
#include "dos_test_support.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <chrono>
#include <map>
#include <thread>

namespace {

using dostest::DosTest;

LONG ProtectionOf(const char *name)
{
    BPTR lock = Lock(name, SHARED_LOCK);
    struct FileInfoBlock fib;
    bool ok = lock != 0 && Examine(lock, &fib);
    UnLock(lock);
    return ok ? fib.fib_Protection : -1;
}

std::string Attribute(const std::string &path, const char *name)
{
    char value[256];
    ssize_t length = getxattr(path.c_str(), name, value, sizeof value);
    return length < 0 ? std::string("<none>") : std::string(value, static_cast<size_t>(length));
}

TEST_F(DosTest, ReadProtectionIsEnforcedEvenForRoot)
{
    dostest::WriteHostFile(Host("secret"), "x");
    chmod(Host("secret").c_str(), 0200);
    EXPECT_EQ(Open("secret", MODE_OLDFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_READ_PROTECTED);
    BPTR writer = Open("secret", MODE_READWRITE);
    ASSERT_NE(writer, 0);
    char c;
    EXPECT_EQ(Read(writer, &c, 1), -1);
    EXPECT_EQ(IoErr(), ERROR_READ_PROTECTED);
    Close(writer);
}

TEST_F(DosTest, WriteProtectionIsEnforcedEvenForRoot)
{
    dostest::WriteHostFile(Host("ro"), "keep me");
    chmod(Host("ro").c_str(), 0444);
    EXPECT_EQ(Open("ro", MODE_NEWFILE), 0);
    EXPECT_EQ(IoErr(), ERROR_WRITE_PROTECTED);
    EXPECT_EQ(Open("ro", MODE_READWRITE), 0);
    EXPECT_EQ(IoErr(), ERROR_WRITE_PROTECTED);
    BPTR reader = Open("ro", MODE_OLDFILE);
    ASSERT_NE(reader, 0);
    EXPECT_EQ(Write(reader, "x", 1), -1);
    EXPECT_EQ(IoErr(), ERROR_WRITE_PROTECTED);
    EXPECT_EQ(FPuts(reader, "x"), -1);
    Close(reader);
    EXPECT_EQ(dostest::ReadHostFile(Host("ro")), "keep me");
    EXPECT_FALSE(DeleteFile("ro"));
    EXPECT_EQ(IoErr(), ERROR_DELETE_PROTECTED);
    EXPECT_TRUE(dostest::HostExists(Host("ro")));
}

TEST_F(DosTest, UnprotectingATargetLetsItBeReplaced)
{
    dostest::WriteHostFile(Host("target"), "old");
    chmod(Host("target").c_str(), 0444);
    LONG protection = ProtectionOf("target");
    ASSERT_NE(protection & FIBF_WRITE, 0);
    ASSERT_TRUE(SetProtection("target", protection & ~FIBF_WRITE));
    BPTR file = Open("target", MODE_NEWFILE);
    ASSERT_NE(file, 0);
    EXPECT_EQ(Write(file, "new", 3), 3);
    Close(file);
    EXPECT_EQ(dostest::ReadHostFile(Host("target")), "new");
}

TEST_F(DosTest, ProtectionBitsMapToModeBitsAndTheAttribute)
{
    dostest::WriteHostFile(Host("f"), "x");
    ASSERT_TRUE(SetProtection("f", FIBF_EXECUTE | FIBF_GRP_READ | FIBF_GRP_EXECUTE | FIBF_OTR_READ));
    struct stat info;
    ASSERT_EQ(stat(Host("f").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0654u);
    EXPECT_EQ(Attribute(Host("f"), "user.amiga_protection"), "<none>");
    EXPECT_EQ(ProtectionOf("f"), FIBF_EXECUTE | FIBF_GRP_READ | FIBF_GRP_EXECUTE | FIBF_OTR_READ);

    ASSERT_TRUE(SetProtection("f", FIBF_SCRIPT | FIBF_ARCHIVE | FIBF_WRITE | FIBF_DELETE));
    ASSERT_EQ(stat(Host("f").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0500u);
    EXPECT_EQ(Attribute(Host("f"), "user.amiga_protection"), "-s-a");
    EXPECT_EQ(ProtectionOf("f"), FIBF_SCRIPT | FIBF_ARCHIVE | FIBF_WRITE | FIBF_DELETE);

    ASSERT_TRUE(SetProtection("f", FIBF_HOLD | FIBF_PURE));
    EXPECT_EQ(Attribute(Host("f"), "user.amiga_protection"), "h-p-");
    ASSERT_TRUE(SetProtection("f", 0));
    EXPECT_EQ(Attribute(Host("f"), "user.amiga_protection"), "<none>");
    EXPECT_EQ(ProtectionOf("f"), 0);
    EXPECT_FALSE(SetProtection("missing", 0));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
}

TEST_F(DosTest, TheDeleteBitFollowsTheWriteBit)
{
    dostest::WriteHostFile(Host("f"), "x");
    ASSERT_TRUE(SetProtection("f", FIBF_DELETE));   // d alone cannot be kept
    EXPECT_EQ(ProtectionOf("f") & (FIBF_WRITE | FIBF_DELETE), 0);
    ASSERT_TRUE(SetProtection("f", FIBF_WRITE));
    EXPECT_EQ(ProtectionOf("f") & (FIBF_WRITE | FIBF_DELETE), FIBF_WRITE | FIBF_DELETE);
}

TEST_F(DosTest, CommentsRoundTripThroughTheDesktopsAttribute)
{
    dostest::WriteHostFile(Host("f"), "x");
    std::string longest(79, 'c');
    ASSERT_TRUE(SetComment("f", longest.c_str()));
    EXPECT_EQ(Attribute(Host("f"), "user.xdg.comment"), longest);
    BPTR lock = Lock("", SHARED_LOCK);
    struct FileInfoBlock fib;
    Examine(lock, &fib);
    ASSERT_TRUE(ExNext(lock, &fib));
    EXPECT_EQ(std::string(fib.fib_Comment), longest);
    UnLock(lock);
    std::string tooLong(80, 'c');
    EXPECT_FALSE(SetComment("f", tooLong.c_str()));
    EXPECT_EQ(IoErr(), ERROR_COMMENT_TOO_BIG);
    EXPECT_EQ(Attribute(Host("f"), "user.xdg.comment"), longest);
    ASSERT_TRUE(SetComment("f", ""));
    EXPECT_EQ(Attribute(Host("f"), "user.xdg.comment"), "<none>");
    EXPECT_FALSE(SetComment("missing", "x"));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
}

TEST_F(DosTest, AProtectedFileStillTakesACommentAndHspaBits)
{
    dostest::WriteHostFile(Host("f"), "x");
    ASSERT_TRUE(SetProtection("f", FIBF_WRITE | FIBF_DELETE));
    ASSERT_TRUE(SetComment("f", "note"));
    ASSERT_TRUE(SetProtection("f", FIBF_WRITE | FIBF_DELETE | FIBF_ARCHIVE));
    EXPECT_EQ(ProtectionOf("f"), FIBF_WRITE | FIBF_DELETE | FIBF_ARCHIVE);
    EXPECT_EQ(Attribute(Host("f"), "user.xdg.comment"), "note");
}

TEST_F(DosTest, ChangesMadeBehindDossBackAreSeen)
{
    dostest::WriteHostFile(Host("f"), "x");
    // dos remembers the attributes of objects unchanged for a while; let
    // the file get that old so that the remembering is what is tested.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    auto commentOf = [] {
        BPTR lock = Lock("f", SHARED_LOCK);
        struct FileInfoBlock fib;
        bool ok = Examine(lock, &fib);
        UnLock(lock);
        return ok ? std::string(fib.fib_Comment) : std::string("<failed>");
    };
    EXPECT_EQ(commentOf(), "");
    ASSERT_EQ(setxattr(Host("f").c_str(), "user.xdg.comment", "from outside", 12, 0), 0);
    EXPECT_EQ(commentOf(), "from outside");
    ASSERT_TRUE(SetComment("f", "from dos"));
    EXPECT_EQ(commentOf(), "from dos");
    ASSERT_EQ(setxattr(Host("f").c_str(), "user.amiga_protection", "---a", 4, 0), 0);
    EXPECT_EQ(ProtectionOf("f") & FIBF_ARCHIVE, FIBF_ARCHIVE);
    ASSERT_EQ(removexattr(Host("f").c_str(), "user.amiga_protection"), 0);
    EXPECT_EQ(ProtectionOf("f") & FIBF_ARCHIVE, 0);
}

TEST_F(DosTest, ADrawerReadAgainShowsWhatChangedSinceAndNothingStale)
{
    mkdir(Host("d").c_str(), 0755);
    for (const char *name : {"a", "b", "c"})
        dostest::WriteHostFile(Host(std::string("d/") + name), name);
    ASSERT_EQ(setxattr(Host("d/a").c_str(), "user.xdg.comment", "first", 5, 0), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    auto pass = [] {
        std::map<std::string, std::string> comments;
        BPTR lock = Lock("d", SHARED_LOCK);
        struct FileInfoBlock fib;
        Examine(lock, &fib);
        while (ExNext(lock, &fib))
            comments[fib.fib_FileName] = fib.fib_Comment;
        UnLock(lock);
        return comments;
    };
    std::map<std::string, std::string> first = pass();
    EXPECT_EQ(first["a"], "first");
    EXPECT_EQ(first["b"], "");
    EXPECT_EQ(pass(), first);   // read again: the same
    ASSERT_EQ(setxattr(Host("d/b").c_str(), "user.xdg.comment", "later", 5, 0), 0);
    ASSERT_EQ(removexattr(Host("d/a").c_str(), "user.xdg.comment"), 0);
    std::map<std::string, std::string> second = pass();
    EXPECT_EQ(second["a"], "");
    EXPECT_EQ(second["b"], "later");
    EXPECT_EQ(second["c"], "");
}

}  // namespace

namespace {

// Makes `name` with MODE_NEWFILE and closes it.
bool MakeWithDos(const char *name)
{
    BPTR file = Open(name, MODE_NEWFILE);
    if (file == 0)
        return false;
    bool written = Write(file, "data", 4) == 4;
    return Close(file) && written;
}

TEST_F(DosTest, TheFileJustMadeTakesItsAttributesRightAsDosChangesThem)
{
    ASSERT_TRUE(MakeWithDos("new"));
    LONG made = ProtectionOf("new");
    struct stat info;
    ASSERT_EQ(stat(Host("new").c_str(), &info), 0);
    mode_t madeMode = info.st_mode;
    ASSERT_TRUE(SetComment("new", "kept"));
    ASSERT_TRUE(SetProtection("new", FIBF_ARCHIVE | FIBF_WRITE | FIBF_DELETE));
    EXPECT_EQ(Attribute(Host("new"), "user.amiga_protection"), "---a");
    ASSERT_TRUE(SetProtection("new", FIBF_GRP_READ));
    EXPECT_EQ(Attribute(Host("new"), "user.amiga_protection"), "<none>");
    EXPECT_EQ(Attribute(Host("new"), "user.xdg.comment"), "kept");
    ASSERT_EQ(stat(Host("new").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0740u);
    EXPECT_EQ(ProtectionOf("new"), FIBF_GRP_READ);
    // Back to the bits it was made with: dos keeps the mode it set, so the
    // change back is made.
    ASSERT_TRUE(SetProtection("new", made));
    EXPECT_EQ(ProtectionOf("new"), made);
    ASSERT_EQ(stat(Host("new").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, madeMode & 07777);

    // An existing file opened as new is no file dos made: what the host
    // gave it is looked at and removed.
    dostest::WriteHostFile(Host("old"), "x");
    ASSERT_EQ(setxattr(Host("old").c_str(), "user.amiga_protection", "h---", 4, 0), 0);
    ASSERT_TRUE(MakeWithDos("old"));
    ASSERT_TRUE(SetProtection("old", 0));
    EXPECT_EQ(Attribute(Host("old"), "user.amiga_protection"), "<none>");
}

TEST_F(DosTest, WhatTakesThePlaceOfTheFileJustMadeIsLookedAt)
{
    auto outsider = [this](const std::string &name) {
        dostest::WriteHostFile(Host(name), "x");
        chmod(Host(name).c_str(), 02755);
        return setxattr(Host(name).c_str(), "user.amiga_protection", "-s--", 4, 0) == 0;
    };
    auto cleared = [this](const char *name) {
        struct stat info;
        return SetProtection(name, 0) && Attribute(Host(name), "user.amiga_protection") == "<none>" &&
               stat(Host(name).c_str(), &info) == 0 && (info.st_mode & 07777) == 02700;
    };
    // Renamed by dos, and the host puts another file at its name.
    ASSERT_TRUE(MakeWithDos("a"));
    ASSERT_TRUE(Rename("a", "b"));
    ASSERT_TRUE(outsider("a"));
    EXPECT_TRUE(cleared("a"));
    // Deleted by dos.
    ASSERT_TRUE(MakeWithDos("c"));
    ASSERT_TRUE(DeleteFile("c"));
    ASSERT_TRUE(outsider("c"));
    EXPECT_TRUE(cleared("c"));
    // Its drawer renamed by dos, and a new drawer of the old name.
    ASSERT_NE(mkdir(Host("d").c_str(), 0755), -1);
    ASSERT_TRUE(MakeWithDos("d/f"));
    ASSERT_TRUE(Rename("d", "e"));
    ASSERT_NE(mkdir(Host("d").c_str(), 0755), -1);
    ASSERT_TRUE(outsider("d/f"));
    EXPECT_TRUE(cleared("d/f"));
    // Changed by the host once the moment after its Close has passed.
    ASSERT_TRUE(MakeWithDos("g"));
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    ASSERT_EQ(setxattr(Host("g").c_str(), "user.amiga_protection", "---a", 4, 0), 0);
    ASSERT_TRUE(SetProtection("g", 0));
    EXPECT_EQ(Attribute(Host("g"), "user.amiga_protection"), "<none>");
}

}  // namespace
