// demo/main.cpp: PlatformDemo, a small program of the classic kind: buttons, a text field, a slider and menus in one window.
//
// It is written against the system's API only, as a program for the real
// system would be: it opens its libraries, lays its gadgets out from the
// screen's font and border sizes, and runs one event loop on its window's
// port. People run it on the SDL display; the tests drive it with scripts
// on the headless one.
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include <intuition/gadgetclass.h>
#include <intuition/imageclass.h>

#include <cstdio>
#include <cstring>

namespace {

enum GadgetId { IdHello = 1, IdClear, IdQuit, IdName, IdVolume, IdLoud };

constexpr ULONG kIdcmp = IDCMP_CLOSEWINDOW | IDCMP_GADGETUP | IDCMP_GADGETDOWN | IDCMP_MENUPICK | IDCMP_NEWSIZE |
                         IDCMP_MOUSEBUTTONS;

// The menu strip, built from records as programs do; the system lays it out.
struct DemoMenus {
    struct IntuiText texts[8];
    struct MenuItem items[8];
    struct Menu menus[2];

    void Item(int i, const char *text, UWORD flags)
    {
        texts[i] = {};
        texts[i].IText = const_cast<char *>(text);
        items[i] = {};
        items[i].ItemFill = &texts[i];
        items[i].Flags = static_cast<UWORD>(ITEMTEXT | ITEMENABLED | HIGHCOMP | flags);
    }

