// intuition/menulayout.h: laying out a menu strip from its texts and the screen font, and where its parts lie on the screen.
#ifndef INTUITION_MENULAYOUT_H
#define INTUITION_MENULAYOUT_H

#include "region.h"

#include <intuition/intuition.h>

#include <functional>

namespace hosted {

// The measures a strip is laid out with.
struct MenuMetrics {
    LONG screenWidth = 640;
    LONG screenHeight = 480;
    LONG barHeight = 16;       // the screen's title bar, where the titles go
    LONG fontHeight = 12;
    LONG titleStart = 6;       // left edge of the first title
    LONG titlePad = 8;         // blank left and right of a title
    LONG border = 2;           // frame around a box of items
    LONG itemPad = 6;          // blank left and right inside an item
    LONG itemHeight = 16;      // a text item
    LONG checkWidth = 16;      // the check mark column
    LONG keyWidth = 20;        // the Amiga key glyph
    LONG subMarkWidth = 8;     // the "»" of an item with sub-items
    LONG gap = 16;             // between a text and its shortcut or mark
};

// Measures a text in the screen font: (text, length) -> pixels.
using TextWidth = std::function<LONG(const char *text, LONG length)>;

MenuMetrics MenuMetricsFor(LONG screenWidth, LONG screenHeight, LONG barHeight, LONG fontHeight,
                           const TextWidth &width);

// Writes LeftEdge, TopEdge, Width and Height of every menu, item and
// sub-item of the strip:
//   menus:     in the title bar, LeftEdge from the left of the screen;
//   items:     relative to (menu LeftEdge, bar height), the box's frame
//              included, so the first item of a menu has TopEdge `border`;
//   sub-items: relative to their item's top left corner.
// Item boxes are kept on the screen.
void LayoutMenuStrip(struct Menu *strip, const MenuMetrics &metrics, const TextWidth &width);

// Where the parts of a laid-out strip lie, in screen coordinates.
Box MenuTitleBox(const struct Menu *menu, const MenuMetrics &metrics);
Box ItemBox(const struct Menu *menu, const struct MenuItem *item, const MenuMetrics &metrics);
Box SubItemBox(const struct Menu *menu, const struct MenuItem *item, const struct MenuItem *sub,
               const MenuMetrics &metrics);
// The framed box holding a list of items (or sub-items); empty for none.
Box ItemListBox(const struct Menu *menu, const MenuMetrics &metrics);
Box SubListBox(const struct Menu *menu, const struct MenuItem *item, const MenuMetrics &metrics);

// The text of an item (its first IntuiText), or nullptr for an image item.
const char *ItemText(const struct MenuItem *item);

// The menu (and item, sub-item) a pick code names; nullptr when none.
struct Menu *MenuOfCode(struct Menu *strip, UWORD code);
struct MenuItem *ItemOfCode(struct Menu *strip, UWORD code);

}  // namespace hosted

#endif  // INTUITION_MENULAYOUT_H
