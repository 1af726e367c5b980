// intuition/windows.cpp: opening and closing windows, their backing stores, frames and activation.
#include "look.h"
#include "state.h"

#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>
#include <proto/utility.h>

#include <algorithm>

namespace hosted {

namespace {

// Everything OpenWindowTagList gathers from a NewWindow and the tags.
struct WindowParams {
    LONG left = 0, top = 0, width = -1, height = -1;
    LONG innerWidth = -1, innerHeight = -1;
    LONG minWidth = -1, minHeight = -1, maxWidth = -1, maxHeight = -1;
    UBYTE detailPen = 0xFF, blockPen = 0xFF;
    ULONG idcmp = 0;
    ULONG flags = 0;
    struct Gadget *gadgets = nullptr;
    struct Image *checkMark = nullptr;
    UBYTE *title = nullptr;
    UBYTE *screenTitle = nullptr;
    struct Screen *screen = nullptr;
    CONST_STRPTR publicName = nullptr;
    bool publicNameGiven = false;
    bool fallBack = false;
    struct Hook *backFill = LAYERS_BACKFILL;
    int mouseQueue = 5;
    bool notifyDepth = false;
};

void SetFlag(ULONG &flags, ULONG flag, IPTR on)
{
    if (on != 0)
        flags |= flag;
    else
        flags &= ~flag;
}

void ReadTags(WindowParams &p, const struct TagItem *tags)
{
    const struct TagItem *state = tags;
    while (struct TagItem *tag = NextTagItem(&state)) {
        IPTR d = tag->ti_Data;
        switch (tag->ti_Tag) {
        case WA_Left: p.left = static_cast<LONG>(d); break;
        case WA_Top: p.top = static_cast<LONG>(d); break;
        case WA_Width: p.width = static_cast<LONG>(d); break;
        case WA_Height: p.height = static_cast<LONG>(d); break;
        case WA_InnerWidth: p.innerWidth = static_cast<LONG>(d); break;
        case WA_InnerHeight: p.innerHeight = static_cast<LONG>(d); break;
        case WA_MinWidth: p.minWidth = static_cast<LONG>(d); break;
        case WA_MinHeight: p.minHeight = static_cast<LONG>(d); break;
        case WA_MaxWidth: p.maxWidth = static_cast<LONG>(static_cast<UWORD>(d)); break;
        case WA_MaxHeight: p.maxHeight = static_cast<LONG>(static_cast<UWORD>(d)); break;
        case WA_DetailPen: p.detailPen = static_cast<UBYTE>(d); break;
        case WA_BlockPen: p.blockPen = static_cast<UBYTE>(d); break;
        case WA_IDCMP: p.idcmp = static_cast<ULONG>(d); break;
        case WA_Flags: p.flags = static_cast<ULONG>(d); break;
        case WA_Gadgets: p.gadgets = reinterpret_cast<struct Gadget *>(d); break;
        case WA_Checkmark: p.checkMark = reinterpret_cast<struct Image *>(d); break;
        case WA_Title: p.title = reinterpret_cast<UBYTE *>(d); break;
        case WA_ScreenTitle: p.screenTitle = reinterpret_cast<UBYTE *>(d); break;
        case WA_CustomScreen:
        case WA_PubScreen: p.screen = reinterpret_cast<struct Screen *>(d); break;
        case WA_PubScreenName:
            p.publicName = reinterpret_cast<CONST_STRPTR>(d);
            p.publicNameGiven = true;
            break;
        case WA_PubScreenFallBack: p.fallBack = d != 0; break;
        case WA_BackFill: p.backFill = reinterpret_cast<struct Hook *>(d); break;
        case WA_MouseQueue: p.mouseQueue = std::max<int>(1, static_cast<int>(d)); break;
        case WA_NotifyDepth: p.notifyDepth = d != 0; break;
        case WA_SizeGadget: SetFlag(p.flags, WFLG_SIZEGADGET, d); break;
        case WA_DragBar: SetFlag(p.flags, WFLG_DRAGBAR, d); break;
        case WA_DepthGadget: SetFlag(p.flags, WFLG_DEPTHGADGET, d); break;
        case WA_CloseGadget: SetFlag(p.flags, WFLG_CLOSEGADGET, d); break;
        case WA_Backdrop: SetFlag(p.flags, WFLG_BACKDROP, d); break;
        case WA_ReportMouse: SetFlag(p.flags, WFLG_REPORTMOUSE, d); break;
        case WA_NoCareRefresh: SetFlag(p.flags, WFLG_NOCAREREFRESH, d); break;
        case WA_Borderless: SetFlag(p.flags, WFLG_BORDERLESS, d); break;
        case WA_Activate: SetFlag(p.flags, WFLG_ACTIVATE, d); break;
        case WA_RMBTrap: SetFlag(p.flags, WFLG_RMBTRAP, d); break;
        case WA_WBenchWindow: SetFlag(p.flags, WFLG_WBENCHWINDOW, d); break;
        case WA_SizeBRight: SetFlag(p.flags, WFLG_SIZEBRIGHT, d); break;
        case WA_SizeBBottom: SetFlag(p.flags, WFLG_SIZEBBOTTOM, d); break;
        case WA_GimmeZeroZero: SetFlag(p.flags, WFLG_GIMMEZEROZERO, d); break;
        case WA_NewLookMenus: SetFlag(p.flags, WFLG_NEWLOOKMENUS, d); break;
        case WA_SimpleRefresh:
            if (d != 0)
                p.flags = (p.flags & ~WFLG_REFRESHBITS) | WFLG_SIMPLE_REFRESH;
            break;
        case WA_SmartRefresh:
            if (d != 0)
                p.flags = (p.flags & ~WFLG_REFRESHBITS) | WFLG_SMART_REFRESH;
            break;
        default:
            // WA_AutoAdjust (always on here), WA_Zoom, WA_Pointer, WA_BusyPointer,
            // WA_MenuHelp, WA_RptQueue, WA_Colors ... are accepted and have no
            // effect on this host.
            break;
        }
    }
}

ScreenRecord *ChooseScreen(WindowParams &p, bool &publicLock)
{
    publicLock = false;
    if (p.screen != nullptr)
        return ScreenOf(p.screen);
    if (p.publicNameGiven) {
        struct Screen *locked = LockPubScreen(p.publicName);
        if (locked != nullptr) {
            publicLock = true;
            return ScreenOf(locked);
        }
        if (!p.fallBack)
            return nullptr;
    }
    return State().defaultScreen;
}

FrameStyle StyleOf(const WindowParams &p)
{
    FrameStyle style;
    ULONG f = p.flags;
    style.borderless = (f & WFLG_BORDERLESS) != 0;
    bool backdrop = (f & WFLG_BACKDROP) != 0;
    style.close = (f & WFLG_CLOSEGADGET) != 0;
    style.depth = (f & WFLG_DEPTHGADGET) != 0 && !backdrop;
    style.drag = (f & WFLG_DRAGBAR) != 0 && !backdrop;
    style.size = (f & WFLG_SIZEGADGET) != 0;
    style.titleBar = style.close || style.depth || style.drag || p.title != nullptr;
    bool right = (f & WFLG_SIZEBRIGHT) != 0;
    bool bottom = (f & WFLG_SIZEBBOTTOM) != 0;
    // Without a choice the sizing gadget widens both borders, so that
    // scrollers fit in the right border and in the bottom one.
    style.sizeRight = right || !bottom;
    style.sizeBottom = bottom || !right;
    for (const struct Gadget *g = p.gadgets; g != nullptr && !style.borderless; g = g->NextGadget) {
        style.gadgetsRight = style.gadgetsRight || (g->Activation & GACT_RIGHTBORDER) != 0;
        style.gadgetsBottom = style.gadgetsBottom || (g->Activation & GACT_BOTTOMBORDER) != 0;
    }
    return style;
}

// Releases what a half-made or closing window holds.
void FreeWindowRecord(WindowRecord *w)
{
    if (w->backing != nullptr)
        FreeBitMap(w->backing);
    if (w->publicLock)
        w->screen->locks--;
    delete w;
}

}  // namespace

WindowRecord *WindowOf(struct Window *window)
{
    auto *w = reinterpret_cast<WindowRecord *>(window);
    return State().liveWindows.count(w) != 0 ? w : nullptr;
}

void PaintWindowFrame(WindowRecord *w)
{
    w->frame.width = w->window.Width;
    w->frame.height = w->window.Height;
    w->frame.active = (w->window.Flags & WFLG_WINDOWACTIVE) != 0;
    w->frame.title = reinterpret_cast<const char *>(w->window.Title);
    w->parts = LayoutFrame(w->frame, w->screen->metrics);
    if (w->frame.borderless)
        return;
    struct RastPort rp = w->rastPort;   // the program's pens stay as they are
    PaintFrame(&rp, w->frame, w->parts, w->screen->font);
    RenderBorderGadgets(w);
}

void ActivateWindowRecord(WindowRecord *w)
{
    IntuitionState &st = State();
    st.focusReturn = nullptr;
    WindowRecord *old = st.active;
    if (old == w)
        return;
    if (st.input.gesture == Gesture::Gadget)
        AbortActiveGadget();
    st.active = w;
    Base().ActiveWindow = w != nullptr ? &w->window : nullptr;
    Base().ActiveScreen = w != nullptr ? &w->screen->screen : nullptr;
    if (old != nullptr) {
        old->window.Flags &= ~WFLG_WINDOWACTIVE;
        PaintWindowFrame(old);
        SendIDCMP(old, IDCMP_INACTIVEWINDOW, 0, nullptr);
        if (w == nullptr || old->screen != w->screen)
            UpdateScreenTitle(old->screen);
    }
    if (w != nullptr) {
        w->window.Flags |= WFLG_WINDOWACTIVE;
        PaintWindowFrame(w);
        SendIDCMP(w, IDCMP_ACTIVEWINDOW, 0, nullptr);
        UpdateScreenTitle(w->screen);
    }
}

}  // namespace hosted

