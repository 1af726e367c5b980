// WaitTOF: a wait that ends at the next frame of the display.
#include <proto/graphics.h>

#include <gtest/gtest.h>

#include <chrono>

namespace {

long long FrameNow()
{
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() / (1000000000LL / 60);
}

TEST(Beam, WaitTOFEndsInTheNextFrame)
{
    // Every wait crosses into a later frame; a few in a row never wait
    // for nothing or stop at the frame they began in.
    for (int i = 0; i < 5; i++) {
        long long before = FrameNow();
        WaitTOF();
        EXPECT_GT(FrameNow(), before);
    }
}

}  // namespace
