// propgclass: pots and bodies for a position, the knob dragged and the pots followed live, paging, notification.
#include "boopsi_fixture.h"

#include <vector>

namespace {

using boopsitest::BoopsiTest;

struct PropInfo *InfoOf(APTR prop) { return static_cast<struct PropInfo *>(static_cast<struct Gadget *>(prop)->SpecialInfo); }

IPTR Top(APTR prop)
{
    IPTR top = 0;
    EXPECT_TRUE(GetAttr(PGA_Top, prop, &top));
    return top;
}

class Prop : public BoopsiTest {
protected:
    // A borderless vertical scroller 16 x 200 at (10, 0): its knob is the
    // whole width and moves over 200 rows.
    APTR MakeScroller(ULONG total, ULONG visible, ULONG top, ULONG behaviour = PG_BEHAVIOUR_NICE)
    {
        return NewObject(nullptr, PROPGCLASS, GA_Left, 10, GA_Top, 0, GA_Width, 16, GA_Height, 200, GA_ID, 2,
                         GA_RelVerify, TRUE, GA_Immediate, TRUE, PGA_Borderless, TRUE, PGA_Total, total,
                         PGA_Visible, visible, PGA_Top, top, PGA_NotifyBehaviour, behaviour, PGA_RenderBehaviour,
                         PG_BEHAVIOUR_NICE, TAG_DONE);
    }
};

TEST_F(Prop, PotsAndBodiesFollowTotalVisibleAndTop)
{
    APTR prop = MakeScroller(1000, 100, 0);
    ASSERT_NE(prop, nullptr);
    struct PropInfo *pi = InfoOf(prop);
    ASSERT_NE(pi, nullptr);
    EXPECT_NE(pi->Flags & FREEVERT, 0);
    EXPECT_NE(pi->Flags & PROPBORDERLESS, 0);
    EXPECT_EQ(pi->VertBody, MAXBODY * 100 / 1000);
    EXPECT_EQ(pi->VertPot, 0);
    EXPECT_EQ(pi->HorizBody, MAXBODY);

    SetAttrs(prop, PGA_Top, 450, TAG_DONE);
    EXPECT_EQ(pi->VertPot, MAXPOT * 450 / 900);
    EXPECT_EQ(Top(prop), 450u);
    SetAttrs(prop, PGA_Top, 900, TAG_DONE);
    EXPECT_EQ(pi->VertPot, MAXPOT);
    // Past the end: the last page.
    SetAttrs(prop, PGA_Top, 5000, TAG_DONE);
    EXPECT_EQ(Top(prop), 900u);
    EXPECT_EQ(pi->VertPot, MAXPOT);

    // A smaller total keeps the top within the new range.
    SetAttrs(prop, PGA_Total, 500, TAG_DONE);
    EXPECT_EQ(Top(prop), 400u);
    EXPECT_EQ(pi->VertBody, MAXBODY * 100 / 500);

    // Everything visible: a full knob at the top.
    SetAttrs(prop, PGA_Total, 80, TAG_DONE);
    EXPECT_EQ(pi->VertBody, MAXBODY);
    EXPECT_EQ(pi->VertPot, 0);
    EXPECT_EQ(Top(prop), 0u);
    SetAttrs(prop, PGA_Total, 100, PGA_Top, 3, TAG_DONE);
    EXPECT_EQ(pi->VertBody, MAXBODY);
    EXPECT_EQ(Top(prop), 0u);
    SetAttrs(prop, PGA_Total, 0, TAG_DONE);
    EXPECT_EQ(pi->VertBody, MAXBODY);

    // The lister's largest scroller: 65535 units with a page near the end.
    SetAttrs(prop, PGA_Total, 65535, PGA_Visible, 500, PGA_Top, 65035, TAG_DONE);
    EXPECT_EQ(pi->VertPot, MAXPOT);
    EXPECT_EQ(pi->VertBody, static_cast<UWORD>(65535ull * 500 / 65535));
    DisposeObject(prop);
}

TEST_F(Prop, HorizontalScrollerUsesTheHorizontalPots)
{
    APTR prop = NewObject(nullptr, PROPGCLASS, PGA_Freedom, FREEHORIZ, GA_Width, 100, GA_Height, 10, PGA_Total,
                          400, PGA_Visible, 100, PGA_Top, 150, TAG_DONE);
    ASSERT_NE(prop, nullptr);
    struct PropInfo *pi = InfoOf(prop);
    EXPECT_NE(pi->Flags & FREEHORIZ, 0);
    EXPECT_EQ(pi->Flags & FREEVERT, 0);
    EXPECT_EQ(pi->HorizBody, MAXBODY / 4);
    EXPECT_EQ(pi->HorizPot, MAXPOT * 150 / 300);
    EXPECT_EQ(pi->VertBody, MAXBODY);
    EXPECT_EQ(pi->VertPot, 0);
    IPTR freedom = 0;
    EXPECT_TRUE(GetAttr(PGA_Freedom, prop, &freedom));
    EXPECT_EQ(freedom, static_cast<IPTR>(FREEHORIZ));
    DisposeObject(prop);
}

TEST_F(Prop, DraggingTheKnobChangesThePotsWhileItIsHeld)
{
    APTR prop = MakeScroller(1000, 100, 0);
    ASSERT_NE(prop, nullptr);
    struct PropInfo *pi = InfoOf(prop);
    Render(prop);
    // Knob: 200 * 100 / 1000 = 20 rows at the top; its travel is 180.
    EXPECT_EQ(Press(prop, 8, 5), static_cast<IPTR>(GMR_MEACTIVE));
    EXPECT_NE(pi->Flags & KNOBHIT, 0);

    // Each move shows in the pot at once, before the button comes up.
    std::vector<UWORD> pots;
    for (LONG y = 5; y <= 95; y += 30) {
        EXPECT_EQ(MoveTo(prop, 8, y), static_cast<IPTR>(GMR_MEACTIVE));
        pots.push_back(pi->VertPot);
    }
    EXPECT_EQ(pots.front(), 0);
    for (size_t i = 1; i < pots.size(); i++)
        EXPECT_GT(pots[i], pots[i - 1]);
    // Knob 90 rows down of 180: half way.
    EXPECT_EQ(pi->VertPot, (90 * MAXPOT + 90) / 180);
    EXPECT_EQ(Top(prop), 450u);

    // Dragged beyond either end it stops there.
    MoveTo(prop, 8, 500);
    EXPECT_EQ(pi->VertPot, MAXPOT);
    EXPECT_EQ(Top(prop), 900u);
    MoveTo(prop, 8, -300);
    EXPECT_EQ(pi->VertPot, 0);
    EXPECT_EQ(Top(prop), 0u);

    MoveTo(prop, 8, 41);
    IPTR result = Release(prop, 8, 41);
    EXPECT_EQ(result, static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY));
    EXPECT_EQ(lastTermination, 0);
    EXPECT_EQ(pi->Flags & KNOBHIT, 0);
    EXPECT_EQ(pi->VertPot, (36 * MAXPOT + 90) / 180);
    EXPECT_EQ(Top(prop), (900ull * pi->VertPot + MAXPOT / 2) / MAXPOT);
    DisposeObject(prop);
}

