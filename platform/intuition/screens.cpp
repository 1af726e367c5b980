// intuition/screens.cpp: screens: opening and closing, the default public screen, depth order, the title bar.
#include "look.h"
#include "state.h"

#include <proto/graphics.h>
#include <proto/intuition.h>
#include <proto/utility.h>

#include <algorithm>
#include <cstring>

namespace hosted {

namespace {

constexpr const char *kDefaultScreenName = "Workbench";
constexpr const char *kDefaultScreenTitle = "Workbench Screen";

struct ScreenParams {
    LONG width = 0;
    LONG height = 0;
    CONST_STRPTR title = nullptr;
    CONST_STRPTR publicName = nullptr;
    UWORD type = CUSTOMSCREEN;
    const struct TextAttr *font = nullptr;
    bool showTitle = true;
    bool behind = false;
    bool quiet = false;
    ULONG *errorCode = nullptr;
};

void SetError(const ScreenParams &p, ULONG code)
{
    if (p.errorCode != nullptr)
        *p.errorCode = code;
}

bool SetUpPens(ScreenRecord *s)
{
    s->colorMap = GetColorMap(256);
    if (s->colorMap == nullptr)
        return false;
    for (UWORD pen = 0; pen < LookPenCount; pen++) {
        ULONG rgb = kLookColors[pen];
        ULONG r = ((rgb >> 16) & 0xFF) * 0x01010101u;
        ULONG g = ((rgb >> 8) & 0xFF) * 0x01010101u;
        ULONG b = (rgb & 0xFF) * 0x01010101u;
        SetRGB32CM(s->colorMap, pen, r, g, b);
        ObtainPen(s->colorMap, pen, r, g, b, 0);
    }
    for (int i = 0; i < NUMDRIPENS; i++)
        s->pens[i] = kDrawInfoPens[i];
    s->pens[NUMDRIPENS] = static_cast<UWORD>(~0);
    s->screen.ViewPort.ColorMap = s->colorMap;
    s->screen.DetailPen = PenBackground;
    s->screen.BlockPen = PenText;
    return true;
}

void FreeScreenRecord(ScreenRecord *s)
{
    if (s->background != nullptr)
        FreeBitMap(s->background);
    if (s->font != nullptr && s->font != ScreenFont())
        CloseFont(s->font);
    if (s->colorMap != nullptr)
        FreeColorMap(s->colorMap);
    delete s;
}

ScreenRecord *CreateScreen(const ScreenParams &p)
{
    auto *s = new ScreenRecord;
    struct Screen &scr = s->screen;
    LONG width = p.width;
    LONG height = p.height;
    if (width <= 0 || height <= 0) {
        LONG dw = 0;
        LONG dh = 0;
        DefaultScreenSize(dw, dh);
        if (width <= 0)
            width = dw;
        if (height <= 0)
            height = dh;
    }
    width = std::min<LONG>(std::max<LONG>(width, 64), 8192);
    height = std::min<LONG>(std::max<LONG>(height, 64), 8192);
    if (!SetUpPens(s)) {
        SetError(p, OSERR_NOMEM);
        FreeScreenRecord(s);
        return nullptr;
    }
    s->font = p.font != nullptr ? OpenFont(p.font) : nullptr;
    if (s->font == nullptr)
        s->font = ScreenFont();
    s->fontAttr.ta_Name = s->font->tf_Message.mn_Node.ln_Name;
    s->fontAttr.ta_YSize = s->font->tf_YSize;
    s->fontAttr.ta_Style = s->font->tf_Style;
    s->fontAttr.ta_Flags = s->font->tf_Flags;

    s->background = AllocChunkyBitMap(width, height, PIXFMT_BGRA32, false);
    if (s->background == nullptr) {
        SetError(p, OSERR_NOMEM);
        FreeScreenRecord(s);
        return nullptr;
    }
    SetBitMapColorMap(s->background, s->colorMap);
    ChunkyOf(s->background)->watched = true;
    s->frame.assign(static_cast<std::size_t>(width) * height, 0);

    struct DrawInfo &dri = s->drawInfo;
    dri.dri_Version = DRI_VERSION;
    dri.dri_NumPens = NUMDRIPENS;
    dri.dri_Pens = s->pens;
    dri.dri_Font = s->font;
    dri.dri_Depth = 32;
    dri.dri_Resolution.X = 44;
    dri.dri_Resolution.Y = 44;
    dri.dri_Flags = DRIF_NEWLOOK;
    s->metrics = MetricsOf(&dri);

    LONG fontHeight = s->font->tf_YSize;
    scr.Width = static_cast<WORD>(width);
    scr.Height = static_cast<WORD>(height);
    scr.Flags = static_cast<UWORD>(p.type & SCREENTYPE);
    scr.BarHeight = static_cast<BYTE>(std::min<LONG>(fontHeight + 4, 127) - 1);
    scr.BarVBorder = 1;
    scr.BarHBorder = 5;
    scr.MenuVBorder = 2;
    scr.MenuHBorder = 4;
    scr.WBorTop = static_cast<BYTE>(std::max<LONG>(0, s->metrics.titleHeight - fontHeight - 1));
    scr.WBorLeft = static_cast<BYTE>(s->metrics.plainBorder);
    scr.WBorRight = static_cast<BYTE>(s->metrics.plainBorder);
    scr.WBorBottom = static_cast<BYTE>(s->metrics.plainBorder);
    scr.Font = &s->fontAttr;
    scr.Title = reinterpret_cast<UBYTE *>(const_cast<char *>(p.title));
    scr.DefaultTitle = scr.Title;
    scr.ViewPort.DWidth = scr.Width;
    scr.ViewPort.DHeight = scr.Height;
    scr.ViewPort.ColorMap = s->colorMap;
    InitRastPort(&scr.RastPort);
    scr.RastPort.BitMap = s->background;
    SetFont(&scr.RastPort, s->font);
    scr.BitMap = *s->background;
    scr.LayerInfo.bounds = {0, 0, static_cast<WORD>(width - 1), static_cast<WORD>(height - 1)};
    s->showTitle = p.showTitle && !p.quiet;
    if (s->showTitle)
        scr.Flags |= SHOWTITLE;
    if (p.publicName != nullptr) {
        s->publicName = p.publicName;
        // A new public screen is private until its owner calls
        // PubScreenStatus(screen, 0), as on the real system.
        s->isPrivate = true;
    }
    SetRast(&scr.RastPort, PenDesktop);
    if (!p.quiet)
        PaintScreenBar(s);
    return s;
}

bool PublicNameTaken(const char *name)
{
    for (ScreenRecord *s : State().screens) {
        if (!s->publicName.empty() && Stricmp(s->publicName.c_str(), name) == 0)
            return true;
    }
    return false;
}

void LinkScreens()
{
    IntuitionState &st = State();
    for (std::size_t i = 0; i < st.screens.size(); i++)
        st.screens[i]->screen.NextScreen = i + 1 < st.screens.size() ? &st.screens[i + 1]->screen : nullptr;
    Base().FirstScreen = st.screens.empty() ? nullptr : &st.screens[0]->screen;
}

// Ends whatever the pointer was doing: the front screen is changing.
void EndGestures()
{
    InputState &in = State().input;
    switch (in.gesture) {
    case Gesture::Menu:
        EndMenuSession(false);
        break;
    case Gesture::Gadget:
        AbortActiveGadget();
        break;
    case Gesture::SizeWindow:
        SetOutline(Box{});
        break;
    default:
        break;
    }
    in.gesture = Gesture::None;
    in.window = nullptr;
    for (ScreenRecord *s : State().screens) {
        if (s->depthPressed) {
            s->depthPressed = false;
            PaintScreenBar(s);
        }
    }
}

ScreenRecord *OpenScreenRecord(const ScreenParams &p)
{
    IntuitionState &st = State();
    if (p.publicName != nullptr && PublicNameTaken(p.publicName)) {
        SetError(p, OSERR_PUBNOTUNIQUE);
        return nullptr;
    }
    ScreenRecord *s = CreateScreen(p);
    if (s == nullptr)
        return nullptr;
    st.liveScreens.insert(s);
    if (p.behind || st.screens.empty()) {
        st.screens.push_back(s);
        LinkScreens();
        if (st.screens.size() == 1)
            ShowFrontScreen();
    } else {
        EndGestures();
        st.screens.insert(st.screens.begin(), s);
        LinkScreens();
        ShowFrontScreen();
    }
    return s;
}

}  // namespace

ScreenRecord *ScreenOf(struct Screen *screen)
{
    auto *s = reinterpret_cast<ScreenRecord *>(screen);
    return State().liveScreens.count(s) != 0 ? s : nullptr;
}

ScreenRecord *FrontScreen()
{
    IntuitionState &st = State();
    return st.screens.empty() ? nullptr : st.screens.front();
}

ScreenRecord *OpenDefaultScreen()
{
    IntuitionState &st = State();
    if (st.defaultScreen != nullptr)
        return st.defaultScreen;
    ScreenParams p;
    p.type = WBENCHSCREEN;
    p.publicName = kDefaultScreenName;
    ScreenRecord *s = OpenScreenRecord(p);
    if (s == nullptr)
        return nullptr;
    s->ownTitle = kDefaultScreenTitle;
    s->screen.Title = reinterpret_cast<UBYTE *>(s->ownTitle.data());
    s->screen.DefaultTitle = s->screen.Title;
    s->isDefault = true;
    s->isPrivate = false;
    st.defaultScreen = s;
    PaintScreenBar(s);
    return s;
}

Box ScreenBarBox(const ScreenRecord *s)
{
    return BoxAt(0, 0, s->screen.Width, s->BarHeight());
}

Box ScreenDepthBox(const ScreenRecord *s)
{
    LONG w = std::min<LONG>(s->metrics.depthWidth, s->screen.Width);
    return BoxAt(s->screen.Width - w, 0, w, s->BarHeight() - 1);
}

void PaintScreenBar(ScreenRecord *s)
{
    struct RastPort *rp = &s->screen.RastPort;
    LONG bar = s->BarHeight();
    LONG width = s->screen.Width;
    SetDrMd(rp, JAM2);
    SetAPen(rp, PenBar);
    RectFill(rp, 0, 0, width - 1, bar - 2);
    SetAPen(rp, PenShadow);
    RectFill(rp, 0, bar - 1, width - 1, bar - 1);
    Box depth = ScreenDepthBox(s);
    if (s->depthPressed) {
        SetAPen(rp, PenFrame);
        RectFill(rp, depth.x0, depth.y0, depth.x1 - 1, depth.y1 - 1);
    }
    SetAPen(rp, PenFrame);
    RectFill(rp, depth.x0, 2, depth.x0, bar - 4);
    PaintDepthGlyph(rp, Box{depth.x0 + 1, depth.y0, depth.x1, depth.y1}, PenText,
                    s->depthPressed ? PenFrame : PenBar);
    const char *title = reinterpret_cast<const char *>(s->screen.Title);
    if (title != nullptr && *title != 0) {
        struct TextFont *font = s->font;
        SetFont(rp, font);
        struct TextExtent extent;
        LONG room = depth.x0 - 8 - 6;
        ULONG fits = room > 0 ? TextFit(rp, title, static_cast<ULONG>(std::strlen(title)), &extent, nullptr, 1,
                                        static_cast<ULONG>(room), static_cast<ULONG>(font->tf_YSize + 1))
                              : 0;
        if (fits > 0) {
            SetAPen(rp, PenText);
            SetDrMd(rp, JAM1);
            Move(rp, 8, (bar - 1 - font->tf_YSize + 1) / 2 + font->tf_Baseline);
            Text(rp, title, fits);
        }
    }
}

void UpdateScreenTitle(ScreenRecord *s)
{
    UBYTE *title = s->screen.DefaultTitle;
    WindowRecord *active = State().active;
    if (active != nullptr && active->screen == s && active->window.ScreenTitle != nullptr)
        title = active->window.ScreenTitle;
    s->screen.Title = title;
    PaintScreenBar(s);
}

void BringScreenToFront(ScreenRecord *s)
{
    IntuitionState &st = State();
    auto it = std::find(st.screens.begin(), st.screens.end(), s);
    if (it == st.screens.end() || it == st.screens.begin())
        return;
    EndGestures();
    st.screens.erase(it);
    st.screens.insert(st.screens.begin(), s);
    LinkScreens();
    ShowFrontScreen();
}

void SendScreenToBack(ScreenRecord *s)
{
    IntuitionState &st = State();
    auto it = std::find(st.screens.begin(), st.screens.end(), s);
    if (it == st.screens.end() || st.screens.size() < 2 || it + 1 == st.screens.end())
        return;
    bool wasFront = it == st.screens.begin();
    if (wasFront)
        EndGestures();
    st.screens.erase(it);
    st.screens.push_back(s);
    LinkScreens();
    if (wasFront)
        ShowFrontScreen();
}

struct IBox ScreenDepthGadget(struct Screen *screen)
{
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    struct IBox box{};
    ScreenRecord *s = ScreenOf(screen);
    if (s == nullptr)
        return box;
    Box b = ScreenDepthBox(s);
    box.Left = static_cast<WORD>(b.x0);
    box.Top = static_cast<WORD>(b.y0);
    box.Width = static_cast<WORD>(b.Width());
    box.Height = static_cast<WORD>(b.Height());
    return box;
}

}  // namespace hosted

