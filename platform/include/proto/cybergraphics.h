/* proto/cybergraphics.h: the cybergraphics library's functions. */
#ifndef PROTO_CYBERGRAPHICS_H
#define PROTO_CYBERGRAPHICS_H

#include <cybergraphx/cybergraphics.h>
#include <graphics/rastport.h>
#include <proto/graphics.h>

/* Pixel-array transfer between memory and a rastport. Source and
   destination coordinates are clipped once per call to the rastport's
   bitmap and layer; what lies outside is left alone. The transfers return
   the number of pixels they wrote (or read), 0 when nothing was done (no
   rastport, no bitmap, an unknown format, an empty rectangle).

   On a planar rastport pixels go through the nearest pen of the bitmap's
   colour map (or the default palette). Chunky destinations of any 32-bit
   format are written directly; on this host the screen's format is
   PIXFMT_BGRA32. The alpha byte of a chunky pixel carries no meaning for
   the display: RECTFMT_ARGB and RECTFMT_RGBA carry their alpha through,
   other formats and pens write 0xFF. */

/* Copies sizeX x sizeY pixels from srcRect (rows of srcMod bytes, starting
   at srcX, srcY) to the rastport at destX, destY. RECTFMT_ARGB reads each
   pixel as memory bytes A,R,G,B (the big-endian 0xAARRGGBB longword). */
ULONG WritePixelArray(APTR srcRect, ULONG srcX, ULONG srcY, ULONG srcMod, struct RastPort *rp,
                      LONG destX, LONG destY, ULONG sizeX, ULONG sizeY, UBYTE srcFormat);
/* The reverse: reads pixels of the rastport into destRect. Pixels outside
   the bitmap leave their bytes in destRect untouched. */
ULONG ReadPixelArray(APTR destRect, ULONG destX, ULONG destY, ULONG destMod, struct RastPort *rp,
                     LONG srcX, LONG srcY, ULONG sizeX, ULONG sizeY, UBYTE destFormat);
/* Writes 8-bit indices through colour table cTable (CTABFMT_XRGB8). */
ULONG WriteLUTPixelArray(APTR srcRect, ULONG srcX, ULONG srcY, ULONG srcMod, struct RastPort *rp,
                         APTR cTable, LONG destX, LONG destY, ULONG sizeX, ULONG sizeY,
                         UBYTE cTabFormat);
/* Fills a rectangle with one colour 0xAARRGGBB. */
ULONG FillPixelArray(struct RastPort *rp, LONG destX, LONG destY, ULONG sizeX, ULONG sizeY,
                     ULONG argb);
/* Inverts red, green and blue of a rectangle. */
ULONG InvertPixelArray(struct RastPort *rp, LONG destX, LONG destY, ULONG sizeX, ULONG sizeY);
/* Moves a rectangle inside the rastport (overlap handled). */
ULONG MovePixelArray(LONG srcX, LONG srcY, struct RastPort *rp, LONG destX, LONG destY,
                     ULONG sizeX, ULONG sizeY);

/* An attribute of a bitmap (CYBRMATTR_...). For a planar bitmap
   CYBRMATTR_ISCYBERGFX is 0, CYBRMATTR_PIXFMT PIXFMT_LUT8 and the sizes
   are its own; 0 for an unknown attribute or no bitmap. */
ULONG GetCyberMapAttr(struct BitMap *bitMap, ULONG attribute);

/* Locks a chunky bitmap so its memory can be addressed directly and
   reports through the tags (LBMI_...). Returns a handle for UnLockBitMap,
   or NULL for a planar bitmap. On this host a bitmap's memory never moves
   while the bitmap lives, so the address stays valid after the unlock. */
APTR LockBitMapTagList(APTR bitMap, const struct TagItem *tags);
void UnLockBitMap(APTR handle);
void UnLockBitMapTagList(APTR handle, const struct TagItem *tags);

#ifdef __cplusplus
template <typename... Args>
inline APTR LockBitMapTags(APTR bitMap, Args... tags)
{
    hosted_tags::List<Args...> list(tags...);
    return LockBitMapTagList(bitMap, list.items);
}
#endif

#endif /* PROTO_CYBERGRAPHICS_H */
