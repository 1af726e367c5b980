// Environment variables: GetVar's flags, SetVar, DeleteVar, names with drawers and the ENV: prefix.
#include "dos_test_support.h"

#include <cstring>

namespace {

using dostest::DosTest;

std::string EnvFile(const std::string &name)
{
    std::string path;
    hosted::ResolvePath(("ENV:" + name).c_str(), path);
    return path;
}

TEST_F(DosTest, TextVariablesStopAtTheLineFeedAndAreCutToTheBuffer)
{
    ASSERT_TRUE(SetVar("Editor", "vim\nsecond line", -1, GVF_GLOBAL_ONLY));
    EXPECT_EQ(dostest::ReadHostFile(EnvFile("Editor")), "vim\nsecond line");
    char buffer[16];
    EXPECT_EQ(GetVar("Editor", buffer, sizeof buffer, GVF_GLOBAL_ONLY), 3);
    EXPECT_STREQ(buffer, "vim");
    EXPECT_EQ(IoErr(), 15);   // the whole variable's length
    ASSERT_TRUE(SetVar("Long", "abcdefghij", -1, 0));
    char small[5];
    EXPECT_EQ(GetVar("Long", small, sizeof small, 0), 4);
    EXPECT_STREQ(small, "abcd");
    EXPECT_EQ(GetVar("env:Long", small, sizeof small, 0), 4);
}

TEST_F(DosTest, BinaryVariablesReturnTheByteCount)
{
    const char bytes[] = {'I', 'C', 0, '\n', 'x', 1};
    ASSERT_TRUE(SetVar("sys/def_drawer.info", bytes, sizeof bytes, GVF_GLOBAL_ONLY | GVF_BINARY_VAR));
    char buffer[64];
    std::memset(buffer, 'Z', sizeof buffer);
    LONG got = GetVar("ENV:sys/def_drawer.info", buffer, sizeof buffer,
                      GVF_GLOBAL_ONLY | GVF_BINARY_VAR | GVF_DONT_NULL_TERM);
    EXPECT_EQ(got, 6);
    EXPECT_EQ(std::memcmp(buffer, bytes, sizeof bytes), 0);
    EXPECT_EQ(buffer[6], 'Z');
    got = GetVar("sys/def_drawer.info", buffer, 4, GVF_BINARY_VAR | GVF_DONT_NULL_TERM);
    EXPECT_EQ(got, 4);   // cut to the buffer, no terminator
    got = GetVar("sys/def_drawer.info", buffer, 4, GVF_BINARY_VAR);
    EXPECT_EQ(got, 3);
    EXPECT_EQ(buffer[3], 0);
}

TEST_F(DosTest, MissingVariablesAndBadNames)
{
    char buffer[16] = "junk";
    EXPECT_EQ(GetVar("NoSuchVariable", buffer, sizeof buffer, GVF_GLOBAL_ONLY), -1);
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
    EXPECT_EQ(GetVar("sys", buffer, sizeof buffer, 0), -1);   // a drawer is no variable
    EXPECT_EQ(GetVar("x", buffer, 0, 0), -1);
    EXPECT_EQ(GetVar("Local", buffer, sizeof buffer, GVF_LOCAL_ONLY), -1);
    EXPECT_FALSE(SetVar("/escape", "x", -1, 0));
    EXPECT_FALSE(SetVar("a//b", "x", -1, 0));
    EXPECT_FALSE(SetVar("..", "x", -1, 0));
}

TEST_F(DosTest, DeleteVarAndSavedVariables)
{
    ASSERT_TRUE(SetVar("Kept", "1", -1, GVF_SAVE_VAR));
    std::string archive;
    ASSERT_TRUE(hosted::ResolvePath("ENVARC:Kept", archive));
    EXPECT_EQ(dostest::ReadHostFile(archive), "1");
    ASSERT_TRUE(DeleteVar("Kept", GVF_SAVE_VAR));
    EXPECT_FALSE(dostest::HostExists(archive));
    char buffer[4];
    EXPECT_EQ(GetVar("Kept", buffer, sizeof buffer, 0), -1);
    EXPECT_FALSE(DeleteVar("Kept", 0));
    EXPECT_EQ(IoErr(), ERROR_OBJECT_NOT_FOUND);
}

}  // namespace