using namespace hosted;

/* Opens a screen from a NewScreen and/or tags (tags win). Every screen is a
   32-bit BGRA framebuffer; SA_Depth is accepted and ignored. SA_PubName
   makes a public screen, private until PubScreenStatus(screen, 0). NULL
   on failure with SA_ErrorCode's ULONG set (OSERR_PUBNOTUNIQUE, OSERR_NOMEM). */
struct Screen *OpenScreenTagList(const struct NewScreen *newScreen, const struct TagItem *tagList)
{
    StartIntuition();
    ScreenParams p;
    if (newScreen != nullptr) {
        p.width = newScreen->Width;
        p.height = newScreen->Height;
        p.title = reinterpret_cast<CONST_STRPTR>(newScreen->DefaultTitle);
        p.type = newScreen->Type;
        p.font = newScreen->Font;
        p.behind = (newScreen->Type & SCREENBEHIND) != 0;
        p.quiet = (newScreen->Type & SCREENQUIET) != 0;
        if ((newScreen->Type & NS_EXTENDED) != 0 && tagList == nullptr)
            tagList = reinterpret_cast<const struct ExtNewScreen *>(newScreen)->Extension;
    }
    const struct TagItem *state = tagList;
    const char *publicName = nullptr;
    while (struct TagItem *tag = NextTagItem(&state)) {
        switch (tag->ti_Tag) {
        case SA_Width: p.width = static_cast<LONG>(tag->ti_Data); break;
        case SA_Height: p.height = static_cast<LONG>(tag->ti_Data); break;
        case SA_Title: p.title = reinterpret_cast<CONST_STRPTR>(tag->ti_Data); break;
        case SA_Type: p.type = static_cast<UWORD>(tag->ti_Data); break;
        case SA_PubName: publicName = reinterpret_cast<const char *>(tag->ti_Data); break;
        case SA_Font: p.font = reinterpret_cast<const struct TextAttr *>(tag->ti_Data); break;
        case SA_SysFont: p.font = nullptr; break;   // both system fonts are the screen font here
        case SA_ShowTitle: p.showTitle = tag->ti_Data != 0; break;
        case SA_Behind: p.behind = tag->ti_Data != 0; break;
        case SA_Quiet: p.quiet = tag->ti_Data != 0; break;
        case SA_ErrorCode: p.errorCode = reinterpret_cast<ULONG *>(tag->ti_Data); break;
        default: break;   // depth, pens, display mode ...: one kind of display here
        }
    }
    if ((p.type & SCREENTYPE) == PUBLICSCREEN)
        p.publicName = publicName;
    if ((p.type & SCREENTYPE) == PUBLICSCREEN && publicName == nullptr) {
        SetError(p, OSERR_NOTAVAILABLE);
        return nullptr;
    }
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ScreenRecord *s = OpenScreenRecord(p);
    return s != nullptr ? &s->screen : nullptr;
}

