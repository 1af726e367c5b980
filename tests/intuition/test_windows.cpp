// Windows: opening, the frame's parts under the mouse (close, size, drag, depth), IDCMP messages, shared ports, pointer tracking.
#include "intuition_fixture.h"

namespace {

using namespace itest;

constexpr ULONG kIdcmp = IDCMP_CLOSEWINDOW | IDCMP_NEWSIZE | IDCMP_MOUSEBUTTONS | IDCMP_CHANGEWINDOW |
                         IDCMP_ACTIVEWINDOW | IDCMP_INACTIVEWINDOW;

hosted::WindowParts Parts(struct Window *w)
{
    hosted::WindowParts parts;
    EXPECT_TRUE(hosted::WindowPartsOf(w, parts));
    return parts;
}

// The middle of a frame part, in screen coordinates.
void CentreOf(struct Window *w, const struct IBox &box, LONG &x, LONG &y)
{
    x = w->LeftEdge + box.Left + box.Width / 2;
    y = w->TopEdge + box.Top + box.Height / 2;
}

TEST(Windows, OpenGivesBordersSizesAndAPortForIdcmp)
{
    struct Screen *screen = LockPubScreen(nullptr);
    ASSERT_NE(screen, nullptr);
    struct DrawInfo *dri = GetScreenDrawInfo(screen);
    struct Window *w = OpenWindowTags(nullptr, WA_Title, "Sizes", WA_Left, 20, WA_Top, 30, WA_InnerWidth, 300,
                                      WA_InnerHeight, 100, WA_SizeGadget, TRUE, WA_CloseGadget, TRUE,
                                      WA_DepthGadget, TRUE, WA_DragBar, TRUE, WA_PubScreen, screen, WA_IDCMP,
                                      IDCMP_CLOSEWINDOW, TAG_DONE);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->WScreen, screen);
    EXPECT_EQ(static_cast<IPTR>(w->BorderTop), GetDrawInfoAttr(dri, GDIA_WindowTopBorder, nullptr));
    EXPECT_EQ(static_cast<IPTR>(w->BorderLeft), GetDrawInfoAttr(dri, GDIA_WindowLeftBorder, nullptr));
    EXPECT_EQ(static_cast<IPTR>(w->BorderRight), GetDrawInfoAttr(dri, GDIA_WindowRightBorder, nullptr));
    EXPECT_EQ(static_cast<IPTR>(w->BorderBottom), GetDrawInfoAttr(dri, GDIA_WindowBottomBorder, nullptr));
    EXPECT_EQ(w->Width, 300 + w->BorderLeft + w->BorderRight);
    EXPECT_EQ(w->Height, 100 + w->BorderTop + w->BorderBottom);
    EXPECT_EQ(w->GZZWidth, 300);
    EXPECT_EQ(w->GZZHeight, 100);
    EXPECT_EQ(w->LeftEdge, 20);
    EXPECT_EQ(w->TopEdge, 30);
    EXPECT_NE(w->RPort, nullptr);
    EXPECT_NE(w->UserPort, nullptr);
    EXPECT_EQ(w->IDCMPFlags, static_cast<ULONG>(IDCMP_CLOSEWINDOW));
    EXPECT_EQ(screen->FirstWindow, w);

    // No IDCMP, no port; a window without a sizing gadget has thin borders.
    struct Window *plain = OpenWindowTags(nullptr, WA_Title, "Plain", WA_Left, 2000, WA_Top, 2000, WA_Width, 200,
                                          WA_Height, 80, WA_DragBar, TRUE, TAG_DONE);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->UserPort, nullptr);
    EXPECT_EQ(plain->BorderRight, plain->BorderLeft);
    EXPECT_LT(plain->BorderBottom, w->BorderBottom);
    // Kept on the screen.
    EXPECT_EQ(plain->LeftEdge + plain->Width, screen->Width);
    EXPECT_EQ(plain->TopEdge + plain->Height, screen->Height);

    // A borderless window has no borders at all.
    struct Window *bare = OpenWindowTags(nullptr, WA_Borderless, TRUE, WA_Backdrop, TRUE, WA_Width, 100, WA_Height, 50,
                                         TAG_DONE);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->BorderLeft + bare->BorderTop + bare->BorderRight + bare->BorderBottom, 0);

    CloseQuietly(bare);
    CloseQuietly(plain);
    CloseQuietly(w);
    FreeScreenDrawInfo(screen, dri);
    UnlockPubScreen(nullptr, screen);
}

