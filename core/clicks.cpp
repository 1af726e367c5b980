// core/clicks.cpp: clicks on the list: selecting, painting a run of lines by dragging, and double-clicks.
#include "lister_ops.h"

#include <lister/selection.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <cstring>

namespace {

enum class ClickPlace {
    Outside,   // right of or below the list area: ignored
    Swallow,   // the status line or above it, or below the last entry: ignored with its release
    Line       // a line of the list
};

ClickPlace PlaceOf(const Lister &lister, LONG x, LONG y, ULONG &row)
{
    const ListerGeometry &g = lister.geometry;
    LONG listTop = g.topBorder + LONG(g.statusHeight);
    if (x < g.leftBorder || x >= g.leftBorder + LONG(g.innerWidth) || y >= listTop + LONG(g.visibleHeight))
        return ClickPlace::Outside;
    if (y < listTop)
        return ClickPlace::Swallow;
    row = (ULONG(y - listTop) + lister.view.scrollTop) / lister.metrics.ySize;
    return row < lister.layout.linesDrawn ? ClickPlace::Line : ClickPlace::Swallow;
}

// Drops messages up to and including the next mouse button message.
void SwallowRelease(Lister &lister)
{
    while (!lister.quit) {
        WindowEvent event;
        if (!TakeListerEvent(lister, event)) {
            WaitListerPort(lister);
            continue;
        }
        if (event.cls == IDCMP_MOUSEBUTTONS)
            return;
    }
}

void PresentRow(Lister &lister, ULONG row)
{
    PresentListerRow(lister, row);
}

// With the pointer in the last line's height of the list area and more lines
// below, the list moves up by one line.
void ScrollAtBottomEdge(Lister &lister, LONG y, ULONG row)
{
    const ListerGeometry &g = lister.geometry;
    LONG listBottom = g.topBorder + LONG(g.statusHeight) + LONG(g.visibleHeight);
    if (y < listBottom - LONG(lister.metrics.ySize) || row + 1 >= lister.layout.linesDrawn)
        return;
    ListerView &view = lister.view;
    ULONG bottom = view.bitmapHeight > view.visibleHeight ? view.bitmapHeight - view.visibleHeight : 0;
    if (view.scrollTop >= bottom)
        return;
    view.scrollTop = view.scrollTop + lister.metrics.ySize < bottom ? view.scrollTop + lister.metrics.ySize : bottom;
    UpdateVerticalScroller(lister);
    PresentListerRows(lister);
}

// Painting: until a message arrives, every line the pointer moves onto gets
// the state of the first click, and so does every line it crossed since the
// last look (a quick drag moves more than a line between two looks). The
// pointer is read from the window, which intuition keeps current while the
// button is held, once a frame.
class Painter {
public:
    Painter(Lister &lister, ULONG firstRow, BOOL selecting)
        : lister_(lister), bitmap_(lister.Bitmap()), lastRow_(firstRow), selecting_(selecting)
    {
    }

    // Paints up to the line at height y of the window.
    void MoveTo(LONG x, LONG y, bool scroll)
    {
        ULONG row;
        if (PlaceOf(lister_, x, y, row) != ClickPlace::Line) {
            // Beside the list the line under the pointer's height still counts.
            const ListerGeometry &g = lister_.geometry;
            LONG listTop = g.topBorder + LONG(g.statusHeight);
            if (y < listTop || y >= listTop + LONG(g.visibleHeight))
                return;
            row = (ULONG(y - listTop) + lister_.view.scrollTop) / lister_.metrics.ySize;
            if (row >= lister_.layout.linesDrawn)
                return;
        }
        while (lastRow_ != row) {
            lastRow_ = lastRow_ < row ? lastRow_ + 1 : lastRow_ - 1;
            if (SetSelection(lister_.entries, bitmap_, lister_.metrics.ySize, lastRow_, selecting_))
                PresentRow(lister_, lastRow_);
        }
        if (scroll)
            ScrollAtBottomEdge(lister_, y, row);
    }

private:
    Lister &lister_;
    RenderTarget bitmap_;
    ULONG lastRow_;
    BOOL selecting_;
};

void Paint(Lister &lister, ULONG firstRow, BOOL selecting)
{
    Painter painter(lister, firstRow, selecting);
    const volatile WORD *pointerY = &lister.window->MouseY;
    const volatile WORD *pointerX = &lister.window->MouseX;
    WORD lastY = *pointerY;
    for (;;) {
        auto *message = reinterpret_cast<struct IntuiMessage *>(GetMsg(lister.sharedPort));
        if (message != nullptr && IsPartnerMessage(lister, &message->ExecMessage)) {
            HandlePartnerMessage(lister, &message->ExecMessage);
            continue;
        }
        if (message != nullptr) {
            // The release that ends the painting: the lines up to where the
            // button went up count too, should the pointer have got there
            // since the last look.
            if (message->Class == IDCMP_MOUSEBUTTONS && message->MouseY != lastY)
                painter.MoveTo(message->MouseX, message->MouseY, false);
            ReplyMsg(&message->ExecMessage);
            return;
        }
        WORD y = *pointerY;
        if (y == lastY) {
            WaitTOF();
            continue;
        }
        lastY = y;
        painter.MoveTo(*pointerX, y, true);
    }
}

// Waits for the release of the second click of a double-click.
void WaitForRelease(Lister &lister)
{
    SwallowRelease(lister);
}

void DoubleClickLine(Lister &lister, ULONG row)
{
    RenderTarget bitmap = lister.Bitmap();
    if (IsSelected(lister.entries, row)) {
        Deselect(lister.entries, bitmap, lister.metrics.ySize, row);
        PresentRow(lister, row);
    }
    const ListerEntry *entry = lister.entries.SlotEntry(row);
    if (entry == nullptr)
        return;
    if (entry->IsDrawer()) {
        char name[ListerNameSize];
        std::memcpy(name, entry->name, ListerNameSize);
        EnterDrawer(lister, name);
        return;
    }
    WaitForRelease(lister);
    RunViewer(lister, entry->name);
}

}  // namespace

void HandleMouseButton(Lister &lister, const WindowEvent &event)
{
    // Only a press of the select button acts; a release that was not taken
    // by painting, or another button, never changes the selection.
    if (event.code != SELECTDOWN || lister.window == nullptr)
        return;
    ULONG row = 0;
    switch (PlaceOf(lister, event.mouseX, event.mouseY, row)) {
    case ClickPlace::Outside:
        lister.click.valid = FALSE;
        return;
    case ClickPlace::Swallow:
        lister.click.valid = FALSE;
        SwallowRelease(lister);
        return;
    case ClickPlace::Line:
        break;
    }

    ClickMemory &last = lister.click;
    if (last.valid && last.row == row && DoubleClick(last.seconds, last.micros, event.seconds, event.micros)) {
        last.valid = FALSE;
        DoubleClickLine(lister, row);
        if (!lister.quit)
            ReturnToEventLoop(lister);
        return;
    }
    last.valid = TRUE;
    last.row = row;
    last.seconds = event.seconds;
    last.micros = event.micros;

    BOOL selecting = ToggleSelection(lister.entries, lister.Bitmap(), lister.metrics.ySize, row);
    PresentRow(lister, row);
    ScrollAtBottomEdge(lister, event.mouseY, row);
    Paint(lister, row, selecting);
}
