// tools/multiview/linkgclass.h: the class of a help document's link buttons: push buttons drawn as the page draws links.
#ifndef MULTIVIEW_LINKGCLASS_H
#define MULTIVIEW_LINKGCLASS_H

#include "styled_text.h"

#include <intuition/classes.h>

#include <string>

struct TextFont;

namespace hosted::multiview {

// How a link button looks: its label as the document writes it (GA_Text
// holds it without the blanks around it, for the automation to name it),
// the style, the page's pens, the font and where the baseline lies. The
// program keeps it alive as long as the button, and hands it over as
// GA_UserData.
struct LinkFace {
    std::string label;
    std::string name;   // GA_Text: the label without the blanks around it
    UBYTE style = FS_NORMAL;
    PagePens pens;
    struct TextFont *font = nullptr;
    LONG baseline = 0;
    bool focused = false;   // the keyboard's focus is on it
};

// A private class built on buttongclass: it answers as a push button
// (IDCMP_GADGETUP when released over it) and draws itself with
// PaintLinkFace, pressed while it is held. Made on first use and kept for
// the life of the process; NULL when it cannot be made.
struct IClass *LinkButtonClass();

}  // namespace hosted::multiview

#endif  // MULTIVIEW_LINKGCLASS_H
