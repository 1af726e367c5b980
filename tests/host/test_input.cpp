// Host input: the queue keeps order across threads and calls its listener; the headless backend; the screen size.
#include <hosted/display.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

namespace {

std::atomic<int> gCalls{0};

TEST(HostInput, EventsKeepTheirOrderPerThreadAndGetATime)
{
    hosted::HostInput drop;
    while (hosted::TakeInput(drop)) {
    }
    gCalls = 0;
    hosted::SetInputListener([] { gCalls++; });
    auto poster = [](LONG id) {
        for (LONG i = 0; i < 500; i++) {
            hosted::HostInput input;
            input.kind = hosted::HostInputKind::PointerMove;
            input.x = id;
            input.y = i;
            hosted::PostInput(input);
        }
    };
    std::thread a(poster, 1), b(poster, 2);
    a.join();
    b.join();
    EXPECT_EQ(gCalls.load(), 1000);
    EXPECT_EQ(hosted::QueuedInput(), 1000u);
    LONG next[3] = {0, 0, 0};
    hosted::HostInput input;
    ULONG lastSeconds = 0;
    while (hosted::TakeInput(input)) {
        ASSERT_EQ(input.y, next[input.x]);
        next[input.x]++;
        EXPECT_GE(input.seconds, lastSeconds);
        lastSeconds = input.seconds;
    }
    EXPECT_EQ(next[1], 500);
    EXPECT_EQ(next[2], 500);
    EXPECT_GT(lastSeconds, 40u * 365 * 24 * 3600);   // since 1978
    hosted::SetInputListener(nullptr);
}

TEST(HostInput, TheHeadlessBackendShowsNothingAndNeedsNothing)
{
    auto display = hosted::OpenHeadlessDisplay();
    ASSERT_NE(display, nullptr);
    EXPECT_STREQ(display->Name(), "headless");
    std::vector<ULONG> frame(64 * 32, 0);
    display->Show(reinterpret_cast<const UBYTE *>(frame.data()), 64, 32, 64 * 4);
    hosted::DisplayRect rect{0, 0, 64, 32};
    display->Present(&rect, 1);
    display->Beep();
}

TEST(HostInput, TheScreenSizeComesFromTheEnvironment)
{
    LONG w = 0, h = 0;
    unsetenv("KESTROVANE_SCREEN");
    hosted::DefaultScreenSize(w, h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 800);
    setenv("KESTROVANE_SCREEN", "1920x1080", 1);
    hosted::DefaultScreenSize(w, h);
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
    for (const char *bad : {"1920", "axb", "10x10", "100000x100", "800x600x", "800x600 "}) {
        setenv("KESTROVANE_SCREEN", bad, 1);
        hosted::DefaultScreenSize(w, h);
        EXPECT_EQ(w, 1280) << bad;
        EXPECT_EQ(h, 800) << bad;
    }
    unsetenv("KESTROVANE_SCREEN");
}

}  // namespace
