// hosted/graphics.h: what graphics offers intuition and the display backends: chunky bitmaps, pens, layer hooks, the screen font.
#ifndef HOSTED_GRAPHICS_H
#define HOSTED_GRAPHICS_H

#include <cybergraphx/cybergraphics.h>
#include <graphics/clip.h>
#include <graphics/gfx.h>
#include <graphics/rastport.h>
#include <graphics/text.h>
#include <graphics/view.h>

#include <cstddef>
#include <string>

namespace hosted {

// --- Chunky bitmaps --------------------------------------------------------

// The record behind every chunky (32-bit) bitmap. The BitMap comes first,
// so a struct BitMap * of a chunky bitmap is also its ChunkyBitMap *; use
// ChunkyOf to tell the two kinds apart. The BitMap's BytesPerRow and Rows
// saturate at 65535; width, height and bytesPerRow here are the true ones.
// Planes[0] holds the pixel base as well.
struct ChunkyBitMap {
    struct BitMap bitMap{};
    UBYTE *pixels = nullptr;          // row 0, column 0; rows bytesPerRow apart
    LONG width = 0;
    LONG height = 0;
    LONG bytesPerRow = 0;             // a multiple of 16, at least 4 * width
    ULONG pixelFormat = PIXFMT_BGRA32;// PIXFMT_BGRA32, PIXFMT_ARGB32 or PIXFMT_RGBA32
    struct ColorMap *colorMap = nullptr;  // pens of drawing calls; nullptr: the default palette
    bool watched = false;             // report drawing through the layer hooks even without a layer
    std::size_t capacity = 0;         // bytes allocated at pixels
    bool systemMemory = false;        // pixels from AllocVec (a program's bitmap)
};

// The chunky record of a bitmap, or nullptr for a planar one (or nullptr).
ChunkyBitMap *ChunkyOf(const struct BitMap *bitMap);

// Allocates a chunky bitmap in a 32-bit format (PIXFMT_BGRA32 for the
// screen); with `clear` its pixels are 0. nullptr when a size is not
// positive, the format is not one of the three 32-bit ones, or memory is
// short. Free it with FreeBitMap.
struct BitMap *AllocChunkyBitMap(LONG width, LONG height, ULONG pixelFormat, bool clear);

// Changes a chunky bitmap's size in place (the BitMap record keeps its
// address: a window's rastport keeps pointing at it). Pixels of the part
// both sizes share keep their values; new pixels are filled with `fill`
// (0x00RRGGBB). Memory is only reallocated when the bitmap grows past what
// it has. False (bitmap unchanged) on a bad size or when memory is short.
// The caller makes sure no other task draws into it meanwhile (the layer
// lock below).
bool ResizeChunkyBitMap(struct BitMap *bitMap, LONG width, LONG height, ULONG fill);

// Attaches a colour map to a chunky bitmap: its pens are drawn in that
// map's colours from then on (nullptr: the default palette). The map must
// outlive the attachment. Ignored for planar bitmaps.
void SetBitMapColorMap(struct BitMap *bitMap, struct ColorMap *colorMap);

// The colour 0x00RRGGBB that `pen` draws on this bitmap (its colour map or
// the default palette).
ULONG PenColor(const struct BitMap *bitMap, ULONG pen);

// The default palette, for bitmaps without a colour map (see
// proto/graphics.h for its colours).
ULONG DefaultPenColor(ULONG pen);

// Packs 0x00RRGGBB into a pixel of the format (alpha 0xFF) and back.
ULONG EncodePixel(ULONG pixelFormat, ULONG rgb);
ULONG DecodePixel(ULONG pixelFormat, ULONG pixel);

// --- Layers ------------------------------------------------------------------

// Intuition's part in every drawing call. For a rastport that has a Layer
// (and for any rastport or blit whose destination bitmap is `watched`)
// graphics calls, from the drawing task:
//   lock(layer, bitMap)      before it touches the pixels,
//   damage(layer, bitMap, r) with the rectangle it changed (inclusive, in
//                            the bitmap's own coordinates, already clipped),
//                            only when something was drawn,
//   unlock(layer, bitMap)    afterwards.
// layer is nullptr for a watched bitmap drawn without a layer. The hooks
// may be called again from within a hook's own drawing (intuition drawing a
// frame), so the lock must be recursive. Any hook may be nullptr.
struct LayerHooks {
    void (*lock)(struct Layer *layer, struct BitMap *bitMap) = nullptr;
    void (*unlock)(struct Layer *layer, struct BitMap *bitMap) = nullptr;
    void (*damage)(struct Layer *layer, struct BitMap *bitMap, const struct Rect32 *rect) = nullptr;
};

// Installs the hooks (once, at intuition's start; later calls replace them).
void SetLayerHooks(const LayerHooks &hooks);

// --- Fonts -------------------------------------------------------------------

// The screen font, chosen by KESTROVANE_FONT ("test", or a fontconfig
// pattern "Family:size"; default "DejaVu Sans Mono:13"). Opened on first
// use and kept open for the life of the process; a font that cannot be
// found falls back to the test font with a message on stderr. The same
// object is returned every time: intuition uses it for screens (the
// screen's Font, dri_Font) and draws with it, so programs measure what is
// drawn. Callers that hand it to programs as an opened font call
// OpenFont(&ScreenFontAttr()) so the program's CloseFont balances.
struct TextFont *ScreenFont();
const struct TextAttr &ScreenFontAttr();

// The built-in deterministic font ("test.font", 12 rows), always present.
struct TextFont *TestFont();

// Measures text in a font before there is a window to draw it in: what
// the layout of requesters and information windows asks. A null font
// measures as a fresh rastport draws (the screen font).
class TextMeasure {
public:
    explicit TextMeasure(struct TextFont *font);
    // The width of `text` in pixels, as TextLength gives it; 0 for "".
    LONG Width(const std::string &text);

private:
    struct RastPort rp_;
};

}  // namespace hosted

#endif  // HOSTED_GRAPHICS_H
