// Drawer paths: names appended, parents cut off, all within their buffers.
#include <core/drawer_paths.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Appended(std::string path, const char *name, ULONG size = 4088, BOOL *ok = nullptr)
{
    std::string buffer = path;
    buffer.resize(size, '\0');
    BOOL done = AppendDrawerName(buffer.data(), size, name);
    if (ok != nullptr)
        *ok = done;
    return std::string(buffer.c_str());
}

std::string Parent(std::string path, ParentCut *cut = nullptr)
{
    ParentCut how = CutToParent(path.data());
    if (cut != nullptr)
        *cut = how;
    return std::string(path.c_str());
}

TEST(DrawerPaths, NamesFollowASlashExceptAfterAColonOrInTheCurrentDirectory)
{
    EXPECT_EQ(Appended("Work:", "Music"), "Work:Music");
    EXPECT_EQ(Appended("Work:Audio", "Music"), "Work:Audio/Music");
    EXPECT_EQ(Appended("", "Music"), "Music");   // not "/Music", the parent's drawer
    EXPECT_EQ(Appended("Docs", "Old"), "Docs/Old");
}

TEST(DrawerPaths, AppendingPastTheBufferIsRefused)
{
    BOOL ok = TRUE;
    EXPECT_EQ(Appended("Work:abc", "defg", 14, &ok), "Work:abc/defg");   // 13 characters and the NUL
    EXPECT_TRUE(ok);
    EXPECT_EQ(Appended("Work:abc", "defgh", 14, &ok), "Work:abc");
    EXPECT_FALSE(ok);
    EXPECT_EQ(Appended("Work:", "x", 6, &ok), "Work:");
    EXPECT_FALSE(ok);
    std::string full(4087, 'p');
    EXPECT_EQ(Appended(full, "q", 4088, &ok), full);
    EXPECT_FALSE(ok);
}

TEST(DrawerPaths, ParentCutsAtTheLastSlashOrAfterTheColon)
{
    ParentCut cut;
    EXPECT_EQ(Parent("Work:Audio/Music", &cut), "Work:Audio");
    EXPECT_EQ(cut, ParentCut::AtSlash);
    EXPECT_EQ(Parent("Work:Audio", &cut), "Work:");
    EXPECT_EQ(cut, ParentCut::AtColon);
    EXPECT_TRUE(PathIsRoot("Work:"));
    EXPECT_FALSE(PathIsRoot("Work:Audio"));
    EXPECT_FALSE(PathIsRoot(""));
    // The last character is not searched: a trailing slash is not a level.
    EXPECT_EQ(Parent("Work:Audio/", &cut), "Work:");
    EXPECT_EQ(Parent("Docs/Old", &cut), "Docs");
}

TEST(DrawerPaths, ARelativePathWithoutSeparatorsIsLeftAlone)
{
    ParentCut cut = ParentCut::AtSlash;
    EXPECT_EQ(Parent("Docs", &cut), "Docs");
    EXPECT_EQ(cut, ParentCut::NoSeparator);
    EXPECT_EQ(Parent("D", &cut), "D");
    EXPECT_EQ(cut, ParentCut::NoSeparator);
    EXPECT_EQ(Parent("", &cut), "");
    EXPECT_EQ(cut, ParentCut::NoSeparator);
    // A root's colon is its last character: nothing before it is a separator.
    EXPECT_EQ(Parent("Work:", &cut), "Work:");
    EXPECT_EQ(cut, ParentCut::NoSeparator);
}

TEST(DrawerPaths, CopiesAreBounded)
{
    char buffer[8] = "old";
    EXPECT_TRUE(CopyPath(buffer, sizeof buffer, "RAM:T"));
    EXPECT_STREQ(buffer, "RAM:T");
    EXPECT_FALSE(CopyPath(buffer, sizeof buffer, "Work:Long"));
    EXPECT_STREQ(buffer, "RAM:T");
}

}  // namespace
