// core/scroll_gadgets.h: the lister window's four arrow buttons and two scrollers, and their images.
#ifndef CORE_SCROLL_GADGETS_H
#define CORE_SCROLL_GADGETS_H

#include "screen_metrics.h"
#include "window_geometry.h"

#include <intuition/intuition.h>

// The gadgets by GA_ID.
enum ScrollGadgetId : UWORD {
    GadgetDownArrow = 0,
    GadgetUpArrow = 1,
    GadgetVerticalScroller = 2,
    GadgetRightArrow = 3,
    GadgetLeftArrow = 4,
    GadgetHorizontalScroller = 5,
    ScrollGadgetCount = 6
};

enum ArrowImage : ULONG {
    ArrowDown,
    ArrowUp,
    ArrowRight,
    ArrowLeft,
    ArrowCount
};

struct ScrollGadgets {
    struct Image *arrows[ArrowCount] = {};
    LONG sizeWidth = 0;     // the sizing gadget's image, measured once
    LONG sizeHeight = 0;
    struct Gadget *gadgets[ScrollGadgetCount] = {};

    struct Gadget *First() const { return gadgets[0]; }
    bool Created() const { return gadgets[0] != nullptr; }
};

// Measures the sizing image (made and disposed at once) and makes the down,
// up, right and left arrow images ("sysiclass", SYSIA_DrawInfo and
// SYSIA_Which). FALSE, with nothing kept, when an image cannot be made.
[[nodiscard]] BOOL CreateArrowImages(ScrollGadgets &set, struct DrawInfo *drawInfo);

// The six gadgets (all GA_Immediate), each linked behind the one before
// with GA_Previous:
//   0 down arrow   buttongclass, right border, RelRight 1 − right border,
//                  RelBottom 1 − size height − down height
//   1 up arrow     buttongclass, right border, RelRight 1 − right border,
//                  RelBottom 1 − size height − down height − up height
//   2 vertical     propgclass, right border, RelVerify, borderless, nice
//                  notify and render, RelRight 3 − right border, width size
//                  width − 4, top top border + 1, RelHeight 1 − size height −
//                  down height − up height − top border − 3
//   3 right arrow  buttongclass, bottom border, RelRight 1 − size width −
//                  right width, RelBottom 1 − size height
//   4 left arrow   buttongclass, bottom border, RelRight 1 − size width −
//                  right width − left width, RelBottom 1 − size height
//   5 horizontal   propgclass FREEHORIZ, bottom border, RelVerify,
//                  borderless, nice notify and render, left left border + 1,
//                  RelWidth 1 − size width − right width − left width − left
//                  border − 3, height size height − 4, RelBottom 3 − size height
// with the scroller values of `shape`. FALSE, with none kept, on failure.
[[nodiscard]] BOOL CreateScrollGadgets(ScrollGadgets &set, const ScreenMetrics &metrics, const ListerWindowSpec &shape,
                         ULONG verticalTop, ULONG horizontalTop);

// Gives the scrollers new totals, visible parts and tops (SetAttrsA: the
// gadgets are in no window while this is called) and links the six gadgets
// in their order again for the next WA_Gadgets.
void UpdateScrollGadgets(ScrollGadgets &set, const ListerWindowSpec &shape, ULONG verticalTop, ULONG horizontalTop);

// Disposes of the gadgets (horizontal scroller, left, right, vertical
// scroller, up, down) and the arrow images (left, right, up, down).
void DisposeScrollGadgets(ScrollGadgets &set);

#endif /* CORE_SCROLL_GADGETS_H */