TEST_F(Prop, ClickingBesideTheKnobPagesByOneVisibleAmount)
{
    APTR prop = MakeScroller(1000, 100, 300);
    ASSERT_NE(prop, nullptr);
    Render(prop);
    // Knob at rows 60..79 (pot 300/900 of 180).
    EXPECT_EQ(Press(prop, 8, 190), static_cast<IPTR>(GMR_MEACTIVE));
    EXPECT_EQ(Top(prop), 400u);
    EXPECT_EQ(Release(prop, 8, 190), static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY));
    Press(prop, 8, 2);
    EXPECT_EQ(Top(prop), 300u);
    Release(prop, 8, 2);
    // Paging stops at the ends.
    SetAttrs(prop, PGA_Top, 850, TAG_DONE);
    Press(prop, 8, 199);
    EXPECT_EQ(Top(prop), 900u);
    Release(prop, 8, 199);
    SetAttrs(prop, PGA_Top, 40, TAG_DONE);
    Press(prop, 8, 0);
    EXPECT_EQ(Top(prop), 0u);
    Release(prop, 8, 0);
    DisposeObject(prop);
}

TEST_F(Prop, KnobIsDrawnWhereThePotSaysAndFollowsTheDrag)
{
    APTR prop = MakeScroller(1000, 100, 0);
    ASSERT_NE(prop, nullptr);
    Render(prop);
    // Track in the background pen, knob filled with FILLPEN and bevelled.
    EXPECT_EQ(Pen(17, 10), boopsitest::kBlue);
    EXPECT_EQ(Pen(10, 0), boopsitest::kWhite);    // lit top-left edge
    EXPECT_EQ(Pen(25, 19), boopsitest::kOrange);  // shadowed bottom-right edge
    EXPECT_EQ(Pen(17, 100), boopsitest::kGrey);
    EXPECT_EQ(CountPen(boopsitest::kBlue, 10, 0, 16, 200), 14 * 18);
    EXPECT_EQ(InfoOf(prop)->CHeight, 200);

    Press(prop, 8, 5);
    MoveTo(prop, 8, 95);   // knob now at rows 90..109, lit while held
    EXPECT_EQ(Pen(17, 10), boopsitest::kGrey);
    EXPECT_EQ(Pen(17, 100), boopsitest::kWhite);
    Release(prop, 8, 95);
    EXPECT_EQ(Pen(17, 100), boopsitest::kBlue);
    EXPECT_EQ(CountPen(boopsitest::kBlue, 10, 0, 16, 200), 14 * 18);
    DisposeObject(prop);
}

