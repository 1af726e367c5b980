// graphics/fontimage.h: how the font sources (built-in, FreeType) hand their glyphs to the font builder.
#ifndef GRAPHICS_FONTIMAGE_H
#define GRAPHICS_FONTIMAGE_H

#include <graphics/text.h>

#include <string>
#include <vector>

namespace hosted {

// Glyphs 0..255, and at kFallbackGlyph the one drawn for codes a font lacks.
constexpr int kGlyphCount = 257;
constexpr int kFallbackGlyph = 256;
constexpr int kMaxAdvance = 32;

// One glyph: `advance` columns (1..32) by the font's height, one ULONG a
// row, the leftmost column in bit 31. Its pixels never leave that box.
struct GlyphImage {
    UWORD advance = 0;
    std::vector<ULONG> rows;
};

// A whole font as its source describes it.
struct FontImage {
    std::string name;          // "xxx.font"
    UWORD ySize = 0;           // rows of every glyph
    UWORD baseline = 0;        // row of the baseline, from the top
    UWORD xSize = 0;           // nominal width
    UBYTE flags = 0;           // FPF_...
    GlyphImage glyphs[kGlyphCount];
};

// The record behind every TextFont this host opens. The TextFont comes
// first; the rest holds what its pointers point at.
struct HostFont {
    struct TextFont font{};
    std::string name;
    std::string family;        // fontconfig family ("" for the test font)
    UWORD requestedSize = 0;   // the size it was opened with
    bool permanent = false;    // never freed (the test font, the screen font)
    std::vector<UBYTE> charData;
    std::vector<ULONG> charLoc;
    std::vector<WORD> charSpace;
    std::vector<WORD> charKern;
};

// Lays the glyphs out as a TextFont (strip, locations, spacing). nullptr
// when memory is short.
HostFont *BuildFont(const FontImage &image);

// The built-in test font's glyphs.
void MakeTestFontImage(FontImage &image);

// Renders a family at a pixel size through fontconfig and FreeType.
// False with `error` set when no installed font has that family or it
// cannot be rendered.
bool MakeFreeTypeFontImage(const std::string &family, int pixelSize, FontImage &image,
                           std::string &error);

}  // namespace hosted

#endif  // GRAPHICS_FONTIMAGE_H
