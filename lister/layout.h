// lister/layout.h: LayoutLister: the lister's columns, the RenderBitmap's size, and drawing it all.
#ifndef LISTER_LAYOUT_H
#define LISTER_LAYOUT_H

#include "canvas.h"
#include "date_format.h"
#include "entry_buffer.h"
#include "glyph_engine.h"
#include "gradient.h"
#include "pixels.h"

#include <settings/config_record.h>

// The RenderBitmap's width limits.
constexpr ULONG ListerMinWidth = 256;
constexpr ULONG ListerMaxWidth = 8191;
constexpr ULONG ListerMinHeight = 256;
constexpr ULONG TimeColumnWidth = 9;        // an 8-character time and a blank
constexpr ULONG ProtectionColumnWidth = 9;  // 8 flags and a blank

// Column widths in characters (units of the font's nominal width).
struct ListerColumns {
    ULONG name = 0;        // longest name + "Extra space filename:" (from ReadDrawer)
    ULONG size = 0;        // digits of the largest file size + 1
    ULONG date = 0;        // MeasureDateWidth
    ULONG time = TimeColumnWidth;
    ULONG protection = 0;  // 9 with "Status and comment:" on, else 0
    ULONG comment = 0;     // longest comment + 1, 0 without comments or with the columns off

    ULONG Total() const { return name + size + date + time + protection + comment; }
};

// The geometry of one laid-out drawer.
struct ListerLayout {
    ListerColumns columns;
    ULONG width = 0;          // W, pixels
    ULONG height = 0;         // H, rows
    ULONG stride = 0;         // bytes per row: 4 × W, or the picture's when LayoutLister drew one
    ULONG lineHeight = 0;     // Y
    ULONG lineCount = 0;      // lines of the drawer (drawers + files)
    ULONG linesDrawn = 0;     // lines the RenderBitmap holds: lineCount, unless it was too small
    BOOL bitmapTooSmall = FALSE;  // some lines did not fit: the caller says "To little memory for bitmap"
    BOOL statusAndComment = FALSE;

    // The laid-out part of the "Bitmap" buffer as a drawing target.
    RenderTarget Bitmap(UBYTE *bitmapBase) const { return RenderTarget{bitmapBase, stride, width, height}; }
};

// Everything the lister is drawn with, owned by the lister instance.
struct ListerDrawing {
    const GlyphSet *glyphs = nullptr;
    const GradientTable *listerGradient = nullptr;  // background of the list, built in the canvas's order
    const GradientTable *windowGradient = nullptr;  // its first colour is the status line's background
    DateRequest *dates = nullptr;
    ULONG dateWidth = 0;             // MeasureDateWidth
    ListerCanvas *canvas = nullptr;  // where the RenderBitmap is
    RenderTarget statusStrip;        // the StatusStrip: width = its stride / 4, status height rows
};

// The geometry alone (no drawing): columns from the header's widths, the
// date width and "Status and comment:" (the HideStatusAndComment byte
// inverted); W = total × X + 2 within 256 … 8191; H = lines × Y, at least
// 256. When W × H × 4 passes `bitmapSize`, H is cut to the whole lines that
// fit (and to at least 256 rows where the buffer has them), linesDrawn says
// how many lines those are and bitmapTooSmall is set. A buffer that cannot
// hold a single row gives H = 0.
ListerLayout ComputeListerLayout(const ListerHeader &header, const ConfigRecord &config, ULONG nominalWidth,
                                 ULONG lineHeight, ULONG dateWidth, ULONG bitmapSize);

// Keeps to the first `rows` rows of a layout: the whole lines in them are
// drawn, and bitmapTooSmall is set when that is fewer than the drawer's.
void CutListerLayout(ListerLayout &layout, ULONG rows);

// Lays out the drawer just read and sorted and draws it: the layout is cut
// to the canvas's capacity, the canvas prepares the RenderBitmap (and may
// give fewer rows, CutListerLayout), which is filled with the lister
// gradient; the status line is composed (every entry counted, drawn or
// not) and the lines that fit are drawn (RenderListerLines) in the
// configured colours, in the canvas's pixel order. Returns the layout;
// bitmapTooSmall tells the caller to show "To little memory for bitmap"
// with the button "OK".
ListerLayout LayoutLister(const ListerDrawing &drawing, const EntryBuffer &entries, const ConfigRecord &config);

#endif /* LISTER_LAYOUT_H */
