// The date, lister view and copy settings windows: what they store, and what the lister shows after them.
#include "settings_script.h"

#include <sys/xattr.h>
#include <utime.h>

#include <ctime>

#include <gtest/gtest.h>

namespace e2e {
namespace {

const std::string Dates = "Date format settings";
const std::string View = "Lister view settings";
const std::string Copy = "Copy, rename settings";

// A file dated 5 March 2009, noon: "05-Mar-09" in the DOS format, "05-03-09" in the Canadian one.
void MakeOldFile(const Session &session, const std::string &name)
{
    session.MakeFile(name, "12345");
    std::tm when = {};
    when.tm_year = 109;
    when.tm_mon = 2;
    when.tm_mday = 5;
    when.tm_hour = 12;
    when.tm_isdst = -1;
    struct utimbuf times = {std::mktime(&when), std::mktime(&when)};
    ASSERT_EQ(utime((session.Tree() + "/" + name).c_str(), &times), 0);
}

// The common description keeps the last dialog's inner height.
void ExpectSaved(const Session &session, ConfigRecord expected, const WindowInfo &lastDialog)
{
    expected.SetDialogInnerHeight(UWORD(lastDialog.InnerHeight()));
    std::vector<uint8_t> saved = session.ReadFileBytes(ConfigPath(session));
    EXPECT_EQ(saved, BytesOf(expected)) << Differences(saved, BytesOf(expected));
}

TEST(OptionSettings, CanadianStoresThreeAndTheListerReadsAsOneStartedCanadian)
{
    Session session;
    MakeOldFile(session, "letter");
    MakeOldFile(session, "notes");
    ConfigRecord canadian;
    canadian.SetDateFormat(3);
    WriteConfig(session, canadian);
    RunResult run = session.Run("wait-idle\nscreenshot @/reference.png\ndump @/reference.json\n", {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;

    std::remove(ConfigPath(session).c_str());
    run = session.Run("wait-idle\nscreenshot @/dos.png\n" + OpenSettings("Date formats", Dates) + "dump @/open.json\n" +
                          "gadget " + Quoted(Dates) + " \"Canadian\"\ndump @/chosen.json\n" + Finish(Dates, "OK") +
                          "screenshot @/changed.png\ndump @/changed.json\n" + SaveSettings(false),
                      {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo open = FindWindow(session.Dump("open.json"), Dates);
    EXPECT_TRUE(Flag(open, DateFormatId(0), "selected"));
    EXPECT_TRUE(Flag(open, DayNameId, "selected"));
    EXPECT_FALSE(Flag(open, NoDayNameId, "selected"));
    WindowInfo chosen = FindWindow(session.Dump("chosen.json"), Dates);
    for (long format = 0; format < 4; format++)
        EXPECT_EQ(Flag(chosen, DateFormatId(format), "selected"), format == 3) << format;

    WindowInfo reference = FindWindow(session.Dump("reference.json"), "Work:");
    WindowInfo changed = FindWindow(session.Dump("changed.json"), "Work:");
    ASSERT_TRUE(changed.found);
    EXPECT_EQ(changed.width, reference.width);
    EXPECT_TRUE(InnerPixels(session.Shot("changed.png"), changed) ==
                InnerPixels(session.Shot("reference.png"), reference));
    EXPECT_FALSE(InnerPixels(session.Shot("dos.png"), changed) ==
                 InnerPixels(session.Shot("reference.png"), reference));
    std::vector<uint8_t> saved = session.ReadFileBytes(ConfigPath(session));
    EXPECT_EQ(saved, BytesOf(canadian)) << Differences(saved, BytesOf(canadian));
}

TEST(OptionSettings, ListerViewStoresSmallLimitsAs256AndTopZeroAsTheDefaultTop)
{
    Session session;
    session.MakeFile("a_file_whose_name_makes_the_list_wide", "1");
    const long defaultTop = session.WindowAtStart("Work:", {"Work:"}).top;
    ConfigRecord start;
    start.SetListerTop(100);
    WriteConfig(session, start);
    RunResult run = session.Run("wait-idle\ndump @/start.json\n" + OpenSettings("Lister view", View) +
                                    "dump @/open.json\n" + Retype(View, ListerTopId, "0") +
                                    Retype(View, ListerMaxWidthId, "100") + Retype(View, ListerMaxHeightId, "0") +
                                    Retype(View, ExtraSpaceId, "73") + "dump @/typed.json\n" + Finish(View, "OK") +
                                    "dump @/after.json\n" + SaveSettings(true),
                                {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo before = FindWindow(session.Dump("start.json"), "Work:");
    EXPECT_EQ(before.top, 100);
    EXPECT_GT(before.width, 256);
    WindowInfo open = FindWindow(session.Dump("open.json"), View);
    EXPECT_EQ(ValueOf(open, ListerTopId), 100);
    EXPECT_EQ(ValueOf(open, ExtraSpaceId), 1);
    EXPECT_TRUE(Flag(open, StatusAndCommentId, "selected"));
    EXPECT_EQ(ValueOf(FindWindow(session.Dump("typed.json"), View), ExtraSpaceId), 7);   // one digit holds "7" of 73

    WindowInfo after = FindWindow(session.Dump("after.json"), "Work:");
    ASSERT_TRUE(after.found);
    EXPECT_EQ(after.top, defaultTop);
    EXPECT_EQ(after.width, 256);
    ConfigRecord expected = start;
    expected.SetListerTop(0);
    expected.SetListerMaxWidth(256);
    expected.SetExtraSpaceFilename(7);
    ExpectSaved(session, expected, open);
}

TEST(OptionSettings, StatusAndCommentOffRemovesBothColumnsAndNoCgxWpaShowsTheSameList)
{
    Session session;
    session.MakeFile("a_file_whose_name_makes_the_list_wide", "1");
    std::string commented = session.Tree() + "/a_file_whose_name_makes_the_list_wide";
    ASSERT_EQ(setxattr(commented.c_str(), "user.xdg.comment", "hello", 5, 0), 0);
    RunResult run = session.Run("wait-idle\ndump @/start.json\n" + OpenSettings("Lister view", View) +
                                    ClickId(View, StatusAndCommentId) + Finish(View, "OK") +
                                    "dump @/hidden.json\nscreenshot @/hidden.png\n" +
                                    OpenSettings("Lister view", View) + "dump @/open.json\n" +
                                    ClickId(View, NoCgxWpaId) + Finish(View, "OK") +
                                    "screenshot @/direct.png\n" + SaveSettings(false),
                                {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo start = FindWindow(session.Dump("start.json"), "Work:");
    WindowInfo hidden = FindWindow(session.Dump("hidden.json"), "Work:");
    ASSERT_TRUE(hidden.found);
    // The protection column (8 flags and a blank) and the comment ("hello" and a blank).
    EXPECT_EQ(start.InnerWidth() - hidden.InnerWidth(), (9 + 6) * FontWidth);
    EXPECT_FALSE(Flag(FindWindow(session.Dump("open.json"), View), StatusAndCommentId, "selected"));
    EXPECT_TRUE(InnerPixels(session.Shot("direct.png"), hidden) == InnerPixels(session.Shot("hidden.png"), hidden));
    ConfigRecord expected;
    expected.SetHideStatusAndComment(0xFF);
    expected.SetNoCgxWpa(0xFF);
    ExpectSaved(session, expected, FindWindow(session.Dump("open.json"), View));
}

TEST(OptionSettings, CopyDelayFollowsItsToggleZeroIsStoredAsOneAndTheNextStartShowsIt)
{
    Session session;
    session.MakeFile("a", "1");
    RunResult run = session.Run(OpenSettings("Copy", Copy) + "dump @/open.json\n", {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo open = FindWindow(session.Dump("open.json"), Copy);
    ASSERT_TRUE(open.found);
    EXPECT_FALSE(Flag(open, CopyDelayToggleId, "selected"));
    EXPECT_TRUE(Flag(open, CopyDelaySliderId, "disabled"));
    EXPECT_TRUE(Flag(open, CopyDelayFieldId, "disabled"));
    EXPECT_EQ(ValueOf(open, CopyDelayFieldId), 75);
    EXPECT_TRUE(Flag(open, RenameNameId, "selected"));
    long pastTheEnd = (*open.Gadget(CopyDelaySliderId))["left"].Int() + (*open.Gadget(CopyDelaySliderId))["width"].Int();

    run = session.Run(OpenSettings("Copy", Copy) + DragKnob(open, CopyDelaySliderId, pastTheEnd) +
                          "dump @/dragged.json\n" + ClickId(Copy, CopyDelayToggleId) + "dump @/enabled.json\n" +
                          Retype(Copy, CopyDelayFieldId, "0") + "dump @/zero.json\n" +
                          "gadget " + Quoted(Copy) + " \"Empty\"\ndump @/empty.json\n" + Finish(Copy, "OK") +
                          SaveSettings(false),
                      {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo dragged = FindWindow(session.Dump("dragged.json"), Copy);
    EXPECT_EQ(PotOf(dragged, CopyDelaySliderId), PotOf(open, CopyDelaySliderId));   // a disabled slider stays
    EXPECT_EQ(ValueOf(dragged, CopyDelayFieldId), 75);
    WindowInfo enabled = FindWindow(session.Dump("enabled.json"), Copy);
    EXPECT_FALSE(Flag(enabled, CopyDelaySliderId, "disabled"));
    EXPECT_FALSE(Flag(enabled, CopyDelayFieldId, "disabled"));
    EXPECT_EQ(PotOf(FindWindow(session.Dump("zero.json"), Copy), CopyDelaySliderId), 0);
    WindowInfo empty = FindWindow(session.Dump("empty.json"), Copy);
    EXPECT_FALSE(Flag(empty, RenameNameId, "selected"));
    EXPECT_FALSE(Flag(empty, RenameStaysId, "selected"));
    EXPECT_TRUE(Flag(empty, RenameEmptyId, "selected"));
    ConfigRecord expected;
    expected.SetCopyDelayEnabled(0xFF);
    expected.SetCopyDelay(1);
    expected.SetRenameString(RenameStringEmpty);
    ExpectSaved(session, expected, open);

    run = session.Run(OpenSettings("Copy", Copy) + "dump @/next.json\n", {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    WindowInfo next = FindWindow(session.Dump("next.json"), Copy);
    EXPECT_TRUE(Flag(next, CopyDelayToggleId, "selected"));
    EXPECT_FALSE(Flag(next, CopyDelayFieldId, "disabled"));
    EXPECT_EQ(ValueOf(next, CopyDelayFieldId), 1);
    EXPECT_TRUE(Flag(next, RenameEmptyId, "selected"));
}

}  // namespace
}  // namespace e2e
