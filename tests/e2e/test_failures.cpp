// When memory or buffers run short, and paths that do not fit: the program says so and goes on where it can.
#include "session.h"

#include <settings/config_record.h>

#include "support/host_files.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <thread>

namespace e2e {
namespace {

void WriteConfig(Session &session, const ConfigRecord &config)
{
    session.WriteFileBytes(session.ProgDir() + "/Kestrovane.cfg",
                           std::vector<uint8_t>(config.Bytes(), config.Bytes() + ConfigRecordSize));
}

TEST(Failures, NoMemoryForTheBuffersEndsTheStartWithTheMessage)
{
    Session session;
    RunResult run = session.Run("wait-idle\ndump @/nothing.json\n", {"Work:"}, std::string(),
                                {"KESTROVANE_ALLOC_LIMIT=1000000"});
    Json dump = session.Dump("nothing.json");
    std::string shown = run.errors;
    for (const Json &screen : dump["screens"].array)
        for (const Json &window : screen["windows"].array)
            for (const Json &line : window["text"].array)
                shown += line.string + "\n";
    EXPECT_NE(shown.find("To little memory for Kestrovane to start"), std::string::npos) << shown;
    EXPECT_FALSE(FindWindow(dump, "Work:").found);
}

TEST(Failures, ADrawerLargerThanTheBitmapShowsWhatFitsAndSaysSo)
{
    Session session;
    for (int i = 0; i < 300; i++)
        session.MakeFile("entry" + std::to_string(1000 + i), "x");
    ConfigRecord config;
    config.SetBitmapSize(ConfigMegabyte);   // about 700 lines of 12 rows at this width: not 300 × 12 rows
    config.SetHideStatusAndComment(0);
    WriteConfig(session, config);
    RunResult run = session.Run("expect-window \"System Request\"\ndump @/request.json\n"
                                "gadget \"System Request\" \"OK\"\nexpect-no-window \"System Request\"\n"
                                "wait-idle\ndump @/after.json\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo request = FindWindow(session.Dump("request.json"), "System Request");
    ASSERT_TRUE(request.found);
    EXPECT_EQ(request.json["gadgets"].size(), 1u);
    WindowInfo lister = FindWindow(session.Dump("after.json"), "Work:");
    ASSERT_TRUE(lister.found);
    // The window shows the lines that fit, less than the whole drawer.
    long bitmapRows = (*lister.Gadget(2))["pot"].IsNull() ? 0 : 1;
    EXPECT_EQ(bitmapRows, 1);
    EXPECT_LE(lister.InnerHeight(), 768);
}

TEST(Failures, MoreEntriesThanTheEntryBufferHoldsAreCountedAndReported)
{
    Session session;
    ConfigRecord config;
    config.SetListerBufferSize(ConfigMegabyte);   // (1,024,000 − 5180) / 224 = 4548 entries
    config.SetBitmapSize(80 * ConfigMegabyte);    // room for every line that is read
    WriteConfig(session, config);
    for (int i = 0; i < 4560; i++)
        session.MakeFile("f" + std::to_string(10000 + i), "");
    RunResult run = session.Run("expect-window \"System Request\"\ndump @/request.json\n"
                                "gadget \"System Request\" \"OK\"\nexpect-no-window \"System Request\"\n"
                                "wait-idle\ndump @/after.json\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(FindWindow(session.Dump("request.json"), "System Request").found);
    EXPECT_TRUE(FindWindow(session.Dump("after.json"), "Work:").found);
}

TEST(Failures, AnOverlongStartPathIsRefusedAndTheCurrentDrawerShown)
{
    Session session;
    RunResult run = session.Run("expect-window \"System Request\"\ngadget \"System Request\" \"OK\"\n"
                                "expect-window \"Work:\"\ndump @/after.json\n",
                                {"Work:" + std::string(5000, 'a')});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(FindWindow(session.Dump("after.json"), "Work:").found);
}

TEST(Failures, ADrawerThatCannotBeReadIsReportedAndShownEmpty)
{
    Session session;
    RunResult run = session.Run("expect-window \"System Request\"\ndump @/request.json\n"
                                "gadget \"System Request\" \"Abort\"\nexpect-window \"Work:Missing\"\n",
                                {"Work:Missing"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo request = FindWindow(session.Dump("request.json"), "System Request");
    ASSERT_TRUE(request.found);
    EXPECT_EQ(request.json["gadgets"][0]["label"].string, "Abort");
}

TEST(Failures, CtrlCSentToTheProgramEndsItAsQuitDoes)
{
    Session session;
    std::string ready = session.Root() + "/ready.png";
    Script script;
    script.WaitIdle().Screenshot("ready.png").ExpectNoWindow("Work:", 30000).Dump("after.json");
    RunResult run = session.Run(script, {"Work:"}, std::string(), {}, [&](long pid) {
                                    for (int i = 0; i < 300 && !kvtest::HostExists(ready); i++)
                                        std::this_thread::sleep_for(std::chrono::milliseconds(50));
                                    kill(pid_t(pid), SIGINT);
                                });
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(kvtest::HostExists(ready));
    EXPECT_FALSE(FindWindow(session.Dump("after.json"), "Work:").found);
}

TEST(Failures, ADrawerThatStopsBeingReadableHalfWaySaysWhyOverWhatWasRead)
{
    Session session;
    for (int i = 0; i < 6; i++)
        session.MakeFile("file" + std::to_string(i), "x");
    RunResult run = session.Run("expect-window \"System Request\"\ndump @/request.json\n"
                                "gadget \"System Request\" \"Abort\"\nwait-idle\nscreenshot @/after.png\n",
                                {"Work:"}, std::string(), {"KESTROVANE_DOS_FAULT=ExNext:4:224"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo request = FindWindow(session.Dump("request.json"), "System Request");
    ASSERT_TRUE(request.found);
    std::vector<std::string> lines;
    for (const Json &line : request.json["text"].array)
        lines.push_back(line.string);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Work:");
    EXPECT_NE(lines[1].find("read protected"), std::string::npos) << lines[1];
}

TEST(Failures, ADamagedSettingsFileStartsWithDefaultsForWhatIsOutOfRangeAndSaysSo)
{
    Session session;
    ConfigRecord config;
    config.SetListerBufferSize(4000);
    config.SetDateFormat(255);
    WriteConfig(session, config);
    RunResult run = session.Run("expect-window \"System Request\"\ndump @/request.json\n"
                                "gadget \"System Request\" \"OK\"\nexpect-window \"Work:\"\n",
                                {"Work:"});
    EXPECT_EQ(run.status, 0) << run.errors;
    WindowInfo request = FindWindow(session.Dump("request.json"), "System Request");
    ASSERT_TRUE(request.found);
    std::string text;
    for (const Json &line : request.json["text"].array)
        text += line.string + "\n";
    EXPECT_NE(text.find("Kestrovane.cfg"), std::string::npos) << text;
    EXPECT_NE(text.find("Lister buffer, Date format"), std::string::npos) << text;
}

}  // namespace
}  // namespace e2e
