// Interconnection (ICA_TARGET, ICA_MAP, ICTARGET_IDCMP, modelclass), the window services, and gadget descriptions.
#include "boopsi_fixture.h"

#include <proto/utility.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using boopsitest::BoopsiTest;

LONG LongVal(APTR field)
{
    LONG v = -1;
    EXPECT_TRUE(GetAttr(STRINGA_LongVal, field, &v));
    return v;
}

IPTR Top(APTR prop)
{
    IPTR top = 0;
    EXPECT_TRUE(GetAttr(PGA_Top, prop, &top));
    return top;
}

class Connect : public BoopsiTest {
protected:
    // A colour row of a settings window: a slider 0..255 and a field of at
    // most three digits, each the other's target.
    void MakeRow()
    {
        slider = NewObject(nullptr, PROPGCLASS, GA_Left, 10, GA_Top, 10, GA_Width, 255 + 8, GA_Height, 12, GA_ID,
                           101, PGA_Freedom, FREEHORIZ, PGA_Borderless, TRUE, PGA_Total, 256, PGA_Visible, 1, PGA_Top, 0,
                           PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE, TAG_DONE);
        field = NewObject(nullptr, STRGCLASS, GA_Left, 10, GA_Top, 40, GA_Width, 40, GA_Height, 12, GA_ID, 102,
                          STRINGA_MaxChars, 4, STRINGA_LongVal, 0, TAG_DONE);
        ASSERT_NE(slider, nullptr);
        ASSERT_NE(field, nullptr);
        SetAttrs(slider, ICA_TARGET, field, ICA_MAP, toField, TAG_DONE);
        SetAttrs(field, ICA_TARGET, slider, ICA_MAP, toSlider, TAG_DONE);
    }
    void TearDown() override
    {
        DisposeObject(slider);
        DisposeObject(field);
        BoopsiTest::TearDown();
    }
    struct TagItem toField[2] = {{PGA_Top, STRINGA_LongVal}, {TAG_DONE, 0}};
    struct TagItem toSlider[2] = {{STRINGA_LongVal, PGA_Top}, {TAG_DONE, 0}};
    APTR slider = nullptr;
    APTR field = nullptr;
};

TEST_F(Connect, DraggingTheSliderShowsItsValueInTheField)
{
    MakeRow();
    IPTR target = 0;
    EXPECT_TRUE(GetAttr(ICA_TARGET, slider, &target));
    EXPECT_EQ(target, reinterpret_cast<IPTR>(field));
    // Knob: 8 pixels of a 263 container: it moves a pixel for each of the
    // 256 positions.
    Render(slider);
    Render(field);
    Press(slider, 2, 5);
    MoveTo(slider, 2 + 100, 5);
    EXPECT_EQ(Top(slider), 100u);
    EXPECT_EQ(LongVal(field), 100);
    EXPECT_STREQ(static_cast<struct StringInfo *>(static_cast<struct Gadget *>(field)->SpecialInfo)->Buffer, "100");
    MoveTo(slider, 2 + 255, 5);
    EXPECT_EQ(LongVal(field), 255);
    Release(slider, 2 + 255, 5);
    EXPECT_EQ(LongVal(field), 255);
    // The field was drawn anew: its text is not the "0" it started with.
    int ink = CountPen(boopsitest::kBlack, 10, 40, 40, 12);
    EXPECT_GT(ink, 30);
}

TEST_F(Connect, TypingANumberMovesTheSlider)
{
    MakeRow();
    Press(field, 39, 5);
    Type(field, RAWKEY_BACKSPACE);
    Type(field, 0x01);   // 1
    EXPECT_EQ(Top(slider), 1u);
    Type(field, 0x06);   // 6
    EXPECT_EQ(Top(slider), 16u);
    EXPECT_EQ(Type(field, RAWKEY_RETURN), static_cast<IPTR>(GMR_NOREUSE | GMR_VERIFY));
    GoInactive(field);
    EXPECT_EQ(Top(slider), 16u);
    EXPECT_EQ(LongVal(field), 16);

    // A number past the slider's end: the slider stops at its end, and once
    // editing is over the field shows where it stopped.
    Press(field, 39, 5);
    Type(field, 0x03);   // 163
    EXPECT_EQ(Top(slider), 163u);
    Type(field, 0x09);   // 1639 does not fit in three digits
    EXPECT_EQ(LongVal(field), 163);
    Type(field, RAWKEY_BACKSPACE);
    Type(field, RAWKEY_BACKSPACE);
    Type(field, 0x09);
    Type(field, 0x09);   // 199
    Type(field, RAWKEY_HOME);
    Type(field, 0x03);   // 3199 does not fit; 399 would:
    Type(field, RAWKEY_DEL);
    Type(field, 0x03);   // 399
    EXPECT_EQ(LongVal(field), 399);
    EXPECT_EQ(Top(slider), 255u);
    Type(field, RAWKEY_RETURN);
    GoInactive(field);
    EXPECT_EQ(LongVal(field), 255);
}

