// requesters/sysrequest.cpp: the system requester window: opening it over its parent, drawing its body, answering its buttons and keys.
#include "sysrequest.h"

#include <hosted/intuition.h>
#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <algorithm>
#include <mutex>
#include <new>
#include <unordered_map>

namespace hosted {

struct SysRequest {
    SysRequestParts parts;
    SysRequestLayout layout;
    struct Screen *screen = nullptr;
    bool screenLocked = false;        // the default public screen, locked while we are open
    struct DrawInfo *drawInfo = nullptr;
    struct TextFont *font = nullptr;
    struct Image *buttonFrame = nullptr;
    struct Image *boxFrame = nullptr;
    std::vector<struct Gadget *> gadgets;   // the buttons, left to right
    struct Window *window = nullptr;
    bool parentWasActive = false;
};

namespace {

constexpr ULONG kOwnIdcmp = IDCMP_GADGETUP | IDCMP_VANILLAKEY | IDCMP_CLOSEWINDOW;

std::mutex &RegistryLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::unordered_map<struct Window *, SysRequest *> &Registry()
{
    static auto *registry = new std::unordered_map<struct Window *, SysRequest *>;
    return *registry;
}

// The number EasyRequest gives the button at `index` of `count`.
LONG ButtonCode(std::size_t index, std::size_t count)
{
    return index + 1 == count ? 0 : static_cast<LONG>(index + 1);
}

UWORD Pen(const SysRequest *r, ULONG which)
{
    return r->drawInfo != nullptr && which < r->drawInfo->dri_NumPens ? r->drawInfo->dri_Pens[which] : 1;
}

void DrawFrameImage(struct Image *image, struct RastPort *rp, struct DrawInfo *drawInfo, LONG left, LONG top,
                    LONG width, LONG height)
{
    struct impDraw draw{};
    draw.MethodID = IM_DRAWFRAME;
    draw.imp_RPort = rp;
    draw.imp_Offset.X = static_cast<WORD>(left);
    draw.imp_Offset.Y = static_cast<WORD>(top);
    draw.imp_State = IDS_NORMAL;
    draw.imp_DrInfo = drawInfo;
    draw.imp_Dimensions.Width = static_cast<WORD>(width);
    draw.imp_Dimensions.Height = static_cast<WORD>(height);
    DoMethodA(reinterpret_cast<Object *>(image), reinterpret_cast<Msg>(&draw));
}

// The body: its box and its lines. The buttons draw themselves.
void PaintBody(SysRequest *r)
{
    struct Window *w = r->window;
    struct RastPort *rp = w->RPort;
    const LONG left = w->BorderLeft;
    const LONG top = w->BorderTop;
    const SysRequestLayout &l = r->layout;
    SetAPen(rp, Pen(r, BACKGROUNDPEN));
    SetDrMd(rp, JAM2);
    RectFill(rp, left, top, left + l.innerWidth - 1, top + l.innerHeight - 1);
    DrawFrameImage(r->boxFrame, rp, r->drawInfo, left + l.textBox.Left, top + l.textBox.Top, l.textBox.Width,
                   l.textBox.Height);
    SetFont(rp, r->font);
    SetAPen(rp, Pen(r, TEXTPEN));
    SetDrMd(rp, JAM1);
    for (std::size_t i = 0; i < l.shown.size(); i++) {
        const std::string &line = l.shown[i];
        if (line.empty())
            continue;
        Move(rp, left + l.textLeft, top + l.textTop + static_cast<LONG>(i) * l.linePitch + rp->TxBaseline);
        Text(rp, line.data(), static_cast<ULONG>(line.size()));
    }
}

void FreeParts(SysRequest *r)
{
    for (struct Gadget *g : r->gadgets)
        DisposeObject(g);
    r->gadgets.clear();
    DisposeObject(r->buttonFrame);
    DisposeObject(r->boxFrame);
    r->buttonFrame = r->boxFrame = nullptr;
    if (r->drawInfo != nullptr)
        FreeScreenDrawInfo(r->screen, r->drawInfo);
    r->drawInfo = nullptr;
    if (r->screenLocked)
        UnlockPubScreen(nullptr, r->screen);
    r->screenLocked = false;
}

bool MakeButtons(SysRequest *r, LONG left, LONG top)
{
    r->buttonFrame = static_cast<struct Image *>(NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE));
    r->boxFrame = static_cast<struct Image *>(
        NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_DEFAULT, IA_Recessed, TRUE, TAG_DONE));
    if (r->buttonFrame == nullptr || r->boxFrame == nullptr)
        return false;
    struct Gadget *previous = nullptr;
    const std::size_t count = r->parts.buttons.size();
    for (std::size_t i = 0; i < count; i++) {
        const struct IBox &box = r->layout.buttons[i];
        struct Gadget *g = static_cast<struct Gadget *>(NewObject(
            nullptr, FRBUTTONCLASS, GA_ID, ButtonCode(i, count), GA_Text, r->parts.buttons[i].c_str(), GA_RelVerify,
            TRUE, GA_Image, r->buttonFrame, GA_Left, left + box.Left, GA_Top, top + box.Top, GA_Width, box.Width,
            GA_Height, box.Height, GA_DrawInfo, r->drawInfo, GA_Previous, previous, TAG_DONE));
        if (g == nullptr)
            return false;
        r->gadgets.push_back(g);
        previous = g;
    }
    return true;
}

