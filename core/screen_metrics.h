// core/screen_metrics.h: the sizes every layout derives from: screen, window borders, font, status line.
#ifndef CORE_SCREEN_METRICS_H
#define CORE_SCREEN_METRICS_H

#include <exec/types.h>

struct Screen;
struct DrawInfo;
struct TextFont;

struct ScreenMetrics {
    LONG screenWidth = 0;
    LONG screenHeight = 0;
    LONG borderTop = 0;       // window borders of a sizing window on this screen
    LONG borderBottom = 0;
    LONG borderLeft = 0;
    LONG borderRight = 0;
    ULONG ySize = 0;          // the screen font's height
    ULONG xSize = 0;          // its nominal width
    ULONG baseline = 0;
    ULONG statusHeight = 0;   // YSize + YSize / 4
    LONG listTop = 0;         // top border + status height: where the list starts in the window

    LONG BordersX() const { return borderLeft + borderRight; }
    LONG BordersY() const { return borderTop + borderBottom; }
};

// The status line's height for a font of `ySize` rows: YSize + YSize / 4.
ULONG StatusLineHeight(ULONG ySize);

// Fills in the font-derived fields (ySize, xSize, baseline, statusHeight,
// listTop) from the font and the top border already in `metrics`.
void SetFontMetrics(ScreenMetrics &metrics, ULONG ySize, ULONG xSize, ULONG baseline);

// Reads the screen's size, the four border sizes (GetDrawInfoAttr with the
// window border attributes) and opens the screen's font (OpenFont on its
// TextAttr; the caller closes it with CloseFont). FALSE, with nothing held,
// when the font cannot be opened.
[[nodiscard]] BOOL ReadScreenMetrics(ScreenMetrics &metrics, struct Screen *screen, struct DrawInfo *drawInfo,
                       struct TextFont **font);

#endif /* CORE_SCREEN_METRICS_H */
