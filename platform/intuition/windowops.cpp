// intuition/windowops.cpp: what is done to open windows: moving, sizing, depth, activation, titles, limits.
#include "look.h"
#include "state.h"

#include <intuition/gadgetclass.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <algorithm>

namespace hosted {

namespace {

Box InnerBox(const struct Window &win)
{
    return Box{win.BorderLeft, win.BorderTop, win.Width - win.BorderRight, win.Height - win.BorderBottom};
}

void Restack(WindowRecord *w, std::vector<WindowRecord *>::iterator where)
{
    ScreenRecord *s = w->screen;
    s->windows.erase(std::find(s->windows.begin(), s->windows.end(), w));
    s->windows.insert(where, w);
    RestackScreen(s);
    DamageWindow(w, BoxAt(0, 0, w->window.Width, w->window.Height));
}

bool IsBackdrop(const WindowRecord *w)
{
    return (w->window.Flags & WFLG_BACKDROP) != 0;
}

}  // namespace

void SetWindowBox(WindowRecord *w, LONG left, LONG top, LONG width, LONG height, bool notify)
{
    struct Window &win = w->window;
    ScreenRecord *s = w->screen;
    const LONG screenW = s->screen.Width;
    const LONG screenH = s->screen.Height;
    // Only a size that changes is held to the limits: moving a window never
    // resizes it.
    if (width != win.Width)
        width = std::clamp<LONG>(width, win.MinWidth, std::max<LONG>(win.MinWidth, win.MaxWidth));
    if (height != win.Height)
        height = std::clamp<LONG>(height, win.MinHeight, std::max<LONG>(win.MinHeight, win.MaxHeight));
    width = std::min(width, screenW);
    height = std::min(height, screenH);
    left = std::clamp<LONG>(left, 0, screenW - width);
    top = std::clamp<LONG>(top, 0, screenH - height);
    const Box oldBox = BoxAt(win.LeftEdge, win.TopEdge, win.Width, win.Height);
    const bool resized = width != win.Width || height != win.Height;
    const bool moved = left != win.LeftEdge || top != win.TopEdge;
    if (!resized && !moved)
        return;
    if (resized) {
        const Box oldInner = InnerBox(win);
        ULONG fill = PenColor(w->backing, PenBackground);
        if (!ResizeChunkyBitMap(w->backing, width, height, fill))
            return;
        win.Width = static_cast<WORD>(width);
        win.Height = static_cast<WORD>(height);
        win.GZZWidth = static_cast<WORD>(width - win.BorderLeft - win.BorderRight);
        win.GZZHeight = static_cast<WORD>(height - win.BorderTop - win.BorderBottom);
        w->layer.Width = static_cast<WORD>(width);
        w->layer.Height = static_cast<WORD>(height);
        // What was frame and is inside now starts as background.
        Region uncovered(InnerBox(win));
        uncovered.Subtract(oldInner);
        struct RastPort rp = w->rastPort;
        SetAPen(&rp, PenBackground);
        SetDrMd(&rp, JAM2);
        for (const Box &b : uncovered.Boxes())
            RectFill(&rp, b.x0, b.y0, b.x1 - 1, b.y1 - 1);
    }
    win.LeftEdge = static_cast<WORD>(left);
    win.TopEdge = static_cast<WORD>(top);
    w->layer.bounds = {static_cast<WORD>(left), static_cast<WORD>(top), static_cast<WORD>(left + width - 1),
                       static_cast<WORD>(top + height - 1)};
    RestackScreen(s);
    if (resized) {
        PaintWindowFrame(w);
        LayoutGadgets(w, false);
        for (struct Gadget *g = win.FirstGadget; g != nullptr; g = g->NextGadget)
            RenderGadget(w, g, GREDRAW_REDRAW);
    }
    DamageScreen(s, oldBox);
    DamageWindow(w, BoxAt(0, 0, width, height));
    if (s == FrontScreen())
        SetPointerOnWindows(s);
    if (!notify)
        return;
    if (resized)
        SendIDCMP(w, IDCMP_NEWSIZE, 0, nullptr);
    SendIDCMP(w, IDCMP_CHANGEWINDOW, CWCODE_MOVESIZE, nullptr);
}

bool IsFrontmost(const WindowRecord *w)
{
    for (WindowRecord *o : w->screen->windows) {
        if (IsBackdrop(o) == IsBackdrop(w))
            return o == w;
    }
    return false;
}

void RaiseWindow(WindowRecord *w)
{
    ScreenRecord *s = w->screen;
    if (IsFrontmost(w))
        return;
    auto where = s->windows.begin();
    if (IsBackdrop(w))
        where = std::find_if(s->windows.begin(), s->windows.end(), [](WindowRecord *o) { return IsBackdrop(o); });
    Restack(w, where);
}

void LowerWindow(WindowRecord *w)
{
    ScreenRecord *s = w->screen;
    s->windows.erase(std::find(s->windows.begin(), s->windows.end(), w));
    auto where = s->windows.end();
    if (!IsBackdrop(w))
        where = std::find_if(s->windows.begin(), s->windows.end(), [](WindowRecord *o) { return IsBackdrop(o); });
    s->windows.insert(where, w);
    RestackScreen(s);
    DamageWindow(w, BoxAt(0, 0, w->window.Width, w->window.Height));
}

void SetWindowTextLines(struct Window *window, const std::vector<std::string> &lines)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (WindowRecord *w = WindowOf(window))
        w->textLines = lines;
}

