// Painting a selection with the mouse, with the lister running in this process: a release that comes before the
// lister has looked at the pointer's last move still paints up to where the button went up.
#include <core/core.h>

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

}  // namespace
