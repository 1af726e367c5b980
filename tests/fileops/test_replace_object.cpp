// ReplaceObject: the old file stays whole until the new one is; a failure anywhere leaves it as it was.
#include <fileops/replace_object.h>

#include "fileops_support.h"

#include <hosted/dos.h>

#include <cstring>
#include <string>

using fileopstest::FileOpsTest;

namespace {

struct Payload {
    std::string text;
    int chunks = 1;
};

BOOL WritePayload(BPTR file, void *context)
{
    const auto &payload = *static_cast<const Payload *>(context);
    for (int i = 0; i < payload.chunks; i++)
        if (Write(file, payload.text.data(), LONG(payload.text.size())) != LONG(payload.text.size()))
            return FALSE;
    return TRUE;
}

class ReplaceObjectTest : public FileOpsTest {
protected:
    // Nothing but `names` is left in the drawer: no temporary or backup file.
    void ExpectOnly(std::initializer_list<const char *> names)
    {
        BPTR lock = Lock("", SHARED_LOCK);
        ASSERT_NE(lock, 0);
        struct FileInfoBlock fib;
        ASSERT_TRUE(Examine(lock, &fib));
        size_t count = 0;
        while (ExNext(lock, &fib)) {
            count++;
            bool expected = false;
            for (const char *name : names)
                expected = expected || std::strcmp(name, fib.fib_FileName) == 0;
            EXPECT_TRUE(expected) << "left behind: " << fib.fib_FileName;
        }
        UnLock(lock);
        EXPECT_EQ(count, names.size());
    }
};

TEST_F(ReplaceObjectTest, TheNewFileTakesTheNameOnlyWhenWhole)
{
    MakeFile("settings.cfg", "old settings");
    Payload payload{"new", 3};
    EXPECT_EQ(ReplaceObject("settings.cfg", WritePayload, &payload), 0);
    EXPECT_EQ(Contents("settings.cfg"), "newnewnew");
    ExpectOnly({"settings.cfg"});

    Payload first{"first", 1};
    EXPECT_EQ(ReplaceObject("fresh.cfg", WritePayload, &first), 0);   // nothing to replace
    EXPECT_EQ(Contents("fresh.cfg"), "first");
}

TEST_F(ReplaceObjectTest, AFailedWriteOrCloseLeavesTheOldFileWholeAndNoTemporaryFile)
{
    MakeFile("settings.cfg", "old settings");
    Payload payload{"new", 4};
    hosted::SetDosFault(hosted::DosCall::Write, 3, ERROR_DISK_FULL);
    EXPECT_EQ(ReplaceObject("settings.cfg", WritePayload, &payload), ERROR_DISK_FULL);
    EXPECT_EQ(Contents("settings.cfg"), "old settings");
    ExpectOnly({"settings.cfg"});

    hosted::SetDosFault(hosted::DosCall::Close, 1, ERROR_DISK_FULL);
    EXPECT_EQ(ReplaceObject("settings.cfg", WritePayload, &payload), ERROR_DISK_FULL);
    EXPECT_EQ(Contents("settings.cfg"), "old settings");
    ExpectOnly({"settings.cfg"});
}

TEST_F(ReplaceObjectTest, ARenameThatFailsGivesTheOldFileItsNameBack)
{
    MakeFile("settings.cfg", "old settings");
    Payload payload{"new", 1};
    // The first rename moves the old file aside; the second, the new file
    // into place, fails.
    hosted::SetDosFault(hosted::DosCall::Rename, 2, ERROR_OBJECT_IN_USE);
    EXPECT_EQ(ReplaceObject("settings.cfg", WritePayload, &payload), ERROR_OBJECT_IN_USE);
    EXPECT_EQ(Contents("settings.cfg"), "old settings");
    ExpectOnly({"settings.cfg"});
}

TEST_F(ReplaceObjectTest, SideNamesStayShortBesideTheirObject)
{
    char name[SidePathSize];
    std::string longName(107, 'x');
    ASSERT_TRUE(MakeSideName(("FTest:drawer/" + longName).c_str(), SideName::Temporary, name, sizeof name));
    std::string side = name;
    EXPECT_EQ(side.rfind("FTest:drawer/.", 0), 0u);
    EXPECT_LE(side.size() - std::strlen("FTest:drawer/"), 107u);   // fits a FileInfoBlock name
    char backup[SidePathSize];
    ASSERT_TRUE(MakeSideName("a", SideName::Backup, backup, sizeof backup));
    EXPECT_STRNE(backup, "a");
    EXPECT_FALSE(MakeSideName("a", SideName::Backup, backup, 4));
}

}  // namespace
