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

// A lister started on a thread of the test on a drawer of its own files,
// its window found; Close() quits it with the close gadget.
class RunningLister {
public:
    RunningLister(const char *prefix, const std::vector<std::string> &files) : work_(prefix)
    {
        for (const std::string &name : files)
            kvtest::WriteHostFile(work_.Path() + "/" + name, std::string(name.size() % 13, 'x'));
        if (!hosted::VolumePathOf(work_.Path(), drawer_))
            return;
        arguments_ = "\"" + drawer_ + "\"\n";
        thread_ = std::thread([this] { result_ = Startup(TestVariant, arguments_.c_str(), ULONG(arguments_.size())); });
        window_ = kvtest::WaitForWindow(drawer_);
        kvtest::Settle();
    }
    ~RunningLister()
    {
        if (thread_.joinable())
            thread_.detach();   // a failed test leaves it running; the process ends anyway
    }

    struct Window *Window() const { return window_; }

    // Quits with the close gadget; the lister's result.
    LONG Close()
    {
        LONG x = 0, y = 0;
        if (window_ == nullptr || !kvtest::CloseGadgetCentre(window_, x, y))
            return -1;
        kvtest::SettledClick(x, y);
        thread_.join();
        return result_;
    }

private:
    kvtest::TempDir work_;
    std::string drawer_, arguments_;
    std::thread thread_;
    struct Window *window_ = nullptr;
    LONG result_ = -1;
};

TEST(Paint, AReleaseRightAfterAJumpPaintsUpToWhereTheButtonWentUp)
{
    std::vector<std::string> files;
    for (char c = 'a'; c <= 'j'; c++)
        files.push_back(std::string("file_") + c);
    RunningLister lister("kv-paint", files);
    struct Window *window = lister.Window();
    ASSERT_NE(window, nullptr);
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

    EXPECT_EQ(lister.Close(), 0);
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
    std::vector<std::string> files;
    for (int i = 0; i < 200; i++)
        files.push_back("file_" + std::to_string(1000 + i * 7));
    RunningLister lister("kv-knob", files);
    struct Window *window = lister.Window();
    ASSERT_NE(window, nullptr);

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

    EXPECT_EQ(lister.Close(), 0);
}

}  // namespace
