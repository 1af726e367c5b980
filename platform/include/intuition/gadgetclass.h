/* intuition/gadgetclass.h: gadget attributes, the gadget methods and their messages. */
#ifndef INTUITION_GADGETCLASS_H
#define INTUITION_GADGETCLASS_H

#include <intuition/intuition.h>
#include <intuition/classusr.h>
#include <utility/tagitem.h>

/* ExtGadget.MoreFlags (here unless intuition/intuition.h has them) */
#ifndef GMORE_BOUNDS
#define GMORE_BOUNDS 0x00000001
#define GMORE_GADGETHELP 0x00000002
#define GMORE_SCROLLRASTER 0x00000004
#endif

/* --- gadgetclass attributes ---------------------------------------------- */
#define GA_Dummy (TAG_USER + 0x30000)
#define GA_Left (GA_Dummy + 0x0001)          /* LeftEdge */
#define GA_RelRight (GA_Dummy + 0x0002)      /* LeftEdge relative to the right edge, GFLG_RELRIGHT */
#define GA_Top (GA_Dummy + 0x0003)
#define GA_RelBottom (GA_Dummy + 0x0004)     /* GFLG_RELBOTTOM */
#define GA_Width (GA_Dummy + 0x0005)
#define GA_RelWidth (GA_Dummy + 0x0006)      /* GFLG_RELWIDTH */
#define GA_Height (GA_Dummy + 0x0007)
#define GA_RelHeight (GA_Dummy + 0x0008)     /* GFLG_RELHEIGHT */
#define GA_Text (GA_Dummy + 0x0009)          /* the label (GadgetText as a plain string) */
#define GA_Image (GA_Dummy + 0x000A)         /* GadgetRender, GFLG_GADGIMAGE */
#define GA_Border (GA_Dummy + 0x000B)
#define GA_SelectRender (GA_Dummy + 0x000C)
#define GA_Highlight (GA_Dummy + 0x000D)     /* GFLG_GADGHIGHBITS */
#define GA_Disabled (GA_Dummy + 0x000E)      /* GFLG_DISABLED */
#define GA_GZZGadget (GA_Dummy + 0x000F)
#define GA_ID (GA_Dummy + 0x0010)            /* GadgetID */
#define GA_UserData (GA_Dummy + 0x0011)
#define GA_SpecialInfo (GA_Dummy + 0x0012)
#define GA_Selected (GA_Dummy + 0x0013)      /* GFLG_SELECTED */
#define GA_EndGadget (GA_Dummy + 0x0014)
#define GA_Immediate (GA_Dummy + 0x0015)     /* GACT_IMMEDIATE: IDCMP_GADGETDOWN */
#define GA_RelVerify (GA_Dummy + 0x0016)     /* GACT_RELVERIFY: IDCMP_GADGETUP */
#define GA_FollowMouse (GA_Dummy + 0x0017)   /* GACT_FOLLOWMOUSE */
#define GA_RightBorder (GA_Dummy + 0x0018)   /* GACT_RIGHTBORDER */
#define GA_LeftBorder (GA_Dummy + 0x0019)    /* GACT_LEFTBORDER */
#define GA_TopBorder (GA_Dummy + 0x001A)     /* GACT_TOPBORDER */
#define GA_BottomBorder (GA_Dummy + 0x001B)  /* GACT_BOTTOMBORDER */
#define GA_ToggleSelect (GA_Dummy + 0x001C)  /* GACT_TOGGLESELECT */
#define GA_SysGadget (GA_Dummy + 0x001D)
#define GA_SysGType (GA_Dummy + 0x001E)
#define GA_Previous (GA_Dummy + 0x001F)      /* [I] link behind this gadget: its NextGadget becomes the new one */
#define GA_Next (GA_Dummy + 0x0020)
#define GA_DrawInfo (GA_Dummy + 0x0021)      /* the screen's DrawInfo: pens and font */
#define GA_IntuiText (GA_Dummy + 0x0022)     /* GadgetText as an IntuiText chain */
#define GA_LabelImage (GA_Dummy + 0x0023)
#define GA_TabCycle (GA_Dummy + 0x0024)      /* Tab and Shift-Tab move between fields */
#define GA_GadgetHelp (GA_Dummy + 0x0025)
#define GA_Bounds (GA_Dummy + 0x0026)
#define GA_RelSpecial (GA_Dummy + 0x0027)
#define GA_TextAttr (GA_Dummy + 0x0028)
#define GA_ReadOnly (GA_Dummy + 0x0029)
#define GA_Underscore (GA_Dummy + 0x002A)
#define GA_ActivateKey (GA_Dummy + 0x002B)
#define GA_BackFill (GA_Dummy + 0x002C)
#define GA_GadgetHelpText (GA_Dummy + 0x002D)
#define GA_UserInput (GA_Dummy + 0x002E)

