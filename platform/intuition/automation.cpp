// intuition/automation.cpp: running an automation script (KESTROVANE_SCRIPT) on a task of its own, command by command.
#include "state.h"

#include <hosted/boopsi.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace hosted {

namespace {

using Clock = std::chrono::steady_clock;

constexpr long kIdleLimit = 10000;   // how long a command waits for the system to be idle
constexpr long kSettle = 50;         // between the events of one command

// The script's own state: where it is and what it holds down.
struct Runner {
    std::vector<ScriptCommand> commands;
    int line = 0;
    bool leftHeld = false;
    bool rightHeld = false;
};

std::mutex gDoneLock;
std::condition_variable gDoneSignal;
bool gDone = false;
int gStatus = 0;

// A failure ends the process at once with status 2.
[[noreturn]] void Fail(const Runner &runner, const std::string &reason)
{
    std::fprintf(stderr, "script:%d: %s\n", runner.line, reason.c_str());
    std::fflush(nullptr);
    _exit(2);
}

// Script files are UTF-8; the system's texts are Latin-1.
std::string Latin1(const std::string &utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); i++) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size() && (utf8[i + 1] & 0xC0) == 0x80) {
            unsigned code = ((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
            if (code <= 0xFF) {
                out += static_cast<char>(code);
                i++;
                continue;
            }
        }
        out += static_cast<char>(c);
    }
    return out;
}

std::string Quote(const std::string &text)
{
    return "\"" + text + "\"";
}

// Waits until the system is idle before a command acts. While the script
// holds a button the program may be polling in a loop (a drag), so it waits
// only a little then.
void Ready(const Runner &runner)
{
    if (runner.leftHeld || runner.rightHeld) {
        WaitIdle(300);
        return;
    }
    if (!WaitIdle(kIdleLimit))
        Fail(runner, "the system is not idle after " + std::to_string(kIdleLimit) + " ms");
}

void Settle()
{
    WaitIdle(kSettle);
}

void Post(HostInputKind kind, LONG x = 0, LONG y = 0, UBYTE button = HostButtonLeft)
{
    HostInput input;
    input.kind = kind;
    input.x = x;
    input.y = y;
    input.button = button;
    PostInput(input);
}

void MoveTo(LONG x, LONG y)
{
    Post(HostInputKind::PointerMove, x, y);
}

void Button(Runner &runner, bool down, bool right)
{
    Post(down ? HostInputKind::ButtonDown : HostInputKind::ButtonUp, 0, 0, right ? HostButtonRight : HostButtonLeft);
    (right ? runner.rightHeld : runner.leftHeld) = down;
}

void Click(Runner &runner, LONG x, LONG y, bool right)
{
    MoveTo(x, y);
    Settle();
    Button(runner, true, right);
    Settle();
    Button(runner, false, right);
}

LONG Number(const std::string &word)
{
    return static_cast<LONG>(std::strtol(word.c_str(), nullptr, 10));
}

// A point of a window in screen coordinates, checked to be the window's
// (not covered by another one). Brings the window's screen to the front
// first, as a person would.
struct Point {
    LONG x;
    LONG y;
};

Point VisiblePoint(const Runner &runner, WindowRecord *w, const Box &box, const std::string &what)
{
    if (box.Empty())
        Fail(runner, what + " has no size");
    if (w->screen != FrontScreen())
        BringScreenToFront(w->screen);
    Point p{w->window.LeftEdge + (box.x0 + box.x1) / 2, w->window.TopEdge + (box.y0 + box.y1) / 2};
    WindowRecord *top = WindowAt(w->screen, p.x, p.y);
    if (top != w) {
        std::string by = top != nullptr && top->window.Title != nullptr
                             ? " by window " + Quote(reinterpret_cast<const char *>(top->window.Title))
                             : "";
        Fail(runner, what + " is covered" + by);
    }
    return p;
}

