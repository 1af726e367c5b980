/* graphics/gfx.h: bitmaps, rectangles and the basic graphics types. */
#ifndef GRAPHICS_GFX_H
#define GRAPHICS_GFX_H

#include <exec/types.h>

#define BITSET 0x8000
#define BITCLR 0

typedef UBYTE *PLANEPTR;

struct Rectangle {
    WORD MinX, MinY;
    WORD MaxX, MaxY;
};

struct Rect32 {
    LONG MinX, MinY;
    LONG MaxX, MaxY;
};

typedef struct tPoint {
    WORD x, y;
} Point;

/* A bitmap. Planar bitmaps (depth 1 to 8) hold one bit plane per level of
   depth in Planes[], each Rows rows of BytesPerRow bytes, the leftmost pixel
   of a byte in its most significant bit.

   Chunky bitmaps (depth 24 or 32, made by AllocBitMap only) hold one 32-bit
   pixel per position in the format of their friend (on this host normally
   PIXFMT_BGRA32, the screen's format); reach their memory through
   LockBitMapTagList and their attributes through GetCyberMapAttr, never
   through Planes[]. Their BytesPerRow and Rows saturate at 65535; the true
   sizes come from GetBitMapAttr and GetCyberMapAttr. */
struct BitMap {
    UWORD BytesPerRow;
    UWORD Rows;
    UBYTE Flags;
    UBYTE Depth;
    UWORD pad;
    PLANEPTR Planes[8];
};

/* Bytes of one bit plane of w x h pixels, rows rounded up to 16 bits. */
#define RASSIZE(w, h) ((ULONG)(h) * ((((ULONG)(w) + 15) >> 3) & 0xFFFE))

/* AllocBitMap() flags */
#define BMB_CLEAR 0
#define BMB_DISPLAYABLE 1
#define BMB_INTERLEAVED 2
#define BMB_STANDARD 3
#define BMB_MINPLANES 4
#define BMB_SPECIALFMT 7

#define BMF_CLEAR (1L << BMB_CLEAR)
#define BMF_DISPLAYABLE (1L << BMB_DISPLAYABLE)
#define BMF_INTERLEAVED (1L << BMB_INTERLEAVED)
#define BMF_STANDARD (1L << BMB_STANDARD)
#define BMF_MINPLANES (1L << BMB_MINPLANES)
#define BMF_SPECIALFMT (1L << BMB_SPECIALFMT)

/* With BMF_SPECIALFMT the pixel format (cybergraphx PIXFMT_...) of a chunky
   bitmap travels in the top byte of the flags. */
#define SHIFT_PIXFMT(fmt) (((ULONG)(fmt)) << 24)

/* GetBitMapAttr() attributes */
#define BMA_HEIGHT 0
#define BMA_DEPTH 4
#define BMA_WIDTH 8
#define BMA_FLAGS 12

#endif /* GRAPHICS_GFX_H */
