// graphics/bitmaps.cpp: planar and chunky bitmaps: allocation, attributes, resizing.
#include <hosted/drawing.h>
#include <proto/exec.h>
#include <proto/graphics.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr UWORD kChunkyMagic = 0xC6B2;

// A planar bitmap made by AllocBitMap: the header and its one block of planes.
struct PlanarBitMap {
    struct BitMap bitMap{};
    UBYTE *block = nullptr;
};

LONG AlignRow(LONG bytes) { return (bytes + 15) & ~15; }

void SetSaturatedHeader(hosted::ChunkyBitMap *c)
{
    struct BitMap &bm = c->bitMap;
    bm.BytesPerRow = static_cast<UWORD>(c->bytesPerRow > 0xFFFF ? 0xFFFF : c->bytesPerRow);
    bm.Rows = static_cast<UWORD>(c->height > 0xFFFF ? 0xFFFF : c->height);
    bm.Planes[0] = c->pixels;
}

// Pixel memory: the system's (subject to exec's failure switch) for
// programs' bitmaps, the host's for the platform's own backing stores.
UBYTE *AllocPixels(std::size_t bytes, bool systemMemory, bool clear)
{
    if (systemMemory) {
        if (bytes > 0xFFFFFF00u)
            return nullptr;
        return static_cast<UBYTE *>(AllocVec(static_cast<ULONG>(bytes), clear ? MEMF_CLEAR : MEMF_ANY));
    }
    void *p = std::aligned_alloc(16, (bytes + 15) & ~static_cast<std::size_t>(15));
    if (p != nullptr && clear)
        std::memset(p, 0, bytes);
    return static_cast<UBYTE *>(p);
}

void FreePixels(UBYTE *pixels, bool systemMemory)
{
    if (systemMemory)
        FreeVec(pixels);
    else
        std::free(pixels);
}

struct BitMap *MakeChunky(LONG width, LONG height, ULONG pixelFormat, bool clear, bool systemMemory)
{
    if (width <= 0 || height <= 0 || width > 0x1FFFFFFF / 4 || !hosted::IsChunkyFormat(pixelFormat))
        return nullptr;
    LONG bytesPerRow = AlignRow(width * 4);
    std::size_t bytes = static_cast<std::size_t>(bytesPerRow) * static_cast<std::size_t>(height);
    if (bytes / static_cast<std::size_t>(bytesPerRow) != static_cast<std::size_t>(height))
        return nullptr;
    auto *c = new (std::nothrow) hosted::ChunkyBitMap;
    if (c == nullptr)
        return nullptr;
    c->pixels = AllocPixels(bytes, systemMemory, clear);
    if (c->pixels == nullptr) {
        delete c;
        return nullptr;
    }
    c->systemMemory = systemMemory;
    c->width = width;
    c->height = height;
    c->bytesPerRow = bytesPerRow;
    c->pixelFormat = pixelFormat;
    c->capacity = bytes;
    c->bitMap.Depth = 32;
    c->bitMap.Flags = BMF_DISPLAYABLE;
    c->bitMap.pad = kChunkyMagic;
    c->bitMap.Planes[7] = reinterpret_cast<PLANEPTR>(c);
    SetSaturatedHeader(c);
    return &c->bitMap;
}

}  // namespace

