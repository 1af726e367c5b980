// tools/multiview/viewer_window.h: the viewer's window: its page, scrolling by scrollers, keys and wheel, and the views shown in it.
#ifndef MULTIVIEW_VIEWER_WINDOW_H
#define MULTIVIEW_VIEWER_WINDOW_H

#include "scrollers.h"
#include "styled_text.h"

#include <intuition/intuition.h>

#include <string>
#include <vector>

namespace hosted::multiview {

// What the viewer draws with: the default public screen (locked while a
// viewer uses it), its pens and font and the border sizes of its windows.
struct Look {
    struct Screen *screen = nullptr;
    struct DrawInfo *drawInfo = nullptr;
    struct TextFont *font = nullptr;
    PagePens pens;
    LONG borderTop = 0;      // of a window with a title bar and a sizing gadget
    LONG borderLeft = 0;
    LONG borderRight = 0;
    LONG borderBottom = 0;
    LONG fontHeight = 0;
    LONG baseline = 0;
    LONG xSize = 0;          // the font's nominal width
};

// Locks the public screen `screenName` (NULL or one that is not open: the
// default public screen) and reads its look. False (IoErr
// ERROR_NO_FREE_STORE, or ERROR_OBJECT_NOT_FOUND without a screen) when
// it cannot.
bool ObtainLook(Look &look, const char *screenName = nullptr);
void ReleaseLook(Look &look);

// One direction of scrolling, in a view's own units (lines, pixels).
struct ScrollAxis {
    UQUAD total = 0;     // units of the whole
    UQUAD visible = 0;   // units the page shows at once
    UQUAD top = 0;       // the first unit shown
    LONG unit = 1;       // pixels of a unit
    UQUAD step = 1;      // units an arrow or a cursor key moves

    UQUAD Last() const { return total > visible ? total - visible : 0; }
};

class ViewerWindow;

// What a window shows: a text, a dump, a help document, a picture.
class View {
public:
    virtual ~View() = default;

    // The window's title for what is shown now.
    virtual std::string Title() const = 0;
    // The page size (inner width, and inner height below the bar) the
    // window would best open with; it is made to fit the screen.
    virtual void PreferredSize(LONG &width, LONG &height) = 0;
    // The height of a bar of the view's own above the page.
    virtual LONG BarHeight() const { return 0; }
    // The narrowest page the view can be shown in (its bar must fit).
    virtual LONG MinimumWidth() const { return 0; }
    // Called when the window opens, when its size changes and when the
    // view asks for it (ViewerWindow::Relayout): fills in both axes for a
    // page of width x height pixels. The tops are the current ones; the
    // view may move them (the window keeps them in range).
    virtual void Layout(LONG width, LONG height, ScrollAxis &horizontal, ScrollAxis &vertical) = 0;
    // Draws the page (0,0 its top left corner) for the scroll position.
    virtual void Paint(struct RastPort *rp, LONG width, LONG height, const ScrollAxis &horizontal,
                       const ScrollAxis &vertical) = 0;
    // The lines of text the page shows, top to bottom.
    virtual std::vector<std::string> ShownText(const ScrollAxis &horizontal, const ScrollAxis &vertical) = 0;

    // The window opened: the view adds gadgets of its own (ids from
    // IdFirstFree). False when it cannot.
    virtual bool Opened(ViewerWindow &window) { (void)window; return true; }
    // Draws the view's bar (above the page) after the window opened or
    // changed its size.
    virtual void PaintBar(ViewerWindow &window) { (void)window; }
    // The page was drawn anew: the view places what belongs on it.
    virtual void Shown(ViewerWindow &window) { (void)window; }
    // A gadget of the view's own was released over.
    virtual void GadgetUp(ViewerWindow &window, UWORD id) { (void)window; (void)id; }
    // A key the window does not use itself; true when the view used it.
    virtual bool Key(ViewerWindow &window, UWORD rawKey, UWORD qualifier)
    {
        (void)window;
        (void)rawKey;
        (void)qualifier;
        return false;
    }
    // The window is about to close: the view takes its gadgets away.
    virtual void Closing(ViewerWindow &window) { (void)window; }
};

// A window on the default public screen showing one view, until the
// person closes it.
class ViewerWindow {
public:
    ViewerWindow(View &view, const Look &look) : view_(view), look_(look) {}
    ~ViewerWindow();
    ViewerWindow(const ViewerWindow &) = delete;
    ViewerWindow &operator=(const ViewerWindow &) = delete;

    // Opens the window (cascaded below the others the viewer has open) and
    // handles its messages until it is closed by its close gadget, the
    // Escape key or the view. False, with IoErr set, when it cannot open
    // or cannot go on (no memory for its page after a resize).
    bool Run();

    struct Window *Window() const { return window_; }
    const Look &LookOf() const { return look_; }
    // The page's place in window coordinates.
    LONG PageLeft() const;
    LONG PageTop() const;
    LONG PageWidth() const { return pageWidth_; }
    LONG PageHeight() const { return pageHeight_; }

    // The view's content changed (another node): lay out and show again.
    void Relayout();
    // Draws the page, the scrollers, the title and the text lines anew.
    void Show();
    // Ends Run after the message being handled.
    void Close() { running_ = false; }

private:
    // What is kept of a message once it is replied.
    struct Received {
        ULONG cls = 0;
        UWORD code = 0;
        UWORD qualifier = 0;
        UWORD gadgetId = 0;
        bool hasTop = false;   // an update carried PGA_Top
        ULONG top = 0;
    };

    bool Open();
    void CloseWindowNow();
    bool MakePage();
    void LayoutView();
    void Handle(const Received &m);
    void Scroll(ScrollAxis &axis, QUAD by);
    void ScrollTo(ScrollAxis &axis, UQUAD top);
    void ArrowDown(UWORD id);
    void ReleaseArrow();
    void Tick();
    void KeyDown(UWORD code, UWORD qualifier);
    void PropMoved(UWORD id, ULONG shownTop);
    void SetTitle(const std::string &title);

    View &view_;
    const Look &look_;
    Scrollers scrollers_;
    struct Window *window_ = nullptr;
    struct BitMap *page_ = nullptr;
    struct RastPort pagePort_{};
    LONG pageWidth_ = 0;
    LONG pageHeight_ = 0;
    ScrollAxis horizontal_;
    ScrollAxis vertical_;
    UWORD heldArrow_ = 0;
    int heldTicks_ = 0;
    bool running_ = false;
    bool failed_ = false;
    char titles_[2][256] = {};
    int titleSlot_ = 0;
    int cascade_ = 0;
};

}  // namespace hosted::multiview

#endif  // MULTIVIEW_VIEWER_WINDOW_H
