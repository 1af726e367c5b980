// The lister's mouse loops, with the lister running in this process: a release that comes before the lister has
// looked at the pointer's (or the knob's) last move still takes that move into account.
#include <core/core.h>
#include <core/scroll_gadgets.h>

#include <hosted/dos.h>
#include <hosted/intuition.h>
#include <proto/intuition.h>

#include "support/headless.h"
#include "support/host_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Environment {
    Environment() { kvtest::UseHeadlessDisplay(); }
};
Environment gEnvironment;

const ProgramVariant TestVariant = {
    "Kestrovane", "Kestrovane 0.9u (1aug10)", "To little memory for Kestrovane to start\n",
    "CON:64/64/475/128/Kestrovane error message/AUTO/CLOSE/WAIT", "PROGDIR:Kestrovane.cfg",
    "PROGDIR:KestrovaneUsermenus.cfg", "Kestrovane.guide", ListerRole::First,
};

constexpr LONG FontHeight = 12;    // the test font's
constexpr LONG StatusHeight = 15;  // the status line with the test font

// Waits (at most five seconds) until the frame's pixel differs from `before`.
bool PixelChanges(LONG x, LONG y, ULONG before)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (hosted::FramePixel(x, y) == before) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(Paint, AReleaseRightAfterAJumpPaintsUpToWhereTheButtonWentUp)
{
    kvtest::TempDir work("kv-paint");
    for (char c = 'a'; c <= 'j'; c++)
        kvtest::WriteHostFile(work.Path() + "/file_" + c, "x");
    std::string drawer;
    ASSERT_TRUE(hosted::VolumePathOf(work.Path(), drawer));
    std::string arguments = "\"" + drawer + "\"\n";
    LONG result = -1;
    std::thread lister([&] { result = Startup(TestVariant, arguments.c_str(), ULONG(arguments.size())); });

    struct Window *window = kvtest::WaitForWindow(drawer);
    ASSERT_NE(window, nullptr);
    kvtest::Settle();
    const LONG x = window->LeftEdge + window->BorderLeft + 20;
    const LONG probeX = window->LeftEdge + window->Width - window->BorderRight - 4;
    auto rowY = [&](LONG row) {
        return window->TopEdge + window->BorderTop + StatusHeight + row * FontHeight + FontHeight / 2;
    };
    ULONG before[10];
    for (LONG row = 0; row < 10; row++)
        before[row] = hosted::FramePixel(probeX, rowY(row));

    kvtest::PostHostInput(hosted::HostInputKind::PointerMove, x, rowY(1));
    kvtest::PostHostInput(hosted::HostInputKind::ButtonDown);
    ASSERT_TRUE(PixelChanges(probeX, rowY(1), before[1]));
    // The pointer jumps four lines down and the button goes up at once.
    kvtest::PostHostInput(hosted::HostInputKind::PointerMove, x, rowY(5));
    kvtest::PostHostInput(hosted::HostInputKind::ButtonUp);
    kvtest::Settle();
    for (LONG row = 0; row < 10; row++) {
        bool selected = row >= 1 && row <= 5;
        EXPECT_EQ(hosted::FramePixel(probeX, rowY(row)) != before[row], selected) << "row " << row;
    }

    LONG closeX = 0, closeY = 0;
    ASSERT_TRUE(kvtest::CloseGadgetCentre(window, closeX, closeY));
    kvtest::SettledClick(closeX, closeY);
    lister.join();
    EXPECT_EQ(result, 0);
}

// A column of the list area read down its rows: what the view shows.
std::vector<ULONG> ListColumn(struct Window *window, LONG x)
{
    std::vector<ULONG> column;
    LONG top = window->TopEdge + window->BorderTop + StatusHeight;
    LONG bottom = window->TopEdge + window->Height - window->BorderBottom;
    for (LONG y = top; y < bottom; y++)
        column.push_back(hosted::FramePixel(x, y));
    return column;
}

TEST(Knob, AReleaseRightAfterAMoveLeavesTheViewWhereTheKnobIs)
{
    kvtest::TempDir work("kv-knob");
    for (int i = 0; i < 200; i++)
        kvtest::WriteHostFile(work.Path() + "/file_" + std::to_string(1000 + i * 7), std::string(size_t(i % 13), 'x'));
    std::string drawer;
    ASSERT_TRUE(hosted::VolumePathOf(work.Path(), drawer));
    std::string arguments = "\"" + drawer + "\"\n";
    LONG result = -1;
    std::thread lister([&] { result = Startup(TestVariant, arguments.c_str(), ULONG(arguments.size())); });
    struct Window *window = kvtest::WaitForWindow(drawer);
    ASSERT_NE(window, nullptr);
    kvtest::Settle();

    struct Gadget *scroller = kvtest::GadgetWithId(window, GadgetVerticalScroller);
    ASSERT_NE(scroller, nullptr);
    LONG left = scroller->LeftEdge + ((scroller->Flags & GFLG_RELRIGHT) ? window->Width - 1 : 0);
    LONG top = scroller->TopEdge + ((scroller->Flags & GFLG_RELBOTTOM) ? window->Height - 1 : 0);
    LONG height = scroller->Height + ((scroller->Flags & GFLG_RELHEIGHT) ? window->Height : 0);
    const LONG x = window->LeftEdge + left + scroller->Width / 2;
    const LONG knobY = window->TopEdge + top + 4, endY = window->TopEdge + top + height - 2;
    const LONG probeX = window->LeftEdge + window->BorderLeft + 10;
    std::vector<ULONG> atTop = ListColumn(window, probeX);

    // The knob taken to the bottom and let go at once.
    kvtest::PostHostInput(hosted::HostInputKind::PointerMove, x, knobY);
    kvtest::PostHostInput(hosted::HostInputKind::ButtonDown);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kvtest::PostHostInput(hosted::HostInputKind::PointerMove, x, endY + 40);
    kvtest::PostHostInput(hosted::HostInputKind::ButtonUp);
    kvtest::Settle();
    std::vector<ULONG> fast = ListColumn(window, probeX);
    EXPECT_NE(fast, atTop);

    // Taken there again slowly: the view does not change any more.
    auto *info = static_cast<struct PropInfo *>(scroller->SpecialInfo);
    ASSERT_NE(info, nullptr);
    UWORD pot = info->VertPot;
    kvtest::PostHostInput(hosted::HostInputKind::PointerMove, x, endY - 4);
    kvtest::PostHostInput(hosted::HostInputKind::ButtonDown);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    kvtest::PostHostInput(hosted::HostInputKind::PointerMove, x, endY + 40);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    kvtest::PostHostInput(hosted::HostInputKind::ButtonUp);
    kvtest::Settle();
    EXPECT_EQ(info->VertPot, pot);
    EXPECT_EQ(ListColumn(window, probeX), fast);

    LONG closeX = 0, closeY = 0;
    ASSERT_TRUE(kvtest::CloseGadgetCentre(window, closeX, closeY));
    kvtest::SettledClick(closeX, closeY);
    lister.join();
    EXPECT_EQ(result, 0);
}

}  // namespace