namespace hosted {

ChunkyBitMap *ChunkyOf(const struct BitMap *bitMap)
{
    if (bitMap == nullptr || bitMap->Depth <= 8 || bitMap->pad != kChunkyMagic ||
        bitMap->Planes[7] != reinterpret_cast<const UBYTE *>(bitMap))
        return nullptr;
    return const_cast<ChunkyBitMap *>(reinterpret_cast<const ChunkyBitMap *>(bitMap));
}

LONG PlanarWidth(const struct BitMap *bm)
{
    LONG bytes = bm->BytesPerRow;
    if ((bm->Flags & BMF_INTERLEAVED) != 0 && bm->Depth > 1)
        bytes /= bm->Depth;
    return bytes * 8;
}

struct BitMap *AllocChunkyBitMap(LONG width, LONG height, ULONG pixelFormat, bool clear)
{
    return MakeChunky(width, height, pixelFormat, clear, false);
}

bool ResizeChunkyBitMap(struct BitMap *bitMap, LONG width, LONG height, ULONG fill)
{
    auto *c = ChunkyOf(bitMap);
    if (c == nullptr || width <= 0 || height <= 0 || width > 0x1FFFFFFF / 4)
        return false;
    LONG bytesPerRow = AlignRow(width * 4);
    std::size_t bytes = static_cast<std::size_t>(bytesPerRow) * static_cast<std::size_t>(height);
    if (bytes / static_cast<std::size_t>(bytesPerRow) != static_cast<std::size_t>(height))
        return false;
    LONG keepRows = height < c->height ? height : c->height;
    std::size_t keepBytes = static_cast<std::size_t>(width < c->width ? width : c->width) * 4;
    UBYTE *target = c->pixels;
    if (bytes > c->capacity) {
        target = AllocPixels(bytes, c->systemMemory, false);
        if (target == nullptr)
            return false;
    }
    // Rows move towards their new places; the order avoids overwriting rows
    // not yet moved when the memory is shared.
    if (target != c->pixels || bytesPerRow <= c->bytesPerRow) {
        for (LONG y = 0; y < keepRows; y++)
            std::memmove(target + static_cast<std::size_t>(y) * bytesPerRow,
                         c->pixels + static_cast<std::size_t>(y) * c->bytesPerRow, keepBytes);
    } else {
        for (LONG y = keepRows - 1; y >= 0; y--)
            std::memmove(target + static_cast<std::size_t>(y) * bytesPerRow,
                         c->pixels + static_cast<std::size_t>(y) * c->bytesPerRow, keepBytes);
    }
    if (target != c->pixels) {
        FreePixels(c->pixels, c->systemMemory);
        c->pixels = target;
        c->capacity = bytes;
    }
    LONG oldWidth = c->width;
    c->width = width;
    c->height = height;
    c->bytesPerRow = bytesPerRow;
    SetSaturatedHeader(c);
    ULONG value = 0xFF000000u | (fill & 0x00FFFFFFu);
    for (LONG y = 0; y < height; y++) {
        LONG from = y < keepRows ? oldWidth : 0;
        for (LONG x = from; x < width; x++)
            StorePixel(c->pixelFormat, PixelAddress(c, x, y), value);
    }
    return true;
}

void SetBitMapColorMap(struct BitMap *bitMap, struct ColorMap *colorMap)
{
    if (ChunkyBitMap *c = ChunkyOf(bitMap))
        c->colorMap = colorMap;
}

}  // namespace hosted

/* Allocates a bitmap: planar for depth 1..8 (rows padded to 16 bytes),
   chunky 32-bit for depth above 8 or, at depth 2..8, a chunky friend (the
   friend's format, or the one given with BMF_SPECIALFMT). A depth-1 bitmap
   is always planar, whatever its friend, so masks and templates stay bit
   planes. NULL on a zero size, depth 0, a planar bitmap too large for its
   16-bit fields, or when memory is short. */
struct BitMap *AllocBitMap(ULONG sizex, ULONG sizey, ULONG depth, ULONG flags,
                           const struct BitMap *friend_bitmap)
{
    if (sizex == 0 || sizey == 0 || depth == 0 || depth > 32 || sizex > 0x7FFFFFFF || sizey > 0x7FFFFFFF)
        return nullptr;
    const hosted::ChunkyBitMap *friendChunky = hosted::ChunkyOf(friend_bitmap);
    if (depth > 8 || (depth > 1 && friendChunky != nullptr)) {
        ULONG format = PIXFMT_BGRA32;
        if (friendChunky != nullptr)
            format = friendChunky->pixelFormat;
        if ((flags & BMF_SPECIALFMT) != 0)
            format = flags >> 24;
        return MakeChunky(static_cast<LONG>(sizex), static_cast<LONG>(sizey), format,
                          (flags & BMF_CLEAR) != 0, true);
    }
    ULONG planeRow = ((sizex + 127) / 128) * 16;
    bool interleaved = (flags & BMF_INTERLEAVED) != 0 && depth > 1;
    ULONG bytesPerRow = interleaved ? planeRow * depth : planeRow;
    if (bytesPerRow > 0xFFF0 || sizey > 0xFFFF)
        return nullptr;
    std::size_t planeBytes = static_cast<std::size_t>(planeRow) * sizey;
    std::size_t total = planeBytes * depth;
    auto *p = new (std::nothrow) PlanarBitMap;
    if (p == nullptr)
        return nullptr;
    p->block = AllocPixels(total, true, (flags & BMF_CLEAR) != 0);
    if (p->block == nullptr) {
        delete p;
        return nullptr;
    }
    struct BitMap &bm = p->bitMap;
    bm.BytesPerRow = static_cast<UWORD>(bytesPerRow);
    bm.Rows = static_cast<UWORD>(sizey);
    bm.Depth = static_cast<UBYTE>(depth);
    bm.Flags = static_cast<UBYTE>((flags & (BMF_DISPLAYABLE | BMF_INTERLEAVED)) | BMF_STANDARD);
    if (!interleaved)
        bm.Flags &= static_cast<UBYTE>(~BMF_INTERLEAVED);
    for (ULONG i = 0; i < depth; i++)
        bm.Planes[i] = interleaved ? p->block + i * planeRow : p->block + i * planeBytes;
    return &bm;
}

