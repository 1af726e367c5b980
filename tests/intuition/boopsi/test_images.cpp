// Images: system image sizes and pictures, frames of every type and state, classic images, erasing.
#include "boopsi_fixture.h"

#include <algorithm>

namespace {

using boopsitest::BoopsiTest;

struct Image *I(APTR im) { return static_cast<struct Image *>(im); }

class Images : public BoopsiTest {
protected:
    void DrawState(APTR im, LONG x, LONG y, ULONG state)
    {
        DrawImageState(&rp, I(im), x, y, state, &dri);
    }
    void DrawFrame(APTR im, LONG x, LONG y, LONG w, LONG h, ULONG state)
    {
        struct impDraw msg{};
        msg.MethodID = IM_DRAWFRAME;
        msg.imp_RPort = &rp;
        msg.imp_Offset.X = static_cast<WORD>(x);
        msg.imp_Offset.Y = static_cast<WORD>(y);
        msg.imp_State = state;
        msg.imp_DrInfo = &dri;
        msg.imp_Dimensions.Width = static_cast<WORD>(w);
        msg.imp_Dimensions.Height = static_cast<WORD>(h);
        DoMethodA(static_cast<Object *>(im), reinterpret_cast<Msg>(&msg));
    }
    // The widths of the black runs of each row of a rectangle (0 for none).
    std::vector<int> RowInk(LONG left, LONG top, LONG width, LONG height)
    {
        std::vector<int> rows;
        for (LONG y = top; y < top + height; y++)
            rows.push_back(CountPen(boopsitest::kBlack, left, y, width, 1));
        return rows;
    }
};

TEST_F(Images, SystemImageSizesFollowTheFontAndFitEachOther)
{
    for (LONG fontHeight : {8, 12, 20}) {
        struct TextFont font = *hosted::TestFont();
        font.tf_YSize = static_cast<UWORD>(fontHeight);
        struct DrawInfo d = dri;
        d.dri_Font = &font;
        auto make = [&](ULONG which) {
            return I(NewObject(nullptr, SYSICLASS, SYSIA_Which, which, SYSIA_DrawInfo, &d, TAG_DONE));
        };
        struct Image *size = make(SIZEIMAGE), *up = make(UPIMAGE), *down = make(DOWNIMAGE);
        struct Image *left = make(LEFTIMAGE), *right = make(RIGHTIMAGE), *close = make(CLOSEIMAGE);
        struct Image *depth = make(DEPTHIMAGE);
        for (struct Image *im : {size, up, down, left, right, close, depth})
            ASSERT_NE(im, nullptr);
        // The right border's arrows are as wide as the sizing image, the
        // bottom border's as high: they fill the borders.
        EXPECT_EQ(up->Width, size->Width);
        EXPECT_EQ(down->Width, size->Width);
        EXPECT_EQ(left->Height, size->Height);
        EXPECT_EQ(right->Height, size->Height);
        EXPECT_EQ(up->Height, down->Height);
        EXPECT_EQ(left->Width, right->Width);
        // The title bar holds the font.
        EXPECT_GT(close->Height, fontHeight);
        EXPECT_EQ(depth->Height, close->Height);
        // What hosted::SystemImageSize tells intuition's frames is what the images are.
        WORD w = 0, h = 0;
        hosted::SystemImageSize(&d, SIZEIMAGE, &w, &h);
        EXPECT_EQ(w, size->Width);
        EXPECT_EQ(h, size->Height);
        if (fontHeight == 8) {
            // The classic sizes for an eight-pixel font.
            EXPECT_EQ(size->Width, 18);
            EXPECT_EQ(size->Height, 10);
            EXPECT_EQ(close->Height, 11);
        }
        if (fontHeight == 20) {
            EXPECT_GE(size->Height, 20);
        }
        for (struct Image *im : {size, up, down, left, right, close, depth})
            DisposeObject(im);
    }
    // A size given by the program wins.
    APTR im = NewObject(nullptr, SYSICLASS, SYSIA_Which, UPIMAGE, IA_Width, 40, TAG_DONE);
    ASSERT_NE(im, nullptr);
    EXPECT_EQ(I(im)->Width, 40);
    IPTR which = 0;
    EXPECT_TRUE(GetAttr(SYSIA_Which, im, &which));
    EXPECT_EQ(which, static_cast<IPTR>(UPIMAGE));
    DisposeObject(im);
}

TEST_F(Images, ArrowsPointTheirWayAndAreSymmetric)
{
    struct Case {
        ULONG which;
        bool vertical;
        bool growsForward;   // the ink widens towards the bottom (or the right)
    };
    for (Case c : {Case{UPIMAGE, true, true}, Case{DOWNIMAGE, true, false}, Case{LEFTIMAGE, false, true},
                   Case{RIGHTIMAGE, false, false}}) {
        SetRast(&rp, boopsitest::kGrey);
        APTR im = NewObject(nullptr, SYSICLASS, SYSIA_Which, c.which, SYSIA_DrawInfo, &dri, TAG_DONE);
        ASSERT_NE(im, nullptr);
        LONG w = I(im)->Width, h = I(im)->Height;
        DrawState(im, 10, 10, IDS_NORMAL);
        // Raised face.
        EXPECT_EQ(Pen(10, 10), boopsitest::kWhite);
        EXPECT_EQ(Pen(10 + w - 1, 10 + h - 1), boopsitest::kOrange);
        std::vector<int> runs;
        if (c.vertical) {
            runs = RowInk(11, 11, w - 2, h - 2);
        } else {
            for (LONG x = 11; x < 10 + w - 1; x++)
                runs.push_back(CountPen(boopsitest::kBlack, x, 11, 1, h - 2));
        }
        std::vector<int> ink;
        for (int r : runs)
            if (r > 0)
                ink.push_back(r);
        ASSERT_GE(ink.size(), 3u) << c.which;
        // Each line of the triangle is two pixels longer than the one before.
        for (size_t i = 1; i < ink.size(); i++)
            EXPECT_EQ(ink[i] - ink[i - 1], c.growsForward ? 2 : -2) << c.which;
        EXPECT_EQ(c.growsForward ? ink.front() : ink.back(), 1);
        // Pressed: recessed and filled, the arrow in the fill's text pen.
        DrawState(im, 10, 10, IDS_SELECTED);
        EXPECT_EQ(Pen(10, 10), boopsitest::kOrange);
        EXPECT_EQ(CountPen(boopsitest::kBlack, 11, 11, w - 2, h - 2), 0);
        EXPECT_GT(CountPen(boopsitest::kBlue, 11, 11, w - 2, h - 2), 0);
        DisposeObject(im);
    }
}

TEST_F(Images, FramesOfEachTypeAndState)
{
    APTR button = NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE);
    ASSERT_NE(button, nullptr);
    DrawFrame(button, 20, 20, 60, 30, IDS_NORMAL);
    EXPECT_EQ(Pen(20, 35), boopsitest::kWhite);
    EXPECT_EQ(Pen(50, 20), boopsitest::kWhite);
    EXPECT_EQ(Pen(79, 35), boopsitest::kOrange);
    EXPECT_EQ(Pen(50, 49), boopsitest::kOrange);
    EXPECT_EQ(Pen(80, 35), boopsitest::kGrey);   // nothing outside
    DrawFrame(button, 20, 20, 60, 30, IDS_SELECTED);
    EXPECT_EQ(Pen(20, 35), boopsitest::kOrange);
    EXPECT_EQ(Pen(79, 35), boopsitest::kWhite);
    EXPECT_EQ(CountPen(boopsitest::kBlue, 21, 21, 58, 28), 58 * 28);

