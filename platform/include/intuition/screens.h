/* intuition/screens.h: screens, public screens, draw information and the screen tags. */
#ifndef INTUITION_SCREENS_H
#define INTUITION_SCREENS_H

#include <exec/types.h>
#include <exec/nodes.h>
#include <graphics/gfx.h>
#include <graphics/clip.h>
#include <graphics/view.h>
#include <graphics/rastport.h>
#include <graphics/layers.h>
#include <graphics/text.h>
#include <utility/tagitem.h>

struct Window;
struct Gadget;
struct Image;

/* --- Draw information ----------------------------------------------------- */

/* What a screen tells gadgets and programs about its look: the pens of each
   role (dri_Pens[DETAILPEN] ...), the font, the depth. Get it with
   GetScreenDrawInfo() and give it back with FreeScreenDrawInfo(). */
struct DrawInfo {
    UWORD dri_Version;
    UWORD dri_NumPens;
    UWORD *dri_Pens;
    struct TextFont *dri_Font;
    UWORD dri_Depth;
    struct {
        UWORD X;
        UWORD Y;
    } dri_Resolution;
    ULONG dri_Flags;
    struct Image *dri_CheckMark;
    struct Image *dri_AmigaKey;
    ULONG dri_Reserved[5];
};

#define DRI_VERSION 2
#define DRIF_NEWLOOK 0x00000001

/* Indices of dri_Pens */
#define DETAILPEN 0x0000        /* small details: the text of title bars */
#define BLOCKPEN 0x0001         /* filled blocks */
#define TEXTPEN 0x0002          /* text on the background */
#define SHINEPEN 0x0003         /* the lit edges of raised things */
#define SHADOWPEN 0x0004        /* the dark edges */
#define FILLPEN 0x0005          /* active window title bars, selected gadgets */
#define FILLTEXTPEN 0x0006      /* text over FILLPEN */
#define BACKGROUNDPEN 0x0007    /* the background (pen 0) */
#define HIGHLIGHTTEXTPEN 0x0008 /* emphasised text */
#define BARDETAILPEN 0x0009     /* text of the screen's title bar and menus */
#define BARBLOCKPEN 0x000A      /* the screen's title bar and menus */
#define BARTRIMPEN 0x000B       /* the line under the screen's title bar */
#define NUMDRIPENS 0x000C

#define PEN_C3 0xFEFC
#define PEN_C2 0xFEFD
#define PEN_C1 0xFEFE
#define PEN_C0 0xFEFF

/* Attributes of GetDrawInfoAttr(): the border sizes of windows with a
   sizing gadget on this screen (the sizing gadget's image fills the
   right and bottom borders; the right border's scroller arrows and the
   bottom border's ones are as wide and as high as it), the title bar
   height, and the screen's font. */
#define GDIA_WindowTitleHeight 0x8000001UL
#define GDIA_WindowTopBorder 0x8000002UL
#define GDIA_WindowLeftBorder 0x8000003UL
#define GDIA_WindowSizeWidth 0x8000004UL
#define GDIA_WindowRightBorder 0x8000005UL
#define GDIA_WindowSizeHeight 0x8000006UL
#define GDIA_WindowBottomBorder 0x8000007UL
#define GDIA_Font 0x600000UL

/* --- Screens -------------------------------------------------------------- */

struct Screen {
    struct Screen *NextScreen;    /* front to back */
    struct Window *FirstWindow;   /* front to back */
    WORD LeftEdge, TopEdge;
    WORD Width, Height;
    WORD MouseY, MouseX;          /* the pointer on this screen */
    UWORD Flags;                  /* SCREENTYPE bits and the flags below */
    UBYTE *Title;                 /* shown in the title bar now */
    UBYTE *DefaultTitle;          /* shown when the active window has no screen title */
    BYTE BarHeight;               /* the title bar is BarHeight + 1 rows high */
    BYTE BarVBorder, BarHBorder;
    BYTE MenuVBorder, MenuHBorder;
    BYTE WBorTop;                 /* window top border above the title font */
    BYTE WBorLeft, WBorRight, WBorBottom;   /* window borders without a sizing gadget */
    struct TextAttr *Font;        /* the screen's font */
    struct ViewPort ViewPort;
    struct RastPort RastPort;     /* draws into the screen's own background */
    struct BitMap BitMap;         /* a copy of the header of RastPort.BitMap */
    struct Layer_Info LayerInfo;
    struct Gadget *FirstGadget;
    UBYTE DetailPen, BlockPen;
    UWORD SaveColor0;
    struct Layer *BarLayer;
    UBYTE *ExtData;
    UBYTE *UserData;
};

