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

void SetScrollerValues(ListerWindowSpec &spec, const ScreenMetrics &metrics, ULONG bitmapHeight)
{
    spec.horizontalVisible = spec.innerWidth;
    ListerView view;
    view.bitmapHeight = bitmapHeight;
    spec.verticalTotal = VerticalScrollerTotal(view);
    spec.verticalVisible = VerticalScrollerVisible(bitmapHeight, spec.VisibleHeight(metrics.statusHeight));
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
    ListerWindowSpec spec;
    spec.left = ListerWindowLeft(config);
    spec.top = ListerWindowTop(config, metrics);

    ULONG bordersX = ULONG(metrics.BordersX());
    ULONG bordersY = ULONG(metrics.BordersY());
    ULONG maxWidth = MaximumWidth(config, metrics);
    if (Less(maxWidth, bordersX) < bitmapWidth) {
        spec.innerWidth = Less(maxWidth, bordersX);
        spec.maxWidth = maxWidth;
    } else {
        spec.innerWidth = bitmapWidth;
        spec.maxWidth = bitmapWidth + bordersX;
    }
    spec.horizontalTotal = bitmapWidth;

    ULONG maxHeight = MaximumHeight(config, metrics);
    ULONG available = Less(Less(maxHeight, ULONG(std::max<LONG>(spec.top, 0))), bordersY);
    ULONG needed = bitmapHeight + metrics.statusHeight;
    if (available < needed) {
        spec.innerHeight = available;
        spec.maxHeight = Less(maxHeight, ULONG(std::max<LONG>(spec.top, 0)));
    } else {
        spec.innerHeight = needed;
        spec.maxHeight = needed + bordersY;
    }
    SetScrollerValues(spec, metrics, bitmapHeight);
    return spec;
}

void ResizeListerWindow(ListerWindowSpec &spec, const ScreenMetrics &metrics, LONG width, LONG height,
                        ULONG bitmapHeight)
{
    spec.innerWidth = Less(ULONG(std::max<LONG>(width, 0)), ULONG(metrics.BordersX()));
    spec.innerHeight = Less(ULONG(std::max<LONG>(height, 0)), ULONG(metrics.BordersY()));
    SetScrollerValues(spec, metrics, bitmapHeight);
}
