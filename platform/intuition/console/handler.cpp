// intuition/console/handler.cpp: the task that serves every console window, and the consoles it knows.
#include "handler.h"

#include "unit.h"

#include <hosted/task.h>
#include <intuition/gadgetclass.h>
#include <proto/exec.h>
#include <proto/intuition.h>
#include <proto/utility.h>

#include <algorithm>
#include <condition_variable>
#include <vector>

namespace hosted {

namespace {

// What the handler keeps. Never destroyed: its task may still run while
// the process ends.
struct HandlerState {
    struct MsgPort *port = nullptr;
    struct Task *task = nullptr;
    ULONG paintSignal = 0;
    bool starting = false;
    bool failed = false;
    std::vector<std::shared_ptr<ConsoleUnit>> consoles;
    std::weak_ptr<ConsoleUnit> processConsole;
};

HandlerState &Handler()
{
    static auto *state = new HandlerState;
    return *state;
}

std::mutex &StartLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::condition_variable &Started()
{
    static auto *started = new std::condition_variable;
    return *started;
}

constexpr ULONG kNoTop = 0xFFFFFFFF;

// A window's message, copied out so that it can be answered at once.
struct Received {
    ULONG cls = 0;
    UWORD code = 0;
    UWORD qualifier = 0;
    struct Window *window = nullptr;
    APTR address = nullptr;
    ULONG top = kNoTop;   // PGA_Top of an IDCMP_IDCMPUPDATE
};

std::shared_ptr<ConsoleUnit> ConsoleOf(struct Window *window)
{
    for (const std::shared_ptr<ConsoleUnit> &unit : Handler().consoles) {
        if (window != nullptr && unit->Window() == window)
            return unit;
    }
    return nullptr;
}

void Dispatch(const Received &m)
{
    // Windows close only under the console lock, and closing one takes its
    // queued messages away: a message taken under the lock belongs to a
    // window that is still open.
    std::shared_ptr<ConsoleUnit> unit = ConsoleOf(m.window);
    if (!unit)
        return;
    switch (m.cls) {
    case IDCMP_CLOSEWINDOW:
        unit->CloseGadget();
        break;
    case IDCMP_VANILLAKEY:
        unit->Key(m.code, m.qualifier);
        break;
    case IDCMP_RAWKEY:
        unit->RawKey(m.code, m.qualifier);
        break;
    case IDCMP_NEWSIZE:
        unit->Repaint(true);
        break;
    case IDCMP_ACTIVEWINDOW:
    case IDCMP_INACTIVEWINDOW:
        unit->Repaint(false);
        break;
    case IDCMP_IDCMPUPDATE:
        if (m.top != kNoTop)
            unit->ScrollerMoved(m.top);
        break;
    case IDCMP_GADGETDOWN:
        unit->ScrollerHeld(true);
        break;
    case IDCMP_GADGETUP:
        unit->ScrollerHeld(false);
        break;
    default:
        break;
    }
    if (unit->Window() == nullptr)
        RemoveConsole(unit.get());   // closed by the person: nothing more comes from it
}

void Serve()
{
    struct MsgPort *port = CreateMsgPort();
    BYTE paintBit = AllocSignal(-1);
    {
        std::lock_guard<std::mutex> guard(StartLock());
        bool ready = port != nullptr && paintBit >= 0;
        Handler().port = ready ? port : nullptr;
        Handler().task = FindTask(nullptr);
        Handler().paintSignal = ready ? 1UL << paintBit : 0;
        Handler().failed = !ready;
        Handler().starting = false;
    }
    Started().notify_all();
    if (Handler().failed)
        return;
    const ULONG portSignal = 1UL << port->mp_SigBit;
    const ULONG paintSignal = 1UL << paintBit;
    for (;;) {
        ULONG received = Wait(portSignal | paintSignal);
        std::lock_guard<std::mutex> guard(ConsoleLock());
        if ((received & paintSignal) != 0) {
            for (const std::shared_ptr<ConsoleUnit> &unit : Handler().consoles)
                unit->PaintIfChanged();
        }
        while (auto *im = reinterpret_cast<struct IntuiMessage *>(GetMsg(port))) {
            Received m;
            m.cls = im->Class;
            m.code = im->Code;
            m.qualifier = im->Qualifier;
            m.window = im->IDCMPWindow;
            m.address = im->IAddress;
            if (m.cls == IDCMP_IDCMPUPDATE && im->IAddress != nullptr)
                m.top = GetTagData(PGA_Top, kNoTop, static_cast<const struct TagItem *>(im->IAddress));
            ReplyMsg(&im->ExecMessage);
            Dispatch(m);
        }
    }
}

}  // namespace

std::mutex &ConsoleLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

struct MsgPort *ConsoleHandlerPort()
{
    std::unique_lock<std::mutex> lock(StartLock());
    HandlerState &h = Handler();
    if (h.port != nullptr || h.failed)
        return h.port;
    if (!h.starting) {
        h.starting = true;
        HostTask *task = CreateHostTask("console.handler", nullptr, Serve, nullptr);
        if (task == nullptr) {
            h.starting = false;
            h.failed = true;
            return nullptr;
        }
    }
    // The handler makes its port first thing; it takes no console lock
    // before that, so waiting here with it held is safe.
    Started().wait(lock, [&h] { return !h.starting; });
    return h.port;
}

void RequestConsolePaint()
{
    HandlerState &h = Handler();
    if (h.task != nullptr && h.paintSignal != 0)
        Signal(h.task, h.paintSignal);
}

void AddConsole(const std::shared_ptr<ConsoleUnit> &unit)
{
    Handler().consoles.push_back(unit);
}

void RemoveConsole(const ConsoleUnit *unit)
{
    auto &consoles = Handler().consoles;
    consoles.erase(std::remove_if(consoles.begin(), consoles.end(),
                                  [unit](const std::shared_ptr<ConsoleUnit> &u) { return u.get() == unit; }),
                   consoles.end());
}

std::shared_ptr<ConsoleUnit> ProcessConsole()
{
    std::shared_ptr<ConsoleUnit> unit = Handler().processConsole.lock();
    if (unit && !unit->Usable())
        unit.reset();
    return unit;
}

void SetProcessConsole(const std::shared_ptr<ConsoleUnit> &unit)
{
    Handler().processConsole = unit;
}

}  // namespace hosted