TEST(Windows, CloseGadgetSendsCloseWindowOnlyWhenReleasedOverIt)
{
    struct Window *w = OpenFramed("Closer", 100, 100, 300, 200, kIdcmp);
    ASSERT_NE(w, nullptr);
    Drain(w->UserPort);
    LONG x = 0, y = 0;
    CentreOf(w, Parts(w).close, x, y);

    // Pressed, then released elsewhere: nothing.
    Move(x, y);
    Press();
    Move(x + 100, y + 60);
    Release();
    EXPECT_TRUE(OfClass(Drain(w->UserPort), IDCMP_CLOSEWINDOW).empty());

    Click(x, y);
    std::vector<Received> got = OfClass(Drain(w->UserPort), IDCMP_CLOSEWINDOW);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].window, w);
    EXPECT_NE(got[0].replyPort, nullptr);
    EXPECT_NE(got[0].replyPort, w->UserPort);
    CloseQuietly(w);
}

TEST(Windows, SizeGadgetDragResizesWithinLimitsAndSendsNewSize)
{
    struct Window *w = OpenWindowTags(nullptr, WA_Title, "Sizer", WA_Left, 50, WA_Top, 60, WA_Width, 300, WA_Height,
                                      200, WA_SizeGadget, TRUE, WA_DragBar, TRUE, WA_CloseGadget, TRUE,
                                      WA_MinWidth, 200, WA_MinHeight, 100, WA_MaxWidth, 500, WA_MaxHeight, 400,
                                      WA_Activate, TRUE, WA_IDCMP, kIdcmp, TAG_DONE);
    ASSERT_NE(w, nullptr);
    Drain(w->UserPort);
    LONG x = 0, y = 0;
    CentreOf(w, Parts(w).size, x, y);
    Move(x, y);
    Press();
    Move(x + 50, y + 30);
    // Nothing changes before the release: the outline follows the pointer.
    EXPECT_EQ(w->Width, 300);
    Release();
    EXPECT_EQ(w->Width, 350);
    EXPECT_EQ(w->Height, 230);
    EXPECT_EQ(w->GZZWidth, 350 - w->BorderLeft - w->BorderRight);
    std::vector<Received> got = Drain(w->UserPort);
    EXPECT_EQ(OfClass(got, IDCMP_NEWSIZE).size(), 1u);
    EXPECT_EQ(OfClass(got, IDCMP_CHANGEWINDOW).size(), 1u);
    // The sizing gadget moved with the corner.
    struct IBox size = Parts(w).size;
    EXPECT_EQ(size.Left + size.Width, w->Width);
    EXPECT_EQ(size.Top + size.Height, w->Height);

    // Far beyond the limits: the limits win.
    CentreOf(w, Parts(w).size, x, y);
    Move(x, y);
    Press();
    Move(x + 600, y + 600);
    Release();
    EXPECT_EQ(w->Width, 500);
    EXPECT_EQ(w->Height, 400);
    CentreOf(w, Parts(w).size, x, y);
    Move(x, y);
    Press();
    Move(x - 900, y - 900);
    Release();
    EXPECT_EQ(w->Width, 200);
    EXPECT_EQ(w->Height, 100);
    CloseQuietly(w);
}

