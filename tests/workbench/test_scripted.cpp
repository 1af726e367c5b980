// The information window driven by automation scripts: the probe program shows it, the script toggles, types and saves.
#include "probe_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

using reqtest::ProbeResult;
using reqtest::ProbeWorld;

const std::string kProbe = KV_WBINFO_PROBE;

struct WbWorld : ProbeWorld {
    WbWorld()
    {
        mkdir(Path("vol").c_str(), 0755);
        std::ofstream(Path("vol/notes.txt")) << "hello!";
        chmod(Path("vol/notes.txt").c_str(), 0644);
        std::ofstream(Path("Mountlist")) << "VOLUME Work: " << Path("vol") << "\n";
    }
    mode_t Mode() const
    {
        struct stat info{};
        stat(Path("vol/notes.txt").c_str(), &info);
        return info.st_mode & 0777;
    }
    std::string Comment() const
    {
        char value[128] = {};
        ssize_t length = getxattr(Path("vol/notes.txt").c_str(), "user.xdg.comment", value, sizeof value - 1);
        return length > 0 ? std::string(value, static_cast<std::size_t>(length)) : std::string();
    }
};

TEST(ScriptedInfo, FlagsAndCommentAreSavedThroughDos)
{
    WbWorld world;
    ProbeResult run = world.Run(kProbe, {"Work:", "notes.txt"},
                                "expect-window \"notes.txt\"\n"
                                "dump @/before.json\n"
                                "gadget \"notes.txt\" \"w\"\n"
                                "gadget \"notes.txt\" #3\n"
                                "type \"from the script\"\n"
                                "key Return\n"
                                "dump @/after.json\n"
                                "screenshot @/info.png\n"
                                "gadget \"notes.txt\" \"Save\"\n"
                                "expect-no-window \"notes.txt\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "result 1 ioerr 0\n");
    EXPECT_EQ(world.Mode() & 0200, 0u);   // the owner may not write now
    EXPECT_EQ(world.Comment(), "from the script");

    kvtest::Json before = world.Dump("before.json");
    const kvtest::Json &window = reqtest::WindowOf(before, "notes.txt");
    ASSERT_FALSE(window.IsNull());
    EXPECT_EQ(reqtest::TextLines(window)[0], "Name\tnotes.txt");
    EXPECT_TRUE(reqtest::GadgetOf(window, "w")["selected"].boolean);
    EXPECT_FALSE(reqtest::GadgetOf(window, "a")["selected"].boolean);
    std::vector<std::string> labels = reqtest::Labels(window);
    EXPECT_EQ(labels, (std::vector<std::string>{"h", "s", "p", "a", "r", "w", "e", "d", "", "Save", "Cancel"}));
    kvtest::Json after = world.Dump("after.json");
    const kvtest::Json &changed = reqtest::WindowOf(after, "notes.txt");
    EXPECT_FALSE(reqtest::GadgetOf(changed, "w")["selected"].boolean);
    EXPECT_EQ(changed["gadgets"][8]["value"].string, "from the script");
}

TEST(ScriptedInfo, CancelLeavesTheFileAsItWas)
{
    WbWorld world;
    ProbeResult run = world.Run(kProbe, {"Work:", "notes.txt"},
                                "expect-window \"notes.txt\"\n"
                                "gadget \"notes.txt\" \"r\"\n"
                                "gadget \"notes.txt\" \"h\"\n"
                                "gadget \"notes.txt\" \"Cancel\"\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "result 1 ioerr 0\n");
    EXPECT_EQ(world.Mode(), 0644u);
    EXPECT_EQ(world.Comment(), "");
}

}  // namespace