using namespace hosted;

/* Opens a window on a screen (WA_CustomScreen, WA_PubScreen, a name by
   WA_PubScreenName, or the default public screen). Its size is the outer
   size (WA_Width/WA_Height) or the inner one plus the borders
   (WA_InnerWidth/WA_InnerHeight); it is kept on the screen. The window's
   RPort draws into a backing store of its own, so refresh modes make no
   difference here and IDCMP_REFRESHWINDOW is never needed. With IDCMP flags
   a UserPort is made for the calling task. NULL when the screen cannot be
   found or memory is short. */
struct Window *OpenWindowTagList(const struct NewWindow *newWindow, const struct TagItem *tagList)
{
    StartIntuition();
    WindowParams p;
    if (newWindow != nullptr) {
        p.left = newWindow->LeftEdge;
        p.top = newWindow->TopEdge;
        p.width = newWindow->Width;
        p.height = newWindow->Height;
        p.detailPen = newWindow->DetailPen;
        p.blockPen = newWindow->BlockPen;
        p.idcmp = newWindow->IDCMPFlags;
        p.flags = newWindow->Flags;
        p.gadgets = newWindow->FirstGadget;
        p.checkMark = newWindow->CheckMark;
        p.title = newWindow->Title;
        if ((newWindow->Type & SCREENTYPE) == CUSTOMSCREEN || newWindow->Type == PUBLICSCREEN)
            p.screen = newWindow->Screen;
        p.minWidth = newWindow->MinWidth;
        p.minHeight = newWindow->MinHeight;
        p.maxWidth = newWindow->MaxWidth;
        p.maxHeight = newWindow->MaxHeight;
        if ((newWindow->Flags & WFLG_NW_EXTENDED) != 0 && tagList == nullptr)
            tagList = reinterpret_cast<const struct ExtNewWindow *>(newWindow)->Extension;
    }
    ReadTags(p, tagList);

    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    bool publicLock = false;
    ScreenRecord *s = ChooseScreen(p, publicLock);
    if (s == nullptr)
        return nullptr;

