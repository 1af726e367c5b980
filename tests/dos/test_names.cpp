// Names between the host and the program: UTF-8 on the host, Latin-1 in the program, and the names that
// cannot be shown as they are.
#include "dos_test_support.h"
#include "dosprivate.h"

#include <sys/xattr.h>

#include <set>
#include <string>

namespace {

using dostest::DosTest;

std::string Resolved(const char *path)
{
    std::string host;
    if (!hosted::ResolvePath(path, host))
        return "<failed " + std::to_string(IoErr()) + ">";
    return host;
}

// The names ExNext shows for the test volume's root.
std::set<std::string> ShownNames()
{
    std::set<std::string> names;
    BPTR lock = Lock("Test:", SHARED_LOCK);
    struct FileInfoBlock fib;
    if (lock == 0 || !Examine(lock, &fib))
        return names;
    while (ExNext(lock, &fib))
        names.insert(fib.fib_FileName);
    UnLock(lock);
    return names;
}

TEST(HostText, Utf8OfLatin1CharactersIsShownInLatin1AndGoesBack)
{
    EXPECT_EQ(hosted::ShownText("\xC3\x9C" "ber caf\xC3\xA9"), "\xDC" "ber caf\xE9");
    EXPECT_EQ(hosted::HostText("\xDC" "ber caf\xE9"), "\xC3\x9C" "ber caf\xC3\xA9");
    EXPECT_EQ(hosted::ShownText("plain"), "plain");
    EXPECT_EQ(hosted::HostText("plain"), "plain");
    // Beyond Latin-1, or not UTF-8 at all: the bytes as they are.
    EXPECT_EQ(hosted::ShownText("\xE6\x97\xA5\xE6\x9C\xAC"), "\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(hosted::HostText("\xE6\x97\xA5\xE6\x9C\xAC"), "\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(hosted::ShownText("\xDC" "ber"), "\xDC" "ber");
    // Overlong forms, surrogates and cut sequences are not UTF-8.
    EXPECT_EQ(hosted::ShownText("\xC1\x81"), "\xC1\x81");
    EXPECT_EQ(hosted::ShownText("\xED\xA0\x80"), "\xED\xA0\x80");
    EXPECT_EQ(hosted::ShownText("ab\xC3"), "ab\xC3");
}

TEST_F(DosTest, AccentedHostNamesAreShownInLatin1AndFoundAgain)
{
    dostest::WriteHostFile(Host("\xC3\x9C" "bersicht.txt"), "utf8");
    dostest::WriteHostFile(Host("\xE6\x97\xA5\xE6\x9C\xAC.txt"), "cjk");
    dostest::WriteHostFile(Host("alt-\xE9"), "latin1 bytes on the host");
    std::set<std::string> shown = ShownNames();
    EXPECT_EQ(shown.count("\xDC" "bersicht.txt"), 1u);
    EXPECT_EQ(shown.count("\xE6\x97\xA5\xE6\x9C\xAC.txt"), 1u);
    EXPECT_EQ(shown.count("alt-\xE9"), 1u);
    EXPECT_EQ(Resolved("\xDC" "bersicht.txt"), Host("\xC3\x9C" "bersicht.txt"));
    EXPECT_EQ(Resolved("\xE6\x97\xA5\xE6\x9C\xAC.txt"), Host("\xE6\x97\xA5\xE6\x9C\xAC.txt"));
    EXPECT_EQ(Resolved("alt-\xE9"), Host("alt-\xE9"));

    // NameFromLock gives the shown name too.
    mkdir(Host("Caf\xC3\xA9").c_str(), 0755);
    BPTR lock = Lock("Test:Caf\xE9", SHARED_LOCK);
    ASSERT_NE(lock, 0);
    char name[256];
    ASSERT_TRUE(NameFromLock(lock, name, sizeof name));
    EXPECT_STREQ(name, "Test:Caf\xE9");
    UnLock(lock);
}

TEST_F(DosTest, NewNamesTypedInLatin1BecomeUtf8OnTheHost)
{
    BPTR file = Open("Neu\xE9.txt", MODE_NEWFILE);
    ASSERT_NE(file, 0);
    Close(file);
    EXPECT_TRUE(dostest::HostExists(Host("Neu\xC3\xA9.txt")));
    EXPECT_FALSE(dostest::HostExists(Host("Neu\xE9.txt")));

    ASSERT_TRUE(Rename("Neu\xE9.txt", "Gr\xFC\xDF" "e"));
    EXPECT_TRUE(dostest::HostExists(Host("Gr\xC3\xBC\xC3\x9F" "e")));
    BPTR drawer = CreateDir("\xC4pfel");
    ASSERT_NE(drawer, 0);
    UnLock(drawer);
    EXPECT_TRUE(dostest::HostExists(Host("\xC3\x84pfel")));

    // A name shown byte for byte keeps its bytes when it is used anew.
    ASSERT_TRUE(Rename("Gr\xFC\xDF" "e", "\xE6\x97\xA5"));
    EXPECT_TRUE(dostest::HostExists(Host("\xE6\x97\xA5")));
}

TEST_F(DosTest, BothFormsOfOneNameOnTheHostPreferTheUtf8One)
{
    // "Ü" in UTF-8 and the old Latin-1 byte for it look the same; the
    // UTF-8 name is the one found, the other is left untouched.
    dostest::WriteHostFile(Host("\xC3\x9C"), "utf8");
    dostest::WriteHostFile(Host("\xDC"), "latin1");
    ASSERT_TRUE(DeleteFile("\xDC"));
    EXPECT_FALSE(dostest::HostExists(Host("\xC3\x9C")));
    EXPECT_EQ(dostest::ReadHostFile(Host("\xDC")), "latin1");
}

TEST_F(DosTest, HostNamesThatDoNotFitAreShownChangedAndStillFound)
{
    std::string longName(150, 'n');
    dostest::WriteHostFile(Host(longName), "long");
    std::string shownLong = hosted::DisplayName(longName.c_str());
    EXPECT_EQ(shownLong, std::string(104, 'n') + "...");
    EXPECT_EQ(Resolved(shownLong.c_str()), Host(longName));

    // A long name beyond Latin-1 is cut at a character boundary.
    std::string wide;
    for (int i = 0; i < 40; i++)
        wide += "\xE6\x97\xA5";
    dostest::WriteHostFile(Host(wide), "wide");
    std::string shownWide = hosted::DisplayName(wide.c_str());
    EXPECT_LE(shownWide.size(), 107u);
    EXPECT_EQ(shownWide, wide.substr(0, 102) + "\xE2\x80\xA6");
    EXPECT_EQ(Resolved(shownWide.c_str()), Host(wide));

    // A ":" can never send an action to another volume.
    dostest::WriteHostFile(Host("Home:notes"), "colon");
    std::string shownColon = hosted::DisplayName("Home:notes");
    EXPECT_EQ(shownColon, "Home\xF7notes");
    EXPECT_EQ(Resolved(shownColon.c_str()), Host("Home:notes"));
    ASSERT_TRUE(DeleteFile(shownColon.c_str()));
    EXPECT_FALSE(dostest::HostExists(Host("Home:notes")));
}

TEST_F(DosTest, CommentsAreUtf8OnTheHostAndLatin1InTheProgram)
{
    dostest::WriteHostFile(Host("f"), "x");
    std::string latin1(79, '\xE9');
    ASSERT_TRUE(SetComment("f", latin1.c_str()));
    char stored[256];
    ssize_t length = getxattr(Host("f").c_str(), "user.xdg.comment", stored, sizeof stored);
    std::string utf8;
    for (int i = 0; i < 79; i++)
        utf8 += "\xC3\xA9";
    EXPECT_EQ(std::string(stored, static_cast<size_t>(length > 0 ? length : 0)), utf8);

    BPTR lock = Lock("", SHARED_LOCK);
    struct FileInfoBlock fib;
    ASSERT_TRUE(Examine(lock, &fib));
    ASSERT_TRUE(ExNext(lock, &fib));
    EXPECT_EQ(std::string(fib.fib_Comment), latin1);
    UnLock(lock);
}

}  // namespace