std::vector<std::string> WindowTextLines(struct Window *window)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    return w != nullptr ? w->textLines : std::vector<std::string>{};
}

bool WindowPartsOf(struct Window *window, WindowParts &parts)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return false;
    auto toIBox = [](const Box &b) {
        struct IBox box{};
        if (!b.Empty()) {
            box.Left = static_cast<WORD>(b.x0);
            box.Top = static_cast<WORD>(b.y0);
            box.Width = static_cast<WORD>(b.Width());
            box.Height = static_cast<WORD>(b.Height());
        }
        return box;
    };
    parts.close = toIBox(w->parts.close);
    parts.depth = toIBox(w->parts.depth);
    parts.size = toIBox(w->parts.size);
    parts.dragBar = toIBox(w->parts.drag);
    return true;
}

}  // namespace hosted

using namespace hosted;

/* Moves a window by dx, dy, kept on its screen. IDCMP_CHANGEWINDOW follows. */
void MoveWindow(struct Window *window, LONG dx, LONG dy)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (WindowRecord *w = WindowOf(window))
        SetWindowBox(w, window->LeftEdge + dx, window->TopEdge + dy, window->Width, window->Height);
}

/* Sizes a window by dx, dy within its limits and the screen.
   IDCMP_NEWSIZE and IDCMP_CHANGEWINDOW follow. */
void SizeWindow(struct Window *window, LONG dx, LONG dy)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (WindowRecord *w = WindowOf(window))
        SetWindowBox(w, window->LeftEdge, window->TopEdge, window->Width + dx, window->Height + dy);
}

/* Gives a window a new place and size at once. */
void ChangeWindowBox(struct Window *window, LONG left, LONG top, LONG width, LONG height)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (WindowRecord *w = WindowOf(window))
        SetWindowBox(w, left, top, width, height);
}

/* Sets a window's size limits; 0 keeps a limit as it is, and a maximum of
   ~0 (0xFFFF) means the screen's size. FALSE (limits unchanged) when the
   current size lies outside the new limits. */
BOOL WindowLimits(struct Window *window, LONG minWidth, LONG minHeight, ULONG maxWidth, ULONG maxHeight)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return FALSE;
    LONG minW = minWidth != 0 ? minWidth : window->MinWidth;
    LONG minH = minHeight != 0 ? minHeight : window->MinHeight;
    LONG maxW = maxWidth == 0 ? window->MaxWidth : (static_cast<UWORD>(maxWidth) == 0xFFFF ? w->screen->screen.Width : static_cast<LONG>(maxWidth));
    LONG maxH = maxHeight == 0 ? window->MaxHeight : (static_cast<UWORD>(maxHeight) == 0xFFFF ? w->screen->screen.Height : static_cast<LONG>(maxHeight));
    if (window->Width < minW || window->Height < minH || window->Width > maxW || window->Height > maxH)
        return FALSE;
    window->MinWidth = static_cast<WORD>(minW);
    window->MinHeight = static_cast<WORD>(minH);
    window->MaxWidth = static_cast<UWORD>(maxW);
    window->MaxHeight = static_cast<UWORD>(maxH);
    return TRUE;
}

/* Brings a window in front of the other windows of its screen (backdrop
   windows stay behind all others). */
void WindowToFront(struct Window *window)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (WindowRecord *w = WindowOf(window))
        RaiseWindow(w);
}

/* Sends a window behind the other windows of its kind. */
void WindowToBack(struct Window *window)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (WindowRecord *w = WindowOf(window))
        LowerWindow(w);
}

/* Makes a window the active one: it gets the keys and the menu button.
   IDCMP_INACTIVEWINDOW goes to the one before, IDCMP_ACTIVEWINDOW to it. */
void ActivateWindow(struct Window *window)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (WindowRecord *w = WindowOf(window))
        ActivateWindowRecord(w);
}

/* Sets the window's title and the screen title shown while it is active.
   (CONST_STRPTR)~0 leaves one unchanged; NULL removes it. The strings are
   the program's and must stay valid. */
void SetWindowTitles(struct Window *window, CONST_STRPTR windowTitle, CONST_STRPTR screenTitle)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return;
    const auto keep = reinterpret_cast<CONST_STRPTR>(~static_cast<IPTR>(0));
    if (windowTitle != keep) {
        window->Title = reinterpret_cast<UBYTE *>(const_cast<char *>(windowTitle));
        PaintWindowFrame(w);
    }
    if (screenTitle != keep) {
        window->ScreenTitle = reinterpret_cast<UBYTE *>(const_cast<char *>(screenTitle));
        if (State().active == w)
            UpdateScreenTitle(w->screen);
    }
}

/* Draws the frame and the border gadgets again. */
void RefreshWindowFrame(struct Window *window)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (WindowRecord *w = WindowOf(window))
        PaintWindowFrame(w);
}

/* Windows keep their contents in backing stores here: there is never
   anything to repair, and these only keep the real system's pairing. */
void BeginRefresh(struct Window *)
{
}

void EndRefresh(struct Window *, BOOL)
{
}