/* --- propgclass attributes ----------------------------------------------- */
#define PGA_Dummy (TAG_USER + 0x31000)
#define PGA_Freedom (PGA_Dummy + 0x0001)     /* FREEVERT (default) or FREEHORIZ */
#define PGA_Borderless (PGA_Dummy + 0x0002)  /* PROPBORDERLESS: no container frame */
#define PGA_HorizPot (PGA_Dummy + 0x0003)
#define PGA_HorizBody (PGA_Dummy + 0x0004)
#define PGA_VertPot (PGA_Dummy + 0x0005)
#define PGA_VertBody (PGA_Dummy + 0x0006)
#define PGA_Total (PGA_Dummy + 0x0007)       /* size of the whole, in the program's units */
#define PGA_Visible (PGA_Dummy + 0x0008)     /* size of the visible part */
#define PGA_Top (PGA_Dummy + 0x0009)         /* first visible unit */
#define PGA_NewLook (PGA_Dummy + 0x000A)
#define PGA_NotifyBehaviour (PGA_Dummy + 0x000B)  /* PG_BEHAVIOUR_ */
#define PGA_RenderBehaviour (PGA_Dummy + 0x000C)  /* PG_BEHAVIOUR_ */

/* PGA_NotifyBehaviour: NICE reports every change of PGA_Top while the knob
   moves, not only the final one. PGA_RenderBehaviour: NICE redraws the knob
   alone while it moves. */
#define PG_BEHAVIOUR_COMPATIBLE 0
#define PG_BEHAVIOUR_NICE 1

/* --- strgclass attributes ------------------------------------------------ */
#define STRINGA_Dummy (TAG_USER + 0x32000)
#define STRINGA_MaxChars (STRINGA_Dummy + 0x0001)   /* buffer size, terminating NUL included */
#define STRINGA_Buffer (STRINGA_Dummy + 0x0002)     /* the program's text buffer */
#define STRINGA_UndoBuffer (STRINGA_Dummy + 0x0003)
#define STRINGA_WorkBuffer (STRINGA_Dummy + 0x0004)
#define STRINGA_BufferPos (STRINGA_Dummy + 0x0005)  /* cursor position */
#define STRINGA_DispPos (STRINGA_Dummy + 0x0006)    /* first character shown */
#define STRINGA_AltKeyMap (STRINGA_Dummy + 0x0007)
#define STRINGA_Font (STRINGA_Dummy + 0x0008)
#define STRINGA_Pens (STRINGA_Dummy + 0x0009)       /* foreground | background << 8, while inactive */
#define STRINGA_ActivePens (STRINGA_Dummy + 0x000A) /* the same while being edited */
#define STRINGA_EditHook (STRINGA_Dummy + 0x000B)
#define STRINGA_EditModes (STRINGA_Dummy + 0x000C)
#define STRINGA_ReplaceMode (STRINGA_Dummy + 0x000D)
#define STRINGA_FixedFieldMode (STRINGA_Dummy + 0x000E)
#define STRINGA_NoFilterMode (STRINGA_Dummy + 0x000F)
#define STRINGA_Justification (STRINGA_Dummy + 0x0010)  /* GACT_STRINGLEFT, _CENTER, _RIGHT */
#define STRINGA_LongVal (STRINGA_Dummy + 0x0011)    /* makes an integer field; its value */
#define STRINGA_TextVal (STRINGA_Dummy + 0x0012)    /* the text */
#define STRINGA_ExitHelp (STRINGA_Dummy + 0x0013)

#define SG_DEFAULTMAXCHARS 128

/* --- layout attributes (groupgclass) ------------------------------------- */
#define LAYOUTA_Dummy (TAG_USER + 0x38000)
#define LAYOUTA_LayoutObj (LAYOUTA_Dummy + 0x0001)
#define LAYOUTA_Spacing (LAYOUTA_Dummy + 0x0002)
#define LAYOUTA_Orientation (LAYOUTA_Dummy + 0x0003)

#define LORIENT_NONE 0
#define LORIENT_HORIZ 1
#define LORIENT_VERT 2

