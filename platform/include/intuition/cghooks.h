/* intuition/cghooks.h: what intuition tells a custom gadget about its surroundings. */
#ifndef INTUITION_CGHOOKS_H
#define INTUITION_CGHOOKS_H

#include <intuition/intuition.h>

/* Built by intuition for every method call on a gadget in a window. */
struct GadgetInfo {
    struct Screen *gi_Screen;
    struct Window *gi_Window;        /* NULL for screen gadgets */
    struct Requester *gi_Requester;  /* NULL unless in a requester */
    struct RastPort *gi_RastPort;    /* do not draw into it directly: use ObtainGIRPort */
    struct Layer *gi_Layer;
    struct IBox gi_Domain;           /* the box gadget positions are measured in, relative to the
                                        window (the window's own size for its gadgets) */
    struct {
        UBYTE DetailPen;
        UBYTE BlockPen;
    } gi_Pens;
    struct DrawInfo *gi_DrInfo;
    ULONG gi_Reserved[6];
};

/* The knob and container of a prop gadget, as intuition computed them. */
struct PGX {
    struct IBox pgx_Container;
    struct IBox pgx_NewKnob;
};

#endif /* INTUITION_CGHOOKS_H */
