/* intuition/intuition.h: windows, gadgets, menus, IDCMP messages and the window tags. */
#ifndef INTUITION_INTUITION_H
#define INTUITION_INTUITION_H

#include <exec/types.h>
#include <exec/ports.h>
#include <graphics/gfx.h>
#include <graphics/clip.h>
#include <graphics/view.h>
#include <graphics/rastport.h>
#include <graphics/layers.h>
#include <graphics/text.h>
#include <devices/inputevent.h>
#include <utility/tagitem.h>

#define INTUITIONNAME "intuition.library"

struct Screen;
struct Window;
struct KeyMap;
struct StringExtend;

/* A box: position and size. */
struct IBox {
    WORD Left;
    WORD Top;
    WORD Width;
    WORD Height;
};

/* --- Menus ---------------------------------------------------------------- */

/* A menu of the strip. Intuition lays the strip out when it is set
   (SetMenuStrip): it writes LeftEdge, TopEdge, Width and Height of every
   menu, item and sub-item, so records may be built with zero positions. */
struct Menu {
    struct Menu *NextMenu;
    WORD LeftEdge, TopEdge;   /* in the screen's title bar */
    WORD Width, Height;       /* of the title */
    UWORD Flags;              /* MENUENABLED, MIDRAWN */
    CONST_STRPTR MenuName;
    struct MenuItem *FirstItem;
    WORD JazzX, JazzY, BeatX, BeatY;
};

#define MENUENABLED 0x0001
#define MIDRAWN 0x0100

/* An item (or a sub-item). LeftEdge/TopEdge are relative to the top left
   corner of the menu's title (items) or to the item's (sub-items). */
struct MenuItem {
    struct MenuItem *NextItem;
    WORD LeftEdge, TopEdge;
    WORD Width, Height;
    UWORD Flags;
    LONG MutualExclude;       /* bit n: picking this clears CHECKED of item n */
    APTR ItemFill;            /* struct IntuiText * (ITEMTEXT) or struct Image * */
    APTR SelectFill;          /* shown while highlighted with HIGHIMAGE */
    BYTE Command;             /* the shortcut key with COMMSEQ */
    struct MenuItem *SubItem;
    UWORD NextSelect;         /* the next pick of one menu session, MENUNULL at the end */
};

#define CHECKIT 0x0001        /* a check mark column; the item can be checked */
#define ITEMTEXT 0x0002       /* ItemFill is an IntuiText, else an Image */
#define COMMSEQ 0x0004        /* Command is an Amiga-key shortcut */
#define MENUTOGGLE 0x0008     /* picking a checked item clears it */
#define ITEMENABLED 0x0010
#define HIGHFLAGS 0x00C0
#define HIGHIMAGE 0x0000      /* SelectFill while highlighted */
#define HIGHCOMP 0x0040       /* complemented while highlighted */
#define HIGHBOX 0x0080        /* a box around it while highlighted */
#define HIGHNONE 0x00C0       /* no highlight */
#define CHECKED 0x0100
#define ISDRAWN 0x1000
#define HIGHITEM 0x2000
#define MENUTOGGLED 0x4000

#define NOMENU 0x001F
#define NOITEM 0x003F
#define NOSUB 0x001F
#define MENUNULL 0xFFFF

/* The code of IDCMP_MENUPICK: menu number in bits 0-4, item in bits 5-10,
   sub-item in bits 11-15. */
#define MENUNUM(n) ((n) & 0x1F)
#define ITEMNUM(n) (((n) >> 5) & 0x003F)
#define SUBNUM(n) (((n) >> 11) & 0x001F)
#define SHIFTMENU(n) ((n) & 0x1F)
#define SHIFTITEM(n) (((n) & 0x3F) << 5)
#define SHIFTSUB(n) (((n) & 0x1F) << 11)
#define FULLMENUNUM(menu, item, sub) (SHIFTSUB(sub) | SHIFTITEM(item) | SHIFTMENU(menu))

#define CHECKWIDTH 19
#define COMMWIDTH 27
#define LOWCHECKWIDTH 13
#define LOWCOMMWIDTH 16

/* --- Requesters --------------------------------------------------------- */

