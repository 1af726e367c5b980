/* graphics/rastport.h: the rastport, the drawing context of every graphics call. */
#ifndef GRAPHICS_RASTPORT_H
#define GRAPHICS_RASTPORT_H

#include <graphics/gfx.h>

struct Layer;
struct TextFont;
struct GelsInfo;

struct AreaInfo {
    WORD *VctrTbl;
    WORD *VctrPtr;
    BYTE *FlagTbl;
    BYTE *FlagPtr;
    WORD Count;
    WORD MaxCount;
    WORD FirstX, FirstY;
};

struct TmpRas {
    BYTE *RasPtr;
    LONG Size;
};

/* Pens are 0..255; FgPen, BgPen and AOlPen hold them as bytes (read them as
   UBYTE, or through GetAPen/GetBPen/GetOutlinePen). */
struct RastPort {
    struct Layer *Layer;
    struct BitMap *BitMap;
    UWORD *AreaPtrn;
    struct TmpRas *TmpRas;
    struct AreaInfo *AreaInfo;
    struct GelsInfo *GelsInfo;
    UBYTE Mask;
    BYTE FgPen;
    BYTE BgPen;
    BYTE AOlPen;
    BYTE DrawMode;
    BYTE AreaPtSz;
    BYTE linpatcnt;
    BYTE dummy;
    UWORD Flags;
    UWORD LinePtrn;
    WORD cp_x, cp_y;
    UBYTE minterms[8];
    WORD PenWidth;
    WORD PenHeight;
    struct TextFont *Font;
    UBYTE AlgoStyle;
    UBYTE TxFlags;
    UWORD TxHeight;
    UWORD TxWidth;
    UWORD TxBaseline;
    WORD TxSpacing;
    APTR *RP_User;
    ULONG longreserved[2];
    UWORD wordreserved[7];
    UBYTE reserved[8];
};

/* Drawing modes */
#define JAM1 0        /* draw only the foreground pen */
#define JAM2 1        /* foreground and background pens */
#define COMPLEMENT 2  /* invert the pixels drawn */
#define INVERSVID 4   /* swap the roles of set and clear template bits */

/* RastPort Flags */
#define FRST_DOT 0x01
#define ONE_DOT 0x02
#define DBUFFER 0x04
#define AREAOUTLINE 0x08
#define NOCROSSFILL 0x20

#endif /* GRAPHICS_RASTPORT_H */