    auto *w = new WindowRecord;
    w->screen = s;
    w->publicLock = publicLock;
    w->frame = StyleOf(p);
    FrameLayout borders = LayoutFrame(w->frame, s->metrics);
    const LONG bordersX = borders.left + borders.right;
    const LONG bordersY = borders.top + borders.bottom;
    const LONG screenW = s->screen.Width;
    const LONG screenH = s->screen.Height;

    LONG width = p.innerWidth >= 0 ? p.innerWidth + bordersX : p.width;
    LONG height = p.innerHeight >= 0 ? p.innerHeight + bordersY : p.height;
    if (width < 0)
        width = screenW - std::max<LONG>(p.left, 0);
    if (height < 0)
        height = screenH - std::max<LONG>(p.top, 0);
    // The smallest a frame can be: its borders and gadgets.
    LONG frameMinW = std::max<LONG>(bordersX + 1, borders.close.Width() + borders.depth.Width() + 8);
    LONG frameMinH = bordersY + 1;
    width = std::clamp<LONG>(width, frameMinW, screenW);
    height = std::clamp<LONG>(height, frameMinH, screenH);
    LONG left = std::clamp<LONG>(p.left, 0, screenW - width);
    LONG top = std::clamp<LONG>(p.top, 0, screenH - height);

