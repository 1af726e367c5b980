/* proto/graphics.h: the graphics library's functions. */
#ifndef PROTO_GRAPHICS_H
#define PROTO_GRAPHICS_H

#include <graphics/gfx.h>
#include <graphics/gfxbase.h>
#include <graphics/rastport.h>
#include <graphics/text.h>
#include <graphics/clip.h>
#include <graphics/layers.h>
#include <graphics/view.h>
#include <graphics/displayinfo.h>
#include <utility/tagitem.h>
#include <proto/hosted_tags.h>

/* Coordinates are LONGs; on this host their full range is honoured (chunky
   bitmaps may be taller than 32767 rows). Every drawing call is clipped to
   the rastport's bitmap and, when the rastport has a layer, to the layer's
   size; nothing is ever written outside a bitmap. */

/* --- Bitmaps -------------------------------------------------------------- */

/* Allocates a bitmap of width x height pixels. Depth 1..8 gives a planar
   bitmap whose plane rows are a multiple of 16 bytes (so they can be read
   as aligned 32-bit words); depth above 8 (24, 32), or depth 2..8 with a
   chunky friend, gives a chunky 32-bit bitmap in the friend's pixel format
   (PIXFMT_BGRA32 without one, or the format given with BMF_SPECIALFMT |
   SHIFT_PIXFMT(fmt)). Depth 1 is always planar (masks, templates).
   BMF_CLEAR zeroes the pixels. NULL when the size or depth is invalid, a
   planar bitmap would not fit its 16-bit fields, or memory is short (the
   memory is the program's: exec's failure switch applies). */
struct BitMap *AllocBitMap(ULONG sizex, ULONG sizey, ULONG depth, ULONG flags,
                           const struct BitMap *friend_bitmap);
void FreeBitMap(struct BitMap *bm);   /* NULL is ignored */

/* BMA_WIDTH (pixels), BMA_HEIGHT (rows), BMA_DEPTH (bits a pixel),
   BMA_FLAGS (BMF_DISPLAYABLE, BMF_INTERLEAVED, BMF_STANDARD); 0 for an
   unknown attribute. */
ULONG GetBitMapAttr(const struct BitMap *bm, ULONG attrnum);

/* Fills in a planar bitmap header; the planes are the caller's to set. */
void InitBitMap(struct BitMap *bm, BYTE depth, UWORD width, UWORD height);

/* One bit plane of RASSIZE(width, height) bytes; NULL when memory is short. */
PLANEPTR AllocRaster(ULONG width, ULONG height);
void FreeRaster(PLANEPTR p, ULONG width, ULONG height);

/* Clears memory, or with flags bit 2 fills it with the upper 16 bits of
   flags; with flags bit 1 byteCount is rows << 16 | bytes per row. */
void BltClear(APTR memBlock, ULONG byteCount, ULONG flags);

/* --- Rastports ------------------------------------------------------------ */

/* Sets a rastport to its defaults: no bitmap, no layer, no font, pen 1 on
   pen 0, JAM2, all planes writable, solid lines. */
void InitRastPort(struct RastPort *rp);
void SetAPen(struct RastPort *rp, ULONG pen);
void SetBPen(struct RastPort *rp, ULONG pen);
void SetOutlinePen(struct RastPort *rp, ULONG pen);
void SetDrMd(struct RastPort *rp, ULONG drawMode);
void SetABPenDrMd(struct RastPort *rp, ULONG frontPen, ULONG backPen, ULONG drawMode);
ULONG GetAPen(struct RastPort *rp);
ULONG GetBPen(struct RastPort *rp);
ULONG GetOutlinePen(struct RastPort *rp);
ULONG GetDrMd(struct RastPort *rp);
void SetWriteMask(struct RastPort *rp, ULONG mask);

/* --- Drawing -------------------------------------------------------------- */

/* Pens: on a planar bitmap a pen is the bit pattern written into the
   planes (plane i gets bit i). On a chunky bitmap a pen is looked up in
   the colour map attached to the bitmap (intuition attaches the screen's);
   a bitmap without one uses the default palette: 0 grey 0xAAAAAA, 1 black,
   2 white, 3 blue 0x6688BB, 4..7 grey 0x999999, 0xBBBBBB, 0xBBAA99,
   0xFFAA22, the rest 0x000000. COMPLEMENT inverts the pixels (all bits
   of a chunky pixel's red, green and blue). */

