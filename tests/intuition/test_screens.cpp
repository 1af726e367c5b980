// Screens: the default public screen, public names and locks, opening and closing, depth order, draw information.
#include "intuition_fixture.h"

namespace {

using namespace itest;

TEST(Screens, TheDefaultPublicScreenIsWorkbench)
{
    struct Screen *byDefault = LockPubScreen(nullptr);
    struct Screen *byName = LockPubScreen("Workbench");
    ASSERT_NE(byDefault, nullptr);
    EXPECT_EQ(byDefault, byName);
    EXPECT_EQ(byDefault->Width, 1024);   // KESTROVANE_SCREEN of the tests
    EXPECT_EQ(byDefault->Height, 768);
    EXPECT_EQ(LockPubScreen("No such screen"), nullptr);
    char name[MAXPUBSCREENNAME + 1];
    GetDefaultPubScreen(name);
    EXPECT_STREQ(name, "Workbench");
    // It never closes, locked or not.
    UnlockPubScreen(nullptr, byName);
    UnlockPubScreen(nullptr, byDefault);
    EXPECT_FALSE(CloseScreen(byDefault));
    EXPECT_EQ(hosted::FrontFrame().width, 1024);
}

TEST(Screens, DrawInfoGivesPensFontAndBorderSizes)
{
    struct Screen *screen = LockPubScreen(nullptr);
    struct DrawInfo *dri = GetScreenDrawInfo(screen);
    ASSERT_NE(dri, nullptr);
    EXPECT_EQ(dri->dri_NumPens, NUMDRIPENS);
    EXPECT_EQ(dri->dri_Pens[NUMDRIPENS], static_cast<UWORD>(~0));
    EXPECT_NE(dri->dri_Pens[SHINEPEN], dri->dri_Pens[SHADOWPEN]);
    EXPECT_NE(dri->dri_Pens[FILLPEN], dri->dri_Pens[BACKGROUNDPEN]);
    ASSERT_NE(dri->dri_Font, nullptr);
    EXPECT_EQ(dri->dri_Font->tf_YSize, screen->Font->ta_YSize);

    ULONG error = 99;
    IPTR top = GetDrawInfoAttr(dri, GDIA_WindowTopBorder, &error);
    EXPECT_EQ(error, static_cast<ULONG>(FALSE));
    EXPECT_GT(top, static_cast<IPTR>(dri->dri_Font->tf_YSize));
    EXPECT_EQ(GetDrawInfoAttr(dri, GDIA_Font, nullptr), reinterpret_cast<IPTR>(dri->dri_Font));
    EXPECT_EQ(GetDrawInfoAttr(dri, 0x8000002, nullptr), top);
    EXPECT_GE(GetDrawInfoAttr(dri, 0x8000005, nullptr), static_cast<IPTR>(16));   // right: room for a scroller
    EXPECT_GE(GetDrawInfoAttr(dri, 0x8000007, nullptr), static_cast<IPTR>(10));   // bottom
    EXPECT_EQ(GetDrawInfoAttr(dri, 0x8000003, nullptr), static_cast<IPTR>(screen->WBorLeft));
    EXPECT_EQ(GetDrawInfoAttr(dri, 0x1234, &error), static_cast<IPTR>(0));
    EXPECT_EQ(error, static_cast<ULONG>(TRUE));
    FreeScreenDrawInfo(screen, dri);
    UnlockPubScreen(nullptr, screen);
}

TEST(Screens, PublicScreensArePrivateUntilMadePublicAndNamesAreUnique)
{
    ULONG error = 0;
    struct TagItem tags[] = {{SA_Width, 640},  {SA_Height, 400}, {SA_Depth, 24},
                             {SA_Type, PUBLICSCREEN}, {SA_PubName, reinterpret_cast<IPTR>("Test screen")},
                             {SA_Title, reinterpret_cast<IPTR>("A test screen")}, {SA_SysFont, 1},
                             {SA_SharePens, TRUE}, {SA_ErrorCode, reinterpret_cast<IPTR>(&error)}, {TAG_DONE, 0}};
    struct Screen *screen = OpenScreenTagList(nullptr, tags);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->Width, 640);
    EXPECT_EQ(screen->Height, 400);
    EXPECT_STREQ(reinterpret_cast<const char *>(screen->Title), "A test screen");
    // It is in front: the display shows it.
    EXPECT_EQ(hosted::FrontFrame().width, 640);

