// workbench/infowindow.cpp: the information window: its gadgets and texts, and Save applying the changes through dos.
#include "wbprivate.h"

#include <hosted/intuition.h>
#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>
#include <intuition/intuitionbase.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <cstring>

namespace hosted::wb {

namespace {

constexpr LONG kCommentSize = 80;   // 79 characters and the end

UWORD Pen(const struct DrawInfo *dri, ULONG which)
{
    return dri != nullptr && which < dri->dri_NumPens ? dri->dri_Pens[which] : 1;
}

class InfoWindow {
public:
    InfoWindow(ObjectInfo &info, struct Screen *screen) : info_(info), screen_(screen) {}
    ~InfoWindow();

    bool Open();
    void Run();

private:
    bool MakeGadgets();
    void Paint();
    bool Save();
    void Failed();

    ObjectInfo &info_;
    struct Screen *screen_;
    bool screenLocked_ = false;
    struct DrawInfo *drawInfo_ = nullptr;
    struct TextFont *font_ = nullptr;
    struct Window *window_ = nullptr;
    struct Window *activeBefore_ = nullptr;
    struct Image *frame_ = nullptr;
    struct Gadget *first_ = nullptr;
    struct Gadget *flags_[kFlagCount] = {};
    struct Gadget *comment_ = nullptr;
    struct Gadget *save_ = nullptr;
    struct Gadget *cancel_ = nullptr;
    std::vector<std::string> labels_;
    std::vector<std::string> values_;
    InfoLayout layout_;
    std::string title_;
    char commentText_[kCommentSize] = {};
};

InfoWindow::~InfoWindow()
{
    if (window_ != nullptr) {
        if (first_ != nullptr)
            RemoveGList(window_, first_, -1);
        while (struct Message *m = GetMsg(window_->UserPort))
            ReplyMsg(m);
        CloseWindow(window_);
    }
    for (struct Gadget *g : flags_)
        DisposeObject(g);
    DisposeObject(comment_);
    DisposeObject(save_);
    DisposeObject(cancel_);
    DisposeObject(frame_);
    if (drawInfo_ != nullptr)
        FreeScreenDrawInfo(screen_, drawInfo_);
    if (screenLocked_)
        UnlockPubScreen(nullptr, screen_);
    if (activeBefore_ != nullptr)
        ActivateWindow(activeBefore_);
}

bool InfoWindow::Open()
{
    if (screen_ == nullptr) {
        screen_ = LockPubScreen(nullptr);
        screenLocked_ = screen_ != nullptr;
    }
    if (screen_ == nullptr || (drawInfo_ = GetScreenDrawInfo(screen_)) == nullptr)
        return false;
    font_ = drawInfo_->dri_Font;
    frame_ = static_cast<struct Image *>(NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE));
    if (frame_ == nullptr)
        return false;

    labels_ = {"Name", "Type"};
    values_ = {info_.name, KindText(info_.kind)};
    if (info_.kind == ObjectKind::File) {
        labels_.push_back("Size");
        values_.push_back(SizeText(info_.size));
    }
    labels_.push_back("Date");
    values_.push_back(DateText(info_.date));
    std::vector<std::string> allLabels = labels_;
    allLabels.push_back("Protection");
    allLabels.push_back("Comment");
    const LONG bordersX = screen_->WBorLeft + screen_->WBorRight;
    layout_ = LayoutInfo(font_, allLabels, values_, screen_->Width - bordersX);
    labels_ = allLabels;
    std::strncpy(commentText_, info_.comment.c_str(), kCommentSize - 1);
    title_ = info_.name;
    if (!MakeGadgets())
        return false;

