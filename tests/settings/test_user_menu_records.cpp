// The user-menu records built from a file's image: intuition's structures filled and linked, a damaged image leaving none.
#include <settings/windows/user_menu_records.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<UserMenuBlock> NewBlock()
{
    auto block = std::make_unique<UserMenuBlock>();
    std::memset(block.get(), 0xA5, sizeof *block);   // what a fresh allocation may hold
    return block;
}

// Two menus, of two items and of one, written from records built as the editor builds them.
std::vector<UBYTE> TwoMenus()
{
    auto source = NewBlock();
    ClearUserMenus(*source);
    FillUserMenu(source->menus[0], "Tools");
    FillUserMenuItem(source->menus[0].items[0], "Edit");
    FillUserMenuItem(source->menus[0].items[1], "Pack");
    source->menus[0].items[1].fields.priority = -1;
    LinkUserMenuItems(source->menus[0], 2);
    FillUserMenu(source->menus[1], "Net");
    FillUserMenuItem(source->menus[1].items[0], "Send");
    LinkUserMenuItems(source->menus[1], 1);
    // A third menu filled but never linked is not written.
    FillUserMenu(source->menus[2], "Unlinked");
    LinkUserMenus(*source, 2);
    std::vector<UBYTE> image(4096);
    ULONG length = 0;
    EXPECT_TRUE(WriteUserMenuImage(UserMenuViewOf(*source), image.data(), ULONG(image.size()), length));
    image.resize(length);
    return image;
}

TEST(UserMenuRecords, AFileBecomesLinkedMenusWithTheirOwnTexts)
{
    std::vector<UBYTE> image = TwoMenus();
    auto block = NewBlock();
    ASSERT_EQ(BuildUserMenus(*block, image.data(), ULONG(image.size())), UserMenuFault::None);
    ASSERT_EQ(block->strip, &block->menus[0].menu);
    EXPECT_EQ(LinkedUserMenuCount(*block), 2u);
    EXPECT_EQ(block->menus[0].menu.NextMenu, &block->menus[1].menu);
    EXPECT_EQ(block->menus[1].menu.NextMenu, nullptr);
    const struct Menu &tools = block->menus[0].menu;
    EXPECT_STREQ(tools.MenuName, "Tools");
    EXPECT_EQ(tools.MenuName, block->menus[0].name);
    EXPECT_EQ(tools.Flags, MENUENABLED);
    EXPECT_EQ(tools.LeftEdge | tools.TopEdge | tools.Width | tools.Height, 0);
    EXPECT_EQ(LinkedItemCount(block->menus[0]), 2u);
    EXPECT_EQ(LinkedItemCount(block->menus[1]), 1u);
    const UserMenuItem &pack = block->menus[0].items[1];
    EXPECT_EQ(block->menus[0].items[0].item.NextItem, &pack.item);
    EXPECT_EQ(pack.item.NextItem, nullptr);
    EXPECT_EQ(pack.item.Flags, ITEMTEXT | ITEMENABLED);
    EXPECT_EQ(pack.item.ItemFill, &pack.text);
    EXPECT_EQ(pack.item.SubItem, nullptr);
    EXPECT_EQ(pack.item.SelectFill, nullptr);
    EXPECT_EQ(pack.text.IText, pack.fields.name);
    EXPECT_EQ(pack.text.FrontPen | pack.text.BackPen | pack.text.DrawMode, 0);
    EXPECT_EQ(pack.text.ITextFont, nullptr);
    EXPECT_STREQ(pack.fields.name, "Pack");
    EXPECT_EQ(pack.fields.priority, -1);
    EXPECT_EQ(pack.fields.stack, UserMenuDefaultStack);
    EXPECT_STREQ(pack.fields.outputWindow, "CON:64/64/475/128/Kestrovane output/AUTO/CLOSE/WAIT");

    EXPECT_EQ(LinkedUserMenuItem(*block, 0, 1), &block->menus[0].items[1]);
    EXPECT_EQ(LinkedUserMenuItem(*block, 1, 1), nullptr);   // Net has one item
    EXPECT_EQ(LinkedUserMenuItem(*block, 2, 0), nullptr);   // there is no third menu

    // Written again, the records give the same file.
    std::vector<UBYTE> again(4096);
    ULONG length = 0;
    ASSERT_TRUE(WriteUserMenuImage(UserMenuViewOf(*block), again.data(), ULONG(again.size()), length));
    again.resize(length);
    EXPECT_EQ(again, image);
}

TEST(UserMenuRecords, ADamagedFileLeavesNoMenusAndNoStaleLinks)
{
    std::vector<UBYTE> image = TwoMenus();
    image.pop_back();
    auto block = NewBlock();
    EXPECT_EQ(BuildUserMenus(*block, image.data(), ULONG(image.size())), UserMenuFault::Truncated);
    EXPECT_EQ(block->strip, nullptr);
    EXPECT_EQ(LinkedUserMenuCount(*block), 0u);
    EXPECT_EQ(LinkedUserMenuItem(*block, 0, 0), nullptr);
    EXPECT_EQ(UserMenuViewOf(*block).menuCount, 0u);
}

TEST(UserMenuRecords, ChainsThatLeaveTheRecordsEndTheCount)
{
    auto block = NewBlock();
    ClearUserMenus(*block);
    FillUserMenu(block->menus[0], "A");
    FillUserMenuItem(block->menus[0].items[0], "x");
    LinkUserMenuItems(block->menus[0], 1);
    LinkUserMenus(*block, 1);
    struct Menu stranger = {};
    block->menus[0].menu.NextMenu = &stranger;
    block->menus[0].items[0].item.NextItem = &block->menus[0].items[0].item;   // a loop
    EXPECT_EQ(LinkedUserMenuCount(*block), 1u);
    EXPECT_EQ(LinkedItemCount(block->menus[0]), 1u);
}

}  // namespace