struct Requester {
    struct Requester *OlderRequest;
    WORD LeftEdge, TopEdge;
    WORD Width, Height;
    WORD RelLeft, RelTop;
    struct Gadget *ReqGadget;
    struct Border *ReqBorder;
    struct IntuiText *ReqText;
    UWORD Flags;
    UBYTE BackFill;
    struct Layer *ReqLayer;
    UBYTE ReqPad1[32];
    struct BitMap *ImageBMap;
    struct Window *RWindow;
    struct Image *ReqImage;
    UBYTE ReqPad2[32];
};

#define POINTREL 0x0001
#define PREDRAWN 0x0002
#define NOISYREQ 0x0004
#define SIMPLEREQ 0x0010
#define USEREQIMAGE 0x0020
#define NOREQBACKFILL 0x0040
#define REQOFFWINDOW 0x1000
#define REQACTIVE 0x2000
#define SYSREQUEST 0x4000
#define DEFERREFRESH 0x8000

/* --- Gadgets ------------------------------------------------------------ */

/* A gadget. BOOPSI gadgets (GTYP_CUSTOMGADGET) are objects whose visible
   address is this record. */
struct Gadget {
    struct Gadget *NextGadget;
    WORD LeftEdge, TopEdge;   /* relative to the window, or to an edge with GFLG_REL... */
    WORD Width, Height;       /* added to the window's size with GFLG_RELWIDTH/RELHEIGHT */
    UWORD Flags;              /* GFLG_ */
    UWORD Activation;         /* GACT_ */
    UWORD GadgetType;         /* GTYP_ */
    APTR GadgetRender;        /* struct Image * (GFLG_GADGIMAGE) or struct Border * */
    APTR SelectRender;
    struct IntuiText *GadgetText;   /* or a label by GFLG_LABELMASK */
    LONG MutualExclude;
    APTR SpecialInfo;         /* struct PropInfo *, struct StringInfo * */
    UWORD GadgetID;
    APTR UserData;
};

struct ExtGadget {
    struct ExtGadget *NextGadget;
    WORD LeftEdge, TopEdge;
    WORD Width, Height;
    UWORD Flags;
    UWORD Activation;
    UWORD GadgetType;
    APTR GadgetRender;
    APTR SelectRender;
    struct IntuiText *GadgetText;
    LONG MutualExclude;
    APTR SpecialInfo;
    UWORD GadgetID;
    APTR UserData;
    ULONG MoreFlags;
    WORD BoundsLeftEdge, BoundsTopEdge;
    WORD BoundsWidth, BoundsHeight;
};

/* Flags */
#define GFLG_GADGHIGHBITS 0x0003
#define GFLG_GADGHCOMP 0x0000    /* complement the box while selected */
#define GFLG_GADGHBOX 0x0001     /* a box around it while selected */
#define GFLG_GADGHIMAGE 0x0002   /* SelectRender while selected */
#define GFLG_GADGHNONE 0x0003
#define GFLG_GADGIMAGE 0x0004    /* GadgetRender is an Image, else a Border */
#define GFLG_RELBOTTOM 0x0008    /* TopEdge counts from the window's bottom: Height - 1 + TopEdge */
#define GFLG_RELRIGHT 0x0010     /* LeftEdge counts from the right: Width - 1 + LeftEdge */
#define GFLG_RELWIDTH 0x0020     /* width is the window's width + Width */
#define GFLG_RELHEIGHT 0x0040    /* height is the window's height + Height */
#define GFLG_SELECTED 0x0080
#define GFLG_DISABLED 0x0100
#define GFLG_TABCYCLE 0x0200
#define GFLG_STRINGEXTEND 0x0400
#define GFLG_IMAGEDISABLE 0x0800
#define GFLG_LABELMASK 0x3000
#define GFLG_LABELITEXT 0x0000   /* GadgetText is an IntuiText */
#define GFLG_LABELSTRING 0x1000  /* GadgetText is a plain string */
#define GFLG_LABELIMAGE 0x2000   /* GadgetText is an Image */
#define GFLG_RELSPECIAL 0x4000
#define GFLG_EXTENDED 0x8000

