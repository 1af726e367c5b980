// asl/session.cpp: the file requester's window: where it opens, its gadgets, its painting, its new layout after sizing.
#include "session.h"

#include <hosted/intuition.h>
#include <intuition/gadgetclass.h>
#include <intuition/icclass.h>
#include <intuition/imageclass.h>
#include <intuition/intuitionbase.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <algorithm>
#include <cstring>

namespace hosted::asl {

namespace {

constexpr ULONG kIdcmp = IDCMP_GADGETUP | IDCMP_IDCMPUPDATE | IDCMP_NEWSIZE | IDCMP_CLOSEWINDOW |
                         IDCMP_VANILLAKEY | IDCMP_RAWKEY;

UWORD Pen(const struct DrawInfo *dri, ULONG which)
{
    return dri != nullptr && which < dri->dri_NumPens ? dri->dri_Pens[which] : 1;
}

void CopyText(char *buffer, std::size_t size, const std::string &text)
{
    std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = 0;
}

// The window that is active now, to give the activation back to.
struct Window *ActiveWindowNow()
{
    struct Library *base = OpenLibrary("intuition.library", 0);
    if (base == nullptr)
        return nullptr;
    struct Window *active = reinterpret_cast<struct IntuitionBase *>(base)->ActiveWindow;
    CloseLibrary(base);
    return active;
}

}  // namespace

Session::Session(FileRequest &request, const Settings &settings) : request_(request), settings_(settings)
{
    CopyText(drawerText_, sizeof drawerText_, settings.drawer);
    CopyText(fileText_, sizeof fileText_, settings.file);
}

Session::~Session()
{
    if (window_ != nullptr) {
        // Where the window was is where it opens next time, for this
        // requester and for new ones.
        Settings &kept = request_.settings;
        kept.left = window_->LeftEdge;
        kept.top = window_->TopEdge;
        kept.width = window_->Width;
        kept.height = window_->Height;
        kept.leftGiven = kept.topGiven = kept.widthGiven = kept.heightGiven = true;
        request_.fr.fr_LeftEdge = window_->LeftEdge;
        request_.fr.fr_TopEdge = window_->TopEdge;
        request_.fr.fr_Width = window_->Width;
        request_.fr.fr_Height = window_->Height;
        RememberWindowBox(window_->LeftEdge, window_->TopEdge, window_->Width, window_->Height);
        if (first_ != nullptr)
            RemoveGList(window_, first_, -1);
        while (struct Message *m = GetMsg(window_->UserPort))
            ReplyMsg(m);
        CloseWindow(window_);
        window_ = nullptr;
    }
    FreeGadgets();
    DisposeObject(buttonFrame_);
    DisposeObject(listFrame_);
    if (drawInfo_ != nullptr)
        FreeScreenDrawInfo(screen_, drawInfo_);
    if (screenLocked_)
        UnlockPubScreen(nullptr, screen_);
    if (activeBefore_ != nullptr)
        ActivateWindow(activeBefore_);   // ignored when it closed meanwhile
}

bool Session::Open()
{
    const Settings &s = settings_;
    if (s.window != nullptr) {
        screen_ = s.window->WScreen;
    } else if (s.screen != nullptr) {
        screen_ = s.screen;
    } else {
        if (s.publicScreenGiven)
            screen_ = LockPubScreen(s.publicScreen.c_str());
        if (screen_ == nullptr)
            screen_ = LockPubScreen(nullptr);
        screenLocked_ = screen_ != nullptr;
    }
    if (screen_ == nullptr || (drawInfo_ = GetScreenDrawInfo(screen_)) == nullptr) {
        SetIoErr(ERROR_OBJECT_NOT_FOUND);
        return false;
    }
    font_ = drawInfo_->dri_Font;
    buttonFrame_ = static_cast<struct Image *>(NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE));
    listFrame_ = static_cast<struct Image *>(
        NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_DEFAULT, IA_Recessed, TRUE, IA_EdgesOnly, TRUE, TAG_DONE));
    if (buttonFrame_ == nullptr || listFrame_ == nullptr || RowClass() == nullptr) {
        SetIoErr(ERROR_NO_FREE_STORE);
        return false;
    }

    // The window's box: asked for, remembered from this run, or the default,
    // centred over the parent window or the screen.
    const LONG borderLeft = screen_->WBorLeft;
    const LONG borderTop = static_cast<LONG>(GetDrawInfoAttr(drawInfo_, GDIA_WindowTopBorder, nullptr));
    const LONG borderRight = static_cast<LONG>(GetDrawInfoAttr(drawInfo_, GDIA_WindowRightBorder, nullptr));
    const LONG borderBottom = static_cast<LONG>(GetDrawInfoAttr(drawInfo_, GDIA_WindowBottomBorder, nullptr));
    const LONG bordersX = borderLeft + borderRight;
    const LONG bordersY = borderTop + borderBottom;
    LONG minWidth = 0, minHeight = 0, width = 0, height = 0;
    MinimumInnerSize(font_, s.drawersOnly, s.positive, s.negative, minWidth, minHeight);
    DefaultInnerSize(font_, s.drawersOnly, s.positive, s.negative, width, height);
    width += bordersX;
    height += bordersY;
    LONG left = 0, top = 0;
    LONG lastLeft = 0, lastTop = 0, lastWidth = 0, lastHeight = 0;
    const bool last = LastWindowBox(lastLeft, lastTop, lastWidth, lastHeight);
    if (s.widthGiven)
        width = s.width;
    else if (last)
        width = lastWidth;
    if (s.heightGiven)
        height = s.height;
    else if (last)
        height = lastHeight;
    width = std::clamp<LONG>(width, minWidth + bordersX, std::max<LONG>(screen_->Width, minWidth + bordersX));
    height = std::clamp<LONG>(height, minHeight + bordersY, std::max<LONG>(screen_->Height, minHeight + bordersY));
    LONG centreX = screen_->Width / 2, centreY = screen_->Height / 2;
    if (s.window != nullptr) {
        centreX = s.window->LeftEdge + s.window->Width / 2;
        centreY = s.window->TopEdge + s.window->Height / 2;
    }
    // A new requester takes the size the last one had; its place too,
    // unless it has a window to open over.
    const bool lastPlace = last && s.window == nullptr;
    left = s.leftGiven ? s.left : (lastPlace && !s.widthGiven ? lastLeft : centreX - width / 2);
    top = s.topGiven ? s.top : (lastPlace && !s.heightGiven ? lastTop : centreY - height / 2);
    left = std::clamp<LONG>(left, 0, std::max<LONG>(screen_->Width - width, 0));
    top = std::clamp<LONG>(top, std::min<LONG>(screen_->BarHeight + 1, std::max<LONG>(screen_->Height - height, 0)),
                           std::max<LONG>(screen_->Height - height, 0));

    activeBefore_ = ActiveWindowNow();
    window_ = OpenWindowTags(nullptr, WA_Left, left, WA_Top, top, WA_Width, width, WA_Height, height, WA_MinWidth,
                             minWidth + bordersX, WA_MinHeight, minHeight + bordersY, WA_MaxWidth, ~0UL, WA_MaxHeight,
                             ~0UL, WA_Title, settings_.title.c_str(), WA_CloseGadget, TRUE, WA_DragBar, TRUE,
                             WA_DepthGadget, TRUE, WA_SizeGadget, TRUE, WA_Activate, TRUE, WA_SimpleRefresh, TRUE,
                             WA_NoCareRefresh, TRUE, WA_IDCMP, kIdcmp, WA_CustomScreen, screen_, TAG_DONE);
    if (window_ == nullptr) {
        SetIoErr(ERROR_NO_FREE_STORE);
        return false;
    }
    const LONG innerWidth = window_->Width - window_->BorderLeft - window_->BorderRight;
    const LONG innerHeight = window_->Height - window_->BorderTop - window_->BorderBottom;
    layout_ = LayoutRequester(font_, innerWidth, innerHeight, s.drawersOnly, s.positive, s.negative);
    if (!MakeGadgets()) {
        SetIoErr(ERROR_NO_FREE_STORE);
        return false;
    }
    AddGList(window_, first_, static_cast<ULONG>(~0), -1, nullptr);
    if (s.showVolumes)
        ShowVolumes();
    else
        GoTo(s.drawer);
    Paint();
    if (s.saveMode && fileField_ != nullptr)
        ActivateGadget(fileField_, window_, nullptr);
    return true;
}

