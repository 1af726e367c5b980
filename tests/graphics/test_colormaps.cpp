// Colour maps: pen allocation, sharing, best pens by distance and precision, colour tables.
#include "canvas.h"

#include <utility/tagitem.h>

namespace {

constexpr ULONG C8(ULONG v) { return v * 0x01010101u; }

struct Map {
    struct ColorMap *cm = GetColorMap(8);
    ~Map() { FreeColorMap(cm); }
};

TEST(ColorMaps, CountsAndColours)
{
    EXPECT_EQ(GetColorMap(0), nullptr);
    EXPECT_EQ(GetColorMap(257), nullptr);
    Map m;
    ASSERT_NE(m.cm, nullptr);
    EXPECT_EQ(m.cm->Count, 8);
    SetRGB32CM(m.cm, 2, 0x12345678, 0xABCDEF01, 0xFFFFFFFF);
    SetRGB32CM(m.cm, 8, C8(1), C8(1), C8(1));   // past the end: ignored
    ULONG rgb[6] = {};
    GetRGB32(m.cm, 1, 2, rgb);
    EXPECT_EQ(rgb[0], 0u);
    EXPECT_EQ(rgb[3], C8(0x12));
    EXPECT_EQ(rgb[4], C8(0xAB));
    EXPECT_EQ(rgb[5], C8(0xFF));
    EXPECT_EQ(static_cast<ULONG *>(m.cm->ColorTable)[2], 0x12ABFFu);

    struct ViewPort vp{};
    vp.ColorMap = m.cm;
    const ULONG table[] = {(2u << 16) | 5, C8(1), C8(2), C8(3), C8(4), C8(5), C8(6), 0};
    LoadRGB32(&vp, table);
    GetRGB32(m.cm, 5, 2, rgb);
    EXPECT_EQ(rgb[0], C8(1));
    EXPECT_EQ(rgb[5], C8(6));
    SetRGB32(&vp, 7, C8(9), C8(8), C8(7));
    EXPECT_EQ(static_cast<ULONG *>(m.cm->ColorTable)[7], 0x090807u);
}

TEST(ColorMaps, ObtainPenSharesAndExcludes)
{
    Map m;
    EXPECT_EQ(ObtainPen(m.cm, 3, C8(10), C8(20), C8(30), 0), 3);
    EXPECT_EQ(ObtainPen(m.cm, 3, C8(10), C8(20), C8(30), 0), 3);      // same colour: shared again
    EXPECT_EQ(ObtainPen(m.cm, 3, C8(99), C8(20), C8(30), 0), -1);     // another colour
    EXPECT_EQ(ObtainPen(m.cm, 3, 0, 0, 0, PENF_EXCLUSIVE), -1);
    EXPECT_EQ(ObtainPen(m.cm, 4, C8(1), C8(2), C8(3), PENF_EXCLUSIVE), 4);
    EXPECT_EQ(ObtainPen(m.cm, 4, C8(1), C8(2), C8(3), 0), -1);
    EXPECT_EQ(ObtainPen(m.cm, 9, 0, 0, 0, 0), -1);
    EXPECT_EQ(ObtainPen(m.cm, ~0u, C8(7), C8(7), C8(7), 0), 0);        // lowest free
    EXPECT_EQ(ObtainPen(m.cm, 5, C8(50), 0, 0, PENF_NO_SETCOLOR), 5);
    EXPECT_EQ(static_cast<ULONG *>(m.cm->ColorTable)[5], 0u);
    ReleasePen(m.cm, 4);
    EXPECT_EQ(ObtainPen(m.cm, 4, 0, 0, 0, 0), 4);
    ReleasePen(m.cm, 3);
    EXPECT_EQ(ObtainPen(m.cm, 3, C8(99), 0, 0, PENF_EXCLUSIVE), -1);  // one user left
    ReleasePen(m.cm, 3);
    EXPECT_EQ(ObtainPen(m.cm, 3, C8(99), 0, 0, PENF_EXCLUSIVE), 3);
}

TEST(ColorMaps, BestPenIsNearestSharedOrAFreshOne)
{
    Map m;
    ObtainPen(m.cm, 0, C8(0), C8(0), C8(0), 0);
    ObtainPen(m.cm, 1, C8(255), C8(255), C8(255), 0);
    ObtainPen(m.cm, 2, C8(200), C8(0), C8(0), 0);
    // Close enough for the GUI's precision: the shared red.
    const struct TagItem gui[] = {{OBP_Precision, static_cast<IPTR>(PRECISION_GUI)}, {TAG_DONE, 0}};
    EXPECT_EQ(ObtainBestPenA(m.cm, C8(190), C8(10), C8(5), gui), 2);
    // Not close enough for images: a free pen gets the exact colour.
    LONG fresh = ObtainBestPenA(m.cm, C8(190), C8(10), C8(5), nullptr);
    EXPECT_EQ(fresh, 3);
    EXPECT_EQ(static_cast<ULONG *>(m.cm->ColorTable)[3], 0xBE0A05u);
    // Exact precision finds the exact one now.
    EXPECT_EQ(ObtainBestPen(m.cm, C8(190), C8(10), C8(5), OBP_Precision, PRECISION_EXACT, TAG_DONE), 3);
    // Fill the map, then the nearest shared pen is all that is left.
    for (int i = 0; i < 4; i++)
        ObtainPen(m.cm, ~0u, C8(100), C8(100), C8(100 + i), PENF_EXCLUSIVE);
    EXPECT_EQ(ObtainBestPenA(m.cm, C8(240), C8(250), C8(240), nullptr), 1);
    const struct TagItem fail[] = {{OBP_FailIfBad, TRUE}, {TAG_DONE, 0}};
    EXPECT_EQ(ObtainBestPenA(m.cm, C8(240), C8(250), C8(240), fail), -1);
    EXPECT_EQ(ObtainBestPenA(nullptr, 0, 0, 0, nullptr), -1);
    // Pen 1 had two users; once both release it, it is free and taken afresh.
    ReleasePen(m.cm, 1);
    ReleasePen(m.cm, 1);
    ReleasePen(m.cm, 1);
    EXPECT_EQ(ObtainBestPenA(m.cm, C8(1), C8(2), C8(3), fail), 1);
    EXPECT_EQ(static_cast<ULONG *>(m.cm->ColorTable)[1], 0x010203u);
}

TEST(ColorMaps, FindColorSearchesUpToMaxPen)
{
    Map m;
    SetRGB32CM(m.cm, 1, C8(255), 0, 0);
    SetRGB32CM(m.cm, 6, C8(250), 0, 0);
    EXPECT_EQ(FindColor(m.cm, C8(250), 0, 0, -1), 6);
    EXPECT_EQ(FindColor(m.cm, C8(250), 0, 0, 5), 1);
    EXPECT_EQ(FindColor(m.cm, 0, 0, 0, -1), 0);
}

}  // namespace