void Move(struct RastPort *rp, LONG x, LONG y);
void Draw(struct RastPort *rp, LONG x, LONG y);               /* line to x,y in APen */
void PolyDraw(struct RastPort *rp, LONG count, const WORD *polyTable);
void RectFill(struct RastPort *rp, LONG xMin, LONG yMin, LONG xMax, LONG yMax);
LONG WritePixel(struct RastPort *rp, LONG x, LONG y);           /* 0, or -1 when clipped */
/* The pen of a pixel; on a chunky bitmap the lowest pen of the colour map
   with exactly that colour. -1 outside the bitmap or when no pen matches. */
LONG ReadPixel(struct RastPort *rp, LONG x, LONG y);
void SetRast(struct RastPort *rp, ULONG pen);                    /* whole bitmap */
/* Fills with the layer's backfill (pen 0, or nothing with LAYERS_NOBACKFILL). */
void EraseRect(struct RastPort *rp, LONG xMin, LONG yMin, LONG xMax, LONG yMax);
/* Moves the rectangle's contents by -dx,-dy and fills what is uncovered
   with BPen. */
void ScrollRaster(struct RastPort *rp, LONG dx, LONG dy, LONG xMin, LONG yMin, LONG xMax, LONG yMax);

/* --- Blits ---------------------------------------------------------------- */

/* Minterms work on the bits of the pixels (the planes of a planar bitmap,
   all 32 bits of a chunky pixel): 0xC0 copies, 0x30 copies inverted, 0x50
   inverts the destination, 0x60 exclusive-or, 0x80 and, 0xE0 or, 0x00
   clears, 0xF0 sets. Between planar and chunky bitmaps pixels go through
   the destination's pens (planar to chunky) or the nearest pen of the
   default palette (chunky to planar). */

/* Copies a rectangle between bitmaps (they may be the same; overlap is
   handled). Returns the number of planes blitted (1 for chunky), 0 when
   nothing was copied. */
LONG BltBitMap(const struct BitMap *srcBitMap, LONG xSrc, LONG ySrc, struct BitMap *destBitMap,
               LONG xDest, LONG yDest, LONG xSize, LONG ySize, ULONG minterm, ULONG mask,
               PLANEPTR tempA);
/* The same into a rastport (clipped to its layer, damage reported). */
void BltBitMapRastPort(const struct BitMap *srcBitMap, LONG xSrc, LONG ySrc,
                       struct RastPort *destRP, LONG xDest, LONG yDest, LONG xSize,
                       LONG ySize, ULONG minterm);
void ClipBlit(struct RastPort *srcRP, LONG xSrc, LONG ySrc, struct RastPort *destRP,
              LONG xDest, LONG yDest, LONG xSize, LONG ySize, ULONG minterm);
/* Draws a one-bit template (rows of srcMod bytes, starting xSrc bits into
   each row) in the rastport's pens and mode, as Text draws glyphs. */
void BltTemplate(const PLANEPTR source, LONG xSrc, LONG srcMod, struct RastPort *destRP,
                 LONG xDest, LONG yDest, LONG xSize, LONG ySize);

/* --- Text ----------------------------------------------------------------- */

/* Opens a font by its attributes. "test.font" is the built-in font the
   tests use (any size gives its 12 rows); any other name "Family.font" is
   looked up through fontconfig with ta_YSize as its pixel size, and is
   also found again by the tf_YSize it opened with. The screen font
   (KESTROVANE_FONT) is always open. NULL when no installed font has that
   family. Each OpenFont is paired with a CloseFont. */
struct TextFont *OpenFont(const struct TextAttr *textAttr);
void CloseFont(struct TextFont *textFont);   /* NULL is ignored */