TEST(Windows, DragBarMovesTheWindowAndDepthGadgetArrangesIt)
{
    struct Window *back = OpenFramed("Back", 100, 100, 300, 200, kIdcmp);
    struct Window *front = OpenFramed("Front", 150, 150, 300, 200, kIdcmp);
    ASSERT_NE(back, nullptr);
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(front->WScreen->FirstWindow, front);
    Drain(back->UserPort);
    Drain(front->UserPort);

    LONG x = 0, y = 0;
    CentreOf(front, Parts(front).dragBar, x, y);
    Move(x, y);
    Press();
    Move(x + 40, y + 20);
    EXPECT_EQ(front->LeftEdge, 190);   // moved while held
    Move(x + 70, y + 25);
    Release();
    EXPECT_EQ(front->LeftEdge, 220);
    EXPECT_EQ(front->TopEdge, 175);
    EXPECT_EQ(front->Width, 300);
    EXPECT_EQ(OfClass(Drain(front->UserPort), IDCMP_CHANGEWINDOW).size(), 1u);

    // The depth gadget of the front window sends it behind, and back again.
    CentreOf(front, Parts(front).depth, x, y);
    Click(x, y);
    EXPECT_EQ(front->WScreen->FirstWindow, back);
    EXPECT_EQ(back->NextWindow, front);
    CentreOf(front, Parts(front).depth, x, y);
    Click(x, y);
    EXPECT_EQ(front->WScreen->FirstWindow, front);

    // Clicking the other window makes it active: messages to both.
    Drain(front->UserPort);
    Drain(back->UserPort);
    Click(back->LeftEdge + 20, back->TopEdge + 40);
    EXPECT_EQ(OfClass(Drain(front->UserPort), IDCMP_INACTIVEWINDOW).size(), 1u);
    EXPECT_EQ(OfClass(Drain(back->UserPort), IDCMP_ACTIVEWINDOW).size(), 1u);
    EXPECT_NE(back->Flags & WFLG_WINDOWACTIVE, 0u);
    EXPECT_EQ(front->Flags & WFLG_WINDOWACTIVE, 0u);
    CloseQuietly(front);
    CloseQuietly(back);
}

TEST(Windows, AWindowOpensWithinItsLimitsAndMovingNeverResizesIt)
{
    // Asked smaller than its minimum, near the screen's bottom.
    struct Window *w = OpenWindowTags(nullptr, WA_Title, "Small", WA_Left, 40, WA_Top, 700, WA_Width, 300,
                                      WA_Height, 60, WA_MinWidth, 256, WA_MinHeight, 128, WA_MaxWidth, 800,
                                      WA_MaxHeight, 600, WA_CloseGadget, TRUE, WA_DepthGadget, TRUE, WA_DragBar,
                                      TRUE, WA_SizeGadget, TRUE, WA_Activate, TRUE, WA_IDCMP, kIdcmp, TAG_DONE);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Height, 128);
    EXPECT_LE(w->TopEdge + w->Height, w->WScreen->Height);
    Drain(w->UserPort);
    LONG x = 0, y = 0;
    CentreOf(w, Parts(w).dragBar, x, y);
    Move(x, y);
    Press();
    Move(x + 30, y - 200);
    Release();
    EXPECT_EQ(w->Width, 300);
    EXPECT_EQ(w->Height, 128);
    EXPECT_TRUE(OfClass(Drain(w->UserPort), IDCMP_NEWSIZE).empty());
    MoveWindow(w, -10, 10);
    Settle();
    EXPECT_EQ(w->Height, 128);
    CloseQuietly(w);
}

TEST(Windows, MousePositionFollowsThePointerWhileTheButtonIsHeld)
{
    struct Window *w = OpenFramed("Pointer", 200, 150, 400, 300, kIdcmp);
    ASSERT_NE(w, nullptr);
    Drain(w->UserPort);
    Move(w->LeftEdge + 50, w->TopEdge + 60);
    Press();
    std::vector<Received> down = OfClass(Drain(w->UserPort), IDCMP_MOUSEBUTTONS);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].code, SELECTDOWN);
    EXPECT_EQ(down[0].mouseX, 50);
    EXPECT_EQ(down[0].mouseY, 60);
    EXPECT_NE(down[0].qualifier & IEQUALIFIER_LEFTBUTTON, 0);
    for (LONG step = 1; step <= 5; step++) {
        Move(w->LeftEdge + 50 + step * 7, w->TopEdge + 60 + step * 11);
        EXPECT_EQ(w->MouseX, 50 + step * 7);
        EXPECT_EQ(w->MouseY, 60 + step * 11);
        EXPECT_EQ(w->GZZMouseX, w->MouseX - w->BorderLeft);
    }
    // No messages while the button is held (no WA_ReportMouse), the release
    // at the end.
    EXPECT_TRUE(Drain(w->UserPort).empty());
    Release();
    std::vector<Received> up = OfClass(Drain(w->UserPort), IDCMP_MOUSEBUTTONS);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].code, SELECTUP);
    CloseQuietly(w);
}

