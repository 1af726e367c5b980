/* proto/datatypes.h: the datatypes library's functions. */
#ifndef PROTO_DATATYPES_H
#define PROTO_DATATYPES_H

#include <datatypes/datatypes.h>
#include <datatypes/datatypesclass.h>
#include <datatypes/pictureclass.h>
#include <intuition/classusr.h>
#include <proto/hosted_tags.h>
#include <utility/tagitem.h>

struct Window;
struct Requester;

/* This host knows the picture group: IFF ILBM (and PBM), PNG and JPEG,
   recognised by their contents whatever the file is called. Every picture
   object holds its picture as a 32-bit chunky bitmap in the screen's pixel
   format (PIXFMT_BGRA32 on this host, or that of the PDTA_Screen's
   bitmap); alpha is kept in the alpha byte (0xFF where the picture has
   none). Pictures are limited to 65535 pixels a side and 16384 x 16384
   pixels in all. Objects are records of the datatypes library, reached
   only through the calls below (not through intuition's BOOPSI calls). */

/* Makes an object from a file (DTST_FILE, the default: name is a path in
   the system's grammar, relative to the current directory) or from memory
   (DTST_MEMORY: DTA_SourceAddress and DTA_SourceSize; name may be NULL).
   Tags: DTA_SourceType, DTA_GroupID (only an object of this group),
   PDTA_DestMode, PDTA_Remap, PDTA_Screen (the screen it is for; its
   bitmap's format is used). The picture is read whole before the call
   returns. NULL on failure, with IoErr: the dos error of opening or reading
   the file (ERROR_OBJECT_NOT_FOUND ...); DTERROR_UNKNOWN_DATATYPE when no
   data type recognises the data; ERROR_OBJECT_WRONG_TYPE when it is a
   picture and DTA_GroupID asks for another group; DTERROR_NOT_ENOUGH_DATA
   when the data ends early; DTERROR_INVALID_DATA when it contradicts
   itself; DTERROR_UNKNOWN_COMPRESSION for an unknown packing;
   ERROR_NO_FREE_STORE when memory is short or the picture is larger than
   the limits above; ERROR_NOT_IMPLEMENTED for DTST_RAM, DTST_CLIPBOARD
   and DTST_HOTLINK. */
Object *NewDTObjectA(APTR name, const struct TagItem *attrs);

/* Frees an object and everything it owns (its bitmap, header, texts).
   NULL is ignored. */
void DisposeDTObject(Object *o);

/* Reads attributes: each ti_Data points to a variable of the attribute's
   type, which receives the value: a pointer for PDTA_BitMap,
   PDTA_DestBitMap, PDTA_BitMapHeader, PDTA_ColorRegisters, PDTA_Screen,
   DTA_Name, DTA_ObjName (and the other DTA_Obj texts), DTA_BaseName,
   DTA_DataType; a ULONG for PDTA_ModeID, PDTA_NumColors, PDTA_Remap,
   PDTA_DestMode, PDTA_SourceMode, DTA_GroupID, DTA_SourceType,
   DTA_NominalHoriz/Vert, DTA_TotalHoriz/Vert. Returns how many
   attributes it filled; unknown ones are skipped and their variables left
   alone. 0 for a NULL object. DTA_ObjName is the picture's own name (an
   ILBM's NAME chunk), else the file's name; the other DTA_Obj texts are
   NULL when the picture has none. */
ULONG GetDTAttrsA(Object *o, const struct TagItem *attrs);

/* Sets attributes: PDTA_Remap, PDTA_Screen, PDTA_DestMode. The window and
   requester are accepted for the real system's sake. Returns 0: the object
   never needs drawing again because of a change. */
ULONG SetDTAttrsA(Object *o, struct Window *win, struct Requester *req, const struct TagItem *attrs);

/* Performs a method. DTM_PROCLAYOUT returns TRUE (the picture was laid out
   when it was read); other methods return 0. */
IPTR DoDTMethodA(Object *o, struct Window *win, struct Requester *req, Msg msg);

/* --- Tag-list forms --------------------------------------------------------- */
/* NewDTObject("x", DTA_GroupID, GID_PICTURE, TAG_DONE) and the like. */
template <typename... Args>
inline Object *NewDTObject(APTR name, Args... tags)
{
    hosted_tags::List<Args...> list(tags...);
    return NewDTObjectA(name, list.items);
}

template <typename... Args>
inline ULONG GetDTAttrs(Object *o, Args... tags)
{
    hosted_tags::List<Args...> list(tags...);
    return GetDTAttrsA(o, list.items);
}

template <typename... Args>
inline ULONG SetDTAttrs(Object *o, struct Window *win, struct Requester *req, Args... tags)
{
    hosted_tags::List<Args...> list(tags...);
    return SetDTAttrsA(o, win, req, list.items);
}

template <typename... Args>
inline IPTR DoDTMethod(Object *o, struct Window *win, struct Requester *req, ULONG methodID, Args... args)
{
    IPTR words[] = {methodID, hosted_tags::Word(args)...};
    return DoDTMethodA(o, win, req, reinterpret_cast<Msg>(words));
}

#endif /* PROTO_DATATYPES_H */