    DemoMenus()
    {
        Item(0, "About", 0);
        Item(1, "Quit", COMMSEQ);
        items[1].Command = 'Q';
        items[0].NextItem = &items[1];
        Item(2, "Loud", CHECKIT | MENUTOGGLE);
        Item(3, "Colours", 0);
        Item(4, "Red", CHECKIT | CHECKED);
        Item(5, "Green", CHECKIT);
        Item(6, "Blue", CHECKIT);
        items[4].MutualExclude = ~1L;
        items[5].MutualExclude = ~2L;
        items[6].MutualExclude = ~4L;
        items[2].NextItem = &items[3];
        items[3].SubItem = &items[4];
        items[4].NextItem = &items[5];
        items[5].NextItem = &items[6];
        menus[0] = {};
        menus[0].MenuName = "Project";
        menus[0].Flags = MENUENABLED;
        menus[0].FirstItem = &items[0];
        menus[0].NextMenu = &menus[1];
        menus[1] = {};
        menus[1].MenuName = "Options";
        menus[1].Flags = MENUENABLED;
        menus[1].FirstItem = &items[2];
    }
};

struct Demo {
    struct Screen *screen = nullptr;
    struct DrawInfo *dri = nullptr;
    struct TextFont *font = nullptr;
    struct Window *window = nullptr;
    struct Image *frame = nullptr;
    struct Gadget *gadgets[6] = {};
    char name[64] = "";
    char status[128] = "Welcome.";
    LONG fontHeight = 8;
    LONG left = 4, top = 16, right = 18, bottom = 10;
    DemoMenus menus;
};

const char *ColourName(const Demo &d)
{
    for (int i = 4; i <= 6; i++) {
        if ((d.menus.items[i].Flags & CHECKED) != 0)
            return reinterpret_cast<const char *>(d.menus.texts[i].IText);
    }
    return "none";
}

ULONG Volume(const Demo &d)
{
    IPTR top = 0;
    GetAttr(PGA_Top, d.gadgets[4], &top);
    return static_cast<ULONG>(top);
}

// The background, the labels and the status line. Gadgets draw themselves.
void Paint(Demo &d)
{
    struct RastPort *rp = d.window->RPort;
    LONG y = d.fontHeight;
    LONG innerW = d.window->Width - d.left - d.right;
    LONG innerH = d.window->Height - d.top - d.bottom;
    SetAPen(rp, d.dri->dri_Pens[BACKGROUNDPEN]);
    RectFill(rp, d.left, d.top, d.left + innerW - 1, d.top + innerH - 1);
    SetAPen(rp, d.dri->dri_Pens[TEXTPEN]);
    SetDrMd(rp, JAM1);
    SetFont(rp, d.font);
    auto label = [&](LONG row, const char *text) {
        Move(rp, d.left + d.fontHeight, d.top + row + d.font->tf_Baseline);
        Text(rp, text, static_cast<ULONG>(std::strlen(text)));
    };
    label(y * 4 + 2, "Name:");
    label(y * 6 + 2, "Volume:");
    char line[256];
    std::snprintf(line, sizeof line, "%s  (volume %lu, colour %s)", d.status, static_cast<unsigned long>(Volume(d)),
                  ColourName(d));
    SetAPen(rp, d.dri->dri_Pens[SHADOWPEN]);
    RectFill(rp, d.left, d.top + innerH - 2 * y, d.left + innerW - 1, d.top + innerH - 2 * y);
    SetAPen(rp, d.dri->dri_Pens[TEXTPEN]);
    Move(rp, d.left + d.fontHeight, d.top + innerH - y - y / 2 + d.font->tf_Baseline);
    Text(rp, line, static_cast<ULONG>(std::strlen(line)));
}

void Say(Demo &d, const char *text)
{
    std::snprintf(d.status, sizeof d.status, "%s", text);
    Paint(d);
    RefreshGList(d.window->FirstGadget, d.window, nullptr, -1);
}

bool MakeGadgets(Demo &d)
{
    const LONG y = d.fontHeight;
    const LONG x = d.font->tf_XSize;
    const LONG buttonW = 10 * x;
    d.frame = static_cast<struct Image *>(NewObject(nullptr, FRAMEICLASS, IA_FrameType, FRAME_BUTTON, TAG_DONE));
    struct Gadget *previous = nullptr;
    const char *labels[3] = {"Hello", "Clear", "Quit"};
    for (int i = 0; i < 3; i++) {
        d.gadgets[i] = static_cast<struct Gadget *>(NewObject(
            nullptr, FRBUTTONCLASS, GA_ID, IdHello + i, GA_Text, labels[i], GA_RelVerify, TRUE, GA_Image, d.frame,
            GA_Left, d.left + y + i * (buttonW + y), GA_Top, d.top + y, GA_Width, buttonW, GA_Height, y + 6,
            GA_DrawInfo, d.dri, GA_Previous, previous, TAG_DONE));
        previous = d.gadgets[i];
    }
    d.gadgets[3] = static_cast<struct Gadget *>(NewObject(
        nullptr, STRGCLASS, GA_ID, IdName, GA_RelVerify, TRUE, GA_TabCycle, TRUE, STRINGA_MaxChars, sizeof d.name,
        STRINGA_Buffer, d.name, GA_Left, d.left + 9 * x + y, GA_Top, d.top + 4 * y, GA_RelWidth,
        -(d.left + d.right + 9 * x + 2 * y), GA_Height, y + 4, GA_DrawInfo, d.dri, GA_Previous, previous, TAG_DONE));
    d.gadgets[4] = static_cast<struct Gadget *>(NewObject(
        nullptr, PROPGCLASS, GA_ID, IdVolume, GA_Immediate, TRUE, GA_RelVerify, TRUE, PGA_Freedom, FREEHORIZ,
        PGA_Total, 101, PGA_Visible, 1, PGA_Top, 50, PGA_NotifyBehaviour, PG_BEHAVIOUR_NICE, PGA_RenderBehaviour,
        PG_BEHAVIOUR_NICE, GA_Left, d.left + 9 * x + y, GA_Top, d.top + 6 * y, GA_RelWidth,
        -(d.left + d.right + 9 * x + 2 * y + buttonW + y), GA_Height, y + 4, GA_DrawInfo, d.dri, GA_Previous,
        d.gadgets[3], TAG_DONE));
    d.gadgets[5] = static_cast<struct Gadget *>(NewObject(
        nullptr, FRBUTTONCLASS, GA_ID, IdLoud, GA_Text, "Loud", GA_ToggleSelect, TRUE, GA_RelVerify, TRUE, GA_Image,
        d.frame, GA_RelRight, 1 - d.right - y - buttonW, GA_Top, d.top + 6 * y, GA_Width, buttonW, GA_Height, y + 4,
        GA_DrawInfo, d.dri, GA_Previous, d.gadgets[4], TAG_DONE));
    for (struct Gadget *g : d.gadgets) {
        if (g == nullptr)
            return false;
    }
    return d.frame != nullptr;
}

void FreeGadgets(Demo &d)
{
    for (struct Gadget *&g : d.gadgets) {
        DisposeObject(g);
        g = nullptr;
    }
    DisposeObject(d.frame);
    d.frame = nullptr;
}

// The knob is held: follow it until the next message arrives, as programs
// of the kind do.
void FollowKnob(Demo &d)
{
    const ULONG portSignal = 1UL << d.window->UserPort->mp_SigBit;
    ULONG shown = Volume(d);
    for (;;) {
        ULONG now = Volume(d);
        if (now != shown) {
            shown = now;
            char text[64];
            std::snprintf(text, sizeof text, "Volume %lu.", static_cast<unsigned long>(now));
            std::snprintf(d.status, sizeof d.status, "%s", text);
            Paint(d);
        }
        // A message sets the port's signal; WaitPort takes it later.
        if ((SetSignal(0, 0) & portSignal) != 0)
            return;
        Delay(1);
    }
}

void LoudChanged(Demo &d, bool loud)
{
    SetGadgetAttrs(d.gadgets[5], d.window, nullptr, GA_Selected, loud ? TRUE : FALSE, TAG_DONE);
    ClearMenuStrip(d.window);
    if (loud)
        d.menus.items[2].Flags |= CHECKED;
    else
        d.menus.items[2].Flags &= ~CHECKED;
    ResetMenuStrip(d.window, &d.menus.menus[0]);
    Say(d, loud ? "Loud now." : "Quiet now.");
}

// Returns false when the program is to end.
bool Handle(Demo &d, ULONG cls, UWORD code, APTR address)
{
    switch (cls) {
    case IDCMP_CLOSEWINDOW:
        return false;
    case IDCMP_NEWSIZE:
        Paint(d);
        RefreshGList(d.window->FirstGadget, d.window, nullptr, -1);
        return true;
    case IDCMP_GADGETDOWN:
        if (static_cast<struct Gadget *>(address)->GadgetID == IdVolume)
            FollowKnob(d);
        return true;
    case IDCMP_GADGETUP: {
        auto *g = static_cast<struct Gadget *>(address);
        char text[128];
        switch (g->GadgetID) {
        case IdHello:
            std::snprintf(text, sizeof text, "Hello, %s!", d.name[0] != 0 ? d.name : "stranger");
            Say(d, text);
            return true;
        case IdClear:
            d.name[0] = 0;
            SetGadgetAttrs(d.gadgets[3], d.window, nullptr, STRINGA_TextVal, "", TAG_DONE);
            Say(d, "Cleared.");
            return true;
        case IdQuit:
            return false;
        case IdName:
            std::snprintf(text, sizeof text, "Name set to \"%s\".", d.name);
            Say(d, text);
            return true;
        case IdVolume:
            std::snprintf(text, sizeof text, "Volume %lu.", static_cast<unsigned long>(Volume(d)));
            Say(d, text);
            return true;
        case IdLoud:
            LoudChanged(d, (g->Flags & GFLG_SELECTED) != 0);
            return true;
        default:
            return true;
        }
    }
    case IDCMP_MENUPICK:
        for (UWORD pick = code; pick != MENUNULL;) {
            struct MenuItem *item = ItemAddress(&d.menus.menus[0], pick);
            if (item == nullptr)
                break;
            if (pick == FULLMENUNUM(0, 1, NOSUB))
                return false;
            if (pick == FULLMENUNUM(0, 0, NOSUB))
                Say(d, "PlatformDemo 1.0: a window, its gadgets and its menus.");
            if (pick == FULLMENUNUM(1, 0, NOSUB))
                LoudChanged(d, (item->Flags & CHECKED) != 0);
            if (MENUNUM(pick) == 1 && ITEMNUM(pick) == 1) {
                char text[64];
                std::snprintf(text, sizeof text, "Colour %s.", ColourName(d));
                Say(d, text);
            }
            pick = item->NextSelect;
        }
        return true;
    default:
        return true;
    }
}

}  // namespace

