// Fonts: the built-in test font's metrics and special widths, opening and closing, the screen font, FreeType fonts.
#include "canvas.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>

namespace {

LONG Width(struct TextFont *font, int code)
{
    struct RastPort rp;
    InitRastPort(&rp);
    SetFont(&rp, font);
    char ch = static_cast<char>(code);
    return TextLength(&rp, &ch, 1);
}

TEST(Fonts, TestFontMetrics)
{
    struct TextFont *f = hosted::TestFont();
    EXPECT_STREQ(f->tf_Message.mn_Node.ln_Name, "test.font");
    EXPECT_EQ(f->tf_YSize, 12);
    EXPECT_EQ(f->tf_Baseline, 9);
    EXPECT_EQ(f->tf_XSize, 8);
    EXPECT_EQ(Width(f, 'n'), 8);
    EXPECT_NE(f->tf_Flags & FPF_PROPORTIONAL, 0);
    EXPECT_EQ(f->tf_LoChar, 0);
    EXPECT_EQ(f->tf_HiChar, 255);
    EXPECT_EQ(f->tf_Modulo % 2, 0);
}

TEST(Fonts, TestFontSpecialWidths)
{
    struct TextFont *f = hosted::TestFont();
    EXPECT_EQ(Width(f, 1), 1);
    EXPECT_EQ(Width(f, 2), 32);
    EXPECT_EQ(Width(f, 3), 31);
    EXPECT_EQ(Width(f, 4), 2);
    EXPECT_EQ(Width(f, 5), 16);
    EXPECT_EQ(Width(f, 6), 17);
    EXPECT_EQ(Width(f, '|'), 1);
    EXPECT_EQ(Width(f, ' '), 5);
    EXPECT_EQ(Width(f, 'i'), 6);
    EXPECT_EQ(Width(f, '!'), 4);
    EXPECT_EQ(Width(f, '.'), 4);
    EXPECT_EQ(Width(f, 'M'), 8);
    EXPECT_EQ(Width(f, 0), 8);     // the fallback box
    EXPECT_EQ(Width(f, 200), Width(f, 'E'));   // an accented capital is as wide as its letter
    for (int code = 0; code < 256; code++) {
        ASSERT_GE(Width(f, code), 1) << code;
        ASSERT_LE(Width(f, code), 32) << code;
    }
}

TEST(Fonts, TestFontGlyphShapes)
{
    Canvas c(64, 12, 1);
    SetFont(&c.rp, hosted::TestFont());
    Move(&c.rp, 0, 9);
    Text(&c.rp, "\x04|\x01\x05", 4);
    // code 4: column 0 all rows, column 1 rows 0-5; '|': rows 2-11; code 1:
    // all rows; code 5: rows 5 and 6 over 16 columns.
    EXPECT_EQ(c.Picture(0, 0, 4, 1), "##.#\n");
    EXPECT_EQ(c.Picture(0, 2, 4, 1), "####\n");
    EXPECT_EQ(c.Picture(0, 6, 4, 1), "#.##\n");
    EXPECT_EQ(c.Picture(4, 4, 16, 3), std::string(16, '.') + "\n" + std::string(16, '#') + "\n" + std::string(16, '#') + "\n");
    EXPECT_EQ(c.Picture(0, 11, 4, 1), "#.##\n");
    // The fallback box: a hollow 5x7 rectangle one column in.
    Canvas b(8, 12, 1);
    SetFont(&b.rp, hosted::TestFont());
    Move(&b.rp, 0, 9);
    Text(&b.rp, "\x7F", 1);
    EXPECT_EQ(b.Picture(0, 2, 8, 9),
              "........\n.#####..\n.#...#..\n.#...#..\n.#...#..\n.#...#..\n.#...#..\n.#####..\n........\n");
}

TEST(Fonts, OpenFontFindsTheTestFontAndCounts)
{
    struct TextAttr ta = {const_cast<STRPTR>("test.font"), 8, 0, 0};
    struct TextFont *f = OpenFont(&ta);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f, hosted::TestFont());
    UWORD accessors = f->tf_Accessors;
    struct TextFont *again = OpenFont(&ta);
    EXPECT_EQ(again, f);
    EXPECT_EQ(f->tf_Accessors, accessors + 1);
    CloseFont(again);
    CloseFont(f);
    EXPECT_EQ(f->tf_Accessors, accessors - 1);
    CloseFont(nullptr);

