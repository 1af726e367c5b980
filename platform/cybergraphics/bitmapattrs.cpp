// cybergraphics/bitmapattrs.cpp: attributes of chunky bitmaps and direct access to their memory.
#include <hosted/drawing.h>
#include <proto/cybergraphics.h>
#include <proto/utility.h>

/* One attribute of a bitmap (CYBRMATTR_...). Chunky bitmaps: bytes per
   row, 4 bytes a pixel, their PIXFMT_, true width and height, depth 32,
   -1 for ISCYBERGFX and ISLINEARMEM. Planar bitmaps: BytesPerRow, 0 bytes
   a pixel, PIXFMT_LUT8, their sizes and depth, 0 for ISCYBERGFX and
   ISLINEARMEM. 0 for an unknown attribute or no bitmap. */
ULONG GetCyberMapAttr(struct BitMap *bitMap, ULONG attribute)
{
    if (bitMap == nullptr)
        return 0;
    if (const hosted::ChunkyBitMap *c = hosted::ChunkyOf(bitMap)) {
        switch (attribute) {
        case CYBRMATTR_XMOD: return static_cast<ULONG>(c->bytesPerRow);
        case CYBRMATTR_BPPIX: return 4;
        case CYBRMATTR_PIXFMT: return c->pixelFormat;
        case CYBRMATTR_WIDTH: return static_cast<ULONG>(c->width);
        case CYBRMATTR_HEIGHT: return static_cast<ULONG>(c->height);
        case CYBRMATTR_DEPTH: return 32;
        case CYBRMATTR_ISCYBERGFX:
        case CYBRMATTR_ISLINEARMEM: return 0xFFFFFFFFu;
        default: return 0;
        }
    }
    switch (attribute) {
    case CYBRMATTR_XMOD: return bitMap->BytesPerRow;
    case CYBRMATTR_PIXFMT: return PIXFMT_LUT8;
    case CYBRMATTR_WIDTH: return static_cast<ULONG>(hosted::PlanarWidth(bitMap));
    case CYBRMATTR_HEIGHT: return bitMap->Rows;
    case CYBRMATTR_DEPTH: return bitMap->Depth;
    default: return 0;
    }
}

/* Locks a chunky bitmap for direct access and writes what the tags ask
   for into the variables their data point at: LBMI_BASEADDRESS (an APTR),
   LBMI_BYTESPERROW, LBMI_WIDTH, LBMI_HEIGHT, LBMI_DEPTH, LBMI_PIXFMT,
   LBMI_BYTESPERPIX (ULONGs). Returns a handle for UnLockBitMap; NULL for
   a planar bitmap or none (nothing is written then). The memory stays
   where it is for the bitmap's life; changes made through it are not
   reported to the display until the bitmap is next drawn or blitted. */
APTR LockBitMapTagList(APTR bitMap, const struct TagItem *tags)
{
    hosted::ChunkyBitMap *c = hosted::ChunkyOf(static_cast<struct BitMap *>(bitMap));
    if (c == nullptr)
        return nullptr;
    const struct TagItem *state = tags;
    while (struct TagItem *tag = NextTagItem(&state)) {
        if (tag->ti_Data == 0)
            continue;
        auto *value = reinterpret_cast<ULONG *>(tag->ti_Data);
        switch (tag->ti_Tag) {
        case LBMI_BASEADDRESS: *reinterpret_cast<APTR *>(tag->ti_Data) = c->pixels; break;
        case LBMI_BYTESPERROW: *value = static_cast<ULONG>(c->bytesPerRow); break;
        case LBMI_WIDTH: *value = static_cast<ULONG>(c->width); break;
        case LBMI_HEIGHT: *value = static_cast<ULONG>(c->height); break;
        case LBMI_DEPTH: *value = 32; break;
        case LBMI_PIXFMT: *value = c->pixelFormat; break;
        case LBMI_BYTESPERPIX: *value = 4; break;
        default: break;
        }
    }
    return bitMap;
}

/* Ends direct access; NULL is ignored. */
void UnLockBitMap(APTR handle) { (void)handle; }

void UnLockBitMapTagList(APTR handle, const struct TagItem *tags)
{
    (void)tags;
    UnLockBitMap(handle);
}
