// System requesters driven by automation scripts: the probe program asks, the script answers with gadgets and keys and dumps.
#include "probe_run.h"

#include <gtest/gtest.h>

namespace {

using reqtest::ProbeResult;
using reqtest::ProbeWorld;

const std::string kProbe = KV_REQUESTER_PROBE;

TEST(ScriptedRequests, GadgetsAnswerAndTheDumpShowsTheBody)
{
    ProbeWorld world;
    ProbeResult run = world.Run(kProbe, {"auto", "Retry", "Abort", "Work:notes.txt", "object not found"},
                                "expect-window \"System Request\"\n"
                                "dump @/ask.json\n"
                                "screenshot @/ask.png\n"
                                "gadget \"System Request\" \"Retry\"\n"
                                "expect-no-window \"System Request\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "answer 1\n");
    kvtest::Json dump = world.Dump("ask.json");
    const kvtest::Json &window = reqtest::WindowOf(dump, "System Request");
    ASSERT_FALSE(window.IsNull());
    EXPECT_TRUE(window["active"].boolean);
    EXPECT_EQ(reqtest::Labels(window), (std::vector<std::string>{"Retry", "Abort"}));
    EXPECT_EQ(reqtest::TextLines(window), (std::vector<std::string>{"Work:notes.txt", "object not found"}));
    EXPECT_EQ(reqtest::GadgetOf(window, "Retry")["class"].string, "frbuttonclass");
    // In front of its parent, over it.
    const kvtest::Json &parent = reqtest::WindowOf(dump, "Probe parent");
    ASSERT_FALSE(parent.IsNull());
    EXPECT_EQ(dump["screens"][0]["windows"][0]["title"].string, "System Request");

    run = world.Run(kProbe, {"auto", "Retry", "Abort", "Disk full"},
                    "expect-window \"System Request\"\ngadget \"System Request\" \"Abort\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "answer 0\n");
}

TEST(ScriptedRequests, KeysAnswerTheActiveRequester)
{
    ProbeWorld world;
    ProbeResult run = world.Run(kProbe, {"auto", "Delete", "Cancel", "Are you sure to delete file(s) and or drawer(s) ?"},
                                "expect-window \"System Request\"\nkey Return\nexpect-no-window \"System Request\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "answer 1\n");
    run = world.Run(kProbe, {"auto", "Delete", "Cancel", "Are you sure to delete file(s) and or drawer(s) ?"},
                    "expect-window \"System Request\"\nkey Escape\nexpect-no-window \"System Request\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "answer 0\n");
}

TEST(ScriptedRequests, OneButtonAndALongBodyThatStaysOnTheScreen)
{
    ProbeWorld world;
    std::string longLine;
    for (int i = 0; i < 40; i++)
        longLine += "a rather long body line ";
    ProbeResult run = world.Run(kProbe, {"auto", "-", "OK", longLine, "second"},
                                "expect-window \"System Request\"\ndump @/long.json\nkey Return\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "answer 0\n");
    kvtest::Json dump = world.Dump("long.json");
    const kvtest::Json &window = reqtest::WindowOf(dump, "System Request");
    ASSERT_FALSE(window.IsNull());
    EXPECT_EQ(reqtest::Labels(window), (std::vector<std::string>{"OK"}));
    EXPECT_EQ(reqtest::TextLines(window), (std::vector<std::string>{longLine, "second"}));
    EXPECT_GE(window["left"].Int(), 0);
    EXPECT_LE(window["left"].Int() + window["width"].Int(), 1024);
    EXPECT_LE(window["top"].Int() + window["height"].Int(), 768);
    EXPECT_LT(window["width"].Int(), 1024);
    // Wrapped: taller than a two-line body would be.
    const kvtest::Json &ok = reqtest::GadgetOf(window, "OK");
    EXPECT_GT(ok["top"].Int() - window["top"].Int(), 5 * 12);
}

TEST(ScriptedRequests, EasyRequestWithThreeButtons)
{
    ProbeWorld world;
    ProbeResult run = world.Run(kProbe, {"easy", "Copy", "%s exists", "Replace|Skip|Abort", "notes.txt"},
                                "expect-window \"Copy\"\ndump @/easy.json\ngadget \"Copy\" \"Skip\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "answer 2\n");
    kvtest::Json dump = world.Dump("easy.json");
    const kvtest::Json &window = reqtest::WindowOf(dump, "Copy");
    EXPECT_EQ(reqtest::Labels(window), (std::vector<std::string>{"Replace", "Skip", "Abort"}));
    EXPECT_EQ(reqtest::TextLines(window), (std::vector<std::string>{"notes.txt exists"}));
}

}  // namespace
