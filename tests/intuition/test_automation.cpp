// The automation interface end to end: PlatformDemo driven by scripts on the headless display, its screenshot and JSON dump.
#include <hosted/display.h>

#include "support/dump.h"
#include "support/host_files.h"
#include "support/script_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using kvtest::Json;

// --- Running the demo --------------------------------------------------------------------

struct Outcome {
    int status = -1;
    std::string errors;
};

class Automation : public ::testing::Test {
protected:
    kvtest::TempDir work{"kv_automation"};
    std::string dir;

    void SetUp() override
    {
        ASSERT_FALSE(work.Path().empty());
        dir = work.Path();
    }

    std::string Path(const std::string &name) const { return dir + "/" + name; }

    Outcome Start(const std::string &script, const std::vector<std::string> &environment)
    {
        kvtest::WriteHostFile(Path("script"), script);
        kvtest::ProgramRun run;
        run.program = KV_DEMO_PATH;
        run.environment = kvtest::TestEnvironment(dir);
        for (const std::string &e : environment)
            kvtest::SetVariable(run.environment, e);
        run.output = "/dev/null";
        run.errors = Path("stderr");
        kvtest::RunResult done = kvtest::RunProgram(run);
        EXPECT_TRUE(done.started);
        if (done.timedOut)
            ADD_FAILURE() << "the demo did not end";
        return Outcome{done.status, done.errors};
    }

    Outcome Script(const std::string &script)
    {
        return Start(script, {"KESTROVANE_DISPLAY=headless", "KESTROVANE_SCRIPT=" + Path("script")});
    }

    Json Dump(const std::string &name) { return kvtest::ReadDump(Path(name)); }
};

const Json *FindWindow(const Json &dump, const std::string &title)
{
    return kvtest::DumpWindow(dump, title);
}

const Json *FindGadget(const Json &window, double id)
{
    return kvtest::DumpGadgetWithId(window, static_cast<long>(id));
}

TEST_F(Automation, AScriptDrivesTheDemoAndDumpsWhatItSees)
{
    Outcome run = Script("# pick a colour, fill in a name, look\n"
                     "expect-window \"Platform demo\"\n"
                     "menu \"Options\" \"Colours\" \"Green\"\n"
                     "menu \"Options\" \"Loud\"\n"
                     "gadget \"Platform demo\" #4\n"
                     "type \"Ann\"\n"
                     "key Return\n"
                     "screenshot " + Path("shot.png") + "\n"
                     "dump " + Path("dump.json") + "\n"
                     "close \"Platform demo\"\n"
                     "expect-no-window \"Platform demo\"\n"
                     "dump " + Path("after.json") + "\n");
    EXPECT_EQ(run.status, 0) << run.errors;

    std::vector<ULONG> pixels;
    LONG width = 0, height = 0;
    std::string error;
    ASSERT_TRUE(hosted::ReadPng(Path("shot.png"), pixels, width, height, error)) << error;
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);

    Json dump = Dump("dump.json");
    ASSERT_EQ(dump["screens"].array.size(), 1u);
    const Json &screen = dump["screens"][0];
    EXPECT_EQ(screen["public_name"].string, "Workbench");
    EXPECT_EQ(screen["width"].number, 1024);
    EXPECT_EQ(screen["height"].number, 768);
    EXPECT_TRUE(screen["front"].boolean);
    EXPECT_EQ(screen["title"].string, "PlatformDemo 1.0");   // the active window's screen title
    const Json *window = FindWindow(dump, "Platform demo");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE((*window)["active"].boolean);
    EXPECT_EQ((*window)["left"].number, 80);
    EXPECT_EQ((*window)["top"].number, 60);
    ASSERT_EQ((*window)["borders"].array.size(), 4u);
    EXPECT_GT((*window)["borders"][1].number, (*window)["borders"][0].number);
    EXPECT_EQ((*window)["text"].type, Json::Type::Array);

    const Json *hello = FindGadget(*window, 1);
    ASSERT_NE(hello, nullptr);
    EXPECT_EQ((*hello)["class"].string, "frbuttonclass");
    EXPECT_EQ((*hello)["label"].string, "Hello");
    EXPECT_FALSE((*hello)["selected"].boolean);
    EXPECT_FALSE((*hello)["disabled"].boolean);
    EXPECT_FALSE(hello->Has("value"));
    EXPECT_FALSE(hello->Has("pot"));
    EXPECT_GE((*hello)["left"].number, (*window)["left"].number);   // screen coordinates
    const Json *name = FindGadget(*window, 4);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ((*name)["class"].string, "strgclass");
    EXPECT_EQ((*name)["value"].string, "Ann");
    const Json *volume = FindGadget(*window, 5);
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ((*volume)["class"].string, "propgclass");
    EXPECT_TRUE(volume->Has("pot"));
    const Json *loud = FindGadget(*window, 6);
    ASSERT_NE(loud, nullptr);
    EXPECT_TRUE((*loud)["selected"].boolean);   // the menu item switched the toggle on

    const Json &menus = (*window)["menus"];
    ASSERT_EQ(menus.array.size(), 2u);
    EXPECT_EQ(menus[0]["title"].string, "Project");
    EXPECT_TRUE(menus[0]["enabled"].boolean);
    EXPECT_EQ(menus[0]["items"][1]["text"].string, "Quit");
    const Json &colours = menus[1]["items"][1];
    EXPECT_EQ(colours["text"].string, "Colours");
    ASSERT_EQ(colours["sub"].array.size(), 3u);
    EXPECT_FALSE(colours["sub"][0]["checked"].boolean);
    EXPECT_TRUE(colours["sub"][1]["checked"].boolean);
    EXPECT_EQ(colours["sub"][1]["text"].string, "Green");
    EXPECT_TRUE(menus[1]["items"][0]["checked"].boolean);

    Json after = Dump("after.json");
    EXPECT_EQ(FindWindow(after, "Platform demo"), nullptr);
}

