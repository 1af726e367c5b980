// "Buffers sizes settings" and "Restart": sizes in Mb, the buffers allocated again, the old sizes kept when memory is short.
#include "settings_script.h"

#include <lister/entry_buffer.h>

#include <gtest/gtest.h>

namespace e2e {
namespace {

const std::string Buffers = "Buffers sizes settings";
const std::string Restart = "gadget \"Buffers sizes settings\" \"Restart\"\n";

// The entries an EntryBuffer of `bytes` holds.
long EntriesIn(unsigned long bytes)
{
    return long((bytes - ListerHeaderSize - EntryBufferEndMarkSize - DisplaySlotSize) / EntryCost);
}

void MakeEntries(const Session &session, int count)
{
    for (int i = 0; i < count; i++)
        session.MakeFile("f" + std::to_string(10000 + i), "x");
}

TEST(BufferSettings, ListerZeroRestartsWithOneMbAndStoredSizesShowInWholeMb)
{
    Session session;
    const int entries = int(EntriesIn(ConfigMegabyte)) + 52;   // more than 1 Mb holds, less than 2 Mb
    MakeEntries(session, entries);
    ConfigRecord start;
    start.SetCopyBufferSize(1500000);
    WriteConfig(session, start);
    // The picture of so many lines does not fit the "Bitmap": its requester follows the drawer.
    const std::string bitmapRequest = "expect-window \"System Request\"\ndump @/bitmap.json\n"
                                      "gadget \"System Request\" \"OK\"\nexpect-no-window \"System Request\"\n";
    RunResult run = session.Run(bitmapRequest + "dump @/start.json\n" + OpenSettings("Buffer sizes", Buffers) +
                                    "dump @/open.json\n" + Retype(Buffers, BufferFieldId(1), "0") + Restart +
                                    "expect-window \"SYS:\"\ndump @/restarted.json\nmenu \"History\" \"Work:\"\n"
                                    "expect-window \"System Request\"\ndump @/short.json\n"
                                    "gadget \"System Request\" \"OK\"\n" +
                                    bitmapRequest + SaveSettings(true),
                                {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    // 2 Mb hold them all: the only requester at start was the picture's.
    EXPECT_EQ(RequesterText(session.Dump("bitmap.json")).rfind("To little memory for bitmap\n", 0), 0u);
    EXPECT_TRUE(FindWindow(session.Dump("start.json"), "Work:").found);

    WindowInfo open = FindWindow(session.Dump("open.json"), Buffers);
    ASSERT_TRUE(open.found);
    const long shown[5] = {1, 2, 1, 1, 12};   // 1,500,000 bytes show as 1
    for (long row = 0; row < 5; row++)
        EXPECT_EQ(ValueOf(open, BufferFieldId(row)), shown[row]) << row;
    EXPECT_EQ(PotOf(open, BufferSliderId(0)), 0xFFFF * 1 / 2096);

    // Started again in "SYS:", and the drawer now overflows a buffer of exactly 1,024,000 bytes.
    EXPECT_TRUE(FindWindow(session.Dump("restarted.json"), "SYS:").found);
    EXPECT_EQ(RequesterText(session.Dump("short.json")),
              "Lister: buffer too small, " + std::to_string(entries - EntriesIn(1024000)) + " entries not shown\n");
    ConfigRecord expected = start;
    expected.SetCopyBufferSize(1024000);
    expected.SetListerBufferSize(1024000);
    std::vector<uint8_t> saved = session.ReadFileBytes(ConfigPath(session));
    EXPECT_EQ(saved, BytesOf(expected)) << Differences(saved, BytesOf(expected));
}

TEST(BufferSettings, TheBitmapRequesterSaysWhatShowsAndALargerBitmapShowsEveryLine)
{
    Session session;
    MakeEntries(session, 2000);
    RunResult run = session.Run("expect-window \"System Request\"\ndump @/request.json\n"
                                "gadget \"System Request\" \"OK\"\nexpect-no-window \"System Request\"\n" +
                                    OpenSettings("Buffer sizes", Buffers) + Retype(Buffers, BufferFieldId(4), "40") +
                                    Restart + "expect-window \"SYS:\"\nwait-idle\nmenu \"History\" \"Work:\"\n"
                                    "expect-window \"Work:\"\nwait-idle\ndump @/after.json\n",
                                {"Work:"});
    ASSERT_EQ(run.status, 0) << run.errors;
    std::string text = RequesterText(session.Dump("request.json"));
    EXPECT_EQ(text.rfind("To little memory for bitmap\n", 0), 0u) << text;
    EXPECT_NE(text.find(" of 2000 entries shown: \"Bitmap\" in \"Settings\" > \"Buffer sizes\" raises the limit"),
              std::string::npos)
        << text;
    long shown = std::atol(text.c_str() + text.find('\n') + 1);
    EXPECT_GT(shown, 256 / FontHeight);
    EXPECT_LT(shown, 2000);
    Json after = session.Dump("after.json");
    EXPECT_TRUE(FindWindow(after, "Work:").found);
    EXPECT_FALSE(FindWindow(after, "System Request").found) << RequesterText(after);
}

TEST(BufferSettings, ARestartWithoutMemoryKeepsThePreviousSizesAndTheSession)
{
    Session session;
    session.MakeFile("a", "1");
    RunResult run = session.Run(OpenSettings("Buffer sizes", Buffers) + Retype(Buffers, BufferFieldId(4), "30") +
                                    Restart + "expect-window \"System Request\"\ndump @/request.json\n"
                                    "gadget \"System Request\" \"OK\"\nexpect-no-window \"System Request\"\n"
                                    "expect-window \"SYS:\"\n" +
                                    OpenSettings("Buffer sizes", Buffers) + "dump @/again.json\n" +
                                    Finish(Buffers, "Cancel") + SaveSettings(false),
                                {"Work:"}, std::string(), {"KESTROVANE_ALLOC_LIMIT=30000000"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(RequesterText(session.Dump("request.json")),
              "To little memory for Kestrovane to start\nThe previous buffer sizes are kept.\n");
    EXPECT_EQ(ValueOf(FindWindow(session.Dump("again.json"), Buffers), BufferFieldId(4)), 12);
    std::vector<uint8_t> saved = session.ReadFileBytes(ConfigPath(session));
    EXPECT_EQ(saved, BytesOf(ConfigRecord())) << Differences(saved, BytesOf(ConfigRecord()));
}

}  // namespace
}  // namespace e2e