bool Open(SysRequest *r)
{
    const SysRequestParts &parts = r->parts;
    if (parts.parent != nullptr) {
        r->screen = parts.parent->WScreen;
    } else {
        r->screen = LockPubScreen(nullptr);
        r->screenLocked = r->screen != nullptr;
    }
    if (r->screen == nullptr)
        return false;
    r->drawInfo = GetScreenDrawInfo(r->screen);
    if (r->drawInfo == nullptr)
        return false;
    r->font = r->drawInfo->dri_Font;
    struct Screen *s = r->screen;
    const LONG fontHeight = r->font != nullptr ? r->font->tf_YSize : 8;
    const LONG borderLeft = s->WBorLeft;
    const LONG borderRight = s->WBorRight;
    const LONG borderTop = s->WBorTop + fontHeight + 1;
    const LONG borderBottom = s->WBorBottom;
    const LONG bar = s->BarHeight + 1;
    const LONG maxInnerWidth = s->Width - borderLeft - borderRight;
    const LONG maxInnerHeight = s->Height - bar - borderTop - borderBottom;
    r->layout = LayoutSysRequest(r->font, parts.lines, parts.buttons, maxInnerWidth, maxInnerHeight);
    if (!MakeButtons(r, borderLeft, borderTop))
        return false;

    // Centred over the parent, or over the screen; below the screen's bar.
    const LONG width = r->layout.innerWidth + borderLeft + borderRight;
    const LONG height = r->layout.innerHeight + borderTop + borderBottom;
    LONG centreX = s->Width / 2;
    LONG centreY = s->Height / 2;
    if (parts.parent != nullptr) {
        centreX = parts.parent->LeftEdge + parts.parent->Width / 2;
        centreY = parts.parent->TopEdge + parts.parent->Height / 2;
        r->parentWasActive = (parts.parent->Flags & WFLG_WINDOWACTIVE) != 0;
    }
    LONG left = std::clamp<LONG>(centreX - width / 2, 0, std::max<LONG>(s->Width - width, 0));
    LONG top = std::clamp<LONG>(centreY - height / 2, std::min<LONG>(bar, std::max<LONG>(s->Height - height, 0)),
                                std::max<LONG>(s->Height - height, 0));
    r->window = OpenWindowTags(nullptr, WA_Left, left, WA_Top, top, WA_InnerWidth, r->layout.innerWidth,
                               WA_InnerHeight, r->layout.innerHeight, WA_Title, r->parts.title.c_str(), WA_DragBar,
                               TRUE, WA_DepthGadget, TRUE, WA_Activate, TRUE, WA_SimpleRefresh, TRUE,
                               WA_NoCareRefresh, TRUE, WA_IDCMP, kOwnIdcmp | parts.idcmp, WA_CustomScreen, s,
                               WA_Gadgets, r->gadgets.empty() ? nullptr : r->gadgets.front(), TAG_DONE);
    if (r->window == nullptr)
        return false;
    PaintBody(r);
    RefreshGList(r->window->FirstGadget, r->window, nullptr, -1);
    SetWindowTextLines(r->window, parts.lines);
    return true;
}

}  // namespace

