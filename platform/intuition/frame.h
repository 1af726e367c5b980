// intuition/frame.h: window frames as geometry and pixels: border sizes, where the system gadgets lie, how a frame is painted.
#ifndef INTUITION_FRAME_H
#define INTUITION_FRAME_H

#include "region.h"

#include <graphics/rastport.h>
#include <graphics/text.h>
#include <intuition/screens.h>

namespace hosted {

// The sizes a screen's window frames are made of. They come from the
// system images' sizes (SystemImageSize), so the border gadgets that
// programs build from sysiclass images fit the borders.
struct FrameMetrics {
    LONG titleHeight = 15;   // top border of a window with a title bar
    LONG plainBorder = 4;    // left border; right, bottom and top borders without gadgets
    LONG sizeWidth = 18;     // right border with a sizing gadget
    LONG sizeHeight = 12;    // bottom border with a sizing gadget
    LONG closeWidth = 19;
    LONG depthWidth = 23;
};

// The metrics for a screen's draw information.
FrameMetrics MetricsOf(const struct DrawInfo *drawInfo);

// What a frame has and how it is shown.
struct FrameStyle {
    LONG width = 0;
    LONG height = 0;
    bool borderless = false;
    bool titleBar = false;    // a title, a drag bar, a close or a depth gadget
    bool close = false;
    bool depth = false;
    bool size = false;
    bool drag = false;
    bool sizeRight = true;    // the sizing gadget widens the right border
    bool sizeBottom = true;   // ... and the bottom border
    bool gadgetsRight = false;   // gadgets in the right border widen it as the sizing gadget does
    bool gadgetsBottom = false;  // ... and in the bottom border
    bool active = false;
    const char *title = nullptr;
    int pressed = 0;          // the FramePart drawn pressed
};

enum FramePart { PartNone = 0, PartClose, PartDepth, PartSize, PartDrag };

// Where everything lies, in window coordinates.
struct FrameLayout {
    LONG left = 0, top = 0, right = 0, bottom = 0;   // border sizes
    Box close, depth, size, drag;                     // empty when absent
    Box titleText;                                    // where the title may be drawn
};

FrameLayout LayoutFrame(const FrameStyle &style, const FrameMetrics &metrics);

// The part of the frame at a window position (PartNone for the inside and
// for plain borders).
FramePart PartAt(const FrameLayout &layout, LONG x, LONG y);

// Paints the frame into a rastport whose (0,0) is the window's top left
// corner, in the screen's pens (look.h). The inside is left alone.
void PaintFrame(struct RastPort *rp, const FrameStyle &style, const FrameLayout &layout,
                struct TextFont *font);

// The glyph of a depth gadget (two overlapping windows) in a box, in a
// pen; the screen's title bar uses it too.
void PaintDepthGlyph(struct RastPort *rp, const Box &box, UWORD pen, UWORD facePen);

}  // namespace hosted

#endif  // INTUITION_FRAME_H