    // Recessed: pressed in when normal.
    SetAttrs(button, IA_Recessed, TRUE, TAG_DONE);
    DrawFrame(button, 20, 20, 60, 30, IDS_NORMAL);
    EXPECT_EQ(Pen(20, 35), boopsitest::kOrange);
    EXPECT_EQ(CountPen(boopsitest::kGrey, 21, 21, 58, 28), 58 * 28);

    // Edges only: the inside keeps what was there.
    SetRast(&rp, boopsitest::kBrown);
    SetAttrs(button, IA_Recessed, FALSE, IA_EdgesOnly, TRUE, TAG_DONE);
    DrawFrame(button, 20, 20, 60, 30, IDS_SELECTED);
    EXPECT_EQ(CountPen(boopsitest::kBrown, 21, 21, 58, 28), 58 * 28);
    EXPECT_EQ(Pen(20, 35), boopsitest::kOrange);
    DisposeObject(button);

    // A ridge: a groove of two bevels.
    APTR ridge = NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_RIDGE, IA_Width, 40, IA_Height, 20, TAG_DONE);
    ASSERT_NE(ridge, nullptr);
    DrawState(ridge, 100, 100, IDS_NORMAL);   // IM_DRAW uses the image's own size
    EXPECT_EQ(Pen(100, 110), boopsitest::kOrange);
    EXPECT_EQ(Pen(101, 110), boopsitest::kWhite);
    EXPECT_EQ(Pen(139, 110), boopsitest::kWhite);
    EXPECT_EQ(Pen(138, 110), boopsitest::kOrange);
    EXPECT_EQ(Pen(140, 110), boopsitest::kBrown);

    // The frame that fits around a content box.
    struct IBox contents{50, 60, 30, 12};
    struct IBox frame{};
    struct impFrameBox msg{};
    msg.MethodID = IM_FRAMEBOX;
    msg.imp_ContentsBox = &contents;
    msg.imp_FrameBox = &frame;
    msg.imp_DrInfo = &dri;
    DoMethodA(static_cast<Object *>(ridge), reinterpret_cast<Msg>(&msg));
    EXPECT_LT(frame.Left, contents.Left);
    EXPECT_LT(frame.Top, contents.Top);
    EXPECT_EQ(frame.Left + frame.Width - (contents.Left + contents.Width), contents.Left - frame.Left);
    EXPECT_EQ(frame.Top + frame.Height - (contents.Top + contents.Height), contents.Top - frame.Top);
    EXPECT_GE(contents.Left - frame.Left, 2);   // at least the ridge's own two lines
    DisposeObject(ridge);
}

