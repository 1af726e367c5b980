// intuition/library.cpp: intuition's library base, its lock and state, and starting it on first use.
#include "state.h"

#include <hosted/boopsi.h>
#include <proto/exec.h>

#include <cstdlib>
#include <mutex>

namespace hosted {

namespace {

struct IntuitionBase gBase{};

const bool gRegistered = RegisterLibraryBase(&gBase.LibNode, INTUITIONNAME, 50, "intuition 50.1 (hosted)");

// The preferences this host starts with. The double-click interval is half
// a second, what desktops commonly use.
void DefaultPreferences(struct Preferences &p)
{
    p = {};
    p.FontHeight = TOPAZ_EIGHTY;
    p.BaudRate = BAUD_9600;
    p.KeyRptSpeed.tv_secs = 0;
    p.KeyRptSpeed.tv_micro = 40000;
    p.KeyRptDelay.tv_secs = 0;
    p.KeyRptDelay.tv_micro = 500000;
    p.DoubleClick.tv_secs = 0;
    p.DoubleClick.tv_micro = 500000;
    p.PointerTicks = 1;
    p.EnableCLI = TRUE;
    p.PaperSize = 0;
    p.PaperLength = 66;
    p.PrintPitch = 0;
    p.PrintSpacing = 0;
    p.PrintLeftMargin = 5;
    p.PrintRightMargin = 75;
    p.wb_Depth = 32;
}

}  // namespace

std::recursive_mutex &IntuitionLock()
{
    // Never destroyed: tasks may still draw while the process exits.
    static auto *lock = new std::recursive_mutex;
    return *lock;
}

IntuitionState &State()
{
    static auto *state = new IntuitionState;
    return *state;
}

struct IntuitionBase &Base()
{
    return gBase;
}

DisplayBackend &Backend()
{
    return Display();
}

void StartIntuition()
{
    static std::once_flag once;
    std::call_once(once, [] {
        (void)gRegistered;
        Display();
        DefaultPreferences(State().prefs);
        InstallLayerHooks();
        InstallWindowServices();
        StartInputTask();
        {
            std::lock_guard<std::recursive_mutex> guard(IntuitionLock());
            OpenDefaultScreen();
        }
        StartAutomation();
    });
}

}  // namespace hosted
