// lister/canvas.h: ListerCanvas: where a lister's picture is drawn and how it reaches the window.
#ifndef LISTER_CANVAS_H
#define LISTER_CANVAS_H

#include "pixels.h"
#include "present.h"
#include "scroll.h"

#include <graphics/rastport.h>

// The one place where the programs differ in showing a lister. Kestrovane
// draws into its "Bitmap" buffer (0, red, green, blue) and copies the
// visible part to the window with WritePixelArray (BufferCanvas);
// KestrovaneBMBGRA draws straight into a graphics bitmap in the screen's
// BGRA32 format and blits it (BitMapCanvas). Layout, lines, selection and
// scrolling draw into whatever RenderTarget the canvas gives, in its order.
class ListerCanvas {
public:
    virtual ~ListerCanvas() = default;

    // The order of the pixels of this canvas's pictures: what the lister's
    // gradient table and text colours are built for.
    virtual PixelOrder Order() const = 0;

    // The most bytes a picture may take; LayoutLister cuts its layout to
    // this before it asks for the picture.
    virtual ULONG Capacity() const = 0;

    // Gives up the previous picture and makes room for one of `width` ×
    // `height` pixels whose lines are `lineHeight` rows high. The result is
    // the target to draw in: the size asked, or when memory is short fewer
    // rows (whole lines), down to a height of 0 when not one line can be
    // had. Its stride may be more than 4 × width.
    virtual RenderTarget Prepare(ULONG width, ULONG height, ULONG lineHeight) = 0;

    // The picture of the last Prepare; empty (height 0) when there is none.
    virtual RenderTarget Picture() const = 0;

    // Gives the picture's memory back, where it has any of its own.
    // Picture() is empty afterwards.
    virtual void Release() = 0;

    // Copies the visible list (the picture from ScrollLeft, ScrollTop, inner
    // width × V, cut to the picture) to the window below the status line.
    virtual void PresentList(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view) const = 0;

    // After a highlight: copies only the rows of line `line` the viewport shows.
    virtual void PresentLine(struct RastPort *rp, const ListerGeometry &geometry, const ListerView &view, ULONG line,
                             ULONG lineHeight) const = 0;

    // The end of the "To little memory for bitmap" requester's second line
    // when a picture holds fewer lines than the drawer: how to get more.
    virtual CONST_STRPTR ShortageAdvice() const = 0;
};

#endif /* LISTER_CANVAS_H */