/* Activation */
#define GACT_RELVERIFY 0x0001    /* IDCMP_GADGETUP when released over it */
#define GACT_IMMEDIATE 0x0002    /* IDCMP_GADGETDOWN when pressed */
#define GACT_ENDGADGET 0x0004
#define GACT_FOLLOWMOUSE 0x0008  /* IDCMP_MOUSEMOVE while it is active */
#define GACT_RIGHTBORDER 0x0010
#define GACT_LEFTBORDER 0x0020
#define GACT_TOPBORDER 0x0040
#define GACT_BOTTOMBORDER 0x0080
#define GACT_BORDERSNIFF 0x8000
#define GACT_TOGGLESELECT 0x0100
#define GACT_BOOLEXTEND 0x2000
#define GACT_STRINGLEFT 0x0000
#define GACT_STRINGCENTER 0x0200
#define GACT_STRINGRIGHT 0x0400
#define GACT_LONGINT 0x0800
#define GACT_ALTKEYMAP 0x1000
#define GACT_STRINGEXTEND 0x2000
#define GACT_ACTIVEGADGET 0x4000

/* GadgetType */
#define GTYP_GADGETTYPE 0xFC00
#define GTYP_SYSGADGET 0x8000
#define GTYP_SCRGADGET 0x4000
#define GTYP_GZZGADGET 0x2000
#define GTYP_REQGADGET 0x1000
#define GTYP_SYSTYPEMASK 0x00F0
#define GTYP_SIZING 0x0010
#define GTYP_WDRAGGING 0x0020
#define GTYP_SDRAGGING 0x0030
#define GTYP_WDEPTH 0x0040
#define GTYP_WUPFRONT 0x0040
#define GTYP_SDEPTH 0x0050
#define GTYP_SUPFRONT 0x0050
#define GTYP_WZOOM 0x0060
#define GTYP_WDOWNBACK 0x0060
#define GTYP_SUNUSED 0x0070
#define GTYP_SDOWNBACK 0x0070
#define GTYP_CLOSE 0x0080
#define GTYP_GTYPEMASK 0x0007
#define GTYP_BOOLGADGET 0x0001
#define GTYP_GADGET0002 0x0002
#define GTYP_PROPGADGET 0x0003
#define GTYP_STRGADGET 0x0004
#define GTYP_CUSTOMGADGET 0x0005

/* The state of a proportional gadget. Pots run 0..MAXPOT over the free
   range; bodies are the visible fraction, MAXBODY for all of it. */
struct PropInfo {
    UWORD Flags;
    UWORD HorizPot;
    UWORD VertPot;
    UWORD HorizBody;
    UWORD VertBody;
    UWORD CWidth;
    UWORD CHeight;
    UWORD HPotRes, VPotRes;
    UWORD LeftBorder;
    UWORD TopBorder;
};

#define AUTOKNOB 0x0001
#define FREEHORIZ 0x0002
#define FREEVERT 0x0004
#define PROPBORDERLESS 0x0008
#define PROPNEWLOOK 0x0010
#define KNOBHIT 0x0100
#define KNOBHMIN 6
#define KNOBVMIN 4
#define MAXBODY 0xFFFF
#define MAXPOT 0xFFFF

/* The state of a string gadget. */
struct StringInfo {
    STRPTR Buffer;
    STRPTR UndoBuffer;
    WORD BufferPos;
    WORD MaxChars;            /* including the terminating NUL */
    WORD DispPos;
    WORD UndoPos;
    WORD NumChars;
    WORD DispCount;
    WORD CLeft, CTop;
    struct StringExtend *Extension;
    LONG LongInt;
    struct KeyMap *AltKeyMap;
};

/* --- Texts, borders, images ---------------------------------------------- */

struct IntuiText {
    UBYTE FrontPen, BackPen;
    UBYTE DrawMode;
    WORD LeftEdge;
    WORD TopEdge;
    struct TextAttr *ITextFont;   /* NULL: the screen's font */
    STRPTR IText;
    struct IntuiText *NextText;
};

struct Border {
    WORD LeftEdge, TopEdge;
    UBYTE FrontPen, BackPen;
    UBYTE DrawMode;
    BYTE Count;               /* number of points in XY */
    WORD *XY;
    struct Border *NextBorder;
};

/* A planar image, or (Depth == CUSTOMIMAGEDEPTH) a BOOPSI image object. */
struct Image {
    WORD LeftEdge;
    WORD TopEdge;
    WORD Width;
    WORD Height;
    WORD Depth;
    UWORD *ImageData;         /* Depth planes of Height rows of (Width + 15) / 16 words */
    UBYTE PlanePick, PlaneOnOff;
    struct Image *NextImage;
};