/* Opens a screen from a NewScreen alone. */
struct Screen *OpenScreen(const struct NewScreen *newScreen)
{
    return OpenScreenTagList(newScreen, nullptr);
}

/* Closes a screen. Fails (FALSE) while windows are open on it, while a
   public screen is locked, and always for the default public screen. */
BOOL CloseScreen(struct Screen *screen)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ScreenRecord *s = ScreenOf(screen);
    if (s == nullptr || s->isDefault || !s->windows.empty() || s->locks > 0)
        return FALSE;
    IntuitionState &st = State();
    bool wasFront = !st.screens.empty() && st.screens.front() == s;
    if (wasFront)
        EndGestures();
    st.screens.erase(std::find(st.screens.begin(), st.screens.end(), s));
    st.liveScreens.erase(s);
    LinkScreens();
    if (wasFront)
        ShowFrontScreen();
    FreeScreenRecord(s);
    return TRUE;
}

/* Brings a screen in front of all others; it is what the display shows. */
void ScreenToFront(struct Screen *screen)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (ScreenRecord *s = ScreenOf(screen))
        BringScreenToFront(s);
}

/* Sends a screen behind all others. */
void ScreenToBack(struct Screen *screen)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    if (ScreenRecord *s = ScreenOf(screen))
        SendScreenToBack(s);
}

