// intuition/menusession.cpp: showing a window's menus while the menu button is held, following the pointer, and picking.
#include "look.h"
#include "state.h"

#include <proto/graphics.h>
#include <proto/intuition.h>

#include <algorithm>
#include <cstring>

namespace hosted {

namespace {

enum Slot { SlotBar = 0, SlotItems = 1, SlotSubs = 2 };

struct Session {
    WindowRecord *window = nullptr;
    ScreenRecord *screen = nullptr;
    MenuMetrics metrics;
    int menu = -1;
    int item = -1;
    int sub = -1;
    std::vector<UWORD> picks;
    struct BitMap *canvas[3] = {nullptr, nullptr, nullptr};
};

// Never destroyed: the input task may still run while the process exits.
Session &gSession = *new Session;

struct Menu *CurrentMenu()
{
    struct Menu *m = gSession.window->window.MenuStrip;
    for (int n = gSession.menu; m != nullptr && n > 0; n--)
        m = m->NextMenu;
    return gSession.menu < 0 ? nullptr : m;
}

struct MenuItem *Nth(struct MenuItem *item, int n)
{
    for (; item != nullptr && n > 0; n--)
        item = item->NextItem;
    return n < 0 ? nullptr : item;
}

// A canvas of the given size for one overlay, in the screen's pens.
struct RastPort Canvas(Slot slot, const Box &box)
{
    struct BitMap *&bm = gSession.canvas[slot];
    const ChunkyBitMap *chunky = ChunkyOf(bm);
    if (chunky == nullptr || chunky->width != box.Width() || chunky->height != box.Height()) {
        SetOverlay(slot, Box{}, nullptr, 0);
        if (bm != nullptr)
            FreeBitMap(bm);
        bm = AllocChunkyBitMap(box.Width(), box.Height(), PIXFMT_BGRA32, false);
        if (bm != nullptr)
            SetBitMapColorMap(bm, gSession.screen->colorMap);
    }
    struct RastPort rp;
    InitRastPort(&rp);
    rp.BitMap = bm;
    SetFont(&rp, gSession.screen->font);
    return rp;
}

void Show(Slot slot, const Box &box)
{
    const ChunkyBitMap *chunky = ChunkyOf(gSession.canvas[slot]);
    if (chunky == nullptr) {
        SetOverlay(slot, Box{}, nullptr, 0);
        return;
    }
    SetOverlay(slot, box, reinterpret_cast<const ULONG *>(chunky->pixels), chunky->bytesPerRow / 4);
}

void Hide(Slot slot)
{
    SetOverlay(slot, Box{}, nullptr, 0);
    if (gSession.canvas[slot] != nullptr)
        FreeBitMap(gSession.canvas[slot]);
    gSession.canvas[slot] = nullptr;
}

void Fill(struct RastPort *rp, UWORD pen, const Box &b)
{
    if (b.Empty())
        return;
    SetAPen(rp, pen);
    SetDrMd(rp, JAM2);
    RectFill(rp, b.x0, b.y0, b.x1 - 1, b.y1 - 1);
}

void Frame(struct RastPort *rp, UWORD pen, const Box &b)
{
    Fill(rp, pen, Box{b.x0, b.y0, b.x1, b.y0 + 1});
    Fill(rp, pen, Box{b.x0, b.y1 - 1, b.x1, b.y1});
    Fill(rp, pen, Box{b.x0, b.y0, b.x0 + 1, b.y1});
    Fill(rp, pen, Box{b.x1 - 1, b.y0, b.x1, b.y1});
}

void TextAt(struct RastPort *rp, UWORD pen, LONG x, LONG top, LONG height, const char *text)
{
    if (text == nullptr)
        return;
    const struct TextFont *font = gSession.screen->font;
    SetAPen(rp, pen);
    SetDrMd(rp, JAM1);
    Move(rp, x, top + (height - font->tf_YSize) / 2 + font->tf_Baseline);
    Text(rp, text, static_cast<ULONG>(std::strlen(text)));
}

// Two strokes, two pixels wide.
void CheckGlyph(struct RastPort *rp, UWORD pen, const Box &b)
{
    LONG size = std::max<LONG>(5, std::min(b.Width(), b.Height()) - 6);
    LONG x = b.x0 + (b.Width() - size) / 2;
    LONG y = b.y0 + (b.Height() - size) / 2;
    LONG low = size / 3;
    SetAPen(rp, pen);
    SetDrMd(rp, JAM1);
    for (LONG t = 0; t < 2; t++) {
        Move(rp, x + t, y + size - 1 - low);
        Draw(rp, x + low + t, y + size - 1);
        Draw(rp, x + size - 1 + t - 1, y);
    }
}

// The Amiga key: a small key cap with a triangle in it.
void AmigaKeyGlyph(struct RastPort *rp, UWORD pen, LONG x, LONG top, LONG height)
{
    LONG side = std::max<LONG>(7, height - 6);
    LONG y = top + (height - side) / 2;
    Frame(rp, pen, BoxAt(x, y, side, side));
    LONG cx = x + side / 2;
    LONG tip = y + 2;
    LONG base = y + side - 3;
    SetAPen(rp, pen);
    Move(rp, cx, tip);
    Draw(rp, x + 2, base);
    Move(rp, cx, tip);
    Draw(rp, x + side - 3, base);
    Move(rp, x + 3, (tip + base) / 2 + 1);
    Draw(rp, x + side - 4, (tip + base) / 2 + 1);
}

// One item or sub-item, drawn at `at` (canvas coordinates).
void DrawEntry(struct RastPort *rp, struct MenuItem *item, const Box &at, bool highlighted, bool enabled,
               bool checkColumn, bool subColumn)
{
    const MenuMetrics &m = gSession.metrics;
    UWORD highlight = item->Flags & HIGHFLAGS;
    bool useSelectFill = highlighted && highlight == HIGHIMAGE && item->SelectFill != nullptr;
    bool filled = highlighted && enabled && (highlight == HIGHCOMP || (highlight == HIGHIMAGE && !useSelectFill));
    if (filled)
        Fill(rp, PenAccent, at);
    else if (highlighted && enabled && highlight == HIGHBOX)
        Frame(rp, PenAccent, at);
    UWORD ink = !enabled ? PenGhost : filled ? PenShine : PenText;
    LONG textLeft = at.x0 + m.itemPad + (checkColumn ? m.checkWidth : 0);
    if ((item->Flags & CHECKIT) != 0 && (item->Flags & CHECKED) != 0)
        CheckGlyph(rp, ink, BoxAt(at.x0 + m.itemPad, at.y0, m.checkWidth, at.Height()));
    APTR fill = useSelectFill && enabled ? item->SelectFill : item->ItemFill;
    if ((item->Flags & ITEMTEXT) != 0) {
        for (auto *it = static_cast<const struct IntuiText *>(fill); it != nullptr; it = it->NextText) {
            LONG x = std::max<LONG>(textLeft, at.x0 + it->LeftEdge);
            TextAt(rp, ink, x, at.y0 + it->TopEdge, at.Height(), reinterpret_cast<const char *>(it->IText));
        }
    } else if (fill != nullptr) {
        DrawImage(rp, static_cast<struct Image *>(fill), textLeft, at.y0 + 1);
    }
    LONG right = at.x1 - m.itemPad;
    if (subColumn && item->SubItem != nullptr) {
        TextAt(rp, ink, right - m.subMarkWidth, at.y0, at.Height(), "\xBB");
    }
    if (subColumn)
        right -= m.subMarkWidth + m.gap;
    if ((item->Flags & COMMSEQ) != 0 && item->Command != 0) {
        char key[2] = {static_cast<char>(item->Command), 0};
        LONG keyWidth = TextLength(rp, key, 1);
        TextAt(rp, ink, right - keyWidth, at.y0, at.Height(), key);
        AmigaKeyGlyph(rp, ink, right - keyWidth - m.keyWidth, at.y0, at.Height());
    }
}

void DrawList(Slot slot, struct MenuItem *first, const Box &box, int highlighted, bool listEnabled,
              const std::function<Box(struct MenuItem *)> &placeOf)
{
    struct RastPort rp = Canvas(slot, box);
    if (rp.BitMap == nullptr)
        return;
    Fill(&rp, PenBar, BoxAt(0, 0, box.Width(), box.Height()));
    Frame(&rp, PenShadow, BoxAt(0, 0, box.Width(), box.Height()));
    bool check = false;
    bool subs = false;
    for (struct MenuItem *i = first; i != nullptr; i = i->NextItem) {
        check = check || (i->Flags & CHECKIT) != 0;
        subs = subs || i->SubItem != nullptr;
    }
    int n = 0;
    for (struct MenuItem *i = first; i != nullptr; i = i->NextItem, n++) {
        Box at = placeOf(i);
        Box local{at.x0 - box.x0, at.y0 - box.y0, at.x1 - box.x0, at.y1 - box.y0};
        DrawEntry(&rp, i, local, n == highlighted, listEnabled && (i->Flags & ITEMENABLED) != 0, check, subs);
    }
    Show(slot, box);
}

void DrawBar()
{
    const MenuMetrics &m = gSession.metrics;
    Box box = BoxAt(0, 0, gSession.screen->screen.Width, m.barHeight);
    struct RastPort rp = Canvas(SlotBar, box);
    if (rp.BitMap == nullptr)
        return;
    Fill(&rp, PenBar, Box{0, 0, box.x1, box.y1 - 1});
    Fill(&rp, PenShadow, Box{0, box.y1 - 1, box.x1, box.y1});
    int n = 0;
    for (struct Menu *menu = gSession.window->window.MenuStrip; menu != nullptr; menu = menu->NextMenu, n++) {
        Box title = MenuTitleBox(menu, m);
        bool current = n == gSession.menu;
        if (current)
            Fill(&rp, PenAccent, Box{title.x0, 0, title.x1, title.y1 - 1});
        UWORD ink = (menu->Flags & MENUENABLED) == 0 ? PenGhost : current ? PenShine : PenText;
        TextAt(&rp, ink, title.x0 + m.titlePad, 0, m.barHeight - 1, reinterpret_cast<const char *>(menu->MenuName));
    }
    Show(SlotBar, box);
}

void DrawItems()
{
    struct Menu *menu = CurrentMenu();
    if (menu == nullptr || menu->FirstItem == nullptr) {
        Hide(SlotItems);
        return;
    }
    const MenuMetrics &m = gSession.metrics;
    DrawList(SlotItems, menu->FirstItem, ItemListBox(menu, m), gSession.item, (menu->Flags & MENUENABLED) != 0,
             [menu, &m](struct MenuItem *i) { return ItemBox(menu, i, m); });
}

void DrawSubs()
{
    struct Menu *menu = CurrentMenu();
    struct MenuItem *item = menu != nullptr ? Nth(menu->FirstItem, gSession.item) : nullptr;
    if (item == nullptr || item->SubItem == nullptr) {
        Hide(SlotSubs);
        return;
    }
    const MenuMetrics &m = gSession.metrics;
    bool enabled = (menu->Flags & MENUENABLED) != 0 && (item->Flags & ITEMENABLED) != 0;
    DrawList(SlotSubs, item->SubItem, SubListBox(menu, item, m), gSession.sub, enabled,
             [menu, item, &m](struct MenuItem *s) { return SubItemBox(menu, item, s, m); });
}

void DrawAll()
{
    DrawBar();
    DrawItems();
    DrawSubs();
}

int IndexAt(struct MenuItem *first, const std::function<Box(struct MenuItem *)> &placeOf, LONG x, LONG y)
{
    int n = 0;
    for (struct MenuItem *i = first; i != nullptr; i = i->NextItem, n++) {
        if (placeOf(i).Contains(x, y))
            return n;
    }
    return -1;
}

}  // namespace

bool StartMenuSession(WindowRecord *w)
{
    if (w->window.MenuStrip == nullptr)
        return false;
    if (!w->layoutDone)
        LayoutWindowMenus(w);
    gSession = Session{};
    gSession.window = w;
    gSession.screen = w->screen;
    gSession.metrics = MenuMetricsOf(w->screen);
    w->window.Flags |= WFLG_MENUSTATE;
    DrawBar();
    MenuSessionMove();
    return true;
}

void MenuSessionMove()
{
    if (gSession.window == nullptr)
        return;
    const MenuMetrics &m = gSession.metrics;
    const InputState &in = State().input;
    LONG x = in.x;
    LONG y = in.y;
    int menu = gSession.menu;
    int item = -1;
    int sub = -1;
    if (y < m.barHeight) {
        int n = 0;
        for (struct Menu *mm = gSession.window->window.MenuStrip; mm != nullptr; mm = mm->NextMenu, n++) {
            if (MenuTitleBox(mm, m).Contains(x, y))
                menu = n;
        }
    }
    gSession.menu = menu;
    struct Menu *current = CurrentMenu();
    if (current != nullptr) {
        struct MenuItem *open = Nth(current->FirstItem, gSession.item);
        if (open != nullptr && open->SubItem != nullptr && SubListBox(current, open, m).Contains(x, y)) {
            item = gSession.item;
            sub = IndexAt(open->SubItem, [&](struct MenuItem *s) { return SubItemBox(current, open, s, m); }, x, y);
        } else {
            item = IndexAt(current->FirstItem, [&](struct MenuItem *i) { return ItemBox(current, i, m); }, x, y);
        }
    }
    gSession.item = item;
    gSession.sub = sub;
    DrawAll();
}

void MenuSessionSelect()
{
    if (gSession.window == nullptr)
        return;
    struct Menu *strip = gSession.window->window.MenuStrip;
    UWORD code = PickableCode(strip, gSession.menu, gSession.item, gSession.sub);
    if (code == MENUNULL)
        return;
    ApplyPick(strip, code);
    gSession.picks.push_back(code);
    DrawAll();
}

void EndMenuSession(bool pick)
{
    WindowRecord *w = gSession.window;
    if (w == nullptr)
        return;
    std::vector<UWORD> picks = gSession.picks;
    if (pick && State().liveWindows.count(w) != 0 && w->window.MenuStrip != nullptr) {
        UWORD code = PickableCode(w->window.MenuStrip, gSession.menu, gSession.item, gSession.sub);
        if (code != MENUNULL) {
            ApplyPick(w->window.MenuStrip, code);
            picks.push_back(code);
        }
    }
    Hide(SlotSubs);
    Hide(SlotItems);
    Hide(SlotBar);
    gSession = Session{};
    InputState &in = State().input;
    if (in.gesture == Gesture::Menu) {
        in.gesture = Gesture::None;
        in.window = nullptr;
    }
    if (State().liveWindows.count(w) == 0)
        return;
    w->window.Flags &= ~WFLG_MENUSTATE;
    if (pick)
        DeliverMenuPicks(w, picks);
}

void CancelMenuSession(WindowRecord *w)
{
    if (gSession.window == w && w != nullptr)
        EndMenuSession(false);
}

}  // namespace hosted