bool Session::MakeGadgets()
{
    const Settings &s = settings_;
    const LONG bl = window_->BorderLeft;
    const LONG bt = window_->BorderTop;
    struct Gadget *previous = nullptr;
    auto link = [&](APTR made) {
        auto *g = static_cast<struct Gadget *>(made);
        if (g != nullptr && first_ == nullptr)
            first_ = g;
        if (g != nullptr)
            previous = g;
        return g;
    };
    const char *labels[4] = {s.positive.c_str(), "Volumes", "Parent", s.negative.c_str()};
    const UWORD ids[4] = {IdPositive, IdVolumes, IdParent, IdNegative};
    for (int i = 0; i < 4; i++) {
        const struct IBox &b = layout_.buttons[i];
        buttons_[i] = link(NewObject(nullptr, FRBUTTONCLASS, GA_ID, ids[i], GA_Text, labels[i], GA_RelVerify, TRUE,
                                     GA_Image, buttonFrame_, GA_Left, bl + b.Left, GA_Top, bt + b.Top, GA_Width,
                                     b.Width, GA_Height, b.Height, GA_DrawInfo, drawInfo_, GA_Previous, previous,
                                     TAG_DONE));
        if (buttons_[i] == nullptr)
            return false;
    }
    auto field = [&](UWORD id, char *text, std::size_t size, const struct IBox &box) {
        return link(NewObject(nullptr, STRGCLASS, GA_ID, id, GA_RelVerify, TRUE, GA_TabCycle, TRUE, STRINGA_Buffer,
                              text, STRINGA_MaxChars, size, GA_Left, bl + box.Left, GA_Top, bt + box.Top, GA_Width,
                              box.Width, GA_Height, box.Height, GA_DrawInfo, drawInfo_, GA_Previous, previous,
                              TAG_DONE));
    };
    drawerField_ = field(IdDrawer, drawerText_, sizeof drawerText_, layout_.drawerField);
    if (drawerField_ == nullptr)
        return false;
    if (!s.drawersOnly) {
        fileField_ = field(IdFile, fileText_, sizeof fileText_, layout_.fileField);
        if (fileField_ == nullptr)
            return false;
    }
    const struct IBox &p = layout_.scroller;
    scroller_ = link(NewObject(nullptr, PROPGCLASS, GA_ID, IdScroller, GA_RelVerify, TRUE, PGA_Freedom, FREEVERT,
                               PGA_NewLook, TRUE, PGA_Total, std::max<LONG>(static_cast<LONG>(entries_.size()), 1),
                               PGA_Visible, std::max<LONG>(layout_.rowCount, 1), PGA_Top, top_,
                               PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE, PGA_RenderBehaviour, PG_BEHAVIOUR_NICE,
                               ICA_TARGET, ICTARGET_IDCMP, GA_Left, bl + p.Left, GA_Top, bt + p.Top, GA_Width,
                               p.Width, GA_Height, p.Height, GA_DrawInfo, drawInfo_, GA_Previous, previous,
                               TAG_DONE));
    if (scroller_ == nullptr)
        return false;
    views_.assign(static_cast<std::size_t>(layout_.rowCount), RowView{});
    const struct IBox &r = layout_.rows;
    for (LONG i = 0; i < layout_.rowCount; i++) {
        struct Gadget *row = link(NewObject(RowClass(), nullptr, GA_ID, IdRowBase + i, GA_RelVerify, TRUE,
                                            GA_Disabled, TRUE, GA_UserData, &views_[static_cast<std::size_t>(i)],
                                            GA_Left, bl + r.Left, GA_Top, bt + r.Top + i * layout_.rowHeight,
                                            GA_Width, r.Width, GA_Height, layout_.rowHeight, GA_DrawInfo, drawInfo_,
                                            GA_Previous, previous, TAG_DONE));
        if (row == nullptr)
            return false;
        rows_.push_back(row);
    }
    return true;
}