TEST_F(Connect, TwoWayLinksSettleWithoutLooping)
{
    MakeRow();
    SetAttrs(slider, PGA_Top, 42, TAG_DONE);
    EXPECT_EQ(LongVal(field), 42);
    SetAttrs(field, STRINGA_LongVal, 77, TAG_DONE);
    EXPECT_EQ(Top(slider), 77u);
    SetAttrs(field, STRINGA_LongVal, 1000, TAG_DONE);
    EXPECT_EQ(Top(slider), 255u);
    EXPECT_EQ(LongVal(field), 255);
}

struct Sent {
    std::vector<std::pair<Tag, IPTR>> tags;
    UWORD code = 0;
    struct Gadget *gadget = nullptr;
    int count = 0;
};
Sent gSent;

void RecordUpdate(struct GadgetInfo *, struct Gadget *gadget, const struct TagItem *tags, UWORD code)
{
    gSent.count++;
    gSent.gadget = gadget;
    gSent.code = code;
    gSent.tags.clear();
    const struct TagItem *walk = tags;
    while (struct TagItem *item = NextTagItem(&walk))
        gSent.tags.emplace_back(item->ti_Tag, item->ti_Data);
}

TEST_F(Connect, IdcmpTargetSendsTheChangesToTheWindow)
{
    hosted::WindowServices services{};
    services.sendUpdate = RecordUpdate;
    hosted::SetWindowServices(services);
    gSent = Sent{};
    APTR prop = NewObject(nullptr, PROPGCLASS, GA_Width, 16, GA_Height, 200, GA_ID, 9, PGA_Total, 1000,
                          PGA_Visible, 100, ICA_TARGET, ICTARGET_IDCMP, TAG_DONE);
    ASSERT_NE(prop, nullptr);
    Press(prop, 8, 5);
    MoveTo(prop, 8, 95);
    EXPECT_EQ(gSent.count, 0);   // compatible behaviour: only the final place
    Release(prop, 8, 95);
    ASSERT_EQ(gSent.count, 1);
    EXPECT_EQ(gSent.gadget, static_cast<struct Gadget *>(prop));
    ASSERT_EQ(gSent.tags.size(), 2u);
    EXPECT_EQ(gSent.tags[0].first, static_cast<Tag>(PGA_Top));
    EXPECT_EQ(gSent.tags[0].second, Top(prop));
    EXPECT_EQ(gSent.tags[1].first, static_cast<Tag>(GA_ID));
    EXPECT_EQ(gSent.tags[1].second, 9u);
    // With a map, and the code taken from ICSPECIAL_CODE.
    struct TagItem map[] = {{PGA_Top, TAG_USER + 55}, {GA_ID, ICSPECIAL_CODE}, {TAG_DONE, 0}};
    SetAttrs(prop, ICA_MAP, map, TAG_DONE);
    Press(prop, 8, 198);   // a page down
    Release(prop, 8, 198);
    EXPECT_EQ(gSent.tags[0].first, TAG_USER + 55);
    EXPECT_EQ(gSent.tags[0].second, Top(prop));
    EXPECT_EQ(gSent.code, 9);
    // Without a window (no GadgetInfo) there is nowhere to send to.
    int sent = gSent.count;
    SetAttrs(prop, PGA_Top, 3, TAG_DONE);
    EXPECT_EQ(gSent.count, sent);
    DisposeObject(prop);
}