TEST_F(Images, ClassicImagesAreDrawnFromTheirPlanes)
{
    // Two planes, 4 x 2: pens 0,1,2,3 in row 0 and 3,2,1,0 in row 1.
    UWORD data[] = {0x5000, 0xA000,    // plane 0: rows 0, 1
                    0x3000, 0xC000};   // plane 1
    struct Image im{};
    im.LeftEdge = 2;
    im.TopEdge = 1;
    im.Width = 4;
    im.Height = 2;
    im.Depth = 2;
    im.ImageData = data;
    im.PlanePick = 0x3;
    DrawImage(&rp, &im, 10, 10);
    EXPECT_EQ(Pen(12, 11), 0);
    EXPECT_EQ(Pen(13, 11), 1);
    EXPECT_EQ(Pen(14, 11), 2);
    EXPECT_EQ(Pen(15, 11), 3);
    EXPECT_EQ(Pen(12, 12), 3);
    EXPECT_EQ(Pen(15, 12), 0);
    // A plane not picked takes its bit from PlaneOnOff.
    im.PlanePick = 0x1;
    im.PlaneOnOff = 0x2;
    DrawImage(&rp, &im, 20, 10);
    EXPECT_EQ(Pen(22, 11), 2);
    EXPECT_EQ(Pen(23, 11), 3);
    // Erased to the background.
    EraseImage(&rp, &im, 20, 10);
    EXPECT_EQ(CountPen(boopsitest::kGrey, 22, 11, 4, 2), 8);
}

TEST_F(Images, CheckAndRadioMarksShowTheirState)
{
    APTR check = NewObject(nullptr, SYSICLASS, SYSIA_Which, CHECKIMAGE, SYSIA_DrawInfo, &dri, TAG_DONE);
    APTR mx = NewObject(nullptr, SYSICLASS, SYSIA_Which, MXIMAGE, SYSIA_DrawInfo, &dri, TAG_DONE);
    ASSERT_NE(check, nullptr);
    ASSERT_NE(mx, nullptr);
    LONG w = I(check)->Width, h = I(check)->Height;
    DrawState(check, 0, 0, IDS_NORMAL);
    EXPECT_EQ(CountPen(boopsitest::kBlack, 1, 1, w - 2, h - 2), 0);
    DrawState(check, 0, 0, IDS_SELECTED);
    EXPECT_GT(CountPen(boopsitest::kBlack, 1, 1, w - 2, h - 2), 5);
    w = I(mx)->Width;
    h = I(mx)->Height;
    DrawState(mx, 0, 40, IDS_NORMAL);
    EXPECT_EQ(CountPen(boopsitest::kBlue, 1, 41, w - 2, h - 2), 0);
    DrawState(mx, 0, 40, IDS_SELECTED);
    EXPECT_GT(CountPen(boopsitest::kBlue, 1, 41, w - 2, h - 2), 3);
    // Disabled: faded, every other pixel in the background pen.
    int disc = CountPen(boopsitest::kBlue, 1, 41, w - 2, h - 2);
    DrawState(mx, 0, 40, IDS_SELECTEDDISABLED);
    EXPECT_NEAR(CountPen(boopsitest::kBlue, 1, 41, w - 2, h - 2), disc / 2, disc / 8 + 1);
    DisposeObject(check);
    DisposeObject(mx);
}

}  // namespace