    struct Window &win = w->window;
    win.LeftEdge = static_cast<WORD>(left);
    win.TopEdge = static_cast<WORD>(top);
    win.Width = static_cast<WORD>(width);
    win.Height = static_cast<WORD>(height);
    // Limits: 0 keeps the current size, as on the real system; unset
    // minimums allow the frame's own minimum, unset maximums the screen.
    LONG minW = p.minWidth < 0 ? frameMinW : (p.minWidth == 0 ? width : p.minWidth);
    LONG minH = p.minHeight < 0 ? frameMinH : (p.minHeight == 0 ? height : p.minHeight);
    LONG maxW = p.maxWidth < 0 ? screenW : (p.maxWidth == 0 ? width : p.maxWidth);
    LONG maxH = p.maxHeight < 0 ? screenH : (p.maxHeight == 0 ? height : p.maxHeight);
    win.MinWidth = static_cast<WORD>(std::max(minW, frameMinW));
    win.MinHeight = static_cast<WORD>(std::max(minH, frameMinH));
    win.MaxWidth = static_cast<UWORD>(std::max<LONG>(maxW, win.MinWidth));
    win.MaxHeight = static_cast<UWORD>(std::max<LONG>(maxH, win.MinHeight));
    // A window opens within its own limits (as far as the screen allows),
    // so that the first move or resize never has to change its size.
    LONG limitedW = std::min<LONG>(std::clamp<LONG>(width, win.MinWidth, win.MaxWidth), screenW);
    LONG limitedH = std::min<LONG>(std::clamp<LONG>(height, win.MinHeight, win.MaxHeight), screenH);
    if (limitedW != width || limitedH != height) {
        width = limitedW;
        height = limitedH;
        win.Width = static_cast<WORD>(width);
        win.Height = static_cast<WORD>(height);
        left = std::clamp<LONG>(p.left, 0, screenW - width);
        top = std::clamp<LONG>(p.top, 0, screenH - height);
        win.LeftEdge = static_cast<WORD>(left);
        win.TopEdge = static_cast<WORD>(top);
    }
    win.Flags = p.flags & ~(WFLG_WINDOWACTIVE | WFLG_MENUSTATE | WFLG_WINDOWTICKED | WFLG_ZOOMED);
    if (w->frame.borderless)
        win.Flags |= WFLG_BORDERLESS;
    if (publicLock || s->isDefault || !s->publicName.empty())
        win.Flags |= WFLG_VISITOR;
    win.Title = p.title;
    win.ScreenTitle = p.screenTitle;
    win.WScreen = &s->screen;
    win.BorderLeft = static_cast<BYTE>(borders.left);
    win.BorderTop = static_cast<BYTE>(borders.top);
    win.BorderRight = static_cast<BYTE>(borders.right);
    win.BorderBottom = static_cast<BYTE>(borders.bottom);
    win.GZZWidth = static_cast<WORD>(width - bordersX);
    win.GZZHeight = static_cast<WORD>(height - bordersY);
    win.DetailPen = p.detailPen != 0xFF ? p.detailPen : s->screen.DetailPen;
    win.BlockPen = p.blockPen != 0xFF ? p.blockPen : s->screen.BlockPen;
    win.CheckMark = p.checkMark;
    win.IFont = s->font;
    win.WindowPort = State().replyPort;
    w->mouseQueue = p.mouseQueue;
    w->notifyDepth = p.notifyDepth;

    w->backing = AllocChunkyBitMap(width, height, PIXFMT_BGRA32, false);
    if (w->backing == nullptr) {
        FreeWindowRecord(w);
        return nullptr;
    }
    SetBitMapColorMap(w->backing, s->colorMap);
    struct Layer &layer = w->layer;
    layer.rp = &w->rastPort;
    layer.bounds = {static_cast<WORD>(left), static_cast<WORD>(top), static_cast<WORD>(left + width - 1),
                    static_cast<WORD>(top + height - 1)};
    layer.Width = static_cast<WORD>(width);
    layer.Height = static_cast<WORD>(height);
    layer.Flags = (win.Flags & WFLG_REFRESHBITS) == WFLG_SIMPLE_REFRESH ? LAYERSIMPLE : LAYERSMART;
    if ((win.Flags & WFLG_BACKDROP) != 0)
        layer.Flags |= LAYERBACKDROP;
    layer.Window = &win;
    layer.BackFill = p.backFill;
    layer.LayerInfo = &s->screen.LayerInfo;
    InitRastPort(&w->rastPort);
    w->rastPort.BitMap = w->backing;
    w->rastPort.Layer = &layer;
    SetFont(&w->rastPort, s->font);
    win.RPort = &w->rastPort;
    win.WLayer = &layer;

