// buttongclass and frbuttonclass: pressing, toggling, disabling, looks; gadgetclass positions, flags and links.
#include "boopsi_fixture.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using boopsitest::BoopsiTest;

struct Gadget *G(APTR g) { return static_cast<struct Gadget *>(g); }
bool Selected(APTR g) { return (G(g)->Flags & GFLG_SELECTED) != 0; }

class Buttons : public BoopsiTest {
protected:
    // The bounding box of a pen's pixels in a rectangle.
    struct Extent {
        LONG x0 = INT32_MAX, y0 = INT32_MAX, x1 = INT32_MIN, y1 = INT32_MIN;
    };
    Extent ExtentOf(LONG pen, LONG left, LONG top, LONG width, LONG height)
    {
        Extent e;
        for (LONG y = top; y < top + height; y++)
            for (LONG x = left; x < left + width; x++)
                if (Pen(x, y) == pen) {
                    e.x0 = std::min(e.x0, x);
                    e.y0 = std::min(e.y0, y);
                    e.x1 = std::max(e.x1, x);
                    e.y1 = std::max(e.y1, y);
                }
        return e;
    }
};

TEST_F(Buttons, ImageButtonIsPressedWhileHeldAndVerifiesOnlyInside)
{
    APTR arrow = NewObject(nullptr, SYSICLASS, SYSIA_Which, UPIMAGE, SYSIA_DrawInfo, &dri, TAG_DONE);
    ASSERT_NE(arrow, nullptr);
    APTR g = NewObject(nullptr, BUTTONGCLASS, GA_Left, 40, GA_Top, 50, GA_Image, arrow, GA_Immediate, TRUE,
                       GA_RelVerify, TRUE, GA_ID, 1, TAG_DONE);
    ASSERT_NE(g, nullptr);
    // As large as its image.
    EXPECT_EQ(G(g)->Width, static_cast<struct Image *>(arrow)->Width);
    EXPECT_EQ(G(g)->Height, static_cast<struct Image *>(arrow)->Height);
    EXPECT_NE(G(g)->Flags & GFLG_GADGIMAGE, 0);
    EXPECT_EQ(G(g)->Activation & (GACT_IMMEDIATE | GACT_RELVERIFY), GACT_IMMEDIATE | GACT_RELVERIFY);

    Render(g);
    LONG cx = 40 + G(g)->Width / 2, cy = 50 + 2;
    EXPECT_EQ(Pen(cx, cy), boopsitest::kGrey);   // an unpressed face
    EXPECT_EQ(Press(g, 3, 3), static_cast<IPTR>(GMR_MEACTIVE));
    EXPECT_TRUE(Selected(g));
    EXPECT_EQ(Pen(cx, cy), boopsitest::kBlue);   // pressed: drawn selected
    // Sliding off lets it out; sliding back presses it again.
    EXPECT_EQ(MoveTo(g, -5, 3), static_cast<IPTR>(GMR_MEACTIVE));
    EXPECT_FALSE(Selected(g));
    EXPECT_EQ(Pen(cx, cy), boopsitest::kGrey);
    MoveTo(g, 3, 3);
    EXPECT_TRUE(Selected(g));
    EXPECT_EQ(Release(g, 3, 3), static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY));
    EXPECT_EQ(lastTermination, 0);
    EXPECT_FALSE(Selected(g));

    Press(g, 3, 3);
    EXPECT_EQ(Release(g, 100, 3), static_cast<IPTR>(GMR_NOREUSE));
    EXPECT_FALSE(Selected(g));
    // The other button abandons a press.
    Press(g, 3, 3);
    EXPECT_EQ(Input(g, GM_HANDLEINPUT, Mouse(IECODE_RBUTTON), 3, 3), static_cast<IPTR>(GMR_NOREUSE));
    EXPECT_FALSE(Selected(g));
    DisposeObject(g);
    DisposeObject(arrow);
}

TEST_F(Buttons, ToggleButtonsChangeOnEachClick)
{
    APTR frame = NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE);
    APTR g = NewObject(nullptr, FRBUTTONCLASS, GA_Left, 10, GA_Top, 10, GA_Width, 64, GA_Height, 14, GA_Text,
                       "Enable", GA_Image, frame, GA_ToggleSelect, TRUE, GA_Selected, TRUE, GA_RelVerify, TRUE,
                       TAG_DONE);
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(Selected(g));
    EXPECT_EQ(Press(g, 5, 5), static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY));
    EXPECT_FALSE(Selected(g));
    IPTR selected = 1;
    EXPECT_TRUE(GetAttr(GA_Selected, g, &selected));
    EXPECT_EQ(selected, 0u);
    GoInactive(g);
    EXPECT_FALSE(Selected(g));   // ending does not undo a toggle
    Press(g, 5, 5);
    EXPECT_TRUE(Selected(g));

    // One of a group is chosen by the program: only a change asks for a redraw.
    EXPECT_NE(SetGadgetAttrs(G(g), nullptr, nullptr, GA_Selected, FALSE, TAG_DONE), 0u);
    EXPECT_EQ(SetGadgetAttrs(G(g), nullptr, nullptr, GA_Selected, FALSE, TAG_DONE), 0u);
    EXPECT_FALSE(Selected(g));
    DisposeObject(g);
    DisposeObject(frame);
}