    struct RastPort rp;
    InitRastPort(&rp);
    SetFont(&rp, f);
    struct TextAttr asked{};
    AskFont(&rp, &asked);
    EXPECT_STREQ(asked.ta_Name, "test.font");
    EXPECT_EQ(asked.ta_YSize, 12);
}

TEST(Fonts, UnknownFamiliesAreNotSubstituted)
{
    struct TextAttr ta = {const_cast<STRPTR>("No Such Family Kestrovane.font"), 13, 0, 0};
    EXPECT_EQ(OpenFont(&ta), nullptr);
    EXPECT_EQ(OpenFont(nullptr), nullptr);
}

TEST(Fonts, MissingScreenFontFallsBackToTheTestFont)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("KESTROVANE_FONT", "No Such Family Kestrovane:13", 1);
            struct TextFont *f = hosted::ScreenFont();
            bool same = f == hosted::TestFont() && hosted::ScreenFontAttr().ta_YSize == 12;
            std::exit(same ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "not usable.*test font");
}

TEST(Fonts, ScreenFontIsOneObjectFoundByItsAttributes)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("KESTROVANE_FONT", "test", 1);
            struct TextFont *f = hosted::ScreenFont();
            struct TextFont *opened = OpenFont(&hosted::ScreenFontAttr());
            struct RastPort rp;
            InitRastPort(&rp);   // no font: text uses the screen font
            bool ok = f == hosted::TestFont() && opened == f && TextLength(&rp, "n", 1) == 8;
            std::exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

bool FamilyInstalled(const char *family)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(family));
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet *fonts = FcFontList(nullptr, pattern, objects);
    bool found = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

TEST(Fonts, FreeTypeRendersDejaVuSansMonoAsOneBitGlyphs)
{
    if (!FamilyInstalled("DejaVu Sans Mono"))
        GTEST_SKIP() << "DejaVu Sans Mono is not installed";
    struct TextAttr ta = {const_cast<STRPTR>("DejaVu Sans Mono.font"), 13, 0, 0};
    struct TextFont *f = OpenFont(&ta);
    ASSERT_NE(f, nullptr);
    EXPECT_GE(f->tf_YSize, 13);
    EXPECT_LE(f->tf_YSize, 18);
    EXPECT_GT(f->tf_Baseline, f->tf_YSize / 2);
    EXPECT_LT(f->tf_Baseline, f->tf_YSize);
    EXPECT_GE(f->tf_XSize, 7);
    EXPECT_LE(f->tf_XSize, 9);
    EXPECT_EQ(f->tf_Flags & FPF_PROPORTIONAL, 0);   // monospace: every code the same advance
    for (int code = 0; code < 256; code++)
        ASSERT_EQ(Width(f, code), f->tf_XSize) << code;
    // Found again by the height it has.
    struct TextAttr byHeight = {const_cast<STRPTR>("dejavu sans mono.font"), f->tf_YSize, 0, 0};
    EXPECT_EQ(OpenFont(&byHeight), f);
    CloseFont(f);

    // 'l' has a vertical stem, drawn in solid bits; 'x' sits on the baseline.
    Canvas c(16, f->tf_YSize, 1);
    SetFont(&c.rp, f);
    Move(&c.rp, 0, f->tf_Baseline);
    Text(&c.rp, "x", 1);
    bool baselineInk = false, belowInk = false;
    for (LONG x = 0; x < f->tf_XSize; x++) {
        baselineInk |= c.Bit(x, f->tf_Baseline);
        for (LONG y = f->tf_Baseline + 1; y < f->tf_YSize; y++)
            belowInk |= c.Bit(x, y);
    }
    EXPECT_TRUE(baselineInk);
    EXPECT_FALSE(belowInk);
    CloseFont(f);
}

}  // namespace