/* --- gadget methods ------------------------------------------------------- */
#define GM_Dummy (-1)
#define GM_HITTEST 0        /* struct gpHitTest: GMR_GADGETHIT when the point is ours */
#define GM_RENDER 1         /* struct gpRender */
#define GM_GOACTIVE 2       /* struct gpInput: the gadget was hit */
#define GM_HANDLEINPUT 3    /* struct gpInput: an input event while active */
#define GM_GOINACTIVE 4     /* struct gpGoInactive */
#define GM_HELPTEST 5       /* struct gpHitTest */
#define GM_LAYOUT 6         /* struct gpLayout: the window's size changed */
#define GM_DOMAIN 7         /* struct gpDomain */
#define GM_KEYTEST 8
#define GM_KEYGOACTIVE 9
#define GM_KEYGOINACTIVE 10

/* GM_HITTEST, GM_HELPTEST. The point is relative to the gadget's box. */
struct gpHitTest {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpht_GInfo;
    STACKED struct {
        WORD X;
        WORD Y;
    } gpht_Mouse;
};

#define GMR_GADGETHIT 0x00000004
#define GMR_NOHELPHIT 0x00000000
#define GMR_HELPHIT 0xFFFFFFFF
#define GMR_HELPCODE 0x00010000

/* GM_RENDER */
struct gpRender {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpr_GInfo;
    STACKED struct RastPort *gpr_RPort;   /* from ObtainGIRPort */
    STACKED LONG gpr_Redraw;              /* GREDRAW_ */
};

#define GREDRAW_UPDATE 2    /* only what changed (the knob, the text) */
#define GREDRAW_REDRAW 1    /* everything */
#define GREDRAW_TOGGLE 0    /* selected state flipped */

/* GM_GOACTIVE, GM_HANDLEINPUT. gpi_IEvent is NULL when the gadget is
   activated by ActivateGadget rather than by a click; gpi_Mouse is relative
   to the gadget's box. */
struct gpInput {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpi_GInfo;
    STACKED struct InputEvent *gpi_IEvent;
    STACKED LONG *gpi_Termination;        /* the Code of IDCMP_GADGETUP on GMR_VERIFY */
    STACKED struct {
        WORD X;
        WORD Y;
    } gpi_Mouse;
    STACKED struct TabletData *gpi_TabletData;
};

/* Results of GM_GOACTIVE and GM_HANDLEINPUT */
#define GMR_MEACTIVE 0          /* stay active */
#define GMR_NOREUSE (1 << 1)    /* done; the event is used up */
#define GMR_REUSE (1 << 2)      /* done; pass the event on */
#define GMR_VERIFY (1 << 3)     /* send IDCMP_GADGETUP with Code = *gpi_Termination */
#define GMR_NEXTACTIVE (1 << 4) /* activate the next field (Tab) */
#define GMR_PREVACTIVE (1 << 5) /* activate the previous field (Shift-Tab) */

/* GM_GOINACTIVE */
struct gpGoInactive {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpgi_GInfo;
    STACKED ULONG gpgi_Abort;   /* 1: intuition took the gadget away; 0: the gadget ended itself */
};

/* GM_LAYOUT */
struct gpLayout {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpl_GInfo;
    STACKED ULONG gpl_Initial;  /* TRUE when the gadget is first added to the window */
};

/* GM_DOMAIN */
struct gpDomain {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpd_GInfo;
    STACKED struct RastPort *gpd_RPort;
    STACKED LONG gpd_Which;
    STACKED struct IBox gpd_Domain;
    STACKED struct TagItem *gpd_Attrs;
};

#define GDOMAIN_MINIMUM 0
#define GDOMAIN_NOMINAL 1
#define GDOMAIN_MAXIMUM 2

/* GM_KEYTEST, GM_KEYGOACTIVE */
struct gpKeyTest {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpkt_GInfo;
    STACKED struct IntuiMessage *gpkt_IMsg;
    STACKED ULONG gpkt_VanillaKey;
};

struct gpKeyInput {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpk_GInfo;
    STACKED struct InputEvent *gpk_IEvent;
    STACKED LONG *gpk_Termination;
};

#define GMR_KEYACTIVE (1 << 4)
#define GMR_KEYVERIFY (1 << 5)

struct gpKeyGoInactive {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *gpki_GInfo;
    STACKED ULONG gpki_Abort;
};

#endif /* INTUITION_GADGETCLASS_H */
