/* intuition/imageclass.h: image attributes, the image methods and their messages, the frame and system image kinds. */
#ifndef INTUITION_IMAGECLASS_H
#define INTUITION_IMAGECLASS_H

#include <intuition/intuition.h>
#include <intuition/classusr.h>
#include <utility/tagitem.h>

/* An image object's struct Image keeps its pens in fields that classic
   images use for planes. */
#define CUSTOMIMAGEDEPTH (-1)

#define GADGET_BOX(g) ((struct IBox *)&((struct Gadget *)(g))->LeftEdge)
#define IM_BOX(im) ((struct IBox *)&((struct Image *)(im))->LeftEdge)
#define IM_FGPEN(im) ((im)->PlanePick)
#define IM_BGPEN(im) ((im)->PlaneOnOff)

/* --- attributes ----------------------------------------------------------- */
#define IA_Dummy (TAG_USER + 0x20000)
#define IA_Left (IA_Dummy + 0x01)
#define IA_Top (IA_Dummy + 0x02)
#define IA_Width (IA_Dummy + 0x03)
#define IA_Height (IA_Dummy + 0x04)
#define IA_FGPen (IA_Dummy + 0x05)
#define IA_BGPen (IA_Dummy + 0x06)
#define IA_Data (IA_Dummy + 0x07)
#define IA_LineWidth (IA_Dummy + 0x08)
#define IA_ShadowPen (IA_Dummy + 0x09)
#define IA_HighlightPen (IA_Dummy + 0x0A)
#define SYSIA_Size (IA_Dummy + 0x0B)        /* SYSISIZE_ */
#define SYSIA_Depth (IA_Dummy + 0x0C)
#define SYSIA_Which (IA_Dummy + 0x0D)       /* the kind of system image: DEPTHIMAGE ... */
#define IA_Pens (IA_Dummy + 0x0E)
#define SYSIA_Pens IA_Pens
#define IA_Resolution (IA_Dummy + 0x0F)
#define IA_APattern (IA_Dummy + 0x10)
#define IA_APatSize (IA_Dummy + 0x11)
#define IA_Mode (IA_Dummy + 0x12)
#define IA_Font (IA_Dummy + 0x13)
#define IA_Outline (IA_Dummy + 0x14)
#define IA_Recessed (IA_Dummy + 0x15)       /* frame drawn pressed in */
#define IA_DoubleEmboss (IA_Dummy + 0x16)
#define IA_EdgesOnly (IA_Dummy + 0x17)      /* frame lines only, the inside left alone */
#define SYSIA_DrawInfo (IA_Dummy + 0x18)    /* the screen's DrawInfo: pens, font, resolution */
#define SYSIA_ReferenceFont (IA_Dummy + 0x19)
#define IA_SupportsDisable (IA_Dummy + 0x1A)
#define IA_FrameType (IA_Dummy + 0x1B)      /* FRAME_ */
#define IA_Underscore (IA_Dummy + 0x1C)
#define IA_Scalable (IA_Dummy + 0x1D)
#define IA_ActivateKey (IA_Dummy + 0x1E)
#define IA_Screen (IA_Dummy + 0x1F)
#define IA_Precision (IA_Dummy + 0x20)

/* SYSIA_Size */
#define SYSISIZE_MEDRES 0
#define SYSISIZE_LOWRES 1
#define SYSISIZE_HIRES 2

/* SYSIA_Which */
#define DEPTHIMAGE 0x00
#define ZOOMIMAGE 0x01
#define SIZEIMAGE 0x02
#define CLOSEIMAGE 0x03
#define SDEPTHIMAGE 0x05
#define LEFTIMAGE 0x0A
#define UPIMAGE 0x0B
#define RIGHTIMAGE 0x0C
#define DOWNIMAGE 0x0D
#define CHECKIMAGE 0x0E
#define MXIMAGE 0x0F
#define MENUCHECK 0x10
#define AMIGAKEY 0x11

/* IA_FrameType */
#define FRAME_DEFAULT 0      /* a thin raised or recessed edge */
#define FRAME_BUTTON 1       /* the frame of a push button */
#define FRAME_RIDGE 2        /* a groove, as around a string field */
#define FRAME_ICONDROPBOX 3  /* a broad ridge for drop areas */

/* --- methods -------------------------------------------------------------- */
#define IM_DRAW 0x202        /* struct impDraw */
#define IM_HITTEST 0x203     /* struct impHitTest: TRUE when the point is inside */
#define IM_ERASE 0x204       /* struct impErase */
#define IM_MOVE 0x205        /* struct impDraw: erase, then draw at the new place */
#define IM_DRAWFRAME 0x206   /* struct impDraw with imp_Dimensions */
#define IM_FRAMEBOX 0x207    /* struct impFrameBox */
#define IM_HITFRAME 0x208    /* struct impHitTest with imp_Dimensions */
#define IM_ERASEFRAME 0x209  /* struct impErase with imp_Dimensions */
#define IM_DOMAIN 0x20A

/* Image states */
#define IDS_NORMAL 0
#define IDS_SELECTED 1
#define IDS_DISABLED 2
#define IDS_BUSY 3
#define IDS_INDETERMINATE 4
#define IDS_INACTIVENORMAL 5     /* in the border of an inactive window */
#define IDS_INACTIVESELECTED 6
#define IDS_INACTIVEDISABLED 7
#define IDS_SELECTEDDISABLED 8

/* IM_FRAMEBOX: the frame that fits around a content box */
struct impFrameBox {
    STACKED ULONG MethodID;
    STACKED struct IBox *imp_ContentsBox;
    STACKED struct IBox *imp_FrameBox;    /* filled in */
    STACKED struct DrawInfo *imp_DrInfo;
    STACKED ULONG imp_FrameFlags;
};

#define FRAMEF_SPECIFY (1 << 0)  /* keep the frame box's size; centre the contents in it */

/* IM_DRAW, IM_DRAWFRAME, IM_MOVE */
struct impDraw {
    STACKED ULONG MethodID;
    STACKED struct RastPort *imp_RPort;
    STACKED struct {
        WORD X;
        WORD Y;
    } imp_Offset;                         /* added to the image's LeftEdge and TopEdge */
    STACKED ULONG imp_State;              /* IDS_ */
    STACKED struct DrawInfo *imp_DrInfo;  /* may be NULL */
    STACKED struct {
        WORD Width;
        WORD Height;
    } imp_Dimensions;                     /* IM_DRAWFRAME only */
};

/* IM_ERASE, IM_ERASEFRAME */
struct impErase {
    STACKED ULONG MethodID;
    STACKED struct RastPort *imp_RPort;
    STACKED struct {
        WORD X;
        WORD Y;
    } imp_Offset;
    STACKED struct {
        WORD Width;
        WORD Height;
    } imp_Dimensions;
};

/* IM_HITTEST, IM_HITFRAME. The point is relative to the image's box. */
struct impHitTest {
    STACKED ULONG MethodID;
    STACKED struct {
        WORD X;
        WORD Y;
    } imp_Point;
    STACKED struct {
        WORD Width;
        WORD Height;
    } imp_Dimensions;
};

#endif /* INTUITION_IMAGECLASS_H */
