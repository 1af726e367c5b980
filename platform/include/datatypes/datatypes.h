/* datatypes/datatypes.h: data type groups, identifiers, error codes and the data type descriptor. */
#ifndef DATATYPES_DATATYPES_H
#define DATATYPES_DATATYPES_H

#include <exec/types.h>
#include <exec/lists.h>
#include <exec/nodes.h>

#define DATATYPESNAME "datatypes.library"

/* Four characters as one big-endian identifier, as IFF writes them. */
#ifndef MAKE_ID
#define MAKE_ID(a, b, c, d) \
    ((ULONG)(UBYTE)(a) << 24 | (ULONG)(UBYTE)(b) << 16 | (ULONG)(UBYTE)(c) << 8 | (ULONG)(UBYTE)(d))
#endif

/* Groups: what kind of data an object holds (DTA_GroupID). */
#define GID_SYSTEM MAKE_ID('s', 'y', 's', 't')
#define GID_TEXT MAKE_ID('t', 'e', 'x', 't')
#define GID_DOCUMENT MAKE_ID('d', 'o', 'c', 'u')
#define GID_SOUND MAKE_ID('s', 'o', 'u', 'n')
#define GID_INSTRUMENT MAKE_ID('i', 'n', 's', 't')
#define GID_MUSIC MAKE_ID('m', 'u', 's', 'i')
#define GID_PICTURE MAKE_ID('p', 'i', 'c', 't')
#define GID_ANIMATION MAKE_ID('a', 'n', 'i', 'm')
#define GID_MOVIE MAKE_ID('m', 'o', 'v', 'i')

/* Chunks of a data type descriptor (FORM DTYP). */
#define ID_DTYP MAKE_ID('D', 'T', 'Y', 'P')
#define ID_DTHD MAKE_ID('D', 'T', 'H', 'D')
#define ID_CODE MAKE_ID('D', 'T', 'C', 'D')
#define ID_TOOL MAKE_ID('D', 'T', 'T', 'L')
#define ID_TAGS MAKE_ID('D', 'T', 'T', 'G')

/* What describes one data type: its name, how it is recognised, its group. */
struct DataTypeHeader {
    STRPTR dth_Name;       /* descriptive name: "ILBM", "PNG", "JPEG" */
    STRPTR dth_BaseName;   /* base name of the class: "ilbm", "png", "jpeg" */
    STRPTR dth_Pattern;    /* file name pattern ("#?" on this host) */
    WORD *dth_Mask;        /* comparison mask of the first bytes; -1 matches any byte */
    ULONG dth_GroupID;     /* GID_... */
    ULONG dth_ID;          /* identifier: the IFF FORM type or a MAKE_ID of the base name */
    WORD dth_MaskLen;      /* words at dth_Mask */
    WORD dth_Pad;
    UWORD dth_Flags;       /* DTF_... */
    UWORD dth_Priority;
};

/* dth_Flags */
#define DTF_TYPE_MASK 0x000F
#define DTF_BINARY 0x0000
#define DTF_ASCII 0x0001
#define DTF_IFF 0x0002
#define DTF_MISC 0x0003
#define DTF_CASE 0x0010
#define DTF_SYSTEM1 0x1000

/* A data type as the system lists it. */
struct DataType {
    struct Node dtn_Node1;
    struct Node dtn_Node2;
    struct DataTypeHeader *dtn_Header;
    struct List dtn_ToolList;
    STRPTR dtn_FunctionName;
    struct TagItem *dtn_AttrList;
    ULONG dtn_Length;
};

/* Error codes (IoErr()) beyond those of dos. */
#define DTERROR_UNKNOWN_DATATYPE 2000     /* no data type recognises the data */
#define DTERROR_COULDNT_SAVE 2001
#define DTERROR_COULDNT_OPEN 2002
#define DTERROR_COULDNT_SEND_MESSAGE 2003
#define DTERROR_COULDNT_OPEN_CLIPBOARD 2004
#define DTERROR_Reserved 2005
#define DTERROR_UNKNOWN_COMPRESSION 2006  /* the data uses a compression this host cannot undo */
#define DTERROR_NOT_ENOUGH_DATA 2007      /* the data ends before the picture is complete */
#define DTERROR_INVALID_DATA 2008         /* the data contradicts itself */
#define DTERROR_NOT_AVAILABLE 2009

#define DTMSG_TYPE_OFFSET 2100

#endif /* DATATYPES_DATATYPES_H */
