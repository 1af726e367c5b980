// graphics/freetype.cpp: installed fonts through fontconfig and FreeType, rendered as 1-bit glyphs.
//
// Metrics: tf_YSize is the ascender plus the descender in whole pixels,
// measured on the rendered Latin-1 glyphs so no glyph is cut and no row
// is wasted (DejaVu Sans Mono at 13 pixels: 12 + 3 = 15 rows);
// tf_Baseline is the ascender - 1, the last row above the baseline, where
// the bottom of an "x" sits; tf_XSize is the advance of "n". Codes follow Latin-1 (code = Unicode value).
// Codes the font has no glyph for, and the control codes 0-31 and
// 127-159, show the font's own missing-glyph shape (its glyph 0) at its
// advance, or a hollow box of the nominal width when that advance is 0.
// Advances are cut to 1..32 pixels, glyph pixels to the advance x YSize
// box, so no glyph spills into its neighbour.
#include "fontimage.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>

namespace hosted {
namespace {

std::mutex &FreeTypeLock()
{
    static std::mutex lock;
    return lock;
}

bool SameFamily(const std::string &a, const char *b)
{
    std::string x = a, y = b;
    auto lower = [](std::string &s) {
        for (char &c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    lower(x);
    lower(y);
    return x == y;
}

// The file and face index of an installed font of exactly this family.
bool FindFontFile(const std::string &family, int pixelSize, std::string &file, int &index,
                  std::string &error)
{
    if (!FcInit()) {
        error = "fontconfig cannot start";
        return false;
    }
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.c_str()));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) {
        error = "no font matches \"" + family + "\"";
        return false;
    }
    bool found = false;
    FcChar8 *name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; i++) {
        if (SameFamily(family, reinterpret_cast<const char *>(name))) {
            found = true;
            break;
        }
    }
    FcChar8 *path = nullptr;
    if (found && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
        file = reinterpret_cast<const char *>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch)
            index = 0;
    } else {
        found = false;
        error = "no installed font of the family \"" + family + "\"";
    }
    FcPatternDestroy(match);
    return found;
}

struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

FT_Library Library(std::string &error)
{
    static FT_Library library = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&library) != 0)
            library = nullptr;
    }
    if (library == nullptr)
        error = "FreeType cannot start";
    return library;
}

// Renders one glyph index into `g`, advance already set.
void RenderGlyph(FT_Face face, FT_UInt index, int ascender, GlyphImage &g)
{
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0)
        return;
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0)
        return;
    const FT_Bitmap &bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
        return;
    int left = face->glyph->bitmap_left;
    int top = ascender - face->glyph->bitmap_top;
    for (unsigned int row = 0; row < bitmap.rows; row++) {
        int y = top + static_cast<int>(row);
        if (y < 0 || y >= static_cast<int>(g.rows.size()))
            continue;
        const unsigned char *src = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
        for (unsigned int col = 0; col < bitmap.width; col++) {
            int x = left + static_cast<int>(col);
            if (x < 0 || x >= g.advance)
                continue;
            if ((src[col / 8] & (0x80 >> (col % 8))) != 0)
                g.rows[y] |= 0x80000000u >> x;
        }
    }
}

UWORD AdvanceOf(FT_Face face, FT_UInt index)
{
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0)
        return 0;
    long advance = (face->glyph->advance.x + 32) >> 6;
    return static_cast<UWORD>(std::clamp(advance, 0L, static_cast<long>(kMaxAdvance)));
}

void HollowBox(GlyphImage &g, int ascender, int xHeight)
{
    int right = g.advance - 2, top = ascender - xHeight, bottom = ascender - 1;
    if (right < 1 || top < 0 || bottom <= top)
        return;
    for (int y = top; y <= bottom; y++)
        for (int x = 1; x <= right; x++)
            if (y == top || y == bottom || x == 1 || x == right)
                g.rows[y] |= 0x80000000u >> x;
}

