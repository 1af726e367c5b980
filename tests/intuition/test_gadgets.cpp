// Gadgets of windows: the list, relative placement, plain boolean gadgets, and BOOPSI gadgets driven through their methods.
#include "intuition_fixture.h"

#include <intuition/gadgetclass.h>

#include <cstring>

namespace {

using namespace itest;

constexpr ULONG kIdcmp = IDCMP_GADGETDOWN | IDCMP_GADGETUP | IDCMP_MOUSEBUTTONS;

struct PlainGadgets : ::testing::Test {
    struct Gadget g[3]{};
    struct Window *window = nullptr;

    void SetUp() override
    {
        for (int i = 0; i < 3; i++) {
            g[i].LeftEdge = static_cast<WORD>(20 + 60 * i);
            g[i].TopEdge = 30;
            g[i].Width = 50;
            g[i].Height = 20;
            g[i].GadgetType = GTYP_BOOLGADGET;
            g[i].Flags = GFLG_GADGHCOMP;
            g[i].Activation = GACT_RELVERIFY | GACT_IMMEDIATE;
            g[i].GadgetID = static_cast<UWORD>(i + 1);
        }
        g[0].NextGadget = &g[1];
        g[2].Activation = GACT_TOGGLESELECT | GACT_RELVERIFY;
        window = OpenWindowTags(nullptr, WA_Title, "Gadgets", WA_Left, 100, WA_Top, 100, WA_Width, 300, WA_Height, 200,
                                WA_DragBar, TRUE, WA_SizeGadget, TRUE, WA_Gadgets, &g[0], WA_Activate, TRUE,
                                WA_IDCMP, kIdcmp, TAG_DONE);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { CloseQuietly(window); }

    void CentreOf(struct Gadget *gadget, LONG &x, LONG &y)
    {
        x = window->LeftEdge + gadget->LeftEdge + gadget->Width / 2;
        y = window->TopEdge + gadget->TopEdge + gadget->Height / 2;
    }
};

TEST_F(PlainGadgets, PressAndReleaseSendGadgetDownAndUp)
{
    EXPECT_EQ(window->FirstGadget, &g[0]);
    LONG x = 0, y = 0;
    CentreOf(&g[1], x, y);
    Move(x, y);
    Press();
    EXPECT_NE(g[1].Flags & GFLG_SELECTED, 0);
    Move(x + 100, y + 50);   // off the gadget: no longer selected
    EXPECT_EQ(g[1].Flags & GFLG_SELECTED, 0);
    Move(x, y);
    Release();
    EXPECT_EQ(g[1].Flags & GFLG_SELECTED, 0);
    std::vector<Received> got = Drain(window->UserPort);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].cls, static_cast<ULONG>(IDCMP_GADGETDOWN));
    EXPECT_EQ(got[0].address, &g[1]);
    EXPECT_EQ(got[1].cls, static_cast<ULONG>(IDCMP_GADGETUP));
    EXPECT_EQ(got[1].address, &g[1]);

    // Released elsewhere: down, but no up, and no mouse buttons message.
    Move(x, y);
    Press();
    Move(x + 100, y + 50);
    Release();
    got = Drain(window->UserPort);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].cls, static_cast<ULONG>(IDCMP_GADGETDOWN));

    // Disabled: the click goes to the window.
    OffGadget(&g[1], window, nullptr);
    Click(x, y);
    got = Drain(window->UserPort);
    EXPECT_TRUE(OfClass(got, IDCMP_GADGETDOWN).empty());
    EXPECT_EQ(OfClass(got, IDCMP_MOUSEBUTTONS).size(), 2u);
    OnGadget(&g[1], window, nullptr);
}

TEST_F(PlainGadgets, AddAndRemoveKeepTheListInOrder)
{
    EXPECT_EQ(AddGList(window, &g[2], 1, 1, nullptr), 1);
    EXPECT_EQ(window->FirstGadget, &g[0]);
    EXPECT_EQ(g[0].NextGadget, &g[2]);
    EXPECT_EQ(g[2].NextGadget, &g[1]);
    // A toggle gadget flips on the press and reports the release.
    LONG x = 0, y = 0;
    CentreOf(&g[2], x, y);
    Click(x, y);
    EXPECT_NE(g[2].Flags & GFLG_SELECTED, 0);
    Click(x, y);
    EXPECT_EQ(g[2].Flags & GFLG_SELECTED, 0);
    EXPECT_EQ(OfClass(Drain(window->UserPort), IDCMP_GADGETUP).size(), 2u);

    EXPECT_EQ(RemoveGList(window, &g[2], 1), 1);
    EXPECT_EQ(g[0].NextGadget, &g[1]);
    EXPECT_EQ(g[2].NextGadget, nullptr);
    EXPECT_EQ(RemoveGList(window, &g[2], 1), static_cast<UWORD>(~0));
    // Removing to the end.
    EXPECT_EQ(RemoveGList(window, &g[0], -1), 0);
    EXPECT_EQ(window->FirstGadget, nullptr);
    EXPECT_EQ(g[0].NextGadget, &g[1]);   // the removed ones stay chained
    EXPECT_EQ(g[1].NextGadget, nullptr);
    Click(x, y);
    EXPECT_TRUE(OfClass(Drain(window->UserPort), IDCMP_GADGETUP).empty());
    EXPECT_EQ(AddGList(window, &g[0], static_cast<ULONG>(~0), -1, nullptr), 0);
    EXPECT_EQ(window->FirstGadget, &g[0]);
}

