// The rename engine: how the field is filled under each setting, and one rename's outcomes.
#include "entry_support.h"

#include <fileops/rename.h>

#include <cstring>

namespace {

using namespace fileopstest;

TEST(RenameFill, NameStaysAndEmptyFillTheFieldAsTheSettingSays)
{
    EXPECT_EQ(RenameFillOf(255), RenameFill::Name);
    EXPECT_EQ(RenameFillOf(1), RenameFill::Stays);
    EXPECT_EQ(RenameFillOf(0), RenameFill::Empty);
    EXPECT_EQ(RenameFillOf(7), RenameFill::Name);

    char field[16] = "typed";
    EXPECT_TRUE(FillRenameField(RenameFill::Name, FALSE, "second", field, sizeof field));
    EXPECT_STREQ(field, "second");
    EXPECT_TRUE(FillRenameField(RenameFill::Stays, TRUE, "first", field, sizeof field));
    EXPECT_STREQ(field, "first");
    std::strcpy(field, "typed");
    EXPECT_FALSE(FillRenameField(RenameFill::Stays, FALSE, "second", field, sizeof field));
    EXPECT_STREQ(field, "typed");
    EXPECT_TRUE(FillRenameField(RenameFill::Empty, TRUE, "first", field, sizeof field));
    EXPECT_STREQ(field, "");
    // Never past the field.
    EXPECT_TRUE(FillRenameField(RenameFill::Name, TRUE, "a name longer than the field", field, sizeof field));
    EXPECT_EQ(std::strlen(field), sizeof field - 1);
}

class RenameTest : public EntryOpsTest {};

TEST_F(RenameTest, ARenameSucceedsMovesFailsOnAnExistingNameOrIsRefused)
{
    MakeFile("a", "1");
    MakeFile("b", "2");
    MakeDrawer("into");
    EXPECT_TRUE(RenameEntry("a", "c").renamed);
    RenameAttempt taken = RenameEntry("c", "b");   // never over an existing object
    EXPECT_FALSE(taken.renamed);
    EXPECT_EQ(taken.error, ERROR_OBJECT_EXISTS);
    EXPECT_EQ(kvtest::ReadHostFile(Host("b")), "2");
    RenameAttempt empty = RenameEntry("c", "");
    EXPECT_FALSE(empty.renamed);
    EXPECT_NE(empty.error, 0);
    EXPECT_TRUE(RenameEntry("c", "into/c").renamed);
    std::string over(108, 'x');
    RenameAttempt refused = RenameEntry("b", over.c_str());
    EXPECT_FALSE(refused.renamed);
    EXPECT_NE(refused.refusal, nullptr);
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "into"}));
    EXPECT_EQ(Names("into"), std::vector<std::string>{"c"});
}

}  // namespace
