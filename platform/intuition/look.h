// intuition/look.h: the screens' palette and the pens of each role, one place for the whole look.
#ifndef INTUITION_LOOK_H
#define INTUITION_LOOK_H

#include <intuition/screens.h>

namespace hosted {

// The pens intuition sets on every screen it opens, and their colours
// (0x00RRGGBB). Programs get their own pens above these.
enum LookPen : UWORD {
    PenBackground = 0,   // window insides, gadget faces
    PenText = 1,         // text, dark details
    PenShine = 2,        // white: lit edges, text on the accent colour
    PenAccent = 3,       // active title bars, selected things, highlighted menu items
    PenShadow = 4,       // dark edges, the line under the screen's title bar
    PenFrame = 5,        // window borders, inactive title bars
    PenBar = 6,          // the screen's title bar and menus
    PenGhost = 7,        // disabled text
    PenAccentDark = 8,   // the outline of the active window, pressed gadgets
    PenDesktop = 9,      // the screen's background
    LookPenCount = 10,
};

inline constexpr ULONG kLookColors[LookPenCount] = {
    0xD8DBE0,  // background
    0x1C2026,  // text
    0xFFFFFF,  // shine
    0x3A6BB0,  // accent
    0x7D848F,  // shadow
    0xC3C8D0,  // frame
    0xF0F1F3,  // bar
    0x9AA0A9,  // ghost
    0x284F88,  // accent dark
    0x4F5E72,  // desktop
};

// dri_Pens of every screen, by index DETAILPEN ... BARTRIMPEN.
inline constexpr UWORD kDrawInfoPens[NUMDRIPENS] = {
    PenBackground,  // DETAILPEN
    PenText,        // BLOCKPEN
    PenText,        // TEXTPEN
    PenShine,       // SHINEPEN
    PenShadow,      // SHADOWPEN
    PenAccent,      // FILLPEN
    PenShine,       // FILLTEXTPEN
    PenBackground,  // BACKGROUNDPEN
    PenShine,       // HIGHLIGHTTEXTPEN
    PenText,        // BARDETAILPEN
    PenBar,         // BARBLOCKPEN
    PenShadow,      // BARTRIMPEN
};

}  // namespace hosted

#endif  // INTUITION_LOOK_H