/* Screen types and flags (Flags, NewScreen.Type, SA_Type) */
#define SCREENTYPE 0x000F
#define WBENCHSCREEN 0x0001
#define PUBLICSCREEN 0x0002
#define CUSTOMSCREEN 0x000F
#define SHOWTITLE 0x0010
#define BEEPING 0x0020
#define CUSTOMBITMAP 0x0040
#define SCREENBEHIND 0x0080
#define SCREENQUIET 0x0100
#define SCREENHIRES 0x0200
#define PENSHARED 0x0400
#define NS_EXTENDED 0x1000
#define AUTOSCROLL 0x4000

#define STDSCREENHEIGHT -1
#define STDSCREENWIDTH -1

struct NewScreen {
    WORD LeftEdge, TopEdge, Width, Height, Depth;
    UBYTE DetailPen, BlockPen;
    UWORD ViewModes;
    UWORD Type;
    struct TextAttr *Font;
    UBYTE *DefaultTitle;
    struct Gadget *Gadgets;
    struct BitMap *CustomBitMap;
};

struct ExtNewScreen {
    WORD LeftEdge, TopEdge, Width, Height, Depth;
    UBYTE DetailPen, BlockPen;
    UWORD ViewModes;
    UWORD Type;
    struct TextAttr *Font;
    UBYTE *DefaultTitle;
    struct Gadget *Gadgets;
    struct BitMap *CustomBitMap;
    struct TagItem *Extension;
};

/* Screen tags */
#define SA_Dummy (TAG_USER + 32)
#define SA_Left (SA_Dummy + 0x0001)
#define SA_Top (SA_Dummy + 0x0002)
#define SA_Width (SA_Dummy + 0x0003)
#define SA_Height (SA_Dummy + 0x0004)
#define SA_Depth (SA_Dummy + 0x0005)
#define SA_DetailPen (SA_Dummy + 0x0006)
#define SA_BlockPen (SA_Dummy + 0x0007)
#define SA_Title (SA_Dummy + 0x0008)
#define SA_Colors (SA_Dummy + 0x0009)
#define SA_ErrorCode (SA_Dummy + 0x000A)
#define SA_Font (SA_Dummy + 0x000B)
#define SA_SysFont (SA_Dummy + 0x000C)
#define SA_Type (SA_Dummy + 0x000D)
#define SA_BitMap (SA_Dummy + 0x000E)
#define SA_PubName (SA_Dummy + 0x000F)
#define SA_PubSig (SA_Dummy + 0x0010)
#define SA_PubTask (SA_Dummy + 0x0011)
#define SA_DisplayID (SA_Dummy + 0x0012)
#define SA_DClip (SA_Dummy + 0x0013)
#define SA_Overscan (SA_Dummy + 0x0014)
#define SA_ShowTitle (SA_Dummy + 0x0016)
#define SA_Behind (SA_Dummy + 0x0017)
#define SA_Quiet (SA_Dummy + 0x0018)
#define SA_AutoScroll (SA_Dummy + 0x0019)
#define SA_Pens (SA_Dummy + 0x001A)
#define SA_FullPalette (SA_Dummy + 0x001B)
#define SA_ColorMapEntries (SA_Dummy + 0x001C)
#define SA_Parent (SA_Dummy + 0x001D)
#define SA_Draggable (SA_Dummy + 0x001E)
#define SA_Exclusive (SA_Dummy + 0x001F)
#define SA_SharePens (SA_Dummy + 0x0020)
#define SA_BackFill (SA_Dummy + 0x0021)
#define SA_Interleaved (SA_Dummy + 0x0022)
#define SA_Colors32 (SA_Dummy + 0x0023)
#define SA_VideoControl (SA_Dummy + 0x0024)
#define SA_FrontChild (SA_Dummy + 0x0025)
#define SA_BackChild (SA_Dummy + 0x0026)
#define SA_LikeWorkbench (SA_Dummy + 0x0027)
#define SA_Reserved (SA_Dummy + 0x0028)
#define SA_MinimizeISG (SA_Dummy + 0x0029)

/* SA_ErrorCode values */
#define OSERR_NOMONITOR 1
#define OSERR_NOCHIPS 2
#define OSERR_NOMEM 3
#define OSERR_NOCHIPMEM 4
#define OSERR_PUBNOTUNIQUE 5
#define OSERR_UNKNOWNMODE 6
#define OSERR_TOODEEP 7
#define OSERR_ATTACHFAIL 8
#define OSERR_NOTAVAILABLE 9

/* --- Public screens -------------------------------------------------------- */

#define MAXPUBSCREENNAME 139

/* One public screen in the list LockPubScreenList() gives. */
struct PubScreenNode {
    struct Node psn_Node;         /* ln_Name is the screen's public name */
    struct Screen *psn_Screen;
    UWORD psn_Flags;              /* PSNF_ */
    WORD psn_Size;
    WORD psn_VisitorCount;        /* windows and locks on it */
    struct Task *psn_SigTask;
    UBYTE psn_SigBit;
};

#define PSNF_PRIVATE 0x0001

/* SetPubScreenModes() */
#define SHANGHAI 0x0001
#define POPPUBSCREEN 0x0002

#endif /* INTUITION_SCREENS_H */
