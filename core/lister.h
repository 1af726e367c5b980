// core/lister.h: the Lister: everything one lister owns from start-up to quit, and the operations on it.
#ifndef CORE_LISTER_H
#define CORE_LISTER_H

#include "buffer_set.h"
#include <ui/copy_check_dialog.h>
#include <ui/dialog.h>
#include <ui/requester.h>
#include "menu_strip.h"
#include "scroll_gadgets.h"
#include "screen_metrics.h"
#include "variant.h"
#include "window_geometry.h"

#include <dos/dos.h>
#include <exec/libraries.h>
#include <exec/ports.h>

#include <lister/bitmap_canvas.h>
#include <lister/buffer_canvas.h>
#include <lister/date_format.h>
#include <lister/entry_buffer.h>
#include <lister/glyph_engine.h>
#include <lister/gradient.h>
#include <lister/history.h>
#include <lister/layout.h>
#include <lister/present.h>
#include <lister/scroll.h>
#include <settings/config_record.h>

// The libraries a lister opens, in the order it opens them.
enum ListerLibrary : ULONG {
    LibraryDos,
    LibraryIntuition,
    LibraryGraphics,
    LibraryCyberGraphics,
    LibraryWorkbench,
    LibraryAsl,
    LibraryCount
};

// The three file requesters.
enum ListerRequester : ULONG {
    RequesterOpen,
    RequesterOpenWith,
    RequesterDestination,
    RequesterCount
};

// The last click on a line, for recognising a double-click.
struct ClickMemory {
    BOOL valid = FALSE;
    ULONG row = 0;
    ULONG seconds = 0;
    ULONG micros = 0;
};

// One lister. Nothing a lister owns lives anywhere else: two listers run as
// two tasks in one address space, each with its own Lister.
struct Lister {
    const ProgramVariant *variant = nullptr;

    struct Library *libraries[LibraryCount] = {};
    APTR requesters[RequesterCount] = {};        // struct FileRequester * of asl.library
    CONST_STRPTR openWithDrawer = "SYS:";        // initial drawer of "Open with"
    struct MsgPort *sharedPort = nullptr;        // the lister window's port, across reopenings
    struct MsgPort *partnerPort = nullptr;       // the other lister's port (dual build): its messages reply there
    struct Image *frameImages[2] = {};           // button frames of the dialogs
    struct Screen *screen = nullptr;             // the default public screen, locked while we run
    struct DrawInfo *drawInfo = nullptr;
    struct TextFont *font = nullptr;
    ScreenMetrics metrics;
    LONG pens[2] = {-1, -1};                     // inactive and active string field backgrounds
    BPTR consoleHandle = 0;                      // input of the next asynchronous command
    BPTR startDirectory = 0;                     // the current directory at start (not ours to unlock)
    BPTR userMenuOutput = 0;                     // output window of the last synchronous user-menu command

    ConfigRecord config;
    BufferSet buffers;
    GlyphSet glyphs;
    DateRequest dates;
    ULONG dateWidth = 0;
    GradientTable listerGradient = {};
    GradientTable *windowGradient = nullptr;     // BufferSet entry 4
    EntryBuffer entries;
    HistoryList history;
    RenderTarget statusStrip;
    DirectBitMap direct;
    // Where the list is drawn: one of the two canvases, as the variant says.
    BufferCanvas bufferCanvas;
    BitMapCanvas bitmapCanvas;
    ListerCanvas *canvas = &bufferCanvas;
    ULONG viewerNameAt = 0;                      // where the name goes in the ViewerCommand
    STRPTR destination = nullptr;                // BufferSet entry 6

    ListerLayout layout;
    ListerView view;
    ListerGeometry geometry;
    ListerWindowSpec windowSpec;
    ScrollGadgets gadgets;
    struct Window *window = nullptr;
    ListerMenus menus;
    DialogToolkit dialogs;
    CopyCheckLayout copyCheck;                   // "Copy checking", laid out at its first opening
    ClickMemory click;
    ULONG doubleClickSeconds = 0;                // from the preferences
    ULONG doubleClickMicros = 0;

    BOOL quit = FALSE;
    LONG returnCode = 0;
    BOOL partnerReread = FALSE;                  // the partner asked for a re-read (dual build)
    ULONG settingsSeen = 0;                      // lister 2: the change of lister 1's settings it follows

    ListerHeader &Header() const { return *entries.Header(); }
    STRPTR Path() const { return entries.Header()->path; }
    // Requesters of this lister belong to its window.
    RequestContext Requests() const { return {window, metrics.ySize}; }
    // The RenderBitmap of the drawer shown: what selections invert.
    RenderTarget Bitmap() const { return canvas->Picture(); }
    // Whether the BufferSet has the "Bitmap" buffer (the lister is drawn in it).
    BOOL HasBitmapBuffer() const { return variant->rendering == ListerRendering::Buffer; }
};

#endif /* CORE_LISTER_H */
