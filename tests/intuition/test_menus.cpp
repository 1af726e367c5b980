// Menus: the layout written into the records, picks with the right button, sub-items, check marks, NextSelect, shortcuts.
#include "intuition_fixture.h"

#include "menulayout.h"

#include <cstring>

namespace {

using namespace itest;

// A strip as programs build it: zero positions, texts only.
struct Strip {
    struct IntuiText texts[12]{};
    struct MenuItem items[12]{};
    struct Menu menus[3]{};

    void Text(int i, const char *text, UWORD flags)
    {
        texts[i].IText = const_cast<char *>(text);
        items[i].ItemFill = &texts[i];
        items[i].Flags = static_cast<UWORD>(ITEMTEXT | ITEMENABLED | HIGHCOMP | flags);
    }

    Strip()
    {
        // Project: Open, Save (shortcut S), Settings » (Colors, Fonts), Quit
        Text(0, "Open", 0);
        Text(1, "Save", COMMSEQ);
        items[1].Command = 'S';
        Text(2, "Settings", 0);
        Text(3, "Quit", 0);
        Text(4, "Colors", 0);
        Text(5, "Fonts", 0);
        items[0].NextItem = &items[1];
        items[1].NextItem = &items[2];
        items[2].NextItem = &items[3];
        items[2].SubItem = &items[4];
        items[4].NextItem = &items[5];
        // Sort: three exclusive check items, the middle one checked.
        Text(6, "By name", CHECKIT | MENUTOGGLE);
        Text(7, "By date", CHECKIT | MENUTOGGLE | CHECKED);
        Text(8, "By size", CHECKIT | MENUTOGGLE);
        items[6].MutualExclude = ~1L;
        items[7].MutualExclude = ~2L;
        items[8].MutualExclude = ~4L;
        items[6].NextItem = &items[7];
        items[7].NextItem = &items[8];
        // View: a toggle and a disabled item.
        Text(9, "Hidden files", CHECKIT | MENUTOGGLE);
        Text(10, "Nothing here", 0);
        items[10].Flags &= ~ITEMENABLED;
        items[9].NextItem = &items[10];

        menus[0].MenuName = "Project";
        menus[0].FirstItem = &items[0];
        menus[1].MenuName = "Sort";
        menus[1].FirstItem = &items[6];
        menus[2].MenuName = "View";
        menus[2].FirstItem = &items[9];
        for (auto &m : menus)
            m.Flags = MENUENABLED;
        menus[0].NextMenu = &menus[1];
        menus[1].NextMenu = &menus[2];
    }
};

struct MenuTest : ::testing::Test {
    Strip strip;
    struct Window *window = nullptr;
    LONG bar = 0;

    void SetUp() override
    {
        window = OpenFramed("Menus", 300, 200, 400, 300, IDCMP_MENUPICK);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(SetMenuStrip(window, &strip.menus[0]));
        bar = window->WScreen->BarHeight + 1;
    }

    void TearDown() override { CloseQuietly(window); }

    // Where a menu title, an item or a sub-item lies on the screen.
    void TitleAt(int m, LONG &x, LONG &y)
    {
        x = strip.menus[m].LeftEdge + strip.menus[m].Width / 2;
        y = bar / 2;
    }
    void ItemAt(int m, int i, LONG &x, LONG &y)
    {
        x = strip.menus[m].LeftEdge + strip.items[i].LeftEdge + strip.items[i].Width / 2;
        y = bar + strip.items[i].TopEdge + strip.items[i].Height / 2;
    }
    void SubAt(int m, int i, int s, LONG &x, LONG &y)
    {
        x = strip.menus[m].LeftEdge + strip.items[i].LeftEdge + strip.items[s].LeftEdge + strip.items[s].Width / 2;
        y = bar + strip.items[i].TopEdge + strip.items[s].TopEdge + strip.items[s].Height / 2;
    }

