// intuition/menus.cpp: menu strips of windows: setting and clearing them, enabling items, picks and check marks.
#include "state.h"

#include <proto/graphics.h>
#include <proto/intuition.h>
#include <proto/utility.h>

#include <algorithm>

namespace hosted {

namespace {

struct Menu *NthMenu(struct Menu *strip, int n)
{
    for (; strip != nullptr && n > 0; n--)
        strip = strip->NextMenu;
    return strip;
}

struct MenuItem *NthItem(struct MenuItem *item, int n)
{
    for (; item != nullptr && n > 0; n--)
        item = item->NextItem;
    return item;
}

void SetEnabled(struct Window *window, ULONG code, bool on)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr || window->MenuStrip == nullptr)
        return;
    struct Menu *menu = MenuOfCode(window->MenuStrip, static_cast<UWORD>(code));
    if (menu == nullptr)
        return;
    if (ITEMNUM(code) == NOITEM) {
        if (on)
            menu->Flags |= MENUENABLED;
        else
            menu->Flags &= ~MENUENABLED;
    } else if (struct MenuItem *item = ItemOfCode(window->MenuStrip, static_cast<UWORD>(code))) {
        if (on)
            item->Flags |= ITEMENABLED;
        else
            item->Flags &= ~ITEMENABLED;
    }
    if (State().input.gesture == Gesture::Menu && State().input.window == w)
        MenuSessionMove();
}

}  // namespace

MenuMetrics MenuMetricsOf(ScreenRecord *s)
{
    return MenuMetricsFor(s->screen.Width, s->screen.Height, s->BarHeight(), s->font->tf_YSize, TextWidthOf(s));
}

TextWidth TextWidthOf(ScreenRecord *s)
{
    struct TextFont *font = s->font;
    return [font](const char *text, LONG length) -> LONG {
        struct RastPort rp;
        InitRastPort(&rp);
        SetFont(&rp, font);
        return TextLength(&rp, text, static_cast<ULONG>(length));
    };
}

void LayoutWindowMenus(WindowRecord *w)
{
    if (w->window.MenuStrip == nullptr)
        return;
    LayoutMenuStrip(w->window.MenuStrip, MenuMetricsOf(w->screen), TextWidthOf(w->screen));
    w->layoutDone = true;
}

UWORD PickableCode(struct Menu *strip, int menuIndex, int itemIndex, int subIndex)
{
    struct Menu *menu = NthMenu(strip, menuIndex);
    if (menu == nullptr || menuIndex < 0 || itemIndex < 0 || (menu->Flags & MENUENABLED) == 0)
        return MENUNULL;
    struct MenuItem *item = NthItem(menu->FirstItem, itemIndex);
    if (item == nullptr || (item->Flags & ITEMENABLED) == 0)
        return MENUNULL;
    if (item->SubItem == nullptr)
        return subIndex < 0 ? static_cast<UWORD>(FULLMENUNUM(menuIndex, itemIndex, NOSUB)) : MENUNULL;
    if (subIndex < 0)
        return MENUNULL;
    struct MenuItem *sub = NthItem(item->SubItem, subIndex);
    if (sub == nullptr || (sub->Flags & ITEMENABLED) == 0)
        return MENUNULL;
    return static_cast<UWORD>(FULLMENUNUM(menuIndex, itemIndex, subIndex));
}

void ApplyPick(struct Menu *strip, UWORD code)
{
    struct MenuItem *item = ItemOfCode(strip, code);
    if (item == nullptr || (item->Flags & CHECKIT) == 0)
        return;
    if ((item->Flags & MENUTOGGLE) != 0 && (item->Flags & CHECKED) != 0)
        item->Flags &= ~CHECKED;
    else
        item->Flags |= CHECKED;
    if ((item->Flags & CHECKED) == 0 || item->MutualExclude == 0)
        return;
    // MutualExclude counts items of the same list: the item's menu or,
    // for a sub-item, its item's sub-items.
    struct Menu *menu = MenuOfCode(strip, code);
    struct MenuItem *list = menu->FirstItem;
    if (SUBNUM(code) != NOSUB)
        list = NthItem(menu->FirstItem, ITEMNUM(code))->SubItem;
    int n = 0;
    for (struct MenuItem *other = list; other != nullptr && n < 32; other = other->NextItem, n++) {
        if (other != item && (item->MutualExclude & (1L << n)) != 0)
            other->Flags &= ~CHECKED;
    }
}