TEST_F(Buttons, FramedButtonDrawsItsLabelCentredInTheFrame)
{
    APTR frame = NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE);
    APTR g = NewObject(nullptr, FRBUTTONCLASS, GA_Left, 30, GA_Top, 20, GA_Width, 80, GA_Height, 20, GA_Text, "OK",
                       GA_Image, frame, GA_DrawInfo, &dri, TAG_DONE);
    ASSERT_NE(g, nullptr);
    IPTR label = 0;
    EXPECT_TRUE(GetAttr(GA_Text, g, &label));
    EXPECT_STREQ(reinterpret_cast<const char *>(label), "OK");
    Render(g);
    // Raised: lit top and left, shadowed bottom and right, the face in the background pen.
    EXPECT_EQ(Pen(30, 30), boopsitest::kWhite);
    EXPECT_EQ(Pen(60, 20), boopsitest::kWhite);
    EXPECT_EQ(Pen(109, 30), boopsitest::kOrange);
    EXPECT_EQ(Pen(60, 39), boopsitest::kOrange);
    EXPECT_EQ(Pen(33, 23), boopsitest::kGrey);
    // The label's ink sits in the middle.
    Extent ink = ExtentOf(boopsitest::kBlack, 31, 21, 78, 18);
    ASSERT_LE(ink.x0, ink.x1);
    EXPECT_LE(std::abs((ink.x0 - 30) - (109 - ink.x1)), 3);
    EXPECT_GT(ink.y0, 21);
    EXPECT_LT(ink.y1, 38);

    // Pressed: recessed, filled, the label in the fill's text pen.
    Press(g, 5, 5);
    EXPECT_EQ(Pen(30, 30), boopsitest::kOrange);
    EXPECT_EQ(Pen(109, 30), boopsitest::kWhite);
    EXPECT_EQ(Pen(33, 23), boopsitest::kBlue);
    EXPECT_EQ(CountPen(boopsitest::kBlack, 31, 21, 78, 18), 0);
    EXPECT_GT(CountPen(boopsitest::kWhite, 40, 22, 60, 16), 10);
    Release(g, 5, 5);
    EXPECT_EQ(Pen(33, 23), boopsitest::kGrey);
    DisposeObject(g);
    DisposeObject(frame);
}

TEST_F(Buttons, FramedButtonWithoutSizeFitsItsLabel)
{
    APTR frame = NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE);
    APTR g = NewObject(nullptr, FRBUTTONCLASS, GA_Text, "Cancel", GA_Image, frame, GA_DrawInfo, &dri, TAG_DONE);
    ASSERT_NE(g, nullptr);
    struct RastPort measure;
    InitRastPort(&measure);
    SetFont(&measure, hosted::TestFont());
    LONG text = TextLength(&measure, "Cancel", 6);
    EXPECT_GT(G(g)->Width, text);
    EXPECT_GT(G(g)->Height, hosted::TestFont()->tf_YSize);
    // Without a DrawInfo it is measured with the screen's font.
    APTR plain = NewObject(nullptr, FRBUTTONCLASS, GA_Text, "Cancel", GA_Image, frame, TAG_DONE);
    ASSERT_NE(plain, nullptr);
    SetFont(&measure, hosted::ScreenFont());
    EXPECT_GT(G(plain)->Width, TextLength(&measure, "Cancel", 6));
    EXPECT_GT(G(plain)->Height, hosted::ScreenFont()->tf_YSize);
    DisposeObject(plain);
    DisposeObject(g);
    DisposeObject(frame);
}

TEST_F(Buttons, DisabledButtonsAreFadedAndCannotBeHit)
{
    APTR frame = NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE);
    APTR g = NewObject(nullptr, FRBUTTONCLASS, GA_Left, 10, GA_Top, 10, GA_Width, 64, GA_Height, 16, GA_Text,
                       "Version", GA_Image, frame, TAG_DONE);
    ASSERT_NE(g, nullptr);
    Render(g);
    int label = CountPen(boopsitest::kBlack, 11, 11, 62, 14);
    int edge = CountPen(boopsitest::kWhite, 10, 10, 64, 1);
    ASSERT_GT(label, 20);
    EXPECT_EQ(HitTest(g, 5, 5), static_cast<IPTR>(GMR_GADGETHIT));

    SetAttrs(g, GA_Disabled, TRUE, TAG_DONE);
    EXPECT_NE(G(g)->Flags & GFLG_DISABLED, 0);
    EXPECT_EQ(HitTest(g, 5, 5), 0u);
    EXPECT_EQ(Press(g, 5, 5), static_cast<IPTR>(GMR_NOREUSE));
    EXPECT_FALSE(Selected(g));
    SetRast(&rp, boopsitest::kGrey);
    Render(g);
    // Every other pixel of label and frame gives way to the background.
    EXPECT_NEAR(CountPen(boopsitest::kBlack, 11, 11, 62, 14), label / 2, label / 8 + 2);
    EXPECT_NEAR(CountPen(boopsitest::kWhite, 10, 10, 64, 1), edge / 2, 1);
    DisposeObject(g);
    DisposeObject(frame);
}

