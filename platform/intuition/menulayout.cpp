// intuition/menulayout.cpp: the layout of menu strips: title positions, item boxes, columns for check marks and shortcuts.
#include "menulayout.h"

#include <algorithm>
#include <cstring>

namespace hosted {

namespace {

LONG TextOf(const TextWidth &width, const char *text)
{
    return text != nullptr ? width(text, static_cast<LONG>(std::strlen(text))) : 0;
}

LONG ItemNaturalHeight(const struct MenuItem *item, const MenuMetrics &m)
{
    if ((item->Flags & ITEMTEXT) != 0 || item->ItemFill == nullptr)
        return m.itemHeight;
    const auto *image = static_cast<const struct Image *>(item->ItemFill);
    return std::max<LONG>(m.itemHeight, image->TopEdge + image->Height + 2);
}

LONG ItemNaturalWidth(const struct MenuItem *item, const TextWidth &width)
{
    if ((item->Flags & ITEMTEXT) != 0)
        return TextOf(width, ItemText(item));
    if (item->ItemFill == nullptr)
        return 0;
    const auto *image = static_cast<const struct Image *>(item->ItemFill);
    return image->LeftEdge + image->Width;
}

// Lays out one list of items whose box starts at screen x `left` and
// screen y `top`; positions are written relative to (originX, originY).
// Returns the width of the items.
LONG LayoutList(struct MenuItem *first, LONG left, LONG top, LONG originX, LONG originY, LONG minWidth,
                const MenuMetrics &m, const TextWidth &width)
{
    bool check = false, shortcut = false, sub = false;
    LONG text = 0;
    LONG keys = 0;
    LONG count = 0;
    for (struct MenuItem *i = first; i != nullptr; i = i->NextItem) {
        check = check || (i->Flags & CHECKIT) != 0;
        sub = sub || i->SubItem != nullptr;
        if ((i->Flags & COMMSEQ) != 0 && i->Command != 0) {
            shortcut = true;
            char key[2] = {static_cast<char>(i->Command), 0};
            keys = std::max(keys, width(key, 1));
        }
        text = std::max(text, ItemNaturalWidth(i, width));
        count++;
    }
    if (count == 0)
        return 0;
    LONG itemWidth = m.itemPad + (check ? m.checkWidth : 0) + text + (shortcut ? m.gap + m.keyWidth + keys : 0) +
                     (sub ? m.gap + m.subMarkWidth : 0) + m.itemPad;
    itemWidth = std::max(itemWidth, minWidth);
    // Keep the box on the screen.
    LONG boxWidth = itemWidth + 2 * m.border;
    if (left + boxWidth > m.screenWidth)
        left = std::max<LONG>(0, m.screenWidth - boxWidth);
    LONG y = top + m.border;
    for (struct MenuItem *i = first; i != nullptr; i = i->NextItem) {
        i->LeftEdge = static_cast<WORD>(left + m.border - originX);
        i->TopEdge = static_cast<WORD>(y - originY);
        i->Width = static_cast<WORD>(itemWidth);
        i->Height = static_cast<WORD>(ItemNaturalHeight(i, m));
        y += i->Height;
    }
    return itemWidth;
}

}  // namespace

MenuMetrics MenuMetricsFor(LONG screenWidth, LONG screenHeight, LONG barHeight, LONG fontHeight,
                           const TextWidth &width)
{
    MenuMetrics m;
    m.screenWidth = screenWidth;
    m.screenHeight = screenHeight;
    m.barHeight = barHeight;
    m.fontHeight = fontHeight;
    m.itemHeight = fontHeight + 4;
    m.checkWidth = fontHeight + 4;
    m.keyWidth = fontHeight + 4;
    m.subMarkWidth = std::max<LONG>(6, width("\xBB", 1));
    m.gap = std::max<LONG>(12, fontHeight);
    return m;
}

const char *ItemText(const struct MenuItem *item)
{
    if (item == nullptr || (item->Flags & ITEMTEXT) == 0 || item->ItemFill == nullptr)
        return nullptr;
    return reinterpret_cast<const char *>(static_cast<const struct IntuiText *>(item->ItemFill)->IText);
}

void LayoutMenuStrip(struct Menu *strip, const MenuMetrics &m, const TextWidth &width)
{
    LONG x = m.titleStart;
    for (struct Menu *menu = strip; menu != nullptr; menu = menu->NextMenu) {
        LONG titleWidth = TextOf(width, reinterpret_cast<const char *>(menu->MenuName)) + 2 * m.titlePad;
        menu->LeftEdge = static_cast<WORD>(x);
        menu->TopEdge = 0;
        menu->Width = static_cast<WORD>(titleWidth);
        menu->Height = static_cast<WORD>(m.barHeight);
        x += titleWidth;
        LayoutList(menu->FirstItem, menu->LeftEdge, m.barHeight, menu->LeftEdge, m.barHeight, titleWidth, m, width);
        for (struct MenuItem *item = menu->FirstItem; item != nullptr; item = item->NextItem) {
            if (item->SubItem == nullptr)
                continue;
            Box at = ItemBox(menu, item, m);
            // Beside the item, overlapping it a little; on its left when
            // the right side of the screen has no room.
            LONG left = at.x1 - m.itemPad;
            LayoutList(item->SubItem, left, at.y0 - m.border, at.x0, at.y0, 0, m, width);
            LONG subWidth = item->SubItem->Width + 2 * m.border;
            if (left + subWidth > m.screenWidth) {
                LONG newLeft = std::max<LONG>(0, at.x0 + m.itemPad - subWidth);
                LayoutList(item->SubItem, newLeft, at.y0 - m.border, at.x0, at.y0, 0, m, width);
            }
        }
    }
}

Box MenuTitleBox(const struct Menu *menu, const MenuMetrics &m)
{
    return BoxAt(menu->LeftEdge, 0, menu->Width, m.barHeight);
}

Box ItemBox(const struct Menu *menu, const struct MenuItem *item, const MenuMetrics &m)
{
    return BoxAt(menu->LeftEdge + item->LeftEdge, m.barHeight + item->TopEdge, item->Width, item->Height);
}

Box SubItemBox(const struct Menu *menu, const struct MenuItem *item, const struct MenuItem *sub,
               const MenuMetrics &m)
{
    Box at = ItemBox(menu, item, m);
    return BoxAt(at.x0 + sub->LeftEdge, at.y0 + sub->TopEdge, sub->Width, sub->Height);
}

Box ItemListBox(const struct Menu *menu, const MenuMetrics &m)
{
    const struct MenuItem *first = menu->FirstItem;
    if (first == nullptr)
        return Box{};
    Box box = ItemBox(menu, first, m);
    for (const struct MenuItem *i = first; i != nullptr; i = i->NextItem) {
        Box b = ItemBox(menu, i, m);
        box.y1 = std::max(box.y1, b.y1);
        box.x1 = std::max(box.x1, b.x1);
    }
    return Box{box.x0 - m.border, box.y0 - m.border, box.x1 + m.border, box.y1 + m.border};
}

Box SubListBox(const struct Menu *menu, const struct MenuItem *item, const MenuMetrics &m)
{
    const struct MenuItem *first = item->SubItem;
    if (first == nullptr)
        return Box{};
    Box box = SubItemBox(menu, item, first, m);
    for (const struct MenuItem *s = first; s != nullptr; s = s->NextItem) {
        Box b = SubItemBox(menu, item, s, m);
        box.y1 = std::max(box.y1, b.y1);
        box.x1 = std::max(box.x1, b.x1);
    }
    return Box{box.x0 - m.border, box.y0 - m.border, box.x1 + m.border, box.y1 + m.border};
}

struct Menu *MenuOfCode(struct Menu *strip, UWORD code)
{
    if (code == MENUNULL)
        return nullptr;
    struct Menu *menu = strip;
    for (UWORD n = MENUNUM(code); menu != nullptr && n > 0; n--)
        menu = menu->NextMenu;
    return menu;
}

struct MenuItem *ItemOfCode(struct Menu *strip, UWORD code)
{
    struct Menu *menu = MenuOfCode(strip, code);
    if (menu == nullptr || ITEMNUM(code) == NOITEM)
        return nullptr;
    struct MenuItem *item = menu->FirstItem;
    for (UWORD n = ITEMNUM(code); item != nullptr && n > 0; n--)
        item = item->NextItem;
    if (item == nullptr || SUBNUM(code) == NOSUB)
        return item;
    struct MenuItem *sub = item->SubItem;
    for (UWORD n = SUBNUM(code); sub != nullptr && n > 0; n--)
        sub = sub->NextItem;
    return sub;
}

}  // namespace hosted
