// Screenshots: BGRA32 frames written as PNG files read back pixel for pixel; failures reported.
#include <hosted/display.h>

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(Png, AFrameRoundTripsExactly)
{
    const LONG w = 37, h = 23, stride = 40 * 4;   // rows with padding
    std::vector<UBYTE> frame(static_cast<std::size_t>(stride) * h, 0xEE);
    for (LONG y = 0; y < h; y++) {
        for (LONG x = 0; x < w; x++) {
            UBYTE *p = &frame[static_cast<std::size_t>(y) * stride + 4 * x];
            p[0] = static_cast<UBYTE>(x * 7);        // blue
            p[1] = static_cast<UBYTE>(y * 11);       // green
            p[2] = static_cast<UBYTE>(x * y);        // red
            p[3] = 0x12;                             // alpha: not kept
        }
    }
    kvtest::TempDir dir("kv_png_test");
    ASSERT_FALSE(dir.Path().empty());
    std::string path = dir.Path("frame.png");
    std::string error;
    ASSERT_TRUE(hosted::WritePng(path, frame.data(), w, h, stride, error)) << error;
    std::vector<ULONG> back;
    LONG rw = 0, rh = 0;
    ASSERT_TRUE(hosted::ReadPng(path, back, rw, rh, error)) << error;
    ASSERT_EQ(rw, w);
    ASSERT_EQ(rh, h);
    for (LONG y = 0; y < h; y++) {
        for (LONG x = 0; x < w; x++) {
            ULONG expected = 0xFF000000u | (static_cast<ULONG>(static_cast<UBYTE>(x * y)) << 16) |
                             (static_cast<ULONG>(static_cast<UBYTE>(y * 11)) << 8) | static_cast<UBYTE>(x * 7);
            ASSERT_EQ(back[static_cast<std::size_t>(y) * w + x], expected) << x << "," << y;
        }
    }
}

TEST(Png, FailuresAreReported)
{
    std::vector<UBYTE> frame(16, 0);
    std::string error;
    EXPECT_FALSE(hosted::WritePng("/nonexistent-directory/x.png", frame.data(), 2, 2, 8, error));
    EXPECT_NE(error.find("/nonexistent-directory/x.png"), std::string::npos);
    kvtest::TempDir dir("kv_png_test");
    EXPECT_FALSE(hosted::WritePng(dir.Path("x.png"), frame.data(), 0, 2, 8, error));
    std::vector<ULONG> back;
    LONG w = 0, h = 0;
    EXPECT_FALSE(hosted::ReadPng("/nonexistent-directory/x.png", back, w, h, error));
}

}  // namespace