TEST_F(Buttons, RelativePlacementFlagsAndBoxes)
{
    // The lister's vertical scroller and down arrow in a 400 x 300 window
    // with a right border of 18 and a bottom border of 12.
    APTR arrow = NewObject(nullptr, SYSICLASS, SYSIA_Which, DOWNIMAGE, SYSIA_DrawInfo, &dri, TAG_DONE);
    ASSERT_NE(arrow, nullptr);
    WORD ah = static_cast<struct Image *>(arrow)->Height;
    APTR down = NewObject(nullptr, BUTTONGCLASS, GA_ID, 0, GA_RightBorder, TRUE, GA_Image, arrow, GA_Immediate,
                          TRUE, GA_RelRight, 1 - 18, GA_RelBottom, 1 - 12 - ah, TAG_DONE);
    APTR prop = NewObject(nullptr, PROPGCLASS, GA_ID, 2, GA_Previous, down, GA_RightBorder, TRUE, GA_RelVerify,
                          TRUE, PGA_Borderless, TRUE, GA_RelRight, 3 - 18, GA_Width, 18 - 4, GA_Top, 21,
                          GA_RelHeight, 1 - 12 - ah - 20 - 3, GA_UserData, 0x1234, GA_FollowMouse, TRUE, TAG_DONE);
    ASSERT_NE(down, nullptr);
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(G(down)->NextGadget, G(prop));   // GA_Previous links behind it
    EXPECT_EQ(G(prop)->NextGadget, nullptr);

    EXPECT_EQ(G(down)->Flags & (GFLG_RELRIGHT | GFLG_RELBOTTOM), GFLG_RELRIGHT | GFLG_RELBOTTOM);
    EXPECT_EQ(G(down)->LeftEdge, -17);
    EXPECT_EQ(G(down)->TopEdge, 1 - 12 - ah);
    EXPECT_NE(G(down)->Activation & GACT_RIGHTBORDER, 0);
    EXPECT_EQ(G(prop)->Flags & (GFLG_RELRIGHT | GFLG_RELHEIGHT | GFLG_RELBOTTOM | GFLG_RELWIDTH),
              GFLG_RELRIGHT | GFLG_RELHEIGHT);
    EXPECT_EQ(G(prop)->Height, 1 - 12 - ah - 20 - 3);
    EXPECT_EQ(G(prop)->Activation & (GACT_RELVERIFY | GACT_FOLLOWMOUSE | GACT_RIGHTBORDER),
              GACT_RELVERIFY | GACT_FOLLOWMOUSE | GACT_RIGHTBORDER);
    EXPECT_EQ(G(prop)->UserData, reinterpret_cast<APTR>(0x1234));

    info.gi_Domain = {0, 0, 400, 300};
    struct IBox box{};
    hosted::GadgetBox(G(down), &info, &box);
    EXPECT_EQ(box.Left, 400 - 18);
    EXPECT_EQ(box.Top, 300 - 12 - ah);
    hosted::GadgetBox(G(prop), &info, &box);
    EXPECT_EQ(box.Left, 400 - 18 + 2);
    EXPECT_EQ(box.Width, 14);
    EXPECT_EQ(box.Top, 21);
    // A pixel of air between the scroller and the arrow.
    EXPECT_EQ(box.Top + box.Height, 300 - 12 - ah - 1);

    // Back to fixed places: the flags go.
    SetAttrs(prop, GA_Left, 5, GA_Height, 50, GA_RelWidth, -10, GA_BottomBorder, TRUE, GA_RightBorder, FALSE,
             TAG_DONE);
    EXPECT_EQ(G(prop)->Flags & (GFLG_RELRIGHT | GFLG_RELHEIGHT | GFLG_RELWIDTH), GFLG_RELWIDTH);
    EXPECT_EQ(G(prop)->Activation & (GACT_BOTTOMBORDER | GACT_RIGHTBORDER), GACT_BOTTOMBORDER);
    hosted::GadgetBox(G(prop), &info, &box);
    EXPECT_EQ(box.Width, 390);
    DisposeObject(prop);
    DisposeObject(down);
    DisposeObject(arrow);
}

}  // namespace