/* --- IDCMP ---------------------------------------------------------------- */

/* A message from intuition to a window's UserPort. It belongs to
   intuition: copy what you need and ReplyMsg() it. */
struct IntuiMessage {
    struct Message ExecMessage;
    ULONG Class;              /* IDCMP_ */
    UWORD Code;
    UWORD Qualifier;
    APTR IAddress;            /* the gadget of GADGETDOWN/GADGETUP ... */
    WORD MouseX, MouseY;      /* relative to the window */
    ULONG Seconds, Micros;    /* when the event happened */
    struct Window *IDCMPWindow;
    struct IntuiMessage *SpecialLink;
};

struct ExtIntuiMessage {
    struct IntuiMessage eim_IntuiMessage;
    struct TabletData *eim_TabletData;
};

#define IDCMP_SIZEVERIFY 0x00000001
#define IDCMP_NEWSIZE 0x00000002
#define IDCMP_REFRESHWINDOW 0x00000004
#define IDCMP_MOUSEBUTTONS 0x00000008
#define IDCMP_MOUSEMOVE 0x00000010
#define IDCMP_GADGETDOWN 0x00000020
#define IDCMP_GADGETUP 0x00000040
#define IDCMP_REQSET 0x00000080
#define IDCMP_MENUPICK 0x00000100
#define IDCMP_CLOSEWINDOW 0x00000200
#define IDCMP_RAWKEY 0x00000400
#define IDCMP_REQVERIFY 0x00000800
#define IDCMP_REQCLEAR 0x00001000
#define IDCMP_MENUVERIFY 0x00002000
#define IDCMP_NEWPREFS 0x00004000
#define IDCMP_DISKINSERTED 0x00008000
#define IDCMP_DISKREMOVED 0x00010000
#define IDCMP_WBENCHMESSAGE 0x00020000
#define IDCMP_ACTIVEWINDOW 0x00040000
#define IDCMP_INACTIVEWINDOW 0x00080000
#define IDCMP_DELTAMOVE 0x00100000
#define IDCMP_VANILLAKEY 0x00200000
#define IDCMP_INTUITICKS 0x00400000
#define IDCMP_IDCMPUPDATE 0x00800000
#define IDCMP_MENUHELP 0x01000000
#define IDCMP_CHANGEWINDOW 0x02000000
#define IDCMP_GADGETHELP 0x04000000
#define IDCMP_LONELYMESSAGE 0x80000000

/* Codes of IDCMP_MOUSEBUTTONS */
#define SELECTDOWN (IECODE_LBUTTON)
#define SELECTUP (IECODE_LBUTTON | IECODE_UP_PREFIX)
#define MENUDOWN (IECODE_RBUTTON)
#define MENUUP (IECODE_RBUTTON | IECODE_UP_PREFIX)
#define MIDDLEDOWN (IECODE_MBUTTON)
#define MIDDLEUP (IECODE_MBUTTON | IECODE_UP_PREFIX)

/* Codes of IDCMP_MENUVERIFY, IDCMP_REQVERIFY and IDCMP_CHANGEWINDOW */
#define MENUHOT 0x0001
#define MENUCANCEL 0x0002
#define MENUWAITING 0x0003
#define OKOK MENUHOT
#define OKABORT 0x0004
#define OKCANCEL MENUCANCEL
#define CWCODE_MOVESIZE 0x0000
#define CWCODE_DEPTH 0x0001

#define WBENCHOPEN 0x0001
#define WBENCHCLOSE 0x0002

/* --- Windows ------------------------------------------------------------- */