int main()
{
    struct Library *intuitionBase = OpenLibrary("intuition.library", 0);
    struct Library *graphicsBase = OpenLibrary("graphics.library", 0);
    if (intuitionBase == nullptr || graphicsBase == nullptr) {
        std::printf("PlatformDemo needs intuition.library and graphics.library\n");
        return 20;
    }
    Demo d;
    d.screen = LockPubScreen(nullptr);
    d.dri = GetScreenDrawInfo(d.screen);
    d.font = reinterpret_cast<struct TextFont *>(GetDrawInfoAttr(d.dri, GDIA_Font, nullptr));
    d.fontHeight = d.font->tf_YSize;
    d.top = static_cast<LONG>(GetDrawInfoAttr(d.dri, GDIA_WindowTopBorder, nullptr));
    d.left = static_cast<LONG>(GetDrawInfoAttr(d.dri, GDIA_WindowLeftBorder, nullptr));
    d.right = static_cast<LONG>(GetDrawInfoAttr(d.dri, GDIA_WindowRightBorder, nullptr));
    d.bottom = static_cast<LONG>(GetDrawInfoAttr(d.dri, GDIA_WindowBottomBorder, nullptr));
    int result = 0;
    if (!MakeGadgets(d)) {
        std::printf("PlatformDemo: cannot make its gadgets\n");
        result = 20;
    } else {
        const LONG y = d.fontHeight;
        d.window = OpenWindowTags(
            nullptr, WA_Title, "Platform demo", WA_ScreenTitle, "PlatformDemo 1.0", WA_Left, 80, WA_Top, 60,
            WA_InnerWidth, 50 * d.font->tf_XSize, WA_InnerHeight, 11 * y, WA_MinWidth, 36 * d.font->tf_XSize,
            WA_MinHeight, 11 * y + d.top + d.bottom, WA_MaxWidth, -1, WA_MaxHeight, 11 * y + d.top + d.bottom,
            WA_CloseGadget, TRUE, WA_DepthGadget, TRUE, WA_DragBar, TRUE, WA_SizeGadget, TRUE, WA_Activate, TRUE,
            WA_NoCareRefresh, TRUE, WA_IDCMP, kIdcmp, WA_PubScreen, d.screen, WA_Gadgets, d.gadgets[0],
            TAG_DONE);
        if (d.window == nullptr) {
            std::printf("PlatformDemo: cannot open its window\n");
            result = 20;
        }
    }
    if (d.window != nullptr) {
        SetMenuStrip(d.window, &d.menus.menus[0]);
        Paint(d);
        RefreshGList(d.window->FirstGadget, d.window, nullptr, -1);
        bool running = true;
        while (running) {
            WaitPort(d.window->UserPort);
            while (struct IntuiMessage *msg = reinterpret_cast<struct IntuiMessage *>(GetMsg(d.window->UserPort))) {
                ULONG cls = msg->Class;
                UWORD code = msg->Code;
                APTR address = msg->IAddress;
                ReplyMsg(&msg->ExecMessage);
                if (running)
                    running = Handle(d, cls, code, address);
            }
        }
        ClearMenuStrip(d.window);
        RemoveGList(d.window, d.window->FirstGadget, -1);
        while (struct Message *msg = GetMsg(d.window->UserPort))
            ReplyMsg(msg);
        CloseWindow(d.window);
    }
    FreeGadgets(d);
    FreeScreenDrawInfo(d.screen, d.dri);
    UnlockPubScreen(nullptr, d.screen);
    CloseLibrary(graphicsBase);
    CloseLibrary(intuitionBase);
    return result;
}
