// tools/multiview/scrollers.h: the viewer window's scrollers and arrow buttons in its right and bottom borders.
#ifndef MULTIVIEW_SCROLLERS_H
#define MULTIVIEW_SCROLLERS_H

#include <intuition/intuition.h>

namespace hosted::multiview {

// The border gadgets by GA_ID; the views' own gadgets have larger ones.
enum ScrollerId : UWORD {
    IdVertical = 1,
    IdUp = 2,
    IdDown = 3,
    IdHorizontal = 4,
    IdLeft = 5,
    IdRight = 6,
    IdFirstFree = 100,
};

// The six gadgets and the four arrow images they show.
class Scrollers {
public:
    Scrollers() = default;
    ~Scrollers();
    Scrollers(const Scrollers &) = delete;
    Scrollers &operator=(const Scrollers &) = delete;

    // Makes them for a window of the screen with this DrawInfo, whose
    // sizing gadget gives right and bottom borders of sizeWidth and
    // sizeHeight and whose top and left borders are given: the vertical
    // scroller between the title bar and the up and down arrows above the
    // sizing gadget, the horizontal one from the left border to the left
    // and right arrows. The scrollers tell the window of every move of
    // their knob (IDCMP_IDCMPUPDATE with PGA_Top, while it moves). Arrows
    // answer IDCMP_GADGETDOWN and IDCMP_GADGETUP. False when one cannot
    // be made (nothing is kept then).
    bool Create(struct DrawInfo *drawInfo, LONG topBorder, LONG leftBorder, LONG sizeWidth, LONG sizeHeight);

    // The first of the chain, for WA_Gadgets; NULL before Create.
    struct Gadget *First() const { return gadgets_[0]; }

    // Sets a scroller's range. Values are kept below 2^31: larger ones are
    // scaled down, and PropTop turns a scroller's PGA_Top back into a unit.
    void Set(struct Window *window, UWORD id, UQUAD total, UQUAD visible, UQUAD top);
    // Records a range the scroller shows already (its knob was moved by
    // the person), so that Set leaves the knob alone for it.
    void Note(UWORD id, UQUAD total, UQUAD visible, UQUAD top);
    UQUAD PropTop(UWORD id, ULONG shownTop) const;

    // The arrow gadget of an id, or NULL.
    struct Gadget *Gadget(UWORD id) const;

private:
    void Dispose();

    enum { Count = 6 };
    struct Gadget *gadgets_[Count] = {};   // by id - 1
    struct Image *images_[4] = {};
    unsigned shift_[Count] = {};
    UQUAD shown_[Count][3] = {};           // total, visible and top last set
};

}  // namespace hosted::multiview

#endif  // MULTIVIEW_SCROLLERS_H