void DeliverMenuPicks(WindowRecord *w, const std::vector<UWORD> &codes)
{
    struct Menu *strip = w->window.MenuStrip;
    std::vector<UWORD> picks;
    for (UWORD code : codes) {
        if (code != MENUNULL && std::find(picks.begin(), picks.end(), code) == picks.end())
            picks.push_back(code);
    }
    for (std::size_t i = 0; i < picks.size(); i++) {
        if (struct MenuItem *item = ItemOfCode(strip, picks[i]))
            item->NextSelect = i + 1 < picks.size() ? picks[i + 1] : MENUNULL;
    }
    SendIDCMP(w, IDCMP_MENUPICK, picks.empty() ? MENUNULL : picks[0], nullptr);
}

bool MenuShortcut(WindowRecord *w, ULONG character)
{
    struct Menu *strip = w->window.MenuStrip;
    if (strip == nullptr || (w->window.Flags & WFLG_RMBTRAP) != 0)
        return false;
    UBYTE wanted = ToUpper(character);
    int m = 0;
    for (struct Menu *menu = strip; menu != nullptr; menu = menu->NextMenu, m++) {
        int i = 0;
        for (struct MenuItem *item = menu->FirstItem; item != nullptr; item = item->NextItem, i++) {
            int s = -1;
            for (struct MenuItem *entry = item; entry != nullptr;) {
                bool matches = (entry->Flags & COMMSEQ) != 0 && entry->Command != 0 &&
                               ToUpper(static_cast<UBYTE>(entry->Command)) == wanted;
                UWORD code = matches ? PickableCode(strip, m, i, s) : MENUNULL;
                if (code != MENUNULL) {
                    ApplyPick(strip, code);
                    DeliverMenuPicks(w, {code});
                    return true;
                }
                entry = s < 0 ? item->SubItem : entry->NextItem;
                s++;
            }
        }
    }
    return false;
}

}  // namespace hosted

using namespace hosted;

/* Attaches a menu strip to a window and lays it out with the screen's font:
   the positions and sizes of every menu, item and sub-item are written into
   the records. TRUE (FALSE for a window that is not open). */
BOOL SetMenuStrip(struct Window *window, struct Menu *menu)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return FALSE;
    CancelMenuSession(w);
    window->MenuStrip = menu;
    LayoutWindowMenus(w);
    return TRUE;
}

/* Attaches a strip that was cleared, keeping its layout: meant for a strip
   whose flags (CHECKED, ITEMENABLED) changed. A strip never laid out is
   laid out now. */
BOOL ResetMenuStrip(struct Window *window, struct Menu *menu)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return FALSE;
    bool same = window->MenuStrip == menu || (window->MenuStrip == nullptr && w->layoutDone);
    window->MenuStrip = menu;
    if (!same || !w->layoutDone)
        LayoutWindowMenus(w);
    return TRUE;
}

/* Detaches the window's menu strip; a menu being shown is closed without a
   pick. */
void ClearMenuStrip(struct Window *window)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return;
    CancelMenuSession(w);
    window->MenuStrip = nullptr;
}

/* The item or sub-item a menu number names; NULL for MENUNULL, for a
   number that names a whole menu (NOITEM), or one past the strip. */
struct MenuItem *ItemAddress(const struct Menu *menuStrip, ULONG menuNumber)
{
    return ItemOfCode(const_cast<struct Menu *>(menuStrip), static_cast<UWORD>(menuNumber));
}

/* Enables a menu (item number NOITEM), an item (sub-item number NOSUB) or
   a sub-item of the window's strip. */
void OnMenu(struct Window *window, ULONG menuNumber)
{
    SetEnabled(window, menuNumber, true);
}

/* Disables one: it is drawn ghosted and cannot be picked. */
void OffMenu(struct Window *window, ULONG menuNumber)
{
    SetEnabled(window, menuNumber, false);
}
