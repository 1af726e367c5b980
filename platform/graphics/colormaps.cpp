// graphics/colormaps.cpp: colour maps, pen sharing and the default palette.
#include <hosted/drawing.h>
#include <proto/graphics.h>
#include <proto/utility.h>

#include <mutex>
#include <new>

namespace hosted {
namespace {

// The record behind every ColorMap of this host.
struct HostColorMap {
    struct ColorMap map{};
    ULONG table[256] = {};      // 0x00RRGGBB, ColorTable points here
    UWORD shared[256] = {};     // users of a shared pen
    bool exclusive[256] = {};
    ULONG magic = 0;
};

constexpr ULONG kMagic = 0x434D4150;   // "CMAP"

// Pen allocation is shared between tasks (every window on a screen uses
// the screen's map).
std::mutex &PenLock()
{
    static std::mutex lock;
    return lock;
}

HostColorMap *HostOf(const struct ColorMap *cm)
{
    if (cm == nullptr)
        return nullptr;
    auto *h = reinterpret_cast<HostColorMap *>(const_cast<struct ColorMap *>(cm));
    return h->magic == kMagic ? h : nullptr;
}

const ULONG kDefaultPalette[8] = {
    0xAAAAAA, 0x000000, 0xFFFFFF, 0x6688BB, 0x999999, 0xBBBBBB, 0xBBAA99, 0xFFAA22,
};

ULONG Rgb8(ULONG r, ULONG g, ULONG b) { return ((r >> 24) << 16) | ((g >> 24) << 8) | (b >> 24); }

// Squared distance of two 0x00RRGGBB colours.
ULONG Distance(ULONG a, ULONG b)
{
    LONG dr = static_cast<LONG>((a >> 16) & 0xFF) - static_cast<LONG>((b >> 16) & 0xFF);
    LONG dg = static_cast<LONG>((a >> 8) & 0xFF) - static_cast<LONG>((b >> 8) & 0xFF);
    LONG db = static_cast<LONG>(a & 0xFF) - static_cast<LONG>(b & 0xFF);
    return static_cast<ULONG>(dr * dr + dg * dg + db * db);
}

bool IsFree(const HostColorMap *h, ULONG pen) { return h->shared[pen] == 0 && !h->exclusive[pen]; }

}  // namespace

ULONG DefaultPenColor(ULONG pen) { return pen < 8 ? kDefaultPalette[pen] : 0; }

ULONG PenColor(const struct BitMap *bitMap, ULONG pen)
{
    const ChunkyBitMap *c = ChunkyOf(bitMap);
    if (c != nullptr && c->colorMap != nullptr && pen < c->colorMap->Count) {
        if (const HostColorMap *h = HostOf(c->colorMap)) {
            std::lock_guard<std::mutex> guard(PenLock());
            return h->table[pen];
        }
    }
    return DefaultPenColor(pen);
}

ULONG NearestPlanarPen(const struct BitMap *bm, ULONG argb)
{
    ULONG pens = 1u << (bm->Depth > 8 ? 8 : bm->Depth);
    ULONG best = 0, bestDistance = 0xFFFFFFFFu;
    for (ULONG pen = 0; pen < pens; pen++) {
        ULONG d = Distance(DefaultPenColor(pen), argb & 0xFFFFFF);
        if (d < bestDistance) {
            best = pen;
            bestDistance = d;
        }
    }
    return best;
}

ULONG EncodePixel(ULONG pixelFormat, ULONG rgb)
{
    UBYTE bytes[4];
    StorePixel(pixelFormat, bytes, 0xFF000000u | rgb);
    ULONG raw;
    std::memcpy(&raw, bytes, 4);
    return raw;
}

ULONG DecodePixel(ULONG pixelFormat, ULONG pixel)
{
    UBYTE bytes[4];
    std::memcpy(bytes, &pixel, 4);
    return LoadPixel(pixelFormat, bytes) & 0x00FFFFFFu;
}

}  // namespace hosted

using hosted::HostColorMap;

/* Makes a colour map of `entries` (1..256) black, unallocated colours.
   NULL for another count or when memory is short. */
