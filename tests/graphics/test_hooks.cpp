// Layer hooks: drawing into a layer's rastport locks it, reports the changed rectangle and unlocks it.
#include "canvas.h"

#include <graphics/layers.h>

#include <vector>

namespace {

struct Event {
    char kind;   // 'L' lock, 'D' damage, 'U' unlock
    struct Layer *layer;
    struct BitMap *bitMap;
    struct Rect32 rect;
};

std::vector<Event> gEvents;

class Hooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        gEvents.clear();
        hosted::LayerHooks hooks;
        hooks.lock = [](struct Layer *l, struct BitMap *b) { gEvents.push_back({'L', l, b, {}}); };
        hooks.unlock = [](struct Layer *l, struct BitMap *b) { gEvents.push_back({'U', l, b, {}}); };
        hooks.damage = [](struct Layer *l, struct BitMap *b, const struct Rect32 *r) {
            gEvents.push_back({'D', l, b, *r});
        };
        hosted::SetLayerHooks(hooks);
        layer.bounds = {200, 100, 239, 129};   // 40 x 30
        canvas.rp.Layer = &layer;
    }
    void TearDown() override { hosted::SetLayerHooks({}); }

    // The one damage rectangle reported since the last call, framed by lock and unlock.
    struct Rect32 OnlyDamage()
    {
        EXPECT_EQ(gEvents.size(), 3u);
        if (gEvents.size() != 3)
            return {0, 0, -1, -1};
        EXPECT_EQ(gEvents[0].kind, 'L');
        EXPECT_EQ(gEvents[1].kind, 'D');
        EXPECT_EQ(gEvents[2].kind, 'U');
        EXPECT_EQ(gEvents[1].layer, &layer);
        EXPECT_EQ(gEvents[1].bitMap, canvas.bm);
        struct Rect32 r = gEvents[1].rect;
        gEvents.clear();
        return r;
    }

    Canvas canvas{64, 64, 32};
    struct Layer layer{};
};

void ExpectRect(const struct Rect32 &r, LONG minX, LONG minY, LONG maxX, LONG maxY)
{
    EXPECT_EQ(r.MinX, minX);
    EXPECT_EQ(r.MinY, minY);
    EXPECT_EQ(r.MaxX, maxX);
    EXPECT_EQ(r.MaxY, maxY);
}

TEST_F(Hooks, RectFillReportsItsRectangleClippedToTheLayer)
{
    RectFill(&canvas.rp, 5, 6, 10, 8);
    ExpectRect(OnlyDamage(), 5, 6, 10, 8);
    RectFill(&canvas.rp, 30, 20, 60, 60);   // the layer is 40 x 30
    ExpectRect(OnlyDamage(), 30, 20, 39, 29);
}

TEST_F(Hooks, NothingDrawnMeansNoDamage)
{
    RectFill(&canvas.rp, 45, 0, 50, 5);   // outside the layer, inside the bitmap
    ASSERT_EQ(gEvents.size(), 2u);
    EXPECT_EQ(gEvents[0].kind, 'L');
    EXPECT_EQ(gEvents[1].kind, 'U');
    EXPECT_EQ(canvas.Rgb(45, 0), 0u);
}

TEST_F(Hooks, TextPixelArraysAndBlitsReportWhatTheyChanged)
{
    SetFont(&canvas.rp, hosted::TestFont());
    Move(&canvas.rp, 3, 20);
    Text(&canvas.rp, "An", 2);
    ExpectRect(OnlyDamage(), 3, 11, 18, 22);

    UBYTE pixels[4 * 4 * 2] = {};
    WritePixelArray(pixels, 0, 0, 16, &canvas.rp, 36, 28, 4, 2, RECTFMT_ARGB);
    ExpectRect(OnlyDamage(), 36, 28, 39, 29);

    Canvas picture(10, 10, 32);
    BltBitMapRastPort(picture.bm, 0, 0, &canvas.rp, -2, -3, 10, 10, 0xC0);
    ExpectRect(OnlyDamage(), 0, 0, 7, 6);

    WritePixel(&canvas.rp, 7, 9);
    ExpectRect(OnlyDamage(), 7, 9, 7, 9);

    Move(&canvas.rp, 1, 1);
    Draw(&canvas.rp, 4, 12);
    ExpectRect(OnlyDamage(), 1, 1, 4, 12);
}

TEST_F(Hooks, RastportsWithoutLayerAreNotReported)
{
    canvas.rp.Layer = nullptr;
    RectFill(&canvas.rp, 0, 0, 5, 5);
    EXPECT_TRUE(gEvents.empty());
}

TEST_F(Hooks, WatchedBitmapsAreReportedWithoutALayer)
{
    canvas.Chunky()->watched = true;
    canvas.rp.Layer = nullptr;
    SetRast(&canvas.rp, 1);
    ASSERT_EQ(gEvents.size(), 3u);
    EXPECT_EQ(gEvents[1].layer, nullptr);
    ExpectRect(gEvents[1].rect, 0, 0, 63, 63);
    gEvents.clear();
    Canvas picture(4, 4, 32);
    BltBitMap(picture.bm, 0, 0, canvas.bm, 60, 62, 4, 4, 0xC0, 0xFF, nullptr);
    ASSERT_EQ(gEvents.size(), 3u);
    ExpectRect(gEvents[1].rect, 60, 62, 63, 63);
}

}  // namespace