WindowRecord *WindowNamed(const Runner &runner, const std::string &title)
{
    WindowRecord *w = FindWindowByTitle(title);
    if (w == nullptr)
        Fail(runner, "no window " + Quote(title));
    return w;
}

void MenuCommand(Runner &runner, const ScriptCommand &c)
{
    std::string menuName = Latin1(c.args[0]);
    std::string itemName = Latin1(c.args[1]);
    std::string subName = c.args.size() > 2 ? Latin1(c.args[2]) : std::string();
    Point title{}, item{}, sub{};
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        WindowRecord *w = State().active;
        if (w == nullptr)
            Fail(runner, "no window is active");
        if ((w->window.Flags & WFLG_RMBTRAP) != 0)
            Fail(runner, "the active window takes the menu button itself");
        if (w->window.MenuStrip == nullptr)
            Fail(runner, "the active window has no menus");
        if (w->screen != FrontScreen())
            BringScreenToFront(w->screen);
        if (!w->layoutDone)
            LayoutWindowMenus(w);
        MenuMetrics m = MenuMetricsOf(w->screen);
        struct Menu *menu = w->window.MenuStrip;
        while (menu != nullptr && (menu->MenuName == nullptr || menuName != reinterpret_cast<const char *>(menu->MenuName)))
            menu = menu->NextMenu;
        if (menu == nullptr)
            Fail(runner, "no menu " + Quote(c.args[0]));
        if ((menu->Flags & MENUENABLED) == 0)
            Fail(runner, "menu " + Quote(c.args[0]) + " is disabled");
        struct MenuItem *i = menu->FirstItem;
        while (i != nullptr && (ItemText(i) == nullptr || itemName != ItemText(i)))
            i = i->NextItem;
        if (i == nullptr)
            Fail(runner, "no item " + Quote(c.args[1]) + " in menu " + Quote(c.args[0]));
        if ((i->Flags & ITEMENABLED) == 0)
            Fail(runner, "item " + Quote(c.args[1]) + " is disabled");
        struct MenuItem *s = nullptr;
        if (!subName.empty()) {
            s = i->SubItem;
            while (s != nullptr && (ItemText(s) == nullptr || subName != ItemText(s)))
                s = s->NextItem;
            if (s == nullptr)
                Fail(runner, "no sub-item " + Quote(c.args[2]) + " in item " + Quote(c.args[1]));
            if ((s->Flags & ITEMENABLED) == 0)
                Fail(runner, "sub-item " + Quote(c.args[2]) + " is disabled");
        } else if (i->SubItem != nullptr) {
            Fail(runner, "item " + Quote(c.args[1]) + " has sub-items: name one");
        }
        Box t = MenuTitleBox(menu, m);
        Box b = ItemBox(menu, i, m);
        title = Point{(t.x0 + t.x1) / 2, (t.y0 + t.y1) / 2};
        item = Point{(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2};
        if (s != nullptr) {
            Box sb = SubItemBox(menu, i, s, m);
            sub = Point{(sb.x0 + sb.x1) / 2, (sb.y0 + sb.y1) / 2};
        }
    }
    MoveTo(title.x, title.y);
    Settle();
    Button(runner, true, true);
    Settle();
    MoveTo(item.x, item.y);
    Settle();
    if (!subName.empty()) {
        MoveTo(sub.x, sub.y);
        Settle();
    }
    Button(runner, false, true);
}

void GadgetCommand(Runner &runner, const ScriptCommand &c)
{
    std::string title = Latin1(c.args[0]);
    std::string label = Latin1(c.args[1]);
    Point p{};
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        WindowRecord *w = WindowNamed(runner, title);
        bool byId = label.size() > 1 && label[0] == '#';
        long id = byId ? std::strtol(label.c_str() + 1, nullptr, 10) : -1;
        struct Gadget *found = nullptr;
        for (struct Gadget *g = w->window.FirstGadget; g != nullptr && found == nullptr; g = g->NextGadget) {
            if ((g->GadgetType & GTYP_SYSGADGET) != 0)
                continue;
            if (byId ? g->GadgetID == id : GadgetLabel(g) == label)
                found = g;
        }
        if (found == nullptr)
            Fail(runner, "no gadget " + Quote(c.args[1]) + " in window " + Quote(c.args[0]));
        if ((found->Flags & GFLG_DISABLED) != 0)
            Fail(runner, "gadget " + Quote(c.args[1]) + " is disabled");
        p = VisiblePoint(runner, w, GadgetBoxOf(w, found), "gadget " + Quote(c.args[1]));
    }
    Click(runner, p.x, p.y, false);
}

