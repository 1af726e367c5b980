// settings/windows/user_menu_records.cpp: filling, linking and counting the user-menu records.
#include "user_menu_records.h"

#include <cstring>

namespace {

void CopyName(STRPTR field, CONST_STRPTR name)
{
    size_t length = name != nullptr ? strnlen(name, UserMenuNameSize - 1) : 0;
    if (length != 0)
        std::memcpy(field, name, length);
    field[length] = '\0';
}

// The index of `item` among the slots of `menu`, or UserMenuMax when it
// is not one of them.
ULONG SlotOf(const UserMenu &menu, const struct MenuItem *item)
{
    for (ULONG i = 0; i < UserMenuMax; i++)
        if (&menu.items[i].item == item)
            return i;
    return UserMenuMax;
}

ULONG RecordOf(const UserMenuBlock &block, const struct Menu *menu)
{
    for (ULONG i = 0; i < UserMenuMax; i++)
        if (&block.menus[i].menu == menu)
            return i;
    return UserMenuMax;
}

}  // namespace

void ClearUserMenus(UserMenuBlock &block)
{
    std::memset(&block, 0, sizeof block);
}

void FillUserMenu(UserMenu &menu, CONST_STRPTR name)
{
    std::memset(&menu.menu, 0, sizeof menu.menu);
    CopyName(menu.name, name);
    menu.menu.Flags = MENUENABLED;
    menu.menu.MenuName = menu.name;
}

void PrepareUserMenuItem(UserMenuItem &item)
{
    std::memset(&item.item, 0, sizeof item.item);
    std::memset(&item.text, 0, sizeof item.text);
    item.text.IText = item.fields.name;
    item.item.Flags = ITEMTEXT | ITEMENABLED;
    item.item.ItemFill = &item.text;
}

void FillUserMenuItem(UserMenuItem &item, CONST_STRPTR name)
{
    SetDefaultItemFields(item.fields, name);
    PrepareUserMenuItem(item);
}

void LinkUserMenuItems(UserMenu &menu, ULONG count)
{
    if (count > UserMenuMax)
        count = UserMenuMax;
    menu.menu.FirstItem = count != 0 ? &menu.items[0].item : nullptr;
    for (ULONG i = 0; i < count; i++)
        menu.items[i].item.NextItem = i + 1 < count ? &menu.items[i + 1].item : nullptr;
}

void LinkUserMenus(UserMenuBlock &block, ULONG count)
{
    if (count > UserMenuMax)
        count = UserMenuMax;
    block.strip = count != 0 ? &block.menus[0].menu : nullptr;
    for (ULONG i = 0; i < count; i++)
        block.menus[i].menu.NextMenu = i + 1 < count ? &block.menus[i + 1].menu : nullptr;
}

ULONG LinkedUserMenuCount(const UserMenuBlock &block)
{
    // The chain is the records in their order; anything else ends it.
    ULONG count = 0;
    for (const struct Menu *menu = block.strip; menu != nullptr && count < UserMenuMax; menu = menu->NextMenu) {
        if (RecordOf(block, menu) != count)
            break;
        count++;
    }
    return count;
}

ULONG LinkedItemCount(const UserMenu &menu)
{
    ULONG count = 0;
    for (const struct MenuItem *item = menu.menu.FirstItem; item != nullptr && count < UserMenuMax;
         item = item->NextItem) {
        if (SlotOf(menu, item) != count)
            break;
        count++;
    }
    return count;
}

UserMenuItem *LinkedUserMenuItem(UserMenuBlock &block, ULONG menu, ULONG item)
{
    if (menu >= LinkedUserMenuCount(block) || item >= LinkedItemCount(block.menus[menu]))
        return nullptr;
    return &block.menus[menu].items[item];
}

UserMenuFileView UserMenuViewOf(UserMenuBlock &block)
{
    UserMenuFileView view;
    view.menuCount = LinkedUserMenuCount(block);
    for (ULONG m = 0; m < UserMenuMax; m++) {
        view.menuNames[m] = block.menus[m].name;
        view.itemCounts[m] = LinkedItemCount(block.menus[m]);
        for (ULONG i = 0; i < UserMenuMax; i++)
            view.items[m][i] = &block.menus[m].items[i].fields;
    }
    return view;
}

UserMenuFault BuildUserMenus(UserMenuBlock &block, const UBYTE *image, ULONG size)
{
    ClearUserMenus(block);
    UserMenuFileView view = UserMenuViewOf(block);
    UserMenuFault fault = ReadUserMenuImage(image, size, view);
    if (fault != UserMenuFault::None)
        return fault;
    for (ULONG m = 0; m < view.menuCount; m++) {
        UserMenu &menu = block.menus[m];
        char name[UserMenuNameSize];
        std::memcpy(name, menu.name, sizeof name);
        FillUserMenu(menu, name);
        for (ULONG i = 0; i < view.itemCounts[m]; i++)
            PrepareUserMenuItem(menu.items[i]);
        LinkUserMenuItems(menu, view.itemCounts[m]);
    }
    LinkUserMenus(block, view.menuCount);
    return UserMenuFault::None;
}