    // Press the menu button over a title, go to a point, let go there.
    std::vector<Received> Pick(int m, LONG x, LONG y)
    {
        LONG tx = 0, ty = 0;
        TitleAt(m, tx, ty);
        Move(tx, ty);
        Press(true);
        Move(x, y);
        Release(true);
        return OfClass(Drain(window->UserPort), IDCMP_MENUPICK);
    }
};

TEST_F(MenuTest, LayoutIsWrittenIntoTheRecords)
{
    const Strip &s = strip;
    // Titles side by side in the title bar, each as wide as its text and more.
    EXPECT_GT(s.menus[0].LeftEdge, 0);
    EXPECT_EQ(s.menus[1].LeftEdge, s.menus[0].LeftEdge + s.menus[0].Width);
    EXPECT_EQ(s.menus[2].LeftEdge, s.menus[1].LeftEdge + s.menus[1].Width);
    EXPECT_EQ(s.menus[0].Height, bar);
    struct RastPort rp;
    InitRastPort(&rp);
    SetFont(&rp, window->WScreen->RastPort.Font);
    EXPECT_GT(s.menus[0].Width, TextLength(&rp, "Project", 7));
    // Items stacked, one width a menu, each as high as a line of text.
    LONG fontHeight = window->WScreen->RastPort.Font->tf_YSize;
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(s.items[i + 1].TopEdge, s.items[i].TopEdge + s.items[i].Height);
        EXPECT_EQ(s.items[i + 1].Width, s.items[i].Width);
        EXPECT_EQ(s.items[i].LeftEdge, s.items[i + 1].LeftEdge);
        EXPECT_GE(s.items[i].Height, fontHeight);
    }
    EXPECT_GT(s.items[0].TopEdge, -1);
    // The item box holds the longest text plus the shortcut and the mark.
    EXPECT_GT(s.items[0].Width, TextLength(&rp, "Settings", 8) + TextLength(&rp, "S", 1));
    // Sub-items beside their item, at its height.
    EXPECT_GE(s.items[4].LeftEdge, s.items[2].Width / 2);
    EXPECT_EQ(s.items[4].TopEdge, 0);
    EXPECT_EQ(s.items[5].TopEdge, s.items[4].Height);
    // A check mark column makes room before the texts.
    EXPECT_GT(s.items[6].Width, TextLength(&rp, "By name", 7) + 2 * fontHeight / 2);
}

TEST_F(MenuTest, PickingItemsAndSubItemsGivesTheirCodes)
{
    LONG x = 0, y = 0;
    ItemAt(0, 3, x, y);
    std::vector<Received> got = Pick(0, x, y);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, FULLMENUNUM(0, 3, NOSUB));
    EXPECT_EQ(MENUNUM(got[0].code), 0);
    EXPECT_EQ(ITEMNUM(got[0].code), 3);
    EXPECT_EQ(SUBNUM(got[0].code), NOSUB);
    EXPECT_EQ(ItemAddress(&strip.menus[0], got[0].code), &strip.items[3]);
    EXPECT_EQ(strip.items[3].NextSelect, MENUNULL);

    // The sub-item: over the item first (its sub-items open), then on it.
    LONG tx = 0, ty = 0;
    TitleAt(0, tx, ty);
    Move(tx, ty);
    Press(true);
    ItemAt(0, 2, x, y);
    Move(x, y);
    SubAt(0, 2, 5, x, y);
    Move(x, y);
    Release(true);
    got = OfClass(Drain(window->UserPort), IDCMP_MENUPICK);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, FULLMENUNUM(0, 2, 1));
    EXPECT_EQ(ItemAddress(&strip.menus[0], got[0].code), &strip.items[5]);

    // An item with sub-items is not a pick by itself.
    ItemAt(0, 2, x, y);
    got = Pick(0, x, y);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, MENUNULL);
}

TEST_F(MenuTest, ReleasingOutsideOrOnADisabledItemGivesMenuNull)
{
    std::vector<Received> got = Pick(0, 900, 700);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, MENUNULL);

    LONG x = 0, y = 0;
    ItemAt(2, 10, x, y);
    got = Pick(2, x, y);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, MENUNULL);

    // A whole menu switched off.
    OffMenu(window, FULLMENUNUM(0, NOITEM, NOSUB));
    EXPECT_EQ(strip.menus[0].Flags & MENUENABLED, 0);
    ItemAt(0, 0, x, y);
    got = Pick(0, x, y);
    EXPECT_EQ(got[0].code, MENUNULL);
    OnMenu(window, FULLMENUNUM(0, NOITEM, NOSUB));
    got = Pick(0, x, y);
    EXPECT_EQ(got[0].code, FULLMENUNUM(0, 0, NOSUB));
    // And one item.
    OffMenu(window, FULLMENUNUM(0, 0, NOSUB));
    got = Pick(0, x, y);
    EXPECT_EQ(got[0].code, MENUNULL);
}

TEST_F(MenuTest, SeveralPicksOfOneSessionAreChainedThroughNextSelect)
{
    LONG tx = 0, ty = 0, x = 0, y = 0;
    TitleAt(0, tx, ty);
    Move(tx, ty);
    Press(true);
    ItemAt(0, 0, x, y);
    Move(x, y);
    Press();     // the select button picks and keeps the menu open
    Release();
    ItemAt(0, 1, x, y);
    Move(x, y);
    Press();
    Release();
    ItemAt(0, 3, x, y);
    Move(x, y);
    Release(true);
    std::vector<Received> got = OfClass(Drain(window->UserPort), IDCMP_MENUPICK);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, FULLMENUNUM(0, 0, NOSUB));
    EXPECT_EQ(strip.items[0].NextSelect, FULLMENUNUM(0, 1, NOSUB));
    EXPECT_EQ(strip.items[1].NextSelect, FULLMENUNUM(0, 3, NOSUB));
    EXPECT_EQ(strip.items[3].NextSelect, MENUNULL);
}