void FramePartCommand(Runner &runner, const ScriptCommand &c, bool close)
{
    std::string title = Latin1(c.args[0]);
    Point p{};
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        WindowRecord *w = WindowNamed(runner, title);
        Box box = close ? w->parts.close : w->parts.drag;
        if (!close && box.Empty())
            box = Box{0, 0, w->window.Width, std::max<LONG>(1, w->window.BorderTop)};
        if (close && box.Empty())
            Fail(runner, "window " + Quote(c.args[0]) + " has no close gadget");
        p = VisiblePoint(runner, w, box, std::string(close ? "the close gadget" : "the title bar") + " of window " +
                                             Quote(c.args[0]));
    }
    Click(runner, p.x, p.y, false);
}

void TypeCommand(Runner &runner, const ScriptCommand &c)
{
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        const InputState &in = State().input;
        bool field = in.gesture == Gesture::Gadget && in.gadget != nullptr && TakesKeys(in.gadget);
        // A window that reads the keyboard itself (a console) takes typing too.
        const WindowRecord *active = State().active;
        bool window = active != nullptr && (active->window.IDCMPFlags & IDCMP_VANILLAKEY) != 0;
        if (!field && !window)
            Fail(runner, "no string gadget is active and the active window takes no typing");
    }
    for (char ch : Latin1(c.args[0]))
        PostCharacter(static_cast<UBYTE>(ch));
}

void WindowExpectation(Runner &runner, const ScriptCommand &c, bool present)
{
    std::string title = Latin1(c.args[0]);
    long limit = c.args.size() > 1 ? Number(c.args[1]) : kIdleLimit;
    auto deadline = Clock::now() + std::chrono::milliseconds(limit);
    for (;;) {
        {
            std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
            if ((FindWindowByTitle(title) != nullptr) == present)
                return;
        }
        if (Clock::now() >= deadline)
            break;
        WaitIdle(20);
    }
    Fail(runner, present ? "no window " + Quote(c.args[0]) + " appeared within " + std::to_string(limit) + " ms"
                         : "window " + Quote(c.args[0]) + " is still open after " + std::to_string(limit) + " ms");
}

void Screenshot(Runner &runner, const std::string &path)
{
    std::vector<ULONG> pixels;
    LONG width = 0;
    LONG height = 0;
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        ComposeFront();
        ScreenRecord *s = FrontScreen();
        if (s == nullptr)
            Fail(runner, "no screen to take a picture of");
        pixels = s->frame;
        width = s->screen.Width;
        height = s->screen.Height;
    }
    std::string error;
    if (!WritePng(path, reinterpret_cast<const UBYTE *>(pixels.data()), width, height, width * 4, error))
        Fail(runner, "screenshot: " + error);
}

