/* datatypes/datatypesclass.h: the attributes, source types and methods every data type object has. */
#ifndef DATATYPES_DATATYPESCLASS_H
#define DATATYPES_DATATYPESCLASS_H

#include <datatypes/datatypes.h>
#include <intuition/classusr.h>
#include <utility/tagitem.h>

struct GadgetInfo;

#define DATATYPESCLASS "datatypesclass"

/* --- Attributes ------------------------------------------------------------ */

#define DTA_Dummy (TAG_USER + 0x1000)

#define DTA_TextAttr (DTA_Dummy + 10)
#define DTA_TopVert (DTA_Dummy + 11)
#define DTA_VisibleVert (DTA_Dummy + 12)
#define DTA_TotalVert (DTA_Dummy + 13)       /* ULONG: rows of the whole object */
#define DTA_VertUnit (DTA_Dummy + 14)
#define DTA_TopHoriz (DTA_Dummy + 15)
#define DTA_VisibleHoriz (DTA_Dummy + 16)
#define DTA_TotalHoriz (DTA_Dummy + 17)      /* ULONG: columns of the whole object */
#define DTA_HorizUnit (DTA_Dummy + 18)
#define DTA_NodeName (DTA_Dummy + 19)
#define DTA_Title (DTA_Dummy + 20)
#define DTA_TriggerMethods (DTA_Dummy + 21)
#define DTA_Data (DTA_Dummy + 22)
#define DTA_TextFont (DTA_Dummy + 23)
#define DTA_Methods (DTA_Dummy + 24)
#define DTA_PrinterStatus (DTA_Dummy + 25)
#define DTA_PrinterProc (DTA_Dummy + 26)
#define DTA_LayoutProc (DTA_Dummy + 27)
#define DTA_Busy (DTA_Dummy + 28)
#define DTA_Sync (DTA_Dummy + 29)
#define DTA_BaseName (DTA_Dummy + 30)        /* STRPTR: "ilbm", "png", "jpeg" */
#define DTA_GroupID (DTA_Dummy + 31)         /* ULONG: GID_... */
#define DTA_ErrorLevel (DTA_Dummy + 32)
#define DTA_ErrorNumber (DTA_Dummy + 33)
#define DTA_ErrorString (DTA_Dummy + 34)
#define DTA_Conductor (DTA_Dummy + 35)
#define DTA_ControlPanel (DTA_Dummy + 36)
#define DTA_Immediate (DTA_Dummy + 37)
#define DTA_Repeat (DTA_Dummy + 38)
#define DTA_SourceAddress (DTA_Dummy + 39)   /* APTR: the data of a DTST_MEMORY object */
#define DTA_SourceSize (DTA_Dummy + 40)      /* ULONG: its size in bytes */
#define DTA_Reserved (DTA_Dummy + 41)

#define DTA_Name (DTA_Dummy + 100)           /* STRPTR: the name the object was made from */
#define DTA_SourceType (DTA_Dummy + 101)     /* ULONG: DTST_... */
#define DTA_Handle (DTA_Dummy + 102)
#define DTA_DataType (DTA_Dummy + 103)       /* struct DataType *: the type recognised */
#define DTA_Domain (DTA_Dummy + 104)
#define DTA_Left (DTA_Dummy + 105)
#define DTA_Top (DTA_Dummy + 106)
#define DTA_Width (DTA_Dummy + 107)
#define DTA_Height (DTA_Dummy + 108)
#define DTA_ObjName (DTA_Dummy + 109)        /* STRPTR: the object's own name */
#define DTA_ObjAuthor (DTA_Dummy + 110)
#define DTA_ObjAnnotation (DTA_Dummy + 111)
#define DTA_ObjCopyright (DTA_Dummy + 112)
#define DTA_ObjVersion (DTA_Dummy + 113)
#define DTA_ObjectID (DTA_Dummy + 114)
#define DTA_UserData (DTA_Dummy + 115)
#define DTA_FrameInfo (DTA_Dummy + 116)
#define DTA_RelRight (DTA_Dummy + 117)
#define DTA_RelBottom (DTA_Dummy + 118)
#define DTA_RelWidth (DTA_Dummy + 119)
#define DTA_RelHeight (DTA_Dummy + 120)
#define DTA_SelectDomain (DTA_Dummy + 121)
#define DTA_TotalPVert (DTA_Dummy + 122)
#define DTA_TotalPHoriz (DTA_Dummy + 123)
#define DTA_NominalVert (DTA_Dummy + 124)    /* ULONG: the height the object would like */
#define DTA_NominalHoriz (DTA_Dummy + 125)   /* ULONG: the width it would like */

#define DTA_DestCols (DTA_Dummy + 400)
#define DTA_DestRows (DTA_Dummy + 401)
#define DTA_Special (DTA_Dummy + 402)
#define DTA_RastPort (DTA_Dummy + 403)
#define DTA_ARexxPortName (DTA_Dummy + 404)

/* DTA_SourceType values */
#define DTST_RAM 1
#define DTST_FILE 2          /* DTA_Name (the name argument) is a file name */
#define DTST_CLIPBOARD 3
#define DTST_HOTLINK 4
#define DTST_MEMORY 5        /* the data is at DTA_SourceAddress, DTA_SourceSize bytes */

/* --- Methods ------------------------------------------------------------- */

#define DTM_Dummy 0x600
#define DTM_FRAMEBOX 0x601
#define DTM_PROCLAYOUT 0x602       /* struct gpLayout: lay the object out now */
#define DTM_ASYNCLAYOUT 0x603
#define DTM_REMOVEDTOBJECT 0x604
#define DTM_SELECT 0x605
#define DTM_CLEARSELECTED 0x606
#define DTM_COPY 0x607
#define DTM_PRINT 0x608
#define DTM_ABORTPRINT 0x609
#define DTM_NEWMEMBER 0x610
#define DTM_DISPOSEMEMBER 0x611
#define DTM_GOTO 0x630
#define DTM_TRIGGER 0x631
#define DTM_OBTAINDRAWINFO 0x640
#define DTM_DRAW 0x641
#define DTM_RELEASEDRAWINFO 0x642
#define DTM_WRITE 0x650

/* A message that carries nothing but the GadgetInfo (DTM_CLEARSELECTED,
   DTM_COPY, DTM_ABORTPRINT). */
struct dtGeneral {
    STACKED ULONG MethodID;
    STACKED struct GadgetInfo *dtg_GInfo;
};

#endif /* DATATYPES_DATATYPESCLASS_H */
