// The classes in a real window on the headless display, driven by input as a person gives it.
#include "../intuition_fixture.h"

#include <hosted/boopsi.h>
#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>

#include <vector>

namespace {

using itest::OfClass;
using itest::Settle;

// The lister's vertical scroller and its arrows, in a sizeable window.
class LiveScroller : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen = LockPubScreen(nullptr);
        ASSERT_NE(screen, nullptr);
        dri = GetScreenDrawInfo(screen);
        ASSERT_NE(dri, nullptr);
        sizeImage = static_cast<struct Image *>(
            NewObject(nullptr, SYSICLASS, SYSIA_DrawInfo, dri, SYSIA_Which, SIZEIMAGE, TAG_DONE));
        downImage = static_cast<struct Image *>(
            NewObject(nullptr, SYSICLASS, SYSIA_DrawInfo, dri, SYSIA_Which, DOWNIMAGE, TAG_DONE));
        ASSERT_NE(sizeImage, nullptr);
        ASSERT_NE(downImage, nullptr);
        LONG right = static_cast<LONG>(GetDrawInfoAttr(dri, GDIA_WindowRightBorder, nullptr));
        LONG top = static_cast<LONG>(GetDrawInfoAttr(dri, GDIA_WindowTopBorder, nullptr));
        ASSERT_EQ(right, sizeImage->Width);   // the border and the image agree
        down = static_cast<struct Gadget *>(NewObject(
            nullptr, BUTTONGCLASS, GA_ID, 0, GA_RightBorder, TRUE, GA_Immediate, TRUE, GA_Image, downImage,
            GA_RelRight, 1 - right, GA_RelBottom, 1 - sizeImage->Height - downImage->Height, TAG_DONE));
        prop = static_cast<struct Gadget *>(NewObject(
            nullptr, PROPGCLASS, GA_ID, 2, GA_Previous, down, GA_RightBorder, TRUE, GA_Immediate, TRUE,
            GA_RelVerify, TRUE, PGA_Borderless, TRUE, PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE,
            PGA_RenderBehaviour, PG_BEHAVIOUR_NICE, GA_RelRight, 3 - right, GA_Width, sizeImage->Width - 4,
            GA_Top, top + 1, GA_RelHeight, 1 - sizeImage->Height - downImage->Height - top - 3, PGA_Total, 1000,
            PGA_Visible, 100, PGA_Top, 0, TAG_DONE));
        ASSERT_NE(down, nullptr);
        ASSERT_NE(prop, nullptr);
        window = OpenWindowTags(nullptr, WA_Title, "Scroller", WA_Left, 100, WA_Top, 60, WA_Width, 300, WA_Height,
                                320, WA_CloseGadget, TRUE, WA_DragBar, TRUE, WA_SizeGadget, TRUE, WA_Activate, TRUE,
                                WA_IDCMP, IDCMP_GADGETDOWN | IDCMP_GADGETUP, WA_Gadgets, down, TAG_DONE);
        ASSERT_NE(window, nullptr);
        Settle();
    }
    void TearDown() override
    {
        itest::CloseQuietly(window);
        DisposeObject(prop);
        DisposeObject(down);
        DisposeObject(downImage);
        DisposeObject(sizeImage);
        FreeScreenDrawInfo(screen, dri);
        UnlockPubScreen(nullptr, screen);
    }
    // Where on the screen a point of a gadget's box lies.
    void ScreenPoint(struct Gadget *g, LONG dx, LONG dy, LONG &x, LONG &y)
    {
        struct GadgetInfo info{};
        info.gi_Window = window;
        info.gi_Domain = {0, 0, window->Width, window->Height};
        struct IBox box{};
        hosted::GadgetBox(g, &info, &box);
        x = window->LeftEdge + box.Left + dx;
        y = window->TopEdge + box.Top + dy;
    }

    struct Screen *screen = nullptr;
    struct DrawInfo *dri = nullptr;
    struct Image *sizeImage = nullptr;
    struct Image *downImage = nullptr;
    struct Gadget *down = nullptr;
    struct Gadget *prop = nullptr;
    struct Window *window = nullptr;
};