TEST(Windows, ReportMouseSendsMovesUpToTheMouseQueue)
{
    struct Window *w = OpenWindowTags(nullptr, WA_Title, "Moves", WA_Left, 10, WA_Top, 20, WA_Width, 300, WA_Height,
                                      200, WA_DragBar, TRUE, WA_ReportMouse, TRUE, WA_MouseQueue, 2, WA_Activate, TRUE,
                                      WA_IDCMP, IDCMP_MOUSEMOVE, TAG_DONE);
    ASSERT_NE(w, nullptr);
    Move(60, 70);
    Move(61, 72);
    Move(62, 74);
    Move(63, 76);
    // Two are outstanding: the rest were not sent.
    std::vector<Received> got = Drain(w->UserPort);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].mouseX, 60 - 10);
    // Replied, so there is room again.
    Move(64, 78);
    EXPECT_EQ(Drain(w->UserPort).size(), 1u);
    CloseQuietly(w);
}

TEST(Windows, SharedPortServesTwoWindowsAndClosingOneLeavesTheOthersMessages)
{
    struct MsgPort *shared = CreateMsgPort();
    ASSERT_NE(shared, nullptr);
    struct Window *a = OpenWindowTags(nullptr, WA_Title, "A", WA_Left, 0, WA_Top, 20, WA_Width, 300, WA_Height, 200,
                                      WA_DragBar, TRUE, WA_IDCMP, 0, TAG_DONE);
    struct Window *b = OpenWindowTags(nullptr, WA_Title, "B", WA_Left, 400, WA_Top, 20, WA_Width, 300, WA_Height, 200,
                                      WA_DragBar, TRUE, WA_IDCMP, 0, TAG_DONE);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->UserPort, nullptr);
    a->UserPort = shared;
    b->UserPort = shared;
    EXPECT_TRUE(ModifyIDCMP(a, IDCMP_MOUSEBUTTONS));
    EXPECT_TRUE(ModifyIDCMP(b, IDCMP_MOUSEBUTTONS));
    EXPECT_EQ(a->UserPort, shared);

    Click(a->LeftEdge + 30, a->TopEdge + 50);
    Click(b->LeftEdge + 30, b->TopEdge + 50);
    std::vector<Received> got = Drain(shared);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].window, a);
    EXPECT_EQ(got[1].window, a);
    EXPECT_EQ(got[2].window, b);
    EXPECT_EQ(got[3].window, b);

    // Messages of both wait; closing A takes only A's away.
    Click(a->LeftEdge + 30, a->TopEdge + 50);
    Click(b->LeftEdge + 30, b->TopEdge + 50);
    CloseWindow(a);
    Settle();
    got = Drain(shared);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].window, b);
    EXPECT_EQ(got[1].window, b);

    // The careful way: strip, detach, then close.
    Click(b->LeftEdge + 30, b->TopEdge + 50);
    Drain(shared);
    b->UserPort = nullptr;
    ModifyIDCMP(b, 0);
    CloseWindow(b);
    Settle();
    EXPECT_EQ(GetMsg(shared), nullptr);
    DeleteMsgPort(shared);
}

TEST(Windows, MessagesHeldByTheProgramSurviveCloseWindow)
{
    struct Window *w = OpenFramed("Held", 100, 100, 200, 150, kIdcmp);
    ASSERT_NE(w, nullptr);
    Drain(w->UserPort);
    Click(w->LeftEdge + 20, w->TopEdge + 40);
    struct MsgPort *port = w->UserPort;
    WaitPort(port);
    struct Message *held = GetMsg(port);
    ASSERT_NE(held, nullptr);
    CloseWindow(w);   // one message still queued, one held
    Settle();
    // The held one is still the program's to read and reply.
    auto *im = reinterpret_cast<struct IntuiMessage *>(held);
    EXPECT_EQ(im->Class, static_cast<ULONG>(IDCMP_MOUSEBUTTONS));
    ReplyMsg(held);
    Settle();
}

