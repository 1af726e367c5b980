// Composition: the screen is made of the windows' backing stores front to back, so covered contents survive.
#include "intuition_fixture.h"

namespace {

using namespace itest;

constexpr ULONG kRed = 0xD02020;

// A window whose inside is filled with one colour.
struct Painted {
    struct Window *window = nullptr;
    LONG pen = -1;

    Painted(const char *title, LONG left, LONG top, ULONG rgb, bool backdrop = false)
    {
        window = OpenWindowTags(nullptr, WA_Title, backdrop ? nullptr : title, WA_Left, left, WA_Top, top, WA_Width,
                                300, WA_Height, 200, WA_DragBar, backdrop ? FALSE : TRUE, WA_DepthGadget,
                                backdrop ? FALSE : TRUE, WA_Backdrop, backdrop ? TRUE : FALSE, WA_Borderless,
                                backdrop ? TRUE : FALSE, WA_Activate, TRUE, TAG_DONE);
        if (window == nullptr)
            return;
        struct ColorMap *cm = window->WScreen->ViewPort.ColorMap;
        pen = ObtainBestPen(cm, ((rgb >> 16) & 0xFF) * 0x01010101u, ((rgb >> 8) & 0xFF) * 0x01010101u,
                            (rgb & 0xFF) * 0x01010101u, OBP_Precision, PRECISION_EXACT, TAG_DONE);
        SetAPen(window->RPort, static_cast<ULONG>(pen));
        RectFill(window->RPort, window->BorderLeft, window->BorderTop, window->Width - window->BorderRight - 1,
                 window->Height - window->BorderBottom - 1);
    }
    ~Painted()
    {
        if (window == nullptr)
            return;
        ReleasePen(window->WScreen->ViewPort.ColorMap, static_cast<ULONG>(pen));
        CloseWindow(window);
        Settle();
    }
};

TEST(Composition, ACoveredWindowsContentSurvivesBeingUncovered)
{
    Painted back("Back", 100, 100, kRed);
    ASSERT_NE(back.window, nullptr);
    Settle();
    const LONG x = 300, y = 200;   // inside both windows
    EXPECT_EQ(Pixel(x, y), kRed);
    {
        Painted front("Front", 250, 150, 0x20A020);
        ASSERT_NE(front.window, nullptr);
        Settle();
        EXPECT_EQ(Pixel(x, y), 0x20A020u);
        // The program draws into the covered part: it is kept, not shown.
        SetAPen(back.window->RPort, 2);
        RectFill(back.window->RPort, x - 100 - 5, y - 100 - 5, x - 100 + 5, y - 100 + 5);
        Settle();
        EXPECT_EQ(Pixel(x, y), 0x20A020u);
        // Moved away, the window below shows again, with what was drawn.
        MoveWindow(front.window, 400, 300);
        Settle();
        EXPECT_EQ(Pixel(x, y), PenRGB(2));
        EXPECT_EQ(Pixel(x - 20, y - 20), kRed);
        MoveWindow(front.window, -400, -300);
        Settle();
        EXPECT_EQ(Pixel(x, y), 0x20A020u);
        // Brought to the front, the window below is whole.
        WindowToFront(back.window);
        Settle();
        EXPECT_EQ(Pixel(x, y), PenRGB(2));
        EXPECT_EQ(Pixel(x + 20, y + 20), kRed);
        WindowToFront(front.window);
        Settle();
    }
    EXPECT_EQ(Pixel(x, y), PenRGB(2));
    EXPECT_EQ(Pixel(x + 30, y + 30), kRed);
}

TEST(Composition, TitleBarsShowWhichWindowIsActive)
{
    Painted a("Alpha", 50, 300, kRed);
    Painted b("Beta", 500, 300, kRed);
    ASSERT_NE(a.window, nullptr);
    ASSERT_NE(b.window, nullptr);
    struct DrawInfo *dri = GetScreenDrawInfo(a.window->WScreen);
    ULONG fill = PenRGB(dri->dri_Pens[FILLPEN]);
    hosted::WindowParts parts;
    ASSERT_TRUE(hosted::WindowPartsOf(a.window, parts));
    // A point of the drag bar right of the title text.
    LONG ax = a.window->LeftEdge + parts.dragBar.Left + parts.dragBar.Width - 3;
    LONG bx = b.window->LeftEdge + parts.dragBar.Left + parts.dragBar.Width - 3;
    LONG y = a.window->TopEdge + parts.dragBar.Height / 2;
    Settle();
    EXPECT_EQ(Pixel(bx, y), fill);   // b opened last, active
    EXPECT_NE(Pixel(ax, y), fill);
    ActivateWindow(a.window);
    Settle();
    EXPECT_EQ(Pixel(ax, y), fill);
    EXPECT_NE(Pixel(bx, y), fill);
    FreeScreenDrawInfo(a.window->WScreen, dri);
}

TEST(Composition, BackdropWindowsStayBehindAndUnderTheTitleBar)
{
    Painted backdrop("", 0, 0, 0x2020D0, true);
    ASSERT_NE(backdrop.window, nullptr);
    Painted normal("Normal", 100, 100, kRed);
    ASSERT_NE(normal.window, nullptr);
    Settle();
    struct Screen *screen = backdrop.window->WScreen;
    LONG bar = screen->BarHeight + 1;
    EXPECT_EQ(Pixel(50, bar + 20), 0x2020D0u);
    EXPECT_NE(Pixel(150, bar / 2), 0x2020D0u);   // the title bar is in front of it
    WindowToFront(backdrop.window);   // stays behind the normal window
    Settle();
    EXPECT_EQ(Pixel(200, 200), kRed);
    ShowTitle(screen, FALSE);
    Settle();
    EXPECT_EQ(Pixel(150, bar / 2), 0x2020D0u);
    EXPECT_NE(Pixel(screen->Width / 2, bar / 2), 0x2020D0u);   // where no backdrop window covers it
    ShowTitle(screen, TRUE);
    Settle();
    EXPECT_NE(Pixel(150, bar / 2), 0x2020D0u);
}

TEST(Composition, AWindowDraggedOverAnotherNeverDamagesIt)
{
    Painted under("Under", 100, 100, kRed);
    Painted over("Over", 500, 100, 0x20A020);
    ASSERT_NE(under.window, nullptr);
    ASSERT_NE(over.window, nullptr);
    hosted::WindowParts parts;
    ASSERT_TRUE(hosted::WindowPartsOf(over.window, parts));
    LONG x = over.window->LeftEdge + parts.dragBar.Left + 10;
    LONG y = over.window->TopEdge + parts.dragBar.Top + 3;
    Move(x, y);
    Press();
    for (int step = 1; step <= 8; step++)
        Move(x - step * 50, y + step * 5);
    for (int step = 7; step >= 0; step--)
        Move(x - step * 50, y + step * 5);
    Release();
    // Every pixel of the window below is its own again.
    hosted::FlushDisplay();
    int wrong = 0;
    for (LONG py = under.window->TopEdge + under.window->BorderTop; py < under.window->TopEdge + 190; py += 7) {
        for (LONG px = under.window->LeftEdge + under.window->BorderLeft; px < under.window->LeftEdge + 290; px += 7)
            wrong += Pixel(px, py) != kRed;
    }
    EXPECT_EQ(wrong, 0);
}

}  // namespace