struct ColorMap *GetColorMap(LONG entries)
{
    if (entries < 1 || entries > 256)
        return nullptr;
    auto *h = new (std::nothrow) hosted::HostColorMap;
    if (h == nullptr)
        return nullptr;
    h->magic = hosted::kMagic;
    h->map.Type = COLORMAP_TYPE_V39;
    h->map.Count = static_cast<UWORD>(entries);
    h->map.ColorTable = h->table;
    h->map.PalExtra = reinterpret_cast<struct PaletteExtra *>(h->shared);
    return &h->map;
}

/* Frees a colour map from GetColorMap; NULL is ignored. */
void FreeColorMap(struct ColorMap *colorMap)
{
    if (auto *h = hosted::HostOf(colorMap)) {
        h->magic = 0;
        delete h;
    }
}

/* Sets colour n of a colour map (32-bit components, the top 8 bits kept). */
void SetRGB32CM(struct ColorMap *cm, ULONG n, ULONG r, ULONG g, ULONG b)
{
    auto *h = hosted::HostOf(cm);
    if (h == nullptr || n >= cm->Count)
        return;
    std::lock_guard<std::mutex> guard(hosted::PenLock());
    h->table[n] = hosted::Rgb8(r, g, b);
}

/* Sets colour n of a viewport's colour map. Pixels already drawn on
   32-bit bitmaps keep their colours, as on any true-colour screen. */
void SetRGB32(struct ViewPort *vp, ULONG n, ULONG r, ULONG g, ULONG b)
{
    if (vp != nullptr)
        SetRGB32CM(vp->ColorMap, n, r, g, b);
}

/* Reads ncolors colours from firstcolor as triples of 32-bit components
   (each 8-bit value repeated, 0xAB -> 0xABABABAB). Entries past the map's
   end are not written. */
void GetRGB32(const struct ColorMap *cm, ULONG firstcolor, ULONG ncolors, ULONG *table)
{
    const auto *h = hosted::HostOf(cm);
    if (h == nullptr || table == nullptr)
        return;
    std::lock_guard<std::mutex> guard(hosted::PenLock());
    for (ULONG i = 0; i < ncolors && firstcolor + i < cm->Count; i++) {
        ULONG rgb = h->table[firstcolor + i];
        table[3 * i] = ((rgb >> 16) & 0xFF) * 0x01010101u;
        table[3 * i + 1] = ((rgb >> 8) & 0xFF) * 0x01010101u;
        table[3 * i + 2] = (rgb & 0xFF) * 0x01010101u;
    }
}

/* Loads runs of colours: each run is a ULONG (count << 16 | first) and
   count triples; a count of 0 ends the table. */
void LoadRGB32(struct ViewPort *vp, const ULONG *table)
{
    if (vp == nullptr || table == nullptr)
        return;
    while (ULONG head = *table++) {
        ULONG count = head >> 16, first = head & 0xFFFF;
        for (ULONG i = 0; i < count; i++, table += 3)
            SetRGB32(vp, first + i, table[0], table[1], table[2]);
    }
}

/* Allocates pen n (n = ~0: the lowest free pen), exclusively with
   PENF_EXCLUSIVE, else shared; a shared pen may be shared again if its
   colour is the one asked for. Sets the colour unless PENF_NO_SETCOLOR.
   Returns the pen, or -1 when it is taken or none is free. */
LONG ObtainPen(struct ColorMap *cm, ULONG n, ULONG r, ULONG g, ULONG b, LONG flags)
{
    auto *h = hosted::HostOf(cm);
    if (h == nullptr)
        return -1;
    std::lock_guard<std::mutex> guard(hosted::PenLock());
    ULONG count = cm->Count;
    bool exclusive = (flags & PENF_EXCLUSIVE) != 0;
    ULONG rgb = hosted::Rgb8(r, g, b);
    if (n == 0xFFFFFFFFu) {
        for (n = 0; n < count && !hosted::IsFree(h, n); n++) {
        }
        if (n == count)
            return -1;
    }
    if (n >= count || h->exclusive[n])
        return -1;
    if (h->shared[n] != 0) {
        if (exclusive || (h->table[n] != rgb && (flags & PENF_NO_SETCOLOR) == 0))
            return -1;
        h->shared[n]++;
        return static_cast<LONG>(n);
    }
    if (exclusive)
        h->exclusive[n] = true;
    else
        h->shared[n] = 1;
    if ((flags & PENF_NO_SETCOLOR) == 0)
        h->table[n] = rgb;
    return static_cast<LONG>(n);
}