TEST_F(LiveScroller, PotFollowsTheHeldKnobBeforeTheButtonComesUp)
{
    auto *pi = static_cast<struct PropInfo *>(prop->SpecialInfo);
    LONG x = 0, y = 0;
    ScreenPoint(prop, 2, 3, x, y);
    itest::Move(x, y);
    itest::Press();
    std::vector<itest::Received> pressed = itest::Drain(window->UserPort);
    ASSERT_EQ(OfClass(pressed, IDCMP_GADGETDOWN).size(), 1u);
    EXPECT_EQ(OfClass(pressed, IDCMP_GADGETDOWN)[0].address, prop);

    // The program polls the pot while the knob is held; every move shows.
    std::vector<UWORD> seen{pi->VertPot};
    for (int step = 1; step <= 4; step++) {
        itest::Move(x, y + step * 25);
        seen.push_back(pi->VertPot);
    }
    EXPECT_TRUE(OfClass(itest::Drain(window->UserPort), IDCMP_GADGETUP).empty());   // still held
    for (size_t i = 1; i < seen.size(); i++)
        EXPECT_GT(seen[i], seen[i - 1]);
    IPTR top = 0;
    GetAttr(PGA_Top, prop, &top);
    EXPECT_GT(top, 0u);

    itest::Release();
    std::vector<itest::Received> released = itest::Drain(window->UserPort);
    ASSERT_EQ(OfClass(released, IDCMP_GADGETUP).size(), 1u);
    EXPECT_EQ(OfClass(released, IDCMP_GADGETUP)[0].address, prop);
    EXPECT_EQ(pi->VertPot, seen.back());
}

TEST_F(LiveScroller, ArrowSendsGadgetDownAndProgramMovesTheKnob)
{
    LONG x = 0, y = 0;
    ScreenPoint(down, down->Width / 2, 3, x, y);
    itest::Click(x, y);
    std::vector<itest::Received> messages = itest::Drain(window->UserPort);
    ASSERT_EQ(OfClass(messages, IDCMP_GADGETDOWN).size(), 1u);
    EXPECT_EQ(OfClass(messages, IDCMP_GADGETDOWN)[0].address, down);
    EXPECT_TRUE(OfClass(messages, IDCMP_GADGETUP).empty());   // no GA_RelVerify
    // What the program does on it: a new top, drawn in the window at once.
    LONG kx = 0, ky = 0;
    ScreenPoint(prop, 4, 2, kx, ky);
    ULONG knob = itest::Pixel(kx, ky);
    SetGadgetAttrs(prop, window, nullptr, PGA_Top, 900, TAG_DONE);
    Settle();
    EXPECT_NE(itest::Pixel(kx, ky), knob);
    EXPECT_EQ(static_cast<struct PropInfo *>(prop->SpecialInfo)->VertPot, MAXPOT);
}

TEST(LiveString, TypedTextAndReturnReachTheProgram)
{
    char buffer[32] = "";
    struct Gadget *field = static_cast<struct Gadget *>(NewObject(nullptr, STRGCLASS, GA_ID, 0, GA_Left, 20, GA_Top,
                                                                   40, GA_RelWidth, -40, GA_Height, 12,
                                                                   GA_RelVerify, TRUE, STRINGA_Buffer, buffer,
                                                                   STRINGA_MaxChars, 32, TAG_DONE));
    ASSERT_NE(field, nullptr);
    struct Window *window = itest::OpenFramed("Rename", 200, 200, 300, 100, IDCMP_GADGETUP, false);
    ASSERT_NE(window, nullptr);
    AddGList(window, field, static_cast<ULONG>(-1), -1, nullptr);
    RefreshGList(field, window, nullptr, -1);
    Settle();
    itest::Click(window->LeftEdge + 30, window->TopEdge + 45);
    const char *text = "Tune \xE4";
    for (const char *p = text; *p != '\0'; p++) {
        hosted::PostCharacter(static_cast<UBYTE>(*p));
        itest::Settle();
    }
    EXPECT_STREQ(buffer, "Tune \xE4");
    itest::Key(RAWKEY_RETURN, 0, 13);
    std::vector<itest::Received> messages = itest::Drain(window->UserPort);
    std::vector<itest::Received> up = OfClass(messages, IDCMP_GADGETUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].address, field);
    EXPECT_EQ(up[0].code, 0);
    RemoveGList(window, field, -1);
    itest::CloseQuietly(window);
    DisposeObject(field);
}

}  // namespace