// The rows the font's Latin-1 glyphs reach above and below the baseline
// (its hinted size metrics when it has none of them): the tightest height
// that cuts off no glyph.
void InkExtent(FT_Face face, int &ascender, int &descender)
{
    ascender = descender = 0;
    bool any = false;
    for (FT_ULong code = 32; code < 256; code++) {
        if (code >= 127 && code < 160)
            continue;
        FT_UInt index = FT_Get_Char_Index(face, code);
        if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0 ||
            FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0 || face->glyph->bitmap.rows == 0)
            continue;
        any = true;
        ascender = std::max(ascender, face->glyph->bitmap_top);
        descender = std::max(descender, static_cast<int>(face->glyph->bitmap.rows) - face->glyph->bitmap_top);
    }
    if (!any) {
        ascender = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
        descender = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
    }
}

}  // namespace

bool MakeFreeTypeFontImage(const std::string &family, int pixelSize, FontImage &image,
                           std::string &error)
{
    if (pixelSize < 4 || pixelSize > 255) {
        error = "font size out of range";
        return false;
    }
    std::lock_guard<std::mutex> guard(FreeTypeLock());
    std::string file;
    int faceIndex = 0;
    if (!FindFontFile(family, pixelSize, file, faceIndex, error))
        return false;
    FT_Library library = Library(error);
    if (library == nullptr)
        return false;
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library, file.c_str(), faceIndex, &rawFace) != 0) {
        error = "cannot read " + file;
        return false;
    }
    std::unique_ptr<FT_FaceRec_, FaceCloser> face(rawFace);
    if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        error = "cannot scale " + file;
        return false;
    }
    int ascender = 0, descender = 0;
    InkExtent(face.get(), ascender, descender);
    if (ascender < 1 || descender < 0 || ascender + descender > 255) {
        error = "unusable metrics in " + file;
        return false;
    }
    image.name = family + ".font";
    image.ySize = static_cast<UWORD>(ascender + descender);
    image.baseline = static_cast<UWORD>(ascender - 1);
    image.flags = FPF_DISKFONT | FPF_DESIGNED;

    FT_UInt nIndex = FT_Get_Char_Index(face.get(), 'n');
    UWORD nominal = AdvanceOf(face.get(), nIndex);
    if (nominal == 0)
        nominal = static_cast<UWORD>(std::clamp(pixelSize / 2, 1, kMaxAdvance));
    image.xSize = nominal;
    FT_UInt xIndex = FT_Get_Char_Index(face.get(), 'x');
    int xHeight = ascender / 2;
    if (xIndex != 0 && FT_Load_Glyph(face.get(), xIndex, FT_LOAD_TARGET_MONO) == 0)
        xHeight = std::max(2, static_cast<int>((face->glyph->metrics.horiBearingY + 32) >> 6));

    GlyphImage &fallback = image.glyphs[kFallbackGlyph];
    fallback.rows.assign(image.ySize, 0);
    fallback.advance = AdvanceOf(face.get(), 0);
    if (fallback.advance == 0) {
        fallback.advance = nominal;
        HollowBox(fallback, ascender, std::min(xHeight * 3 / 2, ascender));
    } else {
        RenderGlyph(face.get(), 0, ascender, fallback);
    }
    for (int code = 0; code < 256; code++) {
        GlyphImage &g = image.glyphs[code];
        bool control = code < 32 || (code >= 127 && code < 160);
        FT_UInt index = control ? 0 : FT_Get_Char_Index(face.get(), static_cast<FT_ULong>(code));
        if (index == 0) {
            g = fallback;
            continue;
        }
        g.rows.assign(image.ySize, 0);
        g.advance = AdvanceOf(face.get(), index);
        if (g.advance == 0)
            g.advance = nominal;
        RenderGlyph(face.get(), index, ascender, g);
    }
    return true;
}

}  // namespace hosted