    const LONG borderTop = screen_->WBorTop + (font_ != nullptr ? font_->tf_YSize : 8) + 1;
    const LONG width = layout_.innerWidth + bordersX;
    const LONG height = layout_.innerHeight + borderTop + screen_->WBorBottom;
    struct Library *base = OpenLibrary("intuition.library", 0);
    if (base != nullptr) {
        activeBefore_ = reinterpret_cast<struct IntuitionBase *>(base)->ActiveWindow;
        CloseLibrary(base);
    }
    window_ = OpenWindowTags(nullptr, WA_Left, (screen_->Width - width) / 2, WA_Top, (screen_->Height - height) / 2,
                             WA_InnerWidth, layout_.innerWidth, WA_InnerHeight, layout_.innerHeight, WA_Title,
                             title_.c_str(), WA_CloseGadget, TRUE, WA_DragBar, TRUE, WA_DepthGadget, TRUE,
                             WA_Activate, TRUE, WA_SimpleRefresh, TRUE, WA_NoCareRefresh, TRUE, WA_IDCMP,
                             IDCMP_GADGETUP | IDCMP_CLOSEWINDOW | IDCMP_VANILLAKEY, WA_CustomScreen, screen_,
                             WA_Gadgets, first_, TAG_DONE);
    if (window_ == nullptr)
        return false;
    Paint();
    return true;
}

bool InfoWindow::MakeGadgets()
{
    // The gadgets are placed inside the borders the window will have.
    const LONG bl = screen_->WBorLeft;
    const LONG bt = screen_->WBorTop + (font_ != nullptr ? font_->tf_YSize : 8) + 1;
    const bool editable = info_.kind != ObjectKind::Volume;
    struct Gadget *previous = nullptr;
    auto place = [&](APTR made) {
        auto *g = static_cast<struct Gadget *>(made);
        if (g != nullptr) {
            if (first_ == nullptr)
                first_ = g;
            previous = g;
        }
        return g;
    };
    for (int flag = 0; flag < kFlagCount; flag++) {
        const struct IBox &b = layout_.flags[flag];
        flags_[flag] = place(NewObject(nullptr, FRBUTTONCLASS, GA_ID, IdFlagBase + flag, GA_Text, kFlagLabels[flag],
                                       GA_ToggleSelect, TRUE, GA_Selected, FlagShown(info_.protection, flag),
                                       GA_Disabled, !editable, GA_RelVerify, TRUE, GA_Image, frame_, GA_Left,
                                       bl + b.Left, GA_Top, bt + b.Top, GA_Width, b.Width, GA_Height, b.Height,
                                       GA_DrawInfo, drawInfo_, GA_Previous, previous, TAG_DONE));
        if (flags_[flag] == nullptr)
            return false;
    }
    const struct IBox &c = layout_.comment;
    comment_ = place(NewObject(nullptr, STRGCLASS, GA_ID, IdComment, GA_RelVerify, TRUE, GA_TabCycle, TRUE,
                               GA_Disabled, !editable, STRINGA_Buffer, commentText_, STRINGA_MaxChars, kCommentSize,
                               GA_Left, bl + c.Left, GA_Top, bt + c.Top, GA_Width, c.Width, GA_Height, c.Height,
                               GA_DrawInfo, drawInfo_, GA_Previous, previous, TAG_DONE));
    save_ = place(NewObject(nullptr, FRBUTTONCLASS, GA_ID, IdSave, GA_Text, "Save", GA_RelVerify, TRUE, GA_Image,
                            frame_, GA_Left, bl + layout_.save.Left, GA_Top, bt + layout_.save.Top, GA_Width,
                            layout_.save.Width, GA_Height, layout_.save.Height, GA_DrawInfo, drawInfo_, GA_Previous,
                            previous, TAG_DONE));
    cancel_ = place(NewObject(nullptr, FRBUTTONCLASS, GA_ID, IdCancel, GA_Text, "Cancel", GA_RelVerify, TRUE,
                              GA_Image, frame_, GA_Left, bl + layout_.cancel.Left, GA_Top, bt + layout_.cancel.Top,
                              GA_Width, layout_.cancel.Width, GA_Height, layout_.cancel.Height, GA_DrawInfo,
                              drawInfo_, GA_Previous, previous, TAG_DONE));
    return comment_ != nullptr && save_ != nullptr && cancel_ != nullptr;
}

// The labels and the values; the gadgets draw themselves.
void InfoWindow::Paint()
{
    struct RastPort *rp = window_->RPort;
    const LONG bl = window_->BorderLeft;
    const LONG bt = window_->BorderTop;
    SetDrMd(rp, JAM2);
    SetAPen(rp, Pen(drawInfo_, BACKGROUNDPEN));
    RectFill(rp, bl, bt, bl + layout_.innerWidth - 1, bt + layout_.innerHeight - 1);
    SetFont(rp, font_);
    SetDrMd(rp, JAM1);
    auto write = [&](const struct IBox &box, const std::string &text, UWORD pen) {
        SetAPen(rp, pen);
        Move(rp, bl + box.Left, bt + box.Top + (box.Height - static_cast<LONG>(rp->TxHeight)) / 2 + rp->TxBaseline);
        Text(rp, text.data(), static_cast<ULONG>(text.size()));
    };
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < layout_.labels.size() && i < labels_.size(); i++)
        write(layout_.labels[i], labels_[i], Pen(drawInfo_, SHADOWPEN));
    for (std::size_t i = 0; i < layout_.values.size() && i < values_.size(); i++) {
        write(layout_.values[i], FittedText(font_, values_[i], layout_.values[i].Width), Pen(drawInfo_, TEXTPEN));
        lines.push_back(labels_[i] + "\t" + values_[i]);
    }
    RefreshGList(first_, window_, nullptr, -1);
    SetWindowTextLines(window_, lines);
}