/* Puts the title bar in front of backdrop windows (TRUE) or behind them. */
void ShowTitle(struct Screen *screen, BOOL showIt)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ScreenRecord *s = ScreenOf(screen);
    if (s == nullptr)
        return;
    s->showTitle = showIt != 0;
    if (s->showTitle)
        s->screen.Flags |= SHOWTITLE;
    else
        s->screen.Flags &= ~SHOWTITLE;
    RestackScreen(s);
    DamageScreen(s, ScreenBarBox(s));
}

/* Locks a public screen by name; NULL names the default public screen.
   NULL when there is no public screen of that name or it is private. */
struct Screen *LockPubScreen(CONST_STRPTR name)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    IntuitionState &st = State();
    ScreenRecord *found = nullptr;
    if (name == nullptr) {
        found = st.defaultScreen;
    } else {
        for (ScreenRecord *s : st.screens) {
            if (!s->publicName.empty() && s->publicName == name && !s->isPrivate)
                found = s;
        }
    }
    if (found == nullptr)
        return nullptr;
    found->locks++;
    return &found->screen;
}

/* Gives back a lock from LockPubScreen: by screen, or by name when screen
   is NULL. */
void UnlockPubScreen(CONST_STRPTR name, struct Screen *screen)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ScreenRecord *s = screen != nullptr ? ScreenOf(screen) : nullptr;
    if (s == nullptr && name != nullptr) {
        for (ScreenRecord *candidate : State().screens) {
            if (candidate->publicName == name)
                s = candidate;
        }
    }
    if (s != nullptr && s->locks > 0)
        s->locks--;
}