/* Sets the rastport's font and its text metrics fields. */
LONG SetFont(struct RastPort *rp, const struct TextFont *textFont);
/* The attributes of the rastport's font (ta_YSize is its tf_YSize). */
void AskFont(struct RastPort *rp, struct TextAttr *textAttr);
ULONG SetSoftStyle(struct RastPort *rp, ULONG style, ULONG enable);
ULONG AskSoftStyle(struct RastPort *rp);

/* Draws count characters at the current position (its y is the baseline
   row) and advances cp_x by their width. JAM1 sets only the glyphs' pixels
   in APen; JAM2 also fills each character's advance x tf_YSize box with
   BPen; COMPLEMENT inverts the glyphs' pixels; INVERSVID swaps the roles of
   glyph and background. A rastport without a font uses the screen font. */
LONG Text(struct RastPort *rp, CONST_STRPTR string, ULONG count);
/* The width in pixels that Text would advance (the sum of the advances). */
WORD TextLength(struct RastPort *rp, CONST_STRPTR string, ULONG count);
void TextExtent(struct RastPort *rp, CONST_STRPTR string, ULONG count, struct TextExtent *textExtent);
/* How many characters fit into the constraining extent (or width/height
   when constrainingExtent is NULL); fills textExtent for them. */
ULONG TextFit(struct RastPort *rp, CONST_STRPTR string, ULONG strLen,
              struct TextExtent *textExtent, const struct TextExtent *constrainingExtent,
              LONG strDirection, ULONG constrainingBitWidth, ULONG constrainingBitHeight);

/* --- Colour maps and pens ------------------------------------------------- */

/* A colour map of `entries` (1..256) colours, all black and free. NULL on
   a bad count or when memory is short. */
struct ColorMap *GetColorMap(LONG entries);
void FreeColorMap(struct ColorMap *colorMap);   /* NULL is ignored */

/* Colours are 32-bit left-justified components (0xFFFFFFFF full). */
void SetRGB32(struct ViewPort *vp, ULONG n, ULONG r, ULONG g, ULONG b);
void SetRGB32CM(struct ColorMap *cm, ULONG n, ULONG r, ULONG g, ULONG b);
/* Each colour's three components into table (3 ULONGs a colour). */
void GetRGB32(const struct ColorMap *cm, ULONG firstcolor, ULONG ncolors, ULONG *table);
/* Table: (count << 16 | first), then 3 ULONGs a colour, ended by a 0 count. */
void LoadRGB32(struct ViewPort *vp, const ULONG *table);

/* Obtains pen n (or any free pen with n = -1) for exclusive use
   (PENF_EXCLUSIVE) or sharing, setting its colour unless PENF_NO_SETCOLOR.
   Returns the pen, or -1 when it is taken or no pen is free. */
LONG ObtainPen(struct ColorMap *cm, ULONG n, ULONG r, ULONG g, ULONG b, LONG flags);
/* The shared pen nearest to r,g,b: the closest colour among the pens
   already shared, if it lies within OBP_Precision (default
   PRECISION_IMAGE); else a free pen set to that colour; else (unless
   OBP_FailIfBad is true) the nearest shared pen anyway. -1 when none. */
LONG ObtainBestPenA(struct ColorMap *cm, ULONG r, ULONG g, ULONG b, const struct TagItem *tags);
/* Releases one use of a pen got from ObtainPen or ObtainBestPenA. */
void ReleasePen(struct ColorMap *cm, ULONG n);
/* The pen (up to maxpen, -1 = all) whose colour is nearest to r,g,b. */
LONG FindColor(struct ColorMap *cm, ULONG r, ULONG g, ULONG b, LONG maxpen);

#ifdef __cplusplus
template <typename... Args>
inline LONG ObtainBestPen(struct ColorMap *cm, ULONG r, ULONG g, ULONG b, Args... tags)
{
    hosted_tags::List<Args...> list(tags...);
    return ObtainBestPenA(cm, r, g, b, list.items);
}
#endif

/* --- The display beam ------------------------------------------------------ */

/* Waits for the top of the next frame (this host's displays run at 60
   frames a second). A task that polls the pointer or a gadget calls it
   between looks, so that it neither misses a frame nor spins. */
void WaitTOF(void);

#endif /* PROTO_GRAPHICS_H */