SysRequest *OpenSysRequest(const SysRequestParts &parts)
{
    if (parts.buttons.empty())
        return nullptr;
    auto *r = new (std::nothrow) SysRequest;
    if (r == nullptr)
        return nullptr;
    try {
        r->parts = parts;
        if (!Open(r)) {
            if (r->window != nullptr)
                CloseWindow(r->window);
            FreeParts(r);
            delete r;
            return nullptr;
        }
        std::lock_guard<std::mutex> guard(RegistryLock());
        Registry()[r->window] = r;
    } catch (const std::bad_alloc &) {
        if (r->window != nullptr)
            CloseWindow(r->window);
        FreeParts(r);
        delete r;
        return nullptr;
    }
    return r;
}

SysRequest *SysRequestOf(struct Window *window)
{
    std::lock_guard<std::mutex> guard(RegistryLock());
    auto found = Registry().find(window);
    return found != Registry().end() ? found->second : nullptr;
}

struct Window *SysRequestWindow(const SysRequest *request)
{
    return request != nullptr ? request->window : nullptr;
}

LONG HandleSysRequest(SysRequest *r, ULONG *idcmpClass, bool wait)
{
    struct MsgPort *port = r->window->UserPort;
    const std::size_t count = r->parts.buttons.size();
    const LONG leftmost = ButtonCode(0, count);
    for (;;) {
        auto *im = reinterpret_cast<struct IntuiMessage *>(GetMsg(port));
        if (im == nullptr) {
            if (!wait)
                return kSysRequestNothing;
            WaitPort(port);
            continue;
        }
        const ULONG cls = im->Class;
        const UWORD code = im->Code;
        const UWORD qualifier = im->Qualifier;
        const APTR address = im->IAddress;
        ReplyMsg(&im->ExecMessage);
        switch (cls) {
        case IDCMP_GADGETUP: {
            auto found = std::find(r->gadgets.begin(), r->gadgets.end(), static_cast<struct Gadget *>(address));
            if (found != r->gadgets.end())
                return ButtonCode(static_cast<std::size_t>(found - r->gadgets.begin()), count);
            break;
        }
        case IDCMP_VANILLAKEY: {
            const bool amiga = (qualifier & (IEQUALIFIER_LCOMMAND | IEQUALIFIER_RCOMMAND)) != 0;
            if (code == 13 && !amiga)
                return leftmost;
            if (code == 27)
                return 0;
            if (amiga && (code == 'v' || code == 'V'))
                return leftmost;
            if (amiga && (code == 'b' || code == 'B'))
                return 0;
            break;
        }
        case IDCMP_CLOSEWINDOW:
            // Only the host window's close button sends this: the person wants out.
            return 0;
        default:
            break;
        }
        if ((cls & r->parts.idcmp) != 0) {
            if (idcmpClass != nullptr)
                *idcmpClass = cls;
            return kSysRequestIdcmp;
        }
    }
}

void CloseSysRequest(SysRequest *r)
{
    if (r == nullptr)
        return;
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        Registry().erase(r->window);
    }
    struct Window *parent = r->parts.parent;
    if (r->window != nullptr) {
        if (!r->gadgets.empty())
            RemoveGList(r->window, r->gadgets.front(), -1);
        while (struct Message *m = GetMsg(r->window->UserPort))
            ReplyMsg(m);
        CloseWindow(r->window);
        r->window = nullptr;
    }
    FreeParts(r);
    if (parent != nullptr && r->parentWasActive)
        ActivateWindow(parent);
    delete r;
}

}  // namespace hosted
