// Regions: adding, cutting and clipping rectangles, as the compositor uses them for visibility and damage.
#include "region.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using hosted::Box;
using hosted::BoxAt;
using hosted::Region;

// Whether a pixel is in the region, by looking at every box.
bool Covers(const Region &r, LONG x, LONG y)
{
    for (const Box &b : r.Boxes()) {
        if (b.Contains(x, y))
            return true;
    }
    return false;
}

bool Disjoint(const Region &r)
{
    for (std::size_t i = 0; i < r.Boxes().size(); i++) {
        for (std::size_t j = i + 1; j < r.Boxes().size(); j++) {
            if (r.Boxes()[i].Overlaps(r.Boxes()[j]))
                return false;
        }
    }
    return true;
}

TEST(Region, BoxesIntersect)
{
    EXPECT_EQ(BoxAt(0, 0, 10, 10).Intersect(BoxAt(5, 5, 10, 10)), (Box{5, 5, 10, 10}));
    EXPECT_TRUE(BoxAt(0, 0, 10, 10).Intersect(BoxAt(10, 0, 5, 5)).Empty());   // touching edges share nothing
    EXPECT_TRUE(BoxAt(0, 0, 0, 10).Empty());
}

TEST(Region, AWindowCutOutOfTheScreenLeavesAFrameOfFourBoxes)
{
    Region screen(BoxAt(0, 0, 100, 80));
    screen.Subtract(BoxAt(20, 10, 30, 40));
    EXPECT_EQ(screen.Area(), 100LL * 80 - 30 * 40);
    EXPECT_EQ(screen.Boxes().size(), 4u);
    EXPECT_TRUE(Disjoint(screen));
    EXPECT_FALSE(Covers(screen, 25, 15));
    EXPECT_TRUE(Covers(screen, 19, 15));
    EXPECT_TRUE(Covers(screen, 50, 15));
    screen.Clip(BoxAt(0, 0, 20, 80));
    EXPECT_EQ(screen.Area(), 20LL * 80);
}

TEST(Region, RandomOperationsAgreeWithAPixelMap)
{
    std::mt19937 random(12345);
    auto next = [&](int n) { return static_cast<LONG>(random() % n); };
    for (int round = 0; round < 50; round++) {
        Region region;
        bool map[96][96] = {};
        for (int step = 0; step < 20; step++) {
            Box b = BoxAt(next(60), next(60), next(20), next(20));
            int what = next(3);
            if (what == 0)
                region.Add(b);
            else if (what == 1)
                region.Subtract(b);
            else
                region.Clip(BoxAt(next(20), next(20), 30 + next(34), 30 + next(34)));
            for (LONG y = 0; y < 96; y++) {
                for (LONG x = 0; x < 96; x++) {
                    if (what == 0 && b.Contains(x, y))
                        map[y][x] = true;
                    if (what == 1 && b.Contains(x, y))
                        map[y][x] = false;
                }
            }
            if (what == 2) {
                // Clip changes the map by what the region says now.
                for (LONG y = 0; y < 96; y++)
                    for (LONG x = 0; x < 96; x++)
                        map[y][x] = map[y][x] && Covers(region, x, y);
            }
            ASSERT_TRUE(Disjoint(region)) << "round " << round << " step " << step;
            long long area = 0;
            for (LONG y = 0; y < 96; y++) {
                for (LONG x = 0; x < 96; x++) {
                    ASSERT_EQ(Covers(region, x, y), map[y][x]) << x << "," << y;
                    area += map[y][x];
                }
            }
            EXPECT_EQ(region.Area(), area);
        }
    }
}

TEST(Region, SimplifyOnlyGrowsAndBoundsTheCount)
{
    Region damage;
    for (LONG i = 0; i < 100; i++)
        damage.Add(BoxAt(i * 7, (i * 13) % 90, 3, 3));
    Region before = damage;
    damage.Simplify(10);
    EXPECT_LE(damage.Boxes().size(), 10u);
    for (const Box &b : before.Boxes()) {
        for (LONG y = b.y0; y < b.y1; y++)
            for (LONG x = b.x0; x < b.x1; x++)
                ASSERT_TRUE(Covers(damage, x, y));
    }
    EXPECT_EQ(damage.Bounds(), before.Bounds());
}

}  // namespace