void Session::FreeGadgets()
{
    for (struct Gadget *&g : buttons_) {
        DisposeObject(g);
        g = nullptr;
    }
    DisposeObject(drawerField_);
    DisposeObject(fileField_);
    DisposeObject(scroller_);
    drawerField_ = fileField_ = scroller_ = nullptr;
    for (struct Gadget *g : rows_)
        DisposeObject(g);
    rows_.clear();
    first_ = nullptr;
}

// The background, the list's frame and the fields' labels; the gadgets
// draw themselves on top.
void Session::Paint()
{
    struct RastPort *rp = window_->RPort;
    const LONG bl = window_->BorderLeft;
    const LONG bt = window_->BorderTop;
    const LONG innerWidth = window_->Width - bl - window_->BorderRight;
    const LONG innerHeight = window_->Height - bt - window_->BorderBottom;
    SetDrMd(rp, JAM2);
    SetAPen(rp, Pen(drawInfo_, BACKGROUNDPEN));
    RectFill(rp, bl, bt, bl + innerWidth - 1, bt + innerHeight - 1);
    const struct IBox &list = layout_.list;
    SetAPen(rp, Pen(drawInfo_, SHINEPEN));
    if (list.Width > 2 && list.Height > 2)
        RectFill(rp, bl + list.Left + 1, bt + list.Top + 1, bl + list.Left + list.Width - 2,
                 bt + list.Top + list.Height - 2);
    struct impDraw draw{};
    draw.MethodID = IM_DRAWFRAME;
    draw.imp_RPort = rp;
    draw.imp_Offset.X = static_cast<WORD>(bl + list.Left);
    draw.imp_Offset.Y = static_cast<WORD>(bt + list.Top);
    draw.imp_State = IDS_NORMAL;
    draw.imp_DrInfo = drawInfo_;
    draw.imp_Dimensions.Width = list.Width;
    draw.imp_Dimensions.Height = list.Height;
    DoMethodA(reinterpret_cast<Object *>(listFrame_), reinterpret_cast<Msg>(&draw));
    SetFont(rp, font_);
    SetAPen(rp, Pen(drawInfo_, TEXTPEN));
    SetDrMd(rp, JAM1);
    auto label = [&](const struct IBox &box, const char *text) {
        if (box.Width == 0)
            return;
        Move(rp, bl + box.Left, bt + box.Top + (box.Height - static_cast<LONG>(rp->TxHeight)) / 2 + rp->TxBaseline);
        Text(rp, text, static_cast<ULONG>(std::strlen(text)));
    };
    label(layout_.drawerLabel, "Drawer");
    label(layout_.fileLabel, "File");
    RefreshGList(first_, window_, nullptr, -1);
}