TEST(Windows, ModifyIDCMPMakesAndDeletesAPortAndProgramCallsSendNewSize)
{
    struct Window *w = OpenWindowTags(nullptr, WA_Title, "Modify", WA_Left, 10, WA_Top, 30, WA_Width, 300, WA_Height,
                                      200, WA_SizeGadget, TRUE, WA_DragBar, TRUE, WA_IDCMP, 0, TAG_DONE);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->UserPort, nullptr);
    EXPECT_TRUE(ModifyIDCMP(w, IDCMP_NEWSIZE | IDCMP_CHANGEWINDOW));
    ASSERT_NE(w->UserPort, nullptr);

    SizeWindow(w, 40, 20);
    Settle();
    EXPECT_EQ(w->Width, 340);
    EXPECT_EQ(w->Height, 220);
    std::vector<Received> got = Drain(w->UserPort);
    EXPECT_EQ(OfClass(got, IDCMP_NEWSIZE).size(), 1u);
    MoveWindow(w, 5000, 5000);
    Settle();
    EXPECT_EQ(w->LeftEdge + w->Width, w->WScreen->Width);
    EXPECT_EQ(w->TopEdge + w->Height, w->WScreen->Height);
    got = Drain(w->UserPort);
    EXPECT_TRUE(OfClass(got, IDCMP_NEWSIZE).empty());
    EXPECT_EQ(OfClass(got, IDCMP_CHANGEWINDOW).size(), 1u);
    ChangeWindowBox(w, 10, 40, 250, 150);
    Settle();
    EXPECT_EQ(w->LeftEdge, 10);
    EXPECT_EQ(w->Height, 150);
    Drain(w->UserPort);

    EXPECT_TRUE(ModifyIDCMP(w, 0));
    EXPECT_EQ(w->UserPort, nullptr);
    CloseWindow(w);
    Settle();
}

TEST(Windows, RightButtonIsReportedOnlyWithRMBTrap)
{
    struct Window *w = OpenWindowTags(nullptr, WA_Title, "Trap", WA_Left, 10, WA_Top, 30, WA_Width, 300, WA_Height,
                                      200, WA_RMBTrap, TRUE, WA_Activate, TRUE, WA_IDCMP, IDCMP_MOUSEBUTTONS, TAG_DONE);
    ASSERT_NE(w, nullptr);
    Move(100, 100);
    Press(true);
    Release(true);
    std::vector<Received> got = Drain(w->UserPort);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].code, MENUDOWN);
    EXPECT_EQ(got[1].code, MENUUP);
    CloseQuietly(w);
}

TEST(Windows, KeysArriveAsVanillaOrRawKeys)
{
    struct Window *w = OpenWindowTags(nullptr, WA_Title, "Keys", WA_Left, 10, WA_Top, 30, WA_Width, 300, WA_Height,
                                      200, WA_Activate, TRUE, WA_IDCMP, IDCMP_VANILLAKEY | IDCMP_RAWKEY, TAG_DONE);
    ASSERT_NE(w, nullptr);
    Key(0x20, 0, 'a');
    Key(RAWKEY_UP, 0, 0);
    std::vector<Received> got = Drain(w->UserPort);
    std::vector<Received> vanilla = OfClass(got, IDCMP_VANILLAKEY);
    ASSERT_EQ(vanilla.size(), 1u);
    EXPECT_EQ(vanilla[0].code, 'a');
    std::vector<Received> raw = OfClass(got, IDCMP_RAWKEY);
    // The release of 'a' and the press and release of the cursor key.
    ASSERT_EQ(raw.size(), 3u);
    EXPECT_EQ(raw[0].code, 0x20 | IECODE_UP_PREFIX);
    EXPECT_EQ(raw[1].code, RAWKEY_UP);
    EXPECT_EQ(raw[2].code, RAWKEY_UP | IECODE_UP_PREFIX);
    CloseQuietly(w);
}

