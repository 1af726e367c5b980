// core/window_geometry.h: the lister window's size, limits and scroller values for a laid-out drawer.
#ifndef CORE_WINDOW_GEOMETRY_H
#define CORE_WINDOW_GEOMETRY_H

#include "screen_metrics.h"
#include "variant.h"

#include <settings/config_record.h>

constexpr ULONG ListerWindowMinWidth = 256;
constexpr ULONG ListerWindowMinHeight = 128;

// What the lister window is opened with.
struct ListerWindowSpec {
    LONG left = 0;
    LONG top = 0;
    ULONG innerWidth = 0;
    ULONG innerHeight = 0;
    ULONG maxWidth = 0;          // WA_MaxWidth
    ULONG maxHeight = 0;         // WA_MaxHeight
    ULONG horizontalTotal = 0;   // PGA_Total of the horizontal scroller: W
    ULONG horizontalVisible = 0; //   PGA_Visible: the inner width
    ULONG verticalTotal = 0;     // PGA_Total of the vertical scroller: H, or 65535 above that
    ULONG verticalVisible = 0;   //   PGA_Visible, in the same units

    // V: the list's visible height (inner height less the status line).
    ULONG VisibleHeight(ULONG statusHeight) const
    {
        return innerHeight > statusHeight ? innerHeight - statusHeight : 0;
    }
};

// The window's left edge (the "Lister left" setting) and top edge (the
// "Lister top" setting, or the top border size when it is 0).
LONG ListerWindowLeft(const ConfigRecord &config);
LONG ListerWindowTop(const ConfigRecord &config, const ScreenMetrics &metrics);

// The geometry for a RenderBitmap of `bitmapWidth` × `bitmapHeight`:
//   width: the maximum is the "Lister max width" setting or the screen's
//   width; the inner width is the bitmap's width when it fits in maximum −
//   BordersX (WA_MaxWidth that width + BordersX), else maximum − BordersX
//   (WA_MaxWidth the maximum);
//   height: the maximum is the "Lister max height" setting or the screen's
//   height; available = maximum − top − BordersY, needed = H + status
//   height; the inner height is the needed one when it fits (WA_MaxHeight
//   needed + BordersY), else the available one (WA_MaxHeight maximum − top).
// So the window is never larger than the list. The scrollers get the
// bitmap's size as total and the window's view of it as visible part; the
// vertical one is scaled to 65535 for bitmaps taller than that.
ListerWindowSpec ComputeListerWindow(const ConfigRecord &config, const ScreenMetrics &metrics, ULONG bitmapWidth,
                                     ULONG bitmapHeight);

// The dual build's listers side by side: lister 1 at the left edge, lister
// 2 at half the screen's width, each at most half the screen wide (the
// inner width at most half the width less the borders).
void FitPairedListerWindow(ListerWindowSpec &shape, const ScreenMetrics &metrics, ListerRole role);

// After the user has resized the window to `width` × `height` (borders
// included): the new inner size and the scrollers' visible parts; the
// position and limits stay as they were.
void ResizeListerWindow(ListerWindowSpec &shape, const ScreenMetrics &metrics, LONG width, LONG height,
                        ULONG bitmapHeight);

// The vertical scroller's PGA_Visible for a view of V rows of an H-row
// bitmap: V (at most H), scaled by 65535 / H for bitmaps taller than 65535.
ULONG VerticalScrollerVisible(ULONG bitmapHeight, ULONG visibleHeight);

#endif /* CORE_WINDOW_GEOMETRY_H */
