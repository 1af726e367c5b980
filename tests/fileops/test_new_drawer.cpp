// MakeDrawer and MakeDrawerIcon: existing drawers, the template's two places, its size, never over an icon, failures.
#include "entry_support.h"

#include <fileops/names.h>
#include <fileops/new_drawer.h>

#include <dos/var.h>

namespace {

using namespace fileopstest;

constexpr LONG Binary = GVF_GLOBAL_ONLY | GVF_BINARY_VAR;

class NewDrawerTest : public EntryOpsTest {
protected:
    void SetUp() override
    {
        EntryOpsTest::SetUp();
        // Start from no template at all; each test puts in what it needs.
        DeleteVar("sys/def_drawer.info", GVF_GLOBAL_ONLY);
        DeleteVar("DefIcon_Path", GVF_GLOBAL_ONLY);
    }

    void SetTemplate(const char *variable, const std::string &bytes)
    {
        ASSERT_TRUE(SetVar(variable, bytes.data(), LONG(bytes.size()), Binary));
    }

    IconOutcome Icon(const char *name, ULONG bufferSize = 4096)
    {
        std::vector<UBYTE> buffer(bufferSize);
        return MakeDrawerIcon(name, buffer.data(), bufferSize, control_);
    }

    ScriptedControl control_;
};

const std::string Template("\xE3\x10\x00\x01 a drawer icon \x00\xFF bytes", 26);

TEST_F(NewDrawerTest, AnExistingDrawerIsAcceptedAndGetsAnIconUnlessItHasOne)
{
    MakeDrawer("there");
    MakeFile("file");
    EXPECT_EQ(::MakeDrawer("new"), 0);
    EXPECT_EQ(::MakeDrawer("there"), 0);
    EXPECT_EQ(::MakeDrawer("file"), ERROR_OBJECT_EXISTS);
    EXPECT_EQ(::MakeDrawer("no/such/parent"), ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(Names(), (std::vector<std::string>{"file", "new", "there"}));

    SetTemplate("sys/def_drawer.info", Template);
    EXPECT_EQ(Icon("there"), IconOutcome::Written);
    EXPECT_EQ(kvtest::ReadHostFile(Host("there.info")), Template);
    // An icon of that name, ours or the person's, is never written over.
    MakeFile("new.info", "mine");
    EXPECT_EQ(Icon("new"), IconOutcome::Exists);
    EXPECT_EQ(Icon("there"), IconOutcome::Exists);
    EXPECT_EQ(kvtest::ReadHostFile(Host("new.info")), "mine");
    EXPECT_TRUE(control_.failures.empty());
    // Nothing left beside them: the icon was written under another name first.
    EXPECT_EQ(Names(), (std::vector<std::string>{"file", "new", "new.info", "there", "there.info"}));
}

TEST_F(NewDrawerTest, TheTemplateComesFromDefIconPathWhenSysHasNoneAndIsCutToTheBuffer)
{
    MakeDrawer("d");
    EXPECT_EQ(Icon("d"), IconOutcome::NoTemplate);
    EXPECT_FALSE(Exists("d.info"));

    // The value is a drawer of ENV: ending in "/": the name goes right behind it.
    ASSERT_TRUE(SetVar("DefIcon_Path", "Icons/", -1, GVF_GLOBAL_ONLY));
    EXPECT_EQ(Icon("d"), IconOutcome::NoTemplate);
    SetTemplate("Icons/def_drawer.info", Template);
    EXPECT_EQ(Icon("d"), IconOutcome::Written);
    EXPECT_EQ(kvtest::ReadHostFile(Host("d.info")), Template);

    // ENV:sys/def_drawer.info wins when it is there; a bigger one than the
    // buffer gives an icon of the buffer's size, its first bytes.
    std::string big(5000, '\0');
    for (size_t i = 0; i < big.size(); i++)
        big[i] = char(i * 7);
    SetTemplate("sys/def_drawer.info", big);
    MakeDrawer("e");
    EXPECT_EQ(Icon("e", 1000), IconOutcome::Written);
    EXPECT_EQ(kvtest::ReadHostFile(Host("e.info")), big.substr(0, 1000));
    std::vector<UBYTE> buffer(64);
    EXPECT_EQ(ReadDrawerIconTemplate(buffer.data(), 64), 64);
}

TEST_F(NewDrawerTest, AFailedWriteOrOpenIsReportedOnTheIconAndLeavesNothingBehind)
{
    SetTemplate("sys/def_drawer.info", Template);
    MakeDrawer("d");
    control_.answers = {FALSE, FALSE, FALSE};   // "Abort", the only button
    hosted::SetDosFault(hosted::DosCall::Write, 1, ERROR_DISK_FULL);
    EXPECT_EQ(Icon("d"), IconOutcome::Failed);
    // Reading the template opens and closes too: these faults aim at the icon.
    hosted::SetDosFault(hosted::DosCall::Open, 1, ERROR_WRITE_PROTECTED, "*.kvnew");
    EXPECT_EQ(Icon("d"), IconOutcome::Failed);
    hosted::SetDosFault(hosted::DosCall::Close, 1, ERROR_DISK_FULL, "*.kvnew");
    EXPECT_EQ(Icon("d"), IconOutcome::Failed);
    ASSERT_EQ(control_.failures.size(), 3u);
    for (const ScriptedControl::Asked &asked : control_.failures) {
        EXPECT_EQ(asked.name, "d.info");
        EXPECT_EQ(asked.buttons, FaultButtons::AbortOnly);
    }
    EXPECT_EQ(control_.failures[0].error, ERROR_DISK_FULL);
    EXPECT_EQ(control_.failures[1].error, ERROR_WRITE_PROTECTED);
    EXPECT_EQ(Names(), std::vector<std::string>{"d"});
}

TEST(NameRefusal, PartsLongerThanAFileInfoBlockHoldsAreRefused)
{
    std::string fits(107, 'n'), over(108, 'n');
    EXPECT_EQ(NameRefusal(fits.c_str(), 255), nullptr);
    EXPECT_NE(NameRefusal(over.c_str(), 255), nullptr);
    EXPECT_NE(NameRefusal(("a/" + over + "/b").c_str(), 255), nullptr);
    EXPECT_EQ(NameRefusal(("Work:" + fits + "/" + fits).c_str(), 255), nullptr);
    EXPECT_NE(NameRefusal((fits + "/" + fits + "/" + fits).c_str(), 255), nullptr);   // past the buffer
    // With an icon, ".info" must fit behind the last part too.
    std::string iconFits(102, 'i');
    EXPECT_EQ(NameRefusal(iconFits.c_str(), 255, TRUE), nullptr);
    EXPECT_NE(NameRefusal((iconFits + "i").c_str(), 255, TRUE), nullptr);
    EXPECT_EQ(NameRefusal((iconFits + "i").c_str(), 255, FALSE), nullptr);
    EXPECT_NE(NameRefusal("Work:", 255, TRUE), nullptr);
    EXPECT_NE(NameRefusal("a/", 255, TRUE), nullptr);
    EXPECT_EQ(NameRefusal("", 255), nullptr);   // empty: the caller's to decide
}

}  // namespace