struct Window {
    struct Window *NextWindow;       /* next window of the screen, front to back */
    WORD LeftEdge, TopEdge;          /* on the screen */
    WORD Width, Height;              /* borders included */
    WORD MouseY, MouseX;             /* the pointer, relative to the window; kept current */
    WORD MinWidth, MinHeight;
    UWORD MaxWidth, MaxHeight;
    ULONG Flags;                     /* WFLG_ */
    struct Menu *MenuStrip;
    UBYTE *Title;
    struct Requester *FirstRequest;
    struct Requester *DMRequest;
    WORD ReqCount;
    struct Screen *WScreen;
    struct RastPort *RPort;          /* draws into the whole window, borders included */
    BYTE BorderLeft, BorderTop, BorderRight, BorderBottom;
    struct RastPort *BorderRPort;
    struct Gadget *FirstGadget;
    struct Window *Parent, *Descendant;
    UWORD *Pointer;
    BYTE PtrHeight;
    BYTE PtrWidth;
    BYTE XOffset, YOffset;
    ULONG IDCMPFlags;
    struct MsgPort *UserPort, *WindowPort;
    struct IntuiMessage *MessageKey;
    UBYTE DetailPen, BlockPen;
    struct Image *CheckMark;
    UBYTE *ScreenTitle;
    WORD GZZMouseX;
    WORD GZZMouseY;
    WORD GZZWidth;                   /* inside the borders */
    WORD GZZHeight;
    UBYTE *ExtData;
    BYTE *UserData;
    struct Layer *WLayer;
    struct TextFont *IFont;
    ULONG MoreFlags;
};

/* Flags */
#define WFLG_SIZEGADGET 0x00000001
#define WFLG_DRAGBAR 0x00000002
#define WFLG_DEPTHGADGET 0x00000004
#define WFLG_CLOSEGADGET 0x00000008
#define WFLG_SIZEBRIGHT 0x00000010
#define WFLG_SIZEBBOTTOM 0x00000020
#define WFLG_REFRESHBITS 0x000000C0
#define WFLG_SMART_REFRESH 0x00000000
#define WFLG_SIMPLE_REFRESH 0x00000040
#define WFLG_SUPER_BITMAP 0x00000080
#define WFLG_OTHER_REFRESH 0x000000C0
#define WFLG_BACKDROP 0x00000100
#define WFLG_REPORTMOUSE 0x00000200
#define WFLG_GIMMEZEROZERO 0x00000400
#define WFLG_BORDERLESS 0x00000800
#define WFLG_ACTIVATE 0x00001000
#define WFLG_WINDOWACTIVE 0x00002000
#define WFLG_INREQUEST 0x00004000
#define WFLG_MENUSTATE 0x00008000
#define WFLG_RMBTRAP 0x00010000
#define WFLG_NOCAREREFRESH 0x00020000
#define WFLG_NW_EXTENDED 0x00040000
#define WFLG_NEWLOOKMENUS 0x00200000
#define WFLG_WINDOWREFRESH 0x01000000
#define WFLG_WBENCHWINDOW 0x02000000
#define WFLG_WINDOWTICKED 0x04000000
#define WFLG_VISITOR 0x08000000
#define WFLG_ZOOMED 0x10000000
#define WFLG_HASZOOM 0x20000000

#define SUPER_UNUSED 0xFCFC0000

/* What OpenWindow() takes; OpenWindowTagList() takes it too, with tags that
   override its fields. */
struct NewWindow {
    WORD LeftEdge, TopEdge;
    WORD Width, Height;
    UBYTE DetailPen, BlockPen;
    ULONG IDCMPFlags;
    ULONG Flags;
    struct Gadget *FirstGadget;
    struct Image *CheckMark;
    UBYTE *Title;
    struct Screen *Screen;
    struct BitMap *BitMap;
    WORD MinWidth, MinHeight;
    UWORD MaxWidth, MaxHeight;
    UWORD Type;                      /* WBENCHSCREEN, PUBLICSCREEN, CUSTOMSCREEN */
};

struct ExtNewWindow {
    WORD LeftEdge, TopEdge;
    WORD Width, Height;
    UBYTE DetailPen, BlockPen;
    ULONG IDCMPFlags;
    ULONG Flags;
    struct Gadget *FirstGadget;
    struct Image *CheckMark;
    UBYTE *Title;
    struct Screen *Screen;
    struct BitMap *BitMap;
    WORD MinWidth, MinHeight;
    UWORD MaxWidth, MaxHeight;
    UWORD Type;
    struct TagItem *Extension;
};

