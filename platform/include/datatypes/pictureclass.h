/* datatypes/pictureclass.h: picture objects: their attributes, the bitmap header and the IFF ILBM identifiers. */
#ifndef DATATYPES_PICTURECLASS_H
#define DATATYPES_PICTURECLASS_H

#include <datatypes/datatypesclass.h>
#include <graphics/gfx.h>

#define PICTUREDTCLASS "picture.datatype"

/* --- Attributes ------------------------------------------------------------ */

#define PDTA_Dummy (DTA_Dummy + 200)

#define PDTA_ModeID (DTA_Dummy + 200)            /* ULONG: the display mode the picture was made for */
#define PDTA_BitMapHeader (DTA_Dummy + 201)      /* struct BitMapHeader * */
#define PDTA_BitMap (DTA_Dummy + 202)            /* struct BitMap *: the picture, owned by the object */
#define PDTA_ColorRegisters (DTA_Dummy + 203)    /* struct ColorRegister *: PDTA_NumColors of them */
#define PDTA_CRegs (DTA_Dummy + 204)
#define PDTA_GRegs (DTA_Dummy + 205)
#define PDTA_ColorTable (DTA_Dummy + 206)
#define PDTA_ColorTable2 (DTA_Dummy + 207)
#define PDTA_Allocated (DTA_Dummy + 208)
#define PDTA_NumColors (DTA_Dummy + 209)         /* ULONG: entries of the picture's colour map */
#define PDTA_NumAlloc (DTA_Dummy + 210)
#define PDTA_Remap (DTA_Dummy + 211)             /* BOOL: remap to the screen's pens */
#define PDTA_Screen (DTA_Dummy + 212)            /* struct Screen *: the screen the picture is for */
#define PDTA_FreeSourceBitMap (DTA_Dummy + 213)
#define PDTA_Grab (DTA_Dummy + 214)
#define PDTA_DestBitMap (DTA_Dummy + 215)        /* struct BitMap *: the picture as shown */
#define PDTA_ClassBitMap (DTA_Dummy + 216)
#define PDTA_NumSparse (DTA_Dummy + 217)
#define PDTA_SparseTable (DTA_Dummy + 218)
#define PDTA_WhichPicture (DTA_Dummy + 219)
#define PDTA_GetNumPictures (DTA_Dummy + 220)
#define PDTA_SourceMode (DTA_Dummy + 250)        /* ULONG: PMODE_... of the class's own interface */
#define PDTA_DestMode (DTA_Dummy + 251)          /* ULONG: PMODE_... the application wants */
#define PDTA_UseFriendBitMap (DTA_Dummy + 255)

/* PDTA_SourceMode, PDTA_DestMode */
#define PMODE_V42 0    /* a planar bitmap remapped to the screen's pens */
#define PMODE_V43 1    /* a bitmap in the screen's own (chunky) format */

/* PDTA_WhichPicture, PDTA_GetNumPictures */
#define PDTANUMPICTURES_Unknown 0

/* --- Methods ------------------------------------------------------------- */

#define PDTM_Dummy (DTM_Dummy + 0x60)
#define PDTM_WRITEPIXELARRAY (PDTM_Dummy + 0)
#define PDTM_READPIXELARRAY (PDTM_Dummy + 1)
#define PDTM_SCALE (PDTM_Dummy + 2)

/* --- The bitmap header ------------------------------------------------------ */

/* What an IFF ILBM's BMHD chunk holds, and what every picture object
   reports through PDTA_BitMapHeader. */
struct BitMapHeader {
    UWORD bmh_Width;         /* pixels */
    UWORD bmh_Height;        /* rows */
    WORD bmh_Left;           /* where the picture was placed on its page */
    WORD bmh_Top;
    UBYTE bmh_Depth;         /* bit planes (ILBM), or bits a pixel */
    UBYTE bmh_Masking;       /* msk... */
    UBYTE bmh_Compression;   /* cmp... */
    UBYTE bmh_Pad;
    UWORD bmh_Transparent;   /* the transparent colour with mskHasTransparentColor */
    UBYTE bmh_XAspect;       /* the shape of a pixel: XAspect : YAspect */
    UBYTE bmh_YAspect;
    WORD bmh_PageWidth;      /* the page the picture was made for */
    WORD bmh_PageHeight;
};

/* bmh_Masking */
#define mskNone 0
#define mskHasMask 1               /* a mask plane follows the colour planes of each row */
#define mskHasTransparentColor 2   /* pixels of colour bmh_Transparent are transparent */
#define mskLasso 3
#define mskHasAlpha 4              /* the picture carries an alpha channel */

/* bmh_Compression */
#define cmpNone 0
#define cmpByteRun1 1
#define cmpByteRun2 2

/* One entry of a colour map: eight bits a gun. */
struct ColorRegister {
    UBYTE red, green, blue;
};

/* --- IFF ILBM identifiers ------------------------------------------------- */

#ifndef ID_ILBM
#define ID_ILBM MAKE_ID('I', 'L', 'B', 'M')
#endif
#define ID_BMHD MAKE_ID('B', 'M', 'H', 'D')
#define ID_BODY MAKE_ID('B', 'O', 'D', 'Y')
#define ID_CMAP MAKE_ID('C', 'M', 'A', 'P')
#define ID_CRNG MAKE_ID('C', 'R', 'N', 'G')
#define ID_GRAB MAKE_ID('G', 'R', 'A', 'B')
#define ID_SPRT MAKE_ID('S', 'P', 'R', 'T')
#define ID_DEST MAKE_ID('D', 'E', 'S', 'T')
#define ID_CAMG MAKE_ID('C', 'A', 'M', 'G')

#endif /* DATATYPES_PICTURECLASS_H */