    EXPECT_EQ(LockPubScreen("Test screen"), nullptr);
    EXPECT_NE(PubScreenStatus(screen, 0), 0);
    struct Screen *locked = LockPubScreen("Test screen");
    EXPECT_EQ(locked, screen);
    EXPECT_FALSE(CloseScreen(screen));   // locked
    EXPECT_EQ(PubScreenStatus(screen, PSNF_PRIVATE), 0);   // has a visitor
    UnlockPubScreen(nullptr, locked);

    EXPECT_EQ(OpenScreenTagList(nullptr, tags), nullptr);
    EXPECT_EQ(error, static_cast<ULONG>(OSERR_PUBNOTUNIQUE));

    // Windows keep it open.
    struct Window *w = OpenWindowTags(nullptr, WA_CustomScreen, screen, WA_Title, "On it", WA_Width, 200, WA_Height,
                                      100, WA_DragBar, TRUE, TAG_DONE);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->WScreen, screen);
    EXPECT_FALSE(CloseScreen(screen));
    CloseWindow(w);
    EXPECT_TRUE(CloseScreen(screen));
    EXPECT_EQ(hosted::FrontFrame().width, 1024);
}

TEST(Screens, DepthOrderDecidesWhatIsShown)
{
    struct TagItem tags[] = {{SA_Width, 800}, {SA_Height, 600}, {SA_Title, reinterpret_cast<IPTR>("Second")},
                             {TAG_DONE, 0}};
    struct Screen *second = OpenScreenTagList(nullptr, tags);
    ASSERT_NE(second, nullptr);
    struct Screen *workbench = LockPubScreen(nullptr);
    EXPECT_EQ(hosted::FrontFrame().width, 800);
    ScreenToBack(second);
    EXPECT_EQ(hosted::FrontFrame().width, 1024);
    ScreenToFront(second);
    EXPECT_EQ(hosted::FrontFrame().width, 800);

    // The depth gadget in the title bar sends the front screen back.
    struct IBox depth = hosted::ScreenDepthGadget(second);
    ASSERT_GT(depth.Width, 0);
    Click(depth.Left + depth.Width / 2, depth.Top + depth.Height / 2);
    EXPECT_EQ(hosted::FrontFrame().width, 1024);
    struct IBox wbDepth = hosted::ScreenDepthGadget(workbench);
    Click(wbDepth.Left + wbDepth.Width / 2, wbDepth.Top + wbDepth.Height / 2);
    EXPECT_EQ(hosted::FrontFrame().width, 800);
    EXPECT_TRUE(CloseScreen(second));
    EXPECT_EQ(hosted::FrontFrame().width, 1024);
    UnlockPubScreen(nullptr, workbench);
}

TEST(Screens, TitleBarShowsTheTitleAndTheActiveWindowsScreenTitle)
{
    struct Screen *screen = LockPubScreen(nullptr);
    LONG bar = screen->BarHeight + 1;
    struct DrawInfo *dri = GetScreenDrawInfo(screen);
    ULONG barColour = PenRGB(dri->dri_Pens[BARBLOCKPEN]);
    ULONG textColour = PenRGB(dri->dri_Pens[BARDETAILPEN]);
    // Somewhere in the title there is text, and the rest is the bar.
    auto inkInTitle = [&] {
        int ink = 0;
        for (LONG y = 0; y < bar - 1; y++) {
            for (LONG x = 0; x < 200; x++)
                ink += Pixel(x, y) == textColour;
        }
        return ink;
    };
    EXPECT_EQ(Pixel(screen->Width / 2, bar / 2), barColour);
    int before = inkInTitle();
    EXPECT_GT(before, 0);
    struct Window *w = OpenWindowTags(nullptr, WA_Title, "T", WA_ScreenTitle, "WWWWWWWWWWWWWWWW", WA_Left, 100, WA_Top,
                                      100, WA_Width, 100, WA_Height, 100, WA_Activate, TRUE, WA_DragBar, TRUE, TAG_DONE);
    ASSERT_NE(w, nullptr);
    Settle();
    EXPECT_NE(inkInTitle(), before);
    CloseWindow(w);
    Settle();
    EXPECT_EQ(inkInTitle(), before);
    FreeScreenDrawInfo(screen, dri);
    UnlockPubScreen(nullptr, screen);
}

}  // namespace
