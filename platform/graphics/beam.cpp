// graphics/beam.cpp: WaitTOF: waiting for the next frame of the display.
#include <proto/graphics.h>

#include <chrono>
#include <thread>

namespace {

constexpr auto kFrame = std::chrono::nanoseconds(1000000000 / 60);

}  // namespace

/* Frames are counted from the clock's epoch, so every task that waits
   wakes at the same moment, as they would at a vertical blank. */
void WaitTOF(void)
{
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    auto next = (now / kFrame + 1) * kFrame;
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(next));
}