void Session::Relayout()
{
    const LONG innerWidth = window_->Width - window_->BorderLeft - window_->BorderRight;
    const LONG innerHeight = window_->Height - window_->BorderTop - window_->BorderBottom;
    if (first_ != nullptr)
        RemoveGList(window_, first_, -1);
    {
        // The dump may read the rows' labels meanwhile.
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        FreeGadgets();
        views_.clear();
    }
    layout_ = LayoutRequester(font_, innerWidth, innerHeight, settings_.drawersOnly, settings_.positive,
                              settings_.negative);
    if (!MakeGadgets()) {
        // Out of memory while sizing: the person can only cancel now.
        FreeGadgets();
        outcome_ = Outcome::Cancelled;
        return;
    }
    AddGList(window_, first_, static_cast<ULONG>(~0), -1, nullptr);
    const LONG count = message_.empty() ? static_cast<LONG>(entries_.size()) : 0;
    top_ = std::clamp<LONG>(top_, 0, std::max<LONG>(count - layout_.rowCount, 0));
    UpdateRows();
    UpdateScroller();
    Paint();
}

void Session::SetField(struct Gadget *field, const std::string &text)
{
    if (field == nullptr)
        return;
    SetGadgetAttrs(field, window_, nullptr, STRINGA_TextVal, text.c_str(), TAG_DONE);
}

}  // namespace hosted::asl
