/* graphics/view.h: viewports, colour maps, pen sharing and display modes. */
#ifndef GRAPHICS_VIEW_H
#define GRAPHICS_VIEW_H

#include <graphics/gfx.h>
#include <utility/tagitem.h>

struct ViewPortExtra;
struct PaletteExtra;
struct CopList;
struct UCopList;
struct cprlist;

/* A colour map of Count entries (at most 256 on this host).

   Where this host differs: ColorTable points to Count ULONGs 0x00RRGGBB,
   eight bits a gun (the colours SetRGB32 gave, cut to their top eight
   bits); LowColorBits is unused. PalExtra is private: it holds the
   allocation state of each pen for ObtainPen/ObtainBestPenA/ReleasePen. */
struct ColorMap {
    UBYTE Flags;
    UBYTE Type;
    UWORD Count;
    APTR ColorTable;
    struct ViewPortExtra *cm_vpe;
    APTR LowColorBits;
    UBYTE TransparencyPlane;
    UBYTE SpriteResolution;
    UBYTE SpriteResDefault;
    UBYTE AuxFlags;
    struct ViewPort *cm_vp;
    APTR NormalDisplayInfo;
    APTR CoerceDisplayInfo;
    struct TagItem *cm_batch_items;
    ULONG VPModeID;
    struct PaletteExtra *PalExtra;
    UWORD SpriteBase_Even;
    UWORD SpriteBase_Odd;
    UWORD Bp_0_base;
    UWORD Bp_1_base;
};

#define COLORMAP_TYPE_V1_2 0x00
#define COLORMAP_TYPE_V1_4 0x01
#define COLORMAP_TYPE_V36 COLORMAP_TYPE_V1_4
#define COLORMAP_TYPE_V39 0x02

struct RasInfo {
    struct RasInfo *Next;
    struct BitMap *BitMap;
    WORD RxOffset, RyOffset;
};

struct ViewPort {
    struct ViewPort *Next;
    struct ColorMap *ColorMap;
    struct CopList *DspIns;
    struct CopList *SprIns;
    struct CopList *ClrIns;
    struct UCopList *UCopIns;
    WORD DWidth, DHeight;
    WORD DxOffset, DyOffset;
    UWORD Modes;
    UBYTE SpritePriorities;
    UBYTE ExtendedModes;
    struct RasInfo *RasInfo;
};

struct View {
    struct ViewPort *ViewPort;
    struct cprlist *LOFCprList;
    struct cprlist *SHFCprList;
    WORD DyOffset, DxOffset;
    UWORD Modes;
};

/* ViewPort Modes */
#define GENLOCK_VIDEO 0x0002
#define LACE 0x0004
#define DOUBLESCAN 0x0008
#define SUPERHIRES 0x0020
#define PFBA 0x0040
#define EXTRA_HALFBRITE 0x0080
#define GENLOCK_AUDIO 0x0100
#define DUALPF 0x0400
#define HAM 0x0800
#define EXTENDED_MODE 0x1000
#define VP_HIDE 0x2000
#define SPRITES 0x4000
#define HIRES 0x8000

/* ObtainPen() flags */
#define PENB_EXCLUSIVE 0
#define PENB_NO_SETCOLOR 1
#define PENF_EXCLUSIVE (1L << PENB_EXCLUSIVE)
#define PENF_NO_SETCOLOR (1L << PENB_NO_SETCOLOR)

/* ObtainBestPenA() tags */
#define OBP_Precision 0x84000000
#define OBP_FailIfBad 0x84000001

/* OBP_Precision values: how close a shared pen must be */
#define PRECISION_EXACT -1
#define PRECISION_IMAGE 0
#define PRECISION_ICON 16
#define PRECISION_GUI 32

#endif /* GRAPHICS_VIEW_H */
