/* graphics/clip.h: layers (the drawing areas of windows) and their clip rectangles. */
#ifndef GRAPHICS_CLIP_H
#define GRAPHICS_CLIP_H

#include <graphics/gfx.h>
#include <utility/hooks.h>

struct RastPort;
struct Region;
struct Layer_Info;

struct ClipRect {
    struct ClipRect *Next;
    struct ClipRect *prev;
    struct Layer *lobs;
    struct BitMap *BitMap;
    struct Rectangle bounds;
    APTR vlink;
    struct Layer_Info *home;
    APTR reserved;
    LONG Flags;
};

/* A layer: the drawing area of one window, kept by intuition.

   On this host every layer draws into a backing bitmap of its own, the
   BitMap of its rastport, whose pixel (0,0) is the layer's top-left corner.
   bounds give the layer's place on the screen (screen coordinates, MaxX and
   MaxY inclusive) and so its size: graphics clips every drawing call into
   the layer's rastport to 0..Width-1 x 0..Height-1 as well as to the bitmap.
   Width and Height are kept equal to the size of bounds. The layers of one
   screen are linked front to back through front/back. */
struct Layer {
    struct Layer *front, *back;
    struct ClipRect *ClipRect;
    struct RastPort *rp;
    struct Rectangle bounds;
    UBYTE reserved[4];
    UWORD priority;
    UWORD Flags;                    /* LAYERSIMPLE ... (graphics/layers.h) */
    struct BitMap *SuperBitMap;
    struct ClipRect *SuperClipRect;
    APTR Window;                    /* the struct Window owning the layer */
    WORD Scroll_X, Scroll_Y;
    struct ClipRect *cr, *cr2, *crnew;
    struct ClipRect *SuperSaveClipRects;
    struct ClipRect *_cliprects;
    struct Layer_Info *LayerInfo;
    APTR LockPrivate;               /* host: the layer's lock, kept by intuition */
    struct Hook *BackFill;          /* LAYERS_BACKFILL, LAYERS_NOBACKFILL or a hook */
    ULONG reserved1;
    struct Region *ClipRegion;
    struct Region *saveClipRects;
    WORD Width, Height;
    UBYTE reserved2[18];
    struct Region *DamageList;
};

#define CR_NEEDS_NO_CONCEALED_RASTERS 1
#define CR_NEEDS_NO_LAYERBLIT_DAMAGE 2

#define ISLESSX 1
#define ISLESSY 2
#define ISGRTRX 4
#define ISGRTRY 8

#endif /* GRAPHICS_CLIP_H */
