// core/screen_metrics.cpp: reading the screen's borders and font.
#include "screen_metrics.h"

#include <proto/graphics.h>
#include <proto/intuition.h>

ULONG StatusLineHeight(ULONG ySize)
{
    return ySize + ySize / 4;
}

void SetFontMetrics(ScreenMetrics &metrics, ULONG ySize, ULONG xSize, ULONG baseline)
{
    metrics.ySize = ySize;
    metrics.xSize = xSize;
    metrics.baseline = baseline;
    metrics.statusHeight = StatusLineHeight(ySize);
    metrics.listTop = metrics.borderTop + LONG(metrics.statusHeight);
}

BOOL ReadScreenMetrics(ScreenMetrics &metrics, struct Screen *screen, struct DrawInfo *drawInfo,
                       struct TextFont **font)
{
    *font = nullptr;
    metrics.screenWidth = screen->Width;
    metrics.screenHeight = screen->Height;
    metrics.borderTop = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowTopBorder, nullptr));
    metrics.borderBottom = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowBottomBorder, nullptr));
    metrics.borderLeft = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowLeftBorder, nullptr));
    metrics.borderRight = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowRightBorder, nullptr));
    // An opened font of our own, so closing it at quit is balanced.
    struct TextFont *opened = screen->Font != nullptr ? OpenFont(screen->Font) : nullptr;
    if (opened == nullptr)
        return FALSE;
    *font = opened;
    SetFontMetrics(metrics, opened->tf_YSize, opened->tf_XSize, opened->tf_Baseline);
    return TRUE;
}