/* Finds the best shared pen for a colour: the nearest shared colour when
   it lies within OBP_Precision (largest difference of a gun, in 8-bit
   steps: PRECISION_EXACT 0, PRECISION_IMAGE 2, PRECISION_ICON 16,
   PRECISION_GUI 32, another n >= 0: n); else the lowest free pen, set to
   the colour; else, unless OBP_FailIfBad, the nearest shared pen anyway.
   The pen is shared once more. -1 when none fits. */
LONG ObtainBestPenA(struct ColorMap *cm, ULONG r, ULONG g, ULONG b, const struct TagItem *tags)
{
    auto *h = hosted::HostOf(cm);
    if (h == nullptr)
        return -1;
    LONG precision = static_cast<LONG>(GetTagData(OBP_Precision, static_cast<IPTR>(PRECISION_IMAGE), tags));
    bool failIfBad = GetTagData(OBP_FailIfBad, FALSE, tags) != 0;
    ULONG tolerance = precision < 0 ? 0 : (precision == PRECISION_IMAGE ? 2 : static_cast<ULONG>(precision));
    ULONG rgb = hosted::Rgb8(r, g, b);

    std::lock_guard<std::mutex> guard(hosted::PenLock());
    ULONG count = cm->Count;
    LONG best = -1;
    ULONG bestDistance = 0xFFFFFFFFu;
    for (ULONG pen = 0; pen < count; pen++) {
        if (h->shared[pen] == 0)
            continue;
        ULONG d = hosted::Distance(h->table[pen], rgb);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<LONG>(pen);
        }
    }
    auto within = [&](ULONG other) {
        for (int shift = 0; shift <= 16; shift += 8) {
            LONG d = static_cast<LONG>((other >> shift) & 0xFF) - static_cast<LONG>((rgb >> shift) & 0xFF);
            if (static_cast<ULONG>(d < 0 ? -d : d) > tolerance)
                return false;
        }
        return true;
    };
    if (best >= 0 && within(h->table[best])) {
        h->shared[best]++;
        return best;
    }
    for (ULONG pen = 0; pen < count; pen++) {
        if (hosted::IsFree(h, pen)) {
            h->shared[pen] = 1;
            h->table[pen] = rgb;
            return static_cast<LONG>(pen);
        }
    }
    if (best >= 0 && !failIfBad) {
        h->shared[best]++;
        return best;
    }
    return -1;
}

/* Gives back one use of a pen; an exclusive pen, or a shared pen's last
   user, makes it free again. Pens not allocated are ignored. */
void ReleasePen(struct ColorMap *cm, ULONG n)
{
    auto *h = hosted::HostOf(cm);
    if (h == nullptr || n >= cm->Count)
        return;
    std::lock_guard<std::mutex> guard(hosted::PenLock());
    if (h->exclusive[n])
        h->exclusive[n] = false;
    else if (h->shared[n] > 0)
        h->shared[n]--;
}

/* The pen from 0 to maxpen (-1: all) whose colour is nearest to r,g,b,
   allocated or not; -1 for no colour map. */
LONG FindColor(struct ColorMap *cm, ULONG r, ULONG g, ULONG b, LONG maxpen)
{
    auto *h = hosted::HostOf(cm);
    if (h == nullptr)
        return -1;
    std::lock_guard<std::mutex> guard(hosted::PenLock());
    ULONG last = cm->Count - 1u;
    if (maxpen >= 0 && static_cast<ULONG>(maxpen) < last)
        last = static_cast<ULONG>(maxpen);
    ULONG rgb = hosted::Rgb8(r, g, b);
    LONG best = 0;
    ULONG bestDistance = 0xFFFFFFFFu;
    for (ULONG pen = 0; pen <= last; pen++) {
        ULONG d = hosted::Distance(h->table[pen], rgb);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<LONG>(pen);
        }
    }
    return best;
}