TEST_F(Prop, DisabledScrollerCannotBeMoved)
{
    APTR prop = MakeScroller(1000, 100, 0);
    ASSERT_NE(prop, nullptr);
    SetAttrs(prop, GA_Disabled, TRUE, TAG_DONE);
    EXPECT_EQ(HitTest(prop, 5, 5), 0u);
    EXPECT_EQ(Press(prop, 8, 5), static_cast<IPTR>(GMR_NOREUSE));
    EXPECT_EQ(Top(prop), 0u);
    DisposeObject(prop);
}

TEST_F(Prop, InterimMovesAreReportedOnlyWithNiceBehaviour)
{
    for (ULONG behaviour : {static_cast<ULONG>(PG_BEHAVIOUR_NICE), static_cast<ULONG>(PG_BEHAVIOUR_COMPATIBLE)}) {
        APTR prop = MakeScroller(1000, 100, 0, behaviour);
        APTR field = NewObject(nullptr, STRGCLASS, GA_Left, 50, GA_Top, 20, GA_Width, 60, GA_Height, 12,
                               STRINGA_LongVal, 0, STRINGA_MaxChars, 8, TAG_DONE);
        ASSERT_NE(prop, nullptr);
        ASSERT_NE(field, nullptr);
        struct TagItem map[] = {{PGA_Top, STRINGA_LongVal}, {TAG_DONE, 0}};
        SetAttrs(prop, ICA_TARGET, field, ICA_MAP, map, TAG_DONE);
        Press(prop, 8, 5);
        MoveTo(prop, 8, 95);
        LONG during = -1;
        GetAttr(STRINGA_LongVal, field, &during);
        Release(prop, 8, 95);
        LONG after = -1;
        GetAttr(STRINGA_LongVal, field, &after);
        if (behaviour == PG_BEHAVIOUR_NICE)
            EXPECT_EQ(during, 450);
        else
            EXPECT_EQ(during, 0);
        EXPECT_EQ(after, 450);
        DisposeObject(field);
        DisposeObject(prop);
    }
}

}  // namespace