/* Makes a public screen private (PSNF_PRIVATE) or public (0). Returns 1
   on success, 0 when the screen is not public or has visitors and cannot
   become private. */
UWORD PubScreenStatus(struct Screen *screen, ULONG statusFlags)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ScreenRecord *s = ScreenOf(screen);
    if (s == nullptr || s->publicName.empty())
        return 0;
    bool makePrivate = (statusFlags & PSNF_PRIVATE) != 0;
    if (makePrivate && !s->isPrivate) {
        bool visitors = s->locks > 0;
        for (WindowRecord *w : s->windows)
            visitors = visitors || w->publicLock;
        if (visitors || s->isDefault)
            return 0;
    }
    s->isPrivate = makePrivate;
    return 1;
}

/* Copies the name of the default public screen. */
void GetDefaultPubScreen(STRPTR nameBuffer)
{
    if (nameBuffer != nullptr)
        std::strcpy(nameBuffer, kDefaultScreenName);
}

/* The screen's draw information: pens, font, depth. The same record every
   time; FreeScreenDrawInfo gives it back. NULL for a screen not open. */
struct DrawInfo *GetScreenDrawInfo(struct Screen *screen)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ScreenRecord *s = ScreenOf(screen);
    return s != nullptr ? &s->drawInfo : nullptr;
}

void FreeScreenDrawInfo(struct Screen *, struct DrawInfo *)
{
}

/* A draw information attribute: GDIA_WindowTopBorder, ...LeftBorder,
   ...RightBorder, ...BottomBorder (the borders of a window with a sizing
   gadget), ...TitleHeight, ...SizeWidth, ...SizeHeight, GDIA_Font (a
   struct TextFont *). Unknown attributes and a NULL DrawInfo give 0 with
   *errorPtr TRUE. Where this host differs: the result is an IPTR so the
   font's address fits. */
IPTR GetDrawInfoAttr(struct DrawInfo *drawInfo, ULONG attr, ULONG *errorPtr)
{
    if (errorPtr != nullptr)
        *errorPtr = TRUE;
    if (drawInfo == nullptr)
        return 0;
    FrameMetrics m = MetricsOf(drawInfo);
    IPTR value = 0;
    switch (attr) {
    case GDIA_WindowTitleHeight:
    case GDIA_WindowTopBorder: value = static_cast<IPTR>(m.titleHeight); break;
    case GDIA_WindowLeftBorder: value = static_cast<IPTR>(m.plainBorder); break;
    case GDIA_WindowRightBorder:
    case GDIA_WindowSizeWidth: value = static_cast<IPTR>(m.sizeWidth); break;
    case GDIA_WindowBottomBorder:
    case GDIA_WindowSizeHeight: value = static_cast<IPTR>(m.sizeHeight); break;
    case GDIA_Font: value = reinterpret_cast<IPTR>(drawInfo->dri_Font); break;
    default: return 0;
    }
    if (errorPtr != nullptr)
        *errorPtr = FALSE;
    return value;
}

/* Flashes the title bar of a screen (NULL: the front screen) and rings the
   host's bell where it has one. */
void DisplayBeep(struct Screen *screen)
{
    StartIntuition();
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    ScreenRecord *s = screen != nullptr ? ScreenOf(screen) : FrontScreen();
    Backend().Beep();
    if (s == nullptr || s != FrontScreen())
        return;
    State().beeping = true;
    DamageScreen(s, ScreenBarBox(s));
    RequestCompose();
}
