/* graphics/layers.h: layer flags, the layer info and the backfill hook values. */
#ifndef GRAPHICS_LAYERS_H
#define GRAPHICS_LAYERS_H

#include <graphics/clip.h>
#include <exec/lists.h>

/* Layer Flags */
#define LAYERSIMPLE 1
#define LAYERSMART 2
#define LAYERSUPER 4
#define LAYERUPDATING 0x10
#define LAYERBACKDROP 0x40
#define LAYERREFRESH 0x80
#define LAYER_CLIPRECTS_LOST 0x100
#define LAYERIREFRESH 0x200
#define LAYERIREFRESH2 0x400

#define BACKDROP LAYERBACKDROP

#define NEWLAYERINFO_CALLED 1

/* Special values of Layer.BackFill and WA_BackFill: fill with pen 0 (the
   default), or leave the pixels as they are. */
#define LAYERS_BACKFILL ((struct Hook *)0)
#define LAYERS_NOBACKFILL ((struct Hook *)1)

struct Layer_Info {
    struct Layer *top_layer;
    APTR resPtr1;
    APTR resPtr2;
    struct ClipRect *FreeClipRects;
    struct Rectangle bounds;
    APTR LockPrivate;
    struct MinList gs_Head;
    WORD PrivateReserve3;
    APTR PrivateReserve4;
    UWORD Flags;
    BYTE res_count;
    BYTE LockLayersCount;
    WORD PrivateReserve5;
    APTR BlankHook;
    APTR resPtr5;
};

/* The message a backfill hook receives with the layer as its object. */
struct BackFillMessage {
    struct Layer *Layer;
    struct Rectangle Bounds;
    LONG OffsetX;
    LONG OffsetY;
};

#endif /* GRAPHICS_LAYERS_H */