TEST_F(PlainGadgets, RelativeGadgetsFollowTheWindowsEdges)
{
    // Like a scroll arrow in the right border: RelRight 1 - border width.
    struct Gadget arrow{};
    arrow.LeftEdge = static_cast<WORD>(1 - window->BorderRight);
    arrow.TopEdge = -40;
    arrow.Width = window->BorderRight;
    arrow.Height = 16;
    arrow.Flags = GFLG_RELRIGHT | GFLG_RELBOTTOM | GFLG_GADGHNONE;
    arrow.Activation = GACT_IMMEDIATE | GACT_RIGHTBORDER;
    arrow.GadgetType = GTYP_BOOLGADGET;
    AddGList(window, &arrow, static_cast<ULONG>(~0), 1, nullptr);
    // It lies exactly in the right border.
    LONG x = window->LeftEdge + window->Width - window->BorderRight + 2;
    LONG y = window->TopEdge + window->Height - 1 - 40 + 8;
    Click(x, y);
    std::vector<Received> got = OfClass(Drain(window->UserPort), IDCMP_GADGETDOWN);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].address, &arrow);
    SizeWindow(window, 60, 40);
    Settle();
    Click(x, y);   // the old place is no longer the arrow
    EXPECT_TRUE(OfClass(Drain(window->UserPort), IDCMP_GADGETDOWN).empty());
    Click(x + 60, y + 40);
    EXPECT_EQ(OfClass(Drain(window->UserPort), IDCMP_GADGETDOWN).size(), 1u);
    RemoveGList(window, &arrow, 1);
}

struct BoopsiGadgets : ::testing::Test {
    struct Window *window = nullptr;
    struct Gadget *button = nullptr;
    struct Gadget *prop = nullptr;
    struct Gadget *field = nullptr;
    struct Gadget *field2 = nullptr;
    char text[64] = "";
    char text2[64] = "";

    void SetUp() override
    {
        button = static_cast<struct Gadget *>(NewObject(nullptr, "buttongclass", GA_ID, 7, GA_Left, 20, GA_Top, 30,
                                                        GA_Width, 60, GA_Height, 20, GA_Immediate, TRUE,
                                                        GA_RelVerify, TRUE, TAG_DONE));
        prop = static_cast<struct Gadget *>(NewObject(nullptr, "propgclass", GA_ID, 8, GA_Previous, button, GA_Left,
                                                      100, GA_Top, 30, GA_Width, 16, GA_Height, 150, GA_Immediate,
                                                      TRUE, GA_RelVerify, TRUE, PGA_Total, 1000, PGA_Visible, 100,
                                                      PGA_Top, 0, PGA_Borderless, TRUE, TAG_DONE));
        field = static_cast<struct Gadget *>(NewObject(nullptr, "strgclass", GA_ID, 9, GA_Previous, prop, GA_Left,
                                                       140, GA_Top, 30, GA_Width, 120, GA_Height, 14, GA_RelVerify,
                                                       TRUE, GA_TabCycle, TRUE, STRINGA_MaxChars, 64,
                                                       STRINGA_Buffer, text, TAG_DONE));
        field2 = static_cast<struct Gadget *>(NewObject(nullptr, "strgclass", GA_ID, 10, GA_Previous, field, GA_Left,
                                                        140, GA_Top, 60, GA_Width, 120, GA_Height, 14, GA_RelVerify,
                                                        TRUE, GA_TabCycle, TRUE, STRINGA_MaxChars, 64,
                                                        STRINGA_Buffer, text2, TAG_DONE));
        ASSERT_NE(button, nullptr);
        ASSERT_NE(prop, nullptr);
        ASSERT_NE(field, nullptr);
        ASSERT_NE(field2, nullptr);
        window = OpenWindowTags(nullptr, WA_Title, "BOOPSI", WA_Left, 100, WA_Top, 100, WA_Width, 320, WA_Height, 220,
                                WA_DragBar, TRUE, WA_CloseGadget, TRUE, WA_Gadgets, button, WA_Activate, TRUE,
                                WA_IDCMP, kIdcmp | IDCMP_CLOSEWINDOW, TAG_DONE);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override
    {
        CloseQuietly(window);
        DisposeObject(field2);
        DisposeObject(field);
        DisposeObject(prop);
        DisposeObject(button);
    }
    void At(struct Gadget *g, LONG dx, LONG dy, LONG &x, LONG &y)
    {
        x = window->LeftEdge + g->LeftEdge + dx;
        y = window->TopEdge + g->TopEdge + dy;
    }
    void Type(const char *s)
    {
        for (; *s != 0; s++) {
            hosted::PostCharacter(static_cast<UBYTE>(*s));
            itest::Settle();
        }
    }
};

TEST_F(BoopsiGadgets, AButtonReportsDownAndUpThroughItsMethods)
{
    LONG x = 0, y = 0;
    At(button, 30, 10, x, y);
    Move(x, y);
    Press();
    EXPECT_NE(button->Flags & GFLG_SELECTED, 0);
    Release();
    std::vector<Received> got = Drain(window->UserPort);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].cls, static_cast<ULONG>(IDCMP_GADGETDOWN));
    EXPECT_EQ(got[1].cls, static_cast<ULONG>(IDCMP_GADGETUP));
    EXPECT_EQ(got[1].address, button);
    EXPECT_EQ(static_cast<struct Gadget *>(got[1].address)->GadgetID, 7);

    // Without GA_RelVerify the release is silent.
    SetGadgetAttrs(button, window, nullptr, GA_RelVerify, FALSE, TAG_DONE);
    Click(x, y);
    got = Drain(window->UserPort);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].cls, static_cast<ULONG>(IDCMP_GADGETDOWN));
}