TEST_F(Connect, ModelPassesChangesToEveryMember)
{
    APTR model = NewObject(nullptr, MODELCLASS, TAG_DONE);
    APTR a = NewObject(nullptr, STRGCLASS, STRINGA_LongVal, 0, TAG_DONE);
    APTR b = NewObject(nullptr, STRGCLASS, STRINGA_LongVal, 0, TAG_DONE);
    APTR prop = NewObject(nullptr, PROPGCLASS, PGA_Total, 100, PGA_Visible, 10, TAG_DONE);
    ASSERT_NE(model, nullptr);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    ASSERT_NE(prop, nullptr);
    struct TagItem map[] = {{PGA_Top, STRINGA_LongVal}, {TAG_DONE, 0}};
    // Members hear what the model hears; the map of the sender applies.
    struct IClass *ic = hosted::FindPublicClass(ICCLASS);
    ASSERT_NE(ic, nullptr);
    APTR mapper = NewObject(ic, nullptr, ICA_TARGET, model, ICA_MAP, map, TAG_DONE);
    ASSERT_NE(mapper, nullptr);
    DoMethod(static_cast<Object *>(model), OM_ADDMEMBER, a);
    DoMethod(static_cast<Object *>(model), OM_ADDMEMBER, b);
    SetAttrs(prop, ICA_TARGET, mapper, TAG_DONE);
    SetAttrs(prop, PGA_Top, 33, TAG_DONE);
    EXPECT_EQ(LongVal(a), 33);
    EXPECT_EQ(LongVal(b), 33);
    DoMethod(static_cast<Object *>(model), OM_REMMEMBER, b);
    SetAttrs(prop, PGA_Top, 44, TAG_DONE);
    EXPECT_EQ(LongVal(a), 44);
    EXPECT_EQ(LongVal(b), 33);
    DisposeObject(prop);
    DisposeObject(mapper);
    DisposeObject(b);
    DisposeObject(model);   // takes its member a along
}

// A window side that hands out the fixture's GadgetInfo and counts rastports.
struct GadgetInfo *gInfo = nullptr;
int gObtained = 0;
int gReleased = 0;
void WithInfo(struct Window *window, struct Requester *, void (*work)(struct GadgetInfo *, void *), void *data)
{
    work(window != nullptr ? gInfo : nullptr, data);
}
struct RastPort *ObtainPort(struct GadgetInfo *info)
{
    gObtained++;
    return info->gi_RastPort;
}
void ReleasePort(struct RastPort *) { gReleased++; }

TEST_F(Connect, SetGadgetAttrsRedrawsInTheWindow)
{
    hosted::WindowServices services{};
    services.withGadgetInfo = WithInfo;
    services.obtainRPort = ObtainPort;
    services.releaseRPort = ReleasePort;
    hosted::SetWindowServices(services);
    gInfo = &info;
    gObtained = gReleased = 0;
    APTR frame = NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE);
    APTR g = NewObject(nullptr, FRBUTTONCLASS, GA_Left, 10, GA_Top, 10, GA_Width, 60, GA_Height, 16, GA_Text,
                       "Name", GA_Image, frame, GA_ToggleSelect, TRUE, TAG_DONE);
    ASSERT_NE(g, nullptr);
    struct Window window{};
    // Outside a window nothing is drawn.
    SetGadgetAttrs(static_cast<struct Gadget *>(g), nullptr, nullptr, GA_Selected, TRUE, TAG_DONE);
    EXPECT_EQ(gObtained, 0);
    EXPECT_EQ(Pen(20, 15), boopsitest::kGrey);
    // In a window: drawn at once, selected.
    SetGadgetAttrs(static_cast<struct Gadget *>(g), &window, nullptr, GA_Selected, FALSE, TAG_DONE);
    SetGadgetAttrs(static_cast<struct Gadget *>(g), &window, nullptr, GA_Selected, TRUE, TAG_DONE);
    EXPECT_EQ(gObtained, 2);
    EXPECT_EQ(gReleased, 2);
    EXPECT_EQ(Pen(20, 15), boopsitest::kBlue);
    // No change, no drawing.
    SetGadgetAttrs(static_cast<struct Gadget *>(g), &window, nullptr, GA_Selected, TRUE, TAG_DONE);
    EXPECT_EQ(gObtained, 2);
    // The prop's new place shows at once too.
    APTR prop = NewObject(nullptr, PROPGCLASS, GA_Left, 100, GA_Top, 0, GA_Width, 16, GA_Height, 100, PGA_Borderless,
                          TRUE, PGA_Total, 10, PGA_Visible, 5, TAG_DONE);
    ASSERT_NE(prop, nullptr);
    SetGadgetAttrs(static_cast<struct Gadget *>(prop), &window, nullptr, PGA_Top, 5, TAG_DONE);
    EXPECT_EQ(Pen(108, 90), boopsitest::kBlue);
    EXPECT_EQ(Pen(108, 10), boopsitest::kGrey);
    DisposeObject(prop);
    DisposeObject(g);
    DisposeObject(frame);
}

