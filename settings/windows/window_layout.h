// settings/windows/window_layout.h: where rows, labels and buttons of a settings window go, in font units.
#ifndef SETTINGS_WINDOWS_WINDOW_LAYOUT_H
#define SETTINGS_WINDOWS_WINDOW_LAYOUT_H

#include <ui/dialog.h>

#include <cstring>

// Everything is a multiple of the font's height Y and nominal width X:
// rows start Y below the top border, one pitch apart; labels are drawn Y
// in from the left on the row of their gadget; the buttons' row follows
// the last row after a blank line, and Y is left below it.
struct SettingsLayout {
    LONG y = 0;       // font height
    LONG x = 0;       // nominal width
    LONG top = 0;     // the window's top border
    LONG left = 0;    // and its left border
    LONG pitch = 0;   // from one row to the next

    SettingsLayout(const DialogToolkit &toolkit, LONG pitchInHalfLines)
        : y(LONG(toolkit.glyphs->height)), x(LONG(toolkit.glyphs->nominalWidth)), top(toolkit.borderTop),
          left(toolkit.borderLeft), pitch(y * pitchInHalfLines / 2)
    {
    }

    // A gadget's top on row `row`, in window coordinates.
    LONG RowTop(ULONG row) const { return top + y + LONG(row) * pitch; }
    // The label of that row on the canvas, which starts at the inner edge.
    LONG LabelY(ULONG row) const { return RowTop(row) - top; }
    // A gadget's left edge `column` pixels in from the inner edge.
    LONG Column(LONG column) const { return left + column; }
    // The width of a label or button text of `text`'s length.
    LONG TextWidth(CONST_STRPTR text) const { return LONG(std::strlen(text)) * x; }

    // The buttons' row after `rows` rows, and the inner height that ends Y below it.
    LONG ButtonTop(ULONG rows) const { return RowTop(rows) - pitch + 2 * y; }
    UWORD InnerHeight(ULONG rows) const { return UWORD(ButtonTop(rows) - top + 2 * y); }

    // The confirming button at the left, and the one `fromLeft` buttons further right.
    DialogBox LeftButton(ULONG rows, ULONG fromLeft = 0) const
    {
        return DialogBox{left + y + LONG(fromLeft) * (8 * x + y), ButtonTop(rows), 8 * x, y, FALSE};
    }
    // The cancelling button, right-aligned Y from the right border.
    DialogBox RightButton(ULONG rows) const { return DialogBox{y, ButtonTop(rows), 8 * x, y, TRUE}; }
};

#endif /* SETTINGS_WINDOWS_WINDOW_LAYOUT_H */
