// DoubleKestrovane: a PartnerMessage's round trip: lister 1 tells lister 2 its drawer changed, lister 2 reads its 100 entries again and answers.
#include <core/core.h>
#include <core/menu_strip.h>
#include <core/partner.h>
#include <core/partner_launcher.h>

#include <dos/dostags.h>
#include <hosted/dos.h>
#include <hosted/intuition.h>
#include <proto/dos.h>
#include <proto/exec.h>

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string gWork;

const ProgramVariant First = {
    "DoubleKestrovane", "DoubleKestrovane 0.9u (1aug10)", "To little memory for DoubleKestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", "PROGDIR:no-such.cfg",
    "PROGDIR:no-such-menus.cfg", "DoubleKestrovane.guide", ListerRole::First, ListerRendering::Buffer, PartnerName,
    TRUE, nullptr,
};
const ProgramVariant Second = {
    "DoubleKestrovane", "DoubleKestrovane 0.9u (1aug10)", "To little memory for DoubleKestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", "PROGDIR:no-such-B.cfg",
    "PROGDIR:no-such-menus-B.cfg", "DoubleKestrovane.guide", ListerRole::Second, ListerRendering::Buffer,
    PartnerName, TRUE, nullptr,
};

LONG LauncherEntry()
{
    static const char arguments[] = "RAM:\n";
    return StartPairedListers(First, Second, arguments, sizeof arguments - 1);
}

// Lister 2 starts in RAM:, which gets 100 files first; then both listers
// run as in the program, on the program's own screen.
bool StartBothListers()
{
    std::string ram;
    if (!hosted::ResolvePath("RAM:", ram))
        return false;
    for (int i = 0; i < 100; i++) {
        std::string name = "RAM:entry" + std::to_string(1000 + i);
        BPTR file = Open(name.c_str(), MODE_NEWFILE);
        if (file == 0)
            return false;
        (void)Write(file, name.c_str(), LONG(name.size()));
        if (!Close(file))
            return false;
    }
    struct TagItem tags[] = {{NP_Entry, reinterpret_cast<IPTR>(LauncherEntry)},
                             {NP_Name, reinterpret_cast<IPTR>("partner bench launcher")}, {TAG_DONE, 0}};
    if (CreateNewProc(tags) == nullptr)
        return false;
    for (int i = 0; i < 3000 && (PortInSlot(0) == nullptr || PortInSlot(1) == nullptr); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return PortInSlot(1) != nullptr && hosted::WaitIdle(10000);
}

// A menu pick delivered to lister 1 as intuition delivers it, and the time
// until both listers wait again. "Copy" with nothing selected copies nothing
// and then tells lister 2 to read its drawer again, waiting for its answer;
// MENUNULL does nothing at all and gives the floor of the measurement.
std::vector<double> PickToIdle(UWORD code, int count)
{
    std::vector<double> micros;
    struct MsgPort *reply = CreateMsgPort();
    if (reply == nullptr)
        return micros;
    for (int i = 0; i < count; i++) {
        struct IntuiMessage message = {};
        message.ExecMessage.mn_Node.ln_Type = NT_MESSAGE;
        message.ExecMessage.mn_ReplyPort = reply;
        message.ExecMessage.mn_Length = sizeof message;
        message.Class = IDCMP_MENUPICK;
        message.Code = code;
        auto start = std::chrono::steady_clock::now();
        PutMsg(PortInSlot(0), &message.ExecMessage);
        WaitPort(reply);
        GetMsg(reply);
        hosted::WaitIdle(5000);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    DeleteMsgPort(reply);
    return micros;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void BM_PartnerRoundTrip(benchmark::State &state)
{
    static bool started = false;
    if (!started) {
        setenv("KESTROVANE_DISPLAY", "headless", 0);
        setenv("KESTROVANE_FONT", "test", 0);
        setenv("KESTROVANE_SCREEN", "1024x768", 0);
        if (!StartBothListers()) {
            state.SkipWithError("the two listers did not start");
            return;
        }
        started = true;
    }
    const UWORD copy = UWORD(FULLMENUNUM(FileMenu, 1, NOSUB));   // "Copy" in lister 1's strip
    for (auto _ : state) {
        double floor = Median(PickToIdle(MENUNULL, 51));
        double trip = Median(PickToIdle(copy, 51));
        state.counters["pick_to_idle_us"] = trip;
        state.counters["floor_us"] = floor;
        state.counters["round_trip_us"] = trip - floor;
    }
}
BENCHMARK(BM_PartnerRoundTrip)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    gWork = kvbench::MakeWorkDirectory("kestrovane-bench-partner");
    if (!gWork.empty())
        setenv("KESTROVANE_HOME", (gWork + "/home").c_str(), 1);
    hosted::ReloadDosConfiguration();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
    kvbench::RemoveTree(gWork);
    std::_Exit(0);   // both listers are still waiting for input
}