TEST_F(MenuTest, CheckMarksToggleAndExcludeEachOther)
{
    LONG x = 0, y = 0;
    ItemAt(1, 6, x, y);
    std::vector<Received> got = Pick(1, x, y);
    EXPECT_EQ(got[0].code, FULLMENUNUM(1, 0, NOSUB));
    EXPECT_NE(strip.items[6].Flags & CHECKED, 0);
    EXPECT_EQ(strip.items[7].Flags & CHECKED, 0);
    EXPECT_EQ(strip.items[8].Flags & CHECKED, 0);

    // MENUTOGGLE: picking the checked one clears it.
    Pick(1, x, y);
    EXPECT_EQ(strip.items[6].Flags & CHECKED, 0);

    ItemAt(2, 9, x, y);
    Pick(2, x, y);
    EXPECT_NE(strip.items[9].Flags & CHECKED, 0);
    Pick(2, x, y);
    EXPECT_EQ(strip.items[9].Flags & CHECKED, 0);

    // Without MENUTOGGLE a check item stays checked.
    strip.items[8].Flags &= ~MENUTOGGLE;
    ItemAt(1, 8, x, y);
    Pick(1, x, y);
    Pick(1, x, y);
    EXPECT_NE(strip.items[8].Flags & CHECKED, 0);
}

TEST_F(MenuTest, ShortcutsPickWithTheAmigaKey)
{
    Key(0x21, IEQUALIFIER_LCOMMAND, 's');
    std::vector<Received> got = OfClass(Drain(window->UserPort), IDCMP_MENUPICK);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, FULLMENUNUM(0, 1, NOSUB));
    // Without the Amiga key it is just a key.
    Key(0x21, 0, 's');
    EXPECT_TRUE(OfClass(Drain(window->UserPort), IDCMP_MENUPICK).empty());
}

TEST_F(MenuTest, MenusShowOverTheScreenWhileTheButtonIsHeld)
{
    LONG tx = 0, ty = 0, x = 0, y = 0;
    ItemAt(0, 3, x, y);
    ULONG before = Pixel(x, y);
    TitleAt(0, tx, ty);
    Move(tx, ty);
    Press(true);
    Move(x, y);
    // The highlighted item is drawn in the fill pen.
    struct DrawInfo *dri = GetScreenDrawInfo(window->WScreen);
    EXPECT_EQ(Pixel(strip.menus[0].LeftEdge + strip.items[3].LeftEdge + 2, y), PenRGB(dri->dri_Pens[FILLPEN]));
    FreeScreenDrawInfo(window->WScreen, dri);
    Move(900, 700);
    EXPECT_NE(Pixel(x, y), before);   // still open, nothing highlighted
    Release(true);
    EXPECT_EQ(Pixel(x, y), before);
    Drain(window->UserPort);
}

TEST_F(MenuTest, ClearingTheStripEndsAShownMenu)
{
    LONG tx = 0, ty = 0;
    TitleAt(0, tx, ty);
    Move(tx, ty);
    Press(true);
    ClearMenuStrip(window);
    Release(true);
    EXPECT_TRUE(OfClass(Drain(window->UserPort), IDCMP_MENUPICK).empty());
    EXPECT_EQ(window->MenuStrip, nullptr);
    EXPECT_EQ(window->Flags & WFLG_MENUSTATE, 0u);
    // ResetMenuStrip puts it back without a new layout.
    strip.menus[0].LeftEdge = 77;
    EXPECT_TRUE(ResetMenuStrip(window, &strip.menus[0]));
    EXPECT_EQ(strip.menus[0].LeftEdge, 77);
    EXPECT_TRUE(SetMenuStrip(window, &strip.menus[0]));
    EXPECT_NE(strip.menus[0].LeftEdge, 77);
}

TEST(MenuLayout, ItemBoxesStayOnTheScreen)
{
    Strip strip;
    hosted::MenuMetrics m;
    m.screenWidth = 200;
    hosted::TextWidth width = [](const char *, LONG length) { return 8 * length; };
    m = hosted::MenuMetricsFor(200, 200, 16, 12, width);
    // Push the last title near the right edge.
    strip.menus[0].MenuName = "A very long menu title";
    hosted::LayoutMenuStrip(&strip.menus[0], m, width);
    for (int menu = 0; menu < 3; menu++) {
        hosted::Box box = hosted::ItemListBox(&strip.menus[menu], m);
        EXPECT_LE(box.x1, 200) << "menu " << menu;
        EXPECT_GE(box.x0, 0) << "menu " << menu;
    }
    hosted::Box subs = hosted::SubListBox(&strip.menus[0], &strip.items[2], m);
    EXPECT_LE(subs.x1, 200);
    EXPECT_GE(subs.x0, 0);
    EXPECT_EQ(hosted::ItemOfCode(&strip.menus[0], FULLMENUNUM(0, 2, 1)), &strip.items[5]);
    EXPECT_EQ(hosted::ItemOfCode(&strip.menus[0], FULLMENUNUM(0, 9, NOSUB)), nullptr);
    EXPECT_EQ(hosted::ItemOfCode(&strip.menus[0], MENUNULL), nullptr);
    EXPECT_EQ(ItemAddress(&strip.menus[0], FULLMENUNUM(5, 0, NOSUB)), nullptr);
}

}  // namespace
