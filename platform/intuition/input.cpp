// intuition/input.cpp: the input task: host input to pointer, buttons and keys; dragging, sizing and depth; ticks and composing.
#include "state.h"

#include <hosted/boopsi.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <future>
#include <unistd.h>

namespace hosted {

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> gBusy{false};
Clock::time_point gNextTick;
Clock::time_point gBeepEnd;
bool gBeepTimed = false;
MessageRecord *gCloseRequest = nullptr;   // the IDCMP_CLOSEWINDOW the host window's close button sent

constexpr UWORD kButtonBits = IEQUALIFIER_LEFTBUTTON | IEQUALIFIER_RBUTTON | IEQUALIFIER_MIDBUTTON;

WindowRecord *LiveWindow(WindowRecord *w)
{
    return w != nullptr && State().liveWindows.count(w) != 0 ? w : nullptr;
}

// The input event a gadget sees for a host event.
struct InputEvent MouseEvent(UWORD code)
{
    struct InputEvent ie{};
    ie.ie_Class = IECLASS_RAWMOUSE;
    ie.ie_Code = code;
    InputState &in = State().input;
    ie.ie_Qualifier = in.Qualifier();
    ie.ie_X = static_cast<WORD>(in.x);
    ie.ie_Y = static_cast<WORD>(in.y);
    ie.ie_TimeStamp.tv_secs = in.seconds;
    ie.ie_TimeStamp.tv_micro = in.micros;
    return ie;
}

void SizeOutline()
{
    InputState &in = State().input;
    WindowRecord *w = LiveWindow(in.window);
    if (w == nullptr)
        return;
    const struct Window &win = w->window;
    LONG width = in.x + in.grabX - win.LeftEdge;
    LONG height = in.y + in.grabY - win.TopEdge;
    width = std::clamp<LONG>(width, win.MinWidth, std::max<LONG>(win.MinWidth, win.MaxWidth));
    height = std::clamp<LONG>(height, win.MinHeight, std::max<LONG>(win.MinHeight, win.MaxHeight));
    width = std::min<LONG>(width, w->screen->screen.Width - win.LeftEdge);
    height = std::min<LONG>(height, w->screen->screen.Height - win.TopEdge);
    in.sizeBox = BoxAt(win.LeftEdge, win.TopEdge, width, height);
    SetOutline(in.sizeBox);
}

void SetFramePressed(WindowRecord *w, int part)
{
    if (w->frame.pressed == part)
        return;
    w->frame.pressed = part;
    PaintWindowFrame(w);
}

Box PartBox(const WindowRecord *w, int part)
{
    const Box &b = part == PartClose ? w->parts.close : part == PartDepth ? w->parts.depth : w->parts.size;
    return Box{b.x0 + w->window.LeftEdge, b.y0 + w->window.TopEdge, b.x1 + w->window.LeftEdge,
               b.y1 + w->window.TopEdge};
}

void MovePointer(LONG x, LONG y)
{
    IntuitionState &st = State();
    InputState &in = st.input;
    ScreenRecord *s = FrontScreen();
    if (s == nullptr)
        return;
    x = std::clamp<LONG>(x, 0, s->screen.Width - 1);
    y = std::clamp<LONG>(y, 0, s->screen.Height - 1);
    if (x == in.x && y == in.y)
        return;
    in.x = x;
    in.y = y;
    SetPointerOnWindows(s);
    switch (in.gesture) {
    case Gesture::Menu:
        MenuSessionMove();
        return;
    case Gesture::DragWindow:
        if (WindowRecord *w = LiveWindow(in.window)) {
            SetWindowBox(w, x - in.grabX, y - in.grabY, w->window.Width, w->window.Height, false);
            in.moved = true;
        }
        return;
    case Gesture::SizeWindow:
        SizeOutline();
        return;
    case Gesture::FramePart:
        if (WindowRecord *w = LiveWindow(in.window))
            SetFramePressed(w, PartBox(w, in.part).Contains(x, y) ? in.part : PartNone);
        return;
    case Gesture::ScreenDepth: {
        bool inside = ScreenDepthBox(s).Contains(x, y);
        if (inside != s->depthPressed) {
            s->depthPressed = inside;
            PaintScreenBar(s);
        }
        return;
    }
    case Gesture::Gadget: {
        struct InputEvent ie = MouseEvent(IECODE_NOBUTTON);
        ActiveGadgetInput(ie);
        return;
    }
    default:
        break;
    }
    WindowRecord *active = st.active;
    if (active != nullptr && active->screen == s && (active->window.Flags & WFLG_REPORTMOUSE) != 0)
        SendIDCMP(active, IDCMP_MOUSEMOVE, IECODE_NOBUTTON, nullptr);
}

void LeftDown()
{
    IntuitionState &st = State();
    InputState &in = st.input;
    if (in.gesture == Gesture::Menu) {
        MenuSessionSelect();
        return;
    }
    if (in.gesture == Gesture::Gadget) {
        struct InputEvent ie = MouseEvent(SELECTDOWN);
        if (ActiveGadgetInput(ie))
            return;
    }
    if (in.gesture != Gesture::None)
        return;
    ScreenRecord *s = FrontScreen();
    if (s == nullptr)
        return;
    LONG x = in.x;
    LONG y = in.y;
    if (ScreenBarAt(s, x, y)) {
        if (ScreenDepthBox(s).Contains(x, y)) {
            in.gesture = Gesture::ScreenDepth;
            s->depthPressed = true;
            PaintScreenBar(s);
        }
        return;
    }
    WindowRecord *w = WindowAt(s, x, y);
    if (w == nullptr) {
        ActivateWindowRecord(nullptr);
        return;
    }
    if (st.active != w)
        ActivateWindowRecord(w);
    if (LiveWindow(w) == nullptr)
        return;
    LONG lx = x - w->window.LeftEdge;
    LONG ly = y - w->window.TopEdge;
    int part = PartAt(w->parts, lx, ly);
    in.window = w;
    if (part == PartClose || part == PartDepth) {
        in.gesture = Gesture::FramePart;
        in.part = part;
        SetFramePressed(w, part);
        return;
    }
    if (part == PartSize) {
        in.gesture = Gesture::SizeWindow;
        in.grabX = w->window.LeftEdge + w->window.Width - x;
        in.grabY = w->window.TopEdge + w->window.Height - y;
        SizeOutline();
        return;
    }
    if (PressGadget(w, lx, ly))
        return;
    if (part == PartDrag) {
        in.gesture = Gesture::DragWindow;
        in.grabX = lx;
        in.grabY = ly;
        in.moved = false;
        return;
    }
    in.gesture = Gesture::Button;
    SendIDCMP(w, IDCMP_MOUSEBUTTONS, SELECTDOWN, nullptr);
}

void LeftUp()
{
    IntuitionState &st = State();
    InputState &in = st.input;
    ScreenRecord *s = FrontScreen();
    WindowRecord *w = LiveWindow(in.window);
    switch (in.gesture) {
    case Gesture::Gadget: {
        struct InputEvent ie = MouseEvent(SELECTUP);
        ActiveGadgetInput(ie);
        return;
    }
    case Gesture::FramePart:
        if (w != nullptr) {
            bool inside = PartBox(w, in.part).Contains(in.x, in.y);
            SetFramePressed(w, PartNone);
            if (inside && in.part == PartClose) {
                SendIDCMP(w, IDCMP_CLOSEWINDOW, 0, nullptr);
            } else if (inside && in.part == PartDepth) {
                if (IsFrontmost(w))
                    LowerWindow(w);
                else
                    RaiseWindow(w);
                if (w->notifyDepth)
                    SendIDCMP(w, IDCMP_CHANGEWINDOW, CWCODE_DEPTH, nullptr);
            }
        }
        break;
    case Gesture::ScreenDepth:
        if (s != nullptr) {
            bool inside = ScreenDepthBox(s).Contains(in.x, in.y);
            s->depthPressed = false;
            PaintScreenBar(s);
            if (inside)
                SendScreenToBack(s);
        }
        break;
    case Gesture::DragWindow:
        if (w != nullptr && in.moved)
            SendIDCMP(w, IDCMP_CHANGEWINDOW, CWCODE_MOVESIZE, nullptr);
        break;
    case Gesture::SizeWindow:
        SetOutline(Box{});
        if (w != nullptr && !in.sizeBox.Empty())
            SetWindowBox(w, w->window.LeftEdge, w->window.TopEdge, in.sizeBox.Width(), in.sizeBox.Height());
        break;
    case Gesture::Button:
        if (w != nullptr)
            SendIDCMP(w, IDCMP_MOUSEBUTTONS, SELECTUP, nullptr);
        break;
    default:
        return;
    }
    in.gesture = Gesture::None;
    in.window = nullptr;
}

void RightDown()
{
    IntuitionState &st = State();
    InputState &in = st.input;
    if (in.gesture == Gesture::Gadget) {
        struct InputEvent ie = MouseEvent(MENUDOWN);
        if (ActiveGadgetInput(ie))
            return;
    }
    if (in.gesture != Gesture::None)
        return;
    WindowRecord *w = st.active;
    if (w == nullptr || w->screen != FrontScreen())
        return;
    if ((w->window.Flags & WFLG_RMBTRAP) != 0) {
        in.gesture = Gesture::RightButton;
        in.window = w;
        SendIDCMP(w, IDCMP_MOUSEBUTTONS, MENUDOWN, nullptr);
        return;
    }
    if (w->window.MenuStrip != nullptr && StartMenuSession(w)) {
        in.gesture = Gesture::Menu;
        in.window = w;
    }
}

void RightUp()
{
    InputState &in = State().input;
    switch (in.gesture) {
    case Gesture::Menu:
        EndMenuSession(true);
        break;
    case Gesture::RightButton:
        if (WindowRecord *w = LiveWindow(in.window))
            SendIDCMP(w, IDCMP_MOUSEBUTTONS, MENUUP, nullptr);
        break;
    case Gesture::Gadget: {
        struct InputEvent ie = MouseEvent(MENUUP);
        ActiveGadgetInput(ie);
        return;
    }
    default:
        return;
    }
    in.gesture = Gesture::None;
    in.window = nullptr;
}

void MiddleButton(bool down)
{
    InputState &in = State().input;
    WindowRecord *w = State().active;
    if (in.gesture == Gesture::Gadget) {
        struct InputEvent ie = MouseEvent(down ? MIDDLEDOWN : MIDDLEUP);
        ActiveGadgetInput(ie);
        return;
    }
    if (w != nullptr && in.gesture == Gesture::None)
        SendIDCMP(w, IDCMP_MOUSEBUTTONS, down ? MIDDLEDOWN : MIDDLEUP, nullptr);
}

void Key(const HostInput &input, bool down)
{
    IntuitionState &st = State();
    InputState &in = st.input;
    in.keys = static_cast<UWORD>(input.qualifier & ~kButtonBits);
    if (in.gesture == Gesture::Menu) {
        if (down && input.rawKey == RAWKEY_ESC)
            EndMenuSession(false);
        return;
    }
    struct InputEvent ie{};
    ie.ie_Class = IECLASS_RAWKEY;
    ie.ie_Code = static_cast<UWORD>(input.rawKey | (down ? 0 : IECODE_UP_PREFIX));
    ie.ie_Qualifier = in.Qualifier();
    ie.ie_TimeStamp.tv_secs = in.seconds;
    ie.ie_TimeStamp.tv_micro = in.micros;
    in.keyEvent = &ie;
    in.keyCharacter = down ? input.character : 0;
    bool used = in.gesture == Gesture::Gadget && ActiveGadgetInput(ie);
    in.keyEvent = nullptr;
    in.keyCharacter = 0;
    if (used)
        return;
    WindowRecord *w = st.active;
    if (w == nullptr)
        return;
    if (!down) {
        if (input.rawKey != RAWKEY_NONE)
            SendIDCMP(w, IDCMP_RAWKEY, ie.ie_Code, nullptr);
        return;
    }
    // The Amiga keys (the host's Super keys) and the left Alt key call menu
    // shortcuts.
    const UWORD amiga = IEQUALIFIER_LCOMMAND | IEQUALIFIER_RCOMMAND | IEQUALIFIER_LALT;
    if ((input.qualifier & amiga) != 0) {
        ULONG c = CharacterOfRawKey(input.rawKey, 0);
        if (c == 0)
            c = input.character;
        if (c != 0 && MenuShortcut(w, c))
            return;
    }
    if (input.character != 0 && SendIDCMP(w, IDCMP_VANILLAKEY, static_cast<UWORD>(input.character), nullptr))
        return;
    if (input.rawKey != RAWKEY_NONE)
        SendIDCMP(w, IDCMP_RAWKEY, ie.ie_Code, nullptr);
}

void Wheel(LONG steps)
{
    WindowRecord *w = State().active;
    if (w == nullptr)
        return;
    UWORD code = steps < 0 ? NM_WHEEL_UP : NM_WHEEL_DOWN;
    for (LONG i = 0; i < std::abs(steps); i++)
        SendIDCMP(w, IDCMP_RAWKEY, code, nullptr);
}

// The host window's close button: the active window hears it as its close
// gadget. When no window listens for that, or when the button is pressed
// again while the first message is still unanswered, the program ends.
void CloseRequest()
{
    IntuitionState &st = State();
    if (gCloseRequest != nullptr && MessagePending(gCloseRequest)) {
        std::fprintf(stderr, "%s: ended from the display (the program did not answer its close request)\n",
                     program_invocation_short_name);
        std::fflush(nullptr);
        _exit(0);
    }
    WindowRecord *target = st.active;
    if (target == nullptr || (target->window.IDCMPFlags & IDCMP_CLOSEWINDOW) == 0) {
        target = nullptr;
        if (ScreenRecord *s = FrontScreen()) {
            for (WindowRecord *w : s->windows) {
                if ((w->window.IDCMPFlags & IDCMP_CLOSEWINDOW) != 0 && (w->window.Flags & WFLG_CLOSEGADGET) != 0) {
                    target = w;
                    break;
                }
            }
        }
    }
    if (target == nullptr || !SendIDCMP(target, IDCMP_CLOSEWINDOW, 0, nullptr)) {
        std::fflush(nullptr);
        _exit(0);
    }
    gCloseRequest = LastMessage();
}

void Ticks()
{
    IntuitionState &st = State();
    WindowRecord *w = st.active;
    if (w == nullptr || (w->window.IDCMPFlags & IDCMP_INTUITICKS) == 0)
        return;
    Clock::time_point now = Clock::now();
    if (now < gNextTick)
        return;
    gNextTick = now + std::chrono::milliseconds(100);
    st.input.handling = true;
    HostTime(st.input.seconds, st.input.micros);
    SendIDCMP(w, IDCMP_INTUITICKS, 0, nullptr);
    st.input.handling = false;
}

// How long the input task may sleep: forever, unless ticks are wanted or
// a flash has to end.
long SleepLimit()
{
    IntuitionState &st = State();
    long limit = -1;
    if (st.beeping) {
        if (!gBeepTimed) {
            gBeepTimed = true;
            gBeepEnd = Clock::now() + std::chrono::milliseconds(150);
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(gBeepEnd - Clock::now()).count();
        if (left <= 0) {
            st.beeping = false;
            gBeepTimed = false;
            if (ScreenRecord *s = FrontScreen())
                DamageScreen(s, ScreenBarBox(s));
        } else {
            limit = static_cast<long>(left);
        }
    }
    WindowRecord *w = st.active;
    if (w != nullptr && (w->window.IDCMPFlags & IDCMP_INTUITICKS) != 0)
        limit = limit < 0 ? 100 : std::min<long>(limit, 100);
    return limit;
}

void InputTaskMain(std::promise<void> *ready)
{
    IntuitionState &st = State();
    BYTE inputBit = AllocSignal(-1);
    BYTE composeBit = AllocSignal(-1);
    st.replyPort = CreateMsgPort();
    st.inputSignal = 1UL << inputBit;
    st.composeSignal = 1UL << composeBit;
    st.inputTask = CurrentTask();
    SetInputListener([] {
        IntuitionState &state = State();
        Signal(&state.inputTask->process.pr_Task, state.inputSignal);
    });
    SetKeyTranslator([](const struct InputEvent *event) -> ULONG {
        const InputState &in = State().input;
        if (event != nullptr && event == in.keyEvent)
            return in.keyCharacter;
        if (event == nullptr || (event->ie_Code & IECODE_UP_PREFIX) != 0)
            return 0;
        return CharacterOfRawKey(event->ie_Code, event->ie_Qualifier);
    });
    ready->set_value();
    const ULONG mask = st.inputSignal | st.composeSignal | (1UL << st.replyPort->mp_SigBit);
    for (;;) {
        long limit;
        {
            std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
            limit = SleepLimit();
        }
        if (limit < 0)
            Wait(mask);
        else
            WaitTimeout(mask, limit);
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        TakeReplies();
        HostInput input;
        while (TakeInput(input)) {
            gBusy.store(true);
            HandleHostInput(input);
            TakeReplies();
        }
        gBusy.store(false);
        Ticks();
        ComposeFront();
    }
}

}  // namespace

void SetPointerOnWindows(ScreenRecord *s)
{
    InputState &in = State().input;
    s->screen.MouseX = static_cast<WORD>(in.x);
    s->screen.MouseY = static_cast<WORD>(in.y);
    Base().MouseX = static_cast<WORD>(in.x);
    Base().MouseY = static_cast<WORD>(in.y);
    for (WindowRecord *w : s->windows) {
        struct Window &win = w->window;
        win.MouseX = static_cast<WORD>(in.x - win.LeftEdge);
        win.MouseY = static_cast<WORD>(in.y - win.TopEdge);
        win.GZZMouseX = static_cast<WORD>(win.MouseX - win.BorderLeft);
        win.GZZMouseY = static_cast<WORD>(win.MouseY - win.BorderTop);
    }
}

void HandleHostInput(const HostInput &input)
{
    InputState &in = State().input;
    in.handling = true;
    in.seconds = input.seconds;
    in.micros = input.micros;
    Base().Seconds = input.seconds;
    Base().Micros = input.micros;
    switch (input.kind) {
    case HostInputKind::PointerMove:
        MovePointer(input.x, input.y);
        break;
    case HostInputKind::ButtonDown:
    case HostInputKind::ButtonUp: {
        bool down = input.kind == HostInputKind::ButtonDown;
        UWORD bit = input.button == HostButtonLeft    ? IEQUALIFIER_LEFTBUTTON
                    : input.button == HostButtonRight ? IEQUALIFIER_RBUTTON
                                                      : IEQUALIFIER_MIDBUTTON;
        if (down && (in.buttons & bit) != 0)
            break;   // already held
        if (!down && (in.buttons & bit) == 0)
            break;   // a release without its press
        if (down)
            in.buttons |= bit;
        else
            in.buttons &= ~bit;
        if (input.button == HostButtonLeft)
            down ? LeftDown() : LeftUp();
        else if (input.button == HostButtonRight)
            down ? RightDown() : RightUp();
        else
            MiddleButton(down);
        break;
    }
    case HostInputKind::KeyDown:
    case HostInputKind::KeyUp:
        Key(input, input.kind == HostInputKind::KeyDown);
        break;
    case HostInputKind::Wheel:
        Wheel(input.y);
        break;
    case HostInputKind::CloseRequest:
        CloseRequest();
        break;
    }
    in.handling = false;
}

bool InputBusy()
{
    return gBusy.load() || QueuedInput() > 0;
}

void StartInputTask()
{
    std::promise<void> ready;
    HostTask *task = CreateHostTask(
        "input.device", [](HostTask *) {}, [&ready] { InputTaskMain(&ready); }, [](HostTask *) {});
    if (task == nullptr) {
        std::fprintf(stderr, "%s: intuition cannot start its input task\n", program_invocation_short_name);
        std::fflush(nullptr);
        _exit(1);
    }
    ready.get_future().wait();
    // The pointer starts in the middle of the screen.
    LONG width = 0;
    LONG height = 0;
    DefaultScreenSize(width, height);
    std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
    State().input.x = width / 2;
    State().input.y = height / 2;
}

}  // namespace hosted
