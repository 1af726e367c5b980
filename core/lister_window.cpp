// core/lister_window.cpp: opening, closing and presenting the lister window on the shared port.
#include "lister_ops.h"

#include "drawer_paths.h"

#include <intuition/gadgetclass.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <algorithm>

namespace {

constexpr ULONG ListerIDCMP =
    IDCMP_NEWSIZE | IDCMP_MOUSEBUTTONS | IDCMP_GADGETDOWN | IDCMP_GADGETUP | IDCMP_MENUPICK | IDCMP_CLOSEWINDOW;
static_assert(ListerIDCMP == 0x36A, "the lister window's messages");

// Keeps the view inside the bitmap for the window's size.
void FitView(Lister &lister)
{
    ListerView &view = lister.view;
    view.bitmapWidth = lister.layout.width;
    view.bitmapHeight = lister.layout.height;
    view.innerWidth = lister.windowSpec.innerWidth;
    view.visibleHeight = lister.windowSpec.VisibleHeight(lister.metrics.statusHeight);
    ULONG maxLeft = view.bitmapWidth > view.innerWidth ? view.bitmapWidth - view.innerWidth : 0;
    ULONG maxTop = view.bitmapHeight > view.visibleHeight ? view.bitmapHeight - view.visibleHeight : 0;
    view.scrollLeft = std::min(view.scrollLeft, maxLeft);
    view.scrollTop = std::min(view.scrollTop, maxTop);
}

}  // namespace

BOOL OpenListerWindow(Lister &lister)
{
    FitView(lister);
    const ListerWindowSpec &shape = lister.windowSpec;
    ULONG verticalTop = VerticalScrollerTop(lister.view);
    if (!lister.gadgets.Created()) {
        if (!CreateScrollGadgets(lister.gadgets, lister.metrics, shape, verticalTop, lister.view.scrollLeft))
            return FALSE;
    } else {
        UpdateScrollGadgets(lister.gadgets, shape, verticalTop, lister.view.scrollLeft);
    }

    // A paired lister has no size gadget, and its close gadget (which acts
    // as "Parent") only below a volume's root.
    const BOOL paired = lister.variant->paired;
    struct TagItem tags[] = {
        {WA_CloseGadget, IPTR(paired ? !PathIsRoot(lister.Path()) : TRUE)},
        {WA_DepthGadget, TRUE},
        {WA_DragBar, TRUE},
        {WA_NoCareRefresh, TRUE},
        {WA_IDCMP, 0},
        {WA_MinWidth, ListerWindowMinWidth},
        {WA_MinHeight, ListerWindowMinHeight},
        {WA_SizeGadget, IPTR(!paired)},
        {WA_MaxWidth, shape.maxWidth},
        {WA_MaxHeight, shape.maxHeight},
        {WA_Title, reinterpret_cast<IPTR>(lister.Path())},
        {WA_Top, IPTR(shape.top)},
        {WA_Left, IPTR(shape.left)},
        {WA_InnerWidth, shape.innerWidth},
        {WA_InnerHeight, shape.innerHeight},
        {WA_PubScreen, reinterpret_cast<IPTR>(lister.screen)},
        {WA_Gadgets, reinterpret_cast<IPTR>(lister.gadgets.First())},
        {WA_BackFill, reinterpret_cast<IPTR>(LAYERS_NOBACKFILL)},
        // Reopened after every change of drawer: it keeps the input focus.
        {WA_Activate, TRUE},
        {TAG_DONE, 0},
    };
    struct Window *window = OpenWindowTagList(nullptr, tags);
    if (window == nullptr)
        return FALSE;
    lister.window = window;
    lister.dialogs.returnTo = window;
    window->UserPort = lister.sharedPort;
    ModifyIDCMP(window, paired ? ListerIDCMP & ~ULONG(IDCMP_NEWSIZE) : ListerIDCMP);

    SetHistoryItems(lister.menus, lister.history);
    SetUserMenus(lister.menus, UserMenuStrip(lister));
    SetMenuStrip(window, lister.menus.Strip());

    // The window may have come out smaller than asked (the screen's size).
    lister.windowSpec.innerWidth = ULONG(std::max<LONG>(window->Width - window->BorderLeft - window->BorderRight, 0));
    lister.windowSpec.innerHeight =
        ULONG(std::max<LONG>(window->Height - window->BorderTop - window->BorderBottom, 0));
    FitView(lister);
    lister.geometry.leftBorder = window->BorderLeft;
    lister.geometry.topBorder = window->BorderTop;
    lister.geometry.innerWidth = lister.windowSpec.innerWidth;
    lister.geometry.statusHeight = lister.metrics.statusHeight;
    lister.geometry.visibleHeight = lister.view.visibleHeight;
    return TRUE;
}

BOOL DrainListerMessages(Lister &lister)
{
    BOOL resized = FALSE;
    WindowEvent event;
    while (TakeListerEvent(lister, event))
        if (event.cls == IDCMP_NEWSIZE)
            resized = TRUE;
    return resized;
}

void CloseListerWindow(Lister &lister)
{
    struct Window *window = lister.window;
    if (window == nullptr)
        return;
    ClearMenuStrip(window);
    DrainListerMessages(lister);
    // Detached first, so that closing the window leaves SharedPort alone.
    Forbid();
    window->UserPort = nullptr;
    ModifyIDCMP(window, 0);
    Permit();
    CloseWindow(window);
    lister.window = nullptr;
    lister.dialogs.returnTo = nullptr;
}

void PresentListerWindow(Lister &lister)
{
    if (lister.window == nullptr)
        return;
    PresentStatusStrip(lister.window->RPort, lister.geometry, lister.statusStrip);
    lister.canvas->PresentList(lister.window->RPort, lister.geometry, lister.view);
}

void PresentListerRows(Lister &lister)
{
    if (lister.window == nullptr)
        return;
    lister.canvas->PresentList(lister.window->RPort, lister.geometry, lister.view);
}

void PresentListerRow(Lister &lister, ULONG row)
{
    if (lister.window == nullptr)
        return;
    lister.canvas->PresentLine(lister.window->RPort, lister.geometry, lister.view, row, lister.metrics.ySize);
}

void UpdateVerticalScroller(Lister &lister)
{
    struct TagItem tags[] = {{PGA_Top, VerticalScrollerTop(lister.view)}, {TAG_DONE, 0}};
    SetGadgetAttrsA(lister.gadgets.gadgets[GadgetVerticalScroller], lister.window, nullptr, tags);
}

void UpdateHorizontalScroller(Lister &lister)
{
    struct TagItem tags[] = {{PGA_Top, lister.view.scrollLeft}, {TAG_DONE, 0}};
    SetGadgetAttrsA(lister.gadgets.gadgets[GadgetHorizontalScroller], lister.window, nullptr, tags);
}
