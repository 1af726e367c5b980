// Tag lists: TAG_MORE, TAG_SKIP and TAG_IGNORE are followed as the system does.
#include <proto/utility.h>

#include <gtest/gtest.h>

namespace {

TEST(Tags, WalkFollowsMoreSkipsIgnoreAndSkip)
{
    const struct TagItem tail[] = {{TAG_USER + 3, 30}, {TAG_DONE, 0}};
    const struct TagItem head[] = {{TAG_USER + 1, 10},
                                   {TAG_IGNORE, 0},
                                   {TAG_SKIP, 1},
                                   {TAG_USER + 9, 90},   // skipped
                                   {TAG_USER + 2, 20},
                                   {TAG_MORE, reinterpret_cast<IPTR>(tail)}};
    EXPECT_EQ(GetTagData(TAG_USER + 1, 0, head), 10u);
    EXPECT_EQ(GetTagData(TAG_USER + 2, 0, head), 20u);
    EXPECT_EQ(GetTagData(TAG_USER + 3, 0, head), 30u);
    EXPECT_EQ(GetTagData(TAG_USER + 9, 7, head), 7u);
    EXPECT_EQ(FindTagItem(TAG_USER + 4, head), nullptr);
    EXPECT_EQ(GetTagData(TAG_USER + 1, 5, nullptr), 5u);
    EXPECT_EQ(Stricmp("Work", "WORK"), 0);
    EXPECT_LT(Stricmp("a", "B"), 0);
}

}  // namespace