TEST_F(Connect, GadgetsDescribeThemselvesForTheAutomation)
{
    APTR frame = NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE);
    APTR button = NewObject(nullptr, FRBUTTONCLASS, GA_Text, "OK", GA_Image, frame, GA_Width, 40, GA_Height, 14,
                            TAG_DONE);
    char text[32] = "Work:";
    APTR str = NewObject(nullptr, STRGCLASS, STRINGA_Buffer, text, STRINGA_MaxChars, 32, TAG_DONE);
    APTR num = NewObject(nullptr, STRGCLASS, STRINGA_LongVal, -12, TAG_DONE);
    APTR vprop = NewObject(nullptr, PROPGCLASS, PGA_Total, 10, PGA_Visible, 5, PGA_Top, 5, TAG_DONE);
    APTR hprop = NewObject(nullptr, PROPGCLASS, PGA_Freedom, FREEHORIZ, PGA_Total, 10, PGA_Visible, 5, TAG_DONE);
    struct IClass *mine = MakeClass(nullptr, nullptr, hosted::FindPublicClass(BUTTONGCLASS), 0, 0);
    ASSERT_NE(mine, nullptr);
    mine->cl_Dispatcher.h_Entry = hosted::FindPublicClass(BUTTONGCLASS)->cl_Dispatcher.h_Entry;
    APTR own = NewObject(mine, nullptr, GA_Text, "Mine", TAG_DONE);

    hosted::GadgetDescription d{};
    ASSERT_TRUE(hosted::DescribeGadget(static_cast<struct Gadget *>(button), &d));
    EXPECT_STREQ(d.className, "frbuttonclass");
    EXPECT_STREQ(d.label, "OK");
    EXPECT_FALSE(d.hasText || d.isInteger || d.hasPot);
    ASSERT_TRUE(hosted::DescribeGadget(static_cast<struct Gadget *>(str), &d));
    EXPECT_STREQ(d.className, "strgclass");
    EXPECT_TRUE(d.hasText);
    EXPECT_STREQ(d.text, "Work:");
    ASSERT_TRUE(hosted::DescribeGadget(static_cast<struct Gadget *>(num), &d));
    EXPECT_TRUE(d.isInteger);
    EXPECT_EQ(d.number, -12);
    ASSERT_TRUE(hosted::DescribeGadget(static_cast<struct Gadget *>(vprop), &d));
    EXPECT_STREQ(d.className, "propgclass");
    EXPECT_TRUE(d.hasPot);
    EXPECT_EQ(d.pot, static_cast<ULONG>(MAXPOT));
    ASSERT_TRUE(hosted::DescribeGadget(static_cast<struct Gadget *>(hprop), &d));
    EXPECT_EQ(d.pot, 0u);
    // A private class is shown by its nearest public ancestor.
    ASSERT_TRUE(hosted::DescribeGadget(static_cast<struct Gadget *>(own), &d));
    EXPECT_STREQ(d.className, "buttongclass");
    EXPECT_STREQ(d.label, "Mine");

    EXPECT_TRUE(hosted::TakesKeys(static_cast<struct Gadget *>(str)));
    EXPECT_TRUE(hosted::TakesKeys(static_cast<struct Gadget *>(num)));
    EXPECT_FALSE(hosted::TakesKeys(static_cast<struct Gadget *>(button)));

    // A classic gadget is no object.
    struct Gadget classic{};
    classic.GadgetType = GTYP_BOOLGADGET;
    EXPECT_FALSE(hosted::DescribeGadget(&classic, &d));
    EXPECT_FALSE(hosted::TakesKeys(&classic));

    for (APTR o : {button, str, num, vprop, hprop, own, frame})
        DisposeObject(o);
    EXPECT_TRUE(FreeClass(mine));
}

}  // namespace
