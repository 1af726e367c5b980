// DrawText and DrawTextOn on a hand-made glyph set: exact pixels, pen movement, clipping.
#include <lister/glyph_engine.h>

#include "support.h"

#include <gtest/gtest.h>

#include <string>

using listertest::FakeGlyphs;
using listertest::TestPicture;

namespace {

constexpr ULONG Y = 7;
constexpr ULONG Ink = 0x00C01020;
constexpr ULONG Paper = 0x00102030;

bool Full(ULONG, ULONG) { return true; }
bool Diagonals(ULONG column, ULONG row) { return (column + row) % 3 == 0; }
bool Checker(ULONG column, ULONG row) { return (column + row) % 2 == 0; }

// Codes: 'I' 1 wide, 'W' 32 wide, 'X' 40 wide, 'a' 5 wide, 'Z' 0 wide.
struct GlyphScene {
    GlyphScene() : fake(Y, 8)
    {
        fake.SetGlyph('I', 1, Full);
        fake.SetGlyph('W', 32, Diagonals);
        fake.SetGlyph('X', 40, Full);
        fake.SetGlyph('a', 5, Checker);
        fake.SetGlyph('Z', 0, Full);
        glyphs = &fake.Build();
    }
    FakeGlyphs fake;
    const GlyphSet *glyphs;
};

// Every pixel of the picture: Ink where pattern(x - left, y - top) holds
// inside the box, Paper everywhere else.
void ExpectGlyphBox(const TestPicture &picture, LONG left, LONG top, ULONG width, FakeGlyphs::Pattern pattern)
{
    for (ULONG y = 0; y < picture.target.height; y++)
        for (ULONG x = 0; x < picture.target.width; x++) {
            bool inside = LONG(x) >= left && LONG(x) < left + LONG(width) && LONG(y) >= top && LONG(y) < top + LONG(Y);
            bool ink = inside && pattern(ULONG(LONG(x) - left), ULONG(LONG(y) - top));
            ASSERT_EQ(picture.At(x, y), ink ? Ink : Paper) << "at " << x << "," << y;
        }
}

}  // namespace

TEST(GlyphDrawing, OneCharacterLandsRightOfThePenOnItsRow)
{
    GlyphScene scene;
    struct Case {
        char code;
        ULONG width;
        FakeGlyphs::Pattern pattern;
    };
    for (const Case &c : {Case{'I', 1, Full}, Case{'W', 32, Diagonals}, Case{'a', 5, Checker}}) {
        const char code = c.code;
        const ULONG width = c.width;
        const FakeGlyphs::Pattern pattern = c.pattern;
        TestPicture picture(60, 20, Paper);
        TextPen pen;
        const char text[2] = {code, 0};
        DrawText(*scene.glyphs, pen, picture.target, 10, 4, Ink, text);
        ExpectGlyphBox(picture, 11, 4, width, pattern);
        EXPECT_EQ(pen.x, LONG(10 + width));
        EXPECT_EQ(pen.y, 4);
    }
}

TEST(GlyphDrawing, GlyphsWiderThan32AreDrawnWhole)
{
    GlyphScene scene;
    TestPicture picture(60, 10, Paper);
    TextPen pen;
    DrawText(*scene.glyphs, pen, picture.target, 2, 1, Ink, "X");
    ExpectGlyphBox(picture, 3, 1, 40, Full);
    EXPECT_EQ(pen.x, 42);
}

TEST(GlyphDrawing, ZeroWidthCodesAndEmptyStringsDrawNothingAndLeaveThePen)
{
    GlyphScene scene;
    TestPicture picture(40, 10, Paper);
    std::vector<UBYTE> before = picture.pixels;
    TextPen pen;
    DrawText(*scene.glyphs, pen, picture.target, 5, 2, Ink, "");
    EXPECT_EQ(pen.x, 5);
    DrawTextOn(*scene.glyphs, pen, Ink, "ZZ");
    EXPECT_EQ(pen.x, 5);
    EXPECT_EQ(picture.pixels, before);
}

TEST(GlyphDrawing, AppendedPiecesEqualTheWholeStringDrawnOnce)
{
    GlyphScene scene;
    TestPicture once(120, 12, Paper), pieces(120, 12, Paper), twice(120, 12, Paper);
    TextPen pen;
    DrawText(*scene.glyphs, pen, once.target, 3, 2, Ink, "aIWa");
    LONG end = pen.x;
    DrawText(*scene.glyphs, pen, pieces.target, 3, 2, Ink, "aI");
    DrawTextOn(*scene.glyphs, pen, Ink, "Wa");
    EXPECT_EQ(pen.x, end);
    EXPECT_EQ(pieces.pixels, once.pixels);
    DrawText(*scene.glyphs, pen, twice.target, 3, 2, Ink, "aIWa");
    DrawText(*scene.glyphs, pen, twice.target, 3, 2, Ink, "aIWa");
    EXPECT_EQ(twice.pixels, once.pixels);
    EXPECT_EQ(GlyphTextWidth(*scene.glyphs, "aIWa"), 5u + 1 + 32 + 5);
}

TEST(GlyphDrawing, NothingIsWrittenOutsideTheTarget)
{
    GlyphScene scene;
    // The target is a 30 × 5 window in the middle of a larger picture whose
    // rows it shares; the guard around it must stay untouched.
    TestPicture picture(50, 20, Paper);
    RenderTarget inner{picture.target.PixelAt(10, 8), picture.target.stride, 30, 5};
    TextPen pen;
    for (LONG x : {-45, -20, -1, 0, 10, 25, 29, 30, 100}) {
        for (LONG y : {-10, -3, 0, 2, 4, 5, 40})
            DrawText(*scene.glyphs, pen, inner, x, y, Ink, "XWaIX");
    }
    for (ULONG y = 0; y < 20; y++) {
        for (ULONG x = 0; x < 50; x++) {
            if (x < 10 || x >= 40 || y < 8 || y >= 13) {
                ASSERT_EQ(picture.At(x, y), Paper) << x << "," << y;
            }
        }
    }
    // And something was drawn inside.
    bool inked = false;
    for (ULONG y = 8; y < 13; y++)
        for (ULONG x = 10; x < 40; x++)
            inked = inked || picture.At(x, y) == Ink;
    EXPECT_TRUE(inked);
}

TEST(GlyphDrawing, ClippedGlyphKeepsItsVisiblePixelsExact)
{
    GlyphScene scene;
    TestPicture whole(80, 12, Paper);
    TextPen pen;
    DrawText(*scene.glyphs, pen, whole.target, 0, 0, Ink, "W");
    // The same glyph with its left 10 columns and top 2 rows cut off.
    TestPicture cut(80, 12, Paper);
    DrawText(*scene.glyphs, pen, cut.target, -10, -2, Ink, "W");
    for (ULONG y = 0; y < Y - 2; y++)
        for (ULONG x = 0; x < 22; x++)
            ASSERT_EQ(cut.At(x, y), whole.At(x + 10, y + 2)) << x << "," << y;
}