TEST(Windows, AWindowOpenedWhileNoneIsActiveTakesOver)
{
    struct Window *first = OpenWindowTags(nullptr, WA_Title, "First", WA_Width, 200, WA_Height, 100, WA_DragBar,
                                          TRUE, WA_Activate, TRUE, TAG_DONE);
    ASSERT_NE(first, nullptr);
    // Another window opened meanwhile stays in the background.
    struct Window *second = OpenWindowTags(nullptr, WA_Title, "Second", WA_Left, 300, WA_Width, 200, WA_Height, 100,
                                           WA_DragBar, TRUE, TAG_DONE);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first->Flags & WFLG_WINDOWACTIVE, 0u);
    EXPECT_EQ(second->Flags & WFLG_WINDOWACTIVE, 0u);
    // The active one closes and is opened again in its place: it gets the keys.
    CloseWindow(first);
    first = OpenWindowTags(nullptr, WA_Title, "First again", WA_Width, 250, WA_Height, 120, WA_DragBar, TRUE,
                           TAG_DONE);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first->Flags & WFLG_WINDOWACTIVE, 0u);
    // Backdrop windows never do.
    CloseWindow(first);
    struct Window *backdrop = OpenWindowTags(nullptr, WA_Backdrop, TRUE, WA_Borderless, TRUE, WA_Width, 200,
                                             WA_Height, 100, TAG_DONE);
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(backdrop->Flags & WFLG_WINDOWACTIVE, 0u);
    CloseWindow(backdrop);
    CloseWindow(second);
    Settle();
}

TEST(Windows, ClosingTheActiveWindowHandsTheFocusToTheFrontmostOther)
{
    struct Window *back = OpenWindowTags(nullptr, WA_Title, "Back", WA_Width, 200, WA_Height, 100, WA_DragBar,
                                         TRUE, WA_Activate, TRUE, TAG_DONE);
    struct Window *front = OpenWindowTags(nullptr, WA_Title, "Front", WA_Left, 50, WA_Width, 200, WA_Height, 100,
                                          WA_DragBar, TRUE, WA_Activate, TRUE, TAG_DONE);
    ASSERT_NE(back, nullptr);
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(back->Flags & WFLG_WINDOWACTIVE, 0u);
    CloseWindow(front);
    EXPECT_NE(back->Flags & WFLG_WINDOWACTIVE, 0u);
    // A window of another task opened now does not take the focus away.
    struct Window *other = nullptr;
    std::thread([&] {
        other = OpenWindowTags(nullptr, WA_Title, "Other", WA_Left, 300, WA_Width, 200, WA_Height, 100, TAG_DONE);
    }).join();
    ASSERT_NE(other, nullptr);
    EXPECT_NE(back->Flags & WFLG_WINDOWACTIVE, 0u);
    EXPECT_EQ(other->Flags & WFLG_WINDOWACTIVE, 0u);
    CloseWindow(other);
    CloseWindow(back);
    Settle();
}

TEST(Windows, TitlesAndLimits)
{
    struct Window *w = OpenFramed("First title", 10, 30, 300, 200, kIdcmp);
    ASSERT_NE(w, nullptr);
    SetWindowTitles(w, "Second title", reinterpret_cast<CONST_STRPTR>(~static_cast<IPTR>(0)));
    EXPECT_STREQ(reinterpret_cast<const char *>(w->Title), "Second title");
    SetWindowTitles(w, reinterpret_cast<CONST_STRPTR>(~static_cast<IPTR>(0)), "Screen title while active");
    EXPECT_STREQ(reinterpret_cast<const char *>(w->WScreen->Title), "Screen title while active");
    EXPECT_FALSE(WindowLimits(w, 400, 0, 0, 0));   // current width is below
    EXPECT_TRUE(WindowLimits(w, 100, 100, 320, 250));
    SizeWindow(w, 100, 100);
    Settle();
    EXPECT_EQ(w->Width, 320);
    EXPECT_EQ(w->Height, 250);
    struct Screen *screen = w->WScreen;
    CloseQuietly(w);
    EXPECT_STRNE(reinterpret_cast<const char *>(screen->Title), "Screen title while active");
}

}  // namespace
