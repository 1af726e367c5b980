// What the BOOPSI tests share: a chunky canvas with a rastport, a DrawInfo in the default palette,
// a GadgetInfo, fabricated input events and the gadget methods driven as intuition drives them.
#ifndef BOOPSI_FIXTURE_H
#define BOOPSI_FIXTURE_H

#include <devices/inputevent.h>
#include <hosted/boopsi.h>
#include <hosted/graphics.h>
#include <intuition/cghooks.h>
#include <intuition/gadgetclass.h>
#include <intuition/icclass.h>
#include <intuition/imageclass.h>
#include <intuition/intuition.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <gtest/gtest.h>

namespace boopsitest {

// Pens of the default palette (no colour map): each role a colour of its
// own, so pixels tell which role drew them.
enum TestPen : UWORD {
    kGrey = 0,      // 0xAAAAAA: background
    kBlack = 1,     // text
    kWhite = 2,     // shine
    kBlue = 3,      // fill
    kOrange = 7,    // 0xFFAA22: shadow
    kBrown = 6,     // 0xBBAA99: block (ghosting)
};

class BoopsiTest : public ::testing::Test {
protected:
    static constexpr LONG kWidth = 320;
    static constexpr LONG kHeight = 200;

    void SetUp() override
    {
        // The classes alone: no window side, GadgetInfos drawn into directly.
        savedServices = hosted::CurrentWindowServices();
        hosted::SetWindowServices(hosted::WindowServices{});
        bitmap = hosted::AllocChunkyBitMap(kWidth, kHeight, PIXFMT_BGRA32, true);
        ASSERT_NE(bitmap, nullptr);
        InitRastPort(&rp);
        rp.BitMap = bitmap;
        SetRast(&rp, kGrey);
        pens[DETAILPEN] = kGrey;
        pens[BLOCKPEN] = kBrown;
        pens[TEXTPEN] = kBlack;
        pens[SHINEPEN] = kWhite;
        pens[SHADOWPEN] = kOrange;
        pens[FILLPEN] = kBlue;
        pens[FILLTEXTPEN] = kWhite;
        pens[BACKGROUNDPEN] = kGrey;
        pens[HIGHLIGHTTEXTPEN] = kWhite;
        pens[BARDETAILPEN] = kBlack;
        pens[BARBLOCKPEN] = kWhite;
        pens[BARTRIMPEN] = kBlack;
        dri.dri_Version = 2;
        dri.dri_NumPens = NUMDRIPENS;
        dri.dri_Pens = pens;
        dri.dri_Font = hosted::TestFont();
        dri.dri_Depth = 32;
        info.gi_RastPort = &rp;
        info.gi_DrInfo = &dri;
        info.gi_Domain = {0, 0, kWidth, kHeight};
    }

    void TearDown() override
    {
        FreeBitMap(bitmap);
        hosted::SetWindowServices(savedServices);
    }

    LONG Pen(LONG x, LONG y) { return ReadPixel(&rp, x, y); }

    // Counts the pixels of a pen in a rectangle.
    int CountPen(LONG pen, LONG left, LONG top, LONG width, LONG height)
    {
        int n = 0;
        for (LONG y = top; y < top + height; y++)
            for (LONG x = left; x < left + width; x++)
                n += ReadPixel(&rp, x, y) == pen;
        return n;
    }

    static struct InputEvent Mouse(UWORD code)
    {
        struct InputEvent ie{};
        ie.ie_Class = IECLASS_RAWMOUSE;
        ie.ie_Code = code;
        return ie;
    }
    static struct InputEvent Key(UWORD code, UWORD qualifier = 0)
    {
        struct InputEvent ie{};
        ie.ie_Class = IECLASS_RAWKEY;
        ie.ie_Code = code;
        ie.ie_Qualifier = qualifier;
        return ie;
    }

    // The methods, with the mouse given relative to the gadget's box as
    // intuition gives it.
    IPTR Input(APTR gadget, ULONG method, struct InputEvent ie, LONG x, LONG y, LONG *termination = nullptr)
    {
        struct gpInput msg{};
        msg.MethodID = method;
        msg.gpi_GInfo = &info;
        msg.gpi_IEvent = &ie;
        msg.gpi_Termination = termination != nullptr ? termination : &lastTermination;
        msg.gpi_Mouse.X = static_cast<WORD>(x);
        msg.gpi_Mouse.Y = static_cast<WORD>(y);
        return DoMethodA(static_cast<Object *>(gadget), reinterpret_cast<Msg>(&msg));
    }
    IPTR Press(APTR g, LONG x, LONG y) { return Input(g, GM_GOACTIVE, Mouse(IECODE_LBUTTON), x, y); }
    IPTR MoveTo(APTR g, LONG x, LONG y) { return Input(g, GM_HANDLEINPUT, Mouse(IECODE_NOBUTTON), x, y); }
    IPTR Release(APTR g, LONG x, LONG y)
    {
        return Input(g, GM_HANDLEINPUT, Mouse(IECODE_LBUTTON | IECODE_UP_PREFIX), x, y);
    }
    IPTR Type(APTR g, UWORD code, UWORD qualifier = 0)
    {
        return Input(g, GM_HANDLEINPUT, Key(code, qualifier), 0, 0);
    }
    IPTR HitTest(APTR g, LONG x, LONG y)
    {
        struct gpHitTest msg{};
        msg.MethodID = GM_HITTEST;
        msg.gpht_GInfo = &info;
        msg.gpht_Mouse.X = static_cast<WORD>(x);
        msg.gpht_Mouse.Y = static_cast<WORD>(y);
        return DoMethodA(static_cast<Object *>(g), reinterpret_cast<Msg>(&msg));
    }
    void GoInactive(APTR g, ULONG abort = 0)
    {
        struct gpGoInactive msg{};
        msg.MethodID = GM_GOINACTIVE;
        msg.gpgi_GInfo = &info;
        msg.gpgi_Abort = abort;
        DoMethodA(static_cast<Object *>(g), reinterpret_cast<Msg>(&msg));
    }
    void Render(APTR g, LONG redraw = GREDRAW_REDRAW)
    {
        struct gpRender msg{};
        msg.MethodID = GM_RENDER;
        msg.gpr_GInfo = &info;
        msg.gpr_RPort = &rp;
        msg.gpr_Redraw = redraw;
        DoMethodA(static_cast<Object *>(g), reinterpret_cast<Msg>(&msg));
    }

    struct BitMap *bitmap = nullptr;
    struct RastPort rp{};
    UWORD pens[NUMDRIPENS] = {};
    struct DrawInfo dri{};
    struct GadgetInfo info{};
    LONG lastTermination = -1;
    hosted::WindowServices savedServices{};
};

}  // namespace boopsitest

#endif  // BOOPSI_FIXTURE_H