/* Window tags */
#define WA_Dummy (TAG_USER + 99)
#define WA_Left (WA_Dummy + 0x01)
#define WA_Top (WA_Dummy + 0x02)
#define WA_Width (WA_Dummy + 0x03)
#define WA_Height (WA_Dummy + 0x04)
#define WA_DetailPen (WA_Dummy + 0x05)
#define WA_BlockPen (WA_Dummy + 0x06)
#define WA_IDCMP (WA_Dummy + 0x07)
#define WA_Flags (WA_Dummy + 0x08)
#define WA_Gadgets (WA_Dummy + 0x09)
#define WA_Checkmark (WA_Dummy + 0x0A)
#define WA_Title (WA_Dummy + 0x0B)
#define WA_ScreenTitle (WA_Dummy + 0x0C)
#define WA_CustomScreen (WA_Dummy + 0x0D)
#define WA_SuperBitMap (WA_Dummy + 0x0E)
#define WA_MinWidth (WA_Dummy + 0x0F)
#define WA_MinHeight (WA_Dummy + 0x10)
#define WA_MaxWidth (WA_Dummy + 0x11)
#define WA_MaxHeight (WA_Dummy + 0x12)
#define WA_InnerWidth (WA_Dummy + 0x13)
#define WA_InnerHeight (WA_Dummy + 0x14)
#define WA_PubScreenName (WA_Dummy + 0x15)
#define WA_PubScreen (WA_Dummy + 0x16)
#define WA_PubScreenFallBack (WA_Dummy + 0x17)
#define WA_WindowName (WA_Dummy + 0x18)
#define WA_Colors (WA_Dummy + 0x19)
#define WA_Zoom (WA_Dummy + 0x1A)
#define WA_MouseQueue (WA_Dummy + 0x1B)
#define WA_BackFill (WA_Dummy + 0x1C)
#define WA_RptQueue (WA_Dummy + 0x1D)
#define WA_SizeGadget (WA_Dummy + 0x1E)
#define WA_DragBar (WA_Dummy + 0x1F)
#define WA_DepthGadget (WA_Dummy + 0x20)
#define WA_CloseGadget (WA_Dummy + 0x21)
#define WA_Backdrop (WA_Dummy + 0x22)
#define WA_ReportMouse (WA_Dummy + 0x23)
#define WA_NoCareRefresh (WA_Dummy + 0x24)
#define WA_Borderless (WA_Dummy + 0x25)
#define WA_Activate (WA_Dummy + 0x26)
#define WA_RMBTrap (WA_Dummy + 0x27)
#define WA_WBenchWindow (WA_Dummy + 0x28)
#define WA_SimpleRefresh (WA_Dummy + 0x29)
#define WA_SmartRefresh (WA_Dummy + 0x2A)
#define WA_SizeBRight (WA_Dummy + 0x2B)
#define WA_SizeBBottom (WA_Dummy + 0x2C)
#define WA_AutoAdjust (WA_Dummy + 0x2D)
#define WA_GimmeZeroZero (WA_Dummy + 0x2E)
#define WA_MenuHelp (WA_Dummy + 0x2F)
#define WA_NewLookMenus (WA_Dummy + 0x30)
#define WA_AmigaKey (WA_Dummy + 0x31)
#define WA_NotifyDepth (WA_Dummy + 0x32)
#define WA_Pointer (WA_Dummy + 0x34)
#define WA_BusyPointer (WA_Dummy + 0x35)
#define WA_PointerDelay (WA_Dummy + 0x36)
#define WA_TabletMessages (WA_Dummy + 0x37)
#define WA_HelpGroup (WA_Dummy + 0x38)
#define WA_HelpGroupWindow (WA_Dummy + 0x39)

/* ChangeWindowBox() and friends */
#define HC_GADGETHELP 1

/* --- Memory kept for a program (AllocRemember) --------------------------- */

struct Remember {
    struct Remember *NextRemember;
    ULONG RememberSize;
    UBYTE *Memory;
};

/* --- Requesters built by the system (EasyRequest) ------------------------ */

struct EasyStruct {
    ULONG es_StructSize;
    ULONG es_Flags;
    CONST_STRPTR es_Title;
    CONST_STRPTR es_TextFormat;
    CONST_STRPTR es_GadgetFormat;
};

/* DrawMode of an IntuiText is a rastport draw mode (JAM1 ...). Pens are
   screen pens. */
#define AUTOFRONTPEN 0
#define AUTOBACKPEN 1
#define AUTODRAWMODE JAM2
#define AUTOLEFTEDGE 6
#define AUTOTOPEDGE 3
#define AUTOITEXTFONT NULL
#define AUTONEXTTEXT NULL

#include <intuition/screens.h>
#include <intuition/preferences.h>

#endif /* INTUITION_INTUITION_H */