// Applies what changed; false (the window stays) when dos refused.
bool InfoWindow::Save()
{
    if (info_.kind == ObjectKind::Volume)
        return true;
    bool shown[kFlagCount];
    for (int flag = 0; flag < kFlagCount; flag++)
        shown[flag] = (flags_[flag]->Flags & GFLG_SELECTED) != 0;
    LONG protection = ProtectionWith(info_.protection, shown);
    if (protection != info_.protection) {
        if (!SetProtection(info_.path.c_str(), protection)) {
            Failed();
            return false;
        }
        info_.protection = protection;
    }
    if (info_.comment != commentText_) {
        if (!SetComment(info_.path.c_str(), commentText_)) {
            Failed();
            return false;
        }
        info_.comment = commentText_;
    }
    return true;
}

// The system's text for what went wrong, over the window.
void InfoWindow::Failed()
{
    char text[128];
    Fault(IoErr(), nullptr, text, sizeof text);
    struct IntuiText reason = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE,
                               static_cast<WORD>(AUTOTOPEDGE + 12), AUTOITEXTFONT, text, AUTONEXTTEXT};
    struct IntuiText body = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE, AUTOITEXTFONT,
                             const_cast<char *>(info_.name.c_str()), &reason};
    struct IntuiText ok = {AUTOFRONTPEN, AUTOBACKPEN, AUTODRAWMODE, AUTOLEFTEDGE, AUTOTOPEDGE, AUTOITEXTFONT,
                           const_cast<char *>("OK"), AUTONEXTTEXT};
    AutoRequest(window_, &body, nullptr, &ok, 0, 0, 0, 0);
}

void InfoWindow::Run()
{
    struct MsgPort *port = window_->UserPort;
    for (;;) {
        WaitPort(port);
        while (auto *im = reinterpret_cast<struct IntuiMessage *>(GetMsg(port))) {
            const ULONG cls = im->Class;
            const UWORD code = im->Code;
            const APTR address = im->IAddress;
            ReplyMsg(&im->ExecMessage);
            if (cls == IDCMP_CLOSEWINDOW || (cls == IDCMP_VANILLAKEY && code == 27))
                return;
            bool save = cls == IDCMP_VANILLAKEY && code == 13;
            if (cls == IDCMP_GADGETUP) {
                const UWORD id = static_cast<struct Gadget *>(address)->GadgetID;
                if (id == IdCancel)
                    return;
                save = id == IdSave;
            }
            if (save && Save())
                return;
        }
    }
}

}  // namespace

bool RunInfoWindow(ObjectInfo &info, struct Screen *screen)
{
    InfoWindow window(info, screen);
    if (!window.Open())
        return false;
    window.Run();
    return true;
}

}  // namespace hosted::wb
