// graphics/fonts.cpp: opening and closing fonts, the font list, and the screen font.
#include "fontimage.h"

#include <hosted/graphics.h>
#include <proto/graphics.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace hosted {
namespace {

constexpr const char *kDefaultScreenFont = "DejaVu Sans Mono:13";
constexpr int kDefaultSize = 13;

std::mutex &FontLock()
{
    static std::mutex lock;
    return lock;
}

// Every font opened so far. Fonts stay in memory once loaded (as fonts on
// disk do until the system flushes them): a rastport may still point at a
// font its owner has closed.
std::vector<HostFont *> &Fonts()
{
    static std::vector<HostFont *> fonts;
    return fonts;
}

bool EqualNoCase(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); i++)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// "Family.font" -> "Family".
std::string FamilyOf(const char *name)
{
    std::string family = name;
    if (family.size() > 5 && EqualNoCase(family.substr(family.size() - 5), ".font"))
        family.resize(family.size() - 5);
    return family;
}

HostFont *TestFontLocked()
{
    static HostFont *font = [] {
        auto image = std::make_unique<FontImage>();
        MakeTestFontImage(*image);
        HostFont *f = BuildFont(*image);
        if (f == nullptr) {
            std::fprintf(stderr, "graphics: no memory for the built-in font\n");
            std::abort();
        }
        f->permanent = true;
        f->requestedSize = f->font.tf_YSize;
        return f;
    }();
    return font;
}

// Finds or loads a font; with the font lock held.
HostFont *FindOrLoad(const std::string &family, int size, std::string &error)
{
    if (EqualNoCase(family, "test"))
        return TestFontLocked();
    for (HostFont *f : Fonts())
        if (EqualNoCase(f->family, family) && (f->requestedSize == size || f->font.tf_YSize == size))
            return f;
    auto image = std::make_unique<FontImage>();
    if (!MakeFreeTypeFontImage(family, size, *image, error))
        return nullptr;
    HostFont *f = BuildFont(*image);
    if (f == nullptr) {
        error = "no memory for the font";
        return nullptr;
    }
    f->family = family;
    f->requestedSize = static_cast<UWORD>(size);
    Fonts().push_back(f);
    return f;
}

struct ScreenFontChoice {
    HostFont *font = nullptr;
    std::string name;
    struct TextAttr attr{};
};

ScreenFontChoice &ScreenChoice()
{
    static ScreenFontChoice choice = [] {
        ScreenFontChoice c;
        const char *setting = std::getenv("KESTROVANE_FONT");
        std::string pattern = (setting != nullptr && *setting != '\0') ? setting : kDefaultScreenFont;
        std::string family = pattern;
        int size = kDefaultSize;
        std::size_t colon = pattern.rfind(':');
        if (colon != std::string::npos) {
            family = pattern.substr(0, colon);
            size = std::atoi(pattern.c_str() + colon + 1);
        }
        std::string error;
        std::lock_guard<std::mutex> guard(FontLock());
        if (EqualNoCase(family, "test") || EqualNoCase(pattern, "test")) {
            c.font = TestFontLocked();
        } else {
            c.font = FindOrLoad(family, size, error);
            if (c.font == nullptr) {
                std::fprintf(stderr,
                             "graphics: screen font \"%s\" (KESTROVANE_FONT) not usable: %s; "
                             "using the built-in test font\n",
                             pattern.c_str(), error.c_str());
                c.font = TestFontLocked();
            }
        }
        c.font->permanent = true;
        c.name = c.font->name;
        c.attr.ta_Name = c.name.data();
        c.attr.ta_YSize = c.font->font.tf_YSize;
        c.attr.ta_Style = c.font->font.tf_Style;
        c.attr.ta_Flags = c.font->font.tf_Flags;
        return c;
    }();
    return choice;
}

}  // namespace

struct TextFont *ScreenFont() { return &ScreenChoice().font->font; }

const struct TextAttr &ScreenFontAttr() { return ScreenChoice().attr; }

struct TextFont *TestFont()
{
    std::lock_guard<std::mutex> guard(FontLock());
    return &TestFontLocked()->font;
}

}  // namespace hosted

/* Opens a font: "test.font" is the built-in test font (12 rows, whatever
   size is asked); another "Family.font" is found among the fonts already
   open by its family and either the size it was opened with or its
   tf_YSize, else loaded through fontconfig and FreeType with ta_YSize as
   its pixel size (0: 13). The style and flags asked for are not matched.
   NULL when no installed font has that family (nothing is substituted). */
struct TextFont *OpenFont(const struct TextAttr *textAttr)
{
    if (textAttr == nullptr || textAttr->ta_Name == nullptr)
        return nullptr;
    // The screen font is chosen (and loaded) first, so a program opening
    // it by name gets the very same object intuition draws with.
    (void)hosted::ScreenFont();
    std::string family = hosted::FamilyOf(textAttr->ta_Name);
    int size = textAttr->ta_YSize != 0 ? textAttr->ta_YSize : hosted::kDefaultSize;
    std::string error;
    std::lock_guard<std::mutex> guard(hosted::FontLock());
    hosted::HostFont *f = hosted::FindOrLoad(family, size, error);
    if (f == nullptr)
        return nullptr;
    f->font.tf_Accessors++;
    return &f->font;
}

/* Closes a font from OpenFont; NULL is ignored. The font stays in memory. */
void CloseFont(struct TextFont *textFont)
{
    if (textFont == nullptr)
        return;
    std::lock_guard<std::mutex> guard(hosted::FontLock());
    if (textFont->tf_Accessors > 0)
        textFont->tf_Accessors--;
}
