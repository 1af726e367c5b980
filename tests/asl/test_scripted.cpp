// The file requester driven by automation scripts: the probe program shows it, the script picks, types and dumps.
#include "probe_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace {

using reqtest::ProbeResult;
using reqtest::ProbeWorld;

const std::string kProbe = KV_ASL_PROBE;

// A world whose "Work:" volume holds docs/ (with guide.txt), Music/ and notes.txt.
struct AslWorld : ProbeWorld {
    AslWorld()
    {
        const std::string vol = Path("vol");
        mkdir(vol.c_str(), 0755);
        mkdir((vol + "/docs").c_str(), 0755);
        mkdir((vol + "/Music").c_str(), 0755);
        std::ofstream(vol + "/docs/guide.txt") << "0123456789";
        std::ofstream(vol + "/notes.txt") << "hello!";
        std::ofstream(Path("Mountlist")) << "VOLUME Work: " << vol << "\n";
    }
};

std::string Centre(const kvtest::Json &gadget)
{
    return std::to_string(gadget["left"].Int() + gadget["width"].Int() / 2) + " " +
           std::to_string(gadget["top"].Int() + gadget["height"].Int() / 2);
}

TEST(ScriptedAsl, AClickedFileIsChosenWithThePositiveButton)
{
    AslWorld world;
    ProbeResult run = world.Run(kProbe, {"title=Open with programm...", "positive=Open with", "drawer=Work:"},
                                "expect-window \"Open with programm...\"\n"
                                "gadget \"Open with programm...\" \"notes.txt\"\n"
                                "dump @/chosen.json\n"
                                "screenshot @/chosen.png\n"
                                "gadget \"Open with programm...\" \"Open with\"\n"
                                "expect-no-window \"Open with programm...\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output.substr(0, run.output.find(" box=")), "result 1 ioerr 0 drawer=Work: file=notes.txt");
    kvtest::Json dump = world.Dump("chosen.json");
    const kvtest::Json &window = reqtest::WindowOf(dump, "Open with programm...");
    ASSERT_FALSE(window.IsNull());
    EXPECT_EQ(reqtest::TextLines(window),
              (std::vector<std::string>{"docs\tDrawer", "Music\tDrawer", "notes.txt\t6"}));
    EXPECT_TRUE(reqtest::GadgetOf(window, "notes.txt")["selected"].boolean);
    EXPECT_EQ(reqtest::GadgetOf(window, "Open with")["class"].string, "frbuttonclass");
    bool field = false;
    for (const kvtest::Json &g : window["gadgets"].array) {
        if (g["class"].string == "strgclass" && g["value"].string == "notes.txt")
            field = true;
    }
    EXPECT_TRUE(field);
}

TEST(ScriptedAsl, CancelChoosesNothing)
{
    AslWorld world;
    ProbeResult run = world.Run(kProbe, {"title=Pick", "drawer=Work:"},
                                "expect-window \"Pick\"\ngadget \"Pick\" \"notes.txt\"\ngadget \"Pick\" \"Cancel\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output.substr(0, run.output.find(" box=")), "result 0 ioerr 0 drawer= file=");
}

TEST(ScriptedAsl, VolumesThenAVolumeThenADrawerInDrawersOnlyMode)
{
    AslWorld world;
    ProbeResult run = world.Run(kProbe, {"title=Choose drawer", "drawers", "drawer=RAM:"},
                                "expect-window \"Choose drawer\"\n"
                                "gadget \"Choose drawer\" \"Volumes\"\n"
                                "gadget \"Choose drawer\" \"Work:\"\n"
                                "dump @/work.json\n"
                                "gadget \"Choose drawer\" \"docs\"\n"
                                "gadget \"Choose drawer\" \"OK\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output.substr(0, run.output.find(" box=")), "result 1 ioerr 0 drawer=Work:docs file=");
    kvtest::Json dump = world.Dump("work.json");
    EXPECT_EQ(reqtest::TextLines(reqtest::WindowOf(dump, "Choose drawer")),
              (std::vector<std::string>{"docs\tDrawer", "Music\tDrawer"}));
}

TEST(ScriptedAsl, ADoubleClickOpensADrawerAndAPathCanBeTyped)
{
    AslWorld world;
    ProbeResult run = world.Run(kProbe, {"title=Pick", "drawer=Work:"},
                                "expect-window \"Pick\"\ndump @/start.json\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    kvtest::Json start = world.Dump("start.json");
    const kvtest::Json &docs = reqtest::GadgetOf(reqtest::WindowOf(start, "Pick"), "docs");
    ASSERT_FALSE(docs.IsNull());

    run = world.Run(kProbe, {"title=Pick", "drawer=Work:"},
                    "expect-window \"Pick\"\n"
                    "double-click " + Centre(docs) + "\n"
                    "dump @/docs.json\n"
                    "gadget \"Pick\" \"guide.txt\"\n"
                    "key Return\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output.substr(0, run.output.find(" box=")), "result 1 ioerr 0 drawer=Work:docs file=guide.txt");
    kvtest::Json inside = world.Dump("docs.json");
    EXPECT_EQ(reqtest::TextLines(reqtest::WindowOf(inside, "Pick")), (std::vector<std::string>{"guide.txt\t10"}));

    // The drawer field: clear "Work:", type a path, Return goes there.
    run = world.Run(kProbe, {"title=Pick", "drawer=Work:"},
                    "expect-window \"Pick\"\n"
                    "gadget \"Pick\" #5\n"
                    "key End\nkey BackSpace\nkey BackSpace\nkey BackSpace\nkey BackSpace\nkey BackSpace\n"
                    "type \"Work:docs\"\n"
                    "key Return\n"
                    "dump @/typed.json\n"
                    "gadget \"Pick\" \"guide.txt\"\n"
                    "gadget \"Pick\" \"OK\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output.substr(0, run.output.find(" box=")), "result 1 ioerr 0 drawer=Work:docs file=guide.txt");
    kvtest::Json typed = world.Dump("typed.json");
    EXPECT_EQ(reqtest::TextLines(reqtest::WindowOf(typed, "Pick")), (std::vector<std::string>{"guide.txt\t10"}));
}

TEST(ScriptedAsl, AnUnreadableDrawerShowsTheSystemsText)
{
    AslWorld world;
    ProbeResult run = world.Run(kProbe, {"title=Pick", "drawer=Work:gone"},
                                "expect-window \"Pick\"\ndump @/gone.json\ngadget \"Pick\" \"Parent\"\n"
                                "gadget \"Pick\" \"notes.txt\"\ngadget \"Pick\" \"OK\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output.substr(0, run.output.find(" box=")), "result 1 ioerr 0 drawer=Work: file=notes.txt");
    kvtest::Json dump = world.Dump("gone.json");
    EXPECT_EQ(reqtest::TextLines(reqtest::WindowOf(dump, "Pick")),
              (std::vector<std::string>{"Work:gone: object not found"}));
}

}  // namespace