    IntuitionState &st = State();
    if (p.idcmp != 0) {
        win.UserPort = CreateMsgPort();
        if (win.UserPort == nullptr) {
            FreeWindowRecord(w);
            return nullptr;
        }
        w->ownedPort = win.UserPort;
    }
    win.IDCMPFlags = p.idcmp;

    st.liveWindows.insert(w);
    // New windows open in front; backdrop windows in front of the other
    // backdrop windows but behind every other window.
    auto where = s->windows.begin();
    if ((win.Flags & WFLG_BACKDROP) != 0) {
        where = std::find_if(s->windows.begin(), s->windows.end(),
                             [](WindowRecord *o) { return (o->window.Flags & WFLG_BACKDROP) != 0; });
    }
    s->windows.insert(where, w);
    RestackScreen(s);

    // The inside starts in the window's background pen; the frame and the
    // gadgets go on top.
    {
        struct RastPort rp = w->rastPort;
        SetRast(&rp, PenBackground);
    }
    PaintWindowFrame(w);
    if (p.gadgets != nullptr)
        AddGList(&win, p.gadgets, static_cast<ULONG>(-1), -1, nullptr);
    RefreshGList(win.FirstGadget, &win, nullptr, -1);
    DamageWindow(w, BoxAt(0, 0, width, height));
    if (s == FrontScreen())
        SetPointerOnWindows(s);
    // Where this host differs: a window opened while no window is active,
    // or by the task whose active window closed last, becomes the active
    // one, so that a program which closes its window and opens a new one in
    // its place (to change its size or contents) keeps the keyboard and the
    // menu button. Backdrop windows are left alone.
    bool heir = st.active == nullptr || st.focusReturn == FindTask(nullptr);
    bool takeOver = heir && s == FrontScreen() && (win.Flags & WFLG_BACKDROP) == 0;
    if ((win.Flags & WFLG_ACTIVATE) != 0 || takeOver)
        ActivateWindowRecord(w);
    return &win;
}

/* Opens a window from a NewWindow alone. */
struct Window *OpenWindow(const struct NewWindow *newWindow)
{
    return OpenWindowTagList(newWindow, nullptr);
}

/* Closes a window. Its messages still queued at the UserPort are taken
   away and freed (on a shared port the others stay); messages the program
   holds are freed when it replies. A port intuition made is deleted. The
   gadgets are detached, not freed: they are the program's. */
void CloseWindow(struct Window *window)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    WindowRecord *w = WindowOf(window);
    if (w == nullptr)
        return;
    IntuitionState &st = State();
    InputState &in = st.input;
    if (in.window == w) {
        if (in.gesture == Gesture::Gadget)
            AbortActiveGadget();
        if (in.gesture == Gesture::Menu)
            EndMenuSession(false);
        if (in.gesture == Gesture::SizeWindow)
            SetOutline(Box{});
        in.gesture = Gesture::None;
        in.window = nullptr;
    }
    CancelMenuSession(w);
    bool wasActive = st.active == w;
    if (wasActive)
        ActivateWindowRecord(nullptr);
    StripWindowMessages(w);
    if (w->ownedPort != nullptr && w->ownedPort != window->UserPort) {
        // The program put a port of its own in place of intuition's.
        struct MsgPort *mine = window->UserPort;
        window->UserPort = w->ownedPort;
        StripWindowMessages(w);
        window->UserPort = mine;
    }
    if (w->ownedPort != nullptr)
        DeleteMsgPort(w->ownedPort);
    w->ownedPort = nullptr;
    window->UserPort = nullptr;
    window->FirstGadget = nullptr;
    ScreenRecord *s = w->screen;
    Box box = BoxAt(window->LeftEdge, window->TopEdge, window->Width, window->Height);
    s->windows.erase(std::find(s->windows.begin(), s->windows.end(), w));
    st.liveWindows.erase(w);
    RestackScreen(s);
    DamageScreen(s, box);
    FreeWindowRecord(w);
    // Where this host differs: when the active window closes, the frontmost
    // other window of its screen becomes active, as a person expects from
    // the window systems of today (the real system leaves none active, and
    // the menus then need a click first).
    // The task that closed it keeps the right to the focus for the window
    // it may open in its place.
    if (wasActive && s == FrontScreen()) {
        for (WindowRecord *next : s->windows) {
            if ((next->window.Flags & WFLG_BACKDROP) == 0) {
                ActivateWindowRecord(next);
                break;
            }
        }
        st.focusReturn = FindTask(nullptr);
    }
}
