// tools/multiview/viewer_window.cpp: opening the viewer's window and handling its messages: scrolling, keys, the wheel, resizing.
#include "viewer_window.h"

#include <hosted/graphics.h>
#include <hosted/intuition.h>
#include <intuition/gadgetclass.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>
#include <proto/utility.h>

#include <atomic>
#include <cstring>

namespace hosted::multiview {

namespace {

constexpr ULONG kIdcmp = IDCMP_CLOSEWINDOW | IDCMP_NEWSIZE | IDCMP_GADGETDOWN | IDCMP_GADGETUP |
                         IDCMP_IDCMPUPDATE | IDCMP_RAWKEY;

// Each open viewer moves the next one down and right a little, so that
// several of them can be told apart.
std::atomic<int> gOpenViewers{0};
constexpr int kCascadeSlots = 8;
constexpr LONG kCascadeStep = 24;

// A held arrow repeats after this many ticks (tenths of a second).
constexpr int kRepeatDelay = 3;

constexpr LONG kMinPageWidth = 160;
constexpr LONG kWheelSteps = 3;

QUAD Page(const ScrollAxis &axis)
{
    return axis.visible > 1 ? static_cast<QUAD>(axis.visible - 1) : 1;
}

}  // namespace

bool ObtainLook(Look &look, const char *screenName)
{
    look = Look();
    look.screen = screenName != nullptr ? LockPubScreen(screenName) : nullptr;
    if (look.screen == nullptr)
        look.screen = LockPubScreen(nullptr);
    if (look.screen == nullptr) {
        SetIoErr(ERROR_OBJECT_NOT_FOUND);
        return false;
    }
    look.drawInfo = GetScreenDrawInfo(look.screen);
    if (look.drawInfo == nullptr) {
        UnlockPubScreen(nullptr, look.screen);
        look.screen = nullptr;
        SetIoErr(ERROR_NO_FREE_STORE);
        return false;
    }
    look.font = reinterpret_cast<struct TextFont *>(GetDrawInfoAttr(look.drawInfo, GDIA_Font, nullptr));
    if (look.font == nullptr)
        look.font = look.drawInfo->dri_Font;
    look.pens = PensOf(look.drawInfo);
    look.borderTop = static_cast<LONG>(GetDrawInfoAttr(look.drawInfo, GDIA_WindowTopBorder, nullptr));
    look.borderLeft = static_cast<LONG>(GetDrawInfoAttr(look.drawInfo, GDIA_WindowLeftBorder, nullptr));
    look.borderRight = static_cast<LONG>(GetDrawInfoAttr(look.drawInfo, GDIA_WindowRightBorder, nullptr));
    look.borderBottom = static_cast<LONG>(GetDrawInfoAttr(look.drawInfo, GDIA_WindowBottomBorder, nullptr));
    look.fontHeight = look.font != nullptr ? look.font->tf_YSize : 8;
    look.baseline = look.font != nullptr ? look.font->tf_Baseline : 6;
    look.xSize = look.font != nullptr && look.font->tf_XSize > 0 ? look.font->tf_XSize : 8;
    return true;
}

void ReleaseLook(Look &look)
{
    if (look.screen != nullptr) {
        FreeScreenDrawInfo(look.screen, look.drawInfo);
        UnlockPubScreen(nullptr, look.screen);
    }
    look = Look();
}

ViewerWindow::~ViewerWindow()
{
    CloseWindowNow();
}

LONG ViewerWindow::PageLeft() const
{
    return window_ != nullptr ? window_->BorderLeft : 0;
}

LONG ViewerWindow::PageTop() const
{
    return (window_ != nullptr ? window_->BorderTop : 0) + view_.BarHeight();
}

bool ViewerWindow::Open()
{
    struct Screen *screen = look_.screen;
    if (!scrollers_.Create(look_.drawInfo, look_.borderTop, look_.borderLeft, look_.borderRight,
                           look_.borderBottom)) {
        SetIoErr(ERROR_NO_FREE_STORE);
        return false;
    }
    cascade_ = gOpenViewers++ % kCascadeSlots;
    const LONG left = 32 + cascade_ * kCascadeStep;
    const LONG top = screen->BarHeight + 1 + 24 + cascade_ * kCascadeStep;
    const LONG bar = view_.BarHeight();
    const LONG framesWide = look_.borderLeft + look_.borderRight;
    const LONG framesHigh = look_.borderTop + look_.borderBottom;

    LONG width = 0;
    LONG height = 0;
    view_.PreferredSize(width, height);
    LONG minWidth = view_.MinimumWidth() > kMinPageWidth ? view_.MinimumWidth() : kMinPageWidth;
    LONG minHeight = 4 * (look_.fontHeight + 2);
    LONG maxWidth = screen->Width - left - framesWide - 8;
    LONG maxHeight = screen->Height - top - framesHigh - bar - 8;
    if (maxWidth < minWidth)
        maxWidth = minWidth;
    if (maxHeight < minHeight)
        maxHeight = minHeight;
    width = width < minWidth ? minWidth : (width > maxWidth ? maxWidth : width);
    height = height < minHeight ? minHeight : (height > maxHeight ? maxHeight : height);

    SetTitle(view_.Title());
    window_ = OpenWindowTags(
        nullptr, WA_PubScreen, screen, WA_Left, left, WA_Top, top, WA_InnerWidth, width, WA_InnerHeight, height + bar,
        WA_Title, titles_[titleSlot_], WA_MinWidth, minWidth + framesWide, WA_MinHeight, minHeight + bar + framesHigh,
        WA_MaxWidth, -1, WA_MaxHeight, -1, WA_AutoAdjust, TRUE, WA_CloseGadget, TRUE, WA_DepthGadget, TRUE,
        WA_DragBar, TRUE, WA_SizeGadget, TRUE, WA_Activate, TRUE, WA_NoCareRefresh, TRUE, WA_IDCMP, kIdcmp,
        WA_Gadgets, scrollers_.First(), TAG_DONE);
    if (window_ == nullptr) {
        gOpenViewers--;
        SetIoErr(ERROR_NO_FREE_STORE);
        return false;
    }
    if (!MakePage() || !view_.Opened(*this)) {
        CloseWindowNow();
        SetIoErr(ERROR_NO_FREE_STORE);
        return false;
    }
    view_.PaintBar(*this);
    LayoutView();
    Show();
    return true;
}

void ViewerWindow::CloseWindowNow()
{
    if (window_ == nullptr)
        return;
    view_.Closing(*this);
    while (struct Message *msg = GetMsg(window_->UserPort))
        ReplyMsg(msg);
    CloseWindow(window_);
    window_ = nullptr;
    gOpenViewers--;
    FreeBitMap(page_);
    page_ = nullptr;
}

bool ViewerWindow::MakePage()
{
    LONG width = window_->Width - window_->BorderLeft - window_->BorderRight;
    LONG height = window_->Height - window_->BorderTop - window_->BorderBottom - view_.BarHeight();
    pageWidth_ = width > 1 ? width : 1;
    pageHeight_ = height > 1 ? height : 1;
    FreeBitMap(page_);
    page_ = AllocBitMap(static_cast<ULONG>(pageWidth_), static_cast<ULONG>(pageHeight_), 32, BMF_CLEAR,
                        window_->RPort->BitMap);
    if (page_ == nullptr)
        return false;
    // The page is drawn with the screen's pens, as the window is.
    hosted::SetBitMapColorMap(page_, look_.screen->ViewPort.ColorMap);
    InitRastPort(&pagePort_);
    pagePort_.BitMap = page_;
    SetFont(&pagePort_, look_.font);
    return true;
}

void ViewerWindow::LayoutView()
{
    view_.Layout(pageWidth_, pageHeight_, horizontal_, vertical_);
    for (ScrollAxis *axis : {&horizontal_, &vertical_}) {
        if (axis->top > axis->Last())
            axis->top = axis->Last();
        if (axis->step == 0)
            axis->step = 1;
    }
}

void ViewerWindow::Relayout()
{
    if (window_ == nullptr)
        return;
    LayoutView();
    Show();
}

void ViewerWindow::Show()
{
    if (window_ == nullptr || page_ == nullptr)
        return;
    view_.Paint(&pagePort_, pageWidth_, pageHeight_, horizontal_, vertical_);
    BltBitMapRastPort(page_, 0, 0, window_->RPort, PageLeft(), PageTop(), pageWidth_, pageHeight_, 0xC0);
    scrollers_.Set(window_, IdVertical, vertical_.total, vertical_.visible, vertical_.top);
    scrollers_.Set(window_, IdHorizontal, horizontal_.total, horizontal_.visible, horizontal_.top);
    SetTitle(view_.Title());
    hosted::SetWindowTextLines(window_, view_.ShownText(horizontal_, vertical_));
    view_.Shown(*this);
}

void ViewerWindow::SetTitle(const std::string &title)
{
    if (window_ != nullptr && title == titles_[titleSlot_])
        return;
    // The window keeps the title's address: write the other buffer, then
    // hand it over, so the one shown is never changed under a reader.
    int slot = window_ != nullptr ? 1 - titleSlot_ : titleSlot_;
    std::strncpy(titles_[slot], title.c_str(), sizeof titles_[slot] - 1);
    titles_[slot][sizeof titles_[slot] - 1] = 0;
    titleSlot_ = slot;
    if (window_ != nullptr)
        SetWindowTitles(window_, titles_[slot], reinterpret_cast<CONST_STRPTR>(~static_cast<IPTR>(0)));
}

void ViewerWindow::ScrollTo(ScrollAxis &axis, UQUAD top)
{
    if (top > axis.Last())
        top = axis.Last();
    if (top == axis.top)
        return;
    axis.top = top;
    Show();
}

void ViewerWindow::Scroll(ScrollAxis &axis, QUAD by)
{
    if (by < 0)
        ScrollTo(axis, static_cast<UQUAD>(-by) > axis.top ? 0 : axis.top - static_cast<UQUAD>(-by));
    else
        ScrollTo(axis, axis.top + static_cast<UQUAD>(by) < axis.top ? axis.Last() : axis.top + static_cast<UQUAD>(by));
}

void ViewerWindow::ArrowDown(UWORD id)
{
    switch (id) {
    case IdUp: Scroll(vertical_, -static_cast<QUAD>(vertical_.step)); break;
    case IdDown: Scroll(vertical_, static_cast<QUAD>(vertical_.step)); break;
    case IdLeft: Scroll(horizontal_, -static_cast<QUAD>(horizontal_.step)); break;
    case IdRight: Scroll(horizontal_, static_cast<QUAD>(horizontal_.step)); break;
    default: return;
    }
    // While it is held the arrow repeats, on intuition's ticks.
    if (heldArrow_ == 0)
        ModifyIDCMP(window_, kIdcmp | IDCMP_INTUITICKS);
    heldArrow_ = id;
    heldTicks_ = 0;
}

void ViewerWindow::Tick()
{
    struct Gadget *arrow = scrollers_.Gadget(heldArrow_);
    if (heldArrow_ == 0 || arrow == nullptr || (arrow->Flags & GFLG_SELECTED) == 0) {
        ReleaseArrow();
        return;
    }
    if (++heldTicks_ < kRepeatDelay)
        return;
    UWORD id = heldArrow_;
    ArrowDown(id);
    heldTicks_ = kRepeatDelay;
}

void ViewerWindow::ReleaseArrow()
{
    if (heldArrow_ == 0)
        return;
    heldArrow_ = 0;
    ModifyIDCMP(window_, kIdcmp);
}

void ViewerWindow::PropMoved(UWORD id, ULONG shownTop)
{
    if (id != IdVertical && id != IdHorizontal)
        return;
    ScrollAxis &axis = id == IdVertical ? vertical_ : horizontal_;
    UQUAD top = scrollers_.PropTop(id, shownTop);
    if (top > axis.Last())
        top = axis.Last();
    // The knob is where the person put it: setting it back to a value it
    // has already left would make it jump while it is dragged.
    scrollers_.Note(id, axis.total, axis.visible, top);
    ScrollTo(axis, top);
}

void ViewerWindow::KeyDown(UWORD code, UWORD qualifier)
{
    if (view_.Key(*this, code, qualifier))
        return;
    const bool shift = (qualifier & (IEQUALIFIER_LSHIFT | IEQUALIFIER_RSHIFT)) != 0;
    const QUAD down = static_cast<QUAD>(vertical_.step);
    const QUAD across = static_cast<QUAD>(horizontal_.step);
    switch (code) {
    case RAWKEY_ESC: Close(); break;
    case RAWKEY_UP: Scroll(vertical_, shift ? -Page(vertical_) : -down); break;
    case RAWKEY_DOWN: Scroll(vertical_, shift ? Page(vertical_) : down); break;
    case RAWKEY_PAGEUP: Scroll(vertical_, -Page(vertical_)); break;
    case RAWKEY_PAGEDOWN:
    case RAWKEY_SPACE: Scroll(vertical_, Page(vertical_)); break;
    case RAWKEY_HOME: ScrollTo(vertical_, 0); break;
    case RAWKEY_END: ScrollTo(vertical_, vertical_.Last()); break;
    case RAWKEY_LEFT: Scroll(horizontal_, shift ? -Page(horizontal_) : -across); break;
    case RAWKEY_RIGHT: Scroll(horizontal_, shift ? Page(horizontal_) : across); break;
    case NM_WHEEL_UP: Scroll(vertical_, -kWheelSteps * down); break;
    case NM_WHEEL_DOWN: Scroll(vertical_, kWheelSteps * down); break;
    default: break;
    }
}

void ViewerWindow::Handle(const Received &m)
{
    switch (m.cls) {
    case IDCMP_CLOSEWINDOW:
        Close();
        break;
    case IDCMP_NEWSIZE:
        if (!MakePage()) {
            // Without memory for the page nothing can be shown: say so
            // where the program's output goes and end.
            SetIoErr(ERROR_NO_FREE_STORE);
            failed_ = true;
            Close();
            break;
        }
        view_.PaintBar(*this);
        LayoutView();
        Show();
        break;
    case IDCMP_GADGETDOWN:
        ArrowDown(m.gadgetId);
        break;
    case IDCMP_GADGETUP:
        if (m.gadgetId >= IdUp && m.gadgetId <= IdRight && m.gadgetId != IdHorizontal)
            ReleaseArrow();
        else if (m.gadgetId >= IdFirstFree)
            view_.GadgetUp(*this, m.gadgetId);
        break;
    case IDCMP_INTUITICKS:
        Tick();
        break;
    case IDCMP_IDCMPUPDATE:
        if (m.hasTop)
            PropMoved(m.gadgetId, m.top);
        break;
    case IDCMP_RAWKEY:
        if ((m.code & IECODE_UP_PREFIX) == 0)
            KeyDown(m.code, m.qualifier);
        break;
    default:
        break;
    }
}

bool ViewerWindow::Run()
{
    if (!Open())
        return false;
    running_ = true;
    const ULONG portSignal = 1UL << window_->UserPort->mp_SigBit;
    while (running_) {
        Wait(portSignal);
        while (running_) {
            auto *im = reinterpret_cast<struct IntuiMessage *>(GetMsg(window_->UserPort));
            if (im == nullptr)
                break;
            // Everything needed is copied out first: the message, and the
            // tag list of an update, go back to intuition at once.
            Received m;
            m.cls = im->Class;
            m.code = im->Code;
            m.qualifier = im->Qualifier;
            if (m.cls == IDCMP_GADGETDOWN || m.cls == IDCMP_GADGETUP) {
                m.gadgetId = static_cast<struct Gadget *>(im->IAddress)->GadgetID;
            } else if (m.cls == IDCMP_IDCMPUPDATE && im->IAddress != nullptr) {
                const auto *tags = static_cast<const struct TagItem *>(im->IAddress);
                m.gadgetId = static_cast<UWORD>(GetTagData(GA_ID, 0, tags));
                if (const struct TagItem *top = FindTagItem(PGA_Top, tags)) {
                    m.hasTop = true;
                    m.top = static_cast<ULONG>(top->ti_Data);
                }
            }
            ReplyMsg(&im->ExecMessage);
            Handle(m);
        }
    }
    CloseWindowNow();
    if (failed_)
        return false;
    return true;
}

}  // namespace hosted::multiview
