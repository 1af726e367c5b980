// The tree keeps its layers: each directory includes only what its layer may use, and the platform nothing of the program.
#include "layering.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

TEST(Layering, APlantedIncludeOutsideTheLayerIsFound)
{
    EXPECT_EQ(layering::Violations("lister", "#include <proto/intuition.h>\n#include <proto/dos.h>\n"),
              std::vector<std::string>{"1: proto/intuition.h"});
    EXPECT_EQ(layering::Violations("fileops", "#include <dos/dos.h>\n  #include <ui/requester.h>\n"),
              std::vector<std::string>{"2: ui/requester.h"});
    EXPECT_EQ(layering::Violations("settings", "#include <graphics/gfx.h>\n"),
              std::vector<std::string>{"1: graphics/gfx.h"});
    EXPECT_EQ(layering::Violations("platform/dos", "#include \"core/lister.h\"\n#include <hosted/dos.h>\n"),
              std::vector<std::string>{"1: core/lister.h"});
    EXPECT_EQ(layering::Violations("ui", "#include <hosted/display.h>\n"),
              std::vector<std::string>{"1: hosted/display.h"});   // the platform's inside is not the program's
    EXPECT_TRUE(layering::Violations("core", "#include <proto/asl.h>\n#include <cstring>\n").empty());
    EXPECT_TRUE(layering::Violations("settings/windows", "#include <proto/intuition.h>\n").empty());
}

TEST(Layering, TheTreeKeepsItsLayers)
{
    const fs::path root = KV_SOURCE_DIR;
    size_t files = 0;
    for (const char *top : {"core", "lister", "settings", "fileops", "ui", "variants", "texts", "platform"}) {
        if (!fs::exists(root / top))
            continue;
        for (const auto &entry : fs::recursive_directory_iterator(root / top)) {
            std::string extension = entry.path().extension().string();
            if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h"))
                continue;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            std::string directory = fs::relative(entry.path().parent_path(), root).generic_string();
            for (const std::string &violation : layering::Violations(directory, text.str()))
                ADD_FAILURE() << fs::relative(entry.path(), root).generic_string() << ":" << violation;
            files++;
        }
    }
    EXPECT_GT(files, 100u);
}

}  // namespace