TEST_F(Automation, AFailingCommandNamesItsLineAndEndsWithStatusTwo)
{
    Outcome run = Script("expect-window \"Platform demo\"\n"
                     "\n"
                     "gadget \"Platform demo\" \"No such button\"\n"
                     "dump " + Path("never.json") + "\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:3: "), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("No such button"), std::string::npos) << run.errors;
    EXPECT_FALSE(std::ifstream(Path("never.json")).good());

    run = Script("expect-window \"Platform demo\"\nmenu \"Options\" \"Nothing\"\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:2: "), std::string::npos) << run.errors;

    run = Script("expect-window \"No such window\" 300\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:1: "), std::string::npos) << run.errors;

    // A script that cannot be read fails before anything runs.
    run = Script("click 1 2\nbogus command\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:2: unknown command"), std::string::npos) << run.errors;
}

TEST_F(Automation, WhenTheProgramQuitsFirstTheScriptStillRunsToItsEnd)
{
    Outcome run = Script("expect-window \"Platform demo\"\n"
                     "menu \"Project\" \"Quit\"\n"
                     "expect-no-window \"Platform demo\"\n"
                     "sleep 100\n"
                     "dump " + Path("empty.json") + "\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    Json dump = Dump("empty.json");
    ASSERT_EQ(dump["screens"].array.size(), 1u);
    EXPECT_TRUE(dump["screens"][0]["windows"].array.empty());

    // A later command that fails still gives status 2.
    run = Script("expect-window \"Platform demo\"\n"
                 "gadget \"Platform demo\" \"Quit\"\n"
                 "expect-no-window \"Platform demo\"\n"
                 "gadget \"Platform demo\" \"Hello\"\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("script:4: "), std::string::npos) << run.errors;
}

TEST_F(Automation, DraggingTheKnobMovesItAndTheEndOfTheScriptEndsTheProgram)
{
    Outcome run = Script("expect-window \"Platform demo\"\n"
                     "dump " + Path("before.json") + "\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    Json before = Dump("before.json");
    const Json *volume = FindGadget(*FindWindow(before, "Platform demo"), 5);
    ASSERT_NE(volume, nullptr);
    double x = (*volume)["left"].number + 2;
    double y = (*volume)["top"].number + (*volume)["height"].number / 2;
    double knob = x + (*volume)["width"].number * (*volume)["pot"].number / 65535.0;
    // The program never quits by itself here: the script's end stops it.
    run = Script("expect-window \"Platform demo\"\n"
                 "drag " + std::to_string(static_cast<int>(knob)) + " " + std::to_string(static_cast<int>(y)) + " " +
                 std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)) + " 8\n"
                 "dump " + Path("dragged.json") + "\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    Json dragged = Dump("dragged.json");
    const Json *moved = FindGadget(*FindWindow(dragged, "Platform demo"), 5);
    ASSERT_NE(moved, nullptr);
    EXPECT_LT((*moved)["pot"].number, (*volume)["pot"].number);
}

TEST_F(Automation, WithoutADisplayTheProgramSaysSoAndEnds)
{
    Outcome run = Start("", {});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("KESTROVANE_DISPLAY"), std::string::npos) << run.errors;
    run = Start("", {"KESTROVANE_DISPLAY=braille"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("KESTROVANE_DISPLAY"), std::string::npos) << run.errors;
}

}  // namespace
