// core/window_geometry.cpp: sizing the lister window to its list, within the settings and the screen.
#include "window_geometry.h"

#include <lister/scroll.h>

#include <algorithm>

namespace {

ULONG Less(ULONG a, ULONG b) { return a > b ? a - b : 0; }

ULONG MaximumWidth(const ConfigRecord &config, const ScreenMetrics &metrics)
{
    return config.ListerMaxWidth() != 0 ? config.ListerMaxWidth() : ULONG(metrics.screenWidth);
}

ULONG MaximumHeight(const ConfigRecord &config, const ScreenMetrics &metrics)
{
    return config.ListerMaxHeight() != 0 ? config.ListerMaxHeight() : ULONG(metrics.screenHeight);
}

void SetScrollerValues(ListerWindowSpec &shape, const ScreenMetrics &metrics, ULONG bitmapHeight)
{
    shape.horizontalVisible = shape.innerWidth;
    ListerView view;
    view.bitmapHeight = bitmapHeight;
    shape.verticalTotal = VerticalScrollerTotal(view);
    shape.verticalVisible = VerticalScrollerVisible(bitmapHeight, shape.VisibleHeight(metrics.statusHeight));
}

}  // namespace

LONG ListerWindowLeft(const ConfigRecord &config)
{
    return config.ListerLeft();
}

LONG ListerWindowTop(const ConfigRecord &config, const ScreenMetrics &metrics)
{
    return config.ListerTop() != 0 ? LONG(config.ListerTop()) : metrics.borderTop;
}

ULONG VerticalScrollerVisible(ULONG bitmapHeight, ULONG visibleHeight)
{
    ULONG visible = std::min(visibleHeight, bitmapHeight);
    if (bitmapHeight <= 65535)
        return visible;
    return ULONG(UQUAD(visible) * 65535 / bitmapHeight);
}

ListerWindowSpec ComputeListerWindow(const ConfigRecord &config, const ScreenMetrics &metrics, ULONG bitmapWidth,
                                     ULONG bitmapHeight)
{
    ListerWindowSpec shape;
    shape.left = ListerWindowLeft(config);
    shape.top = ListerWindowTop(config, metrics);

    ULONG bordersX = ULONG(metrics.BordersX());
    ULONG bordersY = ULONG(metrics.BordersY());
    ULONG maxWidth = MaximumWidth(config, metrics);
    if (Less(maxWidth, bordersX) < bitmapWidth) {
        shape.innerWidth = Less(maxWidth, bordersX);
        shape.maxWidth = maxWidth;
    } else {
        shape.innerWidth = bitmapWidth;
        shape.maxWidth = bitmapWidth + bordersX;
    }
    shape.horizontalTotal = bitmapWidth;

    ULONG maxHeight = MaximumHeight(config, metrics);
    ULONG available = Less(Less(maxHeight, ULONG(std::max<LONG>(shape.top, 0))), bordersY);
    ULONG needed = bitmapHeight + metrics.statusHeight;
    if (available < needed) {
        shape.innerHeight = available;
        shape.maxHeight = Less(maxHeight, ULONG(std::max<LONG>(shape.top, 0)));
    } else {
        shape.innerHeight = needed;
        shape.maxHeight = needed + bordersY;
    }
    SetScrollerValues(shape, metrics, bitmapHeight);
    return shape;
}

void ResizeListerWindow(ListerWindowSpec &shape, const ScreenMetrics &metrics, LONG width, LONG height,
                        ULONG bitmapHeight)
{
    shape.innerWidth = Less(ULONG(std::max<LONG>(width, 0)), ULONG(metrics.BordersX()));
    shape.innerHeight = Less(ULONG(std::max<LONG>(height, 0)), ULONG(metrics.BordersY()));
    SetScrollerValues(shape, metrics, bitmapHeight);
}

void FitPairedListerWindow(ListerWindowSpec &shape, const ScreenMetrics &metrics, ListerRole role)
{
    ULONG half = ULONG(std::max<LONG>(metrics.screenWidth, 0)) / 2;
    shape.left = role == ListerRole::First ? 0 : LONG(half);
    ULONG most = Less(half, ULONG(metrics.BordersX()));
    shape.innerWidth = std::min(shape.innerWidth, most);
    shape.maxWidth = shape.innerWidth + ULONG(metrics.BordersX());
    shape.horizontalVisible = shape.innerWidth;
}