void Dump(Runner &runner, const std::string &path)
{
    std::string json;
    {
        std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
        json = DumpJson();
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << json;
    file.flush();
    if (!file)
        Fail(runner, "dump: cannot write " + path);
}

void Run(Runner &runner, const ScriptCommand &c)
{
    runner.line = c.line;
    const std::string &name = c.name;
    if (name == "sleep") {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::max<LONG>(0, Number(c.args[0]))));
        return;
    }
    if (name == "wait-idle") {
        long limit = c.args.empty() ? kIdleLimit : Number(c.args[0]);
        if (!WaitIdle(limit))
            Fail(runner, "the system is not idle after " + std::to_string(limit) + " ms");
        return;
    }
    if (name == "expect-window" || name == "expect-no-window") {
        WindowExpectation(runner, c, name == "expect-window");
        return;
    }
    Ready(runner);
    if (name == "move") {
        MoveTo(Number(c.args[0]), Number(c.args[1]));
    } else if (name == "press" || name == "release") {
        Button(runner, name == "press", !c.args.empty() && c.args[0] == "right");
    } else if (name == "click") {
        Click(runner, Number(c.args[0]), Number(c.args[1]), c.args.size() > 2 && c.args[2] == "right");
    } else if (name == "double-click") {
        LONG x = Number(c.args[0]);
        LONG y = Number(c.args[1]);
        Click(runner, x, y, false);
        Settle();
        Button(runner, true, false);
        Settle();
        Button(runner, false, false);
    } else if (name == "drag") {
        LONG x1 = Number(c.args[0]), y1 = Number(c.args[1]);
        LONG x2 = Number(c.args[2]), y2 = Number(c.args[3]);
        LONG steps = c.args.size() > 4 ? Number(c.args[4]) : 10;
        MoveTo(x1, y1);
        Settle();
        Button(runner, true, false);
        Settle();
        for (LONG i = 1; i <= steps; i++) {
            MoveTo(x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps);
            Settle();
        }
        Button(runner, false, false);
    } else if (name == "menu") {
        MenuCommand(runner, c);
    } else if (name == "gadget") {
        GadgetCommand(runner, c);
    } else if (name == "close" || name == "activate") {
        FramePartCommand(runner, c, name == "close");
    } else if (name == "type") {
        TypeCommand(runner, c);
    } else if (name == "key") {
        UWORD raw = 0;
        ULONG character = 0;
        RawKeyOfName(c.args[0], raw, character);
        PostKeyStroke(raw, 0, character);
    } else if (name == "screenshot") {
        Screenshot(runner, c.args[0]);
    } else if (name == "dump") {
        Dump(runner, c.args[0]);
    }
}

void Finish(int status)
{
    std::lock_guard<std::mutex> guard(gDoneLock);
    gDone = true;
    gStatus = status;
    gDoneSignal.notify_all();
}

// When the program ends before its script, the script still runs to its
// end against what is left on the display; the process then ends with
// the script's status.
void WaitForScript()
{
    BeginHostWait();
    std::unique_lock<std::mutex> lock(gDoneLock);
    gDoneSignal.wait(lock, [] { return gDone; });
    int status = gStatus;
    lock.unlock();
    std::fflush(nullptr);
    _exit(status);
}

}  // namespace

void StartAutomation()
{
    const char *path = std::getenv("KESTROVANE_SCRIPT");
    if (path == nullptr || *path == 0)
        return;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "script:0: cannot read the script %s\n", path);
        std::fflush(nullptr);
        _exit(2);
    }
    std::stringstream text;
    text << file.rdbuf();
    auto *runner = new Runner;
    int errorLine = 0;
    std::string error;
    if (!ParseScript(text.str(), runner->commands, errorLine, error)) {
        std::fprintf(stderr, "script:%d: %s\n", errorLine, error.c_str());
        std::fflush(nullptr);
        _exit(2);
    }
    std::atexit(WaitForScript);
    HostTask *task = CreateHostTask(
        "automation", [](HostTask *t) { t->idleExempt = true; },
        [runner] {
            for (const ScriptCommand &c : runner->commands)
                Run(*runner, c);
            // A button the script left held is let go.
            if (runner->leftHeld)
                Button(*runner, false, false);
            if (runner->rightHeld)
                Button(*runner, false, true);
            WaitIdle(kIdleLimit);
            Finish(0);
            std::fflush(nullptr);
            _exit(0);
        },
        [](HostTask *) {});
    if (task == nullptr) {
        std::fprintf(stderr, "script:0: cannot start the script's task\n");
        std::fflush(nullptr);
        _exit(2);
    }
}

}  // namespace hosted