TEST_F(BoopsiGadgets, AHeldKnobMovesThePotBeforeTheRelease)
{
    auto *pi = static_cast<struct PropInfo *>(prop->SpecialInfo);
    ASSERT_NE(pi, nullptr);
    EXPECT_EQ(pi->VertPot, 0);
    LONG x = 0, y = 0;
    At(prop, 8, 5, x, y);
    Move(x, y);
    Press();
    EXPECT_EQ(OfClass(Drain(window->UserPort), IDCMP_GADGETDOWN).size(), 1u);
    UWORD last = pi->VertPot;
    for (int step = 1; step <= 5; step++) {
        Move(x, y + step * 15);
        EXPECT_GT(pi->VertPot, last) << "step " << step;   // a program polling the pot sees it move
        last = pi->VertPot;
    }
    EXPECT_TRUE(OfClass(Drain(window->UserPort), IDCMP_GADGETUP).empty());
    Release();
    std::vector<Received> up = OfClass(Drain(window->UserPort), IDCMP_GADGETUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].address, prop);
    IPTR top = 0;
    GetAttr(PGA_Top, prop, &top);
    EXPECT_GT(top, 0u);
}

TEST_F(BoopsiGadgets, AStringFieldTakesKeysUntilReturnAndTabMovesOn)
{
    LONG x = 0, y = 0;
    At(field, 10, 7, x, y);
    Click(x, y);
    Type("Hello");
    EXPECT_STREQ(text, "Hello");
    Key(RAWKEY_RETURN, 0, 13);
    std::vector<Received> up = OfClass(Drain(window->UserPort), IDCMP_GADGETUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].address, field);
    // No longer active: keys go nowhere.
    Type("x");
    EXPECT_STREQ(text, "Hello");

    // Tab moves to the next field.
    Click(x, y);
    Key(RAWKEY_TAB, 0, 9);
    Type("World");
    EXPECT_STREQ(text2, "World");
    EXPECT_STREQ(text, "Hello");
    // A click elsewhere ends the field and still reaches the window.
    Click(window->LeftEdge + 30, window->TopEdge + 150);
    std::vector<Received> got = Drain(window->UserPort);
    EXPECT_EQ(OfClass(got, IDCMP_MOUSEBUTTONS).size(), 2u);
    Type("!");
    EXPECT_STREQ(text2, "World");

    // ActivateGadget does what a click does.
    EXPECT_TRUE(ActivateGadget(field2, window, nullptr));
    Type("!");
    EXPECT_STREQ(text2, "World!");
    Key(RAWKEY_RETURN, 0, 13);
    Drain(window->UserPort);
}

TEST_F(BoopsiGadgets, ClosingTheWindowTakesTheActiveGadgetAway)
{
    LONG x = 0, y = 0;
    At(field, 10, 7, x, y);
    Click(x, y);
    Type("abc");
    CloseQuietly(window);
    window = nullptr;
    Type("def");   // nobody takes these
    EXPECT_STREQ(text, "abc");
}

}  // namespace