/* Frees a bitmap from AllocBitMap (or the platform's chunky allocator).
   NULL is ignored. */
void FreeBitMap(struct BitMap *bm)
{
    if (bm == nullptr)
        return;
    if (hosted::ChunkyBitMap *c = hosted::ChunkyOf(bm)) {
        FreePixels(c->pixels, c->systemMemory);
        delete c;
        return;
    }
    auto *p = reinterpret_cast<PlanarBitMap *>(bm);
    FreePixels(p->block, true);
    delete p;
}

/* Reads an attribute of a bitmap: BMA_WIDTH (planar: the padded width),
   BMA_HEIGHT, BMA_DEPTH (32 for chunky bitmaps), BMA_FLAGS. 0 for an
   unknown attribute or no bitmap. */
ULONG GetBitMapAttr(const struct BitMap *bm, ULONG attrnum)
{
    if (bm == nullptr)
        return 0;
    if (const hosted::ChunkyBitMap *c = hosted::ChunkyOf(bm)) {
        switch (attrnum) {
        case BMA_WIDTH: return static_cast<ULONG>(c->width);
        case BMA_HEIGHT: return static_cast<ULONG>(c->height);
        case BMA_DEPTH: return 32;
        case BMA_FLAGS: return BMF_DISPLAYABLE;
        default: return 0;
        }
    }
    switch (attrnum) {
    case BMA_WIDTH: return static_cast<ULONG>(hosted::PlanarWidth(bm));
    case BMA_HEIGHT: return bm->Rows;
    case BMA_DEPTH: return bm->Depth;
    case BMA_FLAGS: return bm->Flags & (BMF_DISPLAYABLE | BMF_INTERLEAVED | BMF_STANDARD);
    default: return 0;
    }
}

/* Fills in a planar bitmap header for planes the caller provides: rows of
   ((width + 15) / 16) * 2 bytes, as on the real system. */
void InitBitMap(struct BitMap *bm, BYTE depth, UWORD width, UWORD height)
{
    if (bm == nullptr)
        return;
    bm->BytesPerRow = static_cast<UWORD>(((width + 15) >> 4) << 1);
    bm->Rows = height;
    bm->Flags = 0;
    bm->Depth = static_cast<UBYTE>(depth);
    bm->pad = 0;
}

/* Allocates one cleared bit plane of RASSIZE(width, height) bytes; NULL
   when memory is short. */
PLANEPTR AllocRaster(ULONG width, ULONG height)
{
    ULONG size = RASSIZE(width, height);
    if (size == 0)
        return nullptr;
    return static_cast<PLANEPTR>(AllocVec(size, MEMF_CLEAR));
}

void FreeRaster(PLANEPTR p, ULONG width, ULONG height)
{
    (void)width;
    (void)height;
    FreeVec(p);
}

/* Clears (or fills, flags bit 2, with the upper word of flags) a block of
   memory; with flags bit 1 byteCount is rows << 16 | bytes per row. */
void BltClear(APTR memBlock, ULONG byteCount, ULONG flags)
{
    if (memBlock == nullptr)
        return;
    std::size_t bytes = byteCount;
    if ((flags & 2) != 0)
        bytes = static_cast<std::size_t>(byteCount >> 16) * (byteCount & 0xFFFF);
    auto *p = static_cast<UBYTE *>(memBlock);
    if ((flags & 4) == 0) {
        std::memset(p, 0, bytes);
        return;
    }
    UBYTE hi = static_cast<UBYTE>(flags >> 24), lo = static_cast<UBYTE>(flags >> 16);
    for (std::size_t i = 0; i < bytes; i++)
        p[i] = (i & 1) == 0 ? hi : lo;
}
