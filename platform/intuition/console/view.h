// intuition/console/view.h: a console's window: opening it from a description, and drawing its text, typed line and cursor.
#ifndef INTUITION_CONSOLE_VIEW_H
#define INTUITION_CONSOLE_VIEW_H

#include "lineeditor.h"
#include "textgrid.h"

#include <hosted/console.h>
#include <intuition/intuition.h>

#include <string>
#include <vector>

namespace hosted {

// One row as the window shows it: the grid's cells with the typed line
// laid over them, and where the cursor stands (-1: not in this row).
struct ShownRow {
    std::vector<ConsoleCell> cells;
    ULONG id = 0;           // the grid row it shows (0: none yet)
    LONG cursor = -1;
    bool operator==(const ShownRow &other) const = default;
};

// What the window shows of a grid: its view's rows, with the line being
// typed (`editor`, or null) laid over them from the cursor on, wrapping
// as written text would, and the cursor where typing goes (when
// `cursor`). The cursor is placed in the line being typed even when the
// grid hides its own.
std::vector<ShownRow> ComposeRows(const TextGrid &grid, const LineEditor *editor, bool cursor);

// The lines of text shown rows hold, for the automation's dump: blanks
// at the ends of lines and empty lines at the end left out.
std::vector<std::string> ShownText(const std::vector<ShownRow> &rows);

// The pens text is drawn in when nothing else is asked for.
struct ConsolePens {
    UBYTE text = 1;
    UBYTE background = 0;
};

// The window of a console: a frame with a title, a depth and a sizing
// gadget, a close gadget when the description asks for one, and a
// scroller in the right border for the lines scrolled away. Its messages
// go to a port of the caller's choosing. The text is drawn in the
// screen's font on a grid of its nominal cells, in the screen's pens.
class ConsoleView {
public:
    ConsoleView() = default;
    ConsoleView(const ConsoleView &) = delete;
    ConsoleView &operator=(const ConsoleView &) = delete;
    ~ConsoleView() { Close(); }

    // Opens the window for a description (missing numbers: 0, below the
    // screen's title bar, 640 x 200) with its messages going to `port`.
    // False with `error` set (a dos ERROR_ code) when it cannot open.
    bool Open(const ConsoleSpec &shape, struct MsgPort *port, LONG &error);
    void Close();
    bool IsOpen() const { return window_ != nullptr; }
    struct Window *Window() const { return window_; }
    bool Active() const;

    // The grid the window's inside holds now.
    void GridSize(LONG &columns, LONG &rows) const;

    // Draws what differs from what the window shows (everything with
    // `full`), brings the scroller up to date and reports the text to the
    // automation.
    void Paint(const std::vector<ShownRow> &rows, const TextGrid &grid, bool full);

    // The scroller's gadget, to tell its messages apart.
    struct Gadget *Scroller() const { return scroller_; }
    // Keeps the scroller from being moved by the program while the person holds it.
    void SetScrollerHeld(bool held) { scrollerHeld_ = held; }
    // The person moved the knob to this top: nothing to set.
    void NoteScrollerTop(ULONG top) { scrollerTop_ = top; }

    // The pens of text and background on the default screen.
    static ConsolePens ScreenPens();

private:
    void Measure();
    void PaintRow(struct RastPort *rp, LONG index, const ShownRow &row);
    void PaintCursor(struct RastPort *rp, LONG index, const ShownRow &row);
    void UpdateScroller(const TextGrid &grid);

    struct Window *window_ = nullptr;
    std::string title_;
    struct Gadget *scroller_ = nullptr;
    bool scrollerHeld_ = false;
    ULONG scrollerTotal_ = 0, scrollerVisible_ = 0, scrollerTop_ = 0;
    // Pens and measures.
    UBYTE textPen_ = 1, backgroundPen_ = 0, fillPen_ = 3, fillTextPen_ = 2;
    LONG cellWidth_ = 8, lineHeight_ = 8, baseline_ = 6;
    UWORD advance_[256] = {};
    // What the window shows now.
    std::vector<ShownRow> shown_;
    LONG shownColumns_ = 0;
    bool shownActive_ = false;
    std::vector<std::string> reported_;
};

}  // namespace hosted

#endif  // INTUITION_CONSOLE_VIEW_H
